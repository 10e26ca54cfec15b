// GetFileVersionInfoSize, GetFileVersionInfo and VerQueryValue. The block handed out has the
// layout of a VS_VERSIONINFO resource holding only its VS_FIXEDFILEINFO, so code that walks the
// block itself finds what it would find on Windows.
#include <winbase.h>
#include <winnls.h>
#include <winver.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <optional>
#include <string>

#include "kernel32/modules_search.h"
#include "version_elf.h"
#include "winplat/operator.h"
#include "winplat/text.h"

namespace {

constexpr char16_t kVersionInfoKey[] = u"VS_VERSION_INFO";

struct VersionInfoBlock {
  WORD wLength;
  WORD wValueLength;
  WORD wType;  // 0: the value is binary
  WCHAR szKey[16];
  WORD Padding1;  // aligns the value on 32 bits
  VS_FIXEDFILEINFO Value;
};

static_assert(offsetof(VersionInfoBlock, Value) == 40, "VS_VERSIONINFO layout");
static_assert(sizeof(VersionInfoBlock) == 92, "VS_VERSIONINFO layout");
static_assert(sizeof(kVersionInfoKey) == sizeof(VersionInfoBlock::szKey), "VS_VERSION_INFO key");

// The block for a file named as LoadLibrary would name it; sets the last error when there is none.
std::optional<VersionInfoBlock> BlockOf(const std::u16string &fileName) {
  const auto file = winplat::modules::FindModuleFile(winplat::Utf8FromUtf16(fileName));
  if (!file) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return std::nullopt;
  }
  VersionInfoBlock block{};
  const DWORD error = winplat::version::ReadFixedFileInfo(*file, &block.Value);
  if (error != ERROR_SUCCESS) {
    SetLastError(error);
    return std::nullopt;
  }
  block.wLength = sizeof(VersionInfoBlock);
  block.wValueLength = sizeof(VS_FIXEDFILEINFO);
  block.wType = 0;
  std::copy(std::begin(kVersionInfoKey), std::end(kVersionInfoKey), block.szKey);
  return block;
}

DWORD BlockSize(LPCWSTR fileName, LPDWORD handle) {
  if (handle != nullptr)
    *handle = 0;
  return BlockOf(fileName) ? sizeof(VersionInfoBlock) : 0;
}

BOOL CopyBlock(LPCWSTR fileName, DWORD dwLen, LPVOID lpData) {
  if (lpData == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const auto block = BlockOf(fileName);
  if (!block)
    return FALSE;
  std::memcpy(lpData, &*block, std::min<size_t>(dwLen, sizeof(VersionInfoBlock)));
  return TRUE;
}

// Only the root, "\", is in the block: the VS_FIXEDFILEINFO, once the block is recognised.
BOOL QueryValue(LPCVOID pBlock, const std::u16string &subBlock, LPVOID *lplpBuffer, PUINT puLen) {
  if (pBlock == nullptr || lplpBuffer == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const auto *block = static_cast<const VersionInfoBlock *>(pBlock);
  const bool recognised =
      block->wValueLength == sizeof(VS_FIXEDFILEINFO) &&
      std::equal(std::begin(kVersionInfoKey), std::end(kVersionInfoKey), block->szKey) &&
      block->Value.dwSignature == VS_FFI_SIGNATURE;
  if (!recognised || subBlock != u"\\") {
    SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
    return FALSE;
  }
  *lplpBuffer = const_cast<VS_FIXEDFILEINFO *>(&block->Value);
  if (puLen != nullptr)
    *puLen = sizeof(VS_FIXEDFILEINFO);
  return TRUE;
}

std::u16string WideName(LPCSTR name) {
  return name == nullptr ? std::u16string() : winplat::WideFromMultiByte(CP_ACP, name);
}

}  // namespace

extern "C" DWORD WINAPI GetFileVersionInfoSizeW(LPCWSTR lptstrFilename, LPDWORD lpdwHandle) {
  return BlockSize(lptstrFilename == nullptr ? u"" : lptstrFilename, lpdwHandle);
}

extern "C" DWORD WINAPI GetFileVersionInfoSizeA(LPCSTR lptstrFilename, LPDWORD lpdwHandle) {
  return BlockSize(WideName(lptstrFilename).c_str(), lpdwHandle);
}

extern "C" BOOL WINAPI GetFileVersionInfoW(LPCWSTR lptstrFilename, DWORD /*dwHandle*/, DWORD dwLen,
                                           LPVOID lpData) {
  return CopyBlock(lptstrFilename == nullptr ? u"" : lptstrFilename, dwLen, lpData);
}

extern "C" BOOL WINAPI GetFileVersionInfoA(LPCSTR lptstrFilename, DWORD /*dwHandle*/, DWORD dwLen,
                                           LPVOID lpData) {
  return CopyBlock(WideName(lptstrFilename).c_str(), dwLen, lpData);
}

extern "C" BOOL WINAPI VerQueryValueW(LPCVOID pBlock, LPCWSTR lpSubBlock, LPVOID *lplpBuffer,
                                      PUINT puLen) {
  return QueryValue(pBlock, lpSubBlock == nullptr ? u"" : lpSubBlock, lplpBuffer, puLen);
}

extern "C" BOOL WINAPI VerQueryValueA(LPCVOID pBlock, LPCSTR lpSubBlock, LPVOID *lplpBuffer,
                                      PUINT puLen) {
  return QueryValue(pBlock, WideName(lpSubBlock), lplpBuffer, puLen);
}
