// Module-wide state.
#include "module/module_state.h"

namespace {

HINSTANCE g_hModuleInstance = nullptr;
ProfilePage *g_pCurrentPage = nullptr;

}  // namespace

HINSTANCE GetModuleInstance() {
  return g_hModuleInstance;
}

void SetModuleInstance(HINSTANCE instance) {
  g_hModuleInstance = instance;
}

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
