// USER32 DrawText: lines of text placed in a rectangle, with "&" mnemonic prefixes.
#include <winbase.h>
#include <winuser.h>

#include <algorithm>

#include "gdi32/gdi_paint.h"
#include "gdi32/gdi_text.h"

using namespace winplat::gdi;

namespace {

struct Line {
  std::u32string text;
  int underlined = -1;  // index of the character a prefix underlines
};

Line RemovePrefixes(const std::u32string &text, bool prefixes) {
  Line line;
  for (size_t i = 0; i < text.size(); ++i) {
    if (prefixes && text[i] == U'&') {
      if (++i == text.size())
        break;
      if (text[i] != U'&')
        line.underlined = int(line.text.size());
    }
    line.text.push_back(text[i]);
  }
  return line;
}

std::vector<Line> SplitLines(const std::u32string &text, UINT format) {
  const bool prefixes = !(format & DT_NOPREFIX);
  std::vector<Line> lines;
  if (format & DT_SINGLELINE) {
    lines.push_back(RemovePrefixes(text, prefixes));
    return lines;
  }
  size_t start = 0;
  while (true) {
    const size_t end = text.find(U'\n', start);
    std::u32string piece = text.substr(start, end == std::u32string::npos ? end : end - start);
    if (!piece.empty() && piece.back() == U'\r')
      piece.pop_back();
    lines.push_back(RemovePrefixes(piece, prefixes));
    if (end == std::u32string::npos)
      return lines;
    start = end + 1;
  }
}

void DrawLine(Dc &dc, const LOGFONTW &font, const FontMetrics &metrics, const Line &line, int left,
              int top, const RECT *clip, UINT format) {
  const COLORREF color = dc.state.textColor;
  const int baseline = top + metrics.ascent;
  const int width = TextWidth(font, line.text);
  if (!(format & DT_PREFIXONLY)) {
    if (dc.state.bkMode == OPAQUE) {
      const RECT cell{left, top, left + width, top + metrics.Height()};
      FillArea(dc, clip ? Intersect(cell, *clip) : cell, dc.state.bkColor);
    }
    DrawGlyphs(dc, font, line.text, left, baseline, clip, color);
  }
  if (line.underlined < 0 || (format & DT_HIDEPREFIX))
    return;
  const int start = left + TextWidth(font, line.text.substr(0, size_t(line.underlined)));
  const int end = start + TextWidth(font, line.text.substr(size_t(line.underlined), 1));
  const RECT underline{start, baseline + 1, end, baseline + 2};
  FillArea(dc, clip ? Intersect(underline, *clip) : underline, color);
}

int Draw(HDC hdc, const std::u16string &text, LPRECT rect, UINT format) {
  std::lock_guard lock(Lock());
  auto dc = LookupAs<Dc>(hdc);
  if (!dc || !rect) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const LOGFONTW &font = dc->state.font->logFont;
  const FontMetrics metrics = MetricsOf(font);
  const std::vector<Line> lines = SplitLines(CodePoints(text.data(), text.size()), format);
  const int height = metrics.Height() * int(lines.size());
  if (format & DT_CALCRECT) {
    int widest = 0;
    for (const Line &line : lines)
      widest = std::max(widest, TextWidth(font, line.text));
    rect->right = rect->left + widest;
    rect->bottom = rect->top + height;
    return height;
  }
  int top = rect->top;
  const bool single = format & DT_SINGLELINE;
  if (single && (format & DT_VCENTER))
    top = rect->top + (rect->bottom - rect->top - height) / 2;
  else if (single && (format & DT_BOTTOM))
    top = rect->bottom - height;
  const RECT *clip = (format & DT_NOCLIP) ? nullptr : rect;
  for (const Line &line : lines) {
    const int width = TextWidth(font, line.text);
    int left = rect->left;
    if (format & DT_CENTER)
      left = rect->left + (rect->right - rect->left - width) / 2;
    else if (format & DT_RIGHT)
      left = rect->right - width;
    DrawLine(*dc, font, metrics, line, left, top, clip, format);
    top += metrics.Height();
  }
  // With DT_VCENTER or DT_BOTTOM, Windows answers the offset from the top to the text's bottom.
  return single && (format & (DT_VCENTER | DT_BOTTOM)) ? top - rect->top : height;
}

std::u16string WideText(LPCWSTR text, int count) {
  if (!text)
    return {};
  if (count < 0)
    return std::u16string(text);
  return std::u16string(text, size_t(count));
}

}  // namespace

extern "C" {

int WINAPI DrawTextA(HDC hdc, LPCSTR lpchText, int cchText, LPRECT lprc, UINT format) {
  return Draw(hdc, FromAnsi(lpchText, cchText), lprc, format);
}

int WINAPI DrawTextW(HDC hdc, LPCWSTR lpchText, int cchText, LPRECT lprc, UINT format) {
  return Draw(hdc, WideText(lpchText, cchText), lprc, format);
}

}  // extern "C"
