// The driver data sets that travel with a profile: every value of the printer's
// PrinterDriverData key whose name begins with "Vt", and "Setup" (kept as "_Setup").
#include <windows.h>
#include <string.h>
#include <winspool.h>

#include <optional>
#include <string>

#include "abi/mbcs_text.h"
#include "store/page_store.h"
#include "store/profile_list.h"
#include "store/win_handles.h"

namespace {

constexpr char kPrintersKeyA[] = "System\\CurrentControlSet\\Control\\Print\\Printers";
constexpr char kSetupValue[] = "Setup";
constexpr char kDefaultDevFontValue[] = "Default DevFont";
constexpr DWORD kCustomPaperCountUnset = 0xFFFFFFFF;

// The registry number of the profile in the page's list, or -1 when the list lacks it.
int ListedRegNum(const ProfilePageContext &page, LPCSTR profileName) {
  const ProfileList *list = page.GetProfileList();
  const ProfileNode *node = list != nullptr ? list->Find(profileName) : nullptr;
  return node != nullptr ? node->header.nProfRegNum : -1;
}

// The name under which a printer value is kept in a profile, or null when it is no data set.
LPCSTR ProfileNameOfPrinterValue(LPCSTR name) {
  if (strncmp(name, "Vt", 2) == 0)
    return name;
  if (strcmp(name, kSetupValue) == 0)
    return PROFILE_SETUP_VALUE;
  return nullptr;
}

// The printer's PrinterDriverData key under the root, opened directly in the registry; empty
// when it cannot be opened.
ScopedRegKey OpenPrinterKey(const VTPROFJZP &store, HKEY root) {
  const TextPolicy &text = store.Text();
  const DualText separator = text.FromText("\\");
  return text.OpenRegKey(root,
                         text.FromText(kPrintersKeyA) + separator +
                             store.Identity().RegistryName() + separator +
                             text.FromText(PRINTER_DATA_KEY),
                         KEY_ALL_ACCESS);
}

// Reads value `index` of the key into a movable global block; its ANSI name goes to `name`.
// False when the value cannot be read whole (a name longer than the buffer included).
bool ReadEnumeratedValue(const TextPolicy &text, HKEY key, DWORD index, std::string *name,
                         ScopedGlobalBlock *block, DWORD size) {
  DWORD read = size;
  return text.EnumRegValue(key, index, name, block->data(), &read) == ERROR_SUCCESS && read == size;
}

// Opens the store's printer by name for administration and writes the value as REG_BINARY; a
// printer that cannot be opened is skipped.
void WritePrinterValueAsAdministrator(const VTPROFJZP &store, LPCSTR valueName, const BYTE *data,
                                      DWORD size) {
  const TextPolicy &text = store.Text();
  const ScopedPrinter printer =
      text.OpenPrinterByName(store.Identity().PrinterName(), PRINTER_ACCESS_ADMINISTER);
  if (printer)
    text.WritePrinterData(printer.get(), valueName, REG_BINARY, data, size);
}

}  // namespace

