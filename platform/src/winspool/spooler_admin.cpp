// AddPrinterW and DeletePrinter: creating and removing printer keys.
#include <iterator>

#include "spooler_store.h"

using namespace winplat::spooler;

namespace {

HANDLE FailWithNull(DWORD error) {
  SetLastError(error);
  return nullptr;
}

std::u16string_view TextOr(LPCWSTR text, std::u16string_view fallback) {
  return text && *text ? std::u16string_view(text) : fallback;
}

// Local names hold no backslash; connections are "\\server\printer". Commas are reserved for
// registry names.
bool IsValidPrinterName(LPCWSTR name) {
  const std::u16string_view text = TextOr(name, u"");
  if (text.empty() || text.find(u',') != std::u16string_view::npos) {
    return false;
  }
  if (!IsConnectionName(text)) {
    return text.find(u'\\') == std::u16string_view::npos;
  }
  const std::u16string_view rest = text.substr(2);
  const size_t slash = rest.find(u'\\');
  return slash != std::u16string_view::npos && slash > 0 && slash + 1 < rest.size() &&
         rest.find(u'\\', slash + 1) == std::u16string_view::npos;
}

bool IsDriverInstalled(LPCWSTR driver) {
  if (!driver || !*driver) {
    return false;
  }
  for (const Environment &environment : Environments()) {
    RegKey key;
    const std::u16string path = std::u16string(environment.driversKey) + u"\\" + driver;
    if (key.Open(HKEY_LOCAL_MACHINE, path, KEY_READ) == ERROR_SUCCESS) {
      return true;
    }
  }
  return false;
}

// The spooler marks connections and printers on network ports as network printers, and all
// others as local ones.
DWORD AttributesFor(const PRINTER_INFO_2W &info) {
  DWORD attributes = info.Attributes & ~(PRINTER_ATTRIBUTE_LOCAL | PRINTER_ATTRIBUTE_NETWORK);
  if (IsConnectionName(info.pPrinterName)) {
    return attributes | PRINTER_ATTRIBUTE_NETWORK;
  }
  attributes |= PRINTER_ATTRIBUTE_LOCAL;
  if (IsNetworkPort(TextOr(info.pPortName, u""))) {
    attributes |= PRINTER_ATTRIBUTE_NETWORK;
  }
  return attributes;
}

LONG WritePrinterValues(const RegKey &key, const PRINTER_INFO_2W &info,
                        const std::vector<BYTE> &devMode) {
  const LONG results[] = {
      key.SetString(u"Name", info.pPrinterName),
      key.SetString(u"Share Name", TextOr(info.pShareName, u"")),
      key.SetString(u"Port", TextOr(info.pPortName, u"")),
      key.SetString(u"Printer Driver", info.pDriverName),
      key.SetString(u"Description", TextOr(info.pComment, u"")),
      key.SetString(u"Location", TextOr(info.pLocation, u"")),
      key.SetString(u"Separator File", TextOr(info.pSepFile, u"")),
      key.SetString(u"Print Processor", TextOr(info.pPrintProcessor, u"WinPrint")),
      key.SetString(u"Datatype", TextOr(info.pDatatype, u"RAW")),
      key.SetString(u"Parameters", TextOr(info.pParameters, u"")),
      key.SetDword(u"Attributes", AttributesFor(info)),
      key.SetDword(u"Priority", info.Priority),
      key.SetDword(u"Default Priority", info.DefaultPriority),
      key.SetDword(u"StartTime", info.StartTime),
      key.SetDword(u"UntilTime", info.UntilTime),
      key.SetDword(u"Status", info.Status),
      devMode.empty() ? static_cast<LONG>(ERROR_SUCCESS)
                      : key.SetBytes(u"Default DevMode", REG_BINARY, devMode.data(),
                                     static_cast<DWORD>(devMode.size())),
  };
  for (const LONG result : results) {
    if (result != ERROR_SUCCESS) {
      return result;
    }
  }
  RegKey printerData;
  return printerData.Create(key.get(), kPrinterDataKey);
}

// RegDeleteKey only removes keys without subkeys, so the subtree goes bottom-up.
LONG DeleteKeyTree(HKEY parent, const std::u16string &name) {
  RegKey key;
  if (const LONG status = key.Open(parent, name, KEY_READ); status != ERROR_SUCCESS) {
    return status;
  }
  std::vector<std::u16string> subkeys;
  WCHAR subkey[256];
  DWORD length = static_cast<DWORD>(std::size(subkey));
  while (RegEnumKeyExW(key.get(), static_cast<DWORD>(subkeys.size()), subkey, &length, nullptr,
                       nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
    subkeys.emplace_back(subkey, length);
    length = static_cast<DWORD>(std::size(subkey));
  }
  for (const std::u16string &child : subkeys) {
    if (const LONG status = DeleteKeyTree(key.get(), child); status != ERROR_SUCCESS) {
      return status;
    }
  }
  return RegDeleteKeyW(parent, name.c_str());
}

}  // namespace

// Only the local print server exists, so pName must be null or empty. The new printer's
// driver must be installed for at least one environment.
extern "C" HANDLE WINAPI AddPrinterW(LPWSTR pName, DWORD Level, LPBYTE pPrinter) {
  if (pName && *pName) {
    return FailWithNull(ERROR_INVALID_NAME);
  }
  if (Level != 2) {
    return FailWithNull(ERROR_INVALID_LEVEL);
  }
  const auto *info = reinterpret_cast<const PRINTER_INFO_2W *>(pPrinter);
  if (!info) {
    return FailWithNull(ERROR_INVALID_PARAMETER);
  }
  if (!IsValidPrinterName(info->pPrinterName)) {
    return FailWithNull(ERROR_INVALID_PRINTER_NAME);
  }
  if (!IsDriverInstalled(info->pDriverName)) {
    return FailWithNull(ERROR_UNKNOWN_PRINTER_DRIVER);
  }
  std::vector<BYTE> devMode;
  if (info->pDevMode) {
    const auto *bytes = reinterpret_cast<const BYTE *>(info->pDevMode);
    devMode.assign(bytes, bytes + info->pDevMode->dmSize + info->pDevMode->dmDriverExtra);
    if (!IsValidDevMode(devMode)) {
      return FailWithNull(ERROR_INVALID_PARAMETER);
    }
  }
  const std::u16string registryName = RegistryNameOf(info->pPrinterName);
  PrinterRecord existing;
  if (LoadPrinter(registryName, existing) == ERROR_SUCCESS) {
    return FailWithNull(ERROR_PRINTER_ALREADY_EXISTS);
  }
  RegKey key;
  LONG status = key.Create(HKEY_LOCAL_MACHINE, std::u16string(kPrintersKey) + u"\\" + registryName);
  if (status == ERROR_SUCCESS) {
    status = WritePrinterValues(key, *info, devMode);
  }
  if (status != ERROR_SUCCESS) {
    return FailWithNull(static_cast<DWORD>(status));
  }
  return NewPrinterHandle(registryName, PRINTER_ALL_ACCESS);
}

// Removes the printer's key at once; the handle stays open (and useless) until ClosePrinter.
extern "C" BOOL WINAPI DeletePrinter(HANDLE hPrinter) {
  PrinterRecord printer;
  PrinterHandle handle;
  DWORD error = LoadPrinterOfHandle(hPrinter, printer, &handle);
  if (error == ERROR_SUCCESS && !(handle.access & DELETE)) {
    error = ERROR_ACCESS_DENIED;
  }
  if (error == ERROR_SUCCESS) {
    RegKey printers;
    LONG status = printers.Open(HKEY_LOCAL_MACHINE, kPrintersKey, KEY_ALL_ACCESS);
    if (status == ERROR_SUCCESS) {
      status = DeleteKeyTree(printers.get(), printer.registryName);
    }
    error = static_cast<DWORD>(status);
  }
  if (error != ERROR_SUCCESS) {
    SetLastError(error);
    return FALSE;
  }
  return TRUE;
}
