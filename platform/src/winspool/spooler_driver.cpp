// GetPrinterDriver (level 2) and AddPrinterDriverW: driver keys under the "Windows NT x86" and
// "Windows 4.0" environments.
#include "spooler_pack.h"

using namespace winplat::spooler;

namespace {

BOOL Fail(DWORD error) {
  SetLastError(error);
  return FALSE;
}

std::u16string DriverKeyPath(const Environment &environment, std::u16string_view driver) {
  return std::u16string(environment.driversKey) + u"\\" + std::u16string(driver);
}

// A driver file as installed: the environment's driver folder and the file name; nothing when
// the driver names no such file.
std::u16string InstalledFile(const Environment &environment, const std::u16string &file) {
  return file.empty() ? file : std::u16string(environment.directory) + u"\\" + file;
}

std::u16string FileNameOf(LPCWSTR path) {
  if (!path) {
    return {};
  }
  const std::u16string_view full(path);
  const size_t slash = full.find_last_of(u"\\/:");
  return std::u16string(slash == std::u16string_view::npos ? full : full.substr(slash + 1));
}

template <typename Char>
BOOL GetDriverOf(HANDLE hPrinter, LPCWSTR environmentName, DWORD level, LPBYTE buffer, DWORD cbBuf,
                 LPDWORD pcbNeeded) {
  PrinterRecord printer;
  if (const DWORD error = LoadPrinterOfHandle(hPrinter, printer); error != ERROR_SUCCESS) {
    return Fail(error);
  }
  if (level != 2) {
    return Fail(ERROR_INVALID_LEVEL);
  }
  const Environment *environment = FindEnvironment(environmentName);
  if (!environment) {
    return Fail(ERROR_INVALID_ENVIRONMENT);
  }
  RegKey key;
  if (printer.driver.empty() ||
      key.Open(HKEY_LOCAL_MACHINE, DriverKeyPath(*environment, printer.driver), KEY_READ) !=
          ERROR_SUCCESS) {
    return Fail(ERROR_UNKNOWN_PRINTER_DRIVER);
  }
  const DWORD version = key.Dword(u"Version").value_or(environment->version);
  const std::u16string driverPath =
      InstalledFile(*environment, key.String(u"Driver").value_or(u""));
  const std::u16string dataFile =
      InstalledFile(*environment, key.String(u"Data File").value_or(u""));
  const std::u16string configFile =
      InstalledFile(*environment, key.String(u"Configuration File").value_or(u""));
  using Info = typename CharTypes<Char>::DriverInfo2;
  return PackIntoBuffer<Char>(sizeof(Info), buffer, cbBuf, pcbNeeded, [&](Packer<Char> &packer) {
    Info info{};
    info.cVersion = version;
    info.pName = packer.String(printer.driver);
    info.pEnvironment = packer.String(environment->name);
    info.pDriverPath = packer.String(driverPath);
    info.pDataFile = packer.String(dataFile);
    info.pConfigFile = packer.String(configFile);
    packer.Place(0, info);
  });
}

}  // namespace

extern "C" BOOL WINAPI GetPrinterDriverW(HANDLE hPrinter, LPWSTR pEnvironment, DWORD Level,
                                         LPBYTE pDriverInfo, DWORD cbBuf, LPDWORD pcbNeeded) {
  return GetDriverOf<WCHAR>(hPrinter, pEnvironment, Level, pDriverInfo, cbBuf, pcbNeeded);
}

extern "C" BOOL WINAPI GetPrinterDriverA(HANDLE hPrinter, LPSTR pEnvironment, DWORD Level,
                                         LPBYTE pDriverInfo, DWORD cbBuf, LPDWORD pcbNeeded) {
  if (!pEnvironment) {
    return GetDriverOf<char>(hPrinter, nullptr, Level, pDriverInfo, cbBuf, pcbNeeded);
  }
  const std::u16string environment = winplat::registry::AnsiToWide(pEnvironment);
  return GetDriverOf<char>(hPrinter, environment.c_str(), Level, pDriverInfo, cbBuf, pcbNeeded);
}

// Records the driver's files by name under its environment; copying the files themselves into
// the driver folder is left to whoever installs them.
extern "C" BOOL WINAPI AddPrinterDriverW(LPWSTR pName, DWORD Level, LPBYTE pDriverInfo) {
  if (pName && *pName) {
    return Fail(ERROR_INVALID_NAME);  // only the local print server exists
  }
  if (Level != 2) {
    return Fail(ERROR_INVALID_LEVEL);
  }
  const auto *info = reinterpret_cast<const DRIVER_INFO_2W *>(pDriverInfo);
  if (!info || !info->pName || !*info->pName) {
    return Fail(ERROR_INVALID_PARAMETER);
  }
  const Environment *environment = FindEnvironment(info->pEnvironment);
  if (!environment) {
    return Fail(ERROR_INVALID_ENVIRONMENT);
  }
  RegKey key;
  if (const LONG status = key.Create(HKEY_LOCAL_MACHINE, DriverKeyPath(*environment, info->pName));
      status != ERROR_SUCCESS) {
    return Fail(static_cast<DWORD>(status));
  }
  for (const LONG status : {key.SetString(u"Driver", FileNameOf(info->pDriverPath)),
                            key.SetString(u"Data File", FileNameOf(info->pDataFile)),
                            key.SetString(u"Configuration File", FileNameOf(info->pConfigFile)),
                            key.SetDword(u"Version", info->cVersion)}) {
    if (status != ERROR_SUCCESS) {
      return Fail(static_cast<DWORD>(status));
    }
  }
  return TRUE;
}