// A profile that the page's list lacks has no registry number to store under: its data sets
// are not stored, yet the result still tells whether the printer's key could be opened. The
// data sets are read first and stored afterwards, so that the profile values written into the
// same key cannot disturb the enumeration.
bool SaveProfilePrinterRegData(const ProfilePageContext &page, HKEY root, LPCSTR profileName) {
  std::unique_ptr<VTPROFJZP> store = MakePageStore(page);
  if (!store)
    return false;
  const ScopedRegKey key = OpenPrinterKey(*store, root);
  if (!key)
    return false;
  const int regNum = ListedRegNum(page, profileName);
  if (regNum < 0)
    return true;

  struct DataSet {
    std::string storedName;
    std::unique_ptr<ScopedGlobalBlock> block;
    DWORD size;
  };
  std::vector<DataSet> dataSets;
  const TextPolicy &text = store->Text();
  for (DWORD index = 0;; ++index) {
    DWORD size = 0;
    std::string name;
    const LONG status = text.EnumRegValue(key.get(), index, &name, nullptr, &size);
    if (status != ERROR_SUCCESS && status != ERROR_MORE_DATA)
      break;
    auto block =
        std::make_unique<ScopedGlobalBlock>(GMEM_MOVEABLE | GMEM_ZEROINIT, size != 0 ? size : 1);
    if (block->data() == nullptr ||
        !ReadEnumeratedValue(text, key.get(), index, &name, block.get(), size))
      continue;
    LPCSTR storedName = ProfileNameOfPrinterValue(name.c_str());
    if (storedName != nullptr)
      dataSets.push_back({storedName, std::move(block), size});
  }
  for (const DataSet &dataSet : dataSets)
    store->SaveProfileRegValue(profileName, regNum, dataSet.storedName.c_str(),
                               dataSet.block->data(), dataSet.size, REG_BINARY);
  return true;
}

// A profile that the page's list lacks stores nothing, as it has no registry number.
bool SaveProfilePrinterValue(const ProfilePageContext &page, LPCSTR profileName, LPCSTR valueName,
                             const BYTE *data, DWORD size) {
  const int regNum = ListedRegNum(page, profileName);
  if (regNum < 0)
    return true;
  std::unique_ptr<VTPROFJZP> store = MakePageStore(page);
  if (store)
    store->SaveProfileRegValue(profileName, regNum, valueName, data, size, REG_BINARY);
  return true;
}

// Each value goes back under its name in the profile ("_Setup" included) through a printer
// opened for administration, at its stored size: a data set that was empty when the profile was
// saved empties the printer's value again. A value that the index lists but that is missing is
// skipped. Font substitution also resets "Default DevFont"; a custom-paper count still marked
// unset is written as 0. A profile that the page's list lacks has nothing to restore.
bool RestoreProfilePrinterRegData(const ProfilePageContext &page, LPCSTR profileName) {
  if (page.IsClientMode())
    return true;
  const int regNum = ListedRegNum(page, profileName);
  if (regNum < 0)
    return true;
  std::unique_ptr<VTPROFJZP> store = MakePageStore(page);
  if (!store)
    return true;
  CControlSet *controlSet = page.GetControlSet();
  UIManager *manager = controlSet != nullptr ? controlSet->GetUIManager() : nullptr;

  for (const ProfileValueInfo &value : store->EnumProfileRegValue(profileName, regNum)) {
    LPCSTR name = value.name.c_str();
    if (_stricmp(name, PROFILE_DEVMODE_VALUE) == 0)
      continue;
    std::optional<ProfileValue> loaded = store->ReadProfileValue(profileName, regNum, name);
    if (!loaded)
      continue;
    std::vector<BYTE> &data = loaded->data;
    if (ContainsMbcsText(name, "VtFontSub") && manager != nullptr) {
      const BYTE noFont[4] = {};
      manager->WritePrinterValue(kDefaultDevFontValue, REG_BINARY, noFont, sizeof noFont);
    }
    DWORD first = 0;
    if (ContainsMbcsText(name, "VtCPSCount") && data.size() >= sizeof first) {
      memcpy(&first, data.data(), sizeof first);
      if (first == kCustomPaperCountUnset)
        memset(data.data(), 0, sizeof first);
    }

    WritePrinterValueAsAdministrator(*store, name, data.data(), static_cast<DWORD>(data.size()));
  }
  return true;
}

bool DeleteProfilePrinterRegData(const ProfilePageContext &page, LPCSTR profileName) {
  const int regNum = ListedRegNum(page, profileName);
  if (regNum < 0)
    return false;
  std::unique_ptr<VTPROFJZP> store = MakePageStore(page);
  if (!store)
    return false;
  store->RemoveProfileRegValue(profileName, regNum);
  return true;
}
