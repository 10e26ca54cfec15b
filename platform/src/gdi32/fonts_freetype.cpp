// Fonts through FreeType. Faces are opened once and kept, and so are the metrics, advances and
// glyphs of every font size asked for: a process hints each character of a size once, and
// renders it only when it is drawn. One lock serialises FreeType use and the caches.
#include "fonts_freetype.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <cmath>
#include <map>
#include <mutex>
#include <stdexcept>
#include <tuple>
#include <utility>

namespace winplat::gdi {

namespace {

constexpr const char *kDejaVu = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr const char *kDejaVuBold = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
constexpr const char *kIpaGothic = "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf";
constexpr const char *kIpaPGothic = "/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf";
// The cell height of a font asked for with height 0.
constexpr int kDefaultCellHeight = 16;

std::mutex &FreeTypeLock() {
  static std::mutex mutex;
  return mutex;
}

FT_Library Library() {
  static FT_Library library = [] {
    FT_Library created = nullptr;
    if (FT_Init_FreeType(&created) != 0)
      throw std::runtime_error("FreeType cannot start");
    return created;
  }();
  return library;
}

FT_Face Face(const char *file) {
  static std::map<std::string, FT_Face> faces;
  FT_Face &face = faces[file];
  if (!face && FT_New_Face(Library(), file, 0, &face) != 0)
    throw std::runtime_error(std::string("missing font ") + file);
  return face;
}

std::u16string Upper(const WCHAR *name) {
  std::u16string upper;
  for (; *name; ++name)
    upper.push_back(*name >= u'a' && *name <= u'z' ? char16_t(*name - 32) : *name);
  return upper;
}

const char *FileOf(const LOGFONTW &font) {
  const std::u16string face = Upper(font.lfFaceName);
  if (face == u"MS GOTHIC" || face == u"ＭＳ ゴシック")
    return kIpaGothic;
  if (face == u"MS UI GOTHIC" || face == u"MS PGOTHIC" || face == u"ＭＳ Ｐゴシック")
    return kIpaPGothic;
  return font.lfWeight >= 600 ? kDejaVuBold : kDejaVu;
}

// Ascent and descent in font units, as Windows takes them: usWinAscent and usWinDescent.
void VerticalExtent(FT_Face face, double &ascent, double &descent) {
  const auto *os2 = static_cast<TT_OS2 *>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  if (os2 && os2->usWinAscent + os2->usWinDescent > 0) {
    ascent = os2->usWinAscent;
    descent = os2->usWinDescent;
  } else {
    ascent = face->ascender;
    descent = -face->descender;
  }
}

// The em size in pixels: a negative height is the character height (the em), a positive one
// the cell height (ascent + descent).
int EmPixels(FT_Face face, LONG height) {
  if (height < 0)
    return int(-height);
  double ascent, descent;
  VerticalExtent(face, ascent, descent);
  const LONG cell = height == 0 ? kDefaultCellHeight : height;
  return std::max(1, int(std::lround(cell * face->units_per_EM / (ascent + descent))));
}

// Setting a size makes the face run its hinting program again at the next glyph, so a face
// keeps the size it has when that is the one asked for.
void SetEmPixels(FT_Face face, int em) {
  if (face->size == nullptr || face->size->metrics.y_ppem != em)
    FT_Set_Pixel_Sizes(face, 0, FT_UInt(em));
}

FT_Face SizedFace(const char *file, const LOGFONTW &font) {
  FT_Face face = Face(file);
  SetEmPixels(face, EmPixels(face, font.lfHeight));
  return face;
}

Glyph Render(FT_Face face, FT_UInt index) {
  Glyph glyph;
  if (FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME) != 0)
    return glyph;
  const FT_GlyphSlot slot = face->glyph;
  glyph.left = slot->bitmap_left;
  glyph.top = slot->bitmap_top;
  glyph.width = int(slot->bitmap.width);
  glyph.rows = int(slot->bitmap.rows);
  glyph.pitch = std::abs(slot->bitmap.pitch);
  glyph.advance = int((slot->advance.x + 32) >> 6);
  if (slot->bitmap.pixel_mode == FT_PIXEL_MODE_MONO && slot->bitmap.buffer) {
    glyph.bits.assign(slot->bitmap.buffer, slot->bitmap.buffer + size_t(glyph.pitch) * glyph.rows);
  } else {
    glyph.width = glyph.rows = 0;
  }
  return glyph;
}

// A LOGFONT's face file and height decide its metrics and glyphs.
using SizeKey = std::tuple<const char *, LONG>;
using GlyphKey = std::tuple<const char *, LONG, char32_t>;

FontMetrics ComputeMetrics(const char *file, const LOGFONTW &font) {
  FT_Face face = SizedFace(file, font);
  const int em = EmPixels(face, font.lfHeight);
  const double scale = double(em) / face->units_per_EM;
  double ascent, descent;
  VerticalExtent(face, ascent, descent);
  // The cell is the asked height when positive, else the em's cell; ascent and descent share
  // it in the font's proportions so that they add up to it exactly.
  const double units = ascent + descent;
  const int cell =
      font.lfHeight > 0 ? int(font.lfHeight) : int(std::lround(em * units / face->units_per_EM));
  FontMetrics metrics;
  metrics.ascent = int(std::lround(cell * ascent / units));
  metrics.descent = cell - metrics.ascent;
  metrics.internalLeading = std::max(0, metrics.Height() - em);
  const auto *os2 = static_cast<TT_OS2 *>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  metrics.aveCharWidth = os2 ? int(std::lround(os2->xAvgCharWidth * scale)) : em / 2;
  metrics.maxCharWidth = int(std::lround((face->bbox.xMax - face->bbox.xMin) * scale));
  return metrics;
}

// The face and glyph index that draw a character: the font's face, or IPAGothic at the same size
// when the face lacks the character.
std::pair<FT_Face, FT_UInt> GlyphSource(const char *file, const LOGFONTW &font,
                                        char32_t character) {
  FT_Face face = SizedFace(file, font);
  const FT_UInt index = FT_Get_Char_Index(face, character);
  if (index == 0) {
    FT_Face fallback = Face(kIpaGothic);
    const FT_UInt fallbackIndex = FT_Get_Char_Index(fallback, character);
    if (fallbackIndex != 0) {
      SetEmPixels(fallback, EmPixels(face, font.lfHeight));
      return {fallback, fallbackIndex};
    }
  }
  return {face, index};
}

// The pen advance of the glyph hinted as for drawing, without rendering it.
int Advance(FT_Face face, FT_UInt index) {
  if (FT_Load_Glyph(face, index, FT_LOAD_TARGET_MONO) != 0)
    return 0;
  return int((face->glyph->advance.x + 32) >> 6);
}

}  // namespace

