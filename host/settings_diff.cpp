// Comparing two sets of settings field by field.
#include "host/settings_diff.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <strings.h>

#include "abi/wide.h"
#include "abi/private_blocks.h"
#include "abi/storage_names.h"
#include "host/devmode_chain.h"
#include "host/settings_fields.h"
#include "host/text_convert.h"
#include "host/win32_handles.h"

namespace host {
namespace {

// The stored forms of the print size and output bin (see CurrentSnapshot).
constexpr WORD kConvertedBase = 1000;
constexpr WORD kBeyondListBase = 2000;
// Bytes shown of a range that differs.
constexpr size_t kShownBytes = 16;
constexpr char kSetupValue[] = "Setup";

// The block's prefix in the settings' field names ("pdMain", "watermark", ...).
std::string BlockName(WORD blockId) {
  switch (blockId) {
    case 0:
      return "DEVMODE";
    case PRIVATE_DATA_ID_MAIN:
      return "pdMain";
    case PRIVATE_DATA_ID_PROLOGEPILOG:
      return "prologepilog";
    case PRIVATE_DATA_ID_WATERMARK:
      return "watermark";
    case PRIVATE_DATA_ID_OVERLAY:
      return "overlay";
    case PRIVATE_DATA_ID_PROFIL:
      return "profil";
    case PRIVATE_DATA_ID_POSTER:
      return "poster";
    case PRIVATE_DATA_ID_SECURITYWMARK:
      return "securitywmark";
    default:
      return "block " + std::to_string(blockId);
  }
}

bool IsDataSet(const std::string &name) {
  return name.rfind("Vt", 0) == 0 || name == PROFILE_SETUP_VALUE;
}

std::string Hex(const BYTE *bytes, size_t count) {
  std::string text;
  for (size_t i = 0; i < count && i < kShownBytes; ++i) {
    char byte[4];
    std::snprintf(byte, sizeof byte, "%s%02X", i == 0 ? "" : " ", bytes[i]);
    text += byte;
  }
  return count > kShownBytes ? text + " ..." : text;
}

std::string SizeText(size_t size) {
  return std::to_string(size) + (size == 1 ? " byte" : " bytes");
}

// A part of a DEVMODE: the public part (block 0) or a private block.
struct Part {
  WORD blockId;
  size_t offset;
  size_t size;
};

std::vector<Part> PartsOf(const std::vector<BYTE> &devMode) {
  if (devMode.size() < sizeof(DEVMODEW))
    return {};
  std::vector<Part> parts = {{0, 0, DevModeView(devMode).PublicSize()}};
  for (const BlockInfo &block : PrivateBlocks(devMode))
    parts.push_back({block.header.wBlockId, block.offset, block.header.dwSize});
  return parts;
}

const Part *FindPart(const std::vector<Part> &parts, WORD blockId) {
  for (const Part &part : parts)
    if (part.blockId == blockId)
      return &part;
  return nullptr;
}

std::optional<std::string> FieldText(const PrinterModel &model, const std::vector<BYTE> &devMode,
                                     const SettingField &field) {
  std::string text = FormatSettingIn(model, devMode, field);
  if (text.empty())
    return std::nullopt;
  // The print size and output bin are compared in their stored form; name what they stand for.
  const bool printSize =
      field.block == PRIVATE_DATA_ID_MAIN && field.offset == offsetof(pdMain, wScaleSizeIdx);
  const bool outputBin =
      field.block == PRIVATE_DATA_ID_MAIN && field.offset == offsetof(pdMain, wOutBinIdx);
  WORD value = 0;
  std::memcpy(&value, devMode.data() + *SettingOffset(devMode, field), sizeof value);
  if ((!printSize && !outputBin) || value < kConvertedBase)
    return text;
  if (printSize && value >= kBeyondListBase)
    return text + " (custom size)";
  const WORD id = static_cast<WORD>(value - kConvertedBase);
  if (printSize) {
    for (const PaperSizeEntry &paper : model.paperSizes)
      if (paper.wPaperCode == id)
        return text + " (" + paper.szKeyword + ")";
  } else {
    for (const FeatureEntry &bin : model.outputBins)
      if (bin.wCode == id)
        return text + " (" + bin.szKeyword + ")";
  }
  return text;
}

void DiffFields(const PrinterModel &model, const SettingsSnapshot &first,
                const SettingsSnapshot &second, std::vector<SettingDifference> &differences) {
  for (const SettingField &field : SettingFields()) {
    const std::optional<size_t> a = SettingOffset(first.devMode, field);
    const std::optional<size_t> b = SettingOffset(second.devMode, field);
    if (!a || !b)
      continue;
    if (std::memcmp(first.devMode.data() + *a, second.devMode.data() + *b, field.size) != 0)
      differences.push_back({field.name, FieldText(model, first.devMode, field),
                             FieldText(model, second.devMode, field)});
  }
}

bool IsNamed(WORD blockId, size_t offset) {
  for (const SettingField &field : SettingFields())
    if (field.block == blockId && offset >= field.offset && offset < field.offset + field.size)
      return true;
  return false;
}

// The runs of differing bytes of one part that no named field covers.
void DiffUnnamedBytes(const SettingsSnapshot &first, const Part &a, const SettingsSnapshot &second,
                      const Part &b, std::vector<SettingDifference> &differences) {
  const BYTE *bytesA = first.devMode.data() + a.offset;
  const BYTE *bytesB = second.devMode.data() + b.offset;
  const size_t common = std::min(a.size, b.size);
  for (size_t at = 0; at < common;) {
    if (bytesA[at] == bytesB[at] || IsNamed(a.blockId, at)) {
      ++at;
      continue;
    }
    size_t end = at + 1;
    while (end < common && bytesA[end] != bytesB[end] && !IsNamed(a.blockId, end))
      ++end;
    differences.push_back(
        {BlockName(a.blockId) + " bytes " + std::to_string(at) + "-" + std::to_string(end - 1),
         Hex(bytesA + at, end - at), Hex(bytesB + at, end - at)});
    at = end;
  }
  if (a.size != b.size)
    differences.push_back({BlockName(a.blockId) + " size", SizeText(a.size), SizeText(b.size)});
}

void DiffParts(const SettingsSnapshot &first, const SettingsSnapshot &second,
               std::vector<SettingDifference> &differences) {
  const std::vector<Part> partsA = PartsOf(first.devMode);
  const std::vector<Part> partsB = PartsOf(second.devMode);
  for (const Part &a : partsA) {
    if (const Part *b = FindPart(partsB, a.blockId))
      DiffUnnamedBytes(first, a, second, *b, differences);
    else
      differences.push_back({BlockName(a.blockId) + " block", "present", std::nullopt});
  }
  for (const Part &b : partsB)
    if (FindPart(partsA, b.blockId) == nullptr)
      differences.push_back({BlockName(b.blockId) + " block", std::nullopt, "present"});
}

void DiffDataSets(const SettingsSnapshot &first, const SettingsSnapshot &second,
                  std::vector<SettingDifference> &differences) {
  std::map<std::string, std::pair<const std::vector<BYTE> *, const std::vector<BYTE> *>> sets;
  for (const auto &[name, data] : first.dataSets)
    sets[name].first = &data;
  for (const auto &[name, data] : second.dataSets)
    sets[name].second = &data;
  for (const auto &[name, data] : sets) {
    const auto [a, b] = data;
    const std::string setting = "data set " + name;
    if (a == nullptr || b == nullptr) {
      differences.push_back({setting, a ? std::optional(SizeText(a->size())) : std::nullopt,
                             b ? std::optional(SizeText(b->size())) : std::nullopt});
    } else if (a->size() != b->size()) {
      differences.push_back({setting, SizeText(a->size()), SizeText(b->size())});
    } else if (*a != *b) {
      const size_t at = std::mismatch(a->begin(), a->end(), b->begin()).first - a->begin();
      differences.push_back({setting + " from byte " + std::to_string(at),
                             Hex(a->data() + at, a->size() - at),
                             Hex(b->data() + at, b->size() - at)});
    }
  }
}

void ToStoredForm(const PrinterModel &model, std::vector<BYTE> &devMode) {
  const std::optional<BlockInfo> block = FindPrivateBlock(devMode, PRIVATE_DATA_ID_MAIN);
  if (!block || block->header.dwSize < sizeof(pdMain))
    return;
  DevModeEditor editor(devMode);
  pdMain main = editor.ReadBlock<pdMain>(*block);
  const size_t papers = model.paperSizes.size();
  if (main.wScaleSizeIdx < kConvertedBase)
    main.wScaleSizeIdx =
        main.wScaleSizeIdx >= papers
            ? static_cast<WORD>(main.wScaleSizeIdx - papers + kBeyondListBase)
            : static_cast<WORD>(model.paperSizes[main.wScaleSizeIdx].wPaperCode + kConvertedBase);
  if (main.wOutBinIdx < model.outputBins.size())
    main.wOutBinIdx = static_cast<WORD>(model.outputBins[main.wOutBinIdx].wCode + kConvertedBase);
  editor.WriteBlock(*block, main);
}

// The printer's data sets, read from its PrinterDriverData key.
std::map<std::string, std::vector<BYTE>> PrinterDataSets(PrinterSession &session) {
  std::map<std::string, std::vector<BYTE>> sets;
  RegKey key = RegKey::Open(HKEY_LOCAL_MACHINE,
                            PrinterKeyPath(session.printerName()) + WSTR("\\PrinterDriverData"),
                            KEY_QUERY_VALUE);
  if (!key)
    return sets;
  for (DWORD index = 0;; ++index) {
    WCHAR name[MAX_PATH];
    DWORD nameChars = MAX_PATH;
    DWORD type = 0;
    DWORD size = 0;
    if (RegEnumValueW(key.get(), index, name, &nameChars, nullptr, &type, nullptr, &size) !=
        ERROR_SUCCESS)
      break;
    const std::string valueName = Utf8FromUtf16(name);
    if (valueName != kSetupValue && valueName.rfind("Vt", 0) != 0)
      continue;
    std::vector<BYTE> data(size);
    nameChars = MAX_PATH;
    if (RegEnumValueW(key.get(), index, name, &nameChars, nullptr, &type, data.data(), &size) !=
        ERROR_SUCCESS)
      continue;
    data.resize(size);
    sets[valueName == kSetupValue ? PROFILE_SETUP_VALUE : valueName] = std::move(data);
  }
  return sets;
}

}  // namespace

bool ReadProfileSnapshot(HANDLE printer, const WideString &printerName,
                         const StoredProfile &profile, SettingsSnapshot *snapshot,
                         std::string *error) {
  for (const StoredProfileValue &value :
       ReadStoredProfileValues(printer, printerName, profile.regNum)) {
    std::optional<std::vector<BYTE>> data = ReadStoredProfileValueData(printer, value);
    if (!data)
      continue;
    if (strcasecmp(value.name.c_str(), PROFILE_DEVMODE_VALUE) == 0)
      snapshot->devMode = std::move(*data);
    else if (IsDataSet(value.name))
      snapshot->dataSets[value.name] = std::move(*data);
  }
  std::string why;
  if (!IsCompleteDevMode(snapshot->devMode, &why)) {
    *error = "the profile \"" + profile.name + "\" has no stored settings" +
             (snapshot->devMode.empty() ? "" : " that can be read (" + why + ")");
    return false;
  }
  return true;
}

SettingsSnapshot CurrentSnapshot(PrinterSession &session) {
  SettingsSnapshot snapshot;
  snapshot.devMode = session.devModeBytes();
  ToStoredForm(session.model(), snapshot.devMode);
  snapshot.dataSets = PrinterDataSets(session);
  return snapshot;
}

std::vector<SettingDifference> DiffSettings(const PrinterModel &model,
                                            const SettingsSnapshot &first,
                                            const SettingsSnapshot &second) {
  std::vector<SettingDifference> differences;
  DiffFields(model, first, second, differences);
  DiffParts(first, second, differences);
  DiffDataSets(first, second, differences);
  return differences;
}

}  // namespace host
