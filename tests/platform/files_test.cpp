// KERNEL32 files on a temporary drive C: creation dispositions, sharing, reading and writing,
// file pointers, moving and deleting, searches, system folders and .ini integers.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "winplat/config.h"
#include "windows.h"

namespace {

namespace fs = std::filesystem;

class AnsiCodePage {
 public:
  explicit AnsiCodePage(UINT codePage) { winplat::SetAnsiCodePage(codePage); }
  ~AnsiCodePage() { winplat::SetAnsiCodePage(1252); }
};

class FilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/winplat-files-XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(pattern));
    root_ = pattern;
    fs::create_directories(root_ + "/windows/Profiles");
    winplat::MapDrive('C', root_);
  }

  void TearDown() override {
    for (HANDLE handle : opened_)
      CloseHandle(handle);
    winplat::MapDrive('C', "");
    fs::remove_all(root_);
  }

  HANDLE Open(const char *path, DWORD access, DWORD share, DWORD disposition,
              DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    const HANDLE handle =
        CreateFileA(path, access, share, nullptr, disposition, attributes, nullptr);
    if (handle != INVALID_HANDLE_VALUE)
      opened_.push_back(handle);
    return handle;
  }

  void Close(HANDLE handle) {
    std::erase(opened_, handle);
    EXPECT_TRUE(CloseHandle(handle));
  }

  std::string Host(const std::string &underDrive) const { return root_ + "/" + underDrive; }

  void WriteHost(const std::string &underDrive, const std::string &content) const {
    std::ofstream(Host(underDrive), std::ios::binary) << content;
  }

  std::string ReadHost(const std::string &underDrive) const {
    std::ifstream file(Host(underDrive), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  }

  std::string root_;
  std::vector<HANDLE> opened_;
};

TEST_F(FilesTest, CreationDispositionsAndTheirResults) {
  struct Case {
    const char *what;
    bool exists;
    DWORD disposition;
    DWORD lastError;  // after success, or the error of the failure
    bool succeeds;
    std::string contentAfter;
  };
  const Case cases[] = {
      {"create new", false, CREATE_NEW, ERROR_SUCCESS, true, ""},
      {"create new over a file", true, CREATE_NEW, ERROR_FILE_EXISTS, false, "old"},
      {"create always", false, CREATE_ALWAYS, ERROR_SUCCESS, true, ""},
      {"create always over a file", true, CREATE_ALWAYS, ERROR_ALREADY_EXISTS, true, ""},
      {"open existing", true, OPEN_EXISTING, ERROR_SUCCESS, true, "old"},
      {"open a missing file", false, OPEN_EXISTING, ERROR_FILE_NOT_FOUND, false, ""},
      {"open always", false, OPEN_ALWAYS, ERROR_SUCCESS, true, ""},
      {"open always over a file", true, OPEN_ALWAYS, ERROR_ALREADY_EXISTS, true, "old"},
      {"truncate", true, TRUNCATE_EXISTING, ERROR_SUCCESS, true, ""},
      {"truncate a missing file", false, TRUNCATE_EXISTING, ERROR_FILE_NOT_FOUND, false, ""},
      {"disposition 0", true, 0, ERROR_INVALID_PARAMETER, false, "old"},
      {"disposition 6", true, 6, ERROR_INVALID_PARAMETER, false, "old"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove(Host("f.txt"));
    if (c.exists)
      WriteHost("f.txt", "old");
    SetLastError(0xDEADBEEF);
    const HANDLE handle = Open("C:\\f.txt", GENERIC_READ | GENERIC_WRITE, 0, c.disposition);
    EXPECT_EQ(c.succeeds, handle != INVALID_HANDLE_VALUE);
    EXPECT_EQ(c.lastError, GetLastError());
    if (handle != INVALID_HANDLE_VALUE)
      Close(handle);
    EXPECT_EQ(c.exists || c.succeeds, fs::exists(Host("f.txt")));
    EXPECT_EQ(c.contentAfter, ReadHost("f.txt"));
  }
  SetLastError(0);
  EXPECT_EQ(INVALID_HANDLE_VALUE, Open("C:\\missing\\f.txt", GENERIC_READ, 0, OPEN_EXISTING));
  EXPECT_EQ(static_cast<DWORD>(ERROR_PATH_NOT_FOUND), GetLastError());
  EXPECT_EQ(INVALID_HANDLE_VALUE, Open("C:\\missing\\f.txt", GENERIC_WRITE, 0, CREATE_NEW));
  EXPECT_EQ(static_cast<DWORD>(ERROR_PATH_NOT_FOUND), GetLastError());
  EXPECT_EQ(INVALID_HANDLE_VALUE, Open("C:\\windows", GENERIC_READ, 0, OPEN_EXISTING));
  EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), GetLastError());
  EXPECT_EQ(INVALID_HANDLE_VALUE,
            Open("C:\\t.txt", GENERIC_WRITE, 0, CREATE_NEW, FILE_FLAG_DELETE_ON_CLOSE));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
}

