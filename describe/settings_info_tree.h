// The tree of the settings-information dialog as its groups fill it: nodes of label and value
// under a page or group node, the names of feature-list entries, and the expansion of a group.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "describe/settings_info_sources.h"
#include "describe/settings_info_text.h"

class InfoTree {
 public:
  InfoTree(HWND tree, InfoText &text, const InfoSources &sources)
      : m_hTree(tree), m_Text(text), m_Sources(sources) {}

  InfoText &Text() { return m_Text; }
  const InfoSources &Sources() const { return m_Sources; }

  // A node with the given text under `parent`.
  HTREEITEM Add(HTREEITEM parent, const std::string &text);
  // The label with its colon, one blank and the value; the label with its colon alone when the
  // value is empty (a list entry the host does not return has no name).
  HTREEITEM AddValue(HTREEITEM parent, UINT label, const std::string &value);
  HTREEITEM AddValue(HTREEITEM parent, UINT label, UINT value);
  // A group node: the label without a colon.
  HTREEITEM AddGroup(HTREEITEM parent, UINT label);
  void Expand(HTREEITEM item);

  // Host string `id` as node text.
  std::string String(UINT id) { return m_Text.HostText(id); }
  std::string Label(UINT id);
  // The name of the first entry of a media-type, paper-source or output-bin list with the code,
  // and of the entry at a position; empty when there is none.
  std::string FeatureNameByCode(int list, DWORD code);
  std::string FeatureNameAt(int list, DWORD position);

 private:
  HWND m_hTree;
  InfoText &m_Text;
  const InfoSources &m_Sources;
};
