// The summary's row store.
#include "describe/summary_rows.h"

#include <string.h>

#include <new>

SummaryRowStore::SummaryRowStore() : m_nCount(0) {}

SummaryRowStore::~SummaryRowStore() {
  if (!m_pRows)
    return;
  for (int i = 0; i < SUMMARY_ROW_CAPACITY; ++i) {
    delete[] m_pRows[i].pszFirst;
    delete[] m_pRows[i].pszSecond;
  }
}

bool SummaryRowStore::Allocate() {
  if (m_pRows)
    return true;
  std::unique_ptr<SummaryRow[]> rows(new (std::nothrow) SummaryRow[SUMMARY_ROW_CAPACITY]());
  if (!rows)
    return false;
  bool complete = true;
  for (int i = 0; i < SUMMARY_ROW_CAPACITY && complete; ++i) {
    rows[i].pszFirst = new (std::nothrow) char[SUMMARY_TEXT_SIZE]();
    rows[i].pszSecond = new (std::nothrow) char[SUMMARY_TEXT_SIZE]();
    complete = rows[i].pszFirst != nullptr && rows[i].pszSecond != nullptr;
  }
  if (!complete) {
    for (int i = 0; i < SUMMARY_ROW_CAPACITY; ++i) {
      delete[] rows[i].pszFirst;
      delete[] rows[i].pszSecond;
    }
    return false;
  }
  m_pRows = std::move(rows);
  return true;
}

const SummaryRow *SummaryRowStore::Add(LPCSTR first, LPCSTR second, const TextPolicy &text) {
  if (m_nCount >= SUMMARY_ROW_CAPACITY || !Allocate())
    return nullptr;
  SummaryRow &row = m_pRows[m_nCount++];
  text.CopyWholeChars(row.pszFirst, SUMMARY_TEXT_SIZE, first);
  text.CopyWholeChars(row.pszSecond, SUMMARY_TEXT_SIZE, second);
  return &row;
}

const SummaryRow *SummaryRowStore::GetRow(int index) const {
  if (index < 0 || index >= m_nCount)
    return nullptr;
  return &m_pRows[index];
}