TEST_F(FilesTest, SharingModesAreCheckedBothWays) {
  struct Case {
    DWORD firstAccess, firstShare, secondAccess, secondShare;
    bool allowed;
  };
  const DWORD read = GENERIC_READ, write = GENERIC_WRITE;
  const DWORD shareRead = FILE_SHARE_READ, shareWrite = FILE_SHARE_WRITE;
  const Case cases[] = {
      {read, shareRead, read, shareRead, true},
      {read, 0, read, shareRead, false},           // the first refuses readers
      {read, shareRead, read, 0, false},           // the second refuses the reader already there
      {read, shareRead, write, shareRead, false},  // the first refuses writers
      {write, shareRead, read, shareRead, false},  // the second refuses the writer already there
      {write, shareRead, read, shareRead | shareWrite, true},
      {read | write, shareRead | shareWrite, read | write, shareRead | shareWrite, true},
      {0, 0, read | write, 0, true},  // without rights an open shares anything
      {read, 0, 0, 0, true},
      {DELETE, shareRead, read, shareRead, false},  // the second refuses deletion
      {DELETE, FILE_SHARE_READ, read, FILE_SHARE_READ | FILE_SHARE_DELETE, true},
      {read, shareRead, DELETE, shareRead, false},
  };
  WriteHost("s.txt", "data");
  for (const Case &c : cases) {
    SCOPED_TRACE(std::to_string(&c - cases));
    const HANDLE first = Open("C:\\s.txt", c.firstAccess, c.firstShare, OPEN_EXISTING);
    ASSERT_NE(INVALID_HANDLE_VALUE, first);
    SetLastError(0);
    const HANDLE second = Open("c:\\S.TXT", c.secondAccess, c.secondShare, OPEN_EXISTING);
    EXPECT_EQ(c.allowed, second != INVALID_HANDLE_VALUE);
    if (second != INVALID_HANDLE_VALUE) {
      Close(second);
    } else {
      EXPECT_EQ(static_cast<DWORD>(ERROR_SHARING_VIOLATION), GetLastError());
    }
    Close(first);
  }
  // Truncating counts as writing even without the right to write.
  const HANDLE reader = Open("C:\\s.txt", GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
  EXPECT_EQ(INVALID_HANDLE_VALUE, Open("C:\\s.txt", GENERIC_READ, FILE_SHARE_READ, CREATE_ALWAYS));
  EXPECT_EQ(static_cast<DWORD>(ERROR_SHARING_VIOLATION), GetLastError());
  EXPECT_EQ("data", ReadHost("s.txt"));
  Close(reader);
}

TEST_F(FilesTest, DeletingNeedsOpenHandlesToShareDeletion) {
  WriteHost("d.txt", "data");
  const HANDLE holder = Open("C:\\d.txt", GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
  SetLastError(0);
  EXPECT_FALSE(DeleteFileA("C:\\D.txt"));
  EXPECT_EQ(static_cast<DWORD>(ERROR_SHARING_VIOLATION), GetLastError());
  Close(holder);
  const HANDLE sharing = Open("C:\\d.txt", GENERIC_READ, FILE_SHARE_DELETE, OPEN_EXISTING);
  EXPECT_TRUE(DeleteFileW(u"C:\\D.TXT"));
  EXPECT_FALSE(fs::exists(Host("d.txt")));
  Close(sharing);

  const struct {
    const char *path;
    DWORD error;
  } failures[] = {
      {"C:\\d.txt", ERROR_FILE_NOT_FOUND},
      {"C:\\nowhere\\d.txt", ERROR_PATH_NOT_FOUND},
      {"C:\\windows", ERROR_ACCESS_DENIED},
  };
  for (const auto &f : failures) {
    SetLastError(0);
    EXPECT_FALSE(DeleteFileA(f.path)) << f.path;
    EXPECT_EQ(f.error, GetLastError()) << f.path;
  }
}

TEST_F(FilesTest, WritesReadBackAndRightsAreEnforced) {
  const HANDLE writer = Open("C:\\rw.bin", GENERIC_WRITE, FILE_SHARE_READ, CREATE_ALWAYS);
  DWORD count = 0;
  std::string data(100000, '\0');
  for (size_t i = 0; i < data.size(); ++i)
    data[i] = static_cast<char>(i * 7);
  EXPECT_TRUE(WriteFile(writer, data.data(), static_cast<DWORD>(data.size()), &count, nullptr));
  EXPECT_EQ(data.size(), count);
  char byte;
  SetLastError(0);
  EXPECT_FALSE(ReadFile(writer, &byte, 1, &count, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), GetLastError());

  const HANDLE reader =
      Open("C:\\rw.bin", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
  std::string back(data.size() + 10, '#');
  EXPECT_TRUE(ReadFile(reader, back.data(), static_cast<DWORD>(back.size()), &count, nullptr));
  EXPECT_EQ(data.size(), count);
  EXPECT_EQ(data, back.substr(0, count));
  // At the end a read succeeds with nothing.
  EXPECT_TRUE(ReadFile(reader, back.data(), 10, &count, nullptr));
  EXPECT_EQ(0u, count);
  EXPECT_FALSE(WriteFile(reader, "x", 1, &count, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), GetLastError());
  OVERLAPPED overlapped = {};
  EXPECT_FALSE(ReadFile(reader, back.data(), 1, &count, &overlapped));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
  EXPECT_FALSE(ReadFile(reinterpret_cast<HANDLE>(0x1234), back.data(), 1, &count, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
}

TEST_F(FilesTest, FilePointerMovesAndLimits) {
  WriteHost("p.bin", "0123456789");
  const HANDLE file = Open("C:\\p.bin", GENERIC_READ, 0, OPEN_EXISTING);
  struct Case {
    LONG distance;
    bool withHigh;
    LONG high;
    DWORD method;
    DWORD result;
    LONG highAfter;
    DWORD error;
  };
  const Case cases[] = {
      {4, false, 0, FILE_BEGIN, 4, 0, 0},
      {2, false, 0, FILE_CURRENT, 6, 0, 0},
      {-1, false, 0, FILE_END, 9, 0, 0},
      {-10, false, 0, FILE_CURRENT, INVALID_SET_FILE_POINTER, 0, ERROR_NEGATIVE_SEEK},
      {5, true, 1, FILE_BEGIN, 5, 1, 0},                      // 4 GiB + 5, past the end
      {-6, true, -1, FILE_CURRENT, 0xFFFFFFFF, 0, NO_ERROR},  // valid position 0xFFFFFFFF
      {0, false, 0, FILE_CURRENT, INVALID_SET_FILE_POINTER, 0, NO_ERROR},
      {1, false, 0, FILE_CURRENT, INVALID_SET_FILE_POINTER, 0, ERROR_INVALID_PARAMETER},
      {0, false, 0, 7, INVALID_SET_FILE_POINTER, 0, ERROR_INVALID_PARAMETER},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(std::to_string(&c - cases));
    LONG high = c.high;
    SetLastError(0xDEADBEEF);
    EXPECT_EQ(c.result, SetFilePointer(file, c.distance, c.withHigh ? &high : nullptr, c.method));
    if (c.withHigh) {
      EXPECT_EQ(c.highAfter, high);
    }
    if (c.result == INVALID_SET_FILE_POINTER) {
      EXPECT_EQ(c.error, GetLastError());
    }
  }
  SetFilePointer(file, 3, nullptr, FILE_BEGIN);
  char digit;
  DWORD count;
  ReadFile(file, &digit, 1, &count, nullptr);
  EXPECT_EQ('3', digit);
}

TEST_F(FilesTest, FileSizesBeyondFourGigabytes) {
  WriteHost("big.bin", "");
  fs::resize_file(Host("big.bin"), 0x100000005ULL);  // sparse
  const HANDLE file = Open("C:\\big.bin", GENERIC_READ, 0, OPEN_EXISTING);
  DWORD high = 0;
  EXPECT_EQ(5u, GetFileSize(file, &high));
  EXPECT_EQ(1u, high);
  EXPECT_EQ(5u, GetFileSize(file, nullptr));
  SetLastError(0);
  EXPECT_EQ(INVALID_FILE_SIZE, GetFileSize(reinterpret_cast<HANDLE>(8), &high));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
}

TEST_F(FilesTest, HandlesCloseOnceAndOnlyByTheirOwnFunction) {
  WriteHost("h.txt", "");
  const HANDLE file = Open("C:\\h.txt", GENERIC_READ, 0, OPEN_EXISTING);
  WIN32_FIND_DATAA data;
  const HANDLE search = FindFirstFileA("C:\\*", &data);
  ASSERT_NE(INVALID_HANDLE_VALUE, search);
  SetLastError(0);
  EXPECT_FALSE(FindClose(file));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
  EXPECT_FALSE(CloseHandle(search));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
  EXPECT_TRUE(FindClose(search));
  EXPECT_FALSE(FindClose(search));
  Close(file);
  SetLastError(0);
  EXPECT_FALSE(CloseHandle(file));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
  EXPECT_FALSE(CloseHandle(nullptr));
  EXPECT_FALSE(CloseHandle(INVALID_HANDLE_VALUE));
  // A closed file no longer holds its share mode.
  EXPECT_NE(INVALID_HANDLE_VALUE, Open("C:\\h.txt", GENERIC_WRITE, 0, OPEN_EXISTING));
}

TEST_F(FilesTest, ReadOnlyFilesRefuseWritingAndDeleting) {
  Close(Open("C:\\ro.txt", GENERIC_WRITE, 0, CREATE_NEW, FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE),
            GetFileAttributesA("C:\\ro.txt"));
  SetLastError(0);
  EXPECT_EQ(INVALID_HANDLE_VALUE, Open("C:\\ro.txt", GENERIC_WRITE, 0, OPEN_EXISTING));
  EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), GetLastError());
  EXPECT_EQ(INVALID_HANDLE_VALUE, Open("C:\\ro.txt", GENERIC_READ, 0, CREATE_ALWAYS));
  EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), GetLastError());
  EXPECT_FALSE(DeleteFileA("C:\\ro.txt"));
  EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), GetLastError());
  EXPECT_NE(INVALID_HANDLE_VALUE, Open("C:\\ro.txt", GENERIC_READ, 0, OPEN_EXISTING));
}

