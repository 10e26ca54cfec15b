// The .reg reader: REGEDIT5 text is parsed completely into a list of operations first, so that
// a damaged file changes nothing, then applied to a new hive (load) or to the live one (import).
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "regfile_text.h"
#include "registry_hive.h"
#include "winplat/registry.h"

namespace winplat::registry {
namespace {

struct Operation {
  enum Kind { kOpenKey, kDeleteKey, kSetValue, kDeleteValue };
  Kind kind = kOpenKey;
  int root = 0;
  std::vector<std::u16string> path;  // below the root, for key operations
  std::u16string valueName;          // for value operations, on the last opened key
  DWORD type = REG_NONE;
  std::vector<BYTE> data;
};

class ParseError {
 public:
  ParseError(size_t line, std::string reason) : line_(line), reason_(std::move(reason)) {}
  std::string Describe() const { return "line " + std::to_string(line_) + ": " + reason_; }

 private:
  size_t line_;
  std::string reason_;
};

std::string_view TrimmedRight(std::string_view text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
    text.remove_suffix(1);
  }
  return text;
}

std::string_view TrimmedLeft(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
    text.remove_prefix(1);
  }
  return text;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find('\n', start);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') {
    return c - '0';
  }
  if (c >= 'a' && c <= 'f') {
    return c - 'a' + 10;
  }
  if (c >= 'A' && c <= 'F') {
    return c - 'A' + 10;
  }
  return -1;
}

// Reads 1 to maxDigits hex digits as a whole field; nothing for anything else.
std::optional<DWORD> ParseHexNumber(std::string_view text, size_t maxDigits) {
  if (text.empty() || text.size() > maxDigits) {
    return std::nullopt;
  }
  DWORD number = 0;
  for (const char c : text) {
    const int digit = HexDigit(c);
    if (digit < 0) {
      return std::nullopt;
    }
    number = (number << 4) | static_cast<DWORD>(digit);
  }
  return number;
}

class Parser {
 public:
  explicit Parser(std::string_view text) : lines_(SplitLines(text)) {}

  std::vector<Operation> Run() {
    if (lines_.empty() || TrimmedRight(lines_[0]) != kRegFileHeader) {
      throw ParseError(1, "expected the header \"" + std::string(kRegFileHeader) + "\"");
    }
    for (index_ = 1; index_ < lines_.size(); ++index_) {
      const std::string_view line = TrimmedRight(TrimmedLeft(lines_[index_]));
      if (line.empty() || line.front() == ';') {
        continue;
      }
      if (line.front() == '[') {
        ParseSection(line);
      } else {
        ParseValue(JoinContinuations(line));
      }
    }
    return std::move(operations_);
  }

 private:
  [[noreturn]] void Fail(std::string reason) const { throw ParseError(index_ + 1, reason); }

  std::u16string Wide(std::string_view utf8) const {
    auto wide = FromUtf8(utf8);
    if (!wide) {
      Fail("text is not valid UTF-8");
    }
    return *std::move(wide);
  }

  void ParseSection(std::string_view line) {
    if (line.back() != ']') {
      Fail("a key line must end with ']'");
    }
    std::string_view path = line.substr(1, line.size() - 2);
    Operation operation;
    if (!path.empty() && path.front() == '-') {
      operation.kind = Operation::kDeleteKey;
      path.remove_prefix(1);
    }
    const std::string_view rootName = path.substr(0, path.find('\\'));
    operation.root = RootNamed(rootName);
    const std::u16string wideBelow = Wide(path.substr(rootName.size()));
    const std::u16string_view below = wideBelow;
    std::vector<std::u16string_view> parts;
    if (!below.empty() && (!SplitPath(below.substr(1), parts) || parts.empty())) {
      Fail("empty key name in \"" + std::string(path) + "\"");
    }
    if (operation.kind == Operation::kDeleteKey && parts.empty()) {
      Fail("a root key cannot be deleted");
    }
    operation.path.assign(parts.begin(), parts.end());
    inKey_ = operation.kind == Operation::kOpenKey;
    operations_.push_back(std::move(operation));
  }

  int RootNamed(std::string_view name) const {
    static const std::array<std::u16string, kRootCount> rootNames = [] {
      std::array<std::u16string, kRootCount> names;
      for (size_t i = 0; i < kRoots.size(); ++i) {
        names[i] = *FromUtf8(kRoots[i].name);
      }
      return names;
    }();
    const std::u16string wide = Wide(name);
    for (size_t i = 0; i < rootNames.size(); ++i) {
      if (SameName(wide, rootNames[i])) {
        return static_cast<int>(i);
      }
    }
    Fail("unknown root key \"" + std::string(name) + "\"");
  }

