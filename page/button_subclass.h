// What the page's subclassed buttons share: a procedure in both forms around one handler, put
// in place through the page's text policy, and the Tab press they synthesize.
#pragma once

#include <windows.h>

#include "store/text_policy.h"

// A button's handler. `form` is the text policy of the form its procedure was installed in: it
// hands messages on to the previous procedure and posts commands with that form's functions.
typedef LRESULT (*ButtonHandler)(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                 const TextPolicy &form);

template <ButtonHandler handler>
LRESULT CALLBACK ButtonProcedureA(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
  return handler(button, message, wParam, lParam, TextPolicy::ForSystemNames(true));
}

template <ButtonHandler handler>
LRESULT CALLBACK ButtonProcedureW(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
  return handler(button, message, wParam, lParam, TextPolicy::ForSystemNames(false));
}

// Puts the handler's procedure in the page's form in place of the button's, keeping the
// previous one in the button's user data. Does nothing without a button.
template <ButtonHandler handler>
void SubclassButton(HWND button, const TextPolicy &page) {
  page.Subclass(button, ButtonProcedureA<handler>, ButtonProcedureW<handler>);
}

// A Tab press and release as the keyboard would send it (scan code 0x45, extended key).
void SynthesizeTab();
