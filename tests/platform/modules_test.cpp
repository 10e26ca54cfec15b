// Tests of the module loader (LoadLibrary, DllMain, GetProcAddress, GetModuleFileName, the search
// order) and of file version information, with the fixture modules built beside this program.
#include <gtest/gtest.h>

#include <windows.h>

#include <elf.h>
#include <stdlib.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "fixtures/dllmain_journal.h"
#include "winplat/config.h"
#include "winplat/image_sections.h"
#include "winplat/modules.h"
#include "winplat/operator.h"

namespace {

namespace fs = std::filesystem;

fs::path ProgramFolder() {
  return fs::read_symlink("/proc/self/exe").parent_path();
}

std::u16string WindowsPath(const fs::path &hostPath) {
  return winplat::Utf16FromUtf8(winplat::WindowsPathFromHost(hostPath.string()));
}

class TemporaryFolder {
 public:
  TemporaryFolder() {
    std::string pattern = (fs::temp_directory_path() / "modules_test.XXXXXX").string();
    path_ = mkdtemp(pattern.data());
  }
  ~TemporaryFolder() { fs::remove_all(path_); }
  const fs::path &path() const { return path_; }

 private:
  fs::path path_;
};

class CurrentFolder {
 public:
  explicit CurrentFolder(const fs::path &folder) : previous_(fs::current_path()) {
    fs::current_path(folder);
  }
  ~CurrentFolder() { fs::current_path(previous_); }

 private:
  fs::path previous_;
};

void WriteFile(const fs::path &file, const std::vector<char> &bytes) {
  std::ofstream(file, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// An export as the function type it has; void (*)() is the type GCC lets any function cast through.
template <typename Function>
Function *ExportOf(HMODULE module, LPCSTR name) {
  return reinterpret_cast<Function *>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

std::vector<DllMainCall> CallsOf(const std::string &module) {
  std::vector<DllMainCall> calls;
  for (const DllMainCall &call : DllMainJournal()) {
    if (call.module == module)
      calls.push_back(call);
  }
  return calls;
}

class ModulesLoader : public ::testing::Test {
 protected:
  void SetUp() override { ClearDllMainJournal(); }
};

TEST_F(ModulesLoader, DllMainSeesOneAttachAndOneDetachAcrossReferences) {
  HMODULE first = LoadLibraryA("FIXMOD32.dll");
  ASSERT_NE(first, nullptr);
  HMODULE second = LoadLibraryW(u"fixmod32");  // any case, ".dll" implied
  EXPECT_EQ(second, first);
  ASSERT_EQ(CallsOf("FIXMOD32").size(), 1u);
  EXPECT_EQ(CallsOf("FIXMOD32")[0].reason, static_cast<DWORD>(DLL_PROCESS_ATTACH));
  EXPECT_EQ(CallsOf("FIXMOD32")[0].instance, first);

  EXPECT_TRUE(FreeLibrary(first));
  EXPECT_EQ(CallsOf("FIXMOD32").size(), 1u);
  EXPECT_EQ(GetModuleHandleA("FIXMOD32.DLL"), first);

  EXPECT_TRUE(FreeLibrary(second));
  ASSERT_EQ(CallsOf("FIXMOD32").size(), 2u);
  EXPECT_EQ(CallsOf("FIXMOD32")[1].reason, static_cast<DWORD>(DLL_PROCESS_DETACH));
  EXPECT_EQ(CallsOf("FIXMOD32")[1].instance, first);

  EXPECT_EQ(GetModuleHandleA("FIXMOD32.dll"), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
  EXPECT_FALSE(FreeLibrary(first));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
}

TEST_F(ModulesLoader, RefusedAttachIsFollowedByDetachAndFails) {
  SetLastError(ERROR_SUCCESS);
  EXPECT_EQ(LoadLibraryA("FIXFAIL32.dll"), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DLL_INIT_FAILED));
  const std::vector<DllMainCall> calls = CallsOf("FIXFAIL32");
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].reason, static_cast<DWORD>(DLL_PROCESS_ATTACH));
  EXPECT_EQ(calls[1].reason, static_cast<DWORD>(DLL_PROCESS_DETACH));
  EXPECT_EQ(calls[1].instance, calls[0].instance);
  EXPECT_EQ(GetModuleHandleA("FIXFAIL32.dll"), nullptr);
}

TEST_F(ModulesLoader, GetProcAddressFindsOnlyTheModulesOwnNamedExports) {
  HMODULE module = LoadLibraryA("FIXMOD32.dll");
  ASSERT_NE(module, nullptr);
  auto answer = ExportOf<int()>(module, "FixtureAnswer");
  ASSERT_NE(answer, nullptr);
  EXPECT_EQ(answer(), 42);

  const LPCSTR missing[] = {
      "FixtureHidden",      // hidden visibility
      "GetLastError",       // exported by a library the module depends on
      "fixtureanswer",      // export names are case-sensitive
      MAKEINTRESOURCEA(1),  // no ordinals on this platform
      "NoSuchExport",
  };
  for (LPCSTR name : missing) {
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(GetProcAddress(module, name), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));
  }
  FreeLibrary(module);
  EXPECT_EQ(GetProcAddress(module, "FixtureAnswer"), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
}

TEST_F(ModulesLoader, MissingModulesFailWithModNotFound) {
  const std::string names[] = {
      "NOSUCH32.dll",
      "NOSUCH32",
      "",
      (ProgramFolder() / "NOSUCH32.dll").string(),
      winplat::WindowsPathFromHost((ProgramFolder() / "nowhere" / "FIXMOD32.dll").string()),
      "relative\\FIXMOD32.dll",
  };
  for (const std::string &name : names) {
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(LoadLibraryA(name.c_str()), nullptr) << name;
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND)) << name;
  }
  EXPECT_TRUE(CallsOf("FIXMOD32").empty());
}

