// Fonts and text output: CreateFont, GetTextMetrics, GetTextExtentPoint32, ExtTextOut, TextOut.
#include "gdi_text.h"

#include <winbase.h>
#include <winnls.h>

#include <algorithm>
#include <cstring>

#include "gdi_paint.h"

using namespace winplat::gdi;

namespace {

LOGFONTW Widened(const LOGFONTA &narrow) {
  LOGFONTW wide;
  std::memcpy(&wide, &narrow, offsetof(LOGFONTA, lfFaceName));
  std::memset(wide.lfFaceName, 0, sizeof wide.lfFaceName);
  MultiByteToWideChar(CP_ACP, 0, narrow.lfFaceName, int(strnlen(narrow.lfFaceName, LF_FACESIZE)),
                      wide.lfFaceName, LF_FACESIZE - 1);
  return wide;
}

LOGFONTW LogFontOf(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                   DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                   DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily) {
  return LOGFONTW{height,
                  width,
                  escapement,
                  orientation,
                  weight,
                  BYTE(italic),
                  BYTE(underline),
                  BYTE(strikeOut),
                  BYTE(charSet),
                  BYTE(outPrecision),
                  BYTE(clipPrecision),
                  BYTE(quality),
                  BYTE(pitchAndFamily),
                  {}};
}

template <class TextMetric>
void FillMetrics(const LOGFONTW &font, TextMetric &tm) {
  const FontMetrics metrics = MetricsOf(font);
  tm = TextMetric{};
  tm.tmHeight = metrics.Height();
  tm.tmAscent = metrics.ascent;
  tm.tmDescent = metrics.descent;
  tm.tmInternalLeading = metrics.internalLeading;
  tm.tmAveCharWidth = metrics.aveCharWidth;
  tm.tmMaxCharWidth = metrics.maxCharWidth;
  tm.tmWeight = font.lfWeight == FW_DONTCARE ? FW_NORMAL : font.lfWeight;
  tm.tmDigitizedAspectX = tm.tmDigitizedAspectY = 96;
  tm.tmFirstChar = 0x20;
  tm.tmLastChar = sizeof(tm.tmLastChar) == 1 ? 0xFF : 0xFFFC;
  tm.tmDefaultChar = 0x1F;
  tm.tmBreakChar = 0x20;
  tm.tmItalic = font.lfItalic;
  tm.tmUnderlined = font.lfUnderline;
  tm.tmStruckOut = font.lfStrikeOut;
  tm.tmPitchAndFamily = 0x06 | FF_SWISS;  // variable pitch, TrueType
  tm.tmCharSet = font.lfCharSet;
}

template <class TextMetric>
BOOL TextMetrics(HDC hdc, TextMetric *tm) {
  std::lock_guard lock(Lock());
  auto dc = LookupAs<Dc>(hdc);
  if (!dc || !tm) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  FillMetrics(dc->state.font->logFont, *tm);
  return TRUE;
}

BOOL Extent(HDC hdc, const std::u16string &text, LPSIZE size) {
  std::lock_guard lock(Lock());
  auto dc = LookupAs<Dc>(hdc);
  if (!dc || !size) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const LOGFONTW &font = dc->state.font->logFont;
  size->cx = TextWidth(font, CodePoints(text.data(), text.size()));
  size->cy = MetricsOf(font).Height();
  return TRUE;
}

// The text's left end and baseline from the reference point and the DC's alignment.
void Place(UINT align, const FontMetrics &metrics, int width, int x, int y, int &left,
           int &baseline) {
  switch (align & TA_CENTER) {
    case TA_RIGHT:
      left = x - width;
      break;
    case TA_CENTER:
      left = x - width / 2;
      break;
    default:
      left = x;
  }
  switch (align & TA_BASELINE) {
    case TA_BASELINE:
      baseline = y;
      break;
    case TA_BOTTOM:
      baseline = y - metrics.descent;
      break;
    default:
      baseline = y + metrics.ascent;
  }
}

BOOL TextOutput(HDC hdc, int x, int y, UINT options, const RECT *rect, const std::u16string &text,
                const INT *dx) {
  std::lock_guard lock(Lock());
  auto dc = LookupAs<Dc>(hdc);
  if (!dc || dx) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const RECT *clip = (options & ETO_CLIPPED) && rect ? rect : nullptr;
  if ((options & ETO_OPAQUE) && rect)
    FillArea(*dc, *rect, dc->state.bkColor);
  const LOGFONTW &font = dc->state.font->logFont;
  const FontMetrics metrics = MetricsOf(font);
  const std::u32string points = CodePoints(text.data(), text.size());
  const int width = TextWidth(font, points);
  int left, baseline;
  Place(dc->state.textAlign, metrics, width, x, y, left, baseline);
  if (dc->state.bkMode == OPAQUE) {
    RECT cell{left, baseline - metrics.ascent, left + width, baseline + metrics.descent};
    FillArea(*dc, clip ? Intersect(cell, *clip) : cell, dc->state.bkColor);
  }
  DrawGlyphs(*dc, font, points, left, baseline, clip, dc->state.textColor);
  return TRUE;
}

}  // namespace

namespace winplat::gdi {

std::u32string CodePoints(const WCHAR *text, size_t count) {
  std::u32string points;
  for (size_t i = 0; i < count; ++i) {
    const char32_t unit = text[i];
    const bool pair = unit >= 0xD800 && unit <= 0xDBFF && i + 1 < count && text[i + 1] >= 0xDC00 &&
                      text[i + 1] <= 0xDFFF;
    if (pair) {
      points.push_back(0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00));
      ++i;
    } else {
      points.push_back(unit);
    }
  }
  return points;
}

