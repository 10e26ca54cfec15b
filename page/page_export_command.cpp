// The page's export command: the selected profiles, the built-in one left out, written in list
// order into a new profile file that the user names.
#include <string.h>

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

#include <memory>
#include <string>
#include <vector>

#include "abi/resource_ids.h"
#include "page/page_command_rules.h"
#include "page/profile_page.h"
#include "store/page_store.h"

namespace {

constexpr DWORD kExportChooserFlags = OFN_PATHMUSTEXIST | OFN_NOREADONLYRETURN | OFN_LONGNAMES;

}  // namespace

DualText ProfilePage::ProfileFileFilter() const {
  const DualText zero = {std::string(1, '\0'), WideString(1, u'\0')};
  return LoadPageText(IDS_PROFILE_FILES_FILTER) + m_Text.FromText(" (*.jzp)") + zero +
         m_Text.FromText("*.jzp") + zero + LoadPageText(IDS_ALL_FILES_FILTER) +
         m_Text.FromText(" (*.*)") + zero + m_Text.FromText("*.*") + zero + zero;
}

// The built-in profile is known by the text of its row; asking about it comes after the whole
// selection has been walked.
void ProfilePage::ExportSelectedProfiles() {
  const FileChooserRequest request = {true, ProfileFileFilter(), LoadPageText(IDS_EXPORT_TITLE),
                                      kExportChooserFlags, m_Text.FromText("jzp")};
  const std::optional<DualText> file = m_Text.ChooseFile(m_hWnd, request);
  if (!file || (m_Text.FileExists(*file) &&
                AskQuestion(IDS_FILE_EXISTS, IDS_PROFILE_EXISTS_CAPTION, nullptr) != IDYES))
    return;
  const int defaultRow = RowOfProfile(LoadPageText(IDS_DEFAULT_PROFILE_NAME).text.c_str());
  std::vector<std::string> names;
  bool defaultSelected = false;
  for (int row = -1;;) {
    row = static_cast<int>(SendMessageW(m_hProfileList, LVM_GETNEXTITEM, static_cast<WPARAM>(row),
                                        MAKELPARAM(LVNI_SELECTED, 0)));
    if (row < 0)
      break;
    if (row == defaultRow)
      defaultSelected = true;
    else
      names.push_back(m_Text.ListItemText(m_hProfileList, row).text);
  }
  if (defaultSelected &&
      AskQuestion(IDS_EXPORT_SKIPS_DEFAULT, IDS_PROFILE_EXISTS_CAPTION, nullptr) != IDYES)
    return;
  ExportProfiles(*file, names);
}

// A file that cannot be created writes nothing, without a message.
void ProfilePage::ExportProfiles(const DualText &file, const std::vector<std::string> &names) {
  std::unique_ptr<VTPROFJZP> store = MakePageStore(*this);
  if (!store)
    return;
  std::unique_ptr<char[][32]> slots(new char[names.size()][32]());
  for (size_t i = 0; i < names.size(); ++i)
    m_Text.CopyWholeChars(slots[i], sizeof slots[i], names[i].c_str());
  store->GetProfileDataFromModel(nullptr, nullptr, 0);
  if (!m_Text.WithPlatformForm(
          file, [&](auto name) { return store->OpenJzpFile(name, JZP_MODE_EXPORT); }))
    return;
  store->ExportProfilesToJZP(slots.get(), static_cast<DWORD>(names.size()));
  store->CloseJzpFile();
}
