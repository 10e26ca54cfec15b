// The registry functions against Windows NT behaviour: paths and case, enumeration order and
// buffers, handle rights, deletion, and the ANSI forms under code page 1252.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <winbase.h>
#include <winreg.h>

#include "winplat/config.h"
#include "winplat/registry.h"

namespace {

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override { winplat::ResetRegistry(); }
  void TearDown() override {
    for (HKEY key : opened_) {
      RegCloseKey(key);
    }
    winplat::ResetRegistry();
  }

  HKEY Create(const char16_t *path, REGSAM access = KEY_ALL_ACCESS,
              HKEY parent = HKEY_LOCAL_MACHINE) {
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyExW(parent, path, 0, nullptr, 0, access, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    opened_.push_back(key);
    return key;
  }
  HKEY Open(const char16_t *path, REGSAM access) {
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, path, 0, access, &key), ERROR_SUCCESS);
    opened_.push_back(key);
    return key;
  }
  static void SetString(HKEY key, const char16_t *name, const std::u16string &text) {
    ASSERT_EQ(RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE *>(text.c_str()),
                             static_cast<DWORD>((text.size() + 1) * 2)),
              ERROR_SUCCESS);
  }
  static void SetDword(HKEY key, const char16_t *name, DWORD value) {
    ASSERT_EQ(RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE *>(&value), 4),
              ERROR_SUCCESS);
  }
  static std::vector<std::u16string> SubkeyNames(HKEY key) {
    std::vector<std::u16string> names;
    WCHAR name[256];
    DWORD length = 256;
    while (RegEnumKeyExW(key, static_cast<DWORD>(names.size()), name, &length, nullptr, nullptr,
                         nullptr, nullptr) == ERROR_SUCCESS) {
      names.emplace_back(name, length);
      length = 256;
    }
    return names;
  }
  static std::vector<std::u16string> ValueNames(HKEY key) {
    std::vector<std::u16string> names;
    WCHAR name[256];
    DWORD length = 256;
    while (RegEnumValueW(key, static_cast<DWORD>(names.size()), name, &length, nullptr, nullptr,
                         nullptr, nullptr) == ERROR_SUCCESS) {
      names.emplace_back(name, length);
      length = 256;
    }
    return names;
  }

  std::vector<HKEY> opened_;
};

TEST_F(RegistryTest, CreateReportsDispositionAndOpensAnyCase) {
  HKEY key = nullptr;
  DWORD disposition = 0;
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, u"Software\\Vendor\\App", 0, nullptr, 0,
                            KEY_ALL_ACCESS, nullptr, &key, &disposition),
            ERROR_SUCCESS);
  EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
  RegCloseKey(key);
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, u"SOFTWARE\\vendor\\APP\\", 0, nullptr, 0,
                            KEY_ALL_ACCESS, nullptr, &key, &disposition),
            ERROR_SUCCESS);
  EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));
  RegCloseKey(key);
  Open(u"software\\VENDOR", KEY_READ);
  // The first spelling of a name is the one that stays.
  EXPECT_EQ(SubkeyNames(HKEY_LOCAL_MACHINE), std::vector<std::u16string>{u"Software"});
}

TEST_F(RegistryTest, SubkeysEnumerateInUpperCaseOrder) {
  HKEY parent = Create(u"Order");
  for (const char16_t *name : {u"beta", u"_under", u"Zeta", u"Alpha", u"gamma"}) {
    Create(name, KEY_READ, parent);
  }
  // '_' sorts after the letters once they are upper-cased, and before them otherwise.
  const std::vector<std::u16string> expected = {u"Alpha", u"beta", u"gamma", u"Zeta", u"_under"};
  EXPECT_EQ(SubkeyNames(parent), expected);
}

TEST_F(RegistryTest, BadPathsAndMissingKeys) {
  Create(u"Present\\Child");
  const struct {
    const char16_t *path;
    LONG expected;
  } cases[] = {
      {u"\\Present", ERROR_BAD_PATHNAME},   {u"Present\\\\Child", ERROR_BAD_PATHNAME},
      {u"Absent", ERROR_FILE_NOT_FOUND},    {u"Present\\Absent", ERROR_FILE_NOT_FOUND},
      {u"Present\\Child\\", ERROR_SUCCESS}, {u"present\\CHILD", ERROR_SUCCESS},
  };
  for (const auto &c : cases) {
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, c.path, 0, KEY_READ, &key), c.expected)
        << std::string(c.path, c.path + std::char_traits<char16_t>::length(c.path));
    RegCloseKey(key);
  }
}

