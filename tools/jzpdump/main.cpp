// jzpdump FILE: shows what a .jzp profile file holds, for support engineers looking at a file a
// customer sent. A damaged file shows what can be read and where and why reading stopped.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>

#include "jzp_dump.h"

namespace {

constexpr char kUsage[] =
    "Usage: jzpdump [--json] [--codepage N] FILE\n"
    "\n"
    "Shows what a .jzp profile file holds: the header (driver version, language, model,\n"
    "profile count) and each profile's entry, its Section 1 items with tag names and values,\n"
    "its Section 2 items with tag names and sizes (plug-in blocks by identifier), its Section 3\n"
    "values and its Section 4 \"_Setup\" value.\n"
    "\n"
    "  --json         print the same as one JSON object\n"
    "  --codepage N   code page of the file's text (default 1252; 932 for Japanese)\n"
    "  --help         show this text\n"
    "\n"
    "Exit status: 0 for a whole file, 1 for a file that cannot be opened or is damaged (what\n"
    "can be read is shown, and the byte offset and reason where reading stopped), 2 for a\n"
    "wrong command line.\n";

int Usage(const char *problem) {
  fprintf(stderr, "jzpdump: %s\n%s", problem, kUsage);
  return 2;
}

}  // namespace

int main(int argc, char **argv) {
  bool json = false;
  UINT codePage = 1252;
  const char *path = nullptr;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      fputs(kUsage, stdout);
      return 0;
    }
    if (arg == "--json") {
      json = true;
    } else if (arg == "--codepage") {
      char *end = nullptr;
      const unsigned long value = i + 1 < argc ? strtoul(argv[i + 1], &end, 10) : 0;
      if (end == nullptr || *end != '\0' || value == 0 || value > 65535)
        return Usage("--codepage needs a code page number");
      codePage = static_cast<UINT>(value);
      ++i;
    } else if (arg.size() > 1 && arg[0] == '-') {
      return Usage(("unknown option " + arg).c_str());
    } else if (path != nullptr) {
      return Usage("give one file");
    } else {
      path = argv[i];
    }
  }
  if (path == nullptr)
    return Usage("give the file to show");

  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    fprintf(stderr, "jzpdump: %s: cannot open the file (error %lu)\n", path,
            static_cast<unsigned long>(GetLastError()));
    return 1;
  }
  JzpFileSource source(file);
  const jzpdump::Dump dump = jzpdump::ReadDump(source);
  CloseHandle(file);

  if (json)
    jzpdump::PrintJson(dump, codePage, stdout);
  else
    jzpdump::PrintText(dump, codePage, stdout);
  if (!dump.damaged)
    return 0;
  fflush(stdout);
  fprintf(stderr, "jzpdump: %s: reading stopped at byte %lu: %s\n", path,
          static_cast<unsigned long>(dump.stopOffset), dump.stopReason.c_str());
  return 1;
}
