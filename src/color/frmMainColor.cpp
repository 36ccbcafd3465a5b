// The current colour of the main window: the one refresh through which every
// colour change passes, and the change handlers of the twenty colour controls.

#include <QLineEdit>
#include <array>
#include <optional>

#include "app/frmMain.h"
#include "color/ColorConvert.h"
#include "color/ShownColor.h"
#include "platform/MessageBoxes.h"


namespace {

const char* const kHexRangeMessage = "000000～FFFFFFの間で指定してください。";

enum ApplyStep { kDetach = 1, kRGB, kHSV, kCMYK, kHexText, kSwatch, kWebSafe, kSchemeTimer, kAttach };

} // namespace

void TfrmMain::SetColors(int R, int G, int B) {
  try {
    ClearPendingColor();
    PendingColor = {R, G, B};
    ApplyPendingColor();
  } catch (...) {
    // A failed refresh keeps the colour shown before; nothing to tell the user.
  }
}

void TfrmMain::ClearPendingColor() { PendingColor = {-1, -1, -1}; }

void TfrmMain::ApplyPendingColor() {
  ++refreshCount_;
  ++refreshDepth_;
  maxRefreshDepth_ = std::max(maxRefreshDepth_, refreshDepth_);
  auto step = [this](ApplyStep s) {
    if (ApplyStepHookForTesting) ApplyStepHookForTesting(s);
  };
  bool attached = false;
  try {
    step(kDetach);
    HookChangeEvents(false);

    // Given components move their controls; the others are read back from them.
    step(kRGB);
    TColorData c = PendingColor;
    auto rgb = [](int& component, hb::TSpinEdit* spin, hb::TTrackBar* bar) {
      if (component >= 0 && component <= 255) {
        spin->SetValue(component);
        bar->SetPosition(component);
      } else {
        component = spin->Value();
      }
    };
    rgb(c.R, SpnRed, TrackBar_Red);
    rgb(c.G, SpnGreen, TrackBar_Green);
    rgb(c.B, SpnBlue, TrackBar_Blue);

    // A grey has no hue of its own: it keeps the hue shown before, so the hue
    // slider does not jump while the user darkens or lightens a colour.
    step(kHSV);
    const hb::TShownColor shown = hb::ShownColor(c, TrackBar_H->Position());
    SpnH->SetValue(shown.H);
    TrackBar_H->SetPosition(shown.H);
    SpnS->SetValue(shown.S);
    TrackBar_S->SetPosition(shown.S);
    SpnV->SetValue(shown.V);
    TrackBar_V->SetPosition(shown.V);

    step(kCMYK);
    SpnCyan->SetValue(shown.C);
    TrackBar_C->SetPosition(shown.C);
    SpnMagenta->SetValue(shown.M);
    TrackBar_M->SetPosition(shown.M);
    SpnYellow->SetValue(shown.Y);
    TrackBar_Y->SetPosition(shown.Y);
    SpnBlack->SetValue(shown.K);
    TrackBar_K->SetPosition(shown.K);

    step(kHexText);
    txtHex->setText(QString::fromStdString(shown.Hex));

    // The swatch keeps one colour under the mouse too.
    step(kSwatch);
    const QColor color(c.R & 0xFF, c.G & 0xFF, c.B & 0xFF);
    cmdColorView->SetColor(color);
    cmdColorView->SetInColor(color);
    SetColorHint(cmdColorView, std::string());

    step(kWebSafe);
    if (shown.WebSafe) {
      if (!StatusBar1->font().bold()) {
        QFont bold = StatusBar1->font();
        bold.setBold(true);
        StatusBar1->setFont(bold);
      }
      StatusBar1->SetFontColor(QColor(128, 0, 0));
      StatusBar1->SetPanelText(0, QString::fromUtf8("Webセーフカラー"));
    } else {
      StatusBar1->SetPanelText(0, QString());
    }

    // Several refreshes before the next tick make one rebuild of the scheme swatches.
    step(kSchemeTimer);
    timOptionPanel->SetEnabled(true);

    step(kAttach);
    HookChangeEvents(true);
    attached = true;
  } catch (...) {
    // The views keep what they received; the handlers are attached again below.
  }
  // However the refresh ended, the controls must answer the user again.
  if (!attached) HookChangeEvents(true);
  --refreshDepth_;
}

