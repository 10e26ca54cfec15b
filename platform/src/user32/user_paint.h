// Where window DCs draw: the surface being rendered, or the screen when nothing is.
#pragma once

#include "user_window.h"

namespace winplat::user {

struct PaintTarget {
  HBITMAP surface;
  POINT screenOrigin;  // the screen point drawn at the surface's (0,0)
};

// Makes window DCs draw into `surface` while it lives.
class ScopedPaintTarget {
 public:
  ScopedPaintTarget(HBITMAP surface, POINT screenOrigin);
  ~ScopedPaintTarget();
  ScopedPaintTarget(const ScopedPaintTarget &) = delete;
  ScopedPaintTarget &operator=(const ScopedPaintTarget &) = delete;

 private:
  PaintTarget target_;
  PaintTarget *previous_;
};

// A DC with its origin at `screenOrigin`, clipped to `screenArea` (screen coordinates).
HDC WindowDC(const RECT &screenArea, POINT screenOrigin);
HDC ClientDC(const Window &window);

}  // namespace winplat::user
