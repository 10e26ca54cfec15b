// Reading a printer's identity: platform, language, names, client mode, network port, driver
// directory and registry name.
#include "store/printer_identity.h"

#include <string.h>

#include <utility>

#include "abi/mbcs_text.h"
#include "abi/storage_names.h"
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

// "\\server\share", "http..." and "ipp...", case counting.
bool IsNetworkPortName(const WideString &port) {
  return StartsWith(port.c_str(), WSTR("\\\\")) || StartsWith(port.c_str(), WSTR("http")) ||
         StartsWith(port.c_str(), WSTR("ipp"));
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

PrinterIdentity::PrinterIdentity()
    : m_bRead(false),
      m_dwOsVersionCode(0),
      m_dwLanguageCode(0),
      m_Text(TextPolicy::ForSystemNames(true)),
      m_bClient(0),
      m_dwNetworkPort(0),
      m_wszPrinterName{},
      m_wszRegistryName{},
      m_tszPrinterName{},
      m_tszRegistryName{},
      m_szDriverName{},
      m_szDriverDirectory{} {}

PrinterIdentity::PrinterIdentity(LPCSTR printerName, HANDLE printer, CControlSet *controlSet)
    : PrinterIdentity() {
  if (!ReadOsVersion())
    return;
  CopyToBuffer(m_tszPrinterName, MAX_PATH, printerName);
  CopyToBuffer(m_wszPrinterName, MAX_PATH, m_Text.ToWide(m_tszPrinterName).c_str());
  Read(printer, controlSet);
}

PrinterIdentity::PrinterIdentity(LPCWSTR printerName, HANDLE printer, CControlSet *controlSet)
    : PrinterIdentity() {
  if (!ReadOsVersion())
    return;
  CopyToBuffer(m_wszPrinterName, MAX_PATH, printerName);
  CopyToBuffer(m_tszPrinterName, MAX_PATH, m_Text.ToText(m_wszPrinterName).c_str());
  Read(printer, controlSet);
}

// Both forms of the name are kept: the platform's form for the printer and registry calls, the
// other for the calls that exist only in one form (DocumentPropertiesW, the ANSI side-file
// names).
void PrinterIdentity::Read(HANDLE printer, CControlSet *controlSet) {
  m_bRead = true;
  ReadLanguage();
  CopyToBuffer(m_tszRegistryName, MAX_PATH, m_tszPrinterName);
  CopyToBuffer(m_wszRegistryName, MAX_PATH, m_wszPrinterName);
  const HANDLE given = IsNoHandle(printer) ? nullptr : printer;
  ProbeClientMode(given, controlSet);
  ReadPortAndDriver(given);
  FormRegistryName();
}

bool PrinterIdentity::ReadOsVersion() {
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
    m_Text = TextPolicy::ForSystemNames(false);
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

void PrinterIdentity::ReadLanguage() {
  char text[11] = {};
  GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_IDEFAULTLANGUAGE, text, 10);
  UpperMbcsText(text);
  DWORD language = ParseLanguageText(text);
  for (const ChineseLanguage &chinese : kChineseLanguages)
    if (language == chinese.language)
      language = chinese.mapped;
  m_dwLanguageCode = language & 0xFF;
}

// A control set's UIManager knows; without one, the module is a client when it cannot write
// printer data through the given handle.
void PrinterIdentity::ProbeClientMode(HANDLE printer, CControlSet *controlSet) {
  UIManager *manager = controlSet != nullptr ? controlSet->GetUIManager() : nullptr;
  if (manager != nullptr) {
    m_bClient = manager->IsClientMode() ? 1 : 0;
    return;
  }
  BYTE probe[8];
  memcpy(probe, CLIENT_PROBE_VALUE, sizeof probe);
  const DWORD status =
      m_Text.WritePrinterData(printer, CLIENT_PROBE_VALUE, REG_BINARY, probe, sizeof probe);
  m_bClient = status != ERROR_SUCCESS ? 1 : 0;
}

// The network-port flag and the folder of the driver's file for the platform's environment,
// read through the given handle or the printer opened for this step alone. Without a driver
// path the system directory serves.
void PrinterIdentity::ReadPortAndDriver(HANDLE printer) {
  const ScopedPrinter reading = printer != nullptr ? ScopedPrinter(printer, false)
                                                   : m_Text.OpenPrinterByName(PrinterName(), 0);
  if (reading) {
    const std::optional<PrinterPortAndDriver> info = m_Text.ReadPrinterInfo(reading.get());
    if (info)
      m_dwNetworkPort = IsNetworkPortName(info->port.wide) ? 1 : 0;
    CopyToBuffer(m_szDriverDirectory, MAX_PATH, m_Text.ReadDriverPath(reading.get()).c_str());
    if (strlen(m_szDriverDirectory) > 3)
      CutAtLastBackslash(m_szDriverDirectory);
  }
  if (m_szDriverDirectory[0] == '\0')
    CopyToBuffer(m_szDriverDirectory, MAX_PATH, m_Text.SystemDirectory().c_str());
}

// The printer's key under Printers: a printer on a network port is kept under its name with
// commas for backslashes (\\server\printer under ,,server,printer).
void PrinterIdentity::FormRegistryName() {
  if (m_dwNetworkPort) {
    ReplaceBackslashesWithCommas(m_tszRegistryName);
    ReplaceBackslashesWithCommas(m_wszRegistryName);
  }
  KeepLastComponent(m_tszRegistryName);
  KeepLastComponent(m_wszRegistryName);
}

void PrinterIdentity::KeepDriverName(LPCSTR driverName) {
  CopyToBuffer(m_szDriverName, MAX_PATH, driverName);
}

const std::vector<BYTE> *PrinterIdentity::DefaultDevMode() const {
  return m_DefaultDevMode ? &*m_DefaultDevMode : nullptr;
}

void PrinterIdentity::KeepDefaultDevMode(std::vector<BYTE> devMode) {
  m_DefaultDevMode = std::move(devMode);
}
