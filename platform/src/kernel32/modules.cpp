// The KERNEL32 module functions: argument checks, ANSI and wide names, and the buffer rules of
// GetModuleFileName, over the module table.
#include <winbase.h>
#include <winnls.h>

#include <algorithm>
#include <string>

#include "modules_loader.h"
#include "winplat/config.h"
#include "winplat/operator.h"
#include "winplat/text.h"

namespace {

constexpr DWORD kDataFileFlags =
    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_DATAFILE_EXCLUSIVE | LOAD_LIBRARY_AS_IMAGE_RESOURCE;
constexpr DWORD kSupportedFlags = kDataFileFlags | LOAD_WITH_ALTERED_SEARCH_PATH;

HMODULE LoadModule(const std::u16string &name, HANDLE hFile, DWORD dwFlags) {
  if (hFile != nullptr || (dwFlags & ~kSupportedFlags) != 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return winplat::modules::Load(winplat::Utf8FromUtf16(name), (dwFlags & kDataFileFlags) != 0);
}

HMODULE LoadedModule(const std::u16string &name) {
  return winplat::modules::LoadedModule(winplat::Utf8FromUtf16(name));
}

// The module's path in Windows form; empty (with the last error set) for an unknown module.
std::u16string WindowsFileName(HMODULE hModule) {
  if (hModule == nullptr)
    hModule = winplat::modules::ProgramModule();
  const auto file = winplat::modules::ImageFile(hModule);
  if (!file)
    return std::u16string();
  return winplat::Utf16FromUtf8(winplat::WindowsPathFromHost(file->string()));
}

// Copies `text` with its terminator. When it does not fit, the buffer gets as much as fits,
// still terminated, and the result is nSize with ERROR_INSUFFICIENT_BUFFER.
template <typename Char>
DWORD CopyTerminated(const std::basic_string<Char> &text, Char *buffer, DWORD nSize) {
  if (text.size() < nSize) {
    std::copy(text.begin(), text.end(), buffer);
    buffer[text.size()] = Char();
    return static_cast<DWORD>(text.size());
  }
  if (nSize > 0) {
    std::copy_n(text.begin(), nSize - 1, buffer);
    buffer[nSize - 1] = Char();
  }
  SetLastError(ERROR_INSUFFICIENT_BUFFER);
  return nSize;
}

}  // namespace

extern "C" HMODULE WINAPI LoadLibraryExW(LPCWSTR lpLibFileName, HANDLE hFile, DWORD dwFlags) {
  if (lpLibFileName == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return LoadModule(lpLibFileName, hFile, dwFlags);
}

extern "C" HMODULE WINAPI LoadLibraryExA(LPCSTR lpLibFileName, HANDLE hFile, DWORD dwFlags) {
  if (lpLibFileName == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return LoadModule(winplat::WideFromMultiByte(CP_ACP, lpLibFileName), hFile, dwFlags);
}

extern "C" HMODULE WINAPI LoadLibraryW(LPCWSTR lpLibFileName) {
  return LoadLibraryExW(lpLibFileName, nullptr, 0);
}

extern "C" HMODULE WINAPI LoadLibraryA(LPCSTR lpLibFileName) {
  return LoadLibraryExA(lpLibFileName, nullptr, 0);
}

extern "C" BOOL WINAPI FreeLibrary(HMODULE hLibModule) {
  return winplat::modules::Free(hLibModule) ? TRUE : FALSE;
}

extern "C" BOOL WINAPI DisableThreadLibraryCalls(HMODULE hLibModule) {
  return winplat::modules::IsImage(hLibModule) ? TRUE : FALSE;
}

extern "C" FARPROC WINAPI GetProcAddress(HMODULE hModule, LPCSTR lpProcName) {
  if (hModule == nullptr)
    hModule = winplat::modules::ProgramModule();
  return winplat::modules::Export(hModule, lpProcName);
}

extern "C" HMODULE WINAPI GetModuleHandleW(LPCWSTR lpModuleName) {
  if (lpModuleName == nullptr)
    return winplat::modules::ProgramModule();
  return LoadedModule(lpModuleName);
}

extern "C" HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName) {
  if (lpModuleName == nullptr)
    return winplat::modules::ProgramModule();
  return LoadedModule(winplat::WideFromMultiByte(CP_ACP, lpModuleName));
}

extern "C" DWORD WINAPI GetModuleFileNameW(HMODULE hModule, LPWSTR lpFilename, DWORD nSize) {
  const std::u16string name = WindowsFileName(hModule);
  if (name.empty())
    return 0;
  return CopyTerminated(name, lpFilename, nSize);
}

extern "C" DWORD WINAPI GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize) {
  const std::u16string name = WindowsFileName(hModule);
  if (name.empty())
    return 0;
  return CopyTerminated(winplat::MultiByteFromWide(CP_ACP, name), lpFilename, nSize);
}
