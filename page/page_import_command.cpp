// The page's import command: every profile of a profile file the user chooses becomes a new
// profile of this printer, its values stored and its settings fitted to the printer and
// rebuilt onto the printer's own factory default.
#include <string.h>

#include <windows.h>
#include <commdlg.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "abi/host_records.h"
#include "abi/resource_ids.h"
#include "abi/storage_names.h"
#include "page/page_command_rules.h"
#include "page/profile_page.h"
#include "store/imported_value_names.h"
#include "store/page_store.h"
#include "store/profile_list.h"

namespace {

constexpr DWORD kImportChooserFlags = OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_LONGNAMES;
constexpr int kPaperSizeList = 3;
constexpr int kResolutionList = 7;
constexpr char kCustomPaperSizes[] = "VtCPSData";
constexpr char kCustomPaperSizeCount[] = "VtCPSCount";

}  // namespace

void ProfilePage::ImportProfiles() {
  if (m_pProfileList == nullptr || m_nProfileCount > kProfileLimit)
    return;
  const FileChooserRequest request = {false, ProfileFileFilter(), LoadPageText(IDS_IMPORT_TITLE),
                                      kImportChooserFlags, m_Text.FromText("jzp")};
  const std::optional<DualText> file = m_Text.ChooseFile(m_hWnd, request);
  if (!file)
    return;
  ImportProfileFile(*file);
  m_pProfileList->Save();
  FitListColumn();
  ShowProfileSummary();
}

// The cap counts the profiles of the page's list, which grows with every profile this import
// adds: an import never takes the page past kMostProfiles. A file that cannot be opened, or
// holds no profile, ends the import without a message.
void ProfilePage::ImportProfileFile(const DualText &file) {
  ManageProfile reader(ReadDefaultDevMode(), JzpHead{});
  if (m_Text.WithPlatformForm(
          file, [&](auto name) { return reader.OpenProfile(name, JZP_MODE_READ); }) != 0)
    return;
  JzpHead head;
  if (!reader.LoadProfileHeader(&head) || !ConfirmImportFrom(head)) {
    reader.CloseProfile();
    return;
  }
  const int count = std::max(reader.GetProfileDataFromJZP(nullptr, nullptr, 0), 0);
  std::unique_ptr<char[][32]> names(new char[count][32]());
  reader.GetProfileDataFromJZP(names.get(), nullptr, static_cast<DWORD>(count));
  const JzpImportTarget target = ReadImportTarget();
  for (int i = 0; i < count; ++i) {
    if (m_pProfileList->Count() >= kMostProfiles) {
      const DualText notice =
          m_Text.FromText(FormatHostText(LoadPageText(IDS_TOO_MANY_PROFILES).text, "%d",
                                         std::to_string(kProfileLimit))
                              .c_str());
      m_Text.ShowMessageBox(m_hWnd, notice, LoadPageText(IDS_PROFILE_EXISTS_CAPTION),
                            MB_ICONEXCLAMATION);
      break;
    }
    ImportProfile(reader, target, names[i]);
  }
  reader.CloseProfile();
}

// Asked when the file names another driver version or model than the current settings.
bool ProfilePage::ConfirmImportFrom(const JzpHead &head) const {
  if (m_pDevMode == nullptr || Manager() == nullptr)
    return true;
  WCHAR deviceName[CCHDEVICENAME + 1] = {};
  memcpy(deviceName, m_pDevMode->dmDeviceName, sizeof m_pDevMode->dmDeviceName);
  if (head.wDriverVersion == m_pDevMode->dmDriverVersion &&
      m_Text.ToText(deviceName) == head.szModel)
    return true;
  return m_Text.ShowMessageBox(m_hWnd, LoadPageText(IDS_OTHER_MODEL_FILE),
                               LoadPageText(IDS_IMPORT_TITLE), kQuestionStyle) == IDYES;
}

JzpImportTarget ProfilePage::ReadImportTarget() const {
  JzpImportTarget target;
  UIManager *manager = Manager();
  if (manager == nullptr)
    return target;
  for (int i = 0, count = manager->GetFeatureCount(kPaperSizeList); i < count; ++i)
    if (const void *item = manager->GetFeatureItem(kPaperSizeList, static_cast<WORD>(i)))
      target.paperSizes.push_back(static_cast<const PaperSizeEntry *>(item)->wPaperCode);
  for (int i = 0, count = manager->GetFeatureCount(kResolutionList); i < count; ++i)
    if (const void *item = manager->GetFeatureItem(kResolutionList, static_cast<WORD>(i)))
      target.resolutions.push_back(static_cast<const FeatureEntry *>(item)->wCode);
  target.language = manager->GetLanguage();
  if (const ModelInfoRecord *model = manager->GetModelInfo())
    target.restriction = model->bRestriction;
  return target;
}

