// The page most recently prepared to open its window: the page dialog procedure attaches it to a
// dialog window that has no page yet. Everything runs on the host's user-interface thread, so
// nothing here is locked.
#pragma once

class ProfilePage;

ProfilePage *GetCurrentPage();
void SetCurrentPage(ProfilePage *page);
// Forgets `page` if it is the current page (a page being destroyed calls this).
void ForgetCurrentPage(const ProfilePage *page);
