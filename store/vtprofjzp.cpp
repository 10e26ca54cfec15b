// Construction of the profile store: platform, language, client mode, printer handle, network
// port, driver directory, registry name and the driver's default DEVMODE.
#include "store/vtprofjzp.h"

#include <mbstring.h>
#include <string.h>
#include <winspool.h>

#include "abi/wide.h"
#include "store/win_text.h"

namespace {

template <typename Char>
bool StartsWith(const Char *text, const Char *prefix) {
  if (text == nullptr)
    return false;
  for (; *prefix != 0; ++text, ++prefix)
    if (*text != *prefix)
      return false;
  return true;
}

template <typename Char>
bool IsNetworkPortName(const Char *port, const Char *unc, const Char *http, const Char *ipp) {
  return StartsWith(port, unc) || StartsWith(port, http) || StartsWith(port, ipp);
}

// Language identifiers of the Chinese variants, mapped so that their low byte tells simplified
// (0xC0) from traditional (0xC1) Chinese.
struct ChineseLanguage {
  DWORD language;
  DWORD mapped;
};
constexpr ChineseLanguage kChineseLanguages[] = {
    {0x0404, 0x04C1}, {0x0804, 0x08C0}, {0x0C04, 0x0CC1}, {0x1004, 0x10C0}, {0x1404, 0x14C1}};

// Hexadecimal digits; any other character counts as its distance from '0'.
DWORD ParseLanguageText(const char *text) {
  DWORD value = 0;
  for (const char *p = text; *p != '\0'; ++p) {
    const unsigned char c = static_cast<unsigned char>(*p);
    const DWORD digit = (c >= 'A' && c <= 'F') ? DWORD{c} - 'A' + 10 : DWORD{c} - '0';
    value = value * 16 + digit;
  }
  return value;
}

// The text cut at its last backslash, walking characters so that a trail byte that looks like
// a backslash is not taken for one.
void CutAtLastBackslash(char *path) {
  char *last = nullptr;
  for (char *p = path; *p != '\0'; p = CharNextA(p))
    if (*p == '\\')
      last = p;
  if (last != nullptr)
    *last = '\0';
}

void ReplaceBackslashesWithCommas(char *name) {
  for (char *p = name; *p != '\0'; p = CharNextA(p))
    if (*p == '\\')
      *p = ',';
}

void ReplaceBackslashesWithCommas(WCHAR *name) {
  for (WCHAR *p = name; *p != 0; ++p)
    if (*p == '\\')
      *p = ',';
}

// A name that still starts with two backslashes is cut down to its part behind the last one.
void KeepLastComponent(char *name) {
  if (!StartsWith(name, "\\\\"))
    return;
  char *last = nullptr;
  for (char *p = name; *p != '\0'; p = CharNextA(p))
    if (*p == '\\')
      last = p;
  memmove(name, last + 1, strlen(last + 1) + 1);
}

void KeepLastComponent(WCHAR *name) {
  if (!StartsWith(name, WSTR("\\\\")))
    return;
  WCHAR *last = nullptr;
  for (WCHAR *p = name; *p != 0; ++p)
    if (*p == '\\')
      last = p;
  memmove(name, last + 1, (WideLength(last + 1) + 1) * sizeof(WCHAR));
}

bool IsNoHandle(HANDLE printer) {
  return printer == nullptr || printer == INVALID_HANDLE_VALUE;
}

}  // namespace

VTPROFJZP::VTPROFJZP(HWND owner, HANDLE printer, CControlSet *controlSet,
                     DriverDevModeSizeCache *sizeCache)
    : m_hOwner(owner),
      m_dwOsVersionCode(0),
      m_dwLanguageCode(0),
      m_bAnsi(1),
      m_bClient(0),
      m_dwNetworkPort(0),
      m_hPrinter(IsNoHandle(printer) ? nullptr : printer),
      m_bOwnHandle(0),
      m_wszPrinterName{},
      m_wszRegistryName{},
      m_tszPrinterName{},
      m_tszRegistryName{},
      m_szDriverName{},
      m_szDriverDirectory{},
      m_dwDefaultDevModeSize(0),
      m_bHeadersCached(false),
      m_pControlSet(controlSet),
      m_pDriverSizeCache(sizeCache) {}

VTPROFJZP::VTPROFJZP(HWND owner, LPCSTR printerName, HANDLE printer, CControlSet *controlSet,
                     DriverDevModeSizeCache *sizeCache)
    : VTPROFJZP(owner, printer, controlSet, sizeCache) {
  Initialize(printerName, nullptr);
}

VTPROFJZP::VTPROFJZP(HWND owner, LPCWSTR printerName, HANDLE printer, CControlSet *controlSet,
                     DriverDevModeSizeCache *sizeCache)
    : VTPROFJZP(owner, printer, controlSet, sizeCache) {
  Initialize(nullptr, printerName);
}

VTPROFJZP::~VTPROFJZP() {
  if (m_bOwnHandle)
    ClosePrinter(m_hPrinter);
}

