// What jzpdump shows of a profile file: everything that can be read, and where and why the
// reading stopped when the file is damaged.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "abi/wide.h"
#include "profilefile/jzp_format.h"
#include "profilefile/jzp_reader.h"
#include "profilefile/jzp_tags.h"

namespace jzpdump {

struct DwordItem {
  DWORD tag;
  const char *name;  // null for a tag the format does not know
  DWORD value;
  bool isSigned;  // a signed 16-bit field, stored sign-extended
};

struct BufferItem {
  DWORD tag;
  const char *name;  // null for a tag the format does not know
  DWORD size;
  WideString formName;   // PFDM_FORMNAME
  bool isBlock = false;  // PFPD_PLUGIN with a whole block header
  WORD blockId = 0;
  WORD blockVersion = 0;
  DWORD blockSize = 0;
};

struct RegValue {
  std::string name;  // ANSI, as stored
  DWORD type;
  DWORD size;
};

struct Profile {
  JzpEntryInfo info;
  bool sectionsRead = true;  // false for an entry whose sections run past the file
  std::vector<DwordItem> items;
  DWORD itemRemainder = 0;  // Section 1 bytes behind the last whole item
  std::vector<BufferItem> buffers;
  std::vector<RegValue> values;
  std::vector<RegValue> setup;
};

struct Dump {
  DWORD fileSize = 0;
  bool headRead = false;
  JzpHead head{};
  std::vector<Profile> profiles;
  bool damaged = false;
  DWORD stopOffset = 0;
  std::string stopReason;
};

// Reads as much of the file as holds together.
Dump ReadDump(const JzpByteSource &source);

// ANSI text of the file in the code page, as UTF-8; UTF-16 text as UTF-8.
std::string Utf8FromAnsi(const std::string &text, UINT codePage);
std::string Utf8FromUtf16(const WideString &text);

void PrintText(const Dump &dump, UINT codePage, FILE *out);
void PrintJson(const Dump &dump, UINT codePage, FILE *out);

}  // namespace jzpdump