FontMetrics MetricsOf(const LOGFONTW &font) {
  std::lock_guard lock(FreeTypeLock());
  static std::map<SizeKey, FontMetrics> cache;
  const char *file = FileOf(font);
  const SizeKey key{file, font.lfHeight};
  auto found = cache.find(key);
  if (found == cache.end())
    found = cache.emplace(key, ComputeMetrics(file, font)).first;
  return found->second;
}

const Glyph &GlyphOf(const LOGFONTW &font, char32_t character) {
  std::lock_guard lock(FreeTypeLock());
  static std::map<GlyphKey, Glyph> cache;
  const char *file = FileOf(font);
  const GlyphKey key{file, font.lfHeight, character};
  auto found = cache.find(key);
  if (found == cache.end()) {
    const auto [face, index] = GlyphSource(file, font, character);
    found = cache.emplace(key, Render(face, index)).first;
  }
  return found->second;
}

int AdvanceOf(const LOGFONTW &font, char32_t character) {
  std::lock_guard lock(FreeTypeLock());
  static std::map<GlyphKey, int> cache;
  const char *file = FileOf(font);
  const GlyphKey key{file, font.lfHeight, character};
  auto found = cache.find(key);
  if (found == cache.end()) {
    const auto [face, index] = GlyphSource(file, font, character);
    found = cache.emplace(key, Advance(face, index)).first;
  }
  return found->second;
}

}  // namespace winplat::gdi
