// Installing the demo machine through the spooler, as a setup program would.
#include "host/demo_state.h"

#include <cstring>
#include <memory>
#include <vector>

#include "abi/wide.h"
#include "abi/driver_data.h"
#include "abi/private_blocks.h"

#include "host/printer_model.h"
#include "host/printer_session.h"
#include "host/profile_values_writer.h"
#include "host/registration_store.h"
#include "host/text_convert.h"
#include "host/win32_handles.h"

namespace host {
namespace {

struct Environment {
  const WCHAR *name;
  const WCHAR *driverDirectory;
  DWORD version;
};

// The drivers are installed for the host's own environment first (a printer's driver must be
// installed there), then for the other clients of the printers.
constexpr Environment kEnvironments[] = {
#if defined(_WIN64)
    {WSTR("Windows x64"), WSTR("C:\\WINDOWS\\system32\\spool\\DRIVERS\\x64\\3"), 3},
#endif
    {WSTR("Windows NT x86"), WSTR("C:\\WINDOWS\\system32\\spool\\DRIVERS\\W32X86\\3"), 3},
    {WSTR("Windows 4.0"), WSTR("C:\\WINDOWS\\SYSTEM"), 0},
};

bool CreateFolderPath(const WideString &path) {
  for (size_t pos = path.find(u'\\', 3);; pos = path.find(u'\\', pos + 1)) {
    WideString part = path.substr(0, pos);
    if (!CreateDirectoryW(part.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
      return false;
    if (pos == WideString::npos)
      return true;
  }
}

#if defined(_WIN64)
// Windows loads a driver's configuration DLL to answer DocumentProperties: the host's own
// environment gets the demo driver's, which is built beside the host.
bool InstallConfigurationDll(const Environment &env, const WideString &file,
                             const WideString &target, std::string *error) {
  if (WideStringView(env.name) != WSTR("Windows x64"))
    return true;
  WCHAR program[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, program, MAX_PATH);
  WideString source(program, length);
  source = source.substr(0, source.find_last_of(WSTR('\\')) + 1) + file;
  // A configuration DLL already installed stays: a process that asked the driver once keeps it
  // loaded, so it cannot be replaced while the process runs.
  if (CopyFileW(source.c_str(), target.c_str(), TRUE) || GetLastError() == ERROR_FILE_EXISTS)
    return true;
  *error = "cannot install the driver's configuration DLL " + Utf8FromUtf16(source) + " (error " +
           std::to_string(GetLastError()) + ")";
  return false;
}
#endif

bool InstallDriver(const PrinterModel &model, const Environment &env, std::string *error) {
  if (!CreateFolderPath(env.driverDirectory) ||
      !CreateFolderPath(WideString(env.driverDirectory) + WSTR("\\HELP"))) {
    *error = "cannot create the driver folder " + Utf8FromUtf16(env.driverDirectory);
    return false;
  }
  auto path = [&](const WideString &file) {
    return WideString(env.driverDirectory) + WSTR("\\") + file;
  };
  WideString driverPath = path(model.driverFile), dataPath = path(model.dataFile),
             configPath = path(model.configFile);
#if defined(_WIN64)
  if (!InstallConfigurationDll(env, model.configFile, configPath, error))
    return false;
#endif
  DRIVER_INFO_2W info{};
  info.cVersion = env.version;
  info.pName = const_cast<LPWSTR>(model.driverName.c_str());
  info.pEnvironment = const_cast<LPWSTR>(env.name);
  info.pDriverPath = driverPath.data();
  info.pDataFile = dataPath.data();
  info.pConfigFile = configPath.data();
  if (!AddPrinterDriverW(nullptr, 2, reinterpret_cast<BYTE *>(&info))) {
    *error = "cannot install the driver " + Utf8FromUtf16(model.driverName) + " (error " +
             std::to_string(GetLastError()) + ")";
    return false;
  }
  return true;
}

bool InstallPrinter(const WideString &name, const WideString &port, const PrinterModel &model,
                    std::string *error) {
  std::vector<BYTE> devMode = model.DefaultDevMode();
  PRINTER_INFO_2W info{};
  info.pPrinterName = const_cast<LPWSTR>(name.c_str());
  info.pPortName = const_cast<LPWSTR>(port.c_str());
  info.pDriverName = const_cast<LPWSTR>(model.driverName.c_str());
  info.pPrintProcessor = const_cast<LPWSTR>(WSTR("WinPrint"));
  info.pDatatype = const_cast<LPWSTR>(WSTR("RAW"));
  info.pDevMode = reinterpret_cast<DEVMODEW *>(devMode.data());
  info.Attributes =
      name.starts_with(WSTR("\\\\")) ? PRINTER_ATTRIBUTE_NETWORK : PRINTER_ATTRIBUTE_LOCAL;
  info.Priority = 1;
  info.DefaultPriority = 1;
  HANDLE added = AddPrinterW(nullptr, 2, reinterpret_cast<BYTE *>(&info));
  if (!added) {
    *error = "cannot install the printer " + Utf8FromUtf16(name) + " (error " +
             std::to_string(GetLastError()) + ")";
    return false;
  }
  ClosePrinter(added);
  PrinterHandle printer = PrinterHandle::Open(name, PRINTER_ALL_ACCESS);
  for (const PrinterValue &value : model.driverData) {
    WideString valueName = Utf16FromUtf8(value.name);
    DWORD status = SetPrinterDataW(printer.get(), valueName.data(), value.type,
                                   const_cast<BYTE *>(value.data.data()),
                                   static_cast<DWORD>(value.data.size()));
    if (status != ERROR_SUCCESS) {
      *error = "cannot write " + value.name + " of " + Utf8FromUtf16(name);
      return false;
    }
  }
  return true;
}

bool StoreBuiltInProfile(const WideString &name, std::string *error) {
  std::unique_ptr<PrinterSession> session = PrinterSession::Open(name, {}, error);
  if (!session)
    return false;
  if (WriteProfileValues(session->printerHandle(), 0, CurrentSnapshot(*session)))
    return true;
  *error = "cannot store the built-in profile of " + Utf8FromUtf16(name);
  return false;
}

// The driver's other plug-in modules, registered before this one: the watermark module for every
// model, and the prologue/epilogue and poster modules where the model has their blocks.
void RegisterOtherModules(const PrinterModel &model) {
  struct Other {
    const char *file;
    const char *uiClass;
    const char *controlSetClass;
    DWORD id;
    WORD privateDataId;
  };
  const Other others[] = {
      {"WMKMOD32.dll", "CWatermark", "CControlSetWatermark", 1200, PRIVATE_DATA_ID_WATERMARK},
      {PROLOG_EPILOG_MODULE, "CPrologEpilog", "CControlSetPrologEpilog", 1100,
       PRIVATE_DATA_ID_PROLOGEPILOG},
      {"PSTMOD32.dll", "CPoster", "CControlSetPoster", 1300, PRIVATE_DATA_ID_POSTER},
  };
  RegistrationStore store(model.driverName);
  int number = 1;
  for (const Other &other : others) {
    if (model.PluginDefault(other.privateDataId) == nullptr)
      continue;
    ModuleRegistryEntry entry{};
    entry.dwSize = sizeof entry;
    std::strcpy(entry.szUiModule, other.file);
    std::strcpy(entry.szUiClass, other.uiClass);
    std::strcpy(entry.szControlSetModule, other.file);
    std::strcpy(entry.szControlSetClass, other.controlSetClass);
    entry.dwModuleId = other.id;
    entry.dwFlags = MODULE_ENTRY_ENABLED | MODULE_ENTRY_HAS_PAGES;
    entry.dwFileVersionMS = 0x00020001;
    entry.wPrivateDataId = other.privateDataId;
    store.Write(("FeatureSet" + std::to_string(number++)).c_str(), entry);
  }
}

bool WriteFileText(const WideString &path, const std::string &text, std::string *error) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  const bool done =
      file != INVALID_HANDLE_VALUE &&
      WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
      written == text.size();
  if (file != INVALID_HANDLE_VALUE)
    CloseHandle(file);
  if (!done)
    *error = "cannot write " + Utf8FromUtf16(path);
  return done;
}

// The driver's version ini file (a release build) and its help files in the help directory
// that the host reports.
bool InstallHelpFiles(std::string *error) {
  const WideString folder = WideString(kEnvironments[0].driverDirectory) + WSTR("\\HELP\\");
  const std::string version =
      std::string("[") + DRIVER_VERSION_SECTION + "]\r\n" + DRIVER_PRE_RELEASE_KEY + "=0\r\n";
  if (!WriteFileText(folder + Utf16FromUtf8(DRIVER_VERSION_INI), version, error))
    return false;
  for (const char *help : {DRIVER_HELP_ENGLISH, DRIVER_HELP_JAPANESE})
    if (!WriteFileText(folder + Utf16FromUtf8(help), "", error))
      return false;
  return true;
}

}  // namespace

bool InstallDemoMachine(std::string *error) {
  for (const PrinterModel *model : AllModels()) {
    for (const Environment &env : kEnvironments)
      if (!InstallDriver(*model, env, error))
        return false;
    RegisterOtherModules(*model);
  }
  return InstallHelpFiles(error) &&
         InstallPrinter(kColorPrinterName, WSTR("IP_10.0.0.53"), ColorLaserModel(), error) &&
         InstallPrinter(kMonoPrinterName, WSTR("\\\\PRINTSRV\\JZMono2100"), MonoLaserModel(),
                        error);
}

#if defined(_WIN32)
namespace {

bool DriverInstalled(const Environment &env, const WideString &driverName) {
  DWORD needed = 0, count = 0;
  EnumPrinterDriversW(nullptr, const_cast<LPWSTR>(env.name), 1, nullptr, 0, &needed, &count);
  std::vector<BYTE> buffer(needed);
  if (needed == 0 || !EnumPrinterDriversW(nullptr, const_cast<LPWSTR>(env.name), 1, buffer.data(),
                                          needed, &needed, &count))
    return false;
  const auto *drivers = reinterpret_cast<const DRIVER_INFO_1W *>(buffer.data());
  for (DWORD i = 0; i < count; ++i)
    if (driverName == drivers[i].pName)
      return true;
  return false;
}

}  // namespace

bool RemoveDemoMachine(std::string *error) {
  for (const WCHAR *name : {kColorPrinterName, kMonoPrinterName}) {
    PrinterHandle printer = PrinterHandle::Open(name, PRINTER_ALL_ACCESS);
    if (printer && !DeletePrinter(printer.get())) {
      *error = "cannot remove the printer " + Utf8FromUtf16(name) + " (error " +
               std::to_string(GetLastError()) + ")";
      return false;
    }
  }
  for (const PrinterModel *model : AllModels())
    for (const Environment &env : kEnvironments)
      if (DriverInstalled(env, model->driverName) &&
          !DeletePrinterDriverW(nullptr, const_cast<LPWSTR>(env.name),
                                const_cast<LPWSTR>(model->driverName.c_str()))) {
        *error = "cannot remove the driver " + Utf8FromUtf16(model->driverName) + " (error " +
                 std::to_string(GetLastError()) + ")";
        return false;
      }
  return true;
}
#endif

bool StoreBuiltInProfiles(std::string *error) {
  return StoreBuiltInProfile(kColorPrinterName, error) &&
         StoreBuiltInProfile(kMonoPrinterName, error);
}

}  // namespace host