TEST_F(FilesTest, MovingFilesAndDirectories) {
  WriteHost("a.txt", "A");
  WriteHost("b.txt", "B");
  SetLastError(0);
  EXPECT_FALSE(MoveFileA("C:\\a.txt", "C:\\B.TXT"));
  EXPECT_EQ(static_cast<DWORD>(ERROR_ALREADY_EXISTS), GetLastError());
  EXPECT_FALSE(MoveFileA("C:\\none.txt", "C:\\c.txt"));
  EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), GetLastError());
  EXPECT_FALSE(MoveFileA("C:\\a.txt", "C:\\nowhere\\c.txt"));
  EXPECT_EQ(static_cast<DWORD>(ERROR_PATH_NOT_FOUND), GetLastError());

  const HANDLE holder = Open("C:\\a.txt", GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
  EXPECT_FALSE(MoveFileA("C:\\a.txt", "C:\\c.txt"));
  EXPECT_EQ(static_cast<DWORD>(ERROR_SHARING_VIOLATION), GetLastError());
  Close(holder);

  EXPECT_TRUE(MoveFileW(u"C:\\A.TXT", u"C:\\windows\\Profiles\\c.txt"));
  EXPECT_EQ("A", ReadHost("windows/Profiles/c.txt"));
  EXPECT_FALSE(fs::exists(Host("a.txt")));
  // A change of case renames.
  EXPECT_TRUE(MoveFileA("C:\\b.txt", "C:\\B.txt"));
  EXPECT_TRUE(fs::exists(Host("B.txt")));
  EXPECT_FALSE(fs::exists(Host("b.txt")));
  EXPECT_TRUE(MoveFileA("C:\\WINDOWS\\profiles", "C:\\moved"));
  EXPECT_EQ("A", ReadHost("moved/c.txt"));
}

