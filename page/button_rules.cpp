// The enable rules of the page's buttons.
#include "page/button_rules.h"

#include <initializer_list>

#include "abi/resource_ids.h"

namespace {

constexpr int kMaxRows = 25;

enum : int {
  kAdd,
  kDelete,
  kEdit,
  kImport,
  kApply,
  kExport,
  kList,
  kDescription,
  kSeparator,
  kDescriptionLabel,
  kSettingsInfo,
};

const int kControlIds[BUTTON_RULE_CONTROL_COUNT] = {
    IDC_PROFILE_ADD,      IDC_PROFILE_DELETE,    IDC_PROFILE_EDIT,  IDC_PROFILE_IMPORT,
    IDC_PROFILE_APPLY,    IDC_PROFILE_EXPORT,    IDC_PROFILE_LIST,  IDC_PROFILE_DESCRIPTION,
    IDC_BUTTON_SEPARATOR, IDC_DESCRIPTION_LABEL, IDC_SETTINGS_INFO,
};

void Set(ButtonRuleState (&states)[BUTTON_RULE_CONTROL_COUNT], std::initializer_list<int> which,
         ControlState state) {
  for (int index : which)
    states[index].state = state;
}

}  // namespace

// The list, the description and its label are only ever disabled here, by the no-rights rule; the
// settings-information button is only ever enabled.
//
// Adding and importing are barred in client mode and from 26 rows on whatever the selection is:
// the rule on the row count and mode stands on its own, not under the selection rule before it.
void DecideButtons(const ButtonRuleInput &input,
                   ButtonRuleState (&states)[BUTTON_RULE_CONTROL_COUNT]) {
  for (int i = 0; i < BUTTON_RULE_CONTROL_COUNT; ++i)
    states[i] = {kControlIds[i], ControlState::Keep};
  if (input.bNoRights) {
    Set(states,
        {kAdd, kDelete, kEdit, kImport, kApply, kExport, kList, kDescription, kSeparator,
         kDescriptionLabel},
        ControlState::Disable);
    return;
  }
  Set(states, {kAdd, kDelete, kEdit, kImport, kApply, kExport, kSeparator, kSettingsInfo},
      ControlState::Enable);
  if (input.nSelected == 0 || input.nRows == 1)
    Set(states, {kDelete, kEdit, kExport}, ControlState::Disable);
  if (input.bClient || input.nRows > kMaxRows)
    Set(states, {kAdd, kImport}, ControlState::Disable);
  if (!input.bFocusSelected)
    return;
  if (input.bFocusIsDefault && input.nSelected == 1)
    Set(states, {kDelete, kEdit, kExport}, ControlState::Disable);
  if (input.nSelected > 1)
    Set(states, {kEdit, kApply}, ControlState::Disable);
  if (input.nRows == 0)
    Set(states, {kDelete, kEdit, kApply, kExport}, ControlState::Disable);
  if (input.bClient)
    Set(states, {kAdd, kDelete, kEdit, kImport, kExport}, ControlState::Disable);
}

void ApplyButtonRules(HWND page, const ButtonRuleInput &input) {
  ButtonRuleState states[BUTTON_RULE_CONTROL_COUNT];
  DecideButtons(input, states);
  for (const ButtonRuleState &rule : states) {
    if (rule.state == ControlState::Keep)
      continue;
    if (HWND control = GetDlgItem(page, rule.controlId))
      EnableWindow(control, rule.state == ControlState::Enable ? TRUE : FALSE);
  }
}