TEST_F(ModulesLoader, BadArgumentsAndForeignFilesAreRefused) {
  SetLastError(ERROR_SUCCESS);
  EXPECT_EQ(LoadLibraryA(nullptr), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  EXPECT_EQ(LoadLibraryExW(u"FIXMOD32.dll", nullptr, 0x1), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  int file = 0;
  EXPECT_EQ(LoadLibraryExW(u"FIXMOD32.dll", &file, 0), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));

  TemporaryFolder folder;
  WriteFile(folder.path() / "TEXT32.dll", {'n', 'o', 't', ' ', 'E', 'L', 'F'});
  EXPECT_EQ(LoadLibraryA((folder.path() / "TEXT32.dll").c_str()), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_BAD_EXE_FORMAT));
  EXPECT_TRUE(CallsOf("FIXMOD32").empty());
}

TEST_F(ModulesLoader, PathsInEitherFormNameTheSameModule) {
  const fs::path hostPath = ProgramFolder() / "FIXMOD32.dll";
  HMODULE byName = LoadLibraryA("FIXMOD32.dll");
  HMODULE byHostPath = LoadLibraryA(hostPath.c_str());
  const std::u16string windowsPath = WindowsPath(ProgramFolder() / "fixmod32.DLL");
  HMODULE byWindowsPath = LoadLibraryW(windowsPath.c_str());
  EXPECT_NE(byName, nullptr);
  EXPECT_EQ(byHostPath, byName);
  EXPECT_EQ(byWindowsPath, byName);
  EXPECT_EQ(GetModuleHandleW(windowsPath.c_str()), byName);
  {
    CurrentFolder inProgramFolder(ProgramFolder().parent_path());
    const std::string relative = ProgramFolder().filename().string() + "\\FIXMOD32.dll";
    HMODULE byRelativePath = LoadLibraryA(relative.c_str());
    EXPECT_EQ(byRelativePath, byName);
    FreeLibrary(byRelativePath);
  }
  EXPECT_EQ(CallsOf("FIXMOD32").size(), 1u);
  for (HMODULE module : {byName, byHostPath, byWindowsPath})
    FreeLibrary(module);
  EXPECT_EQ(CallsOf("FIXMOD32").size(), 2u);
}

