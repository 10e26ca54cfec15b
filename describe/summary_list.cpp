// Filling the summary list view.
#include "describe/summary_list.h"

#include <string.h>

namespace {

// Inserts the row at the end of the list; true when the list accepted it. The second column
// is given the callback text as well, so that no list view takes it for an empty text.
bool InsertSummaryRow(HWND list, const SummaryRow *row) {
  LVITEMA item;
  memset(&item, 0, sizeof item);
  item.mask = LVIF_TEXT | LVIF_PARAM;
  item.iItem = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  item.pszText = LPSTR_TEXTCALLBACKA;
  item.lParam = reinterpret_cast<LPARAM>(row);
  const LRESULT index = SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  if (index == -1)
    return false;
  item.iSubItem = 1;
  SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  return true;
}

}  // namespace

int FillSummaryList(HWND list, const SummaryRowStore &rows) {
  SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
  int accepted = 0;
  for (int i = 0; i < rows.GetCount(); ++i)
    if (InsertSummaryRow(list, rows.GetRow(i)))
      ++accepted;
  return accepted;
}

LPCSTR SummaryRowText(LPARAM itemParam, int column) {
  const auto *row = reinterpret_cast<const SummaryRow *>(itemParam);
  if (row == nullptr)
    return nullptr;
  if (column == 0)
    return row->pszFirst;
  if (column == 1)
    return row->pszSecond;
  return nullptr;
}
