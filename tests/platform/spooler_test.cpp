// The spooler over the registry: the key layout, printer data seen from both sides, access
// rights, buffer sizing of GetPrinter, EnumPrinters and GetPrinterDriver, DocumentProperties,
// and the ANSI forms under code page 1252.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include <winbase.h>
#include <winreg.h>
#include <winspool.h>

#include "winplat/config.h"
#include "winplat/registry.h"

namespace {

constexpr char16_t kPrinters[] = u"SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\";
constexpr char16_t kLocal[] = u"JZ Color 5300";
constexpr char16_t kNetwork[] = u"\\\\PRINTSRV\\JZ Mono 2100";
constexpr WORD kExtra = 8;
constexpr BYTE kPrivate[kExtra] = {'D', 'E', 'F', 'A', 'U', 'L', 'T', '!'};

// A DEVMODEW followed by the driver's private bytes, as printers keep it.
std::vector<BYTE> MakeDevMode(std::u16string_view deviceName, const BYTE (&extra)[kExtra]) {
  std::vector<BYTE> bytes(sizeof(DEVMODEW) + kExtra);
  auto *devMode = reinterpret_cast<DEVMODEW *>(bytes.data());
  deviceName.copy(devMode->dmDeviceName, CCHDEVICENAME - 1);
  std::u16string_view(u"A4").copy(devMode->dmFormName, CCHFORMNAME - 1);
  devMode->dmSpecVersion = DM_SPECVERSION;
  devMode->dmDriverVersion = 0x0300;
  devMode->dmSize = sizeof(DEVMODEW);
  devMode->dmDriverExtra = kExtra;
  devMode->dmFields = DM_ORIENTATION | DM_PAPERSIZE | DM_COPIES | DM_FORMNAME;
  devMode->dmOrientation = DMORIENT_PORTRAIT;
  devMode->dmPaperSize = DMPAPER_A4;
  devMode->dmCopies = 1;
  std::memcpy(bytes.data() + sizeof(DEVMODEW), extra, kExtra);
  return bytes;
}

std::u16string Wide(LPCWSTR text) {
  return text ? std::u16string(text) : u"(null)";
}

class SpoolerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    winplat::ResetRegistry();
    winplat::SetWindowsVersion(winplat::WindowsVersion::WinXP);
    winplat::SetAnsiCodePage(1252);
    InstallDriver(u"Windows NT x86", u"JZ Color Driver", u"C:\\disk\\JZCOLOR.DLL", 3);
    InstallDriver(u"Windows 4.0", u"JZ Color Driver", u"A:\\JZCOLOR.DRV", 0);
    InstallDriver(u"Windows NT x86", u"JZ Mono Driver", u"C:\\disk\\JZMONO.DLL", 3);
    defaultDevMode_ = MakeDevMode(kLocal, kPrivate);
    Close(AddPrinter(kLocal, u"LPT1:", u"JZ Color Driver", defaultDevMode_.data()));
    Close(AddPrinter(kNetwork, kNetwork, u"JZ Mono Driver", nullptr));
  }
  void TearDown() override {
    for (HANDLE handle : handles_) {
      ClosePrinter(handle);
    }
    winplat::ResetRegistry();
    winplat::SetWindowsVersion(winplat::WindowsVersion::WinXP);
  }

  static void InstallDriver(const char16_t *environment, const char16_t *name, const char16_t *file,
                            DWORD version) {
    std::u16string env(environment), driver(name), path(file), data(u"JZDATA.PPD"),
        config(u"C:\\disk\\JZUI.DLL");
    DRIVER_INFO_2W info{version,     driver.data(), env.data(),
                        path.data(), data.data(),   config.data()};
    ASSERT_TRUE(AddPrinterDriverW(nullptr, 2, reinterpret_cast<BYTE *>(&info)));
  }
  HANDLE AddPrinter(const char16_t *name, const char16_t *port, const char16_t *driver,
                    const BYTE *devMode, DWORD attributes = 0) {
    std::u16string printerName(name), portName(port), driverName(driver), comment(u"Office");
    PRINTER_INFO_2W info{};
    info.pPrinterName = printerName.data();
    info.pPortName = portName.data();
    info.pDriverName = driverName.data();
    info.pComment = comment.data();
    info.pDevMode = reinterpret_cast<DEVMODEW *>(const_cast<BYTE *>(devMode));
    info.Attributes = attributes;
    info.Priority = 1;
    return AddPrinterW(nullptr, 2, reinterpret_cast<BYTE *>(&info));
  }
  static void Close(HANDLE handle) { ASSERT_TRUE(ClosePrinter(handle)); }
  HANDLE Open(const char16_t *name, ACCESS_MASK access) {
    std::u16string printer(name);
    PRINTER_DEFAULTSW defaults{nullptr, nullptr, access};
    HANDLE handle = nullptr;
    EXPECT_TRUE(OpenPrinterW(printer.data(), &handle, &defaults)) << GetLastError();
    handles_.push_back(handle);
    return handle;
  }
  static HKEY PrinterKey(const char16_t *registryName, const char16_t *below = u"") {
    const std::u16string path = kPrinters + std::u16string(registryName) + below;
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    return key;
  }
  static std::vector<BYTE> RegistryValue(HKEY key, const char16_t *name) {
    std::vector<BYTE> data(512);
    DWORD size = static_cast<DWORD>(data.size());
    EXPECT_EQ(RegQueryValueExW(key, name, nullptr, nullptr, data.data(), &size), ERROR_SUCCESS)
        << Wide(name).size();
    data.resize(size);
    return data;
  }
  static DWORD RegistryDword(HKEY key, const char16_t *name) {
    DWORD value = 0;
    std::memcpy(&value, RegistryValue(key, name).data(), sizeof value);
    return value;
  }
  static void SetRegistryDword(const char16_t *registryName, const char16_t *name, DWORD value) {
    HKEY key = PrinterKey(registryName);
    ASSERT_EQ(RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<BYTE *>(&value), 4),
              ERROR_SUCCESS);
    RegCloseKey(key);
  }

  std::vector<BYTE> defaultDevMode_;
  std::vector<HANDLE> handles_;
};