TEST_F(FilesTest, MovingAFileToAnotherFileSystemCopiesIt) {
  struct stat here, there;
  if (stat(root_.c_str(), &here) != 0 || stat("/dev/shm", &there) != 0 ||
      here.st_dev == there.st_dev) {
    GTEST_SKIP() << "no second file system at /dev/shm";
  }
  char pattern[] = "/dev/shm/winplat-files-XXXXXX";
  ASSERT_NE(nullptr, mkdtemp(pattern));
  const std::string elsewhere = pattern;
  WriteHost("m.bin", std::string(200000, 'm'));
  EXPECT_TRUE(MoveFileA("C:\\m.bin", (elsewhere + "/m.bin").c_str()));
  EXPECT_FALSE(fs::exists(Host("m.bin")));
  EXPECT_EQ(200000u, fs::file_size(elsewhere + "/m.bin"));
  SetLastError(0);
  EXPECT_FALSE(MoveFileA("C:\\windows", (elsewhere + "/windows").c_str()));
  EXPECT_EQ(static_cast<DWORD>(ERROR_NOT_SAME_DEVICE), GetLastError());
  fs::remove_all(elsewhere);
}

TEST_F(FilesTest, DirectoriesAndAttributes) {
  EXPECT_TRUE(CreateDirectoryA("C:\\WINDOWS\\new", nullptr));
  EXPECT_TRUE(fs::is_directory(Host("windows/new")));
  SetLastError(0);
  EXPECT_FALSE(CreateDirectoryW(u"C:\\windows\\NEW", nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_ALREADY_EXISTS), GetLastError());
  EXPECT_FALSE(CreateDirectoryA("C:\\no\\such", nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_PATH_NOT_FOUND), GetLastError());

  WriteHost("attr.txt", "x");
  EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY), GetFileAttributesA("C:\\Windows"));
  EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE), GetFileAttributesW(u"C:\\ATTR.TXT"));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("C:\\missing.txt"));
  EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), GetLastError());
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("C:\\attr.txt\\x"));
  EXPECT_EQ(static_cast<DWORD>(ERROR_PATH_NOT_FOUND), GetLastError());
}

