// The .reg reader and writer: regedit's layout for every value type, hex line wrapping,
// load -> save byte for byte, other encodings, import merges and deletions, and damaged files
// that leave the hive alone.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <winbase.h>
#include <winreg.h>

#include "winplat/registry.h"

namespace {

std::vector<BYTE> Utf16Bytes(std::u16string_view text, bool terminate = true) {
  std::vector<BYTE> bytes;
  for (const char16_t unit : text) {
    bytes.push_back(static_cast<BYTE>(unit & 0xFF));
    bytes.push_back(static_cast<BYTE>(unit >> 8));
  }
  if (terminate) {
    bytes.insert(bytes.end(), {0, 0});
  }
  return bytes;
}

void Set(HKEY root, const char16_t *path, const char16_t *name, DWORD type,
         const std::vector<BYTE> &data) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(root, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExW(key, name, 0, type, data.data(), static_cast<DWORD>(data.size())),
            ERROR_SUCCESS);
  RegCloseKey(key);
}

void CreateKey(HKEY root, const char16_t *path, DWORD options = REG_OPTION_NON_VOLATILE) {
  HKEY key = nullptr;
  ASSERT_EQ(
      RegCreateKeyExW(root, path, 0, nullptr, options, KEY_ALL_ACCESS, nullptr, &key, nullptr),
      ERROR_SUCCESS);
  RegCloseKey(key);
}

// Every value type and the awkward names, as regedit writes them.
const char kEveryType[] =
    "Windows Registry Editor Version 5.00\n"
    "\n"
    "[HKEY_CURRENT_USER]\n"
    "\"RootValue\"=dword:00000001\n"
    "\n"
    "[HKEY_LOCAL_MACHINE\\Software]\n"
    "\n"
    "[HKEY_LOCAL_MACHINE\\Software\\Vendor]\n"
    "@=\"Default text\"\n"
    "\"Path\"=\"C:\\\\WINDOWS\\\\system32\"\n"
    "\"Quote \\\"x\\\" \\\\ name\"=\"say \\\"hi\\\"\"\n"
    "\"Count\"=dword:0000001f\n"
    "\"Blob\"=hex:01,02,ff\n"
    "\"Expand\"=hex(2):25,00,53,00,52,00,25,00,00,00\n"
    "\"Multi\"=hex(7):61,00,00,00,62,00,00,00,00,00\n"
    "\"Big\"=hex(b):08,07,06,05,04,03,02,01\n"
    "\"None\"=hex(0):\n"
    "\"Embedded\"=hex(1):61,00,00,00,62,00,00,00\n"
    "\"Short\"=hex(4):01,02,03\n"
    "\"Empty string\"=\"\"\n"
    "\"Gr\xC3\xBC\xC3\x9F"
    "e\"=\"\xC3\x9Cn\xC3\xAF"
    "code\"\n"
    "\n"
    "[HKEY_LOCAL_MACHINE\\Software\\Vendor\\Alpha]\n"
    "\n"
    "[HKEY_LOCAL_MACHINE\\Software\\Vendor\\beta]\n"
    "\n"
    "[HKEY_LOCAL_MACHINE\\Software\\Vendor\\Empty]\n"
    "\n";

void BuildEveryType() {
  const char16_t *vendor = u"Software\\Vendor";
  Set(HKEY_CURRENT_USER, u"", u"RootValue", REG_DWORD, {1, 0, 0, 0});
  Set(HKEY_LOCAL_MACHINE, vendor, nullptr, REG_SZ, Utf16Bytes(u"Default text"));
  Set(HKEY_LOCAL_MACHINE, vendor, u"Path", REG_SZ, Utf16Bytes(u"C:\\WINDOWS\\system32"));
  Set(HKEY_LOCAL_MACHINE, vendor, u"Quote \"x\" \\ name", REG_SZ, Utf16Bytes(u"say \"hi\""));
  Set(HKEY_LOCAL_MACHINE, vendor, u"Count", REG_DWORD, {0x1f, 0, 0, 0});
  Set(HKEY_LOCAL_MACHINE, vendor, u"Blob", REG_BINARY, {1, 2, 0xff});
  Set(HKEY_LOCAL_MACHINE, vendor, u"Expand", REG_EXPAND_SZ, Utf16Bytes(u"%SR%"));
  Set(HKEY_LOCAL_MACHINE, vendor, u"Multi", REG_MULTI_SZ, Utf16Bytes(std::u16string(u"a\0b\0", 4)));
  Set(HKEY_LOCAL_MACHINE, vendor, u"Big", REG_QWORD, {8, 7, 6, 5, 4, 3, 2, 1});
  Set(HKEY_LOCAL_MACHINE, vendor, u"None", REG_NONE, {});
  Set(HKEY_LOCAL_MACHINE, vendor, u"Embedded", REG_SZ, Utf16Bytes(std::u16string(u"a\0b", 3)));
  Set(HKEY_LOCAL_MACHINE, vendor, u"Short", REG_DWORD, {1, 2, 3});
  Set(HKEY_LOCAL_MACHINE, vendor, u"Empty string", REG_SZ, Utf16Bytes(u""));
  Set(HKEY_LOCAL_MACHINE, vendor, u"Gr\u00FC\u00DFe", REG_SZ, Utf16Bytes(u"\u00DCn\u00EFcode"));
  CreateKey(HKEY_LOCAL_MACHINE, u"Software\\Vendor\\Empty");
  CreateKey(HKEY_LOCAL_MACHINE, u"Software\\Vendor\\beta");
  CreateKey(HKEY_LOCAL_MACHINE, u"Software\\Vendor\\Alpha");
}