// One of the two names is given. Both forms are kept: the platform's form for the printer and
// registry calls, the other for the calls that exist only in one form (DocumentPropertiesW,
// the ANSI side-file names).
void VTPROFJZP::Initialize(LPCSTR ansiName, LPCWSTR wideName) {
  const HANDLE givenPrinter = m_hPrinter;
  if (!ReadOsVersion()) {
    m_hPrinter = nullptr;
    return;
  }
  ReadLanguage();

  if (ansiName != nullptr) {
    CopyToBuffer(m_tszPrinterName, MAX_PATH, ansiName);
    CopyToBuffer(m_wszPrinterName, MAX_PATH, WideFromAnsi(m_tszPrinterName, CP_ACP).c_str());
  } else if (wideName != nullptr) {
    CopyToBuffer(m_wszPrinterName, MAX_PATH, wideName);
    CopyToBuffer(m_tszPrinterName, MAX_PATH, AnsiFromWide(m_wszPrinterName, CP_ACP).c_str());
  }
  const bool named = m_tszPrinterName[0] != '\0' && m_wszPrinterName[0] != 0;
  CopyToBuffer(m_tszRegistryName, MAX_PATH, m_tszPrinterName);
  CopyToBuffer(m_wszRegistryName, MAX_PATH, m_wszPrinterName);

  ProbeClientMode(givenPrinter);
  if (m_hPrinter == nullptr && named) {
    HANDLE opened = nullptr;
    BOOL ok;
    if (m_bAnsi) {
      PRINTER_DEFAULTSA defaults = {nullptr, nullptr, PRINTER_ALL_ACCESS};
      ok = OpenPrinterA(m_tszPrinterName, &opened, &defaults);
    } else {
      PRINTER_DEFAULTSW defaults = {nullptr, nullptr, PRINTER_ALL_ACCESS};
      ok = OpenPrinterW(m_wszPrinterName, &opened, &defaults);
    }
    if (ok) {
      m_hPrinter = opened;
      m_bOwnHandle = 1;
    }
  }
  ReadPrinterAndDriver();
  FormRegistryName();

  m_szDriverName[0] = '\0';
  if (named)
    ReadDefaultDevMode();
}

bool VTPROFJZP::ReadOsVersion() {
  OSVERSIONINFOA version;
  memset(&version, 0, sizeof version);
  version.dwOSVersionInfoSize = sizeof version;
  if (!GetVersionExA(&version) && !GetVersionExA(&version))
    return false;

  if (version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS) {
    if (version.dwMajorVersion == 4 && version.dwMinorVersion == 0)
      m_dwOsVersionCode = OS_CODE_WIN95;
    if (version.dwMajorVersion == 4 && version.dwMinorVersion == 10)
      m_dwOsVersionCode = OS_CODE_WIN98;
    if (version.dwMajorVersion == 4 && version.dwMinorVersion == 90)
      m_dwOsVersionCode = OS_CODE_WINME;
  } else if (version.dwPlatformId == VER_PLATFORM_WIN32_NT) {
    m_bAnsi = 0;
    // Versions after 5.2 are the NT platform as 5.2 is; they carry its code.
    if (version.dwMajorVersion < 5)
      m_dwOsVersionCode = OS_CODE_NT4;
    else if (version.dwMajorVersion == 5 && version.dwMinorVersion == 0)
      m_dwOsVersionCode = OS_CODE_WIN2000;
    else if (version.dwMajorVersion == 5 && version.dwMinorVersion == 1)
      m_dwOsVersionCode = OS_CODE_WINXP;
    else
      m_dwOsVersionCode = OS_CODE_SERVER2003;
  }
  return true;
}

void VTPROFJZP::ReadLanguage() {
  char text[11] = {};
  GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_IDEFAULTLANGUAGE, text, 10);
  _mbsupr(reinterpret_cast<unsigned char *>(text));
  DWORD language = ParseLanguageText(text);
  for (const ChineseLanguage &chinese : kChineseLanguages)
    if (language == chinese.language)
      language = chinese.mapped;
  m_dwLanguageCode = language & 0xFF;
}

// A control set's UIManager knows; without one, a store that cannot write printer data through
// the handle it was given is a client.
void VTPROFJZP::ProbeClientMode(HANDLE givenPrinter) {
  UIManager *manager = m_pControlSet != nullptr ? m_pControlSet->GetUIManager() : nullptr;
  if (manager != nullptr) {
    m_bClient = manager->IsClientMode() ? 1 : 0;
    return;
  }
  BYTE probe[8];
  memcpy(probe, CLIENT_PROBE_VALUE, sizeof probe);
  DWORD status;
  if (m_bAnsi) {
    char name[] = "JZP_FLAG";
    status = SetPrinterDataA(givenPrinter, name, REG_BINARY, probe, sizeof probe);
  } else {
    WCHAR name[] = WSTR("JZP_FLAG");
    status = SetPrinterDataW(givenPrinter, name, REG_BINARY, probe, sizeof probe);
  }
  m_bClient = status != ERROR_SUCCESS ? 1 : 0;
}

