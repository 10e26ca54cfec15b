// Feature-list access and factory settings of a printer model.
#include "host/printer_model.h"

#include <algorithm>
#include <cstring>

#include "abi/wide.h"
#include "abi/private_blocks.h"

namespace host {

int PrinterModel::FeatureCount(int list) const {
  switch (list) {
    case FEATURE_MODEL:
      return 1;
    case FEATURE_PAPER_SIZE:
      return static_cast<int>(paperSizes.size());
    case FEATURE_MEDIA_TYPE:
      return static_cast<int>(mediaTypes.size());
    case FEATURE_PAPER_SOURCE:
      return static_cast<int>(paperSources.size());
    case FEATURE_OUTPUT_BIN:
      return static_cast<int>(outputBins.size());
    case FEATURE_RESOLUTION:
      return static_cast<int>(resolutions.size());
    default:
      return 0;
  }
}

const void *PrinterModel::FeatureItem(int list, WORD index) const {
  auto pick = [index](const auto &items) -> const void * {
    return index < items.size() ? &items[index] : nullptr;
  };
  switch (list) {
    case FEATURE_MODEL:
      return index == 0 ? &modelEntry : nullptr;
    case FEATURE_PAPER_SIZE:
      return pick(paperSizes);
    case FEATURE_MEDIA_TYPE:
      return pick(mediaTypes);
    case FEATURE_PAPER_SOURCE:
      return pick(paperSources);
    case FEATURE_OUTPUT_BIN:
      return pick(outputBins);
    case FEATURE_RESOLUTION:
      return pick(resolutions);
    default:
      return nullptr;
  }
}

std::vector<BYTE> PrinterModel::DefaultDevMode() const {
  size_t size = sizeof(DEVMODEW) + mainDefaults.size();
  for (const auto &block : pluginDefaults)
    size += block.size();
  std::vector<BYTE> devMode(size);
  std::memcpy(devMode.data(), &publicDefaults, sizeof(DEVMODEW));
  auto end =
      std::copy(mainDefaults.begin(), mainDefaults.end(), devMode.begin() + sizeof(DEVMODEW));
  for (const auto &block : pluginDefaults)
    end = std::copy(block.begin(), block.end(), end);
  auto *dm = reinterpret_cast<DEVMODEW *>(devMode.data());
  dm->dmSize = sizeof(DEVMODEW);
  dm->dmDriverExtra = static_cast<WORD>(devMode.size() - sizeof(DEVMODEW));
  return devMode;
}

const std::vector<BYTE> *PrinterModel::PluginDefault(WORD blockId) const {
  for (const auto &block : pluginDefaults) {
    PrivateDataBlockHeader header;
    std::memcpy(&header, block.data(), sizeof header);
    if (header.wBlockId == blockId)
      return &block;
  }
  return nullptr;
}

bool PrinterModel::MapOutputBin(DWORD *identifier) const {
  for (const auto &bin : outputBins) {
    if (bin.wCode == *identifier && (bin.dwFlags & BIN_FLAG_VIRTUAL)) {
      *identifier = HIWORD(bin.dwFlags);
      return true;
    }
  }
  return false;
}

const std::vector<const PrinterModel *> &AllModels() {
  static const std::vector<const PrinterModel *> models = {&ColorLaserModel(), &MonoLaserModel()};
  return models;
}

const PrinterModel *FindModel(WideStringView driverName) {
  for (const PrinterModel *model : AllModels())
    if (model->driverName == driverName)
      return model;
  return nullptr;
}

}  // namespace host
