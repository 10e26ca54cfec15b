// import_invariant: whatever the bytes of a profile file, importing it may change only the
// profile list and the new profiles' values and side files. Each hostile file and each mutation
// of the valid files given is imported, every question answered yes, into a fresh copy of the
// demo state on Windows XP and on Windows 98; the state folder is then compared with the copy
// it started from.
//
//   import_invariant MUTATIONS SEED VALID.jzp...
//
// Exit status 0 when no import changed anything else and every valid file imported a profile.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

#include <unistd.h>

#include "abi/wide.h"
#include "host/demo_state.h"
#include "host/machine.h"
#include "host/stored_profiles.h"
#include "host/printer_session.h"
#include "host/text_convert.h"
#include "mutations.h"
#include "page_import.h"
#include "state_snapshot.h"

namespace {

namespace fs = std::filesystem;

constexpr char kPrinterDataKey[] =
    "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\JZ Color "
    "5300\\PrinterDriverData";
constexpr char kSideFilePrefix[] = "drive_c/WINDOWS/SYSTEM/JZ Color 5300_";

struct Platform {
  const char *name;
  winplat::WindowsVersion windows;
};

std::vector<BYTE> ReadFile(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path &path, const std::vector<BYTE> &bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char *>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

// Starts the machine on the folder, runs the page (importing `file` unless it is empty) and saves
// the state; the number of stored profiles afterwards, or -1 with a message.
int Import(const fs::path &folder, winplat::WindowsVersion windows, const fs::path &file,
           std::string *error) {
  host::Machine machine;
  host::MachineOptions options;
  options.stateFolder = folder.string();
  options.windows = windows;
  if (!machine.Start(options, error) ||
      !invariant::RunPageImport(host::kColorPrinterName,
                                file.empty() ? WSTR("") : host::Utf16FromUtf8(file.string()),
                                error))
    return -1;
  std::unique_ptr<host::PrinterSession> session =
      host::PrinterSession::Open(host::kColorPrinterName, {}, error);
  if (!session || !machine.Save(error))
    return -1;
  return static_cast<int>(host::ReadStoredProfiles(session->printerHandle()).size());
}

// Imports every file on the platform; the number of failures.
int RunPlatform(const Platform &platform, const fs::path &work,
                const std::vector<invariant::TestFile> &files, size_t validCount) {
  const fs::path start = work / (std::string("start-") + platform.name);
  const fs::path state = work / "state";
  const fs::path file = work / "import.jzp";
  std::string error;
  const int profilesBefore = Import(start, platform.windows, {}, &error);
  if (profilesBefore < 0) {
    std::cout << platform.name << ": cannot make the starting state: " << error << "\n";
    return 1;
  }
  const invariant::StateSnapshot before = invariant::TakeSnapshot(start.string());
  int failures = 0;
  for (size_t i = 0; i < files.size(); ++i) {
    fs::remove_all(state);
    fs::copy(start, state, fs::copy_options::recursive);
    WriteFile(file, files[i].bytes);
    const int profiles = Import(state, platform.windows, file, &error);
    std::vector<std::string> changes;
    if (profiles < 0)
      changes.push_back(error);
    else if (i < validCount && profiles <= profilesBefore)
      changes.push_back("the valid file imported no profile");
    else
      changes = invariant::ForbiddenChanges(before, invariant::TakeSnapshot(state.string()),
                                            kPrinterDataKey, kSideFilePrefix);
    if (changes.empty())
      continue;
    ++failures;
    std::cout << platform.name << ": " << files[i].name << ":\n";
    for (const std::string &change : changes)
      std::cout << "  " << change << "\n";
  }
  std::cout << platform.name << ": " << files.size() << " files imported, " << failures
            << " broke the invariant\n";
  return failures;
}

}  // namespace

int main(int argc, char **argv) {
  if (argc < 4) {
    std::cerr << "usage: import_invariant MUTATIONS SEED VALID.jzp...\n";
    return 2;
  }
  std::vector<std::vector<BYTE>> valid;
  std::vector<invariant::TestFile> files;
  for (int i = 3; i < argc; ++i) {
    valid.push_back(ReadFile(argv[i]));
    files.push_back({std::string("valid file ") + argv[i], valid.back()});
  }
  const size_t validCount = files.size();
  const int mutations = std::atoi(argv[1]);
  const auto seed = static_cast<std::uint32_t>(std::strtoul(argv[2], nullptr, 0));
  for (invariant::TestFile &hostile : invariant::HostileFiles(valid.front()))
    files.push_back(std::move(hostile));
  for (invariant::TestFile &mutated : invariant::MutatedFiles(valid, mutations, seed))
    files.push_back(std::move(mutated));
  const fs::path work =
      fs::temp_directory_path() / ("import_invariant." + std::to_string(getpid()));
  fs::create_directories(work);
  int failures = 0;
  for (const Platform &platform : {Platform{"xp", winplat::WindowsVersion::WinXP},
                                   Platform{"98", winplat::WindowsVersion::Win98}})
    failures += RunPlatform(platform, work, files, validCount);
  fs::remove_all(work);
  return failures == 0 ? 0 : 1;
}
