// The module-wide current page.
#include "page/current_page.h"

namespace {

ProfilePage *g_pCurrentPage = nullptr;

}  // namespace

ProfilePage *GetCurrentPage() {
  return g_pCurrentPage;
}

void SetCurrentPage(ProfilePage *page) {
  g_pCurrentPage = page;
}

void ForgetCurrentPage(const ProfilePage *page) {
  if (g_pCurrentPage == page)
    g_pCurrentPage = nullptr;
}
