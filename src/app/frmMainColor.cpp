// The main window's current colour: the twenty colour controls, the
// hexadecimal field and the reset forward to the colour's own class
// (color/CurrentColor.h), which refreshes them all from one colour value.

#include <QLineEdit>
#include <QPushButton>

#include "app/frmMain.h"
#include "color/CurrentColor.h"
#include "color/Swatches.h"

void TfrmMain::WireColor() {
  const hb::TCurrentColor::Controls controls{{TrackBar_Red, TrackBar_Green, TrackBar_Blue},
                                            {SpnRed, SpnGreen, SpnBlue},
                                            {TrackBar_H, TrackBar_S, TrackBar_V},
                                            {SpnH, SpnS, SpnV},
                                            {TrackBar_C, TrackBar_M, TrackBar_Y, TrackBar_K},
                                            {SpnCyan, SpnMagenta, SpnYellow, SpnBlack},
                                            txtHex,
                                            cmdColorView,
                                            StatusBar1,
                                            {cmdReset, cmdSetHex}};
  // Several refreshes before the scheme timer's tick make one rebuild of the row.
  CurrentColor = new hb::TCurrentColor(this, controls, [this] { timOptionPanel->SetEnabled(true); });

  using Handler = void (TfrmMain::*)(QObject*);
  auto wire = [this](hb::TNotifyEvent& event, Handler handler) {
    event = [this, handler](QObject* sender) { (this->*handler)(sender); };
  };
  for (auto* bar : {TrackBar_Red, TrackBar_Green, TrackBar_Blue}) wire(bar->OnChange, &TfrmMain::TrackBar_RGBChange);
  for (auto* spin : {SpnRed, SpnGreen, SpnBlue}) wire(spin->OnChange, &TfrmMain::SpnRGBChange);
  for (auto* bar : {TrackBar_H, TrackBar_S, TrackBar_V}) wire(bar->OnChange, &TfrmMain::TrackBar_HSVChange);
  for (auto* spin : {SpnH, SpnS, SpnV}) wire(spin->OnChange, &TfrmMain::SpnHSVChange);
  for (auto* bar : {TrackBar_C, TrackBar_M, TrackBar_Y, TrackBar_K})
    wire(bar->OnChange, &TfrmMain::TrackBar_CMYKChange);
  for (auto* spin : {SpnCyan, SpnMagenta, SpnYellow, SpnBlack}) wire(spin->OnChange, &TfrmMain::SpnCMYKChange);
  connect(cmdReset, &QAbstractButton::clicked, this, [this] { cmdResetClick(cmdReset); });
  connect(cmdSetHex, &QAbstractButton::clicked, this, [this] { cmdSetHexClick(cmdSetHex); });
}

void TfrmMain::SetColors(int R, int G, int B) { CurrentColor->Show({R, G, B}); }

void TfrmMain::HookChangeEvents(bool Hook) { CurrentColor->SetHooked(Hook); }

void TfrmMain::TrackBar_RGBChange(QObject*) { CurrentColor->GroupChanged(hb::TColorGroup::RGB, true); }
void TfrmMain::SpnRGBChange(QObject*) { CurrentColor->GroupChanged(hb::TColorGroup::RGB, false); }
void TfrmMain::TrackBar_HSVChange(QObject*) { CurrentColor->GroupChanged(hb::TColorGroup::HSV, true); }
void TfrmMain::SpnHSVChange(QObject*) { CurrentColor->GroupChanged(hb::TColorGroup::HSV, false); }
void TfrmMain::TrackBar_CMYKChange(QObject*) { CurrentColor->GroupChanged(hb::TColorGroup::CMYK, true); }
void TfrmMain::SpnCMYKChange(QObject*) { CurrentColor->GroupChanged(hb::TColorGroup::CMYK, false); }

void TfrmMain::cmdResetClick(QObject*) { SetColors(255, 255, 255); }

void TfrmMain::cmdSetHexClick(QObject*) { SetColorFromHex(txtHex->text().toStdString()); }

void TfrmMain::SetColorFromHex(const std::string& Text) { CurrentColor->ShowHex(Text); }

void TfrmMain::SetColorHint(TPictureButton* Button, const std::string& Suffix) {
  hb::SetColorHint(Button, Suffix, cmdColorView);
}

int TfrmMain::RefreshCount() const { return CurrentColor->RefreshCount(); }
int TfrmMain::RefreshDepth() const { return CurrentColor->RefreshDepth(); }
int TfrmMain::MaxRefreshDepth() const { return CurrentColor->MaxRefreshDepth(); }
