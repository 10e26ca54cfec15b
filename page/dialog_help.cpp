// Help through the resource module's exports.
#include "page/dialog_help.h"

namespace {

typedef BOOL(WINAPI *HelpExport)(HWND windowOrItem, int dialogResourceId, void *owner);

HelpExport FindHelpExport(HINSTANCE resourceModule, LPCSTR name) {
  if (resourceModule == nullptr)
    return nullptr;
  FARPROC proc = GetProcAddress(resourceModule, name);
  return reinterpret_cast<HelpExport>(reinterpret_cast<void (*)()>(proc));
}

}  // namespace

bool CallSmallHelp(HINSTANCE resourceModule, HWND control, int dialogResourceId, void *owner) {
  HelpExport help = FindHelpExport(resourceModule, "CallSmallHelp");
  if (help == nullptr)
    return false;
  help(control, dialogResourceId, owner);
  return true;
}

bool CallBigHelp(HINSTANCE resourceModule, const HELPINFO *info, int dialogResourceId, void *owner,
                 bool ansiPlatform) {
  if (info == nullptr || ansiPlatform)
    return false;
  HelpExport help = FindHelpExport(resourceModule, "CallBigHelp");
  if (help == nullptr)
    return false;
  help(static_cast<HWND>(info->hItemHandle), dialogResourceId, owner);
  return true;
}
