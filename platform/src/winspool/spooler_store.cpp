// Printers and drivers as registry keys: typed value access, printer records, environments.
#include "spooler_store.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "advapi32/registry_hive.h"
#include "winplat/config.h"

namespace winplat::spooler {
namespace {

// Value names are passed to the registry as NUL-terminated strings.
std::u16string Terminated(std::u16string_view text) {
  return std::u16string(text);
}

bool StartsWithNoCase(std::u16string_view text, std::u16string_view prefix) {
  return text.size() >= prefix.size() && registry::SameName(text.substr(0, prefix.size()), prefix);
}

}  // namespace

RegKey::~RegKey() {
  Close();
}

void RegKey::Close() {
  if (key_) {
    RegCloseKey(key_);
    key_ = nullptr;
  }
}

LONG RegKey::Open(HKEY parent, std::u16string_view path, REGSAM access) {
  Close();
  return RegOpenKeyExW(parent, Terminated(path).c_str(), 0, access, &key_);
}

LONG RegKey::Create(HKEY parent, std::u16string_view path) {
  Close();
  return RegCreateKeyExW(parent, Terminated(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                         KEY_ALL_ACCESS, nullptr, &key_, nullptr);
}

LONG RegKey::Query(std::u16string_view name, DWORD &type, std::vector<BYTE> &data) const {
  const std::u16string valueName = Terminated(name);
  // A buffer of at least one byte, so that the registry copies data instead of only sizing it.
  DWORD size = 1;
  LONG status = ERROR_SUCCESS;
  do {
    data.resize(size);
    status = RegQueryValueExW(key_, valueName.c_str(), nullptr, &type, data.data(), &size);
  } while (status == ERROR_MORE_DATA);
  data.resize(status == ERROR_SUCCESS ? size : 0);
  return status;
}

std::optional<std::vector<BYTE>> RegKey::Bytes(std::u16string_view name) const {
  DWORD type = REG_NONE;
  std::vector<BYTE> data;
  if (Query(name, type, data) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return data;
}

std::optional<std::u16string> RegKey::String(std::u16string_view name) const {
  const auto data = Bytes(name);
  if (!data) {
    return std::nullopt;
  }
  std::u16string text;
  for (size_t i = 0; i + 1 < data->size(); i += 2) {
    const auto unit = static_cast<char16_t>((*data)[i] | ((*data)[i + 1] << 8));
    if (unit == 0) {
      break;
    }
    text += unit;
  }
  return text;
}

std::optional<DWORD> RegKey::Dword(std::u16string_view name) const {
  const auto data = Bytes(name);
  if (!data || data->size() != sizeof(DWORD)) {
    return std::nullopt;
  }
  DWORD value = 0;
  std::memcpy(&value, data->data(), sizeof value);
  return value;
}

LONG RegKey::SetBytes(std::u16string_view name, DWORD type, const BYTE *data, DWORD size) const {
  return RegSetValueExW(key_, Terminated(name).c_str(), 0, type, data, size);
}

LONG RegKey::SetString(std::u16string_view name, std::u16string_view value) const {
  const std::u16string text = Terminated(value);
  return SetBytes(name, REG_SZ, reinterpret_cast<const BYTE *>(text.c_str()),
                  static_cast<DWORD>((text.size() + 1) * sizeof(WCHAR)));
}

LONG RegKey::SetDword(std::u16string_view name, DWORD value) const {
  return SetBytes(name, REG_DWORD, reinterpret_cast<const BYTE *>(&value), sizeof value);
}

std::u16string RegistryNameOf(std::u16string_view printerName) {
  std::u16string name(printerName);
  std::replace(name.begin(), name.end(), u'\\', u',');
  return name;
}

bool IsConnectionName(std::u16string_view printerName) {
  return printerName.starts_with(u"\\\\");
}

bool IsNetworkPort(std::u16string_view port) {
  return port.starts_with(u"\\\\") || StartsWithNoCase(port, u"http") ||
         StartsWithNoCase(port, u"ipp");
}

bool IsValidDevMode(const std::vector<BYTE> &bytes) {
  constexpr size_t kPublicMinimum = offsetof(DEVMODEW, dmFormName) + sizeof(DEVMODEW::dmFormName);
  if (bytes.size() < kPublicMinimum) {
    return false;
  }
  const DEVMODEW &devMode = AsDevMode(bytes);
  return devMode.dmSize >= kPublicMinimum &&
         static_cast<size_t>(devMode.dmSize) + devMode.dmDriverExtra <= bytes.size();
}

const DEVMODEW &AsDevMode(const std::vector<BYTE> &bytes) {
  return *reinterpret_cast<const DEVMODEW *>(bytes.data());
}

std::optional<std::u16string> PrinterRecord::Server() const {
  if (!IsConnectionName(name)) {
    return std::nullopt;
  }
  return name.substr(0, name.find(u'\\', 2));
}

DWORD LoadPrinter(std::u16string_view registryName, PrinterRecord &record) {
  RegKey printers;
  RegKey key;
  if (printers.Open(HKEY_LOCAL_MACHINE, kPrintersKey, KEY_READ) != ERROR_SUCCESS ||
      registryName.empty() || key.Open(printers.get(), registryName, KEY_READ) != ERROR_SUCCESS) {
    return ERROR_INVALID_PRINTER_NAME;
  }
  record = PrinterRecord{};
  record.registryName = std::u16string(registryName);
  std::u16string fallbackName(registryName);
  std::replace(fallbackName.begin(), fallbackName.end(), u',', u'\\');
  record.name = key.String(u"Name").value_or(fallbackName);
  record.shareName = key.String(u"Share Name").value_or(u"");
  record.port = key.String(u"Port").value_or(u"");
  record.driver = key.String(u"Printer Driver").value_or(u"");
  record.comment = key.String(u"Description").value_or(u"");
  record.location = key.String(u"Location").value_or(u"");
  record.separatorFile = key.String(u"Separator File").value_or(u"");
  record.printProcessor = key.String(u"Print Processor").value_or(u"WinPrint");
  record.datatype = key.String(u"Datatype").value_or(u"RAW");
  record.parameters = key.String(u"Parameters").value_or(u"");
  record.attributes = key.Dword(u"Attributes").value_or(0);
  record.priority = key.Dword(u"Priority").value_or(0);
  record.defaultPriority = key.Dword(u"Default Priority").value_or(0);
  record.startTime = key.Dword(u"StartTime").value_or(0);
  record.untilTime = key.Dword(u"UntilTime").value_or(0);
  record.status = key.Dword(u"Status").value_or(0);
  record.userAccess = key.Dword(u"UserAccess").value_or(PRINTER_ALL_ACCESS);
  record.clientSide = key.Dword(u"ClientSide").value_or(0) != 0;
  if (auto devMode = key.Bytes(u"Default DevMode"); devMode && IsValidDevMode(*devMode)) {
    const DEVMODEW &header = AsDevMode(*devMode);
    devMode->resize(static_cast<size_t>(header.dmSize) + header.dmDriverExtra);
    record.devMode = std::move(*devMode);
  }
  return ERROR_SUCCESS;
}

std::vector<std::u16string> PrinterRegistryNames() {
  std::vector<std::u16string> names;
  RegKey printers;
  if (printers.Open(HKEY_LOCAL_MACHINE, kPrintersKey, KEY_READ) != ERROR_SUCCESS) {
    return names;
  }
  WCHAR name[256];
  for (DWORD index = 0;; ++index) {
    DWORD length = static_cast<DWORD>(std::size(name));
    if (RegEnumKeyExW(printers.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS) {
      break;
    }
    names.emplace_back(name, length);
  }
  return names;
}

const std::vector<Environment> &Environments() {
  static const std::vector<Environment> environments = {
      {u"Windows NT x86",
       u"SYSTEM\\CurrentControlSet\\Control\\Print\\Environments\\Windows NT "
       u"x86\\Drivers\\Version-3",
       u"C:\\WINDOWS\\system32\\spool\\DRIVERS\\W32X86\\3", 3},
      {u"Windows 4.0",
       u"SYSTEM\\CurrentControlSet\\Control\\Print\\Environments\\Windows 4.0\\Drivers\\Version-0",
       u"C:\\WINDOWS\\SYSTEM", 0},
  };
  return environments;
}

const Environment *FindEnvironment(LPCWSTR name) {
  const std::u16string_view wanted =
      name ? std::u16string_view(name)
           : (winplat::IsAnsiPlatform() ? u"Windows 4.0" : u"Windows NT x86");
  for (const Environment &environment : Environments()) {
    if (registry::SameName(environment.name, wanted)) {
      return &environment;
    }
  }
  return nullptr;
}

}  // namespace winplat::spooler
