// The rows of the settings summary: pairs of texts that the summary list view shows through
// its text callback, each row's item parameter pointing at its pair.
#pragma once

#include <windows.h>

#include <memory>

#include "store/text_policy.h"

constexpr int SUMMARY_ROW_CAPACITY = 128;
// Bytes of one text buffer: 127 bytes of text and the terminating zero.
constexpr int SUMMARY_TEXT_SIZE = 128;

// The two texts of one row, in column order.
struct SummaryRow {
  char *pszFirst;
  char *pszSecond;
};

// 128 rows of two 128-byte texts, allocated on first use and kept for reuse: every build starts
// again at row 0, after the list view that points into the rows has been emptied.
//
// A text longer than 127 bytes is cut at the last whole character that fits (a double-byte
// character is never split), so the row still shows its beginning. A row beyond the 128th is
// refused: Add returns null and nothing is stored, so the list never holds a pointer outside
// the store. Allocation failure is refused the same way.
class SummaryRowStore {
 public:
  SummaryRowStore();
  ~SummaryRowStore();
  SummaryRowStore(const SummaryRowStore &) = delete;
  SummaryRowStore &operator=(const SummaryRowStore &) = delete;

  // Starts a new build at row 0.
  void Reset() { m_nCount = 0; }
  // Copies the texts into the next row; the page's text policy tells where characters begin.
  // Null when the store is full or cannot be allocated.
  const SummaryRow *Add(LPCSTR first, LPCSTR second, const TextPolicy &text);

  int GetCount() const { return m_nCount; }
  // Row `index` of the current build, or null.
  const SummaryRow *GetRow(int index) const;

 private:
  bool Allocate();

  std::unique_ptr<SummaryRow[]> m_pRows;
  int m_nCount;
};
