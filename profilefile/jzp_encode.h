// The encoders of Sections 1 and 2: a profile's DEVMODE written as the items in which it
// differs from a reference DEVMODE (the printer's factory default), plus every plug-in block.
#pragma once

#include <windows.h>

#include "abi/byte_reader.h"
#include "profilefile/jzp_tags.h"

// Both take complete DEVMODEs with the sizes of their buffers and return the bytes the section
// needs. With a null output buffer they only count; with one they write the items that fit in
// `outSize` bytes and never past it. A DEVMODE whose size fields do not fit its buffer gives an
// empty section.
DWORD EncodeJzpDwordItems(const BYTE *profile, DWORD profileSize, const BYTE *reference,
                          DWORD referenceSize, BYTE *out, DWORD outSize);
DWORD EncodeJzpBufferItems(const BYTE *profile, DWORD profileSize, const BYTE *reference,
                           DWORD referenceSize, BYTE *out, DWORD outSize);

// A field's value as Section 1 stores it: extended to 32 bits, or the masked bits.
DWORD ReadJzpField(const JzpDwordTag &tag, ByteReader field);
