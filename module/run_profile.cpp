// RunProfile: the profile page as a stand-alone dialog.
#include "module/run_profile.h"

#include <memory>
#include <new>

#include "module/module_state.h"
#include "page/profile_page.h"

int RunProfilePage(HWND /*parent*/, CControlSet *owner) {
  std::unique_ptr<ProfilePage> page(new (std::nothrow) ProfilePage());
  if (page == nullptr)
    return 0;
  page->SetOwner(owner);
  if (!page->CacheHostObjects())
    return 0;
  SetCurrentPage(page.get());
  page->ReadPlatform();
  page->SetResourceInstance(owner->GetUIManager()->GetResourceInstance());
  // The page is prepared; running it modally under `parent` needs the page's dialog window,
  // which the page does not create yet. The page is released here as after the dialog.
  return 0;
}
