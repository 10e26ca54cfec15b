// Module resources: lookup in the fixture module RESFIX32.dll by ordinal and by name, the errors
// for what is missing, damaged resource sections, and bitmaps and icons loaded from resources.
#include <gtest/gtest.h>

#include <windows.h>

#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kImages = fs::path(__FILE__).parent_path() / "../../host/resources/images";

std::vector<char> ReadFile(const fs::path &path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<char>(std::istreambuf_iterator<char>(in), {});
}

fs::path ProgramFolder() {
  return fs::read_symlink("/proc/self/exe").parent_path();
}

class Resources : public testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(module_, nullptr); }
  ~Resources() override { FreeLibrary(module_); }

  std::string DataOf(HRSRC resource) {
    const char *data = static_cast<const char *>(LockResource(LoadResource(module_, resource)));
    return std::string(data, SizeofResource(module_, resource));
  }

  HMODULE module_ = LoadLibraryA("RESFIX32.dll");
};

TEST_F(Resources, FoundByOrdinalByNameAndByNumberString) {
  struct Case {
    const char *what;
    HRSRC resource;
    std::string data;
  } cases[] = {
      {"ordinal", FindResourceA(module_, MAKEINTRESOURCEA(7), MAKEINTRESOURCEA(10)),
       std::string("ordinal data\0", 13)},
      {"#7", FindResourceW(module_, u"#7", MAKEINTRESOURCEW(10)),
       std::string("ordinal data\0", 13)},
      {"name in another case", FindResourceA(module_, "nameddata", MAKEINTRESOURCEA(10)),
       std::string("named data\0", 11)},
      {"wide name", FindResourceW(module_, u"NamedData", MAKEINTRESOURCEW(10)),
       std::string("named data\0", 11)},
  };
  for (const Case &c : cases) {
    ASSERT_NE(c.resource, nullptr) << c.what;
    EXPECT_EQ(DataOf(c.resource), c.data) << c.what;
  }
}

TEST_F(Resources, BitmapResourceIsTheFileWithoutItsFileHeader) {
  HRSRC resource = FindResourceW(module_, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(2));
  ASSERT_NE(resource, nullptr);
  const std::vector<char> file = ReadFile(kImages / "bmp112.bmp");
  ASSERT_GT(file.size(), 14u);
  EXPECT_EQ(DataOf(resource), std::string(file.begin() + 14, file.end()));
}

TEST_F(Resources, MissingTypeAndNameAreReportedApart) {
  struct Case {
    const char *what;
    HMODULE module;
    LPCWSTR name, type;
    DWORD error;
  } cases[] = {
      {"unknown name", module_, MAKEINTRESOURCEW(8), MAKEINTRESOURCEW(10),
       ERROR_RESOURCE_NAME_NOT_FOUND},
      {"unknown string name", module_, u"Missing", MAKEINTRESOURCEW(2),
       ERROR_RESOURCE_NAME_NOT_FOUND},
      {"type absent", module_, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(5),
       ERROR_RESOURCE_TYPE_NOT_FOUND},
      {"string type absent", module_, MAKEINTRESOURCEW(1), u"PNG", ERROR_RESOURCE_TYPE_NOT_FOUND},
      {"program without resources", nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(2),
       ERROR_RESOURCE_DATA_NOT_FOUND},
  };
  for (const Case &c : cases) {
    SetLastError(0);
    EXPECT_EQ(FindResourceW(c.module, c.name, c.type), nullptr) << c.what;
    EXPECT_EQ(GetLastError(), c.error) << c.what;
  }
}

// Copies of the fixture whose .res bytes are damaged in place, loaded as data files.
TEST_F(Resources, DamagedSectionIsRejectedWhole) {
  const std::vector<char> original = ReadFile(ProgramFolder() / "RESFIX32.dll");
  // The .res image opens with an empty record: sizes 0 and 32, type and name ordinal 0.
  const char lead[] = {0, 0, 0, 0, 32, 0, 0, 0, '\xff', '\xff', 0, 0, '\xff', '\xff', 0, 0};
  const auto found =
      std::search(original.begin(), original.end(), std::begin(lead), std::end(lead));
  ASSERT_NE(found, original.end());
  const size_t res = size_t(found - original.begin());
  const size_t second = res + 32;  // the first real record
  struct Case {
    const char *what;
    size_t offset;
    std::vector<char> bytes;
  } cases[] = {
      {"data size past the end", second, {'\xff', '\xff', '\xff', 0x7f}},
      {"header size past the end", second + 4, {'\xff', '\xff', '\xff', 0x7f}},
      {"header size below the sizes", second + 4, {4, 0, 0, 0}},
      {"header too short for its names", second + 4, {12, 0, 0, 0}},
      {"lead record too short", res + 4, {8, 0, 0, 0}},
  };
  int index = 0;
  for (const Case &c : cases) {
    std::vector<char> damaged = original;
    std::copy(c.bytes.begin(), c.bytes.end(), damaged.begin() + long(c.offset));
    const fs::path path = fs::temp_directory_path() / ("RESDMG" + std::to_string(getpid()) + "_" +
                                                       std::to_string(index++) + ".dll");
    std::ofstream(path, std::ios::binary).write(damaged.data(), long(damaged.size()));
    HMODULE copy = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(copy, nullptr) << c.what;
    SetLastError(0);
    EXPECT_EQ(FindResourceA(copy, MAKEINTRESOURCEA(7), MAKEINTRESOURCEA(10)), nullptr) << c.what;
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_DATA)) << c.what;
    FreeLibrary(copy);
    fs::remove(path);
  }
}

