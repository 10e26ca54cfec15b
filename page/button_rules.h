// Which of the page's controls are enabled, decided from the user's rights, the client mode and
// the rows and selection of the profile list.
#pragma once

#include <windows.h>

struct ButtonRuleInput {
  bool bNoRights;
  bool bClient;
  int nRows;             // rows of the profile list
  int nSelected;         // selected rows
  bool bFocusSelected;   // a row is both focused and selected
  bool bFocusIsDefault;  // that row is the built-in default profile
};

enum class ControlState { Keep, Enable, Disable };

// The controls the rules touch, in this order: 106 to 111, 1149, 1037, 1022, 1057 and 1895.
constexpr int BUTTON_RULE_CONTROL_COUNT = 11;

struct ButtonRuleState {
  int controlId;
  ControlState state;
};

void DecideButtons(const ButtonRuleInput &input,
                   ButtonRuleState (&states)[BUTTON_RULE_CONTROL_COUNT]);

// Enables and disables the page's controls as DecideButtons says.
void ApplyButtonRules(HWND page, const ButtonRuleInput &input);
