// GetOpenFileName and GetSaveFileName: the operator types a path; the chooser checks it as the
// flags ask (asking again when it refuses it) and returns it in the caller's buffers.
#include <winbase.h>
#include <winnls.h>

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "commdlg_error.h"
#include "winplat/operator.h"
#include "winplat/text.h"

namespace {

using winplat::ChooserEvent;
using Kind = winplat::ChooserEvent::Kind;

bool IsSeparator(char16_t c) {
  return c == u'\\' || c == u'/';
}

size_t NameStart(std::u16string_view path) {
  size_t start = 0;
  for (size_t i = 0; i < path.size(); ++i) {
    if (IsSeparator(path[i]) || path[i] == u':')
      start = i + 1;
  }
  return start;
}

// The offset of the extension (after the last '.' of the name); npos when there is none.
size_t ExtensionStart(std::u16string_view path) {
  const size_t dot = path.rfind(u'.');
  return dot != std::u16string_view::npos && dot >= NameStart(path) ? dot + 1
                                                                    : std::u16string_view::npos;
}

bool IsAbsolute(std::u16string_view path) {
  return (path.size() >= 2 && path[1] == u':') || (!path.empty() && IsSeparator(path[0]));
}

// A relative answer is taken in the initial directory. This platform has no current directory,
// so the chooser never changes one and OFN_NOCHANGEDIR has nothing to restore.
std::u16string Resolve(const winplat::FileChooserCall &call, std::u16string path) {
  if (!IsAbsolute(path) && !call.initialDirectory.empty()) {
    // Joined in the folder's own style: a host path with '/', a Windows path with '\\'.
    std::u16string joined = call.initialDirectory;
    const bool host =
        joined.find(u'\\') == std::u16string::npos && joined.find(u'/') != std::u16string::npos;
    if (!IsSeparator(joined.back()))
      joined += host ? u'/' : u'\\';
    path = joined + path;
  }
  if (ExtensionStart(path) == std::u16string::npos && !call.defaultExtension.empty())
    path += u"." + call.defaultExtension;
  return path;
}

// Why the chooser would not take the path (Windows shows a message and stays open); empty when
// it takes it. Replacing an existing file is the operator's answer to a question box.
std::u16string Refusal(const winplat::FileChooserCall &call, const std::u16string &path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
    return u"is a folder";
  const size_t nameStart = NameStart(path);
  if ((call.flags & OFN_PATHMUSTEXIST) != 0 && nameStart > 0) {
    const std::u16string folder = path.substr(0, nameStart);
    const DWORD folderAttributes = GetFileAttributesW(folder.c_str());
    if (folderAttributes == INVALID_FILE_ATTRIBUTES ||
        (folderAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
      return u"path not found";
  }
  if (!call.save && (call.flags & OFN_FILEMUSTEXIST) != 0 && !exists)
    return u"file not found";
  if (exists && (call.flags & OFN_NOREADONLYRETURN) != 0 &&
      (attributes & FILE_ATTRIBUTE_READONLY) != 0)
    return u"file is read-only";
  if (call.save && exists && (call.flags & OFN_OVERWRITEPROMPT) != 0) {
    const std::u16string question = path + u" already exists.\nDo you want to replace it?";
    const std::u16string caption = call.title.empty() ? u"Save As" : call.title;
    if (MessageBoxW(call.owner, question.c_str(), caption.c_str(), MB_YESNO | MB_ICONEXCLAMATION) !=
        IDYES)
      return u"not replaced";
  }
  return {};
}

void Log(const winplat::FileChooserCall &call, Kind kind, std::u16string detail) {
  winplat::LogChooserEvent(
      ChooserEvent{kind, call.save ? winplat::Chooser::SaveFile : winplat::Chooser::OpenFile,
                   call.title, std::move(detail)});
}

// Asks the operator until it gives a path the chooser takes, cancels, or does not answer.
std::optional<winplat::FileChoice> Run(const winplat::FileChooserCall &call) {
  Log(call, Kind::Shown, call.fileName);
  for (;;) {
    std::optional<winplat::FileChoice> answer = winplat::CurrentOperator().AnswerFileChooser(call);
    if (!answer.has_value() || !answer->chosen) {
      Log(call, answer.has_value() ? Kind::Cancelled : Kind::Unanswered, u"");
      return std::nullopt;
    }
    answer->path = Resolve(call, answer->path);
    const std::u16string refusal = Refusal(call, answer->path);
    if (refusal.empty()) {
      Log(call, Kind::Chosen, answer->path);
      return answer;
    }
    Log(call, Kind::Refused, answer->path + u": " + refusal);
  }
}

// Text in the caller's character type and back.
std::u16string Wide(LPCWSTR text) {
  return text != nullptr ? std::u16string(text) : std::u16string();
}

std::u16string Wide(LPCSTR text) {
  return text != nullptr ? winplat::WideFromMultiByte(CP_ACP, text) : std::u16string();
}

std::u16string Bounded(LPCWSTR text, DWORD capacity) {
  if (text == nullptr)
    return {};
  size_t length = 0;
  while (length < capacity && text[length] != u'\0')
    ++length;
  return std::u16string(text, length);
}

std::u16string Bounded(LPCSTR text, DWORD capacity) {
  return text != nullptr
             ? winplat::WideFromMultiByte(CP_ACP, std::string_view(text, strnlen(text, capacity)))
             : std::u16string();
}

std::u16string Native(std::u16string text, const char16_t *) {
  return text;
}

std::string Native(const std::u16string &text, const char *) {
  return winplat::MultiByteFromWide(CP_ACP, text);
}

// Pairs of description and pattern, each NUL-terminated, ended by an empty description.
template <typename Char>
std::vector<winplat::FileFilter> Filters(const Char *list) {
  std::vector<winplat::FileFilter> filters;
  if (list == nullptr)
    return filters;
  while (*list != 0) {
    winplat::FileFilter filter;
    filter.description = Wide(list);
    list += std::char_traits<Char>::length(list) + 1;
    const bool ended = *list == 0;  // a description without a pattern ends the list
    filter.pattern = Wide(list);
    filters.push_back(std::move(filter));
    if (ended)
      break;
    list += std::char_traits<Char>::length(list) + 1;
  }
  return filters;
}

template <typename Char>
void CopyTruncated(const std::basic_string<Char> &text, Char *buffer, DWORD capacity) {
  if (buffer == nullptr || capacity == 0)
    return;
  const size_t count = std::min<size_t>(text.size(), capacity - 1);
  std::copy_n(text.data(), count, buffer);
  buffer[count] = 0;
}

template <typename OpenFileName>
BOOL Choose(OpenFileName *ofn, bool save) {
  using Char = std::remove_const_t<std::remove_pointer_t<decltype(ofn->lpstrFilter)>>;
  const DWORD shortSize = offsetof(OpenFileName, lpTemplateName) + sizeof(ofn->lpTemplateName);
  if (ofn == nullptr ||
      (ofn->lStructSize != sizeof(OpenFileName) && ofn->lStructSize != shortSize)) {
    winplat::commdlg::SetError(CDERR_STRUCTSIZE);
    return FALSE;
  }
  if (ofn->lpstrFile == nullptr || ofn->nMaxFile == 0) {
    winplat::commdlg::SetError(CDERR_INITIALIZATION);
    return FALSE;
  }
  winplat::commdlg::SetError(0);
  winplat::FileChooserCall call;
  call.owner = ofn->hwndOwner;
  call.save = save;
  call.title = Wide(ofn->lpstrTitle);
  call.filters = Filters(ofn->lpstrFilter);
  call.filterIndex = ofn->nFilterIndex;
  call.initialDirectory = Wide(ofn->lpstrInitialDir);
  call.fileName = Bounded(ofn->lpstrFile, ofn->nMaxFile);
  call.defaultExtension = Wide(ofn->lpstrDefExt);
  call.flags = ofn->Flags;
  const std::optional<winplat::FileChoice> answer = Run(call);
  if (!answer.has_value())
    return FALSE;

  const std::basic_string<Char> path = Native(answer->path, static_cast<const Char *>(nullptr));
  if (path.size() + 1 > ofn->nMaxFile) {
    // The size needed, in characters, goes into the buffer's first two bytes.
    if (ofn->nMaxFile * sizeof(Char) >= sizeof(WORD)) {
      const WORD needed = static_cast<WORD>(std::min<size_t>(path.size() + 1, 0xFFFF));
      std::memcpy(ofn->lpstrFile, &needed, sizeof(needed));
    }
    winplat::commdlg::SetError(FNERR_BUFFERTOOSMALL);
    return FALSE;
  }
  CopyTruncated(path, ofn->lpstrFile, ofn->nMaxFile);
  const std::u16string_view native(answer->path);
  const std::basic_string<Char> name =
      Native(std::u16string(native.substr(NameStart(native))), static_cast<const Char *>(nullptr));
  CopyTruncated(name, ofn->lpstrFileTitle, ofn->nMaxFileTitle);
  ofn->nFileOffset = static_cast<WORD>(path.size() - name.size());
  const size_t dot = path.rfind(static_cast<Char>('.'));
  const bool hasExtension = dot != std::basic_string<Char>::npos && dot >= ofn->nFileOffset;
  ofn->nFileExtension = static_cast<WORD>(hasExtension ? dot + 1 : path.size());
  if (answer->filterIndex != 0 && answer->filterIndex <= call.filters.size())
    ofn->nFilterIndex = answer->filterIndex;
  const size_t extension = ExtensionStart(answer->path);
  const std::u16string typed =
      extension != std::u16string::npos ? answer->path.substr(extension) : std::u16string();
  const bool different = !call.defaultExtension.empty() &&
                         lstrcmpiW(typed.c_str(), call.defaultExtension.c_str()) != 0;
  ofn->Flags = (ofn->Flags & ~(OFN_EXTENSIONDIFFERENT | OFN_READONLY)) |
               (different ? OFN_EXTENSIONDIFFERENT : 0);
  return TRUE;
}

}  // namespace

extern "C" BOOL WINAPI GetOpenFileNameA(LPOPENFILENAMEA lpofn) {
  return Choose(lpofn, false);
}

extern "C" BOOL WINAPI GetOpenFileNameW(LPOPENFILENAMEW lpofn) {
  return Choose(lpofn, false);
}

extern "C" BOOL WINAPI GetSaveFileNameA(LPOPENFILENAMEA lpofn) {
  return Choose(lpofn, true);
}

extern "C" BOOL WINAPI GetSaveFileNameW(LPOPENFILENAMEW lpofn) {
  return Choose(lpofn, true);
}