  // A hex value may go on over several lines, each but the last ending in a backslash.
  std::string JoinContinuations(std::string_view line) {
    // Room for all the lines first: a long value is joined without growing the text.
    size_t size = line.size();
    for (size_t next = index_ + 1;
         next < lines_.size() && TrimmedRight(lines_[next - 1]).ends_with('\\'); ++next) {
      size += lines_[next].size();
    }
    std::string joined;
    joined.reserve(size);
    joined = line;
    while (!joined.empty() && joined.back() == '\\' && index_ + 1 < lines_.size()) {
      joined.pop_back();
      ++index_;
      joined += TrimmedRight(TrimmedLeft(lines_[index_]));
    }
    return joined;
  }

  void ParseValue(std::string_view line) {
    if (!inKey_) {
      Fail("a value line must follow a key line");
    }
    Operation operation;
    operation.kind = Operation::kSetValue;
    size_t position = 0;
    if (line.front() == '@') {
      position = 1;
    } else if (line.front() == '"') {
      operation.valueName = Wide(ReadQuoted(line, position));
    } else {
      Fail("expected a value name in quotes or @");
    }
    if (position >= line.size() || line[position] != '=') {
      Fail("expected '=' after the value name");
    }
    const std::string_view data = line.substr(position + 1);
    if (data == "-") {
      operation.kind = Operation::kDeleteValue;
    } else {
      ParseData(data, operation);
    }
    operations_.push_back(std::move(operation));
  }

  // Reads a quoted string starting at line[position] with \\ and \" escapes; position ends up
  // just past the closing quote.
  std::string ReadQuoted(std::string_view line, size_t &position) const {
    std::string text;
    for (size_t i = position + 1; i < line.size(); ++i) {
      if (line[i] == '"') {
        position = i + 1;
        return text;
      }
      if (line[i] == '\\') {
        if (i + 1 >= line.size() || (line[i + 1] != '\\' && line[i + 1] != '"')) {
          Fail("unknown escape in a quoted string (only \\\\ and \\\" are allowed)");
        }
        ++i;
      }
      text += line[i];
    }
    Fail("missing closing quote");
  }

  void ParseData(std::string_view data, Operation &operation) const {
    if (!data.empty() && data.front() == '"') {
      size_t position = 0;
      const std::u16string text = Wide(ReadQuoted(data, position));
      if (position != data.size()) {
        Fail("unexpected text after the closing quote");
      }
      operation.type = REG_SZ;
      for (const char16_t unit : text) {
        operation.data.push_back(static_cast<BYTE>(unit & 0xFF));
        operation.data.push_back(static_cast<BYTE>(unit >> 8));
      }
      operation.data.insert(operation.data.end(), {0, 0});
    } else if (data.starts_with("dword:")) {
      const auto number = ParseHexNumber(data.substr(6), 8);
      if (!number) {
        Fail("dword: needs 1 to 8 hex digits");
      }
      operation.type = REG_DWORD;
      for (int shift = 0; shift < 32; shift += 8) {
        operation.data.push_back(static_cast<BYTE>(*number >> shift));
      }
    } else if (data.starts_with("hex")) {
      ParseHexData(data.substr(3), operation);
    } else {
      Fail("unknown value data \"" + std::string(data) + "\"");
    }
  }

  void ParseHexData(std::string_view data, Operation &operation) const {
    operation.type = REG_BINARY;
    if (data.starts_with("(")) {
      const size_t close = data.find(')');
      const auto type = close == std::string_view::npos
                            ? std::nullopt
                            : ParseHexNumber(data.substr(1, close - 1), 8);
      if (!type) {
        Fail("hex(N): needs a hex type number");
      }
      operation.type = *type;
      data.remove_prefix(close + 1);
    }
    if (!data.starts_with(":")) {
      Fail("expected ':' after hex");
    }
    data.remove_prefix(1);
    operation.data.reserve(data.size() / 3 + 1);
    while (!data.empty()) {
      // Bytes of two digits, as regedit writes them, are read directly; any other spelling of
      // a byte goes through the field reader below.
      const int high = HexDigit(data[0]);
      const int low = data.size() >= 2 ? HexDigit(data[1]) : -1;
      if (high >= 0 && low >= 0 && (data.size() == 2 || data[2] == ',')) {
        operation.data.push_back(static_cast<BYTE>(high << 4 | low));
        data.remove_prefix(data.size() == 2 ? 2 : 3);
        continue;
      }
      const size_t comma = data.find(',');
      const auto byte = ParseHexNumber(TrimmedRight(TrimmedLeft(data.substr(0, comma))), 2);
      if (!byte) {
        Fail("hex data must be bytes of 1 or 2 hex digits separated by commas");
      }
      operation.data.push_back(static_cast<BYTE>(*byte));
      data.remove_prefix(comma == std::string_view::npos ? data.size() : comma + 1);
    }
  }

