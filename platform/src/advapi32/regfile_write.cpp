// The .reg writer: the hive as REGEDIT5 text, laid out the way regedit exports it, and the
// atomic save of that text to a file.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <unistd.h>

#include "regfile_text.h"
#include "registry_hive.h"
#include "winplat/registry.h"

namespace winplat::registry {
namespace {

// regedit breaks a hex line once it reaches this many characters, before the trailing "\".
constexpr size_t kHexLineLimit = 77;
constexpr std::string_view kHexContinuation = "\\\n  ";

std::string Escaped(std::u16string_view text) {
  std::string out;
  for (const char c : ToUtf8(text)) {
    if (c == '\\' || c == '"') {
      out += '\\';
    }
    out += c;
  }
  return out;
}

// Characters as regedit counts them: UTF-16 code units, which for UTF-8 text means every byte
// that is not a continuation byte, plus one more for each four-byte sequence.
size_t Columns(std::string_view utf8) {
  size_t columns = 0;
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte & 0xC0) != 0x80) {
      columns += byte >= 0xF0 ? 2 : 1;
    }
  }
  return columns;
}

// REG_SZ data that can be written between quotes: UTF-16 ending in its only NUL, and no line
// breaks, which would split the line.
bool IsQuotableString(const std::vector<BYTE> &data, std::u16string &text) {
  if (data.size() < 2 || data.size() % 2 != 0) {
    return false;
  }
  text.clear();
  for (size_t i = 0; i + 2 < data.size(); i += 2) {
    const auto unit = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    if (unit == 0 || unit == u'\r' || unit == u'\n') {
      return false;
    }
    text += unit;
  }
  return data[data.size() - 2] == 0 && data[data.size() - 1] == 0;
}

void AppendHex(std::string &line, DWORD type, const std::vector<BYTE> &data) {
  char prefix[16];
  if (type == REG_BINARY) {
    std::snprintf(prefix, sizeof prefix, "hex:");
  } else {
    std::snprintf(prefix, sizeof prefix, "hex(%x):", static_cast<unsigned>(type));
  }
  line += prefix;
  size_t column = Columns(line);
  constexpr char kDigits[] = "0123456789abcdef";
  line.reserve(line.size() + data.size() * 3 + data.size() / 24 * kHexContinuation.size());
  for (size_t i = 0; i < data.size(); ++i) {
    line += kDigits[data[i] >> 4];
    line += kDigits[data[i] & 0xF];
    if (i + 1 == data.size()) {
      break;
    }
    line += ',';
    column += 3;
    if (column >= kHexLineLimit) {
      line += kHexContinuation;
      column = 2;
    }
  }
}

void AppendValue(std::string &out, const Value &value) {
  std::string line = value.name.empty() ? "@=" : "\"" + Escaped(value.name) + "\"=";
  std::u16string text;
  if (value.type == REG_SZ && IsQuotableString(value.data, text)) {
    line += "\"" + Escaped(text) + "\"";
  } else if (value.type == REG_DWORD && value.data.size() == 4) {
    const DWORD number = value.data[0] | (value.data[1] << 8) | (value.data[2] << 16) |
                         (static_cast<DWORD>(value.data[3]) << 24);
    char dword[16];
    std::snprintf(dword, sizeof dword, "dword:%08x", static_cast<unsigned>(number));
    line += dword;
  } else {
    AppendHex(line, value.type, value.data);
  }
  out += line;
  out += '\n';
}

void AppendKey(std::string &out, const std::string &path, const Key &key, bool isRoot) {
  if (key.isVolatile) {
    return;
  }
  if (!isRoot || !key.values.empty()) {
    out += "[" + path + "]\n";
    for (const Value &value : key.values) {
      AppendValue(out, value);
    }
    out += '\n';
  }
  for (const auto &subkey : key.subkeys) {
    AppendKey(out, path + "\\" + ToUtf8(subkey->name), *subkey, false);
  }
}

// Writes and flushes the whole text to disk, so that a rename afterwards never exposes a
// partly written file.
bool WriteWholeFile(const std::string &path, const std::string &text, std::string &error) {
  std::FILE *file = std::fopen(path.c_str(), "wb");
  if (!file) {
    error = "cannot create " + path + ": " + std::strerror(errno);
    return false;
  }
  bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size() &&
            std::fflush(file) == 0 && fsync(fileno(file)) == 0;
  int failure = ok ? 0 : errno;
  if (std::fclose(file) != 0 && ok) {
    ok = false;
    failure = errno;
  }
  if (!ok) {
    error = "cannot write " + path + ": " + std::strerror(failure);
    std::remove(path.c_str());
  }
  return ok;
}

}  // namespace
}  // namespace winplat::registry

std::string winplat::ExportRegistryText() {
  using namespace winplat::registry;
  std::string out(kRegFileHeader);
  out += "\n\n";
  std::lock_guard lock(HiveMutex());
  const Hive &hive = LiveHive();
  for (size_t i = 0; i < hive.roots.size(); ++i) {
    AppendKey(out, kRoots[i].name, *hive.roots[i], true);
  }
  return out;
}

bool winplat::SaveRegistryFile(const std::string &path) {
  using namespace winplat::registry;
  const std::string text = ExportRegistryText();
  const std::string temporary = path + ".tmp";
  std::string error;
  if (!WriteWholeFile(temporary, text, error)) {
    SetRegistryFileError(error);
    return false;
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    SetRegistryFileError("cannot replace " + path + ": " + std::strerror(errno));
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}