TEST_F(SpoolerTest, AddPrinterWritesTheRegistryLayout) {
  HKEY local = PrinterKey(kLocal);
  EXPECT_EQ(RegistryValue(local, u"Name").size(), (std::u16string(kLocal).size() + 1) * 2);
  EXPECT_EQ(RegistryValue(local, u"Default DevMode"), defaultDevMode_);
  EXPECT_EQ(RegistryDword(local, u"Priority"), 1u);
  const std::vector<BYTE> winPrint(reinterpret_cast<const BYTE *>(u"WinPrint"),
                                   reinterpret_cast<const BYTE *>(u"WinPrint") + 18);
  EXPECT_EQ(RegistryValue(local, u"Print Processor"), winPrint);
  RegCloseKey(local);

  const struct {
    const char16_t *name, *registryName, *port;
    DWORD expected;
  } cases[] = {
      {kLocal, kLocal, nullptr, PRINTER_ATTRIBUTE_LOCAL},
      {kNetwork, u",,PRINTSRV,JZ Mono 2100", nullptr, PRINTER_ATTRIBUTE_NETWORK},
      {u"Shared Queue", u"Shared Queue", u"\\\\HOST\\queue",
       PRINTER_ATTRIBUTE_LOCAL | PRINTER_ATTRIBUTE_NETWORK},
      {u"Web Queue", u"Web Queue", u"http://host/printers/q",
       PRINTER_ATTRIBUTE_LOCAL | PRINTER_ATTRIBUTE_NETWORK},
      {u"Ipp Queue", u"Ipp Queue", u"IPP://host/q",
       PRINTER_ATTRIBUTE_LOCAL | PRINTER_ATTRIBUTE_NETWORK},
      {u"File Queue", u"File Queue", u"FILE:", PRINTER_ATTRIBUTE_LOCAL},
  };
  for (const auto &c : cases) {
    if (c.port) {
      Close(AddPrinter(c.name, c.port, u"JZ Mono Driver", nullptr, PRINTER_ATTRIBUTE_NETWORK));
    }
    HKEY key = PrinterKey(c.registryName);
    EXPECT_EQ(RegistryDword(key, u"Attributes"), c.expected) << Wide(c.name).size();
    RegCloseKey(key);
  }
}

TEST_F(SpoolerTest, AddPrinterRejectsBadRequests) {
  const struct {
    const char16_t *name, *driver;
    DWORD error;
  } cases[] = {
      {u"jz color 5300", u"JZ Color Driver", ERROR_PRINTER_ALREADY_EXISTS},
      {u"\\\\printsrv\\JZ MONO 2100", u"JZ Color Driver", ERROR_PRINTER_ALREADY_EXISTS},
      {u"New Printer", u"No Such Driver", ERROR_UNKNOWN_PRINTER_DRIVER},
      {u"", u"JZ Color Driver", ERROR_INVALID_PRINTER_NAME},
      {u"Comma, Inc", u"JZ Color Driver", ERROR_INVALID_PRINTER_NAME},
      {u"Back\\slash", u"JZ Color Driver", ERROR_INVALID_PRINTER_NAME},
      {u"\\\\SERVER", u"JZ Color Driver", ERROR_INVALID_PRINTER_NAME},
      {u"\\\\SERVER\\", u"JZ Color Driver", ERROR_INVALID_PRINTER_NAME},
      {u"\\\\\\Printer", u"JZ Color Driver", ERROR_INVALID_PRINTER_NAME},
      {u"\\\\SERVER\\a\\b", u"JZ Color Driver", ERROR_INVALID_PRINTER_NAME},
  };
  for (const auto &c : cases) {
    SetLastError(0);
    EXPECT_EQ(AddPrinter(c.name, u"LPT1:", c.driver, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), c.error) << Wide(c.name).size();
  }
  std::u16string server(u"\\\\ELSEWHERE");
  PRINTER_INFO_2W info{};
  EXPECT_EQ(AddPrinterW(server.data(), 2, reinterpret_cast<BYTE *>(&info)), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_NAME));
  EXPECT_EQ(AddPrinterW(nullptr, 1, reinterpret_cast<BYTE *>(&info)), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_LEVEL));
}

