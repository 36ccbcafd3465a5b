#include "collections/KeepList.h"

#include <QAbstractButton>
#include <QAction>
#include <QEventLoop>
#include <QMenu>
#include <QProgressBar>
#include <QScrollArea>
#include <QTimer>
#include <algorithm>

#include "collections/KeepColorText.h"
#include "collections/KeepSettings.h"
#include "collections/SwatchGrid.h"
#include "collections/SwatchPages.h"
#include "settings/IniFile.h"
#include "platform/MessageBoxes.h"
#include "platform/Screen.h"
#include "platform/ScreenCursor.h"
#include "color/QtColor.h"
#include "color/Swatches.h"
#include "support/ProcessPending.h"
#include "support/PictureButton.h"
#include <QCoreApplication>
#include "text/Translate.h"

namespace hb {

namespace {

// How long the synthesised click may take to come back from the display.
constexpr int kClickWaitMs = 500;

// Long loops let events run every so many swatches: the window stays painted,
// and the events each new swatch posts never pile up (Qt compares a new posted
// event with the queued ones, so a long queue makes every add slower).
constexpr std::size_t kEventsEvery = 256;

void EveryFewSteps(std::size_t i) {
  if ((i + 1) % kEventsEvery == 0) ProcessPending();
}

// Adds that come in a run are arranged once, when the run ends.
class BulkAdd {
 public:
  explicit BulkAdd(bool& flag) : flag_(flag), outer_(!flag) { flag_ = true; }
  ~BulkAdd() {
    if (outer_) flag_ = false;
  }
  BulkAdd(const BulkAdd&) = delete;
  BulkAdd& operator=(const BulkAdd&) = delete;

 private:
  bool& flag_;
  bool outer_;
};

// Swatches are made, placed and freed out of sight: on a panel that is shown,
// Qt works through all the swatches before each one, so a long run of them
// would take time that grows with the square of their number.
class OutOfSight {
 public:
  explicit OutOfSight(QWidget* panel) : panel_(panel), shown_(!panel->isHidden()) {
    if (shown_) panel_->hide();
  }
  ~OutOfSight() {
    if (shown_) panel_->show();
  }
  OutOfSight(const OutOfSight&) = delete;
  OutOfSight& operator=(const OutOfSight&) = delete;

