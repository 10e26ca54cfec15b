// The system's colour chooser: recognised by its red, green and blue edits. The operator's
// colour is typed in them and confirmed with OK; the custom colours stay as they are.
#include <cstdio>

#include "operator_driver.h"
#include "winplat/operator.h"

namespace winplat::windows {
namespace {

using Kind = ChooserEvent::Kind;

constexpr int kRedEdit = 0x2C2;
constexpr int kGreenEdit = 0x2C3;
constexpr int kBlueEdit = 0x2C4;

std::u16string Describe(COLORREF color) {
  char text[8];
  std::snprintf(text, sizeof(text), "#%02X%02X%02X", GetRValue(color), GetGValue(color),
                GetBValue(color));
  return Utf16FromUtf8(text);
}

BYTE EditValue(HWND dialog, int id) {
  return static_cast<BYTE>(GetDlgItemInt(dialog, id, nullptr, FALSE));
}

void Log(Kind kind, std::u16string detail) {
  LogChooserEvent({kind, Chooser::Color, u"", std::move(detail)});
}

}  // namespace

bool AnswerIfColorChooser(HWND dialog) {
  if (!GetDlgItem(dialog, kRedEdit) || !GetDlgItem(dialog, kGreenEdit) ||
      !GetDlgItem(dialog, kBlueEdit))
    return false;
  ColorChooserCall call;
  call.owner = GetWindow(dialog, GW_OWNER);
  call.initial =
      RGB(EditValue(dialog, kRedEdit), EditValue(dialog, kGreenEdit), EditValue(dialog, kBlueEdit));
  Log(Kind::Shown, Describe(call.initial));
  const std::optional<ColorChoice> answer = CurrentOperator().AnswerColorChooser(call);
  if (!answer || !answer->chosen) {
    Log(answer ? Kind::Cancelled : Kind::Unanswered, u"");
    ClickButton(dialog, IDCANCEL);
    return true;
  }
  SetDlgItemInt(dialog, kRedEdit, GetRValue(answer->color), FALSE);
  SetDlgItemInt(dialog, kGreenEdit, GetGValue(answer->color), FALSE);
  SetDlgItemInt(dialog, kBlueEdit, GetBValue(answer->color), FALSE);
  Log(Kind::Chosen, Describe(answer->color));
  ClickButton(dialog, IDOK);
  return true;
}

}  // namespace winplat::windows
