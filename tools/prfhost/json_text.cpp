// JSON text: quoting, objects and the shared layout of a head with a list.
#include "json_text.h"

#include <cstdio>

namespace prfhost {

std::string JsonString(const std::string &text) {
  std::string quoted = "\"";
  for (unsigned char c : text) {
    switch (c) {
      case '"':
        quoted += "\\\"";
        break;
      case '\\':
        quoted += "\\\\";
        break;
      case '\n':
        quoted += "\\n";
        break;
      case '\r':
        quoted += "\\r";
        break;
      case '\t':
        quoted += "\\t";
        break;
      default:
        if (c < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
          quoted += escaped;
        } else {
          quoted += static_cast<char>(c);
        }
    }
  }
  return quoted + "\"";
}

}  // namespace prfhost

namespace prfhost {

JsonObject &JsonObject::Member(const std::string &key, const std::string &json) {
  members_ += (members_.empty() ? "" : ", ") + JsonString(key) + ": " + json;
  return *this;
}

JsonObject &JsonObject::Text(const std::string &key, const std::string &value) {
  return Member(key, JsonString(value));
}

JsonObject &JsonObject::Number(const std::string &key, long long value) {
  return Member(key, std::to_string(value));
}

JsonObject &JsonObject::Bool(const std::string &key, bool value) {
  return Member(key, value ? "true" : "false");
}

JsonObject &JsonObject::Json(const std::string &key, const std::string &json) {
  return Member(key, json);
}

void PrintJsonWithList(std::ostream &out, const JsonObject &head, const std::string &key,
                       const std::vector<std::string> &items) {
  std::string text = head.str();
  text.pop_back();
  out << text << (text.size() > 1 ? ",\n " : "") << JsonString(key) << ": [";
  for (size_t i = 0; i < items.size(); ++i)
    out << (i == 0 ? "\n" : ",\n") << "  " << items[i];
  out << (items.empty() ? "]}\n" : "\n ]}\n");
}

}  // namespace prfhost