std::vector<std::string> FindNames(const std::string &pattern) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA data;
  const HANDLE search = FindFirstFileA(pattern.c_str(), &data);
  if (search == INVALID_HANDLE_VALUE)
    return names;
  do {
    names.push_back(data.cFileName);
  } while (FindNextFileA(search, &data));
  EXPECT_EQ(static_cast<DWORD>(ERROR_NO_MORE_FILES), GetLastError());
  FindClose(search);
  return names;
}

TEST_F(FilesTest, FindPatternsMatchAsWindowsDoes) {
  fs::create_directories(Host("w"));
  for (const char *name : {"a.txt", "B.TXT", "ab.txt.bak", "abc", "abcd", "read.me.txt", "x.t"}) {
    WriteHost(std::string("w/") + name, "");
  }
  using Names = std::vector<std::string>;
  struct Case {
    const char *pattern;
    Names names;
  };
  const Case cases[] = {
      {"*", {".", "..", "a.txt", "ab.txt.bak", "abc", "abcd", "B.TXT", "read.me.txt", "x.t"}},
      {"*.*", {".", "..", "a.txt", "ab.txt.bak", "abc", "abcd", "B.TXT", "read.me.txt", "x.t"}},
      {"*.txt", {"a.txt", "B.TXT", "read.me.txt"}},
      {"*.TXT*", {"a.txt", "ab.txt.bak", "B.TXT", "read.me.txt"}},
      {"*.", {".", "..", "abc", "abcd"}},
      {"ab?", {"abc"}},
      {"abc?", {"abc", "abcd"}},  // '?' also matches nothing at the end
      {"?.txt", {"a.txt", "B.TXT"}},
      {"??.txt", {"a.txt", "B.TXT"}},  // and nothing before a dot
      {"abc.*", {"abc"}},              // ".*" also matches no extension
      {"x.?", {"x.t"}},
      {"*.?", {".", "..", "abc", "abcd", "x.t"}},
      {"b.txt", {"B.TXT"}},
      {"nothing*", {}},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(c.names, FindNames(std::string("C:\\w\\") + c.pattern)) << c.pattern;
  }
}