TEST_F(RegistryTest, InvalidHandlesAreRejectedEverywhere) {
  HKEY closed = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, u"Closed", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &closed, nullptr),
            ERROR_SUCCESS);
  ASSERT_EQ(RegCloseKey(closed), ERROR_SUCCESS);
  for (HKEY bad : {static_cast<HKEY>(nullptr), reinterpret_cast<HKEY>(-1), closed,
                   reinterpret_cast<HKEY>(0x12345678)}) {
    HKEY key = nullptr;
    DWORD size = 4;
    WCHAR name[8];
    DWORD length = 8;
    EXPECT_EQ(RegOpenKeyExW(bad, u"x", 0, KEY_READ, &key), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCreateKeyExW(bad, u"x", 0, nullptr, 0, KEY_READ, nullptr, &key, nullptr),
              ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegQueryValueExW(bad, u"x", nullptr, nullptr, nullptr, &size), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegSetValueExW(bad, u"x", 0, REG_BINARY, nullptr, 0), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegEnumValueW(bad, 0, name, &length, nullptr, nullptr, nullptr, nullptr),
              ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegEnumKeyExW(bad, 0, name, &length, nullptr, nullptr, nullptr, nullptr),
              ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(bad), ERROR_INVALID_HANDLE);
  }
}

TEST_F(RegistryTest, HandleRightsAreHonoured) {
  SetDword(Create(u"Rights"), u"v", 1);
  Create(u"Rights\\Existing");
  const struct {
    REGSAM access;
    LONG query, set, enumValues, enumKeys, createNew, openExisting;
  } cases[] = {
      {KEY_READ, ERROR_SUCCESS, ERROR_ACCESS_DENIED, ERROR_SUCCESS, ERROR_SUCCESS,
       ERROR_ACCESS_DENIED, ERROR_SUCCESS},
      {GENERIC_READ, ERROR_SUCCESS, ERROR_ACCESS_DENIED, ERROR_SUCCESS, ERROR_SUCCESS,
       ERROR_ACCESS_DENIED, ERROR_SUCCESS},
      {KEY_SET_VALUE, ERROR_ACCESS_DENIED, ERROR_SUCCESS, ERROR_ACCESS_DENIED, ERROR_ACCESS_DENIED,
       ERROR_ACCESS_DENIED, ERROR_SUCCESS},
      {KEY_WRITE, ERROR_ACCESS_DENIED, ERROR_SUCCESS, ERROR_ACCESS_DENIED, ERROR_ACCESS_DENIED,
       ERROR_SUCCESS, ERROR_SUCCESS},
      {KEY_ALL_ACCESS, ERROR_SUCCESS, ERROR_SUCCESS, ERROR_SUCCESS, ERROR_SUCCESS, ERROR_SUCCESS,
       ERROR_SUCCESS},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.access);
    HKEY key = Open(u"Rights", c.access);
    DWORD value = 0;
    DWORD size = sizeof value;
    WCHAR name[16];
    DWORD length = 16;
    EXPECT_EQ(RegQueryValueExW(key, u"v", nullptr, nullptr, nullptr, &size), c.query);
    EXPECT_EQ(RegSetValueExW(key, u"v", 0, REG_DWORD, reinterpret_cast<BYTE *>(&value), 4), c.set);
    EXPECT_EQ(RegDeleteValueW(key, u"absent"),
              c.set == ERROR_SUCCESS ? ERROR_FILE_NOT_FOUND : c.set);
    EXPECT_EQ(RegEnumValueW(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr),
              c.enumValues);
    length = 16;
    EXPECT_EQ(RegEnumKeyExW(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr), c.enumKeys);
    HKEY child = nullptr;
    EXPECT_EQ(RegCreateKeyExW(key, u"New", 0, nullptr, 0, KEY_READ, nullptr, &child, nullptr),
              c.createNew);
    RegCloseKey(child);
    RegDeleteKeyW(key, u"New");
    EXPECT_EQ(RegCreateKeyExW(key, u"Existing", 0, nullptr, 0, KEY_READ, nullptr, &child, nullptr),
              c.openExisting);
    RegCloseKey(child);
  }
}