void TfrmMain::HookChangeEvents(bool Hook) {
  using Handler = void (TfrmMain::*)(QObject*);
  auto hook = [this, Hook](hb::TNotifyEvent& event, Handler handler) {
    if (Hook)
      event = [this, handler](QObject* sender) { (this->*handler)(sender); };
    else
      event = nullptr;
  };
  for (auto* bar : {TrackBar_Red, TrackBar_Green, TrackBar_Blue})
    hook(bar->OnChange, &TfrmMain::TrackBar_RGBChange);
  for (auto* spin : {SpnRed, SpnGreen, SpnBlue}) hook(spin->OnChange, &TfrmMain::SpnRGBChange);
  for (auto* bar : {TrackBar_H, TrackBar_S, TrackBar_V})
    hook(bar->OnChange, &TfrmMain::TrackBar_HSVChange);
  for (auto* spin : {SpnH, SpnS, SpnV}) hook(spin->OnChange, &TfrmMain::SpnHSVChange);
  for (auto* bar : {TrackBar_C, TrackBar_Y, TrackBar_M, TrackBar_K})
    hook(bar->OnChange, &TfrmMain::TrackBar_CMYKChange);
  for (auto* spin : {SpnCyan, SpnYellow, SpnMagenta, SpnBlack})
    hook(spin->OnChange, &TfrmMain::SpnCMYKChange);
}

// ---- Change handlers: the moved control's group makes the new colour --------

namespace {

int Read(const hb::TTrackBar* bar) { return bar->Position(); }
int Read(const hb::TSpinEdit* spin) { return spin->Value(); }

// The colour that a group of controls makes. A single step on one of them
// moves on until that control's shown value has changed (see SteppedGroupColor).
template <typename Control>
TColorData GroupControlsColor(hb::TColorGroup group, std::initializer_list<const Control*> controls) {
  std::array<int, 4> positions{};
  std::size_t i = 0;
  for (const Control* control : controls) positions[i++] = Read(control);
  i = 0;
  for (const Control* control : controls) {
    if (const std::optional<int> from = control->StepFrom())
      return hb::SteppedGroupColor(group, positions, int(i), *from);
    ++i;
  }
  return hb::GroupColor(group, positions);
}

} // namespace

void TfrmMain::TrackBar_RGBChange(QObject*) {
  try {
    ClearPendingColor();
    PendingColor = GroupControlsColor<hb::TTrackBar>(hb::TColorGroup::RGB, {TrackBar_Red, TrackBar_Green, TrackBar_Blue});
    ApplyPendingColor();
  } catch (...) {
  }
}

void TfrmMain::SpnRGBChange(QObject*) {
  try {
    ClearPendingColor();
    PendingColor = GroupControlsColor<hb::TSpinEdit>(hb::TColorGroup::RGB, {SpnRed, SpnGreen, SpnBlue});
    ApplyPendingColor();
  } catch (...) {
  }
}

void TfrmMain::TrackBar_HSVChange(QObject*) {
  try {
    ClearPendingColor();
    PendingColor = GroupControlsColor<hb::TTrackBar>(hb::TColorGroup::HSV, {TrackBar_H, TrackBar_S, TrackBar_V});
    ApplyPendingColor();
  } catch (...) {
  }
}

void TfrmMain::SpnHSVChange(QObject*) {
  try {
    ClearPendingColor();
    PendingColor = GroupControlsColor<hb::TSpinEdit>(hb::TColorGroup::HSV, {SpnH, SpnS, SpnV});
    ApplyPendingColor();
  } catch (...) {
  }
}

void TfrmMain::TrackBar_CMYKChange(QObject*) {
  try {
    ClearPendingColor();
    PendingColor = GroupControlsColor<hb::TTrackBar>(hb::TColorGroup::CMYK,
                                                     {TrackBar_C, TrackBar_M, TrackBar_Y, TrackBar_K});
    ApplyPendingColor();
  } catch (...) {
  }
}

void TfrmMain::SpnCMYKChange(QObject*) {
  try {
    ClearPendingColor();
    PendingColor = GroupControlsColor<hb::TSpinEdit>(hb::TColorGroup::CMYK,
                                                     {SpnCyan, SpnMagenta, SpnYellow, SpnBlack});
    ApplyPendingColor();
  } catch (...) {
  }
}

// ---- Reset and hexadecimal field --------------------------------------------

void TfrmMain::cmdResetClick(QObject*) { SetColors(255, 255, 255); }

void TfrmMain::cmdSetHexClick(QObject*) { SetColorFromHex(txtHex->text().toStdString()); }

void TfrmMain::SetColorFromHex(const std::string& Text) {
  // Whatever is wrong with the text, the user is told the valid range.
  const std::optional<TColorData> color = hb::ParseHexColor(Text);
  if (!color) {
    hb::ShowMessage(kHexRangeMessage);
    return;
  }
  SetColors(color->R, color->G, color->B);
}

std::string TfrmMain::ColorDataToHex(const TColorData& Color) const {
  return hb::HexColorText(Color.R, Color.G, Color.B);
}

void TfrmMain::SetColorHint(TPictureButton* Button, const std::string& Suffix) {
  const QColor c = Button->Color();
  QString hint = QStringLiteral("R:%1 G:%2 B:%3").arg(c.red()).arg(c.green()).arg(c.blue());
  if (!Suffix.empty()) hint += QLatin1Char(' ') + QString::fromStdString(Suffix);
  Button->SetHint(hint);
  Button->SetShowHint(true);
}

int TfrmMain::HexToInt(const std::string& Text) const { return hb::HexToInt(Text); }
