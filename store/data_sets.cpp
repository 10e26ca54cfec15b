// The driver data sets that travel with a profile: every value of the printer's
// PrinterDriverData key whose name begins with "Vt", and "Setup" (kept as "_Setup").
#include <windows.h>
#include <mbstring.h>
#include <string.h>
#include <winspool.h>

#include <optional>
#include <string>

#include "abi/wide.h"
#include "store/page_store.h"
#include "store/profile_list.h"
#include "store/win_handles.h"
#include "store/win_text.h"

namespace {

constexpr char kPrintersKeyA[] = "System\\CurrentControlSet\\Control\\Print\\Printers";
constexpr char kSetupValue[] = "Setup";
constexpr char kDefaultDevFontValue[] = "Default DevFont";
constexpr DWORD kCustomPaperCountUnset = 0xFFFFFFFF;

bool Contains(LPCSTR text, LPCSTR part) {
  return _mbsstr(reinterpret_cast<const unsigned char *>(text),
                 reinterpret_cast<const unsigned char *>(part)) != nullptr;
}

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
  HKEY opened = nullptr;
  LONG status;
  if (store.IsAnsiPlatform()) {
    const std::string path =
        std::string(kPrintersKeyA) + "\\" + store.GetRegistryNameA() + "\\" + PRINTER_DATA_KEY;
    status = RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS, &opened);
  } else {
    const WideString path = WideFromAnsi(kPrintersKeyA, CP_ACP) + WSTR("\\") +
                            store.GetRegistryNameW() + WSTR("\\") +
                            WideFromAnsi(PRINTER_DATA_KEY, CP_ACP);
    status = RegOpenKeyExW(root, path.c_str(), 0, KEY_ALL_ACCESS, &opened);
  }
  return status == ERROR_SUCCESS ? ScopedRegKey(opened) : ScopedRegKey();
}

// Reads value `index` of the key into a movable global block; its ANSI name goes to `name`.
// False when the value cannot be read whole (a name longer than the buffer included).
bool ReadEnumeratedValue(bool ansi, HKEY key, DWORD index, std::string *name,
                         ScopedGlobalBlock *block, DWORD size) {
  DWORD read = size;
  if (ansi) {
    char nameA[MAX_PATH];
    DWORD length = MAX_PATH;
    if (RegEnumValueA(key, index, nameA, &length, nullptr, nullptr, block->data(), &read) !=
        ERROR_SUCCESS)
      return false;
    *name = nameA;
  } else {
    WCHAR nameW[MAX_PATH];
    DWORD length = MAX_PATH;
    if (RegEnumValueW(key, index, nameW, &length, nullptr, nullptr, block->data(), &read) !=
        ERROR_SUCCESS)
      return false;
    *name = AnsiFromWide(nameW, CP_ACP);
  }
  return read == size;
}

// The size of value `index`; ERROR_NO_MORE_ITEMS (or another error) ends the enumeration.
LONG EnumeratedValueSize(bool ansi, HKEY key, DWORD index, DWORD *size) {
  DWORD length = MAX_PATH;
  if (ansi) {
    char nameA[MAX_PATH];
    return RegEnumValueA(key, index, nameA, &length, nullptr, nullptr, nullptr, size);
  }
  WCHAR nameW[MAX_PATH];
  return RegEnumValueW(key, index, nameW, &length, nullptr, nullptr, nullptr, size);
}

// Opens the page's printer by name for administration and writes the value as REG_BINARY; a
// printer that cannot be opened is skipped.
void WritePrinterValueAsAdministrator(const ProfilePageContext &page, LPCSTR valueName, BYTE *data,
                                      DWORD size) {
  HANDLE opened = nullptr;
  if (page.IsAnsiPlatform()) {
    PRINTER_DEFAULTSA defaults = {nullptr, nullptr, PRINTER_ACCESS_ADMINISTER};
    std::string printerName = page.GetPrinterNameA() != nullptr ? page.GetPrinterNameA() : "";
    if (!OpenPrinterA(printerName.data(), &opened, &defaults))
      return;
    ScopedPrinter printer(opened, true);
    std::string name = valueName;
    SetPrinterDataA(printer.get(), name.data(), REG_BINARY, data, size);
  } else {
    PRINTER_DEFAULTSW defaults = {nullptr, nullptr, PRINTER_ACCESS_ADMINISTER};
    WideString printerName = page.GetPrinterNameW() != nullptr ? page.GetPrinterNameW() : WSTR("");
    if (!OpenPrinterW(printerName.data(), &opened, &defaults))
      return;
    ScopedPrinter printer(opened, true);
    WideString name = WideFromAnsi(valueName, CP_ACP);
    SetPrinterDataW(printer.get(), name.data(), REG_BINARY, data, size);
  }
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
  const bool ansi = store->IsAnsiPlatform();
  for (DWORD index = 0;; ++index) {
    DWORD size = 0;
    const LONG status = EnumeratedValueSize(ansi, key.get(), index, &size);
    if (status != ERROR_SUCCESS && status != ERROR_MORE_DATA)
      break;
    auto block =
        std::make_unique<ScopedGlobalBlock>(GMEM_MOVEABLE | GMEM_ZEROINIT, size != 0 ? size : 1);
    std::string name;
    if (block->data() == nullptr ||
        !ReadEnumeratedValue(ansi, key.get(), index, &name, block.get(), size))
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
    if (Contains(name, "VtFontSub") && manager != nullptr) {
      const BYTE noFont[4] = {};
      manager->WritePrinterValue(kDefaultDevFontValue, REG_BINARY, noFont, sizeof noFont);
    }
    DWORD first = 0;
    if (Contains(name, "VtCPSCount") && data.size() >= sizeof first) {
      memcpy(&first, data.data(), sizeof first);
      if (first == kCustomPaperCountUnset)
        memset(data.data(), 0, sizeof first);
    }

    WritePrinterValueAsAdministrator(page, name, data.data(), static_cast<DWORD>(data.size()));
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
