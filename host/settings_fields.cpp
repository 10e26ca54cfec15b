// The table of setting fields, and reading and writing them in the current settings.
#include "host/settings_fields.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <strings.h>

#include "abi/wide.h"
#include "abi/private_blocks.h"
#include "host/devmode_chain.h"
#include "host/text_convert.h"

namespace host {
namespace {

#define PUBLIC(field, kind, names, ro)                                                       \
  {                                                                                          \
#field, nullptr, 0, offsetof(DEVMODEW, field), sizeof(DEVMODEW::field), FieldKind::kind, \
        ValueNames::names, ro                                                                \
  }
#define TAGGED(field, alias, kind, names, ro)                                              \
  {                                                                                        \
#field, alias, 0, offsetof(DEVMODEW, field), sizeof(DEVMODEW::field), FieldKind::kind, \
        ValueNames::names, ro                                                              \
  }
#define MAIN(field, alias, kind, names)                                                            \
  {                                                                                                \
    "pdMain." #field, alias, PRIVATE_DATA_ID_MAIN, offsetof(pdMain, field), sizeof(pdMain::field), \
        FieldKind::kind, ValueNames::names, false                                                  \
  }
#define PLUGIN(prefix, id, type, field, kind)                                                    \
  {                                                                                              \
    prefix "." #field, nullptr, id, offsetof(type, field), sizeof(type::field), FieldKind::kind, \
        ValueNames::None, false                                                                  \
  }

const std::vector<SettingField> kFields = {
    PUBLIC(dmDeviceName, WideText, None, true),
    TAGGED(dmSpecVersion, "PFDM_SPEC_VERSION", Hex, None, true),
    TAGGED(dmDriverVersion, "PFDM_DRIVER_VERSION", Hex, None, true),
    TAGGED(dmSize, "PFDM_SIZE", Unsigned, None, true),
    TAGGED(dmDriverExtra, "PFDM_DRIVER_EXTRA", Unsigned, None, true),
    TAGGED(dmFields, "PFDM_FIELDS", Hex, None, false),
    TAGGED(dmOrientation, "PFDM_ORIENTATION", Signed, Orientation, false),
    TAGGED(dmPaperSize, "PFDM_PAPERSIZE", Signed, PaperCode, false),
    TAGGED(dmPaperLength, "PFDM_PAPERLENGTH", Signed, None, false),
    TAGGED(dmPaperWidth, "PFDM_PAPERWIDTH", Signed, None, false),
    TAGGED(dmScale, "PFDM_SCALE", Signed, None, false),
    TAGGED(dmCopies, "PFDM_COPIES", Signed, None, false),
    TAGGED(dmDefaultSource, "PFDM_DEFAULTSOURCE", Signed, SourceCode, false),
    TAGGED(dmPrintQuality, "PFDM_PRINTQUALITY", Signed, ResolutionDpi, false),
    TAGGED(dmColor, "PFDM_COLOR", Signed, Color, false),
    TAGGED(dmDuplex, "PFDM_DUPLEX", Signed, Duplex, false),
    TAGGED(dmYResolution, "PFDM_YRESOLUTION", Signed, ResolutionDpi, false),
    TAGGED(dmTTOption, "PFDM_TTOPTION", Signed, TrueType, false),
    TAGGED(dmCollate, "PFDM_COLLATE", Signed, Collate, false),
    PUBLIC(dmFormName, WideText, None, false),
    TAGGED(dmICMMethod, "PFDM_ICMMETHOD", Unsigned, None, false),
    TAGGED(dmICMIntent, "PFDM_ICMINTENT", Unsigned, None, false),
    TAGGED(dmMediaType, "PFDM_MEDIATYPE", Unsigned, MediaCode, false),
    TAGGED(dmDitherType, "PFDM_DITHERTYPE", Unsigned, None, false),
    MAIN(dwOptions, nullptr, Hex, None),
    MAIN(bNoCopy, "PFPD_NOCOPY", Unsigned, None),
    MAIN(wLayoutBmpId, "PFPD_LAYOUTBMPID", Unsigned, None),
    MAIN(wDuplexOptions, nullptr, Hex, None),
    MAIN(wDuplexValue, nullptr, Unsigned, None),
    MAIN(wBookletOptions, nullptr, Hex, None),
    MAIN(dwFrontCover, nullptr, Hex, None),
    MAIN(dwBackCover, nullptr, Hex, None),
    MAIN(dwInsertSheet, nullptr, Hex, None),
    MAIN(dwMediaOptions, nullptr, Hex, None),
    MAIN(wMediaSourceFlags, nullptr, Hex, None),
    MAIN(wMediaSourceOption, nullptr, Unsigned, None),
    MAIN(dwSeparatorPage, nullptr, Hex, None),
    MAIN(dwTransparencyInterleave, nullptr, Hex, None),
    MAIN(dwHolePunch, nullptr, Hex, None),
    MAIN(dwCustomWidth, nullptr, Unsigned, None),
    MAIN(dwCustomLength, nullptr, Unsigned, None),
    MAIN(dwCustomUnit, nullptr, Unsigned, None),
    MAIN(szCustomName, nullptr, AnsiText, None),
    MAIN(dwOutputWidth, nullptr, Unsigned, None),
    MAIN(dwOutputLength, nullptr, Unsigned, None),
    MAIN(dwOutputUnit, nullptr, Unsigned, None),
    MAIN(szOutputName, nullptr, AnsiText, None),
    MAIN(wMediaSourceIdx, "PFPD_MEDIASOURCEIDX", Unsigned, SourcePosition),
    MAIN(wMediaTypeIdx, "PFPD_MEDIATYPEIDX", Unsigned, MediaPosition),
    MAIN(wMediaSizeIdx, "PFPD_MEDIASIZEIDX", Unsigned, PaperPosition),
    MAIN(wScaleSizeIdx, "Scale.wScaleSizeIdx", Unsigned, PaperPosition),
    MAIN(dwScaleFlags, nullptr, Hex, None),
    MAIN(wScaleZoom, nullptr, Unsigned, None),
    MAIN(wScalePercent, nullptr, Unsigned, None),
    MAIN(wSizeMode, "PFPD_SIZEMODE", Unsigned, None),
    MAIN(wOutBinIdx, "PFPD_OUTBINIDX", Unsigned, BinPosition),
    MAIN(wResIdx, "PFPD_RESIDX", Unsigned, ResolutionPosition),
    MAIN(wColorMode, nullptr, Unsigned, None),
    MAIN(dwColorFlags, nullptr, Hex, None),
    MAIN(dwColorMatching, nullptr, Hex, None),
    MAIN(wQualityFlags, nullptr, Hex, None),
    MAIN(wFinishing, nullptr, Hex, None),
    MAIN(wFinishing2, nullptr, Hex, None),
    MAIN(bIsVmbSave, "PFPD_ISVMBSAVE", Unsigned, None),
    MAIN(bIsVmbSelect, "PFPD_ISVMBSELECT", Unsigned, None),
    MAIN(wHalftone, "PFPD_HALFTONE", Unsigned, None),
    MAIN(sBrightness, "PFPD_BRIGHTNESS", Signed, None),
    MAIN(sContrast, "PFPD_CONTRAST", Signed, None),
    MAIN(wScalingMode, "PFPD_SCALINGMODE", Unsigned, None),
    MAIN(wFitToPage, nullptr, Unsigned, None),
    MAIN(dwQualityMode, nullptr, Hex, None),
    MAIN(dwPrintQuaResolution, "PFPD_PRINTQUARESOLUTION", Unsigned, None),
    MAIN(dwCusQuaResolution, "PFPD_CUSQUARESOLUTION", Unsigned, None),
    MAIN(dwPrintQuaTypeId, "PFPD_PRINTQUATYPEID", Unsigned, None),
    MAIN(dwCusQuaPdl, "PFPD_CUSQUAPDL", Unsigned, None),
    MAIN(bCusQuaFast, "PFPD_CUSQUAFAST", Unsigned, None),
    MAIN(bCusQuaZir, "PFPD_CUSQUAZIR", Unsigned, None),
    MAIN(bCusQuaLte, "PFPD_CUSQUALTE", Unsigned, None),
    MAIN(dwColoAdjCustomID, "PFPD_COLOADJCUSTOMID", Unsigned, None),
    MAIN(wFontOptions, nullptr, Hex, None),
    MAIN(wLineOptions, nullptr, Hex, None),
    MAIN(dwGutterPosition, "PFPD_GUTTERPOSITION", Unsigned, None),
    MAIN(wPdlId, "PFPD_PDLID", Unsigned, None),
    MAIN(wColorReproduction, "PFPD_COLORREPRODUCTION", Unsigned, None),
    MAIN(dImageShiftX, nullptr, Double, None),
    MAIN(dImageShiftY, nullptr, Double, None),
    PLUGIN("prologepilog", PRIVATE_DATA_ID_PROLOGEPILOG, PrologEpilogBlock, dwEnabled, Unsigned),
    PLUGIN("prologepilog", PRIVATE_DATA_ID_PROLOGEPILOG, PrologEpilogBlock, dwSelection, Unsigned),
    PLUGIN("watermark", PRIVATE_DATA_ID_WATERMARK, WatermarkBlock, dwEnabled, Unsigned),
    PLUGIN("watermark", PRIVATE_DATA_ID_WATERMARK, WatermarkBlock, szName, WideText),
    PLUGIN("watermark", PRIVATE_DATA_ID_WATERMARK, WatermarkBlock, wAngle, Unsigned),
    PLUGIN("overlay", PRIVATE_DATA_ID_OVERLAY, OverlayBlock, dwEnabled, Unsigned),
    PLUGIN("overlay", PRIVATE_DATA_ID_OVERLAY, OverlayBlock, szForm, WideText),
    PLUGIN("poster", PRIVATE_DATA_ID_POSTER, PosterBlock, dwLayout, Hex),
    PLUGIN("securitywmark", PRIVATE_DATA_ID_SECURITYWMARK, SecurityWatermarkBlock, dwEnabled,
           Unsigned),
    PLUGIN("securitywmark", PRIVATE_DATA_ID_SECURITYWMARK, SecurityWatermarkBlock, szName,
           WideText),
};

#undef PUBLIC
#undef TAGGED
#undef MAIN
#undef PLUGIN

struct NamedValue {
  const char *name;
  long long value;
};

std::vector<NamedValue> FixedNames(ValueNames names) {
  switch (names) {
    case ValueNames::Orientation:
      return {{"portrait", DMORIENT_PORTRAIT}, {"landscape", DMORIENT_LANDSCAPE}};
    case ValueNames::Color:
      return {{"monochrome", DMCOLOR_MONOCHROME}, {"color", DMCOLOR_COLOR}};
    case ValueNames::Duplex:
      return {{"simplex", DMDUP_SIMPLEX},
              {"vertical", DMDUP_VERTICAL},
              {"horizontal", DMDUP_HORIZONTAL}};
    case ValueNames::TrueType:
      return {{"bitmap", DMTT_BITMAP},
              {"download", DMTT_DOWNLOAD},
              {"substitute", DMTT_SUBDEV},
              {"outline", DMTT_DOWNLOAD_OUTLINE}};
    case ValueNames::Collate:
      return {{"off", DMCOLLATE_FALSE}, {"on", DMCOLLATE_TRUE}};
    default:
      return {};
  }
}

// The names of a field's values: keywords of the model's lists, mapped to codes or positions.
std::vector<std::pair<std::string, long long>> ValueNamesOf(const PrinterModel &model,
                                                            ValueNames names) {
  std::vector<std::pair<std::string, long long>> result;
  auto add = [&](const auto &entries, bool byPosition, auto code) {
    for (size_t i = 0; i < entries.size(); ++i)
      result.emplace_back(entries[i].szKeyword,
                          byPosition ? static_cast<long long>(i) : code(entries[i]));
  };
  auto paperCode = [](const PaperSizeEntry &e) -> long long { return e.wPaperCode; };
  auto featureCode = [](const FeatureEntry &e) -> long long { return e.wCode; };
  switch (names) {
    case ValueNames::PaperCode:
      add(model.paperSizes, false, paperCode);
      break;
    case ValueNames::PaperPosition:
      add(model.paperSizes, true, paperCode);
      break;
    case ValueNames::SourceCode:
      add(model.paperSources, false, featureCode);
      break;
    case ValueNames::SourcePosition:
      add(model.paperSources, true, featureCode);
      break;
    case ValueNames::MediaCode:
      add(model.mediaTypes, false, featureCode);
      break;
    case ValueNames::MediaPosition:
      add(model.mediaTypes, true, featureCode);
      break;
    case ValueNames::ResolutionDpi:
      add(model.resolutions, false, featureCode);
      break;
    case ValueNames::ResolutionPosition:
      add(model.resolutions, true, featureCode);
      break;
    case ValueNames::BinPosition:
      add(model.outputBins, true, featureCode);
      break;
    default:
      for (const NamedValue &fixed : FixedNames(names))
        result.emplace_back(fixed.name, fixed.value);
  }
  return result;
}

BYTE *FieldAddress(PrinterSession &session, const SettingField &field) {
  const std::optional<size_t> offset = SettingOffset(session.devModeBytes(), field);
  return offset ? reinterpret_cast<BYTE *>(session.devMode()) + *offset : nullptr;
}

long long ReadInteger(const BYTE *at, const SettingField &field) {
  unsigned long long raw = 0;
  std::memcpy(&raw, at, field.size);  // little-endian host
  if (field.kind != FieldKind::Signed)
    return static_cast<long long>(raw);
  int shift = 64 - static_cast<int>(field.size) * 8;
  return static_cast<long long>(raw << shift) >> shift;
}

bool InRange(long long value, const SettingField &field) {
  int bits = static_cast<int>(field.size) * 8;
  if (field.kind == FieldKind::Signed) {
    long long limit = 1LL << (bits - 1);
    return value >= -limit && value < limit;
  }
  return value >= 0 && (bits >= 63 || value < (1LL << bits));
}

bool ParseInteger(std::string_view text, long long *value) {
  std::string s(text);
  if (s.empty())
    return false;
  errno = 0;
  char *end = nullptr;
  long long parsed = std::strtoll(s.c_str(), &end, 0);
  if (errno != 0 || *end != '\0')
    return false;
  *value = parsed;
  return true;
}

std::string ValueName(const PrinterModel &model, const SettingField &field, long long value) {
  for (const auto &[name, named] : ValueNamesOf(model, field.names))
    if (named == value)
      return name;
  return {};
}

}  // namespace

const std::vector<SettingField> &SettingFields() {
  return kFields;
}

const SettingField *FindSettingField(std::string_view name) {
  std::string wanted(name);
  for (const SettingField &field : kFields)
    if (strcasecmp(field.name, wanted.c_str()) == 0 ||
        (field.alias && strcasecmp(field.alias, wanted.c_str()) == 0))
      return &field;
  return nullptr;
}

std::optional<size_t> SettingOffset(const std::vector<BYTE> &devMode, const SettingField &field) {
  if (field.block == 0) {
    DEVMODEW publicPart;
    if (devMode.size() < sizeof publicPart)
      return std::nullopt;
    std::memcpy(&publicPart, devMode.data(), sizeof publicPart);
    if (field.offset + field.size > publicPart.dmSize)
      return std::nullopt;
    return field.offset;
  }
  const std::optional<BlockInfo> block = FindPrivateBlock(devMode, field.block);
  if (!block || field.offset + field.size > block->header.dwSize)
    return std::nullopt;
  return block->offset + field.offset;
}

std::string FormatSetting(PrinterSession &session, const SettingField &field) {
  return FormatSettingIn(session.model(), session.devModeBytes(), field);
}

std::string FormatSettingIn(const PrinterModel &model, const std::vector<BYTE> &devMode,
                            const SettingField &field) {
  const std::optional<size_t> offset = SettingOffset(devMode, field);
  if (!offset)
    return {};
  const BYTE *at = devMode.data() + *offset;
  switch (field.kind) {
    case FieldKind::AnsiText: {
      std::string text(reinterpret_cast<const char *>(at),
                       strnlen(reinterpret_cast<const char *>(at), field.size));
      return "\"" + Utf8FromUtf16(WideFromAnsi(text, CP_ACP)) + "\"";
    }
    case FieldKind::WideText: {
      WideString text(field.size / 2, u'\0');
      std::memcpy(text.data(), at, field.size);
      text.resize(text.find(u'\0') == WideString::npos ? text.size() : text.find(u'\0'));
      return "\"" + Utf8FromUtf16(text) + "\"";
    }
    case FieldKind::Double: {
      double value;
      std::memcpy(&value, at, sizeof value);
      char buffer[64];
      std::snprintf(buffer, sizeof buffer, "%g", value);
      return buffer;
    }
    case FieldKind::Hex: {
      char buffer[24];
      std::snprintf(buffer, sizeof buffer, "0x%0*llX", static_cast<int>(field.size * 2),
                    static_cast<unsigned long long>(ReadInteger(at, field)));
      return buffer;
    }
    default: {
      long long value = ReadInteger(at, field);
      std::string name = ValueName(model, field, value);
      return std::to_string(value) + (name.empty() ? "" : " (" + name + ")");
    }
  }
}

bool SetSetting(PrinterSession &session, const SettingField &field, std::string_view value,
                std::string *error) {
  if (field.readOnly) {
    *error = std::string(field.name) + " belongs to the driver and cannot be set";
    return false;
  }
  BYTE *at = FieldAddress(session, field);
  if (!at) {
    *error = "the current settings of this printer have no " + std::string(field.name);
    return false;
  }
  switch (field.kind) {
    case FieldKind::AnsiText: {
      WideString wide = Utf16FromUtf8(value);
      std::string text = AnsiFromWide(wide, CP_ACP);
      if (WideFromAnsi(text, CP_ACP) != wide) {
        *error = "\"" + std::string(value) + "\" cannot be written in code page " +
                 std::to_string(GetACP());
        return false;
      }
      if (text.size() >= field.size) {
        *error =
            std::string(field.name) + " holds at most " + std::to_string(field.size - 1) + " bytes";
        return false;
      }
      std::memset(at, 0, field.size);
      std::memcpy(at, text.data(), text.size());
      return true;
    }
    case FieldKind::WideText: {
      WideString text = Utf16FromUtf8(value);
      if (text.size() >= field.size / 2) {
        *error = std::string(field.name) + " holds at most " + std::to_string(field.size / 2 - 1) +
                 " characters";
        return false;
      }
      std::memset(at, 0, field.size);
      std::memcpy(at, text.data(), text.size() * 2);
      return true;
    }
    case FieldKind::Double: {
      std::string s(value);
      char *end = nullptr;
      double parsed = std::strtod(s.c_str(), &end);
      if (s.empty() || *end != '\0' || !std::isfinite(parsed)) {
        *error = "\"" + s + "\" is not a number";
        return false;
      }
      std::memcpy(at, &parsed, sizeof parsed);
      return true;
    }
    default:
      break;
  }
  long long number = 0;
  bool named = false;
  for (const auto &[name, code] : ValueNamesOf(session.model(), field.names))
    if (strcasecmp(name.c_str(), std::string(value).c_str()) == 0) {
      number = code;
      named = true;
    }
  if (!named && !ParseInteger(value, &number)) {
    std::string known;
    for (const auto &[name, code] : ValueNamesOf(session.model(), field.names))
      known += " " + name;
    *error =
        "\"" + std::string(value) + "\" is not a value of " + field.name +
        (known.empty() ? " (expected a number)" : " (expected a number or one of:" + known + ")");
    return false;
  }
  if (field.kind == FieldKind::Hex && number < 0 && field.size < 8)
    number &= (1LL << (field.size * 8)) - 1;
  if (!InRange(number, field)) {
    *error = std::to_string(number) + " does not fit " + field.name + " (" +
             std::to_string(field.size * 8) +
             (field.kind == FieldKind::Signed ? "-bit signed)" : "-bit unsigned)");
    return false;
  }
  unsigned long long raw = static_cast<unsigned long long>(number);
  std::memcpy(at, &raw, field.size);
  return true;
}

}  // namespace host
