// Conversions between the ANSI code page and the UTF-16 the registry stores, shared by the ANSI
// registry and spooler functions.
#pragma once

#include <windef.h>

#include <string>
#include <string_view>
#include <vector>

namespace winplat::registry {

std::u16string AnsiToWide(std::string_view text);
std::string WideToAnsi(std::u16string_view text);

// REG_SZ, REG_EXPAND_SZ and REG_MULTI_SZ: the types whose data the ANSI functions convert.
bool IsStringType(DWORD type);

// String data as stored (UTF-16, possibly without a terminator or with an odd byte, which is
// dropped) turned into ANSI bytes, and back.
std::vector<BYTE> WideDataToAnsi(const std::vector<BYTE> &wide);
std::vector<BYTE> AnsiDataToWide(const BYTE *ansi, DWORD size);

}  // namespace winplat::registry