// With the held handle, or the printer opened for this step alone: the network-port flag and
// the driver directory. Without a driver path the system directory serves.
void VTPROFJZP::ReadPrinterAndDriver() {
  m_dwNetworkPort = 0;
  ScopedPrinter printer = UsePrinter(0);
  if (printer) {
    ReadNetworkPort(printer.get());
    ReadDriverDirectory(printer.get());
  }
  if (m_szDriverDirectory[0] != '\0')
    return;
  if (m_bAnsi) {
    GetSystemDirectoryA(m_szDriverDirectory, MAX_PATH);
  } else {
    WCHAR system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    CopyToBuffer(m_szDriverDirectory, MAX_PATH, AnsiFromWide(system, CP_ACP).c_str());
  }
}

void VTPROFJZP::ReadNetworkPort(HANDLE printer) {
  std::vector<BYTE> info = ReadPrinterInfo2(printer);
  if (info.empty())
    return;
  if (m_bAnsi) {
    const auto *printerInfo = reinterpret_cast<const PRINTER_INFO_2A *>(info.data());
    m_dwNetworkPort = IsNetworkPortName<char>(printerInfo->pPortName, "\\\\", "http", "ipp");
  } else {
    const auto *printerInfo = reinterpret_cast<const PRINTER_INFO_2W *>(info.data());
    m_dwNetworkPort =
        IsNetworkPortName<WCHAR>(printerInfo->pPortName, WSTR("\\\\"), WSTR("http"), WSTR("ipp"));
  }
}

// The folder of the driver's file for this platform's environment.
void VTPROFJZP::ReadDriverDirectory(HANDLE printer) {
  DWORD needed = 0;
  std::vector<BYTE> driver;
  if (m_bAnsi) {
    char environment[] = "Windows 4.0";
    GetPrinterDriverA(printer, environment, 2, nullptr, 0, &needed);
    driver.resize(needed);
    if (needed > 0 && GetPrinterDriverA(printer, environment, 2, driver.data(), needed, &needed))
      CopyToBuffer(m_szDriverDirectory, MAX_PATH,
                   reinterpret_cast<const DRIVER_INFO_2A *>(driver.data())->pDriverPath);
  } else {
    WCHAR environment[] = WSTR("Windows NT x86");
    GetPrinterDriverW(printer, environment, 2, nullptr, 0, &needed);
    driver.resize(needed);
    if (needed > 0 && GetPrinterDriverW(printer, environment, 2, driver.data(), needed, &needed)) {
      LPCWSTR path = reinterpret_cast<const DRIVER_INFO_2W *>(driver.data())->pDriverPath;
      CopyToBuffer(m_szDriverDirectory, MAX_PATH, AnsiFromWide(path, CP_ACP).c_str());
    }
  }
  if (strlen(m_szDriverDirectory) > 3)
    CutAtLastBackslash(m_szDriverDirectory);
}

// The printer's key under Printers: a printer on a network port is kept under its name with
// commas for backslashes (\\server\printer under ,,server,printer).
void VTPROFJZP::FormRegistryName() {
  if (m_dwNetworkPort) {
    ReplaceBackslashesWithCommas(m_tszRegistryName);
    ReplaceBackslashesWithCommas(m_wszRegistryName);
  }
  KeepLastComponent(m_tszRegistryName);
  KeepLastComponent(m_wszRegistryName);
}

void VTPROFJZP::ReadDefaultDevMode() {
  m_dwDefaultDevModeSize = RetryDefaultDevModeSize();
  m_DefaultDevMode.assign(m_dwDefaultDevModeSize, 0);
  GetDefaultDevMode(m_DefaultDevMode.data(), m_dwDefaultDevModeSize);
}

ScopedPrinter VTPROFJZP::UsePrinter(ACCESS_MASK access) {
  if (m_hPrinter != nullptr)
    return ScopedPrinter(m_hPrinter, false);
  HANDLE opened = nullptr;
  BOOL ok = FALSE;
  if (m_bAnsi && m_tszPrinterName[0] != '\0') {
    PRINTER_DEFAULTSA defaults = {nullptr, nullptr, access};
    ok = OpenPrinterA(m_tszPrinterName, &opened, access != 0 ? &defaults : nullptr);
  } else if (!m_bAnsi && m_wszPrinterName[0] != 0) {
    PRINTER_DEFAULTSW defaults = {nullptr, nullptr, access};
    ok = OpenPrinterW(m_wszPrinterName, &opened, access != 0 ? &defaults : nullptr);
  }
  return ok ? ScopedPrinter(opened, true) : ScopedPrinter();
}

// PRINTER_INFO_2A or PRINTER_INFO_2W by platform; empty when it cannot be read.
std::vector<BYTE> VTPROFJZP::ReadPrinterInfo2(HANDLE printer) {
  DWORD needed = 0;
  if (m_bAnsi)
    GetPrinterA(printer, 2, nullptr, 0, &needed);
  else
    GetPrinterW(printer, 2, nullptr, 0, &needed);
  std::vector<BYTE> info(needed);
  const BOOL ok = needed > 0 && (m_bAnsi ? GetPrinterA(printer, 2, info.data(), needed, &needed)
                                         : GetPrinterW(printer, 2, info.data(), needed, &needed));
  if (!ok)
    info.clear();
  return info;
}
