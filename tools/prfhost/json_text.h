// Strings written as JSON for prfhost's --json output.
#pragma once

#include <string>

namespace prfhost {

// The UTF-8 text as a quoted JSON string.
std::string JsonString(const std::string &text);

}  // namespace prfhost