  std::vector<std::string_view> lines_;
  size_t index_ = 0;
  bool inKey_ = false;
  std::vector<Operation> operations_;
};

// .reg files come as UTF-8 (with or without a BOM) or UTF-16LE with a BOM; the parser reads
// UTF-8.
std::optional<std::string> AsUtf8(std::string_view raw) {
  if (raw.starts_with("\xEF\xBB\xBF")) {
    return std::string(raw.substr(3));
  }
  if (!raw.starts_with("\xFF\xFE")) {
    return std::string(raw);
  }
  if (raw.size() % 2 != 0) {
    return std::nullopt;
  }
  std::u16string wide;
  for (size_t i = 2; i < raw.size(); i += 2) {
    wide += static_cast<char16_t>(static_cast<unsigned char>(raw[i]) |
                                  (static_cast<unsigned char>(raw[i + 1]) << 8));
  }
  return ToUtf8(wide);
}

bool Parse(std::string_view raw, std::vector<Operation> &operations, std::string &error) {
  const auto text = AsUtf8(raw);
  if (!text) {
    error = "UTF-16 text with an odd number of bytes";
    return false;
  }
  try {
    operations = Parser(*text).Run();
    return true;
  } catch (const ParseError &failure) {
    error = failure.Describe();
    return false;
  }
}

Key *FindKey(Hive &hive, const Operation &operation, size_t depth) {
  Key *key = hive.roots[operation.root].get();
  for (size_t i = 0; i < depth && key; ++i) {
    key = key->FindSubkey(operation.path[i]).get();
  }
  return key;
}

void Apply(Hive &hive, const std::vector<Operation> &operations) {
  Key *current = nullptr;
  for (const Operation &operation : operations) {
    switch (operation.kind) {
      case Operation::kOpenKey: {
        current = hive.roots[operation.root].get();
        for (const auto &part : operation.path) {
          bool created = false;
          current = current->AddSubkey(part, false, created).get();
        }
        break;
      }
      case Operation::kDeleteKey:
        if (Key *parent = FindKey(hive, operation, operation.path.size() - 1)) {
          parent->RemoveSubkey(operation.path.back());
        }
        current = nullptr;
        break;
      case Operation::kSetValue:
        current->SetValue(operation.valueName, operation.type, operation.data);
        break;
      case Operation::kDeleteValue:
        current->DeleteValue(operation.valueName);
        break;
    }
  }
}

bool ReadWholeFile(const std::string &path, std::string &contents, std::string &error) {
  std::FILE *file = std::fopen(path.c_str(), "rb");
  if (!file) {
    error = "cannot open " + path + ": " + std::strerror(errno);
    return false;
  }
  char buffer[65536];
  size_t count = 0;
  while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
    contents.append(buffer, count);
  }
  const bool failed = std::ferror(file) != 0;
  const int failure = errno;
  std::fclose(file);
  if (failed) {
    error = "cannot read " + path + ": " + std::strerror(failure);
  }
  return !failed;
}

}  // namespace
}  // namespace winplat::registry

bool winplat::ImportRegistryText(const std::string &text) {
  using namespace winplat::registry;
  std::vector<Operation> operations;
  std::string error;
  if (!Parse(text, operations, error)) {
    SetRegistryFileError(error);
    return false;
  }
  std::lock_guard lock(HiveMutex());
  Apply(LiveHive(), operations);
  return true;
}

bool winplat::LoadRegistryFile(const std::string &path) {
  using namespace winplat::registry;
  std::string contents;
  std::string error;
  if (!ReadWholeFile(path, contents, error)) {
    SetRegistryFileError(error);
    return false;
  }
  std::vector<Operation> operations;
  if (!Parse(contents, operations, error)) {
    SetRegistryFileError(path + ": " + error);
    return false;
  }
  Hive hive;
  Apply(hive, operations);
  std::lock_guard lock(HiveMutex());
  ReplaceLiveHive(std::move(hive));
  return true;
}
