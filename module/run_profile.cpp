// RunProfile: the profile page as a stand-alone dialog.
#include "module/run_profile.h"

#include <memory>
#include <new>

#include "module/module_state.h"
#include "page/current_page.h"
#include "page/profile_page.h"

int RunProfilePage(HWND parent, CControlSet *owner) {
  std::unique_ptr<ProfilePage> page(new (std::nothrow) ProfilePage());
  if (page == nullptr)
    return 0;
  page->SetOwner(owner);
  if (!page->CacheHostObjects())
    return 0;
  SetCurrentPage(page.get());
  page->ReadPlatform();
  page->SetResourceInstance(owner->GetUIManager()->GetResourceInstance());
  const int templateId = page->ChooseTemplate();
  // The dialog's result is not the caller's business: RunProfile always reports 0.
  page->Text().RunModal(page->GetResourceInstance(), templateId, parent, ProfilePage::DialogProc);
  return 0;
}
