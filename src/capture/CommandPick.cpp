#include "capture/CommandPick.h"

#include <QScopedValueRollback>
#include <QTimer>

#include "capture/PickArea.h"
#include "capture/PickingLens.h"
#include "capture/ScreenColorPicker.h"
#include "output/CommandLine.h"
#include "platform/ColorPortal.h"
#include "platform/Screen.h"
#include "settings/AppPaths.h"
#include "values/ColorValue.h"
#include "text/Translate.h"

namespace hb {
namespace {
// Another program may hold the pointer for a moment (a menu, a drag): the
// grab is tried again for about a second.
constexpr int kGrabTries = 20;
constexpr int kGrabRetryMs = 50;
} // namespace

TCommandPick::TCommandPick(QObject* parent, std::string format, int framePeriodMs, FinishFn finish)
    : QObject(parent),
      format_(std::move(format)),
      finish_(std::move(finish)),
      sampler_(new TScreenColorPicker(this, kPollInterval)),
      lens_(new TPickingLens(this, *sampler_, framePeriodMs,
                             {[] { return CurrentProgramFolders().settingsRead; },
                              [] { return CurrentProgramFolders().settingsWrite; }, nullptr})) {
  sampler_->SetOnTimer([this](QObject*) { Poll(); });
}

void TCommandPick::Start(TColorPortal* portal) {
  if (!portal) return TryGrab();
  connect(portal, &TColorPortal::Picked, this,
          [this](TRGBBytes c) { Finish(kExitPicked, ColorValue(c.R, c.G, c.B)); });
  connect(portal, &TColorPortal::Cancelled, this, [this] { Finish(kExitCancelled, 0); });
  connect(portal, &TColorPortal::Failed, this,
          [this](TPortalFailure why) { Finish(kExitFailed, 0, PortalFailureMessage(why)); });
  portal->PickColor();
}

void TCommandPick::TryGrab() {
  if (TheScreen().GrabInput()) {
    lens_->Begin();
    sampler_->SetEnabled(true);
    return;
  }
  if (++grabTries_ >= kGrabTries) return Finish(kExitFailed, 0, Tr("TCommandPick", "画面の入力を取れません（ほかのプログラムが使っています）"));
  QTimer::singleShot(kGrabRetryMs, this, [this] { TryGrab(); });
}

void TCommandPick::Poll() {
  if (done_) return;
  // A step of the lens samples at once, which lands here: only the sample.
  if (polling_) {
    sampler_->ColorUnderCursor();
    return;
  }
  const QScopedValueRollback<bool> polling(polling_, true);
  for (const TScreenInput& in : TheScreen().TakeInput()) {
    switch (in.kind) {
      case TScreenInput::Kind::LeftClick: {
        // The pixel under the click itself, wherever the pointer went since.
        const int area = lens_->Area();
        return Finish(kExitPicked, AreaMean(TheScreen().PixelsAround(in.at, kMagnifiedSide), area));
      }
      case TScreenInput::Kind::RightClick: return Finish(kExitCancelled, 0);
      case TScreenInput::Kind::WheelUp: lens_->StepArea(1); break;
      case TScreenInput::Kind::WheelDown: lens_->StepArea(-1); break;
      case TScreenInput::Kind::Key:
        if (in.key == Qt::Key_Escape) return Finish(kExitCancelled, 0);
        if (in.key == Qt::Key_Return || in.key == Qt::Key_Space) {
          // The keyboard's click: the pixel under the pointer now.
          const TPixelSquare square = TheScreen().PixelsAround(TheScreen().CursorPos(), kMagnifiedSide);
          return Finish(kExitPicked, AreaMean(square, lens_->Area()));
        }
        lens_->Key(in.key, in.shift);  // arrows and the area, as in the window
        break;
    }
  }
  // The magnifier follows the pointer.
  sampler_->ColorUnderCursor();
}

void TCommandPick::Finish(int status, std::uint32_t color, const std::string& err) {
  if (done_) return;
  done_ = true;
  sampler_->SetEnabled(false);
  lens_->End();
  TheScreen().ReleaseInput();
  std::string out;
  if (status == kExitPicked) out = PickedColorText(format_, RedOf(color), GreenOf(color), BlueOf(color)).value_or("");
  finish_(status, out, err);
}

} // namespace hb
