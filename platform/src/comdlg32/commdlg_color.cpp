// ChooseColorA: the operator picks the colour and may change the custom colours.
#include <cstdio>

#include "commdlg_error.h"
#include "winplat/operator.h"

namespace {

std::u16string Describe(COLORREF color) {
  char text[8];
  std::snprintf(text, sizeof(text), "#%02X%02X%02X", GetRValue(color), GetGValue(color),
                GetBValue(color));
  return winplat::Utf16FromUtf8(text);
}

void Log(winplat::ChooserEvent::Kind kind, std::u16string detail) {
  winplat::LogChooserEvent({kind, winplat::Chooser::Color, u"", std::move(detail)});
}

}  // namespace

// Without CC_RGBINIT the chooser starts on black. The custom colours array is required, as on
// Windows; slots outside 0-15 in an answer are ignored.
extern "C" BOOL WINAPI ChooseColorA(LPCHOOSECOLORA lpcc) {
  using Kind = winplat::ChooserEvent::Kind;
  if (lpcc == nullptr || lpcc->lStructSize != sizeof(CHOOSECOLORA)) {
    winplat::commdlg::SetError(CDERR_STRUCTSIZE);
    return FALSE;
  }
  if (lpcc->lpCustColors == nullptr) {
    winplat::commdlg::SetError(CDERR_INITIALIZATION);
    return FALSE;
  }
  winplat::commdlg::SetError(0);
  winplat::ColorChooserCall call;
  call.owner = lpcc->hwndOwner;
  call.initial = (lpcc->Flags & CC_RGBINIT) != 0 ? lpcc->rgbResult : RGB(0, 0, 0);
  call.flags = lpcc->Flags;
  for (int i = 0; i < 16; ++i)
    call.custom[i] = lpcc->lpCustColors[i];
  Log(Kind::Shown, Describe(call.initial));
  const std::optional<winplat::ColorChoice> answer =
      winplat::CurrentOperator().AnswerColorChooser(call);
  // The custom colours are kept whether the chooser ends with OK or Cancel.
  if (answer.has_value()) {
    for (const auto &[slot, color] : answer->customChanges) {
      if (slot >= 0 && slot < 16)
        lpcc->lpCustColors[slot] = color;
    }
  }
  if (!answer.has_value() || !answer->chosen) {
    Log(answer.has_value() ? Kind::Cancelled : Kind::Unanswered, u"");
    return FALSE;
  }
  lpcc->rgbResult = answer->color;
  Log(Kind::Chosen, Describe(answer->color));
  return TRUE;
}
