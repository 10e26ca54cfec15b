// The text policy's file choosers and the existence test of a chosen file.
#include <string.h>

#include "store/text_policy.h"

#include <commdlg.h>

namespace {

// Fills what the A and W forms of OPENFILENAME share; `file` and `title` hold MAX_PATH
// characters each.
template <typename OpenFileName, typename Char>
OpenFileName MakeOpenFileName(HWND owner, const std::basic_string<Char> &filter,
                              const std::basic_string<Char> &title, DWORD flags,
                              const std::basic_string<Char> &extension, Char *file,
                              Char *fileTitle) {
  OpenFileName request;
  memset(&request, 0, sizeof request);
  request.lStructSize = sizeof request;
  request.hwndOwner = owner;
  request.lpstrFilter = filter.c_str();
  request.nFilterIndex = 1;
  request.lpstrFile = file;
  request.nMaxFile = MAX_PATH;
  request.lpstrFileTitle = fileTitle;
  request.nMaxFileTitle = MAX_PATH;
  request.lpstrTitle = title.c_str();
  request.Flags = flags;
  request.lpstrDefExt = extension.c_str();
  return request;
}

}  // namespace

std::optional<DualText> TextPolicy::ChooseFile(HWND owner,
                                               const FileChooserRequest &request) const {
  if (m_bAnsi) {
    char file[MAX_PATH] = {}, fileTitle[MAX_PATH] = {};
    OPENFILENAMEA chooser = MakeOpenFileName<OPENFILENAMEA>(
        owner, request.filter.text, request.title.text, request.flags,
        request.defaultExtension.text, file, fileTitle);
    if (!(request.save ? GetSaveFileNameA(&chooser) : GetOpenFileNameA(&chooser)))
      return std::nullopt;
    return FromText(file);
  }
  WCHAR file[MAX_PATH] = {}, fileTitle[MAX_PATH] = {};
  OPENFILENAMEW chooser =
      MakeOpenFileName<OPENFILENAMEW>(owner, request.filter.wide, request.title.wide, request.flags,
                                      request.defaultExtension.wide, file, fileTitle);
  if (!(request.save ? GetSaveFileNameW(&chooser) : GetOpenFileNameW(&chooser)))
    return std::nullopt;
  return FromWide(file);
}

bool TextPolicy::FileExists(const DualText &path) const {
  const HANDLE file = m_bAnsi ? CreateFileA(path.text.c_str(), GENERIC_READ, FILE_SHARE_READ,
                                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)
                              : CreateFileW(path.wide.c_str(), GENERIC_READ, FILE_SHARE_READ,
                                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return false;
  CloseHandle(file);
  return true;
}