TEST_F(ModulesLoader, FileNameIsTheWindowsFormOfTheLoadedPath) {
  HMODULE module = LoadLibraryA("fixmod32.dll");
  ASSERT_NE(module, nullptr);
  const std::u16string expected = WindowsPath(ProgramFolder() / "FIXMOD32.dll");
  ASSERT_EQ(expected.substr(0, 3), u"Z:\\");

  WCHAR wide[MAX_PATH];
  EXPECT_EQ(GetModuleFileNameW(module, wide, MAX_PATH), expected.size());
  EXPECT_EQ(std::u16string(wide), expected);
  auto nameAtAttach = ExportOf<LPCWSTR()>(module, "FixtureFileNameAtAttach");
  ASSERT_NE(nameAtAttach, nullptr);
  EXPECT_EQ(std::u16string(nameAtAttach()), expected);

  char ansi[MAX_PATH];
  EXPECT_EQ(GetModuleFileNameA(module, ansi, MAX_PATH), expected.size());
  EXPECT_EQ(std::string(ansi), winplat::Utf8FromUtf16(expected));
  EXPECT_EQ(winplat::ModuleHostPath(module), (ProgramFolder() / "FIXMOD32.dll").string());
  FreeLibrary(module);

  EXPECT_EQ(GetModuleFileNameW(module, wide, MAX_PATH), 0u);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
}

// Sizes around the path's length: the path and its terminator fit, or the buffer holds a
// terminated prefix and the call reports nSize with ERROR_INSUFFICIENT_BUFFER.
TEST_F(ModulesLoader, FileNameTruncatesToATerminatedPrefix) {
  HMODULE module = LoadLibraryA("FIXMOD32.dll");
  ASSERT_NE(module, nullptr);
  const std::u16string full = WindowsPath(ProgramFolder() / "FIXMOD32.dll");
  const DWORD length = static_cast<DWORD>(full.size());
  for (const DWORD size : {length + 2, length + 1, length, length - 1, DWORD{1}, DWORD{0}}) {
    SCOPED_TRACE(size);
    const bool fits = size > length;
    std::vector<WCHAR> wide(length + 3, u'#');
    std::vector<char> ansi(length + 3, '#');
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(GetModuleFileNameW(module, wide.data(), size), fits ? length : size);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(fits ? ERROR_SUCCESS : ERROR_INSUFFICIENT_BUFFER));
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(GetModuleFileNameA(module, ansi.data(), size), fits ? length : size);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(fits ? ERROR_SUCCESS : ERROR_INSUFFICIENT_BUFFER));
    const size_t kept = fits ? length : (size == 0 ? 0 : size - 1);
    if (size > 0) {
      EXPECT_EQ(std::u16string(wide.data()), full.substr(0, kept));
      EXPECT_EQ(std::string(ansi.data()), winplat::Utf8FromUtf16(full.substr(0, kept)));
    }
    EXPECT_EQ(wide[size], u'#');  // nothing written past the buffer
    EXPECT_EQ(ansi[size], '#');
  }
  FreeLibrary(module);
}