TEST_F(SpoolerTest, PrinterDataIsThePrinterDriverDataKey) {
  const struct {
    const char16_t *name, *registryName;
  } printers[] = {{kLocal, kLocal}, {kNetwork, u",,PRINTSRV,JZ Mono 2100"}};
  for (const auto &printer : printers) {
    HANDLE handle = Open(printer.name, PRINTER_ALL_ACCESS);
    BYTE profile[] = {1, 2, 3, 4, 5};
    std::u16string valueName(u"Profile");
    ASSERT_EQ(SetPrinterDataW(handle, valueName.data(), REG_BINARY, profile, sizeof profile),
              static_cast<DWORD>(ERROR_SUCCESS));
    HKEY data = PrinterKey(printer.registryName, u"\\PrinterDriverData");
    EXPECT_EQ(RegistryValue(data, u"PROFILE"), std::vector<BYTE>(profile, profile + 5));

    const DWORD written = 0xC0FFEE;
    ASSERT_EQ(RegSetValueExW(data, u"FromRegistry", 0, REG_DWORD,
                             reinterpret_cast<const BYTE *>(&written), 4),
              ERROR_SUCCESS);
    RegCloseKey(data);
    DWORD value = 0;
    DWORD type = 0;
    DWORD needed = 0;
    std::u16string fromRegistry(u"fromregistry");
    ASSERT_EQ(GetPrinterDataW(handle, fromRegistry.data(), &type, reinterpret_cast<BYTE *>(&value),
                              sizeof value, &needed),
              static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(value, written);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(needed, 4u);
  }
}

TEST_F(SpoolerTest, GetPrinterDataBufferSizes) {
  HANDLE handle = Open(kLocal, PRINTER_ALL_ACCESS);
  std::u16string name(u"Blob");
  std::vector<BYTE> blob(40, 0x5A);
  ASSERT_EQ(SetPrinterDataW(handle, name.data(), REG_BINARY, blob.data(), 40),
            static_cast<DWORD>(ERROR_SUCCESS));
  const struct {
    DWORD size;
    DWORD expected;
  } cases[] = {
      {0, ERROR_MORE_DATA}, {39, ERROR_MORE_DATA}, {40, ERROR_SUCCESS}, {41, ERROR_SUCCESS}};
  for (const auto &c : cases) {
    std::vector<BYTE> buffer(c.size + 1, 0);
    DWORD needed = 0;
    EXPECT_EQ(GetPrinterDataW(handle, name.data(), nullptr, c.size ? buffer.data() : nullptr,
                              c.size, &needed),
              c.expected);
    EXPECT_EQ(needed, 40u);
    EXPECT_EQ(buffer[c.size], 0) << "wrote past " << c.size;
  }
  std::u16string missing(u"Missing");
  DWORD needed = 0;
  EXPECT_EQ(GetPrinterDataW(handle, missing.data(), nullptr, nullptr, 0, &needed),
            static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST_F(SpoolerTest, InvalidHandlesAreRejected) {
  HANDLE closed = Open(kLocal, PRINTER_ACCESS_USE);
  handles_.pop_back();
  ASSERT_TRUE(ClosePrinter(closed));
  std::u16string name(u"x");
  for (HANDLE bad : {static_cast<HANDLE>(nullptr), INVALID_HANDLE_VALUE, closed,
                     reinterpret_cast<HANDLE>(0x1234)}) {
    BYTE buffer[512];
    DWORD needed = 0;
    EXPECT_EQ(GetPrinterDataW(bad, name.data(), nullptr, buffer, 4, &needed),
              static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(SetPrinterDataW(bad, name.data(), REG_BINARY, buffer, 4),
              static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(GetPrinterDataA(bad, const_cast<char *>("x"), nullptr, buffer, 4, &needed),
              static_cast<DWORD>(ERROR_INVALID_HANDLE));
    SetLastError(0);
    EXPECT_FALSE(GetPrinterW(bad, 2, buffer, sizeof buffer, &needed));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    SetLastError(0);
    EXPECT_FALSE(GetPrinterDriverW(bad, nullptr, 2, buffer, sizeof buffer, &needed));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_LT(DocumentPropertiesW(nullptr, bad, nullptr, nullptr, nullptr, 0), 0);
    EXPECT_FALSE(ClosePrinter(bad));
  }
}

TEST_F(SpoolerTest, OpenPrinterFindsNamesInAnyCase) {
  const struct {
    const char16_t *name;
    DWORD error;
  } cases[] = {
      {u"jz color 5300", ERROR_SUCCESS},
      {u"\\\\printsrv\\jz MONO 2100", ERROR_SUCCESS},
      {u"JZ Color", ERROR_INVALID_PRINTER_NAME},
      {u",,PRINTSRV,JZ Mono 2100", ERROR_INVALID_PRINTER_NAME},  // a registry name is no name
      {u"", ERROR_INVALID_PRINTER_NAME},
  };
  for (const auto &c : cases) {
    std::u16string name(c.name);
    HANDLE handle = nullptr;
    SetLastError(0);
    EXPECT_EQ(OpenPrinterW(name.data(), &handle, nullptr) != FALSE, c.error == ERROR_SUCCESS);
    if (c.error == ERROR_SUCCESS) {
      handles_.push_back(handle);
    } else {
      EXPECT_EQ(GetLastError(), c.error);
    }
  }
  std::u16string name(kLocal);
  EXPECT_FALSE(OpenPrinterW(name.data(), nullptr, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST_F(SpoolerTest, AccessRightsLimitOpeningAndWriting) {
  const struct {
    const char *what;
    DWORD userAccess;  // 0: no "UserAccess" value
    DWORD clientSide;
    bool noDefaults;
    ACCESS_MASK desired;
    DWORD openError;
    DWORD setResult;
  } cases[] = {
      {"no defaults mean use only", 0, 0, true, 0, 0, ERROR_ACCESS_DENIED},
      {"zero means use", 0, 0, false, 0, 0, ERROR_ACCESS_DENIED},
      {"use", 0, 0, false, PRINTER_ACCESS_USE, 0, ERROR_ACCESS_DENIED},
      {"administer", 0, 0, false, PRINTER_ACCESS_ADMINISTER, 0, ERROR_SUCCESS},
      {"all", 0, 0, false, PRINTER_ALL_ACCESS, 0, ERROR_SUCCESS},
      {"read-only user asks all", PRINTER_READ, 0, false, PRINTER_ALL_ACCESS, ERROR_ACCESS_DENIED,
       0},
      {"read-only user asks administer", PRINTER_READ, 0, false, PRINTER_ACCESS_ADMINISTER,
       ERROR_ACCESS_DENIED, 0},
      {"read-only user asks use", PRINTER_READ, 0, false, PRINTER_ACCESS_USE, 0,
       ERROR_ACCESS_DENIED},
      {"read-only user asks generic read", PRINTER_READ, 0, false, GENERIC_READ, 0,
       ERROR_ACCESS_DENIED},
      {"administering user", PRINTER_ACCESS_ADMINISTER | PRINTER_ACCESS_USE, 0, false,
       PRINTER_ACCESS_ADMINISTER, 0, ERROR_SUCCESS},
      {"client side", 0, 1, false, PRINTER_ALL_ACCESS, 0, ERROR_ACCESS_DENIED},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.what);
    HKEY printerData = PrinterKey(kLocal, u"\\PrinterDriverData");
    RegDeleteValueW(printerData, u"v");
    RegCloseKey(printerData);
    HKEY printer = PrinterKey(kLocal);
    RegDeleteValueW(printer, u"UserAccess");
    RegCloseKey(printer);
    if (c.userAccess) {
      SetRegistryDword(kLocal, u"UserAccess", c.userAccess);
    }
    SetRegistryDword(kLocal, u"ClientSide", c.clientSide);
    std::u16string name(kLocal);
    PRINTER_DEFAULTSW defaults{nullptr, nullptr, c.desired};
    HANDLE handle = nullptr;
    SetLastError(0);
    const BOOL opened = OpenPrinterW(name.data(), &handle, c.noDefaults ? nullptr : &defaults);
    ASSERT_EQ(opened != FALSE, c.openError == 0);
    if (!opened) {
      EXPECT_EQ(GetLastError(), c.openError);
      continue;
    }
    handles_.push_back(handle);
    std::u16string value(u"v");
    BYTE data[4] = {};
    EXPECT_EQ(SetPrinterDataW(handle, value.data(), REG_BINARY, data, 4), c.setResult);
    DWORD needed = 0;
    EXPECT_EQ(GetPrinterDataW(handle, value.data(), nullptr, data, 4, &needed),
              c.setResult == ERROR_SUCCESS ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND);
  }
}

// Every pointer of a packed structure must land inside the bytes GetPrinter said it needs.
template <typename Pointer>
bool Inside(Pointer pointer, const std::vector<BYTE> &buffer, size_t needed) {
  const auto *byte = reinterpret_cast<const BYTE *>(pointer);
  return byte >= buffer.data() && byte < buffer.data() + needed;
}

TEST_F(SpoolerTest, GetPrinterLevel2SizesAndPacksTheBuffer) {
  for (const char16_t *printerName : {kLocal, kNetwork}) {
    HANDLE handle = Open(printerName, PRINTER_ACCESS_USE);
    DWORD needed = 0;
    SetLastError(0);
    EXPECT_FALSE(GetPrinterW(handle, 2, nullptr, 0, &needed));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    ASSERT_GT(needed, sizeof(PRINTER_INFO_2W));
    const DWORD exact = needed;
    std::vector<BYTE> buffer(exact + 16, 0xEE);
    EXPECT_FALSE(GetPrinterW(handle, 2, buffer.data(), exact - 1, &needed));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(needed, exact);
    ASSERT_TRUE(GetPrinterW(handle, 2, buffer.data(), exact, &needed));
    EXPECT_EQ(buffer[exact], 0xEE);

    const auto &info = *reinterpret_cast<const PRINTER_INFO_2W *>(buffer.data());
    EXPECT_EQ(Wide(info.pPrinterName), printerName);
    EXPECT_EQ(Wide(info.pComment), u"Office");
    EXPECT_EQ(Wide(info.pPrintProcessor), u"WinPrint");
    EXPECT_EQ(Wide(info.pDatatype), u"RAW");
    EXPECT_EQ(Wide(info.pShareName), u"");
    EXPECT_EQ(info.Priority, 1u);
    for (LPWSTR text :
         {info.pPrinterName, info.pShareName, info.pPortName, info.pDriverName, info.pComment,
          info.pLocation, info.pSepFile, info.pPrintProcessor, info.pDatatype, info.pParameters}) {
      EXPECT_TRUE(Inside(text, buffer, exact));
    }
    if (printerName == kLocal) {
      EXPECT_EQ(info.pServerName, nullptr);
      EXPECT_EQ(Wide(info.pDriverName), u"JZ Color Driver");
      ASSERT_TRUE(Inside(info.pDevMode, buffer, exact));
      const auto *devMode = reinterpret_cast<const BYTE *>(info.pDevMode);
      EXPECT_EQ(std::vector<BYTE>(devMode, devMode + defaultDevMode_.size()), defaultDevMode_);
    } else {
      EXPECT_EQ(Wide(info.pServerName), u"\\\\PRINTSRV");
      EXPECT_EQ(info.pDevMode, nullptr);
      EXPECT_EQ(info.Attributes, static_cast<DWORD>(PRINTER_ATTRIBUTE_NETWORK));
    }
  }
}

TEST_F(SpoolerTest, GetPrinterLevel4AndUnknownLevels) {
  HANDLE handle = Open(kNetwork, PRINTER_ACCESS_USE);
  std::vector<BYTE> buffer(256);
  DWORD needed = 0;
  ASSERT_TRUE(GetPrinterW(handle, 4, buffer.data(), 256, &needed));
  const auto &info = *reinterpret_cast<const PRINTER_INFO_4W *>(buffer.data());
  EXPECT_EQ(Wide(info.pPrinterName), kNetwork);
  EXPECT_EQ(Wide(info.pServerName), u"\\\\PRINTSRV");
  EXPECT_EQ(needed, sizeof(PRINTER_INFO_4W) + 2 * (std::u16string(kNetwork).size() + 1) +
                        2 * (std::u16string(u"\\\\PRINTSRV").size() + 1));
  for (DWORD level : {0u, 1u, 3u, 5u, 9u}) {
    SetLastError(0);
    EXPECT_FALSE(GetPrinterW(handle, level, buffer.data(), 256, &needed));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_LEVEL)) << level;
  }
}

TEST_F(SpoolerTest, EnumPrintersByFlagsAndBufferSize) {
  const struct {
    DWORD flags, level;
    std::vector<std::u16string> names;
  } cases[] = {
      {PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, 4, {kLocal, kNetwork}},
      {PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, 2, {kLocal, kNetwork}},
      {PRINTER_ENUM_LOCAL, 2, {kLocal}},
      {PRINTER_ENUM_CONNECTIONS, 4, {kNetwork}},
      {PRINTER_ENUM_SHARED, 2, {}},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(testing::Message() << c.flags << " level " << c.level);
    DWORD needed = 0;
    DWORD returned = 99;
    const BOOL empty = EnumPrintersW(c.flags, nullptr, c.level, nullptr, 0, &needed, &returned);
    EXPECT_EQ(empty != FALSE, c.names.empty());
    EXPECT_EQ(returned, 0u);
    if (c.names.empty()) {
      EXPECT_EQ(needed, 0u);
      continue;
    }
    const DWORD exact = needed;
    std::vector<BYTE> buffer(exact);
    EXPECT_FALSE(
        EnumPrintersW(c.flags, nullptr, c.level, buffer.data(), exact - 1, &needed, &returned));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    ASSERT_TRUE(EnumPrintersW(c.flags, nullptr, c.level, buffer.data(), exact, &needed, &returned));
    ASSERT_EQ(returned, c.names.size());
    for (size_t i = 0; i < returned; ++i) {
      LPWSTR name = c.level == 4
                        ? reinterpret_cast<PRINTER_INFO_4W *>(buffer.data())[i].pPrinterName
                        : reinterpret_cast<PRINTER_INFO_2W *>(buffer.data())[i].pPrinterName;
      EXPECT_EQ(Wide(name), c.names[i]);
      EXPECT_TRUE(Inside(name, buffer, exact));
    }
  }
  DWORD needed = 0;
  DWORD returned = 0;
  EXPECT_FALSE(EnumPrintersW(PRINTER_ENUM_LOCAL, nullptr, 1, nullptr, 0, &needed, &returned));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_LEVEL));
}

TEST_F(SpoolerTest, GetPrinterDriverPerEnvironment) {
  const struct {
    winplat::WindowsVersion version;
    const char16_t *printer, *environment;
    DWORD error;
    const char16_t *expectedEnvironment, *driverPath;
    DWORD cVersion;
  } cases[] = {
      {winplat::WindowsVersion::WinXP, kLocal, nullptr, 0, u"Windows NT x86",
       u"C:\\WINDOWS\\system32\\spool\\DRIVERS\\W32X86\\3\\JZCOLOR.DLL", 3},
      {winplat::WindowsVersion::Win98, kLocal, nullptr, 0, u"Windows 4.0",
       u"C:\\WINDOWS\\SYSTEM\\JZCOLOR.DRV", 0},
      {winplat::WindowsVersion::WinXP, kLocal, u"windows 4.0", 0, u"Windows 4.0",
       u"C:\\WINDOWS\\SYSTEM\\JZCOLOR.DRV", 0},
      {winplat::WindowsVersion::Win98, kNetwork, u"Windows NT x86", 0, u"Windows NT x86",
       u"C:\\WINDOWS\\system32\\spool\\DRIVERS\\W32X86\\3\\JZMONO.DLL", 3},
      {winplat::WindowsVersion::WinXP,
       kLocal,
       u"Windows IA64",
       ERROR_INVALID_ENVIRONMENT,
       {},
       {},
       0},
      {winplat::WindowsVersion::WinXP,
       kNetwork,
       u"Windows 4.0",
       ERROR_UNKNOWN_PRINTER_DRIVER,
       {},
       {},
       0},
      {winplat::WindowsVersion::WinMe, kNetwork, nullptr, ERROR_UNKNOWN_PRINTER_DRIVER, {}, {}, 0},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(testing::Message()
                 << static_cast<int>(c.version) << " " << Wide(c.environment).size());
    winplat::SetWindowsVersion(c.version);
    HANDLE handle = Open(c.printer, PRINTER_ACCESS_USE);
    std::u16string environment = c.environment ? c.environment : u"";
    LPWSTR environmentArgument = c.environment ? environment.data() : nullptr;
    DWORD needed = 0;
    SetLastError(0);
    const BOOL sized = GetPrinterDriverW(handle, environmentArgument, 2, nullptr, 0, &needed);
    EXPECT_FALSE(sized);
    if (c.error) {
      EXPECT_EQ(GetLastError(), c.error);
      continue;
    }
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    const DWORD exact = needed;
    std::vector<BYTE> buffer(exact);
    EXPECT_FALSE(
        GetPrinterDriverW(handle, environmentArgument, 2, buffer.data(), exact - 1, &needed));
    EXPECT_EQ(needed, exact);
    ASSERT_TRUE(GetPrinterDriverW(handle, environmentArgument, 2, buffer.data(), exact, &needed));
    const auto &info = *reinterpret_cast<const DRIVER_INFO_2W *>(buffer.data());
    EXPECT_EQ(info.cVersion, c.cVersion);
    EXPECT_EQ(Wide(info.pEnvironment), c.expectedEnvironment);
    EXPECT_EQ(Wide(info.pDriverPath), c.driverPath);
    EXPECT_TRUE(Wide(info.pConfigFile).ends_with(u"\\JZUI.DLL"));
    EXPECT_TRUE(Inside(info.pConfigFile, buffer, exact));
  }
  HANDLE handle = Open(kLocal, PRINTER_ACCESS_USE);
  DWORD needed = 0;
  EXPECT_FALSE(GetPrinterDriverW(handle, nullptr, 3, nullptr, 0, &needed));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_LEVEL));
}

TEST_F(SpoolerTest, DocumentPropertiesSizesCopiesAndMerges) {
  HANDLE handle = Open(kLocal, PRINTER_ACCESS_USE);
  const LONG size = DocumentPropertiesW(nullptr, handle, nullptr, nullptr, nullptr, 0);
  EXPECT_EQ(size, static_cast<LONG>(sizeof(DEVMODEW) + kExtra));

  std::vector<BYTE> output(size);
  auto *out = reinterpret_cast<DEVMODEW *>(output.data());
  EXPECT_EQ(DocumentPropertiesW(nullptr, handle, nullptr, out, nullptr, DM_OUT_BUFFER), 1);
  EXPECT_EQ(output, defaultDevMode_);

  const BYTE otherPrivate[kExtra] = {'C', 'H', 'A', 'N', 'G', 'E', 'D', '.'};
  for (const WORD inputDriverVersion : {WORD{0x0300}, WORD{0x0200}}) {
    std::vector<BYTE> input = MakeDevMode(u"ignored", otherPrivate);
    auto *in = reinterpret_cast<DEVMODEW *>(input.data());
    in->dmDriverVersion = inputDriverVersion;
    in->dmFields = DM_ORIENTATION | DM_PAPERSIZE | DM_DUPLEX;
    in->dmOrientation = DMORIENT_LANDSCAPE;
    in->dmPaperSize = DMPAPER_A3;
    in->dmDuplex = DMDUP_VERTICAL;
    in->dmCopies = 5;  // not named in dmFields: stays as the default
    std::u16string name(kLocal);
    EXPECT_EQ(
        DocumentPropertiesW(nullptr, nullptr, name.data(), out, in, DM_IN_BUFFER | DM_OUT_BUFFER),
        1);
    EXPECT_EQ(out->dmOrientation, DMORIENT_LANDSCAPE);
    EXPECT_EQ(out->dmPaperSize, DMPAPER_A3);
    EXPECT_EQ(out->dmDuplex, DMDUP_VERTICAL);
    EXPECT_EQ(out->dmCopies, 1);
    EXPECT_EQ(out->dmFields, static_cast<DWORD>(DM_ORIENTATION | DM_PAPERSIZE | DM_COPIES |
                                                DM_FORMNAME | DM_DUPLEX));
    EXPECT_EQ(std::u16string(out->dmDeviceName), kLocal);
    const bool sameDriver = inputDriverVersion == 0x0300;
    EXPECT_EQ(
        std::memcmp(output.data() + sizeof(DEVMODEW), sameDriver ? otherPrivate : kPrivate, kExtra),
        0);
  }

  std::u16string unknown(u"Unknown Printer");
  SetLastError(0);
  EXPECT_LT(DocumentPropertiesW(nullptr, nullptr, unknown.data(), nullptr, nullptr, 0), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PRINTER_NAME));
  // The connection has no default DEVMODE.
  EXPECT_LT(DocumentPropertiesW(nullptr, Open(kNetwork, PRINTER_ACCESS_USE), nullptr, nullptr,
                                nullptr, 0),
            0);
}

