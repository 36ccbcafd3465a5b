#include "color/CurrentColor.h"

#include <QCoreApplication>
#include <QAbstractButton>
#include <QLineEdit>
#include <optional>
#include <stdexcept>
#include <vector>

#include "color/Contrast.h"
#include "color/CssColor.h"
#include "color/QtColor.h"
#include "color/Swatches.h"
#include "platform/MessageBoxes.h"
#include "text/Errors.h"
#include "support/Controls.h"
#include "support/PictureButton.h"
#include "text/Translate.h"

namespace hb {

namespace {

const char* const kHexRangeMessage = QT_TRANSLATE_NOOP("TCurrentColor", "000000～FFFFFFの間で指定してください。");
const char* const kOutOfGamutNotice = QT_TRANSLATE_NOOP("TCurrentColor", "sRGB範囲外の色を範囲内に補正");

enum Step { kRGB = 2, kHSV, kCMYK, kHexText, kSwatch, kWebSafe, kShown };

// Each control of a group and its spin edit show one value, neither telling it as a change.
template <std::size_t N>
void ShowGroup(const std::array<TTrackBar*, N>& bars, const std::array<TSpinEdit*, N>& spins,
               const std::array<int, N>& values) {
  for (std::size_t i = 0; i < N; ++i) {
    spins[i]->ShowValue(values[i]);
    bars[i]->ShowPosition(values[i]);
  }
}

// The swatch keeps one colour under the mouse too.
void ShowSwatch(TPictureButton* view, const QColor& color) {
  view->SetColor(color);
  view->SetInColor(color);
  SetColorHint(view, std::string(), nullptr);
}

// Panel 0 says a web-safe colour, panel 2 its contrast with white and black text.
void ShowStatus(TStatusBar* status, bool webSafe, TRGBBytes color) {
  status->SetPanelText(2, QString::fromStdString(ContrastPanelText(color)));
  if (!webSafe) return status->SetPanelText(0, QString());
  if (!status->font().bold()) {
    QFont bold = status->font();
    bold.setBold(true);
    status->setFont(bold);
  }
  status->SetFontColor(QColor(128, 0, 0));
  status->SetPanelText(0, QCoreApplication::translate("TCurrentColor", "Webセーフカラー"));
}

int Read(const TTrackBar* bar) { return bar->Position(); }
int Read(const TSpinEdit* spin) { return spin->Value(); }

// The colour that a group of controls makes. A single step on one of them
// moves on until that control's shown value has changed (see SteppedGroupColor).
template <typename Control, std::size_t N>
TColorData GroupControlsColor(TColorGroup group, const std::array<Control*, N>& controls) {
  std::array<int, 4> positions{};
  for (std::size_t i = 0; i < N; ++i) positions[i] = Read(controls[i]);
  for (std::size_t i = 0; i < N; ++i)
    if (const std::optional<int> from = controls[i]->StepFrom())
      return SteppedGroupColor(group, positions, int(i), *from);
  return GroupColor(group, positions);
}

} // namespace

TCurrentColor::TCurrentColor(QObject* parent, const Controls& controls, std::function<void()> shown)
    : QObject(parent), c_(controls), shown_(std::move(shown)) {}

void TCurrentColor::Show(TColorData c) {
  ++count_;
  maxDepth_ = std::max(maxDepth_, ++depth_);
  auto step = [this](Step s) {
    if (StepHookForTesting) StepHookForTesting(s);
  };
  try {
    step(kRGB);
    auto given = [this](int component, std::size_t i) {
      return component < 0 || component > 255 ? c_.rgbSpins[i]->Value() : component;
    };
    c = {given(c.R, 0), given(c.G, 1), given(c.B, 2)};
    ShowGroup(c_.rgbBars, c_.rgbSpins, {c.R, c.G, c.B});
    // A grey has no hue of its own: it keeps the hue shown before, so the hue
    // slider does not jump while the user darkens or lightens a colour.
    step(kHSV);
    const TShownColor shown = ShownColor(c, c_.hsvBars[0]->Position());
    ShowGroup(c_.hsvBars, c_.hsvSpins, {shown.H, shown.S, shown.V});
    hsv_ = {HueFromPosition(shown.H), SaturationFromPosition(shown.S), ValueFromPosition(shown.V)};
    step(kCMYK);
    ShowGroup(c_.cmykBars, c_.cmykSpins, {shown.C, shown.M, shown.Y, shown.K});
    step(kHexText);
    c_.hex->setText(QString::fromStdString(shown.Hex));
    step(kSwatch);
    ShowSwatch(c_.view, QColor(shown.R, shown.G, shown.B));
    step(kWebSafe);
    ShowStatus(c_.status, shown.WebSafe, {std::uint8_t(c.R), std::uint8_t(c.G), std::uint8_t(c.B)});
    // Several refreshes before the next tick make one rebuild of the scheme swatches.
    step(kShown);
    shown_();
  } catch (const std::exception&) {
    // The controls keep what they received; nothing to tell the user.
  }
  hooked_ = true;
  --depth_;
}

void TCurrentColor::GroupChanged(TColorGroup group, bool trackBars) {
  if (!hooked_ || depth_ > 0) return;
  TColorData color;
  try {
    switch (group) {
      case TColorGroup::RGB:
        color = trackBars ? GroupControlsColor(group, c_.rgbBars) : GroupControlsColor(group, c_.rgbSpins);
        break;
      case TColorGroup::HSV:
        color = trackBars ? GroupControlsColor(group, c_.hsvBars) : GroupControlsColor(group, c_.hsvSpins);
        break;
      case TColorGroup::CMYK:
        color = trackBars ? GroupControlsColor(group, c_.cmykBars) : GroupControlsColor(group, c_.cmykSpins);
        break;
    }
  } catch (const ConversionError&) {
    // A value the group cannot make into a colour changes nothing.
    return;
  }
  Show(color);
}

void TCurrentColor::ShowHex(std::string_view text) {
  // Whatever is wrong with the text, the user is told the valid range.
  const std::optional<TReadColor> read = ReadColorText(text);
  if (!read) return ShowMessage(Tr("TCurrentColor", kHexRangeMessage));
  Show(read->Color);
  if (read->OutOfGamut) ShowNotice(Tr("TCurrentColor", kOutOfGamutNotice));
}

void TCurrentColor::SetEnabled(bool enabled) {
  // In the order the window has always switched them.
  std::vector<QWidget*> controls{c_.view, c_.buttons[0]};
  auto add = [&controls](const auto& bars, const auto& spins) {
    controls.insert(controls.end(), bars.begin(), bars.end());
    controls.insert(controls.end(), spins.begin(), spins.end());
  };
  add(c_.rgbBars, c_.rgbSpins);
  add(c_.hsvBars, c_.hsvSpins);
  add(c_.cmykBars, c_.cmykSpins);
  controls.push_back(c_.hex);
  controls.push_back(c_.buttons[1]);
  for (QWidget* control : controls) control->setEnabled(enabled);
}

void TCurrentColor::ShowNotice(const std::string& notice) {
  if (!notice.empty()) return c_.status->SetPanelText(0, QString::fromStdString(notice));
  const QColor c = Color();
  ShowStatus(c_.status, IsWebSafe(c.red(), c.green(), c.blue()), BytesOf(c));
}

QColor TCurrentColor::Color() const { return c_.view->Color(); }

} // namespace hb