TEST_F(ModulesLoader, SearchOrderIsProgramFolderThenCurrentFolderThenAddedFolders) {
  TemporaryFolder current;
  TemporaryFolder added;
  const fs::path fixture = ProgramFolder() / "FIXMOD32.dll";
  fs::copy_file(fixture, current.path() / "FIXMOD32.dll");
  fs::copy_file(fixture, current.path() / "CURMOD32.dll");
  fs::copy_file(fixture, added.path() / "ADDMOD32.dll");

  EXPECT_EQ(LoadLibraryA("CURMOD32.dll"), nullptr);
  EXPECT_EQ(LoadLibraryA("ADDMOD32.dll"), nullptr);
  CurrentFolder inCurrent(current.path());
  winplat::AddModuleSearchFolder(added.path().string());

  struct Case {
    const char *name;
    fs::path expectedFile;
  };
  const Case cases[] = {
      {"FIXMOD32.dll", fixture},  // the program's folder comes first
      {"curmod32", current.path() / "CURMOD32.dll"},
      {"AddMod32.DLL", added.path() / "ADDMOD32.dll"},
  };
  for (const Case &c : cases) {
    HMODULE module = LoadLibraryA(c.name);
    ASSERT_NE(module, nullptr) << c.name;
    WCHAR name[MAX_PATH];
    GetModuleFileNameW(module, name, MAX_PATH);
    EXPECT_EQ(std::u16string(name), WindowsPath(c.expectedFile)) << c.name;
    FreeLibrary(module);
  }
  EXPECT_EQ(CallsOf("FIXMOD32").size(), 6u);  // three modules, each attached and detached
}

TEST_F(ModulesLoader, DataFileLoadRunsNothingAndExportsNothing) {
  const fs::path hostPath = ProgramFolder() / "FIXMOD32.dll";
  const std::u16string windowsPath = WindowsPath(hostPath);
  for (const DWORD flags : {LOAD_LIBRARY_AS_DATAFILE, LOAD_LIBRARY_AS_DATAFILE_EXCLUSIVE,
                            LOAD_LIBRARY_AS_IMAGE_RESOURCE}) {
    HMODULE data = LoadLibraryExW(windowsPath.c_str(), nullptr, flags);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(data) & 1, 1u);
    EXPECT_EQ(winplat::ModuleHostPath(data), hostPath.string());
    EXPECT_EQ(GetProcAddress(data, "FixtureAnswer"), nullptr);
    WCHAR name[MAX_PATH];
    EXPECT_EQ(GetModuleFileNameW(data, name, MAX_PATH), 0u);
    EXPECT_EQ(GetModuleHandleW(windowsPath.c_str()), nullptr);
    EXPECT_TRUE(FreeLibrary(data));
    EXPECT_EQ(winplat::ModuleHostPath(data), "");
  }
  EXPECT_TRUE(CallsOf("FIXMOD32").empty());

  // A file already loaded as an image is shared, not opened again.
  HMODULE image = LoadLibraryA("FIXMOD32.dll");
  EXPECT_EQ(LoadLibraryExA("FIXMOD32.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE), image);
  FreeLibrary(image);
  EXPECT_EQ(GetModuleHandleA("FIXMOD32.dll"), image);
  FreeLibrary(image);
  EXPECT_EQ(CallsOf("FIXMOD32").size(), 2u);
}

TEST_F(ModulesLoader, ProgramIsAlwaysLoaded) {
  HMODULE program = GetModuleHandleW(nullptr);
  ASSERT_NE(program, nullptr);
  EXPECT_EQ(GetModuleHandleA(nullptr), program);
  WCHAR name[MAX_PATH];
  ASSERT_GT(GetModuleFileNameW(nullptr, name, MAX_PATH), 0u);
  EXPECT_EQ(std::u16string(name), WindowsPath(fs::read_symlink("/proc/self/exe")));
  EXPECT_TRUE(FreeLibrary(program));
  EXPECT_TRUE(FreeLibrary(program));
  EXPECT_EQ(GetModuleHandleW(nullptr), program);
  EXPECT_TRUE(DisableThreadLibraryCalls(program));
}

// --- File version information ---

TEST(ModulesVersionInfo, FixedInfoOfAModuleRoundTripsFromItsSection) {
  const std::u16string windowsPath = WindowsPath(ProgramFolder() / "FIXMOD32.dll");
  DWORD handle = 99;
  const DWORD size = GetFileVersionInfoSizeA("FIXMOD32.dll", &handle);
  ASSERT_GT(size, sizeof(VS_FIXEDFILEINFO));
  EXPECT_EQ(handle, 0u);
  EXPECT_EQ(GetFileVersionInfoSizeW(windowsPath.c_str(), nullptr), size);

  std::vector<BYTE> block(size);
  ASSERT_TRUE(GetFileVersionInfoW(windowsPath.c_str(), 0, size, block.data()));
  VS_FIXEDFILEINFO *info = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<LPVOID *>(&info), &length));
  EXPECT_EQ(length, sizeof(VS_FIXEDFILEINFO));
  EXPECT_EQ(info->dwSignature, static_cast<DWORD>(VS_FFI_SIGNATURE));
  EXPECT_EQ(info->dwFileVersionMS, 0x00030001u);
  EXPECT_EQ(info->dwFileVersionLS, 0x0004000Fu);
  EXPECT_EQ(info->dwProductVersionMS, 0x00030001u);
  EXPECT_EQ(info->dwProductVersionLS, 0x0004000Fu);
  EXPECT_EQ(info->dwFileType, static_cast<DWORD>(VFT_DLL));

  VS_FIXEDFILEINFO *wideInfo = nullptr;
  ASSERT_TRUE(VerQueryValueW(block.data(), u"\\", reinterpret_cast<LPVOID *>(&wideInfo), &length));
  EXPECT_EQ(wideInfo, info);
}