TEST_F(SpoolerTest, DeletePrinterNeedsDeleteAccessAndRemovesTheKey) {
  HANDLE user = Open(kLocal, PRINTER_ACCESS_USE);
  SetLastError(0);
  EXPECT_FALSE(DeletePrinter(user));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  HANDLE owner = Open(kLocal, PRINTER_ALL_ACCESS);
  std::u16string value(u"v");
  BYTE data[1] = {1};
  ASSERT_EQ(SetPrinterDataW(owner, value.data(), REG_BINARY, data, 1),
            static_cast<DWORD>(ERROR_SUCCESS));
  ASSERT_TRUE(DeletePrinter(owner));

  HKEY key = nullptr;
  const std::u16string path = kPrinters + std::u16string(kLocal);
  EXPECT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key),
            ERROR_FILE_NOT_FOUND);
  DWORD needed = 0;
  EXPECT_FALSE(GetPrinterW(owner, 2, nullptr, 0, &needed));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PRINTER_DELETED));
  std::u16string name(kLocal);
  HANDLE again = nullptr;
  EXPECT_FALSE(OpenPrinterW(name.data(), &again, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PRINTER_NAME));
}

TEST_F(SpoolerTest, PrinterWrittenStraightIntoTheRegistryIsSeen) {
  ASSERT_TRUE(winplat::ImportRegistryText(
      "Windows Registry Editor Version 5.00\n\n"
      "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\,,HOST,Plotter]\n"
      "\"Name\"=\"\\\\\\\\HOST\\\\Plotter\"\n"
      "\"Port\"=\"\\\\\\\\HOST\\\\Plotter\"\n"
      "\"Printer Driver\"=\"JZ Mono Driver\"\n"
      "\"Attributes\"=dword:00000010\n"
      "\"ClientSide\"=dword:00000001\n"))
      << winplat::LastRegistryFileError();
  HANDLE handle = Open(u"\\\\HOST\\Plotter", PRINTER_ALL_ACCESS);
  std::vector<BYTE> buffer(1024);
  DWORD needed = 0;
  ASSERT_TRUE(GetPrinterW(handle, 2, buffer.data(), 1024, &needed));
  const auto &info = *reinterpret_cast<const PRINTER_INFO_2W *>(buffer.data());
  EXPECT_EQ(Wide(info.pServerName), u"\\\\HOST");
  EXPECT_EQ(Wide(info.pPortName), u"\\\\HOST\\Plotter");
  EXPECT_EQ(Wide(info.pPrintProcessor), u"WinPrint");
  DWORD returned = 0;
  ASSERT_TRUE(
      EnumPrintersW(PRINTER_ENUM_CONNECTIONS, nullptr, 4, buffer.data(), 1024, &needed, &returned));
  EXPECT_EQ(returned, 2u);
  std::u16string value(u"v");
  EXPECT_EQ(SetPrinterDataW(handle, value.data(), REG_BINARY, buffer.data(), 1),
            static_cast<DWORD>(ERROR_ACCESS_DENIED));
}

