// A printer model as the driver knows it: feature lists, records, factory settings with the
// chain of private blocks, plug-in defaults and the driver data sets a new printer starts with.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "abi/wide.h"
#include "abi/host_records.h"

namespace host {

struct PrinterValue {
  std::string name;
  DWORD type;
  std::vector<BYTE> data;
};

struct PrinterModel {
  WideString driverName;
  WORD driverVersion = 0;
  WideString driverFile, configFile, dataFile, helpFile;
  ModelEntry modelEntry{};
  ModelInfoRecord info{};
  ModelCapabilitiesRecord capabilities{};
  std::vector<PaperSizeEntry> paperSizes;
  std::vector<FeatureEntry> mediaTypes, paperSources, outputBins, resolutions;
  DEVMODEW publicDefaults{};
  std::vector<BYTE> mainDefaults;                 // the pdMain block
  std::vector<std::vector<BYTE>> pluginDefaults;  // the plug-in blocks, in chain order
  std::vector<PrinterValue> driverData;           // printer values of a new printer

  int FeatureCount(int list) const;
  const void *FeatureItem(int list, WORD index) const;
  // The factory-default DEVMODE: public part, main block and plug-in blocks.
  std::vector<BYTE> DefaultDevMode() const;
  const std::vector<BYTE> *PluginDefault(WORD blockId) const;
  // Virtual output bins are routed to a physical one: the identifier becomes its position.
  bool MapOutputBin(DWORD *identifier) const;
};

// Output bins with this flag are virtual mailboxes delivered to the bin position in the high word.
constexpr DWORD BIN_FLAG_VIRTUAL = 0x1;

// PDL identifiers of pdMain::wPdlId.
enum : WORD { PDL_POSTSCRIPT = 1, PDL_PCL5 = 2, PDL_PCLXL = 4 };

const PrinterModel &ColorLaserModel();
const PrinterModel &MonoLaserModel();
const std::vector<const PrinterModel *> &AllModels();
const PrinterModel *FindModel(WideStringView driverName);

}  // namespace host
