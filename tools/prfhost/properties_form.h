// Filling the module's profile-properties dialog (template 108) as a person would: typing the
// name and the description, picking an icon and a colour. Fields left unset keep what the dialog
// shows.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace prfhost {

struct PropertiesInput {
  std::optional<std::string> name;  // UTF-8
  std::optional<std::string> description;
  std::optional<int> icon;
  // A colour of the colour box by its name as the box shows it, or #RRGGBB; a colour that is not
  // one of the box's named colours goes through its custom entry and the colour chooser.
  std::optional<std::string> colour;
};

// The COLORREF of "#RRGGBB"; none for anything else (a name).
std::optional<COLORREF> ParseColourCode(const std::string &text);
// "#RRGGBB" of the COLORREF.
std::string ColourCode(COLORREF colour);

// Fills the dialog. False with a message when a text is longer than its box takes, the icon or
// colour is not offered, or the dialog will not take the result (OK stays disabled).
bool FillProperties(HWND dialog, const PropertiesInput &input, std::string *error);

}  // namespace prfhost