TEST_F(SpoolerTest, AnsiFormsConvertThroughCodePage1252) {
  const std::u16string wideName = u"Drucker B\u00FCro";
  const std::vector<BYTE> devMode = MakeDevMode(wideName, kPrivate);
  Close(AddPrinter(wideName.c_str(), u"LPT2:", u"JZ Color Driver", devMode.data()));
  char ansiName[] = "Drucker B\xFCro";
  PRINTER_DEFAULTSA defaults{nullptr, nullptr, PRINTER_ALL_ACCESS};
  HANDLE handle = nullptr;
  ASSERT_TRUE(OpenPrinterA(ansiName, &handle, &defaults));
  handles_.push_back(handle);

  DWORD needed = 0;
  EXPECT_FALSE(GetPrinterA(handle, 2, nullptr, 0, &needed));
  std::vector<BYTE> buffer(needed);
  ASSERT_TRUE(GetPrinterA(handle, 2, buffer.data(), needed, &needed));
  const auto &info = *reinterpret_cast<const PRINTER_INFO_2A *>(buffer.data());
  EXPECT_STREQ(info.pPrinterName, ansiName);
  EXPECT_STREQ(info.pDriverName, "JZ Color Driver");
  ASSERT_NE(info.pDevMode, nullptr);
  EXPECT_EQ(info.pDevMode->dmSize, sizeof(DEVMODEA));
  EXPECT_EQ(info.pDevMode->dmDriverExtra, kExtra);
  EXPECT_STREQ(reinterpret_cast<const char *>(info.pDevMode->dmDeviceName), ansiName);
  EXPECT_STREQ(reinterpret_cast<const char *>(info.pDevMode->dmFormName), "A4");
  EXPECT_EQ(info.pDevMode->dmPaperSize, DMPAPER_A4);
  EXPECT_EQ(std::memcmp(reinterpret_cast<const BYTE *>(info.pDevMode) + sizeof(DEVMODEA), kPrivate,
                        kExtra),
            0);
  EXPECT_EQ(DocumentPropertiesA(nullptr, handle, nullptr, nullptr, nullptr, 0),
            static_cast<LONG>(sizeof(DEVMODEA) + kExtra));

  char valueName[] =
      "Gr\xF6\xDF"
      "e";
  char text[] = "Wei\xDF";  // 5 bytes with the terminator
  ASSERT_EQ(SetPrinterDataA(handle, valueName, REG_SZ, reinterpret_cast<BYTE *>(text), 5),
            static_cast<DWORD>(ERROR_SUCCESS));
  HKEY data = PrinterKey(wideName.c_str(), u"\\PrinterDriverData");
  const std::vector<BYTE> stored = RegistryValue(data, u"Gr\u00F6\u00DFe");
  RegCloseKey(data);
  EXPECT_EQ(stored.size(), 10u);
  EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t *>(stored.data())), u"Wei\u00DF");
  char back[8] = {};
  DWORD type = 0;
  EXPECT_EQ(GetPrinterDataA(handle, valueName, &type, reinterpret_cast<BYTE *>(back), 4, &needed),
            static_cast<DWORD>(ERROR_MORE_DATA));
  EXPECT_EQ(needed, 5u);
  ASSERT_EQ(GetPrinterDataA(handle, valueName, &type, reinterpret_cast<BYTE *>(back), 5, &needed),
            static_cast<DWORD>(ERROR_SUCCESS));
  EXPECT_STREQ(back, text);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));

  char environment[] = "Windows 4.0";
  EXPECT_FALSE(GetPrinterDriverA(handle, environment, 2, nullptr, 0, &needed));
  buffer.assign(needed, 0);
  ASSERT_TRUE(GetPrinterDriverA(handle, environment, 2, buffer.data(), needed, &needed));
  EXPECT_STREQ(reinterpret_cast<const DRIVER_INFO_2A *>(buffer.data())->pDriverPath,
               "C:\\WINDOWS\\SYSTEM\\JZCOLOR.DRV");

  DWORD returned = 0;
  EXPECT_FALSE(EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 4, nullptr, 0, &needed, &returned));
  buffer.assign(needed, 0);
  ASSERT_TRUE(
      EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 4, buffer.data(), needed, &needed, &returned));
  ASSERT_EQ(returned, 2u);
  EXPECT_STREQ(reinterpret_cast<const PRINTER_INFO_4A *>(buffer.data())[0].pPrinterName, ansiName);
}

}  // namespace