TEST(ModulesVersionInfo, CopyIsTruncatedToTheCallersLength) {
  const DWORD size = GetFileVersionInfoSizeA("FIXMOD32.dll", nullptr);
  ASSERT_GT(size, 0u);
  std::vector<BYTE> whole(size);
  ASSERT_TRUE(GetFileVersionInfoA("FIXMOD32.dll", 0, size, whole.data()));
  for (const DWORD length : {size + 1, size - 1, DWORD{1}}) {
    std::vector<BYTE> block(size + 2, 0xEE);
    ASSERT_TRUE(GetFileVersionInfoA("FIXMOD32.dll", 0, length, block.data()));
    const DWORD copied = std::min(length, size);
    EXPECT_EQ(std::memcmp(block.data(), whole.data(), copied), 0) << length;
    EXPECT_EQ(block[copied], 0xEE) << length;
  }
}

TEST(ModulesVersionInfo, OnlyTheRootIsInTheBlock) {
  const DWORD size = GetFileVersionInfoSizeA("FIXMOD32.dll", nullptr);
  std::vector<BYTE> block(size);
  ASSERT_TRUE(GetFileVersionInfoA("FIXMOD32.dll", 0, size, block.data()));
  for (const char *subBlock :
       {"\\VarFileInfo\\Translation", "\\StringFileInfo\\040904b0\\FileVersion", ""}) {
    LPVOID value = nullptr;
    UINT length = 0;
    EXPECT_FALSE(VerQueryValueA(block.data(), subBlock, &value, &length)) << subBlock;
  }
  std::vector<BYTE> notABlock(size, 0);
  LPVOID value = nullptr;
  UINT length = 0;
  EXPECT_FALSE(VerQueryValueA(notABlock.data(), "\\", &value, &length));
}

// A small ELF64 file: header, section name table, the version section's bytes, section headers.
struct SyntheticElf {
  Elf64_Ehdr header{};
  std::vector<Elf64_Shdr> sections;
  std::vector<char> body;

  std::vector<char> Bytes() const {
    std::vector<char> bytes(sizeof header);
    std::memcpy(bytes.data(), &header, sizeof header);
    bytes.insert(bytes.end(), body.begin(), body.end());
    const auto *table = reinterpret_cast<const char *>(sections.data());
    bytes.insert(bytes.end(), table, table + sections.size() * sizeof(Elf64_Shdr));
    return bytes;
  }
};

