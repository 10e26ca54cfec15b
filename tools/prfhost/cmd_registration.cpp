// prfhost install, uninstall and status: the module's registration with the printer's driver,
// through the module's RunJZModuleCmd as the driver's setup runs it.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli.h"
#include "host/module_library.h"
#include "host/module_registry.h"
#include "host/text_convert.h"
#include "abi/registration_records.h"
#include "json_text.h"

namespace prfhost {
namespace {

// The loaded module and the registration store of the printer's driver.
struct Registration {
  host::PrinterSession *session = nullptr;
  std::unique_ptr<host::ModuleLibrary> library;
  BoundaryPtr<ModuleRegistry> registry;

  std::string driver() const { return host::Utf8FromUtf16(session->model().driverName); }
  int Run(int command, ModuleStatusRecord *record = nullptr) {
    return library->runJZModuleCmd(command, registry.get(), 0, record);
  }
};

bool Open(Context &context, const char *command, const std::vector<std::string> &args,
          Registration *registration, int *failure) {
  std::string error;
  if (!args.empty()) {
    *failure = Fail(std::string(command) + " takes no arguments", kExitUsage);
    return false;
  }
  registration->session = context.Session(&error);
  if (registration->session)
    registration->library = host::ModuleLibrary::Load(host::kModuleFileName, &error);
  if (registration->library && !registration->library->runJZModuleCmd)
    error = "the module does not export RunJZModuleCmd";
  if (!error.empty()) {
    *failure = Fail(error);
    return false;
  }
  // Only a user who may change the printer may change its driver's modules.
  registration->registry = host::MakeModuleRegistry(registration->session->registrations(),
                                                    registration->session->canChangeSettings());
  return true;
}

std::string FormatVersion(DWORD ms, DWORD ls) {
  return std::to_string(HIWORD(ms)) + "." + std::to_string(LOWORD(ms)) + "." +
         std::to_string(HIWORD(ls)) + "." + std::to_string(LOWORD(ls));
}

std::string StatusInWords(DWORD status) {
  switch (status) {
    case MODULE_STATUS_ENABLED:
      return "registered and enabled";
    case MODULE_STATUS_DISABLED:
      return "registered, not enabled";
    case MODULE_STATUS_NOT_REGISTERED:
      return "not registered";
    default:
      return "unknown";
  }
}

int Saved(Context &context, const std::string &done) {
  std::string error;
  if (!context.Save(&error))
    return Fail("cannot store the machine's state: " + error);
  std::cout << done << "\n";
  return 0;
}

}  // namespace

int RunInstall(Context &context, const std::vector<std::string> &args) {
  Registration registration;
  int failure = 0;
  if (!Open(context, "install", args, &registration, &failure))
    return failure;
  switch (int result = registration.Run(MODULE_CMD_INSTALL)) {
    case MODULE_RESULT_OK:
      return Saved(context,
                   "PRFMOD32.dll registered with the driver " + registration.driver() + ".");
    case MODULE_RESULT_REFUSED:
      return Fail("the driver " + registration.driver() +
                  " refused the installation (result 1): this user may not change the printer");
    case MODULE_RESULT_NOT_STORED:
      return Fail("the registration could not be stored (result 5)");
    default:
      return Fail("installation failed with result " + std::to_string(result));
  }
}

int RunUninstall(Context &context, const std::vector<std::string> &args) {
  Registration registration;
  int failure = 0;
  if (!Open(context, "uninstall", args, &registration, &failure))
    return failure;
  switch (int result = registration.Run(MODULE_CMD_REMOVE)) {
    case MODULE_RESULT_OK:
      return Saved(context, "PRFMOD32.dll removed from the driver " + registration.driver() + ".");
    case MODULE_RESULT_NOT_REGISTERED:
      return Fail("PRFMOD32.dll is not registered with the driver " + registration.driver() +
                  " (result 11)");
    default:
      return Fail("removal failed with result " + std::to_string(result));
  }
}

int RunStatus(Context &context, const std::vector<std::string> &args) {
  const bool json = args.size() == 1 && args[0] == "--json";
  Registration registration;
  int failure = 0;
  if (!Open(context, "status", json ? std::vector<std::string>() : args, &registration, &failure))
    return failure;
  ModuleStatusRecord record{};
  if (int result = registration.Run(MODULE_CMD_STATUS, &record); result != MODULE_RESULT_OK)
    return Fail("the status query failed with result " + std::to_string(result));
  const bool registered = record.dwStatus != MODULE_STATUS_NOT_REGISTERED;
  const std::string fileVersion = FormatVersion(record.dwFileVersionMS, record.dwFileVersionLS);
  const std::string registeredVersion =
      FormatVersion(record.dwRegisteredVersionMS, record.dwRegisteredVersionLS);
  if (json) {
    std::cout << JsonObject()
                     .Text("driver", registration.driver())
                     .Text("moduleFile", host::Utf8FromUtf16(record.wszModulePath))
                     .Text("fileVersion", fileVersion)
                     .Number("status", record.dwStatus)
                     .Text("statusText", StatusInWords(record.dwStatus))
                     .Json("registeredVersion", registered ? JsonString(registeredVersion) : "null")
                     .str()
              << "\n";
    return 0;
  }
  std::cout << "Driver:              " << registration.driver() << "\n"
            << "Module file:         " << host::Utf8FromUtf16(record.wszModulePath) << "\n"
            << "File version:        " << fileVersion << "\n"
            << "Status:              " << record.dwStatus << " " << StatusInWords(record.dwStatus)
            << "\n"
            << "Registered version:  " << (registered ? registeredVersion : "-") << "\n";
  return 0;
}

}  // namespace prfhost