std::optional<std::vector<CustomPaperSize>> ProfilePage::ReadPrinterCustomPaperSizes() const {
  UIManager *manager = Manager();
  DWORD count = 0, size = sizeof count;
  if (manager == nullptr || !manager->ReadPrinterValue(kCustomPaperSizeCount, &count, &size) ||
      size != sizeof count)
    return std::nullopt;
  DWORD tableSize = 0;
  manager->ReadPrinterValue(kCustomPaperSizes, nullptr, &tableSize);
  std::vector<BYTE> table(tableSize);
  if (tableSize == 0 || !manager->ReadPrinterValue(kCustomPaperSizes, table.data(), &tableSize))
    return std::nullopt;
  table.resize(std::min<size_t>(tableSize, table.size()));
  return ReadCustomPaperSizes(table, count);
}

// The profile is read before it is added, so that a profile the file cannot give whole is not
// added at all. The built-in profile's name is refused without a message.
bool ProfilePage::ImportProfile(ManageProfile &reader, const JzpImportTarget &target,
                                LPCSTR profileName) {
  JzpProfileEntry entry;
  if (!reader.FindProfileEntry(profileName, &entry) || !reader.LoadProfile(entry) ||
      strcmp(entry.szProfileName, LoadPageText(IDS_DEFAULT_PROFILE_NAME).text.c_str()) == 0)
    return false;
  ProfileHeader header{};
  m_Text.CopyWholeChars(header.strProfileName, sizeof header.strProfileName, entry.szProfileName);
  m_Text.CopyWholeChars(header.strProfileInfo, sizeof header.strProfileInfo, entry.szProfileInfo);
  header.nProfileIcon = entry.nProfileIcon;
  header.rgbIconColor = entry.rgbIconColor;
  if (!InsertNewProfile(&header))
    return false;
  ImportProfileValues(reader, header.strProfileName);

  // A default DEVMODE longer than the page's own is rebuilt whole, in a buffer of its size.
  const size_t pageSize =
      m_pDevMode != nullptr ? size_t{m_pDevMode->dmSize} + m_pDevMode->dmDriverExtra : 0;
  std::vector<BYTE> devMode(std::max(pageSize, reader.GetDefaultDevMode().size()));
  if (reader.LoadProfileDevMode(target, devMode.data(), static_cast<DWORD>(devMode.size())))
    SaveProfilePrinterValue(*this, header.strProfileName, PROFILE_DEVMODE_VALUE, devMode.data(),
                            static_cast<DWORD>(devMode.size()));
  return true;
}

// Every value is stored as REG_BINARY under its own name, a name that is not a plain value name
// skipped. The merged custom paper sizes are stored after the walk, so that a "VtCPSCount"
// record standing behind "VtCPSData" in the file cannot undo the merge.
void ProfilePage::ImportProfileValues(ManageProfile &reader, LPCSTR profileName) {
  std::optional<CustomPaperSizeMerge> merge;
  JzpRegItemHeader head;
  for (reader.StartProfileRegistry(); reader.IsProfileRegistry();) {
    if (!reader.LoadProfileRegHeader(&head))
      break;
    std::vector<BYTE> data(head.dwSize);
    reader.LoadProfileRegBody(data.data(), head.dwSize);
    if (!IsImportableValueName(head.szValueName))
      continue;
    SaveProfilePrinterValue(*this, profileName, head.szValueName, data.data(), head.dwSize);
    if (strstr(head.szValueName, kCustomPaperSizes) != nullptr)
      merge = reader.VerifyProfileCPSData(ReadPrinterCustomPaperSizes(), data);
  }
  if (!merge)
    return;
  const DWORD count = static_cast<DWORD>(merge->table.size());
  SaveProfilePrinterValue(*this, profileName, kCustomPaperSizes,
                          reinterpret_cast<const BYTE *>(merge->table.data()),
                          count * static_cast<DWORD>(sizeof(CustomPaperSize)));
  SaveProfilePrinterValue(*this, profileName, kCustomPaperSizeCount,
                          reinterpret_cast<const BYTE *>(&count), sizeof count);
}
