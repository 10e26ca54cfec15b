// The page's store and its reading of a profile's DEVMODE.
#include "store/page_store.h"

#include <stddef.h>
#include <string.h>

#include <new>

std::unique_ptr<VTPROFJZP> MakePageStore(const ProfilePageContext &page) {
  const DualText name{page.GetPrinterNameA(), page.GetPrinterNameW()};
  return page.Text().WithPlatformForm(name, [&page](auto printerName) {
    return std::unique_ptr<VTPROFJZP>(
        new (std::nothrow) VTPROFJZP(nullptr, printerName, page.GetPrinterHandle(),
                                     page.GetControlSet(), page.GetDriverDevModeSizeCache()));
  });
}

// Widening needs the page's current DEVMODE for the size fields; without one the stored
// DEVMODE is handed out as it is stored.
std::vector<BYTE> GetProfileDevModeFromRegW(const ProfilePageContext &page, LPCSTR profileName,
                                            int regNum, LPCSTR valueName) {
  std::unique_ptr<VTPROFJZP> store = MakePageStore(page);
  if (!store)
    return {};
  const DWORD defaultSize = store->RetryDefaultDevModeSize();
  DWORD storedSize = 0, type = REG_BINARY;
  if (store->LoadProfileRegValue(profileName, regNum, valueName, nullptr, 0, &storedSize, &type) ==
      0)
    return {};

  const DEVMODEW *current = page.GetCurrentDevMode();
  const bool widen = defaultSize > storedSize && current != nullptr &&
                     defaultSize >= offsetof(DEVMODEW, dmDriverExtra) + sizeof(WORD);
  std::vector<BYTE> devMode(widen ? defaultSize : storedSize, 0);
  DWORD loaded = 0;
  if (store->LoadProfileRegValue(profileName, regNum, valueName, devMode.data(),
                                 static_cast<DWORD>(devMode.size()), &loaded, &type) == 0)
    return {};
  if (!widen) {
    devMode.resize(loaded);
    return devMode;
  }
  memcpy(devMode.data() + offsetof(DEVMODEW, dmSize), &current->dmSize, sizeof current->dmSize);
  memcpy(devMode.data() + offsetof(DEVMODEW, dmDriverExtra), &current->dmDriverExtra,
         sizeof current->dmDriverExtra);
  store->SaveProfileRegValue(profileName, regNum, valueName, devMode.data(),
                             static_cast<DWORD>(devMode.size()), type);
  return devMode;
}
