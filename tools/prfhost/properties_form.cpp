// The profile-properties dialog filled through its controls.
#include "abi/wide.h"
#include "properties_form.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <strings.h>
#include <vector>

#include "abi/resource_ids.h"
#include "host/text_convert.h"

namespace prfhost {
namespace {

// The box's named colours come first; the custom entry after them opens the colour chooser.
constexpr int kNamedColours = 16;
constexpr int kTextChars = 1024;

WideString WindowText(HWND window) {
  WCHAR text[kTextChars] = {};
  GetWindowTextW(window, text, kTextChars);
  return text;
}

// Replaces the box's text as typing does, so the box's limit holds.
bool Type(HWND dialog, int control, const std::string &text, const char *what, std::string *error) {
  HWND box = GetDlgItem(dialog, control);
  const WideString wide = host::Utf16FromUtf8(text);
  SendMessageW(box, EM_SETSEL, 0, -1);
  SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
  if (WindowText(box) == wide)
    return true;
  *error = std::string("the dialog takes at most ") +
           std::to_string(SendMessageW(box, EM_GETLIMITTEXT, 0, 0)) + " characters for the " + what;
  return false;
}

// Selects a list's item and tells the dialog, as a click on it would.
void Choose(HWND dialog, int control, UINT select, int index, WORD notification) {
  HWND list = GetDlgItem(dialog, control);
  SendMessageW(list, select, static_cast<WPARAM>(index), 0);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(control, notification),
               reinterpret_cast<LPARAM>(list));
}

bool PickIcon(HWND dialog, int icon, std::string *error) {
  const int count =
      static_cast<int>(SendMessageW(GetDlgItem(dialog, IDC_PROPERTIES_ICONS), LB_GETCOUNT, 0, 0));
  if (icon < 0 || icon >= count) {
    *error = "the dialog offers icons 0 to " + std::to_string(count - 1);
    return false;
  }
  Choose(dialog, IDC_PROPERTIES_ICONS, LB_SETCURSEL, icon, LBN_SELCHANGE);
  return true;
}

std::string ItemText(HWND box, int index) {
  WCHAR text[kTextChars] = {};
  if (SendMessageW(box, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0) >= kTextChars)
    return {};
  SendMessageW(box, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
  return host::Utf8FromUtf16(text);
}

// The named entry of that name or colour; -1 when none has it.
int FindNamedColour(HWND box, const std::string &colour) {
  const std::optional<COLORREF> code = ParseColourCode(colour);
  for (int index = 0; index < kNamedColours; ++index) {
    if (code ? static_cast<COLORREF>(SendMessageW(box, CB_GETITEMDATA, index, 0)) == *code
             : strcasecmp(ItemText(box, index).c_str(), colour.c_str()) == 0)
      return index;
  }
  return -1;
}

bool PickColour(HWND dialog, const std::string &colour, std::string *error) {
  HWND box = GetDlgItem(dialog, IDC_PROPERTIES_COLOR);
  int index = FindNamedColour(box, colour);
  if (index < 0 && !ParseColourCode(colour)) {
    std::string names;
    for (int named = 0; named < kNamedColours; ++named)
      names += (named == 0 ? "" : ", ") + ItemText(box, named);
    *error = "the dialog has no colour \"" + colour + "\" (" + names + ", or #RRGGBB)";
    return false;
  }
  // A colour of no name is the custom entry's: the colour chooser opens on it.
  Choose(dialog, IDC_PROPERTIES_COLOR, CB_SETCURSEL, index < 0 ? kNamedColours : index,
         CBN_SELCHANGE);
  return true;
}

}  // namespace

std::optional<COLORREF> ParseColourCode(const std::string &text) {
  if (text.size() != 7 || text[0] != '#' ||
      !std::all_of(text.begin() + 1, text.end(), [](unsigned char c) { return std::isxdigit(c); }))
    return std::nullopt;
  const unsigned long rgb = std::strtoul(text.c_str() + 1, nullptr, 16);
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

std::string ColourCode(COLORREF colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", GetRValue(colour), GetGValue(colour),
                GetBValue(colour));
  return text;
}

bool FillProperties(HWND dialog, const PropertiesInput &input, std::string *error) {
  if (input.name && !Type(dialog, IDC_PROPERTIES_NAME, *input.name, "name", error))
    return false;
  if (input.description &&
      !Type(dialog, IDC_PROPERTIES_DESCRIPTION, *input.description, "description", error))
    return false;
  if (input.icon && !PickIcon(dialog, *input.icon, error))
    return false;
  if (input.colour && !PickColour(dialog, *input.colour, error))
    return false;
  if (IsWindowEnabled(GetDlgItem(dialog, IDOK)))
    return true;
  const std::string name = host::Utf8FromUtf16(WindowText(GetDlgItem(dialog, IDC_PROPERTIES_NAME)));
  *error = name.empty()
               ? "the dialog does not take a profile without a name"
               : "the dialog does not take the name \"" + name + "\": it is the built-in profile's";
  return false;
}

}  // namespace prfhost
