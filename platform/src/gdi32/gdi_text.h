// Laying out and drawing a line of text with a DC's font, shared by ExtTextOut and DrawText.
#pragma once

#include <string>

#include "fonts_freetype.h"
#include "gdi_objects.h"

namespace winplat::gdi {

// UTF-16 to code points; a lone surrogate stays as it is.
std::u32string CodePoints(const WCHAR *text, size_t count);
// The A forms' text in the ANSI code page.
std::u16string FromAnsi(LPCSTR text, int count);

int TextWidth(const LOGFONTW &font, const std::u32string &text);
// Draws the glyphs' ink in `color` with the pen starting at (left, baseline), logical
// coordinates, also clipped to `clip` when given. Returns the right end of the pen.
int DrawGlyphs(Dc &dc, const LOGFONTW &font, const std::u32string &text, int left, int baseline,
               const RECT *clip, COLORREF color);

}  // namespace winplat::gdi
