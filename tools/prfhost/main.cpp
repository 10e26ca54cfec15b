// prfhost: the command-line host of PRFMOD32.dll. It works on a machine's printers the way the
// driver's user interface does: off Windows on a simulated machine kept in a state folder, on
// Windows on the system itself.
#include <cstdio>
#include <cstring>
#include <iostream>
#include <map>

#if defined(_WIN32)
#include <io.h>

#include "host/resource_module.h"
#else
#include <unistd.h>
#endif

#include <winplat/operator.h>

#include "answerer.h"
#include "cli.h"
#include "host/text_convert.h"

namespace prfhost {
namespace {

#if defined(_WIN32)
constexpr char kUsage[] =
    "usage: prfhost [--printer NAME] [--lang LANG] [--answers LIST] [--yes] COMMAND [ARGS...]\n"
    "\n"
    "Options (the machine is this Windows system):\n"
#else
constexpr char kUsage[] =
    "usage: prfhost [--state DIR] [--printer NAME] [--os VERSION] [--lang LANG]\n"
    "               [--answers LIST] [--yes] COMMAND [ARGS...]\n"
    "\n"
    "Options:\n"
    "  --state DIR      the machine's state folder (default: $XDG_DATA_HOME/prfhost or\n"
    "                   ~/.local/share/prfhost); created with the demo printers on first use\n"
    "  --printer NAME   the printer to work on (default: the first printer)\n"
    "  --os VERSION     the Windows version the machine runs: 95, 98, me, nt4, 2000, xp "
    "(default),\n"
    "                   2003; 95, 98 and me are the ANSI platform\n"
#endif
    "  --lang LANG      the user-interface language: en (default) or ja\n"
    "  --answers LIST   answer the module's questions from this comma-separated list (yes, no,\n"
    "                   ok, cancel, abort, retry, ignore) instead of asking at the terminal\n"
    "  --yes            answer yes to every question the list does not answer; without a\n"
    "                   terminal and without an answer a question is refused and the command\n"
    "                   changes nothing\n"
    "\n"
    "Commands:\n";

int PrintUsage(std::ostream &out) {
  out << kUsage;
  for (const Command &command : Commands())
    out << "  " << command.name << std::string(12 - std::strlen(command.name), ' ')
        << command.summary << "\n";
  out << "\nRun 'prfhost COMMAND --help' for a command's own help.\n";
  return 0;
}

#if !defined(_WIN32)
bool ParseWindows(const std::string &text, winplat::WindowsVersion *version) {
  static const std::map<std::string, winplat::WindowsVersion> versions = {
      {"95", winplat::WindowsVersion::Win95},       {"98", winplat::WindowsVersion::Win98},
      {"me", winplat::WindowsVersion::WinMe},       {"nt4", winplat::WindowsVersion::NT4},
      {"2000", winplat::WindowsVersion::Win2000},   {"xp", winplat::WindowsVersion::WinXP},
      {"2003", winplat::WindowsVersion::Server2003}};
  auto found = versions.find(text);
  if (found == versions.end())
    return false;
  *version = found->second;
  return true;
}
#endif

// On Windows the NUL device is a character device too, which _isatty takes for a terminal: only
// a console is one.
bool StdinIsTerminal() {
#if defined(_WIN32)
  DWORD mode = 0;
  return _isatty(_fileno(stdin)) != 0 && GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode);
#else
  return isatty(STDIN_FILENO) != 0;
#endif
}

// On Windows the module's dialogs are made by the system; the operator knows them by the
// templates of the host's resource module.
void RegisterHostDialogs() {
#if defined(_WIN32)
  if (const HMODULE resources = LoadLibraryW(host::kResourceModuleFileName)) {
    winplat::RegisterDialogTemplates(resources);
    FreeLibrary(resources);
  }
#endif
}

bool ParseAnswers(const std::string &list, std::vector<int> *answers) {
  static const std::map<std::string, int> names = {
      {"ok", IDOK},         {"cancel", IDCANCEL}, {"abort", IDABORT}, {"retry", IDRETRY},
      {"ignore", IDIGNORE}, {"yes", IDYES},       {"no", IDNO}};
  size_t start = 0;
  while (start <= list.size()) {
    size_t comma = list.find(',', start);
    std::string word =
        list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    auto found = names.find(word);
    if (found == names.end())
      return false;
    answers->push_back(found->second);
    if (comma == std::string::npos)
      break;
    start = comma + 1;
  }
  return true;
}

const Command *FindCommand(const std::string &name) {
  for (const Command &command : Commands())
    if (name == command.name)
      return &command;
  return nullptr;
}

}  // namespace

int Fail(const std::string &message, int code) {
  std::cerr << "prfhost: " << message << "\n";
  return code;
}

int Main(int argc, char **argv) {
  GlobalOptions options;
#if !defined(_WIN32)
  options.machine.stateFolder = host::DefaultStateFolder();
#endif
  std::vector<int> answers;
  bool yes = false;
  int i = 1;
  for (; i < argc && argv[i][0] == '-'; ++i) {
    std::string option = argv[i];
    if (option == "--help" || option == "-h")
      return PrintUsage(std::cout);
    if (option == "--yes") {
      yes = true;
      continue;
    }
    if (i + 1 >= argc)
      return Fail("option " + option + " needs a value (see prfhost --help)", kExitUsage);
    std::string value = argv[++i];
#if defined(_WIN32)
    if (option == "--state" || option == "--os")
      return Fail(
          "option " + option + " is not available on Windows: the machine is this system itself",
          kExitUsage);
#endif
    if (option == "--printer") {
      options.printer = host::Utf16FromUtf8(value);
#if !defined(_WIN32)
    } else if (option == "--state") {
      options.machine.stateFolder = value;
    } else if (option == "--os") {
      if (!ParseWindows(value, &options.machine.windows))
        return Fail("unknown Windows version \"" + value + "\" (95, 98, me, nt4, 2000, xp, 2003)",
                    kExitUsage);
#endif
    } else if (option == "--lang") {
      if (value != "en" && value != "ja")
        return Fail("unknown language \"" + value + "\" (en, ja)", kExitUsage);
      options.machine.language =
          value == "ja" ? host::UiLanguage::Japanese : host::UiLanguage::English;
    } else if (option == "--answers") {
      if (!ParseAnswers(value, &answers))
        return Fail("unknown answer in \"" + value + "\"", kExitUsage);
    } else {
      return Fail("unknown option " + option + " (see prfhost --help)", kExitUsage);
    }
  }
  if (i >= argc) {
    PrintUsage(std::cerr);
    return kExitUsage;
  }
  const Command *command = FindCommand(argv[i]);
  if (!command)
    return Fail(std::string("unknown command \"") + argv[i] + "\" (see prfhost --help)",
                kExitUsage);
  std::vector<std::string> args(argv + i + 1, argv + argc);
  for (const std::string &arg : args)
    if (arg == "--help" || arg == "-h") {
      std::cout << command->help;
      return 0;
    }

  Answerer answerer(answers, yes, StdinIsTerminal(), std::cin, std::cerr);
  RegisterHostDialogs();
  winplat::SetOperator(&answerer);

  Context context(options, answerer);
  std::string error;
  if (!context.Start(&error))
    return Fail(error);
  int result = command->run(context, args);
  winplat::SetOperator(nullptr);
  return result;
}

}  // namespace prfhost

int main(int argc, char **argv) {
  return prfhost::Main(argc, argv);
}