SyntheticElf ElfWithSection(const char *sectionName, const std::vector<char> &content) {
  SyntheticElf elf;
  std::memcpy(elf.header.e_ident, ELFMAG, SELFMAG);
  elf.header.e_ident[EI_CLASS] = ELFCLASS64;
  elf.header.e_ident[EI_DATA] = ELFDATA2LSB;
  elf.header.e_ident[EI_VERSION] = EV_CURRENT;
  elf.header.e_type = ET_DYN;
  elf.header.e_machine = EM_X86_64;
  elf.header.e_version = EV_CURRENT;
  elf.header.e_ehsize = sizeof(Elf64_Ehdr);
  elf.header.e_shentsize = sizeof(Elf64_Shdr);
  elf.header.e_shnum = 3;
  elf.header.e_shstrndx = 1;

  const std::string names = std::string("\0.shstrtab\0", 11) + sectionName + '\0';
  elf.body.assign(names.begin(), names.end());
  const uint64_t contentOffset = sizeof(Elf64_Ehdr) + elf.body.size();
  elf.body.insert(elf.body.end(), content.begin(), content.end());
  elf.header.e_shoff = sizeof(Elf64_Ehdr) + elf.body.size();

  Elf64_Shdr nameTable{};
  nameTable.sh_name = 1;
  nameTable.sh_type = SHT_STRTAB;
  nameTable.sh_offset = sizeof(Elf64_Ehdr);
  nameTable.sh_size = names.size();
  Elf64_Shdr version{};
  version.sh_name = 11;
  version.sh_type = SHT_PROGBITS;
  version.sh_flags = SHF_ALLOC;
  version.sh_offset = contentOffset;
  version.sh_size = content.size();
  elf.sections = {Elf64_Shdr{}, nameTable, version};
  return elf;
}

std::vector<char> FixedInfoBytes(DWORD signature) {
  VS_FIXEDFILEINFO info{};
  info.dwSignature = signature;
  info.dwFileVersionMS = 0x00070008;
  info.dwFileVersionLS = 0x0009000A;
  std::vector<char> bytes(sizeof info);
  std::memcpy(bytes.data(), &info, sizeof info);
  return bytes;
}

TEST(ModulesVersionInfo, SectionWrittenByHandIsReadBack) {
  TemporaryFolder folder;
  const fs::path file = folder.path() / "HAND32.dll";
  WriteFile(file,
            ElfWithSection(WINPLAT_VERSION_SECTION, FixedInfoBytes(VS_FFI_SIGNATURE)).Bytes());
  const DWORD size = GetFileVersionInfoSizeA(file.c_str(), nullptr);
  ASSERT_GT(size, 0u);
  std::vector<BYTE> block(size);
  ASSERT_TRUE(GetFileVersionInfoA(file.c_str(), 0, size, block.data()));
  VS_FIXEDFILEINFO *info = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<LPVOID *>(&info), &length));
  EXPECT_EQ(info->dwFileVersionMS, 0x00070008u);
  EXPECT_EQ(info->dwFileVersionLS, 0x0009000Au);
}

