// prfhost's commands and the options every command shares.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "abi/wide.h"
#include "answerer.h"
#include "host/machine.h"
#include "host/printer_session.h"

namespace prfhost {

struct GlobalOptions {
  host::MachineOptions machine;
  WideString printer;  // empty: the first printer
};

// Everything a command needs: the started machine and, on demand, a session for the printer.
class Context {
 public:
  Context(GlobalOptions options, Answerer &answerer)
      : options_(std::move(options)), answerer_(answerer) {}
  bool Start(std::string *error) { return machine_.Start(options_.machine, error); }
  // The printer named by --printer, or the first printer of the machine.
  host::PrinterSession *Session(std::string *error);
  bool Save(std::string *error) { return machine_.Save(error); }
  const GlobalOptions &options() const { return options_; }
  Answerer &answerer() { return answerer_; }

 private:
  GlobalOptions options_;
  Answerer &answerer_;
  host::Machine machine_;
  std::unique_ptr<host::PrinterSession> session_;
};

struct Command {
  const char *name;
  const char *summary;
  const char *help;  // usage and description shown by --help
  int (*run)(Context &context, const std::vector<std::string> &args);
};

const std::vector<Command> &Commands();

// Exit codes: 0 done, 1 the command failed, 2 the command line is wrong.
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
int Fail(const std::string &message, int code = kExitFailure);

// The name of a private block of the driver's chain ("unknown" for an identifier it lacks).
const char *BlockName(WORD id);

int RunPrinters(Context &context, const std::vector<std::string> &args);
int RunSettings(Context &context, const std::vector<std::string> &args);
int RunInstall(Context &context, const std::vector<std::string> &args);
int RunUninstall(Context &context, const std::vector<std::string> &args);
int RunStatus(Context &context, const std::vector<std::string> &args);
int RunValues(Context &context, const std::vector<std::string> &args);
int RunPage(Context &context, const std::vector<std::string> &args);
int RunList(Context &context, const std::vector<std::string> &args);
int RunShow(Context &context, const std::vector<std::string> &args);
int RunInfo(Context &context, const std::vector<std::string> &args);
int RunDiff(Context &context, const std::vector<std::string> &args);
int RunAdd(Context &context, const std::vector<std::string> &args);
int RunEdit(Context &context, const std::vector<std::string> &args);
int RunDelete(Context &context, const std::vector<std::string> &args);
int RunApply(Context &context, const std::vector<std::string> &args);
int RunExport(Context &context, const std::vector<std::string> &args);
int RunImport(Context &context, const std::vector<std::string> &args);

}  // namespace prfhost