// The 24-bit pixels of a BMP file, top row first, as COLORREF.
std::vector<COLORREF> BmpPixels(const std::vector<char> &file, int &width, int &height) {
  BITMAPINFOHEADER header;
  std::memcpy(&header, file.data() + 14, sizeof header);
  width = header.biWidth;
  height = header.biHeight;
  const size_t stride = (size_t(width) * 3 + 3) / 4 * 4;
  std::vector<COLORREF> pixels;
  for (int y = 0; y < height; ++y) {
    const auto *row =
        reinterpret_cast<const BYTE *>(file.data()) + 54 + stride * size_t(height - 1 - y);
    for (int x = 0; x < width; ++x)
      pixels.push_back(RGB(row[x * 3 + 2], row[x * 3 + 1], row[x * 3]));
  }
  return pixels;
}

TEST_F(Resources, LoadImageCreatesADibSectionWithTheFilesBits) {
  const std::vector<char> file = ReadFile(kImages / "bmp1346.bmp");
  HBITMAP bitmap = static_cast<HBITMAP>(
      LoadImageW(module_, u"PRINTER", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  ASSERT_NE(bitmap, nullptr);
  BITMAP info{};
  ASSERT_EQ(GetObjectW(bitmap, sizeof info, &info), int(sizeof info));
  EXPECT_EQ(info.bmWidth, 60);
  EXPECT_EQ(info.bmHeight, 40);
  EXPECT_EQ(info.bmBitsPixel, 24);
  ASSERT_NE(info.bmBits, nullptr);
  const size_t size = size_t(info.bmWidthBytes) * info.bmHeight;
  ASSERT_EQ(file.size(), 54 + size);
  EXPECT_EQ(std::memcmp(info.bmBits, file.data() + 54, size), 0);
  DeleteObject(bitmap);
}

TEST_F(Resources, LoadBitmapGivesADeviceBitmapWithTheSamePixels) {
  int width = 0, height = 0;
  const std::vector<COLORREF> expected = BmpPixels(ReadFile(kImages / "bmp112.bmp"), width, height);
  HBITMAP bitmap = LoadBitmapA(module_, MAKEINTRESOURCEA(1));
  ASSERT_NE(bitmap, nullptr);
  BITMAP info{};
  GetObjectA(bitmap, sizeof info, &info);
  EXPECT_EQ(info.bmBits, nullptr);
  EXPECT_EQ(info.bmBitsPixel, 32);
  HDC hdc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(hdc, bitmap);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      ASSERT_EQ(GetPixel(hdc, x, y), expected[size_t(y) * width + x]) << x << "," << y;
  SelectObject(hdc, old);
  DeleteDC(hdc);
  DeleteObject(bitmap);
}

TEST_F(Resources, LoadImageStretchesToTheAskedSize) {
  int width = 0, height = 0;
  const std::vector<COLORREF> expected = BmpPixels(ReadFile(kImages / "bmp112.bmp"), width, height);
  HBITMAP bitmap =
      static_cast<HBITMAP>(LoadImageA(module_, MAKEINTRESOURCEA(1), IMAGE_BITMAP, 64, 96, 0));
  ASSERT_NE(bitmap, nullptr);
  HDC hdc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(hdc, bitmap);
  for (int y = 0; y < 96; ++y)
    for (int x = 0; x < 64; ++x)
      ASSERT_EQ(GetPixel(hdc, x, y), expected[size_t(y / 3) * width + x / 2]) << x << "," << y;
  SelectObject(hdc, old);
  DeleteDC(hdc);
  DeleteObject(bitmap);
  SetLastError(0);
  EXPECT_EQ(LoadImageA(module_, MAKEINTRESOURCEA(1), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE), nullptr);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
}

TEST_F(Resources, IconIsDrawnWithItsImage) {
  const std::vector<char> ico = ReadFile(kImages / "icon103.ico");
  HICON icon = LoadIconW(module_, MAKEINTRESOURCEW(103));
  ASSERT_NE(icon, nullptr);
  HDC hdc = CreateCompatibleDC(nullptr);
  HBITMAP target = CreateBitmap(40, 40, 1, 32, nullptr);
  HGDIOBJ old = SelectObject(hdc, target);
  PatBlt(hdc, 0, 0, 40, 40, BLACKNESS);
  ASSERT_TRUE(DrawIcon(hdc, 4, 4, icon));
  // The .ico holds a 32 x 32, 24-bit image after its 22-byte directory and 40-byte header.
  const auto *bits = reinterpret_cast<const BYTE *>(ico.data()) + 22 + 40;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const BYTE *p = bits + (31 - y) * 96 + x * 3;
      ASSERT_EQ(GetPixel(hdc, 4 + x, 4 + y), RGB(p[2], p[1], p[0])) << x << "," << y;
    }
  }
  EXPECT_EQ(GetPixel(hdc, 3, 3), RGB(0, 0, 0));
  EXPECT_EQ(GetPixel(hdc, 36, 36), RGB(0, 0, 0));
  SelectObject(hdc, old);
  DeleteDC(hdc);
  DeleteObject(target);
  EXPECT_FALSE(DeleteObject(icon));
  EXPECT_TRUE(DestroyIcon(icon));
  EXPECT_FALSE(DestroyIcon(icon));
}

}  // namespace
