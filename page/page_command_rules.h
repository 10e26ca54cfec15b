// What the page's commands share: the limits on the number of profiles, the style of their
// questions and the formatting of the host's texts that name a profile or a number.
#pragma once

#include <windows.h>

#include <string>

// Add and import do nothing while the list holds more profiles than this.
constexpr int kProfileLimit = 25;
// The most profiles a page holds, the built-in one included.
constexpr int kMostProfiles = kProfileLimit + 1;
// Yes, No and Cancel with the exclamation icon; only Yes goes on.
constexpr UINT kQuestionStyle = MB_YESNOCANCEL | MB_ICONEXCLAMATION;

// The host's text with its first `conversion` ("%s", "%d") replaced by `argument`; no other
// conversion is read, so a host string cannot make the page read arguments it does not pass.
inline std::string FormatHostText(const std::string &format, const char *conversion,
                                  const std::string &argument) {
  const size_t at = format.find(conversion);
  if (at == std::string::npos)
    return format;
  return format.substr(0, at) + argument + format.substr(at + 2);
}
