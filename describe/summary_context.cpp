// The storage reads of the summary context.
#include "describe/summary_context.h"

#include "store/page_store.h"

std::vector<BYTE> SummaryContext::ReadProfileDevMode(const ProfileHeader &header) const {
  return GetProfileDevModeFromRegW(GetStorePage(), header.strProfileName, header.nProfRegNum,
                                   PROFILE_DEVMODE_VALUE);
}

std::vector<BYTE> SummaryContext::ReadDefaultDevMode() const {
  return GetPageDefaultDevMode(GetStorePage());
}