TEST_F(FilesTest, FindReportsEntriesAndErrors) {
  WriteHost("windows/Data.bin", std::string(1234, 'd'));
  WIN32_FIND_DATAW data;
  const HANDLE search = FindFirstFileW(u"C:\\WINDOWS\\d*", &data);
  ASSERT_NE(INVALID_HANDLE_VALUE, search);
  EXPECT_EQ(std::u16string(u"Data.bin"), data.cFileName);
  EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE), data.dwFileAttributes);
  EXPECT_EQ(1234u, data.nFileSizeLow);
  EXPECT_EQ(0u, data.nFileSizeHigh);
  EXPECT_EQ(0, data.cAlternateFileName[0]);
  // 2000-01-01 or later, in 100 ns units since 1601.
  EXPECT_GT(data.ftLastWriteTime.dwHighDateTime, 0x01BF53EBu);
  EXPECT_FALSE(FindNextFileW(search, &data));
  EXPECT_EQ(static_cast<DWORD>(ERROR_NO_MORE_FILES), GetLastError());
  FindClose(search);

  // A drive's root has no "." and "..".
  EXPECT_EQ(std::vector<std::string>({"windows"}), FindNames("C:\\*"));
  EXPECT_EQ(std::vector<std::string>({"windows"}), FindNames("C:*"));
  const struct {
    const char *pattern;
    DWORD error;
  } failures[] = {
      {"C:\\windows\\*.none", ERROR_FILE_NOT_FOUND},
      {"C:\\windows\\", ERROR_FILE_NOT_FOUND},
      {"C:\\nowhere\\*", ERROR_PATH_NOT_FOUND},
      {"Q:\\*", ERROR_PATH_NOT_FOUND},
  };
  for (const auto &f : failures) {
    WIN32_FIND_DATAA narrow;
    SetLastError(0);
    EXPECT_EQ(INVALID_HANDLE_VALUE, FindFirstFileA(f.pattern, &narrow)) << f.pattern;
    EXPECT_EQ(f.error, GetLastError()) << f.pattern;
  }
}

TEST_F(FilesTest, AnsiNamesFollowTheAnsiCodePage) {
  Close(Open("C:\\caf\xE9.txt", GENERIC_WRITE, 0, CREATE_NEW));
  EXPECT_TRUE(fs::exists(Host("café.txt")));
  EXPECT_EQ(std::vector<std::string>({"caf\xE9.txt"}), FindNames("C:\\CAF\xC9*"));
  WriteHost("漢字.txt", "");
  // A name the code page cannot spell comes out with default characters.
  EXPECT_EQ((std::vector<std::string>{"caf\xE9.txt", "??.txt"}), FindNames("C:\\*.txt"));
  AnsiCodePage japanese(932);
  EXPECT_EQ(std::vector<std::string>({"\x8A\xBF\x8E\x9A.txt"}), FindNames("C:\\\x8A\xBF*"));
  EXPECT_NE(INVALID_HANDLE_VALUE, Open("C:\\\x8A\xBF\x8E\x9A.TXT", GENERIC_READ, 0, OPEN_EXISTING));
}

