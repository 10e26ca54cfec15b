// Code page conversions for the platform's C++ callers, the same as MultiByteToWideChar and
// WideCharToMultiByte (<winnls.h>) give.
#pragma once

#include <string>
#include <string_view>

#include <windef.h>

namespace winplat {

// Undecodable input becomes U+FFFD and characters the code page lacks become '?', as in the C
// functions. CP_ACP, CP_OEMCP and CP_THREAD_ACP are accepted; an unknown code page throws
// std::invalid_argument.
std::u16string WideFromMultiByte(UINT codePage, std::string_view text);
std::string MultiByteFromWide(UINT codePage, std::u16string_view text);

}  // namespace winplat
