// What the controls share: their registration, their per-window state,
// the font they draw with and a painting scope.
#pragma once

#include <winuser.h>

#include <memory>

#include "user_window.h"

namespace winplat::controls {

LRESULT CALLBACK ButtonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK StaticProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK EditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ListBoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ComboBoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
namespace listview {
LRESULT CALLBACK ListViewProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
}
namespace treeview {
LRESULT CALLBACK TreeViewProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
}

// The control's state, created on first use.
template <typename State>
State &StateOf(HWND hwnd) {
  user::Window *window = user::Find(hwnd);
  if (!window->state)
    window->state = std::make_shared<State>();
  return *static_cast<State *>(window->state.get());
}

// WM_SETFONT and WM_GETFONT for every control; false for other messages.
bool HandleFont(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT &result);

// BeginPaint..EndPaint with the control's font selected and a transparent background.
class PaintScope {
 public:
  explicit PaintScope(HWND hwnd);
  ~PaintScope();
  PaintScope(const PaintScope &) = delete;
  PaintScope &operator=(const PaintScope &) = delete;
  HDC dc() const { return paint_.hdc; }
  const RECT &client() const { return client_; }

 private:
  HWND hwnd_;
  PAINTSTRUCT paint_{};
  RECT client_{};
  HGDIOBJ previousFont_ = nullptr;
};

// What every control does alike: it repaints when enabled or disabled and when its text
// changes, paints itself with `paint` and leaves the rest to DefWindowProc. A control that
// handles one of these messages itself does so before falling back here.
LRESULT CommonControlMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                             void (*paint)(HWND));

// The height of a line of text in the control's font (tmHeight).
int LineHeight(HWND hwnd);

void FillColor(HDC dc, const RECT &rect, int color);
// A raised (push button) or sunken (check box, edit) two-pixel edge inside rect.
void DrawEdge3D(HDC dc, const RECT &rect, bool raised);

// An item's text into a caller's buffer of `capacity` characters, cut to fit and terminated (in
// the ANSI code page for the A form); the characters copied, 0 without a buffer.
size_t CopyOut(const std::u16string &text, LPWSTR buffer, int capacity);
size_t CopyOut(const std::u16string &text, LPSTR buffer, int capacity);

}  // namespace winplat::controls
