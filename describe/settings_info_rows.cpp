// The table-driven groups of the settings-information tree.
#include "describe/settings_info_rows.h"

#include <stdio.h>

#include <algorithm>
#include <bit>
#include <optional>
#include <string>

#include "abi/host_records.h"
#include "abi/resource_ids.h"

namespace {

constexpr int kMaxDepth = 3;
constexpr WORD kLineOptionsOffset = 652;
constexpr DWORD kLineUnitPoints = 1u << 3;
constexpr UINT IDS_MILLIMETRES = 831;
constexpr UINT IDS_POINTS = 832;

const InfoBytes &RecordOf(const InfoSources &sources, InfoSource source) {
  switch (source) {
    case InfoSource::DevMode:
      return sources.devMode;
    case InfoSource::Model:
      return sources.model;
    case InfoSource::Caps:
      return sources.caps;
    case InfoSource::Main:
      break;
  }
  return sources.main;
}

std::optional<long> ReadField(const InfoSources &sources, const InfoField &field) {
  const InfoBytes &record = RecordOf(sources, field.source);
  DWORD raw = 0;
  switch (field.width) {
    case 1:
      if (auto value = record.Get<BYTE>(field.offset))
        raw = *value;
      else
        return std::nullopt;
      break;
    case 2:
      if (auto value = record.Get<WORD>(field.offset))
        raw = *value;
      else
        return std::nullopt;
      break;
    case 4:
      if (auto value = record.Get<DWORD>(field.offset))
        raw = *value;
      else
        return std::nullopt;
      break;
    default:
      return std::nullopt;
  }
  if (field.isSigned)
    return static_cast<short>(raw);
  return static_cast<long>((raw & field.mask) >> std::countr_zero(field.mask));
}

std::string Format(const char *format, double value) {
  char text[64];
  snprintf(text, sizeof text, format, value);
  return text;
}

std::optional<std::string> ChoiceText(InfoTree &tree, const InfoRow &row, long value) {
  for (const InfoChoice &choice : row.choices)
    if (static_cast<long>(choice.value) == value)
      return tree.String(choice.text);
  if (row.otherwise == 0)
    return std::nullopt;
  return tree.String(row.otherwise);
}

std::optional<std::string> PointPairText(const InfoSources &sources, const InfoField &field) {
  InfoField second = field;
  second.offset = static_cast<WORD>(field.offset + field.width);
  const std::optional<long> x = ReadField(sources, field);
  const std::optional<long> y = ReadField(sources, second);
  if (!x || !y)
    return std::nullopt;
  char text[64];
  snprintf(text, sizeof text, "%.3f, %.3f", *x / 1000.0, *y / 1000.0);
  return text;
}

std::optional<std::string> LineWidthText(InfoTree &tree, long value) {
  const std::optional<long> options =
      ReadField(tree.Sources(), MainWord(kLineOptionsOffset, kLineUnitPoints));
  if (!options)
    return std::nullopt;
  std::string text = Format("%.1f", value / 10.0);
  JoinLabelValue(text, tree.String(*options != 0 ? IDS_POINTS : IDS_MILLIMETRES));
  return text;
}

// The row's value as node text; nothing when the row is left out.
std::optional<std::string> RowValue(InfoTree &tree, const InfoRow &row) {
  const InfoSources &sources = tree.Sources();
  if (row.form == InfoForm::Text) {
    if (!sources.main.Holds(row.field.offset, row.field.width))
      return std::nullopt;
    const std::string text = sources.main.Text(row.field.offset, row.field.width);
    return tree.Text().SystemNameText(text);
  }
  if (row.form == InfoForm::PointPair)
    return PointPairText(sources, row.field);
  const std::optional<long> value = ReadField(sources, row.field);
  if (!value)
    return std::nullopt;
  switch (row.form) {
    case InfoForm::OnOff:
      return tree.String(*value != 0 ? IDS_INFO_ON : IDS_INFO_OFF);
    case InfoForm::YesNo:
      return tree.String(*value != 0 ? IDS_INFO_YES : IDS_INFO_NO);
    case InfoForm::Enabled:
      return tree.String(*value != 0 ? IDS_INFO_ENABLED : IDS_INFO_DISABLED);
    case InfoForm::Choice:
      return ChoiceText(tree, row, *value);
    case InfoForm::Number: {
      char text[64];
      snprintf(text, sizeof text, row.format, static_cast<int>(*value));
      return text;
    }
    case InfoForm::Tenths:
      return Format("%.1f", *value / 10.0);
    case InfoForm::Hundredths:
      return Format("%.2f", *value / 100.0);
    case InfoForm::LineWidth:
      return LineWidthText(tree, *value);
    case InfoForm::SourceName:
      return tree.FeatureNameByCode(FEATURE_PAPER_SOURCE, static_cast<DWORD>(*value));
    case InfoForm::MediaName:
      return tree.FeatureNameByCode(FEATURE_MEDIA_TYPE, static_cast<DWORD>(*value));
    case InfoForm::BinName:
      return tree.FeatureNameAt(FEATURE_OUTPUT_BIN, static_cast<DWORD>(*value));
    default:
      return std::string();
  }
}

HTREEITEM AddRow(InfoTree &tree, HTREEITEM parent, const InfoRow &row) {
  if (row.form == InfoForm::Group)
    return tree.AddGroup(parent, row.label);
  const std::optional<std::string> value = RowValue(tree, row);
  if (!value)
    return nullptr;
  return tree.AddValue(parent, row.label, *value);
}

}  // namespace

HTREEITEM InfoRowNodes::Find(UINT label) const {
  for (const auto &[rowLabel, node] : m_Nodes)
    if (rowLabel == label)
      return node;
  return nullptr;
}

bool IsMet(const InfoSources &sources, const InfoCondition &condition) {
  if (condition.test == InfoCondition::Always)
    return true;
  const std::optional<long> value = ReadField(sources, condition.field);
  if (!value)
    return false;
  switch (condition.test) {
    case InfoCondition::Set:
      return *value != 0;
    case InfoCondition::Clear:
      return *value == 0;
    case InfoCondition::Is:
      return *value == static_cast<long>(condition.value);
    case InfoCondition::IsNot:
      return *value != static_cast<long>(condition.value);
    case InfoCondition::AtLeast:
      return *value >= static_cast<long>(condition.value);
    default:
      return false;
  }
}

InfoRowNodes AddInfoGroup(InfoTree &tree, HTREEITEM parent, const InfoGroup &group) {
  InfoRowNodes nodes;
  if (!IsMet(tree.Sources(), group.when))
    return nodes;
  HTREEITEM parents[kMaxDepth + 1] = {parent};
  std::vector<HTREEITEM> filled;
  for (const InfoRow &row : group.rows) {
    if (row.depth >= kMaxDepth)
      continue;
    for (int deeper = row.depth + 1; deeper <= kMaxDepth; ++deeper)
      parents[deeper] = nullptr;
    HTREEITEM above = parents[row.depth];
    if (above == nullptr || !IsMet(tree.Sources(), row.when))
      continue;
    HTREEITEM node = AddRow(tree, above, row);
    if (node == nullptr)
      continue;
    parents[row.depth + 1] = node;
    nodes.Add(row.label, node);
    if (row.depth > 0 && std::find(filled.begin(), filled.end(), above) == filled.end())
      filled.push_back(above);
  }
  for (HTREEITEM node : filled)
    tree.Expand(node);
  return nodes;
}
