// Nodes of the settings-information tree.
#include "describe/settings_info_tree.h"

#include "abi/host_records.h"

HTREEITEM InfoTree::Add(HTREEITEM parent, const std::string &text) {
  return m_Text.AddInfoItem(m_hTree, parent, text);
}

std::string InfoTree::Label(UINT id) {
  std::string label = String(id);
  m_Text.EnsureColon(label);
  return label;
}

HTREEITEM InfoTree::AddValue(HTREEITEM parent, UINT label, const std::string &value) {
  std::string text = Label(label);
  if (!value.empty())
    JoinLabelValue(text, value);
  return Add(parent, text);
}

HTREEITEM InfoTree::AddValue(HTREEITEM parent, UINT label, UINT value) {
  return AddValue(parent, label, String(value));
}

HTREEITEM InfoTree::AddGroup(HTREEITEM parent, UINT label) {
  std::string text = String(label);
  m_Text.StripInfoColon(text);
  return Add(parent, text);
}

void InfoTree::Expand(HTREEITEM item) {
  m_Text.ExpandItem(m_hTree, item);
}

std::string InfoTree::FeatureNameByCode(int list, DWORD code) {
  UIManager *manager = m_Sources.manager;
  const int count = manager->GetFeatureCount(list);
  for (int i = 0; i < count && i <= 0xFFFF; ++i) {
    const auto *entry =
        static_cast<const FeatureEntry *>(manager->GetFeatureItem(list, static_cast<WORD>(i)));
    if (entry != nullptr && entry->wCode == code)
      return String(entry->wNameId);
  }
  return std::string();
}

std::string InfoTree::FeatureNameAt(int list, DWORD position) {
  UIManager *manager = m_Sources.manager;
  if (position >= static_cast<DWORD>(manager->GetFeatureCount(list)) || position > 0xFFFF)
    return std::string();
  const auto *entry =
      static_cast<const FeatureEntry *>(manager->GetFeatureItem(list, static_cast<WORD>(position)));
  return entry != nullptr ? String(entry->wNameId) : std::string();
}