// One case per way a file can lack a usable version section.
TEST(ModulesVersionInfo, FilesWithoutAUsableSectionFail) {
  TemporaryFolder folder;
  const std::vector<char> good = FixedInfoBytes(VS_FFI_SIGNATURE);
  struct Case {
    const char *name;
    std::function<std::vector<char>()> contents;
    DWORD error;
  };
  const Case cases[] = {
      {"other section name", [&] { return ElfWithSection("other_section", good).Bytes(); },
       ERROR_RESOURCE_TYPE_NOT_FOUND},
      {"no sections",
       [&] {
         SyntheticElf elf = ElfWithSection(WINPLAT_VERSION_SECTION, good);
         elf.header.e_shnum = 0;
         return elf.Bytes();
       },
       ERROR_RESOURCE_TYPE_NOT_FOUND},
      {"name outside the name table",
       [&] {
         SyntheticElf elf = ElfWithSection(WINPLAT_VERSION_SECTION, good);
         elf.sections[2].sh_name = 5000;
         return elf.Bytes();
       },
       ERROR_RESOURCE_TYPE_NOT_FOUND},
      {"section one byte short",
       [&] {
         std::vector<char> shorter(good.begin(), good.end() - 1);
         return ElfWithSection(WINPLAT_VERSION_SECTION, shorter).Bytes();
       },
       ERROR_INVALID_DATA},
      {"wrong signature",
       [&] { return ElfWithSection(WINPLAT_VERSION_SECTION, FixedInfoBytes(0x12345678)).Bytes(); },
       ERROR_INVALID_DATA},
      {"not ELF",
       [] {
         return std::vector<char>{'M', 'Z', 0, 0};
       },
       ERROR_BAD_EXE_FORMAT},
      {"32-bit ELF",
       [&] {
         SyntheticElf elf = ElfWithSection(WINPLAT_VERSION_SECTION, good);
         elf.header.e_ident[EI_CLASS] = ELFCLASS32;
         return elf.Bytes();
       },
       ERROR_BAD_EXE_FORMAT},
      {"section table past the end",
       [&] {
         SyntheticElf elf = ElfWithSection(WINPLAT_VERSION_SECTION, good);
         elf.header.e_shoff += 1;
         return elf.Bytes();
       },
       ERROR_BAD_EXE_FORMAT},
      {"section table offset wraps around",
       [&] {
         SyntheticElf elf = ElfWithSection(WINPLAT_VERSION_SECTION, good);
         elf.header.e_shoff = ~uint64_t{0} - 16;
         return elf.Bytes();
       },
       ERROR_BAD_EXE_FORMAT},
      {"section header entries too small",
       [&] {
         SyntheticElf elf = ElfWithSection(WINPLAT_VERSION_SECTION, good);
         elf.header.e_shentsize = sizeof(Elf64_Shdr) - 1;
         return elf.Bytes();
       },
       ERROR_BAD_EXE_FORMAT},
      {"name table index out of range",
       [&] {
         SyntheticElf elf = ElfWithSection(WINPLAT_VERSION_SECTION, good);
         elf.header.e_shstrndx = 3;
         return elf.Bytes();
       },
       ERROR_BAD_EXE_FORMAT},
      {"name table past the end",
       [&] {
         SyntheticElf elf = ElfWithSection(WINPLAT_VERSION_SECTION, good);
         elf.sections[1].sh_size = 1 << 20;
         return elf.Bytes();
       },
       ERROR_BAD_EXE_FORMAT},
      {"section data past the end",
       [&] {
         SyntheticElf elf = ElfWithSection(WINPLAT_VERSION_SECTION, good);
         elf.sections[2].sh_offset = elf.Bytes().size() - 10;
         return elf.Bytes();
       },
       ERROR_BAD_EXE_FORMAT},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path file = folder.path() / "BROKEN32.dll";
    WriteFile(file, c.contents());
    SetLastError(ERROR_SUCCESS);
    DWORD handle = 99;
    EXPECT_EQ(GetFileVersionInfoSizeA(file.c_str(), &handle), 0u);
    EXPECT_EQ(GetLastError(), c.error);
    BYTE block[128];
    SetLastError(ERROR_SUCCESS);
    EXPECT_FALSE(GetFileVersionInfoA(file.c_str(), 0, sizeof block, block));
    EXPECT_EQ(GetLastError(), c.error);
  }
}

TEST(ModulesVersionInfo, ModulesWithoutTheSectionAndMissingFilesFail) {
  SetLastError(ERROR_SUCCESS);
  EXPECT_EQ(GetFileVersionInfoSizeA("FIXFAIL32.dll", nullptr), 0u);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_TYPE_NOT_FOUND));
  EXPECT_EQ(GetFileVersionInfoSizeW(u"NOSUCH32.dll", nullptr), 0u);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  BYTE block[128];
  EXPECT_FALSE(GetFileVersionInfoW(u"NOSUCH32.dll", 0, sizeof block, block));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

}  // namespace