std::u16string FromAnsi(LPCSTR text, int count) {
  if (!text)
    return {};
  if (count < 0)
    count = int(std::strlen(text));
  if (count == 0)
    return {};
  const int length = MultiByteToWideChar(CP_ACP, 0, text, count, nullptr, 0);
  std::u16string wide(size_t(std::max(length, 0)), u'\0');
  MultiByteToWideChar(CP_ACP, 0, text, count, wide.data(), length);
  return wide;
}

int TextWidth(const LOGFONTW &font, const std::u32string &text) {
  int width = 0;
  for (char32_t c : text)
    width += AdvanceOf(font, c);
  return width;
}

int DrawGlyphs(Dc &dc, const LOGFONTW &font, const std::u32string &text, int left, int baseline,
               const RECT *clip, COLORREF color) {
  int pen = left;
  for (char32_t c : text) {
    const Glyph &glyph = GlyphOf(font, c);
    for (int gy = 0; gy < glyph.rows; ++gy) {
      for (int gx = 0; gx < glyph.width; ++gx) {
        if (!glyph.Ink(gx, gy))
          continue;
        const int x = pen + glyph.left + gx, y = baseline - glyph.top + gy;
        if (clip && (x < clip->left || x >= clip->right || y < clip->top || y >= clip->bottom))
          continue;
        Plot(dc, x, y, color);
      }
    }
    pen += glyph.advance;
  }
  if (font.lfUnderline) {
    RECT line{left, baseline + 1, pen, baseline + 2};
    FillArea(dc, clip ? Intersect(line, *clip) : line, color);
  }
  return pen;
}

}  // namespace winplat::gdi

extern "C" {

HFONT WINAPI CreateFontIndirectW(CONST LOGFONTW *lplf) {
  if (!lplf) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  LOGFONTW font = *lplf;
  font.lfFaceName[LF_FACESIZE - 1] = 0;
  return static_cast<HFONT>(Register(std::make_shared<Font>(font)));
}

HFONT WINAPI CreateFontIndirectA(CONST LOGFONTA *lplf) {
  if (!lplf) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  const LOGFONTW wide = Widened(*lplf);
  return CreateFontIndirectW(&wide);
}

HFONT WINAPI CreateFontW(int cHeight, int cWidth, int cEscapement, int cOrientation, int cWeight,
                         DWORD bItalic, DWORD bUnderline, DWORD bStrikeOut, DWORD iCharSet,
                         DWORD iOutPrecision, DWORD iClipPrecision, DWORD iQuality,
                         DWORD iPitchAndFamily, LPCWSTR pszFaceName) {
  LOGFONTW font =
      LogFontOf(cHeight, cWidth, cEscapement, cOrientation, cWeight, bItalic, bUnderline,
                bStrikeOut, iCharSet, iOutPrecision, iClipPrecision, iQuality, iPitchAndFamily);
  for (int i = 0; pszFaceName && pszFaceName[i] && i < LF_FACESIZE - 1; ++i)
    font.lfFaceName[i] = pszFaceName[i];
  return CreateFontIndirectW(&font);
}

HFONT WINAPI CreateFontA(int cHeight, int cWidth, int cEscapement, int cOrientation, int cWeight,
                         DWORD bItalic, DWORD bUnderline, DWORD bStrikeOut, DWORD iCharSet,
                         DWORD iOutPrecision, DWORD iClipPrecision, DWORD iQuality,
                         DWORD iPitchAndFamily, LPCSTR pszFaceName) {
  const std::u16string face = FromAnsi(pszFaceName, -1);
  return CreateFontW(cHeight, cWidth, cEscapement, cOrientation, cWeight, bItalic, bUnderline,
                     bStrikeOut, iCharSet, iOutPrecision, iClipPrecision, iQuality, iPitchAndFamily,
                     face.c_str());
}

BOOL WINAPI GetTextMetricsA(HDC hdc, LPTEXTMETRICA lptm) {
  return TextMetrics(hdc, lptm);
}
BOOL WINAPI GetTextMetricsW(HDC hdc, LPTEXTMETRICW lptm) {
  return TextMetrics(hdc, lptm);
}

BOOL WINAPI GetTextExtentPoint32A(HDC hdc, LPCSTR lpString, int c, LPSIZE psizl) {
  return Extent(hdc, FromAnsi(lpString, c), psizl);
}

BOOL WINAPI GetTextExtentPoint32W(HDC hdc, LPCWSTR lpString, int c, LPSIZE psizl) {
  if (!lpString || c < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  return Extent(hdc, std::u16string(lpString, size_t(c)), psizl);
}

BOOL WINAPI ExtTextOutA(HDC hdc, int x, int y, UINT options, CONST RECT *lprect, LPCSTR lpString,
                        UINT c, CONST INT *lpDx) {
  return TextOutput(hdc, x, y, options, lprect, FromAnsi(lpString, int(c)), lpDx);
}

BOOL WINAPI ExtTextOutW(HDC hdc, int x, int y, UINT options, CONST RECT *lprect, LPCWSTR lpString,
                        UINT c, CONST INT *lpDx) {
  const std::u16string text = lpString ? std::u16string(lpString, c) : std::u16string();
  return TextOutput(hdc, x, y, options, lprect, text, lpDx);
}

BOOL WINAPI TextOutA(HDC hdc, int x, int y, LPCSTR lpString, int c) {
  return ExtTextOutA(hdc, x, y, 0, nullptr, lpString, UINT(std::max(c, 0)), nullptr);
}

BOOL WINAPI TextOutW(HDC hdc, int x, int y, LPCWSTR lpString, int c) {
  return ExtTextOutW(hdc, x, y, 0, nullptr, lpString, UINT(std::max(c, 0)), nullptr);
}

}  // extern "C"
