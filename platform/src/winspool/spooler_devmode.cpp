// DEVMODE conversions between the ANSI and wide layouts, and the DM_IN_BUFFER merge.
#include "spooler_devmode.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "advapi32/registry_text.h"

namespace winplat::spooler {
namespace {

// The two layouts differ only in the two 32-character names; everything between and after
// them is the same bytes.
constexpr size_t kWideMiddle = offsetof(DEVMODEW, dmSpecVersion);
constexpr size_t kWideForm = offsetof(DEVMODEW, dmFormName);
constexpr size_t kWideTail = offsetof(DEVMODEW, dmLogPixels);
constexpr size_t kAnsiMiddle = offsetof(DEVMODEA, dmSpecVersion);
constexpr size_t kAnsiForm = offsetof(DEVMODEA, dmFormName);
constexpr size_t kAnsiTail = offsetof(DEVMODEA, dmLogPixels);
constexpr size_t kSizeDifference = kWideTail - kAnsiTail;
static_assert(kWideForm - kWideMiddle == kAnsiForm - kAnsiMiddle);
static_assert(kSizeDifference == sizeof(DEVMODEW) - sizeof(DEVMODEA));

void NarrowName(const BYTE *wide, BYTE *ansi) {
  std::u16string name;
  for (size_t i = 0; i < CCHDEVICENAME; ++i) {
    const auto unit = static_cast<char16_t>(wide[2 * i] | (wide[2 * i + 1] << 8));
    if (unit == 0) {
      break;
    }
    name += unit;
  }
  const std::string narrow = registry::WideToAnsi(name);
  std::memcpy(ansi, narrow.data(), std::min<size_t>(narrow.size(), CCHDEVICENAME));
}

void WidenName(const BYTE *ansi, BYTE *wide) {
  const auto *chars = reinterpret_cast<const char *>(ansi);
  const std::u16string name =
      registry::AnsiToWide(std::string_view(chars, strnlen(chars, CCHDEVICENAME)));
  std::memcpy(wide, name.data(), std::min<size_t>(name.size(), CCHDEVICENAME) * sizeof(WCHAR));
}

struct Field {
  DWORD flag;
  size_t offset;
  size_t size;
};

#define DEVMODE_FIELD(flag, member) \
  { flag, offsetof(DEVMODEW, member), sizeof(DEVMODEW::member) }
constexpr Field kPublicFields[] = {
    DEVMODE_FIELD(DM_ORIENTATION, dmOrientation),
    DEVMODE_FIELD(DM_PAPERSIZE, dmPaperSize),
    DEVMODE_FIELD(DM_PAPERLENGTH, dmPaperLength),
    DEVMODE_FIELD(DM_PAPERWIDTH, dmPaperWidth),
    DEVMODE_FIELD(DM_SCALE, dmScale),
    DEVMODE_FIELD(DM_COPIES, dmCopies),
    DEVMODE_FIELD(DM_DEFAULTSOURCE, dmDefaultSource),
    DEVMODE_FIELD(DM_PRINTQUALITY, dmPrintQuality),
    DEVMODE_FIELD(DM_COLOR, dmColor),
    DEVMODE_FIELD(DM_DUPLEX, dmDuplex),
    DEVMODE_FIELD(DM_YRESOLUTION, dmYResolution),
    DEVMODE_FIELD(DM_TTOPTION, dmTTOption),
    DEVMODE_FIELD(DM_COLLATE, dmCollate),
    DEVMODE_FIELD(DM_FORMNAME, dmFormName),
    DEVMODE_FIELD(DM_ICMMETHOD, dmICMMethod),
    DEVMODE_FIELD(DM_ICMINTENT, dmICMIntent),
    DEVMODE_FIELD(DM_MEDIATYPE, dmMediaType),
    DEVMODE_FIELD(DM_DITHERTYPE, dmDitherType),
};
#undef DEVMODE_FIELD

}  // namespace

std::vector<BYTE> DevModeWideToAnsi(const std::vector<BYTE> &wide) {
  if (wide.empty()) {
    return {};
  }
  const auto &header = *reinterpret_cast<const DEVMODEW *>(wide.data());
  const size_t ansiSize = header.dmSize - kSizeDifference;
  std::vector<BYTE> ansi(ansiSize + header.dmDriverExtra);
  NarrowName(wide.data(), ansi.data());
  std::memcpy(ansi.data() + kAnsiMiddle, wide.data() + kWideMiddle, kWideForm - kWideMiddle);
  NarrowName(wide.data() + kWideForm, ansi.data() + kAnsiForm);
  std::memcpy(ansi.data() + kAnsiTail, wide.data() + kWideTail, header.dmSize - kWideTail);
  std::memcpy(ansi.data() + ansiSize, wide.data() + header.dmSize, header.dmDriverExtra);
  reinterpret_cast<DEVMODEA *>(ansi.data())->dmSize = static_cast<WORD>(ansiSize);
  return ansi;
}

std::vector<BYTE> DevModeAnsiToWide(const DEVMODEA &ansi) {
  const auto *source = reinterpret_cast<const BYTE *>(&ansi);
  const size_t wideSize = ansi.dmSize + kSizeDifference;
  std::vector<BYTE> wide(wideSize + ansi.dmDriverExtra);
  WidenName(source, wide.data());
  std::memcpy(wide.data() + kWideMiddle, source + kAnsiMiddle, kAnsiForm - kAnsiMiddle);
  WidenName(source + kAnsiForm, wide.data() + kWideForm);
  std::memcpy(wide.data() + kWideTail, source + kAnsiTail, ansi.dmSize - kAnsiTail);
  std::memcpy(wide.data() + wideSize, source + ansi.dmSize, ansi.dmDriverExtra);
  reinterpret_cast<DEVMODEW *>(wide.data())->dmSize = static_cast<WORD>(wideSize);
  return wide;
}

void MergeDevMode(std::vector<BYTE> &target, const DEVMODEW &input) {
  auto &output = *reinterpret_cast<DEVMODEW *>(target.data());
  const auto *source = reinterpret_cast<const BYTE *>(&input);
  for (const Field &field : kPublicFields) {
    const size_t end = field.offset + field.size;
    if ((input.dmFields & field.flag) && end <= input.dmSize && end <= output.dmSize) {
      std::memcpy(target.data() + field.offset, source + field.offset, field.size);
      output.dmFields |= field.flag;
    }
  }
  if (input.dmDriverExtra != 0 && input.dmDriverExtra == output.dmDriverExtra &&
      input.dmDriverVersion == output.dmDriverVersion) {
    std::memcpy(target.data() + output.dmSize, source + input.dmSize, input.dmDriverExtra);
  }
}

}  // namespace winplat::spooler
