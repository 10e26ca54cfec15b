// The system's file chooser (the Explorer-style dialog of comdlg32): recognised by its name box
// and its filter list. The operator sees what the dialog shows; the chosen path is typed in the
// name box and confirmed with OK, and an answer the dialog does not take (it stays open) is
// refused and asked again.
#include "operator_driver.h"

#include <commdlg.h>
#include <dlgs.h>

#include "winplat/operator.h"

namespace winplat::windows {
namespace {

using Kind = ChooserEvent::Kind;

constexpr int kFolderChars = 32768;

// The name box: an edit in older dialogs, a combo box with an edit in newer ones.
HWND NameBox(HWND dialog) {
  if (const HWND combo = GetDlgItem(dialog, cmb13))
    return combo;
  return GetDlgItem(dialog, edt1);
}

std::vector<FileFilter> Filters(HWND list) {
  std::vector<FileFilter> filters;
  const auto count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    const auto length = SendMessageW(list, CB_GETLBTEXTLEN, i, 0);
    std::wstring text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
    SendMessageW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length > 0 ? length : 0));
    filters.push_back(FileFilter{FromWide(text), u""});
  }
  return filters;
}

std::u16string Folder(HWND dialog) {
  std::wstring folder(kFolderChars, L'\0');
  const auto length = SendMessageW(dialog, CDM_GETFOLDERPATH, kFolderChars,
                                   reinterpret_cast<LPARAM>(folder.data()));
  folder.resize(length > 0 ? static_cast<size_t>(length) - 1 : 0);
  return FromWide(folder);
}

// The dialog names its OK button "Save" when it saves.
bool Saves(HWND dialog) {
  std::u16string label = WindowText(GetDlgItem(dialog, IDOK));
  std::erase(label, u'&');
  return label.starts_with(u"Save");
}

FileChooserCall ReadCall(HWND dialog) {
  FileChooserCall call;
  call.owner = GetWindow(dialog, GW_OWNER);
  call.save = Saves(dialog);
  call.title = WindowText(dialog);
  const HWND filterList = GetDlgItem(dialog, cmb1);
  call.filters = Filters(filterList);
  call.filterIndex = static_cast<DWORD>(SendMessageW(filterList, CB_GETCURSEL, 0, 0) + 1);
  call.initialDirectory = Folder(dialog);
  call.fileName = WindowText(NameBox(dialog));
  return call;
}

void Log(const FileChooserCall &call, Kind kind, std::u16string detail) {
  LogChooserEvent(ChooserEvent{kind, call.save ? Chooser::SaveFile : Chooser::OpenFile, call.title,
                               std::move(detail)});
}

void Choose(HWND dialog, const FileChoice &choice) {
  const HWND filterList = GetDlgItem(dialog, cmb1);
  if (choice.filterIndex != 0) {
    SendMessageW(filterList, CB_SETCURSEL, choice.filterIndex - 1, 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(filterList));
  }
  SetWindowTextW(NameBox(dialog), ToWide(choice.path).c_str());
  ClickButton(dialog, IDOK);
}

}  // namespace

bool AnswerIfFileChooser(HWND dialog) {
  if (NameBox(dialog) == nullptr || GetDlgItem(dialog, cmb1) == nullptr)
    return false;
  const FileChooserCall call = ReadCall(dialog);
  Log(call, Kind::Shown, call.fileName);
  for (;;) {
    const std::optional<FileChoice> answer = CurrentOperator().AnswerFileChooser(call);
    if (!answer || !answer->chosen) {
      Log(call, answer ? Kind::Cancelled : Kind::Unanswered, u"");
      ClickButton(dialog, IDCANCEL);
      return true;
    }
    Choose(dialog, *answer);
    if (!StillOpen(dialog)) {
      Log(call, Kind::Chosen, answer->path);
      return true;
    }
    Log(call, Kind::Refused, answer->path + u": not taken");
  }
}

}  // namespace winplat::windows