// The sample texts hold nothing beyond Latin-1, which UTF-8 writes in one or two bytes.
std::u16string Latin1FromUtf8(std::string_view utf8) {
  std::u16string text;
  for (size_t i = 0; i < utf8.size(); ++i) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    if (byte < 0x80) {
      text += byte;
    } else {
      text += static_cast<char16_t>(((byte & 0x1F) << 6) | (utf8[++i] & 0x3F));
    }
  }
  return text;
}

std::vector<BYTE> Counting(size_t count) {
  std::vector<BYTE> bytes(count);
  for (size_t i = 0; i < count; ++i) {
    bytes[i] = static_cast<BYTE>(i);
  }
  return bytes;
}

class RegFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    winplat::ResetRegistry();
    char pattern[] = "/tmp/regfile_test.XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder_ = pattern;
  }
  void TearDown() override {
    std::filesystem::remove_all(folder_);
    winplat::ResetRegistry();
  }

  std::string PathOf(const std::string &name) const { return (folder_ / name).string(); }
  std::string WriteFile(const std::string &name, const std::string &contents) const {
    const std::string path = PathOf(name);
    std::ofstream(path, std::ios::binary) << contents;
    return path;
  }
  static std::string ReadFile(const std::string &path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream contents;
    contents << file.rdbuf();
    return contents.str();
  }

  std::filesystem::path folder_;
};

TEST_F(RegFileTest, ExportWritesEveryTypeLikeRegedit) {
  BuildEveryType();
  EXPECT_EQ(winplat::ExportRegistryText(), kEveryType);
}

TEST_F(RegFileTest, HexLinesWrapLikeRegedit) {
  Set(HKEY_CURRENT_USER, u"Wrap", u"Bin", REG_BINARY, Counting(30));
  Set(HKEY_CURRENT_USER, u"Wrap", u"Edge", REG_BINARY, Counting(23));
  Set(HKEY_CURRENT_USER, u"Wrap", u"Fits", REG_BINARY, Counting(22));
  const std::string expected =
      "Windows Registry Editor Version 5.00\n"
      "\n"
      "[HKEY_CURRENT_USER\\Wrap]\n"
      // 80 columns: the break comes once a line reaches 77 characters before the backslash.
      "\"Bin\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,16,\\\n"
      "  17,18,19,1a,1b,1c,1d\n"
      "\"Edge\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,\\\n"
      "  16\n"
      "\"Fits\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15\n"
      "\n";
  EXPECT_EQ(winplat::ExportRegistryText(), expected);

  ASSERT_TRUE(winplat::ImportRegistryText(expected));
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, u"Wrap", 0, KEY_READ, &key), ERROR_SUCCESS);
  std::vector<BYTE> data(64);
  DWORD size = static_cast<DWORD>(data.size());
  ASSERT_EQ(RegQueryValueExW(key, u"Bin", nullptr, nullptr, data.data(), &size), ERROR_SUCCESS);
  data.resize(size);
  EXPECT_EQ(data, Counting(30));
  RegCloseKey(key);
}

