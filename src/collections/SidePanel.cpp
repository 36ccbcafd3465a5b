#include "collections/SidePanel.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>
#include <QWindow>
#include <algorithm>
#include <utility>

#include "collections/SwatchGrid.h"
#include "color/Swatches.h"
#include "support/PictureButton.h"
#include "text/CodePage.h"
#include "platform/ScreenCursor.h"
#include "support/ProcessPending.h"

namespace hb {

namespace {

// One notch of a standard wheel, in eighths of a degree.
constexpr int kWheelNotch = 120;

// A palette's name as shown: file names from Windows may be CP932.
QString DisplayName(const std::string& name) {
  return QString::fromStdString(IsValidUtf8(name) ? name : Cp932ToUtf8(name));
}

// The client area of a scroll box: inside its border, without scroll bars.
// Known from its geometry alone, also before the box was ever shown.
QRect ClientRect(const QScrollArea* box) { return box->contentsRect(); }

} // namespace

void WheelScrollBox(QScrollArea* Box, QPoint MousePos, bool Down) {
  if (!Box->isVisible() || !Box->isEnabled()) return;
  const QPoint p = Box->mapFromGlobal(MousePos) - ClientRect(Box).topLeft();
  if (!(0 < p.x() && p.x() < Box->width() && 0 < p.y() && p.y() < Box->height())) return;
  Box->setFocus();
  // Smooth scroll bars: the page is nine tenths of the client height, a line a
  // tenth of the page, both in whole pixels.
  const int line = ClientRect(Box).height() * 9 / 10 / 10;
  QScrollBar* bar = Box->verticalScrollBar();
  bar->setValue(bar->value() + (Down ? line : -line));
}

TSidePanel::TSidePanel(QObject* parent, const Controls& controls, const TSwatches& swatches,
                       std::vector<TPalletData> palettes, WheelFn wheel, NoticeFn notice)
    : QObject(parent),
      PalletList(std::move(palettes)),
      c_(controls),
      swatches_(swatches),
      wheel_(std::move(wheel)),
      notice_(std::move(notice)),
      pages_(c_.palette) {
  for (QScrollArea* box : {c_.keepBox, c_.paletteBox, c_.historyBox}) {
    const int page = ClientRect(box).height() * 9 / 10;
    box->verticalScrollBar()->setSingleStep(page / 10);
  }
  qApp->installEventFilter(this);
}

TSidePanel::~TSidePanel() { qApp->removeEventFilter(this); }

void TSidePanel::ListPalettes() {
  // Each item remembers its palette: two files (a.hb, a.HB) may give one name.
  for (std::size_t i = 0; i < PalletList.size(); ++i)
    c_.select->addItem(DisplayName(PalletList[i].Name), QVariant::fromValue(qulonglong(i)));
}

void TSidePanel::SelectChange() {
  QComboBox* select = c_.select;
  select->setEnabled(false);
  const int index = select->currentIndex();
  // The keep and history views show everything they hold.
  if (index < 2) notice_(std::string());
  if (index == 0) {
    c_.paletteBox->hide();
    c_.keepBox->hide();
    c_.historyBox->hide();
    c_.keepBase->show();
    c_.keepBox->show();
    c_.keepBox->setFocus();
  } else if (index == 1) {
    // The history view covers the keep view.
    c_.paletteBox->hide();
    c_.keepBox->hide();
    c_.history->show();
    c_.historyBox->show();
  } else {
    c_.keepBase->hide();
    c_.paletteBox->hide();
    c_.keepBox->hide();
    c_.historyBox->hide();
    bool known = false;
    const qulonglong at = select->itemData(index).toULongLong(&known);
    if (known && at < PalletList.size())
      BuildPaletteView(&PalletList[at]);
    else
      ShowPallet(select->itemText(index).toStdString());
    c_.paletteBox->show();
    c_.paletteBox->setFocus();
  }
  select->setEnabled(true);
}

void TSidePanel::ShowPallet(const std::string& Name) {
  const auto found = std::find_if(PalletList.begin(), PalletList.end(),
                                  [&](const TPalletData& p) { return p.Name == Name; });
  BuildPaletteView(found == PalletList.end() ? nullptr : &*found);
}

void TSidePanel::BuildPaletteView(const TPalletData* Palette) {
  QProgressBar* progress = c_.progress;
  progress->setMinimum(0);
  progress->setValue(0);
  progress->show();
  SetScreenCursor(crHourGlass);
  QWidget* panel = c_.palette;
  try {
    FreeControls(false);

    QScrollArea* box = c_.paletteBox;
    panel->setGeometry(QRect(QPoint(0, 0), ClientRect(box).size()));

    int rows = 0;
    if (Palette) {
      const std::size_t count = std::min(Palette->Items.size(), kMaxPaletteViewItems);
      PalletButtons.reserve(count);
      PalletLabels.reserve(count);
      progress->setMaximum(int(count));
      progress->setValue(0);
      for (std::size_t i = 0; i < count; ++i) {
        progress->setValue(progress->value() + 1);
        const TItemData& item = Palette->Items[i];
        // Rows lie on pages of the panel (SwatchPages.h).
        QWidget* page = pages_.PageOfRow(rows);
        // Only the low 8 bits of each value make the colour: 256 shows as 0, -1 as 255.
        TPictureButton* swatch =
            swatches_.Create(page, QColor(item.R & 0xFF, item.G & 0xFF, item.B & 0xFF), item.Name);
        PalletButtons.push_back(swatch);

        auto* label = new QLabel(page);
        label->setFont(c_.window->font());
        label->setTextFormat(Qt::PlainText);  // a name is text, never markup
        label->resize(label->width(), kSwatchSize);
        label->setText(QString::fromStdString(item.Name));
        label->adjustSize();
        label->show();
        PalletLabels.push_back(label);

        pages_.Place(swatch, rows, QPoint(0, 0));
        pages_.Place(label, rows, QPoint(kSwatchSize + 2, (kSwatchSize - label->height()) / 2));
        ++rows;
      }
    }

    panel->setGeometry(0, 0, panel->width(), std::max(rows, 1) * kSwatchSize);
    box->verticalScrollBar()->setValue(0);
    notice_(Palette ? PaletteViewNotice(*Palette, kMaxPaletteViewItems) : std::string());
  } catch (const std::exception&) {
    // The view keeps what was built; the cursor and the progress bar recover below.
  }
  SetScreenCursor(crDefault);
  progress->hide();
}

void TSidePanel::ScrollViews(QPoint global, bool down) {
  WheelScrollBox(c_.paletteBox, global, down);
  WheelScrollBox(c_.keepBox, global, down);
}

void TSidePanel::FreePaletteView() { FreeControls(true); }

void TSidePanel::FreeControls(bool ProcessPendingFirst) {
  QProgressBar* progress = c_.progress;
  // Taken out first: messages run in between must not see controls half freed.
  auto free = [&](auto list) {
    progress->setMaximum(int(list.size()));
    progress->setValue(0);
    for (QWidget* control : list) {
      if (ProcessPendingFirst) ProcessPending();
      delete control;
      progress->setValue(progress->value() + 1);
    }
  };
  free(std::exchange(PalletButtons, {}));
  free(std::exchange(PalletLabels, {}));
  pages_.Clear();
}

bool TSidePanel::eventFilter(QObject* Watched, QEvent* Event) {
  if (Event->type() != QEvent::Wheel || Watched != c_.window->windowHandle()) return false;
  auto* wheel = static_cast<QWheelEvent*>(Event);
  const QPoint global = wheel->globalPosition().toPoint();

  // A high-resolution wheel or a touchpad sends parts of a notch: gather them
  // and step once per whole notch, either way. Turning back drops the part
  // gathered the other way, so the first notch back is a whole one.
  const int delta = wheel->angleDelta().y();
  if ((delta > 0 && wheelRemainder_ < 0) || (delta < 0 && wheelRemainder_ > 0)) wheelRemainder_ = 0;
  wheelRemainder_ += delta;
  while (wheelRemainder_ >= kWheelNotch) {
    wheelRemainder_ -= kWheelNotch;
    wheel_(false, wheel->modifiers(), global);
  }
  while (wheelRemainder_ <= -kWheelNotch) {
    wheelRemainder_ += kWheelNotch;
    wheel_(true, wheel->modifiers(), global);
  }

  // Over a view the turn is the window's alone: the boxes scroll by line steps
  // only, and the history view not at all.
  for (QScrollArea* box : {c_.keepBox, c_.paletteBox, c_.historyBox})
    if (box->isVisible() && box->rect().contains(box->mapFromGlobal(global))) return true;
  return false;
}

} // namespace hb
