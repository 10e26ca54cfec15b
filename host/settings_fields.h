// The current settings, field by field: every public DEVMODEW field and every named field of
// the driver's private blocks, with the way its value reads and is written.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/printer_session.h"

namespace host {

// Hex: unsigned, shown in hexadecimal (flags and versions).
enum class FieldKind { Unsigned, Signed, Hex, Double, AnsiText, WideText };

// Lists whose entries name a field's values.
enum class ValueNames {
  None,
  Orientation,
  Color,
  Duplex,
  TrueType,
  Collate,
  PaperCode,      // dmPaperSize: paper codes of the model's paper list
  SourceCode,     // dmDefaultSource
  MediaCode,      // dmMediaType
  ResolutionDpi,  // dmPrintQuality, dmYResolution
  PaperPosition,  // positions in the paper list
  SourcePosition,
  MediaPosition,
  BinPosition,
  ResolutionPosition,
};

struct SettingField {
  const char *name;   // e.g. "dmPaperSize", "pdMain.wOutBinIdx", "watermark.szName"
  const char *alias;  // the profile-file item name, or nullptr
  WORD block;         // 0: the public DEVMODEW; else the private block identifier
  size_t offset;      // from the start of the DEVMODE or of the block
  size_t size;        // bytes
  FieldKind kind;
  ValueNames names;
  bool readOnly;  // size fields and versions, which the driver owns
};

const std::vector<SettingField> &SettingFields();
// By name or alias, ignoring case.
const SettingField *FindSettingField(std::string_view name);

// The field's value as text ("9 (A4)", "0x08000000", "\"Letter\""); empty when the current
// settings lack the field's block.
std::string FormatSetting(PrinterSession &session, const SettingField &field);
// The same for a complete DEVMODE of the model held as bytes.
std::string FormatSettingIn(const PrinterModel &model, const std::vector<BYTE> &devMode,
                            const SettingField &field);
// Where the field lies in a complete DEVMODE; none when the DEVMODE lacks its block or the field
// reaches past its block or public part.
std::optional<size_t> SettingOffset(const std::vector<BYTE> &devMode, const SettingField &field);
// Parses a value (number, hex, a name from the field's list, or text) and stores it. Nothing is
// changed when it fails; `error` then says why.
bool SetSetting(PrinterSession &session, const SettingField &field, std::string_view value,
                std::string *error);

}  // namespace host