TEST_F(RegFileTest, LongValuesKeepEveryContinuationLineWithinEightyColumns) {
  Set(HKEY_CURRENT_USER, u"Long", u"Value", REG_MULTI_SZ, Counting(500));
  std::istringstream lines(winplat::ExportRegistryText());
  std::string line;
  size_t continued = 0;
  while (std::getline(lines, line)) {
    EXPECT_LE(line.size(), 80u) << line;
    if (!line.empty() && line.back() == '\\') {
      ++continued;
      EXPECT_EQ(line.substr(line.size() - 2), ",\\");
    }
  }
  EXPECT_EQ(continued, 20u);  // 21 bytes on the first line, then 25 per line: 500 bytes
}

TEST_F(RegFileTest, ExportImportRoundTripKeepsEveryValue) {
  BuildEveryType();
  const std::string exported = winplat::ExportRegistryText();
  winplat::ResetRegistry();
  ASSERT_TRUE(winplat::ImportRegistryText(exported)) << winplat::LastRegistryFileError();
  EXPECT_EQ(winplat::ExportRegistryText(), exported);

  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"software\\vendor", 0, KEY_READ, &key),
            ERROR_SUCCESS);
  BYTE data[64];
  DWORD size = sizeof data;
  DWORD type = 0;
  ASSERT_EQ(RegQueryValueExW(key, u"quote \"X\" \\ NAME", nullptr, &type, data, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(std::vector<BYTE>(data, data + size), Utf16Bytes(u"say \"hi\""));
  size = sizeof data;
  ASSERT_EQ(RegQueryValueExW(key, u"Embedded", nullptr, &type, data, &size), ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(std::vector<BYTE>(data, data + size), Utf16Bytes(std::u16string(u"a\0b", 3)));
  RegCloseKey(key);
}

TEST_F(RegFileTest, LoadThenSaveReproducesTheFileByteForByte) {
  const std::string source = WriteFile("source.reg", kEveryType);
  ASSERT_TRUE(winplat::LoadRegistryFile(source)) << winplat::LastRegistryFileError();
  const std::string copy = PathOf("copy.reg");
  WriteFile("copy.reg", "older contents");
  ASSERT_TRUE(winplat::SaveRegistryFile(copy)) << winplat::LastRegistryFileError();
  EXPECT_EQ(ReadFile(copy), kEveryType);
  EXPECT_FALSE(std::filesystem::exists(copy + ".tmp"));
}

TEST_F(RegFileTest, LoadAcceptsBomCrlfAndUtf16) {
  std::string crlf;
  for (const char c : std::string(kEveryType)) {
    crlf += c == '\n' ? "\r\n" : std::string(1, c);
  }
  std::string utf16 = "\xFF\xFE";
  for (const BYTE byte : Utf16Bytes(Latin1FromUtf8(kEveryType), false)) {
    utf16 += static_cast<char>(byte);
  }
  const struct {
    const char *name;
    std::string contents;
  } variants[] = {
      {"bom.reg", "\xEF\xBB\xBF" + std::string(kEveryType)},
      {"crlf.reg", crlf},
      {"utf16.reg", utf16},
  };
  for (const auto &variant : variants) {
    winplat::ResetRegistry();
    ASSERT_TRUE(winplat::LoadRegistryFile(WriteFile(variant.name, variant.contents)))
        << variant.name << ": " << winplat::LastRegistryFileError();
    EXPECT_EQ(winplat::ExportRegistryText(), kEveryType) << variant.name;
  }
}

TEST_F(RegFileTest, DamagedFilesAreRejectedAndLeaveTheHiveAlone) {
  const std::string header = "Windows Registry Editor Version 5.00\n\n";
  const std::string key = header + "[HKEY_CURRENT_USER\\A]\n";
  const struct {
    std::string text;
    const char *where;
  } cases[] = {
      {"REGEDIT4\n\n[HKEY_CURRENT_USER\\A]\n", "line 1:"},
      {header + "[HKEY_CURRENT_USER\\A\n", "line 3:"},
      {header + "[HKEY_NOWHERE\\A]\n", "line 3:"},
      {header + "[HKEY_CURRENT_USER\\A\\\\B]\n", "line 3:"},
      {header + "[-HKEY_CURRENT_USER]\n", "line 3:"},
      {header + "\"v\"=dword:00000001\n", "line 3:"},
      {header + "[-HKEY_CURRENT_USER\\A]\n\"v\"=dword:1\n", "line 4:"},
      {key + "\"v\"=dword:123456789\n", "line 4:"},
      {key + "\"v\"=dword:\n", "line 4:"},
      {key + "\"v\"=hex:01,zz\n", "line 4:"},
      {key + "\"v\"=hex:01,,02\n", "line 4:"},
      {key + "\"v\"=hex(zz):00\n", "line 4:"},
      {key + "\"v\"=hex:01,\\\n", "line 4:"},
      {key + "\"v\"=\"a\\qb\"\n", "line 4:"},
      {key + "\"v\"=\"open\n", "line 4:"},
      {key + "\"v\"=\"x\" trailing\n", "line 4:"},
      {key + "\"v\"=\"\xFF\"\n", "line 4:"},
      {key + "\"v\" \"x\"\n", "line 4:"},
      {key + "v=\"x\"\n", "line 4:"},
      {key + "\"v\"=something\n", "line 4:"},
  };
  Set(HKEY_LOCAL_MACHINE, u"Kept", u"Value", REG_DWORD, {1, 2, 3, 4});
  const std::string before = winplat::ExportRegistryText();
  for (const auto &c : cases) {
    const std::string path = WriteFile("damaged.reg", c.text);
    EXPECT_FALSE(winplat::LoadRegistryFile(path)) << c.text;
    const std::string error = winplat::LastRegistryFileError();
    EXPECT_NE(error.find(path + ": " + c.where), std::string::npos) << c.text << " -> " << error;
    EXPECT_EQ(winplat::ExportRegistryText(), before) << c.text;
  }
  const std::string missing = PathOf("missing.reg");
  EXPECT_FALSE(winplat::LoadRegistryFile(missing));
  EXPECT_NE(winplat::LastRegistryFileError().find(missing), std::string::npos);
  EXPECT_EQ(winplat::ExportRegistryText(), before);
}

TEST_F(RegFileTest, ImportMergesAndDeletesLikeRegedit) {
  Set(HKEY_CURRENT_USER, u"App", u"keep", REG_DWORD, {1, 0, 0, 0});
  Set(HKEY_CURRENT_USER, u"App", u"drop", REG_DWORD, {2, 0, 0, 0});
  Set(HKEY_CURRENT_USER, u"App\\Old\\Deep", u"x", REG_DWORD, {3, 0, 0, 0});
  ASSERT_TRUE(
      winplat::ImportRegistryText("Windows Registry Editor Version 5.00\n"
                                  "\n"
                                  "; comments and blank lines are skipped\n"
                                  "[-HKEY_CURRENT_USER\\App\\Old]\n"
                                  "[-HKEY_CURRENT_USER\\App\\Never]\n"
                                  "\n"
                                  "[hkey_current_user\\APP]\n"
                                  "\"DROP\"=-\n"
                                  "\"keep\"=dword:00000005\n"
                                  "\"new\"=\"v\"\n"
                                  "[HKEY_USERS\\.DEFAULT]\n"))
      << winplat::LastRegistryFileError();
  EXPECT_EQ(winplat::ExportRegistryText(),
            "Windows Registry Editor Version 5.00\n"
            "\n"
            "[HKEY_CURRENT_USER\\App]\n"
            "\"keep\"=dword:00000005\n"
            "\"new\"=\"v\"\n"
            "\n"
            "[HKEY_USERS\\.DEFAULT]\n"
            "\n");

  // A damaged text changes nothing, not even the sections before the damage.
  const std::string before = winplat::ExportRegistryText();
  EXPECT_FALSE(winplat::ImportRegistryText(
      "Windows Registry Editor Version "
      "5.00\n\n[-HKEY_CURRENT_USER\\App]\n[HKEY_USERS\\X]\n\"v\"=bad\n"));
  EXPECT_EQ(winplat::LastRegistryFileError().rfind("line 5:", 0), 0u);
  EXPECT_EQ(winplat::ExportRegistryText(), before);
}

TEST_F(RegFileTest, VolatileKeysAreNotSaved) {
  CreateKey(HKEY_LOCAL_MACHINE, u"Session", REG_OPTION_VOLATILE);
  Set(HKEY_LOCAL_MACHINE, u"Session", u"Pid", REG_DWORD, {1, 0, 0, 0});
  Set(HKEY_LOCAL_MACHINE, u"Stored", u"v", REG_DWORD, {1, 0, 0, 0});
  EXPECT_EQ(winplat::ExportRegistryText(),
            "Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\Stored]\n"
            "\"v\"=dword:00000001\n\n");
}

TEST_F(RegFileTest, SaveIntoAMissingFolderFails) {
  const std::string path = PathOf("no/such/folder/hive.reg");
  EXPECT_FALSE(winplat::SaveRegistryFile(path));
  EXPECT_NE(winplat::LastRegistryFileError().find(path), std::string::npos);
}

}  // namespace