TEST_F(RegistryTest, DeleteKeyRules) {
  HKEY leaf = Create(u"Tree\\Branch\\Leaf");
  HKEY leafHandle = Open(u"Tree\\Branch\\Leaf", KEY_READ);
  EXPECT_EQ(RegDeleteKeyW(HKEY_LOCAL_MACHINE, u"Tree\\Branch"), ERROR_ACCESS_DENIED);
  EXPECT_EQ(RegDeleteKeyW(HKEY_LOCAL_MACHINE, u"Tree\\Nothing"), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegDeleteKeyW(HKEY_LOCAL_MACHINE, nullptr), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(RegDeleteKeyW(HKEY_LOCAL_MACHINE, u""), ERROR_ACCESS_DENIED);  // a root
  EXPECT_EQ(RegDeleteKeyW(leafHandle, u""), ERROR_ACCESS_DENIED);          // no DELETE right
  EXPECT_EQ(RegDeleteKeyW(HKEY_LOCAL_MACHINE, u"TREE\\branch\\LEAF"), ERROR_SUCCESS);
  DWORD size = 0;
  EXPECT_EQ(RegQueryValueExW(leaf, u"x", nullptr, nullptr, nullptr, &size), ERROR_KEY_DELETED);
  EXPECT_EQ(RegSetValueExW(leafHandle, u"x", 0, REG_NONE, nullptr, 0), ERROR_KEY_DELETED);
  EXPECT_EQ(RegCloseKey(leafHandle), ERROR_SUCCESS);
  opened_.pop_back();
  HKEY branch = Open(u"Tree\\Branch", KEY_ALL_ACCESS);
  EXPECT_EQ(RegDeleteKeyW(branch, u""), ERROR_SUCCESS);
  EXPECT_EQ(SubkeyNames(Open(u"Tree", KEY_READ)), std::vector<std::u16string>{});
}

TEST_F(RegistryTest, ResetRegistryInvalidatesOpenKeys) {
  HKEY key = Create(u"Before");
  winplat::ResetRegistry();
  EXPECT_EQ(RegSetValueExW(key, u"x", 0, REG_NONE, nullptr, 0), ERROR_KEY_DELETED);
  HKEY again = nullptr;
  EXPECT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"Before", 0, KEY_READ, &again),
            ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryTest, VolatileKeysOnlyHaveVolatileChildren) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, u"Volatile", 0, nullptr, REG_OPTION_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  opened_.push_back(key);
  HKEY child = nullptr;
  EXPECT_EQ(RegCreateKeyExW(key, u"Stable", 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ, nullptr,
                            &child, nullptr),
            ERROR_CHILD_MUST_BE_VOLATILE);
  EXPECT_EQ(RegCreateKeyExW(key, u"Passing", 0, nullptr, REG_OPTION_VOLATILE, KEY_READ, nullptr,
                            &child, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(child);
}

TEST_F(RegistryTest, QueryValueBufferSizes) {
  HKEY key = Create(u"Sizes");
  SetString(key, u"Text", u"twelve chars");  // 26 bytes with the terminator
  const struct {
    DWORD given;
    LONG expected;
  } cases[] = {
      {0, ERROR_MORE_DATA}, {25, ERROR_MORE_DATA}, {26, ERROR_SUCCESS}, {27, ERROR_SUCCESS}};
  for (const auto &c : cases) {
    std::vector<BYTE> buffer(c.given + 1, 0xCC);
    DWORD size = c.given;
    DWORD type = 0;
    EXPECT_EQ(RegQueryValueExW(key, u"TEXT", nullptr, &type, buffer.data(), &size), c.expected);
    EXPECT_EQ(size, 26u);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(buffer[c.given], 0xCC) << "wrote past the buffer of " << c.given;
  }
  DWORD size = 0;
  EXPECT_EQ(RegQueryValueExW(key, u"Text", nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
  EXPECT_EQ(size, 26u);
  BYTE byte = 0;
  EXPECT_EQ(RegQueryValueExW(key, u"Text", nullptr, nullptr, &byte, nullptr),
            ERROR_INVALID_PARAMETER);
  EXPECT_EQ(RegQueryValueExW(key, u"Missing", nullptr, nullptr, nullptr, &size),
            ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryTest, DefaultValueAndCaseInsensitiveValueNames) {
  HKEY key = Create(u"Defaults");
  SetDword(key, nullptr, 7);
  SetDword(key, u"Mixed", 1);
  SetDword(key, u"MIXED", 2);
  DWORD value = 0;
  DWORD size = sizeof value;
  ASSERT_EQ(RegQueryValueExW(key, u"", nullptr, nullptr, reinterpret_cast<BYTE *>(&value), &size),
            ERROR_SUCCESS);
  EXPECT_EQ(value, 7u);
  ASSERT_EQ(
      RegQueryValueExW(key, u"mixed", nullptr, nullptr, reinterpret_cast<BYTE *>(&value), &size),
      ERROR_SUCCESS);
  EXPECT_EQ(value, 2u);
  EXPECT_EQ(ValueNames(key), (std::vector<std::u16string>{u"", u"Mixed"}));
}

TEST_F(RegistryTest, ValuesEnumerateInCreationOrder) {
  HKEY key = Create(u"Creation");
  for (const char16_t *name : {u"zulu", u"alpha", u"Mike", u"bravo"}) {
    SetDword(key, name, 0);
  }
  SetDword(key, u"ALPHA", 5);  // replacing keeps the place
  ASSERT_EQ(RegDeleteValueW(key, u"mike"), ERROR_SUCCESS);
  EXPECT_EQ(ValueNames(key), (std::vector<std::u16string>{u"zulu", u"alpha", u"bravo"}));
  // After a deletion every value is still found by its name, and a new one comes last.
  SetDword(key, u"BRAVO", 9);
  SetDword(key, u"charlie", 3);
  EXPECT_EQ(ValueNames(key),
            (std::vector<std::u16string>{u"zulu", u"alpha", u"bravo", u"charlie"}));
  std::vector<DWORD> values;
  for (const char16_t *name : {u"Zulu", u"Alpha", u"Bravo", u"Charlie"}) {
    DWORD value = 0, size = sizeof value;
    EXPECT_EQ(
        RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE *>(&value), &size),
        ERROR_SUCCESS);
    values.push_back(value);
  }
  EXPECT_EQ(values, (std::vector<DWORD>{0, 5, 9, 3}));
  EXPECT_EQ(RegDeleteValueW(key, u"mike"), ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryTest, EnumValueWithShortNameAndDataBuffers) {
  HKEY key = Create(u"Enum");
  SetString(key, u"Name5", u"data");  // 10 bytes
  const struct {
    DWORD nameChars, dataBytes;
    LONG expected;
    DWORD nameOut, dataOut;
  } cases[] = {
      {5, 10, ERROR_MORE_DATA, 5, 10},  // no room for the name's terminator
      {6, 9, ERROR_MORE_DATA, 5, 10},   // name fits, data one byte short
      {6, 10, ERROR_SUCCESS, 5, 10},    // both exact
      {64, 64, ERROR_SUCCESS, 5, 10},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(testing::Message() << c.nameChars << "/" << c.dataBytes);
    std::vector<WCHAR> name(c.nameChars + 1, u'#');
    std::vector<BYTE> data(c.dataBytes + 1, 0xCC);
    DWORD nameLength = c.nameChars;
    DWORD dataSize = c.dataBytes;
    DWORD type = 0;
    EXPECT_EQ(
        RegEnumValueW(key, 0, name.data(), &nameLength, nullptr, &type, data.data(), &dataSize),
        c.expected);
    EXPECT_EQ(nameLength, c.nameOut);
    EXPECT_EQ(dataSize, c.dataOut);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(name[c.nameChars], u'#');
    EXPECT_EQ(data[c.dataBytes], 0xCC);
    if (c.expected == ERROR_SUCCESS) {
      EXPECT_EQ(std::u16string(name.data()), u"Name5");
    }
  }
  WCHAR name[8];
  DWORD length = 8;
  EXPECT_EQ(RegEnumValueW(key, 1, name, &length, nullptr, nullptr, nullptr, nullptr),
            ERROR_NO_MORE_ITEMS);
}

TEST_F(RegistryTest, EnumKeyWithShortNameBuffer) {
  Create(u"Keys\\Child");
  HKEY key = Open(u"Keys", KEY_READ);
  WCHAR name[8];
  FILETIME written{};
  for (const auto &[given, expected] :
       {std::pair<DWORD, LONG>{5, ERROR_MORE_DATA}, {6, ERROR_SUCCESS}}) {
    DWORD length = given;
    EXPECT_EQ(RegEnumKeyExW(key, 0, name, &length, nullptr, nullptr, nullptr, &written), expected);
    EXPECT_EQ(length, 5u);
  }
  EXPECT_NE(written.dwHighDateTime, 0u);
  DWORD length = 8;
  EXPECT_EQ(RegEnumKeyExW(key, 1, name, &length, nullptr, nullptr, nullptr, nullptr),
            ERROR_NO_MORE_ITEMS);
}

class RegistryAnsiTest : public RegistryTest {
 protected:
  void SetUp() override {
    RegistryTest::SetUp();
    winplat::SetAnsiCodePage(1252);
  }
};

TEST_F(RegistryAnsiTest, NamesAndStringsGoThroughTheAnsiCodePage) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER,
                            "Gr\xFC\xDF"
                            "e",
                            0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  opened_.push_back(key);
  const char text[] = "caf\xE9";  // 5 bytes with the terminator
  ASSERT_EQ(RegSetValueExA(key, "\xC4nderung", 0, REG_SZ, reinterpret_cast<const BYTE *>(text),
                           sizeof text),
            ERROR_SUCCESS);
  const DWORD number = 0x1F;
  ASSERT_EQ(RegSetValueExA(key, "Zahl", 0, REG_DWORD, reinterpret_cast<const BYTE *>(&number), 4),
            ERROR_SUCCESS);

  // The wide side sees UTF-16.
  HKEY wide = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, u"GR\u00DC\u00DFE", 0, KEY_READ, &wide),
            ERROR_SUCCESS);
  opened_.push_back(wide);
  WCHAR stored[8] = {};
  DWORD size = sizeof stored;
  ASSERT_EQ(RegQueryValueExW(wide, u"\u00C4nderung", nullptr, nullptr,
                             reinterpret_cast<BYTE *>(stored), &size),
            ERROR_SUCCESS);
  EXPECT_EQ(size, 10u);
  EXPECT_EQ(std::u16string(stored), u"caf\u00E9");

  // The ANSI side gets ANSI bytes and ANSI sizes back.
  char back[8] = {};
  size = 4;
  EXPECT_EQ(
      RegQueryValueExA(key, "\xE4NDERUNG", nullptr, nullptr, reinterpret_cast<BYTE *>(back), &size),
      ERROR_MORE_DATA);
  EXPECT_EQ(size, 5u);
  size = 5;
  ASSERT_EQ(
      RegQueryValueExA(key, "\xC4nderung", nullptr, nullptr, reinterpret_cast<BYTE *>(back), &size),
      ERROR_SUCCESS);
  EXPECT_STREQ(back, text);

  char name[16];
  DWORD nameLength = 8;  // "Änderung" is 8 bytes: no room for the terminator
  DWORD dataSize = sizeof back;
  EXPECT_EQ(RegEnumValueA(key, 0, name, &nameLength, nullptr, nullptr,
                          reinterpret_cast<BYTE *>(back), &dataSize),
            ERROR_MORE_DATA);
  nameLength = 9;
  ASSERT_EQ(RegEnumValueA(key, 0, name, &nameLength, nullptr, nullptr,
                          reinterpret_cast<BYTE *>(back), &dataSize),
            ERROR_SUCCESS);
  EXPECT_EQ(nameLength, 8u);
  EXPECT_STREQ(name, "\xC4nderung");
  DWORD value = 0;
  dataSize = sizeof value;
  ASSERT_EQ(
      RegQueryValueExA(key, "zahl", nullptr, nullptr, reinterpret_cast<BYTE *>(&value), &dataSize),
      ERROR_SUCCESS);
  EXPECT_EQ(value, number);

  nameLength = sizeof name;
  ASSERT_EQ(
      RegEnumKeyExA(HKEY_CURRENT_USER, 0, name, &nameLength, nullptr, nullptr, nullptr, nullptr),
      ERROR_SUCCESS);
  EXPECT_STREQ(name,
               "Gr\xFC\xDF"
               "e");
}

}  // namespace
