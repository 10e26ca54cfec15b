// The enable rules of the page's buttons, for every row count and selection shape that gives
// them a different answer.
#include <gtest/gtest.h>

#include <set>

#include "page/button_rules.h"
#include "abi/resource_ids.h"

namespace {

struct RuleCase {
  const char *name;
  ButtonRuleInput input;
  std::set<int> enabled;  // among the command buttons 106 to 111
};

std::set<int> EnabledCommands(const ButtonRuleInput &input) {
  ButtonRuleState states[BUTTON_RULE_CONTROL_COUNT];
  DecideButtons(input, states);
  std::set<int> enabled;
  for (const ButtonRuleState &state : states)
    if (state.controlId >= IDC_PROFILE_ADD && state.controlId <= IDC_PROFILE_EXPORT &&
        state.state == ControlState::Enable)
      enabled.insert(state.controlId);
  return enabled;
}

constexpr int kAdd = IDC_PROFILE_ADD, kDelete = IDC_PROFILE_DELETE, kEdit = IDC_PROFILE_EDIT,
              kImport = IDC_PROFILE_IMPORT, kApply = IDC_PROFILE_APPLY,
              kExport = IDC_PROFILE_EXPORT;

TEST(ButtonRulesTest, EachRowCountAndSelectionShape) {
  // {no rights, client, rows, selected, focused and selected, focus on the default profile}
  const RuleCase cases[] = {
      {"empty list", {false, false, 0, 0, false, false}, {kAdd, kImport, kApply}},
      {"default alone, selected", {false, false, 1, 1, true, true}, {kAdd, kImport, kApply}},
      {"two rows, nothing selected", {false, false, 2, 0, false, false}, {kAdd, kImport, kApply}},
      {"two rows, default selected", {false, false, 2, 1, true, true}, {kAdd, kImport, kApply}},
      {"two rows, user profile selected",
       {false, false, 2, 1, true, false},
       {kAdd, kDelete, kEdit, kImport, kApply, kExport}},
      {"two rows, both selected",
       {false, false, 2, 2, true, true},
       {kAdd, kDelete, kImport, kExport}},
      {"selection without focus",
       {false, false, 2, 1, false, false},
       {kAdd, kDelete, kEdit, kImport, kApply, kExport}},
      {"25 rows, user profile selected",
       {false, false, 25, 1, true, false},
       {kAdd, kDelete, kEdit, kImport, kApply, kExport}},
      {"26 rows, user profile selected",
       {false, false, 26, 1, true, false},
       {kDelete, kEdit, kApply, kExport}},
      {"26 rows, nothing selected", {false, false, 26, 0, false, false}, {kApply}},
      {"26 rows, three selected", {false, false, 26, 3, true, false}, {kDelete, kExport}},
      {"client mode, user profile selected", {false, true, 2, 1, true, false}, {kApply}},
      {"client mode, nothing selected", {false, true, 2, 0, false, false}, {kApply}},
      {"no rights", {true, false, 2, 1, true, false}, {}},
  };
  for (const RuleCase &c : cases)
    EXPECT_EQ(EnabledCommands(c.input), c.enabled) << c.name;
}

TEST(ButtonRulesTest, ListDescriptionAndInformationButtonFollowOnlyTheRights) {
  ButtonRuleState states[BUTTON_RULE_CONTROL_COUNT];
  auto stateOf = [&states](int id) {
    for (const ButtonRuleState &state : states)
      if (state.controlId == id)
        return state.state;
    ADD_FAILURE() << "no rule for " << id;
    return ControlState::Keep;
  };
  DecideButtons({false, false, 0, 0, false, false}, states);
  EXPECT_EQ(stateOf(IDC_PROFILE_LIST), ControlState::Keep);
  EXPECT_EQ(stateOf(IDC_PROFILE_DESCRIPTION), ControlState::Keep);
  EXPECT_EQ(stateOf(IDC_DESCRIPTION_LABEL), ControlState::Keep);
  EXPECT_EQ(stateOf(IDC_BUTTON_SEPARATOR), ControlState::Enable);
  EXPECT_EQ(stateOf(IDC_SETTINGS_INFO), ControlState::Enable);
  DecideButtons({true, false, 2, 1, true, false}, states);
  for (int id :
       {IDC_PROFILE_LIST, IDC_PROFILE_DESCRIPTION, IDC_BUTTON_SEPARATOR, IDC_DESCRIPTION_LABEL})
    EXPECT_EQ(stateOf(id), ControlState::Disable) << id;
  EXPECT_EQ(stateOf(IDC_SETTINGS_INFO), ControlState::Keep);
}

}  // namespace
