// Module-wide state: the module's instance handle and the page most recently prepared to open
// its window. Everything runs on the host's user-interface thread, so nothing here is locked.
#pragma once

#include <windows.h>

class ProfilePage;

// The instance handle DllMain received at process attach; null before.
HINSTANCE GetModuleInstance();
void SetModuleInstance(HINSTANCE instance);

// The page that the page dialog procedure attaches to a dialog window that has no page yet.
ProfilePage *GetCurrentPage();
void SetCurrentPage(ProfilePage *page);
// Forgets `page` if it is the current page (a page being destroyed calls this).
void ForgetCurrentPage(const ProfilePage *page);
