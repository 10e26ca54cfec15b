// Dialog templates (DLGTEMPLATE and DLGTEMPLATEEX) read into plain structures by a bounds-checked
// reader: a template that ends early or holds a bad string fails as a whole.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace winplat::dialog {

// A name or an ordinal (sz_Or_Ord): ordinal 0 with an empty name means "none".
struct NameOrOrdinal {
  std::u16string name;
  WORD ordinal = 0;
  bool IsOrdinal() const { return ordinal != 0; }
};

struct ItemTemplate {
  DWORD style = 0;
  DWORD exStyle = 0;
  DWORD helpId = 0;
  short x = 0, y = 0, cx = 0, cy = 0;
  DWORD id = 0;
  NameOrOrdinal windowClass;
  NameOrOrdinal title;
  std::vector<BYTE> creationData;
};

struct DialogTemplate {
  bool extended = false;
  DWORD style = 0;
  DWORD exStyle = 0;
  DWORD helpId = 0;
  short x = 0, y = 0, cx = 0, cy = 0;
  NameOrOrdinal menu;
  NameOrOrdinal windowClass;
  std::u16string title;
  bool hasFont = false;
  WORD pointSize = 0;
  WORD weight = 0;
  BYTE italic = 0;
  BYTE charset = 0;
  std::u16string face;
  std::vector<ItemTemplate> items;
};

// `size` bounds the read; a template from memory without a known size passes SIZE_MAX.
std::optional<DialogTemplate> ParseTemplate(const void *data, size_t size);

// The class name of a predefined control ordinal (0x80 "Button" ... 0x85 "ComboBox").
std::u16string PredefinedClassName(WORD ordinal);

}  // namespace winplat::dialog
