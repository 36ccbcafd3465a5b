// The current colour of the main window: the one refresh through which every
// colour change passes, and the change handlers of the twenty colour controls.

#include <QLineEdit>

#include "app/frmMain.h"
#include "color/ColorConvert.h"
#include "platform/MessageBoxes.h"
#include "support/CharText.h"

using hb::TColorConvert;

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
    hb::THSVColor hsv{hb::HueFromPosition(TrackBar_H->Position()), 0.0, 0.0};
    TColorConvert::RGBToHSV(c.R, c.G, c.B, hsv);
    const int h = hb::ShownHue(hsv.H);
    const int s = hb::ShownSaturation(hsv.S);
    const int v = hb::ShownValue(hsv.V);
    SpnH->SetValue(h);
    TrackBar_H->SetPosition(h);
    SpnS->SetValue(s);
    TrackBar_S->SetPosition(s);
    SpnV->SetValue(v);
    TrackBar_V->SetPosition(v);

    step(kCMYK);
    const hb::TCMYKColor cmyk = hb::UnpackCMYK(TColorConvert::RGBToCMYK(c.R, c.G, c.B));
    SpnCyan->SetValue(cmyk.C);
    TrackBar_C->SetPosition(cmyk.C);
    SpnMagenta->SetValue(cmyk.M);
    TrackBar_M->SetPosition(cmyk.M);
    SpnYellow->SetValue(cmyk.Y);
    TrackBar_Y->SetPosition(cmyk.Y);
    SpnBlack->SetValue(cmyk.K);
    TrackBar_K->SetPosition(cmyk.K);

    step(kHexText);
    txtHex->setText(QString::fromStdString(ColorDataToHex(c)));

    // The swatch keeps one colour under the mouse too.
    step(kSwatch);
    const QColor color(c.R & 0xFF, c.G & 0xFF, c.B & 0xFF);
    cmdColorView->SetColor(color);
    cmdColorView->SetInColor(color);
    SetColorHint(cmdColorView, std::string());

    step(kWebSafe);
    if (hb::IsWebSafe(c.R, c.G, c.B)) {
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

// The bytes of a conversion as the integers the refresh takes.
TColorData FromBytes(const hb::TRGBBytes& rgb) {
  return {hb::IntFromFloatText(rgb.R), hb::IntFromFloatText(rgb.G), hb::IntFromFloatText(rgb.B)};
}

} // namespace

void TfrmMain::TrackBar_RGBChange(QObject*) {
  try {
    ClearPendingColor();
    PendingColor = {TrackBar_Red->Position(), TrackBar_Green->Position(), TrackBar_Blue->Position()};
    ApplyPendingColor();
  } catch (...) {
  }
}

void TfrmMain::SpnRGBChange(QObject*) {
  try {
    ClearPendingColor();
    PendingColor = {SpnRed->Value(), SpnGreen->Value(), SpnBlue->Value()};
    ApplyPendingColor();
  } catch (...) {
  }
}

void TfrmMain::TrackBar_HSVChange(QObject*) {
  try {
    ClearPendingColor();
    PendingColor = FromBytes(TColorConvert::HSVToRGB(hb::HueFromPosition(TrackBar_H->Position()),
                                                     hb::SaturationFromPosition(TrackBar_S->Position()),
                                                     hb::ValueFromPosition(TrackBar_V->Position())));
    ApplyPendingColor();
  } catch (...) {
  }
}

void TfrmMain::SpnHSVChange(QObject*) {
  try {
    ClearPendingColor();
    PendingColor = FromBytes(TColorConvert::HSVToRGB(hb::HueFromPosition(SpnH->Value()),
                                                     hb::SaturationFromPosition(SpnS->Value()),
                                                     hb::ValueFromPosition(SpnV->Value())));
    ApplyPendingColor();
  } catch (...) {
  }
}

void TfrmMain::TrackBar_CMYKChange(QObject*) {
  try {
    ClearPendingColor();
    PendingColor = FromBytes(TColorConvert::CMYKToRGB(TrackBar_C->Position(), TrackBar_M->Position(),
                                                      TrackBar_Y->Position(), TrackBar_K->Position()));
    ApplyPendingColor();
  } catch (...) {
  }
}

void TfrmMain::SpnCMYKChange(QObject*) {
  try {
    ClearPendingColor();
    PendingColor = FromBytes(TColorConvert::CMYKToRGB(SpnCyan->Value(), SpnMagenta->Value(),
                                                      SpnYellow->Value(), SpnBlack->Value()));
    ApplyPendingColor();
  } catch (...) {
  }
}

// ---- Reset and hexadecimal field --------------------------------------------

void TfrmMain::cmdResetClick(QObject*) { SetColors(255, 255, 255); }

void TfrmMain::cmdSetHexClick(QObject*) { SetColorFromHex(txtHex->text().toStdString()); }

void TfrmMain::SetColorFromHex(const std::string& Text) {
  if (hb::CharLen(Text) != 6) {
    hb::ShowMessage(kHexRangeMessage);
    return;
  }
  try {
    std::string lower = Text;
    for (char& ch : lower)
      if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    const std::string red = hb::CharLeft(lower, 2);
    const std::string greenBlue = hb::CharRight(lower, 4);
    const int r = HexToInt(red);
    const int g = HexToInt(hb::CharLeft(greenBlue, 2));
    const int b = HexToInt(hb::CharRight(greenBlue, 2));
    SetColors(r, g, b);
  } catch (...) {
    // Whatever is wrong with the digits, the user is told the valid range.
    hb::ShowMessage(kHexRangeMessage);
  }
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
