// Reading the printer's virtual mailboxes for the settings information.
#include "describe/settings_info_mailboxes.h"

#include <stddef.h>

#include <vector>

#include "abi/driver_data.h"
#include "abi/private_blocks.h"
#include "abi/resource_ids.h"

namespace {

enum : UINT {
  IDS_MAILBOX = 952,
  IDS_OWNER = 951,
};

constexpr DWORD kRecordSize = sizeof(VirtualMailboxRecord);
// The settings select mailboxes by the bits of eight 32-bit words.
constexpr DWORD kSelectableMailboxes = 8 * 32;

// The size of a printer value; 0 when it cannot be read.
DWORD ValueSize(UIManager *manager, LPCSTR name) {
  DWORD size = 0;
  return manager->ReadPrinterValue(name, nullptr, &size) ? size : 0;
}

bool ReadValue(UIManager *manager, LPCSTR name, BYTE *buffer, DWORD size) {
  DWORD read = size;
  return manager->ReadPrinterValue(name, buffer, &read);
}

// The mailbox records: "VtVMBData" and, when it does not hold all of them, "VtVMBData2" behind
// it. Empty when a value cannot be read or the values do not fit the count.
std::vector<BYTE> ReadMailboxRecords(UIManager *manager, DWORD count) {
  const DWORD capacity = count * kRecordSize;
  const DWORD firstSize = ValueSize(manager, VMB_DATA_VALUE);
  if (firstSize == 0)
    return {};
  const DWORD secondSize = firstSize != capacity ? ValueSize(manager, VMB_DATA2_VALUE) : 0;
  if (firstSize > capacity || secondSize > capacity - firstSize)
    return {};
  std::vector<BYTE> records(capacity, 0);
  if (!ReadValue(manager, VMB_DATA_VALUE, records.data(), firstSize))
    return {};
  if (secondSize != 0 &&
      !ReadValue(manager, VMB_DATA2_VALUE, records.data() + firstSize, secondSize))
    return {};
  return records;
}

// True when "VtVMBTime" is later than the settings' time stamp.
bool MailboxesChangedSince(UIManager *manager, const InfoBytes &main) {
  DWORD time[2] = {0, 0};
  DWORD size = sizeof time;
  if (!manager->ReadPrinterValue(VMB_TIME_VALUE, time, &size) || size == 0)
    return false;
  const DWORD stamp0 = main.Get<DWORD>(offsetof(pdMain, adwSettingsTime)).value_or(0);
  const DWORD stamp1 =
      main.Get<DWORD>(offsetof(pdMain, adwSettingsTime) + sizeof(DWORD)).value_or(0);
  return time[0] > stamp0 || (time[0] == stamp0 && time[1] > stamp1);
}

bool IsSelected(const InfoBytes &main, DWORD mailbox) {
  const size_t word = offsetof(pdMain, adwMailboxes) + mailbox / 32 * sizeof(DWORD);
  return (main.Get<DWORD>(word).value_or(0) >> (mailbox % 32) & 1) != 0;
}

void AddMailbox(InfoTree &tree, HTREEITEM parent, const BYTE *record) {
  const InfoBytes bytes(record, kRecordSize);
  std::string text = tree.Label(IDS_MAILBOX);
  text += tree.Text().NameText(bytes.WideText(offsetof(VirtualMailboxRecord, szName), 32));
  text += ",";
  JoinLabelValue(text, tree.Label(IDS_OWNER));
  const std::string owner =
      bytes.Text(offsetof(VirtualMailboxRecord, szOwner), sizeof(VirtualMailboxRecord::szOwner));
  text += tree.Text().SystemNameText(owner);
  tree.Add(parent, text);
}

}  // namespace

void AddVirtualMailboxes(InfoTree &tree, HTREEITEM parent) {
  UIManager *manager = tree.Sources().manager;
  const InfoBytes &main = tree.Sources().main;
  DWORD count = 0;
  DWORD size = sizeof count;
  if (!manager->ReadPrinterValue(VMB_COUNT_VALUE, &count, &size) || size == 0 || count == 0 ||
      count > kSelectableMailboxes)
    return;
  const std::vector<BYTE> records = ReadMailboxRecords(manager, count);
  if (records.empty())
    return;
  const DWORD options = main.Get<DWORD>(offsetof(pdMain, dwOptions)).value_or(0);
  if ((options & PDMAIN_OPT_MAILBOX_LOCKED) != 0 || MailboxesChangedSince(manager, main)) {
    tree.Add(parent, tree.String(IDS_MAILBOXES_CHANGED));
    return;
  }
  for (DWORD mailbox = 0; mailbox < count; ++mailbox)
    if (IsSelected(main, mailbox))
      AddMailbox(tree, parent, records.data() + mailbox * kRecordSize);
}
