// Groups of the settings-information tree written as tables: each row names a label, the field
// that gives its value and the form of the value, and the condition under which it is shown.
// The tables themselves are in settings_info_groups.cpp.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <span>
#include <utility>
#include <vector>

#include "describe/settings_info_tree.h"

enum class InfoSource : BYTE { Main, DevMode, Model, Caps };

// An integer field of a record: `width` bytes at `offset`; the bits of `mask`, shifted down to
// bit 0, are its value. A text field is `width` bytes of ANSI text.
struct InfoField {
  InfoSource source = InfoSource::Main;
  WORD offset = 0;
  BYTE width = 0;
  DWORD mask = 0;
  bool isSigned = false;
};

constexpr InfoField MainByte(WORD offset) {
  return {InfoSource::Main, offset, 1, 0xFF};
}
constexpr InfoField MainWord(WORD offset, DWORD mask = 0xFFFF) {
  return {InfoSource::Main, offset, 2, mask};
}
constexpr InfoField MainShort(WORD offset) {
  return {InfoSource::Main, offset, 2, 0xFFFF, true};
}
constexpr InfoField MainDword(WORD offset, DWORD mask = 0xFFFFFFFF) {
  return {InfoSource::Main, offset, 4, mask};
}
constexpr InfoField MainText(WORD offset, BYTE size) {
  return {InfoSource::Main, offset, size, 0};
}
constexpr InfoField DevModeShort(size_t offset) {
  return {InfoSource::DevMode, static_cast<WORD>(offset), 2, 0xFFFF, true};
}
constexpr InfoField DevModeDword(size_t offset) {
  return {InfoSource::DevMode, static_cast<WORD>(offset), 4, 0xFFFFFFFF};
}
constexpr InfoField CapsBit(size_t offset, int bit) {
  return {InfoSource::Caps, static_cast<WORD>(offset), 4, 1u << bit};
}
constexpr InfoField ModelDword(size_t offset) {
  return {InfoSource::Model, static_cast<WORD>(offset), 4, 0xFFFFFFFF};
}

// When a row or a group is shown. A field that cannot be read fails every test.
struct InfoCondition {
  enum Test : BYTE { Always, Set, Clear, Is, IsNot, AtLeast };
  Test test = Always;
  InfoField field{};
  DWORD value = 0;
};

constexpr InfoCondition WhenSet(InfoField field) {
  return {InfoCondition::Set, field};
}
constexpr InfoCondition WhenClear(InfoField field) {
  return {InfoCondition::Clear, field};
}
constexpr InfoCondition WhenIs(InfoField field, DWORD value) {
  return {InfoCondition::Is, field, value};
}
constexpr InfoCondition WhenNot(InfoField field, DWORD value) {
  return {InfoCondition::IsNot, field, value};
}
constexpr InfoCondition WhenAtLeast(InfoField field, DWORD value) {
  return {InfoCondition::AtLeast, field, value};
}

enum class InfoForm : BYTE {
  Group,       // the label alone, as a group node
  OnOff,       // IDS_INFO_ON when the field is nonzero, else IDS_INFO_OFF
  YesNo,       // IDS_INFO_YES / IDS_INFO_NO
  Enabled,     // IDS_INFO_ENABLED / IDS_INFO_DISABLED
  Choice,      // the string the choices give the value; `otherwise` for any other value
  Number,      // `format` with the value
  Tenths,      // "%.1f" of the value / 10
  Hundredths,  // "%.2f" of the value / 100
  PointPair,   // "%.3f, %.3f" of the value and the next 16-bit word, in thousandths
  LineWidth,   // "%.1f" of value / 10, a blank, IDS_MILLIMETRES or IDS_POINTS (bit 3 of main 652)
  SourceName,  // the paper-source entry (list 5) whose code is the value
  MediaName,   // the media-type entry (list 4) whose code is the value
  BinName,     // the output-bin entry (list 6) at the value as position
  Text,        // the field's ANSI text
};

struct InfoChoice {
  DWORD value;
  UINT text;
};

// A row under the group's parent (depth 0) or under the last row shown one level up. A row is
// left out when its condition fails, its field cannot be read, its choice has no text, or the
// row it belongs under was left out.
struct InfoRow {
  BYTE depth = 0;
  UINT label = 0;
  InfoForm form = InfoForm::Group;
  InfoField field{};
  InfoCondition when{};
  std::span<const InfoChoice> choices{};
  UINT otherwise = 0;  // Choice: the text of any other value; 0 leaves the row out
  const char *format = nullptr;
};

// Rows as the tables write them: a node with a value of a form, a group node, a choice, a
// number in a printf format.
constexpr InfoRow Node(BYTE depth, UINT label, InfoForm form, InfoField field,
                       InfoCondition when = {}) {
  return {depth, label, form, field, when};
}
constexpr InfoRow Group(BYTE depth, UINT label, InfoCondition when = {}) {
  return {depth, label, InfoForm::Group, {}, when};
}
constexpr InfoRow Pick(BYTE depth, UINT label, InfoField field, std::span<const InfoChoice> choices,
                       UINT otherwise = 0, InfoCondition when = {}) {
  return {depth, label, InfoForm::Choice, field, when, choices, otherwise};
}
constexpr InfoRow Numeral(BYTE depth, UINT label, InfoField field, const char *format,
                          InfoCondition when = {}) {
  return {depth, label, InfoForm::Number, field, when, {}, 0, format};
}

struct InfoGroup {
  InfoCondition when;
  std::span<const InfoRow> rows;
};

// The nodes a group added, by label.
class InfoRowNodes {
 public:
  void Add(UINT label, HTREEITEM node) { m_Nodes.emplace_back(label, node); }
  HTREEITEM Find(UINT label) const;

 private:
  std::vector<std::pair<UINT, HTREEITEM>> m_Nodes;
};

bool IsMet(const InfoSources &sources, const InfoCondition &condition);
// Adds the group's rows under `parent` when the group's condition holds, and expands every node
// that received rows of its own.
InfoRowNodes AddInfoGroup(InfoTree &tree, HTREEITEM parent, const InfoGroup &group);