 private:
  QWidget* panel_;
  bool shown_;
};

} // namespace

TKeepList::TKeepList(QObject* owner, Controls controls, const TSwatches& swatches, ReleasedFn released)
    : QObject(owner), c_(controls), swatches_(swatches), released_(std::move(released)), pages_(c_.pnlKeep) {}

std::vector<std::uint32_t> TKeepList::Colors() const {
  std::vector<std::uint32_t> colors;
  colors.reserve(buttons_.size());
  for (const TPictureButton* b : buttons_) colors.push_back(ValueOf(b->Color()));
  return colors;
}

void TKeepList::AddColor(const QColor& color) { Add(KeepColorText(ValueOf(color))); }

void TKeepList::Add(const std::string& text) {
  try {
    // Decided before anything is made: a text that names no colour leaves no
    // half-made swatch behind.
    const auto color = KeepColorFromText(text);
    if (!color) return;
    // Made straight on the page of its cell: a later arrangement then finds
    // it in place (a run of adds never moves the swatches made before).
    const TGridCell cell = NextCell(buttons_.size());
    TPictureButton* swatch = swatches_.Create(pages_.PageOfRow(cell.Top / kSwatchSize), QColorOfValue(*color));
    pages_.Place(swatch, cell.Top / kSwatchSize, QPoint(cell.Left, 0));
    connect(swatch, &TPictureButton::MouseUp, this,
            [this, swatch](Qt::MouseButton button, Qt::MouseButtons, QPoint) {
              released_(swatch, button);
            });
    buttons_.push_back(swatch);
    if (!bulk_) ArrangeFrom(buttons_.size() - 1);
  } catch (const std::exception&) {
    // A swatch that could not be made is not kept; nothing to tell the user.
  }
}

void TKeepList::Arrange() { ArrangeFrom(0); }

TGridCell TKeepList::NextCell(std::size_t index) const {
  if (index == 0) return NextGridCell(nullptr, c_.pnlKeep->width());
  const QPoint at = TSwatchPages::PanelPos(buttons_[index - 1]);
  const TGridCell previous{at.x(), at.y()};
  return NextGridCell(&previous, c_.pnlKeep->width());
}

void TKeepList::ArrangeFrom(std::size_t from) {
  if (buttons_.empty()) return;
  // The panel stops filling the scroll box and keeps its width.
  const int width = c_.pnlKeep->width();
  if (width != arrangedWidth_) {
    from = 0;
    pages_.FitWidth();
  }
  TGridCell cell{};
  for (std::size_t i = from; i < buttons_.size(); ++i) {
    cell = NextCell(i);
    pages_.Place(buttons_[i], cell.Top / kSwatchSize, QPoint(cell.Left, 0));
  }
  if (from == buttons_.size()) {
    const QPoint at = TSwatchPages::PanelPos(buttons_.back());
    cell = {at.x(), at.y()};
  }
  arrangedWidth_ = width;
  // Pages below the last row are left empty by a delete.
  pages_.KeepRows(cell.Top / kSwatchSize + 1);
  c_.pnlKeep->resize(width, cell.Top + kSwatchSize);
}

void TKeepList::FillScrollBox() {
  pages_.Clear();
  c_.pnlKeep->resize(c_.scbKeepWork->maximumViewportSize());
  arrangedWidth_ = -1;
}

void TKeepList::Step(int position) {
  c_.StatusProgressBar1->setValue(position);
}

void TKeepList::SwatchReleased(TPictureButton* swatch, Qt::MouseButton button) {
  if (button != Qt::RightButton || !swatch) return;
  QPointer<TPictureButton> guard(swatch);
  ScreenService& screen = TheScreen();
  const QPoint device = screen.CursorPos();

  // The swatch's own click handler makes its colour current: a left click is
  // synthesised where the pointer is. It comes back through the display, so
  // events are let run until it has arrived (or plainly is not coming).
  bool clicked = false;
  const auto seen = connect(swatch, &QAbstractButton::clicked, this, [&clicked] { clicked = true; });
  if (screen.MoveAndClick(device)) {
    ProcessPending();
    if (!clicked && guard) {
      QEventLoop wait;
      connect(swatch, &QAbstractButton::clicked, &wait, &QEventLoop::quit);
      QTimer::singleShot(kClickWaitMs, &wait, &QEventLoop::quit);
      wait.exec();
    }
  } else {
    // No click can be synthesised here (no XTest, Qt on Wayland): the
    // swatch's own click handler is called as the click would have.
    swatch->click();
  }
  disconnect(seen);
  if (!guard) return;
  ShowMenu(swatch, swatch->mapToGlobal(screen.DeviceToWidget(swatch, device)));
}

void TKeepList::MenuKey(TPictureButton* swatch) {
  // As the right button, without the pointer: the swatch's own click makes
  // its colour current, and the menu opens over the swatch.
  QPointer<TPictureButton> guard(swatch);
  swatch->click();
  if (guard) ShowMenu(swatch, swatch->mapToGlobal(swatch->rect().center()));
}

void TKeepList::ShowMenu(TPictureButton* swatch, QPoint global) {
  c_.tbKeepClear->setText(QCoreApplication::translate("TKeepList", "%1 の削除").arg(swatch->Hint()));
  target_ = swatch;
  c_.popupKeep->popup(global);
}

void TKeepList::DeleteTarget() {
  TPictureButton* target = target_;
  target_ = nullptr;
  const auto at = std::find(buttons_.begin(), buttons_.end(), target);
  if (!target || at == buttons_.end()) return;
  QProgressBar* bar = c_.StatusProgressBar1;
  bar->setMinimum(0);
  bar->setValue(0);
  bar->show();
  c_.scbKeepWork->hide();

  // Only the targeted control goes (another swatch of its colour stays); the
  // ones after it move up one place each, in order, each within its page or
  // onto the page above. Making every other swatch again would give the same
  // view, at many times the cost. The hidden scroll box keeps the moves out
  // of sight.
  const std::size_t from = std::size_t(at - buttons_.begin());
  bar->setMaximum(int(buttons_.size()));
  buttons_.erase(at);
  delete target;
  Step(int(from + 1));
  if (buttons_.empty())
    FillScrollBox();
  else
    ArrangeFrom(from);
  Step(bar->maximum());
  c_.scbKeepWork->show();
  bar->hide();
}

void TKeepList::ClearAll() {
  if (MessageDlg(Tr("TKeepList", "キープデータを全クリアします\nよろしいですか？"), TMsgDlgType::mtConfirmation, mbOK | mbCancel) !=
      mrOk)
    return;
  c_.pnlKeep->hide();
  Clear();
  c_.pnlKeep->show();
  FillScrollBox();
}

void TKeepList::Clear(bool showProgress) {
  target_ = nullptr;
  // Taken out of the list first: nothing reaches a swatch while it is freed.
  std::vector<TPictureButton*> old;
  old.swap(buttons_);
  OutOfSight hidden(c_.pnlKeep);
  if (showProgress) c_.StatusProgressBar1->setMaximum(int(old.size()));
  for (std::size_t i = 0; i < old.size(); ++i) {
    delete old[i];
    if (showProgress) Step(int(i + 1));
    EveryFewSteps(i);
  }
  pages_.Clear();
}

void TKeepList::AddAll(const std::vector<std::string>& texts) {
  OutOfSight hidden(c_.pnlKeep);
  {
    BulkAdd bulk(bulk_);
    for (std::size_t i = 0; i < texts.size(); ++i) {
      Add(texts[i]);
      EveryFewSteps(i);
    }
  }
  Arrange();
}

void TKeepList::WriteSettings(const std::string& path) const {
  TIniFile file(path);
  WriteKeepList(file, Colors());
}

} // namespace hb
