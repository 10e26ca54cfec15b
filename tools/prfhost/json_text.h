// JSON for prfhost's --json output: quoted strings, objects on one line and the layout every
// command shares, a head object whose last member is a list with one item per line.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace prfhost {

// The UTF-8 text as a quoted JSON string.
std::string JsonString(const std::string &text);

// A JSON object on one line, its members in the order added.
class JsonObject {
 public:
  JsonObject &Text(const std::string &key, const std::string &value);
  JsonObject &Number(const std::string &key, long long value);
  JsonObject &Bool(const std::string &key, bool value);
  // A value that is JSON already (null, an object, a list).
  JsonObject &Json(const std::string &key, const std::string &json);
  std::string str() const { return "{" + members_ + "}"; }

 private:
  JsonObject &Member(const std::string &key, const std::string &json);
  std::string members_;
};

// {head members..., "key": [
//   item,
//   item
//  ]}
void PrintJsonWithList(std::ostream &out, const JsonObject &head, const std::string &key,
                       const std::vector<std::string> &items);

}  // namespace prfhost
