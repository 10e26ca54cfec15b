// Mapping between Windows paths and host paths: drive letters, case, Z:, host paths, relative
// paths and the limits of a drive.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "winplat/config.h"
#include "windows.h"

namespace {

namespace fs = std::filesystem;

class PathsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/winplat-paths-XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(pattern));
    root_ = pattern;
    driveC_ = root_ + "/drive_c";
    fs::create_directories(driveC_ + "/windows/system32");
    std::ofstream(driveC_ + "/windows/system32/X") << "x";
    winplat::MapDrive('C', driveC_);
    previousDirectory_ = fs::current_path();
  }

  void TearDown() override {
    fs::current_path(previousDirectory_);
    winplat::MapDrive('C', "");
    winplat::MapDrive('D', "");
    winplat::MapDrive('Z', "/");
    fs::remove_all(root_);
  }

  // The Windows spelling of a host path below Z:, in upper case when asked.
  static std::string ZPath(const std::string &hostPath, bool upper = false) {
    std::string path = "Z:" + hostPath;
    for (char &c : path) {
      c = c == '/' ? '\\' : upper ? static_cast<char>(std::toupper(c)) : c;
    }
    return path;
  }

  std::string root_;
  std::string driveC_;
  fs::path previousDirectory_;
};

TEST_F(PathsTest, DrivePathsFindExistingComponentsWithoutRegardToCase) {
  struct Case {
    std::string windowsPath;
    std::string underDriveC;
  };
  const Case cases[] = {
      {"C:\\WINDOWS\\System32\\x", "/windows/system32/X"},
      {"c:/windows/SYSTEM32/New.txt", "/windows/system32/New.txt"},
      {"C:\\Windows\\NewDir\\Sub\\f", "/windows/NewDir/Sub/f"},
      {"C:\\windows\\.\\system32\\..\\\\x.ini", "/windows/x.ini"},
      {"C:\\", ""},
      {"C:", ""},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(driveC_ + c.underDriveC, winplat::HostPathFromWindows(c.windowsPath))
        << c.windowsPath;
  }
}

TEST_F(PathsTest, DriveZIsTheHostRootAndHostPathsStayAsTheyAre) {
  EXPECT_EQ(driveC_ + "/windows/system32/X",
            winplat::HostPathFromWindows(ZPath(driveC_, true) + "\\WINDOWS\\SYSTEM32\\X"));
  EXPECT_EQ("/tmp/No/Such/a.jzp", winplat::HostPathFromWindows("/tmp/No/Such/a.jzp"));
  EXPECT_EQ("/", winplat::HostPathFromWindows("Z:\\"));
}

TEST_F(PathsTest, RelativePathsStartFromTheCurrentDirectory) {
  fs::current_path(driveC_ + "/windows");
  EXPECT_EQ(driveC_ + "/windows/system32/X", winplat::HostPathFromWindows("SYSTEM32\\x"));
  EXPECT_EQ(driveC_ + "/other", winplat::HostPathFromWindows("..\\other"));
  EXPECT_EQ(driveC_ + "/windows/system32",
            winplat::HostPathFromWindows("\\Windows\\System32"));  // the current drive's root
  SetLastError(0);
  EXPECT_EQ("", winplat::HostPathFromWindows("..\\..\\escape"));
  EXPECT_EQ(static_cast<DWORD>(ERROR_PATH_NOT_FOUND), GetLastError());
}

TEST_F(PathsTest, PathsWithoutAHostPathFail) {
  struct Case {
    std::string windowsPath;
    DWORD error;
  };
  const Case cases[] = {
      {"C:\\..\\etc\\passwd", ERROR_PATH_NOT_FOUND},
      {"C:\\windows\\..\\..\\x", ERROR_PATH_NOT_FOUND},
      {"Q:\\unmapped", ERROR_PATH_NOT_FOUND},
      {"C:\\a?b", ERROR_INVALID_NAME},
      {"C:\\dir|x\\b", ERROR_INVALID_NAME},
      {"C:\\a\x01", ERROR_INVALID_NAME},
      {"1:\\x", ERROR_INVALID_NAME},
      {"\\\\server\\share\\x", ERROR_BAD_NETPATH},
      {"", ERROR_PATH_NOT_FOUND},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.windowsPath);
    SetLastError(0);
    EXPECT_EQ("", winplat::HostPathFromWindows(c.windowsPath));
    EXPECT_EQ(c.error, GetLastError());
  }
}

TEST_F(PathsTest, HostPathsGetTheirDriveForm) {
  EXPECT_EQ("C:\\windows\\system32", winplat::WindowsPathFromHost(driveC_ + "/windows/system32"));
  EXPECT_EQ("C:\\", winplat::WindowsPathFromHost(driveC_));
  EXPECT_EQ("C:\\x", winplat::WindowsPathFromHost(driveC_ + "/windows/../x"));
  EXPECT_EQ("Z:\\tmp\\other.jzp", winplat::WindowsPathFromHost("/tmp/other.jzp"));
  // A folder that only starts like the drive's folder is not on the drive.
  EXPECT_EQ(ZPath(driveC_ + "x"), winplat::WindowsPathFromHost(driveC_ + "x"));
  fs::current_path(driveC_ + "/windows");
  EXPECT_EQ("C:\\windows\\a.ini", winplat::WindowsPathFromHost("a.ini"));

  // The innermost drive wins.
  winplat::MapDrive('d', driveC_ + "/windows/");
  EXPECT_EQ("D:\\system32\\X", winplat::WindowsPathFromHost(driveC_ + "/windows/system32/X"));
  EXPECT_EQ(driveC_ + "/windows/system32/X", winplat::HostPathFromWindows("d:\\SYSTEM32\\x"));

  winplat::MapDrive('Z', "");
  SetLastError(0);
  EXPECT_EQ("", winplat::WindowsPathFromHost("/tmp/other.jzp"));
  EXPECT_EQ(static_cast<DWORD>(ERROR_PATH_NOT_FOUND), GetLastError());
  EXPECT_EQ("", winplat::HostPathFromWindows("Z:\\tmp"));
}

TEST_F(PathsTest, DriveFormsRoundTrip) {
  for (const std::string path :
       {"C:\\windows\\system32\\X", "C:\\windows\\new folder\\a b.txt", "C:\\"}) {
    EXPECT_EQ(path, winplat::WindowsPathFromHost(winplat::HostPathFromWindows(path)));
  }
}

TEST_F(PathsTest, OnlyLettersAreDrives) {
  EXPECT_THROW(winplat::MapDrive('1', "/tmp"), std::invalid_argument);
  EXPECT_THROW(winplat::MapDrive('@', "/tmp"), std::invalid_argument);
}

}  // namespace
