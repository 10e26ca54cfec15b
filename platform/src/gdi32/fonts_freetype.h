// Fonts through FreeType: which Debian font a LOGFONT stands for, its metrics in pixels, and
// its glyphs rendered one bit per pixel.
#pragma once

#include <wingdi.h>

#include <string>
#include <vector>

namespace winplat::gdi {

struct FontMetrics {
  int ascent = 0, descent = 0, internalLeading = 0, aveCharWidth = 0, maxCharWidth = 0;
  int Height() const { return ascent + descent; }
};

struct Glyph {
  int left = 0, top = 0;  // bitmap position from the pen: right of it, up from the baseline
  int width = 0, rows = 0, pitch = 0;
  std::vector<unsigned char> bits;  // rows of 1-bit pixels, most significant bit first
  int advance = 0;

  bool Ink(int x, int y) const { return (bits[size_t(y) * pitch + x / 8] >> (7 - x % 8)) & 1; }
};

FontMetrics MetricsOf(const LOGFONTW &font);
// The glyph from the font's face, or from IPAGothic when that face lacks the character; a
// character neither has gives the face's missing-glyph box. Kept for the life of the process.
const Glyph &GlyphOf(const LOGFONTW &font, char32_t character);
// The glyph's advance alone, as GlyphOf gives it, for measuring text without rendering it.
int AdvanceOf(const LOGFONTW &font, char32_t character);

}  // namespace winplat::gdi
