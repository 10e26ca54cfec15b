// The storage reads of the summary context.
#include "describe/summary_context.h"

#include <memory>

#include "store/page_store.h"

std::vector<BYTE> SummaryContext::ReadProfileDevMode(const ProfileHeader &header) const {
  return GetProfileDevModeFromRegW(GetStorePage(), header.strProfileName, header.nProfRegNum,
                                   PROFILE_DEVMODE_VALUE);
}

std::vector<BYTE> SummaryContext::ReadDefaultDevMode() const {
  std::unique_ptr<VTPROFJZP> store = MakePageStore(GetStorePage());
  if (!store)
    return {};
  std::vector<BYTE> devMode(store->RetryDefaultDevModeSize(), 0);
  const DWORD copied = store->GetDefaultDevMode(devMode.data(), static_cast<DWORD>(devMode.size()));
  devMode.resize(copied < devMode.size() ? copied : devMode.size());
  return devMode;
}