TEST_F(FilesTest, SystemDirectoriesOnBothPlatforms) {
  const winplat::WindowsVersion previous = winplat::GetWindowsVersion();
  struct Case {
    winplat::WindowsVersion version;
    std::string system;
  };
  for (const Case &c : {Case{winplat::WindowsVersion::WinXP, "C:\\WINDOWS\\system32"},
                        Case{winplat::WindowsVersion::Win98, "C:\\WINDOWS\\SYSTEM"}}) {
    winplat::SetWindowsVersion(c.version);
    const UINT length = static_cast<UINT>(c.system.size());
    char buffer[64];
    std::fill(std::begin(buffer), std::end(buffer), '#');
    // Too small by one (no room for the terminator): the size needed, nothing written.
    EXPECT_EQ(length + 1, GetSystemDirectoryA(buffer, length));
    EXPECT_EQ('#', buffer[0]);
    EXPECT_EQ(length + 1, GetSystemDirectoryA(nullptr, 0));
    EXPECT_EQ(length, GetSystemDirectoryA(buffer, length + 1));
    EXPECT_EQ(c.system, buffer);
    WCHAR wide[64];
    EXPECT_EQ(length, GetSystemDirectoryW(wide, 64));
    EXPECT_EQ(std::u16string(c.system.begin(), c.system.end()), wide);
  }
  winplat::SetWindowsVersion(previous);
  char windows[16];
  EXPECT_EQ(11u, GetWindowsDirectoryA(windows, 10));
  EXPECT_EQ(10u, GetWindowsDirectoryA(windows, 11));
  EXPECT_STREQ("C:\\WINDOWS", windows);
  WCHAR wide[16];
  EXPECT_EQ(10u, GetWindowsDirectoryW(wide, 16));
}

TEST_F(FilesTest, PrivateProfileIntegers) {
  WriteHost("windows/prf.ini",
            "top=7\r\n[Settings]\r\n; comment=9\r\nCount = 42\r\nNegative=-1\r\nBig=4294967297\r\n"
            "Partial=42abc\r\nWord=abc\r\nEmpty=\r\nQuoted=\"15\"\r\n[ Other ]\r\ncount=5\r\n");
  struct Case {
    const char *section;
    const char *key;
    UINT expected;
  };
  const Case cases[] = {
      {"Settings", "Count", 42},
      {"SETTINGS", "count", 42},
      {"Settings", "Negative", 0xFFFFFFFF},
      {"Settings", "Big", 1},
      {"Settings", "Partial", 42},
      {"Settings", "Word", 0},
      {"Settings", "Empty", 99},
      {"Settings", "Quoted", 15},
      {"Settings", "comment", 99},
      {"Settings", "missing", 99},
      {"Other", "COUNT", 5},
      {"Missing", "Count", 99},
      {"Settings", "top", 99},
      {nullptr, "Count", 99},
      {"Settings", nullptr, 99},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(std::string(c.section ? c.section : "NULL") + "/" + (c.key ? c.key : "NULL"));
    EXPECT_EQ(c.expected, GetPrivateProfileIntA(c.section, c.key, 99, "prf.ini"));
  }
  EXPECT_EQ(42u, GetPrivateProfileIntA("Settings", "Count", 0, "C:\\Windows\\PRF.INI"));
  EXPECT_EQ(static_cast<UINT>(-3), GetPrivateProfileIntA("Settings", "Count", -3, "none.ini"));

  // UTF-16 with a byte-order mark.
  const std::u16string wide = u"[s]\r\nk=12\r\n";
  std::string bytes = "\xFF\xFE";
  for (char16_t unit : wide)
    bytes += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
  WriteHost("wide.ini", bytes);
  EXPECT_EQ(12u, GetPrivateProfileIntA("S", "K", 0, "C:\\wide.ini"));
}

}  // namespace
