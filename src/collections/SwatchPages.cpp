#include "collections/SwatchPages.h"

#include <QWidget>

#include "collections/SwatchGrid.h"

namespace hb {

namespace {
constexpr int kPageHeight = TSwatchPages::kRowsPerPage * kSwatchSize;
}

QWidget* TSwatchPages::PageOfRow(int Row) {
  const std::size_t index = std::size_t(Row < 0 ? 0 : Row / kRowsPerPage);
  while (pages_.size() <= index) {
    auto* page = new QWidget(panel_);
    page->setGeometry(0, int(pages_.size()) * kPageHeight, panel_->width(), kPageHeight);
    page->show();
    pages_.push_back(page);
  }
  return pages_[index];
}

void TSwatchPages::Place(QWidget* Control, int Row, QPoint InRow) {
  QWidget* page = PageOfRow(Row);
  if (Control->parentWidget() != page) {
    // A control that changes parent is hidden by Qt: it was on view before.
    const bool shown = !Control->isHidden();
    Control->setParent(page);
    if (shown) Control->show();
  }
  const QPoint at(InRow.x(), (Row % kRowsPerPage) * kSwatchSize + InRow.y());
  if (Control->pos() != at) Control->move(at);
}

QPoint TSwatchPages::PanelPos(const QWidget* Control) {
  return Control->pos() + Control->parentWidget()->pos();
}

void TSwatchPages::KeepRows(int Rows) {
  const std::size_t needed = Rows <= 0 ? 0 : std::size_t((Rows - 1) / kRowsPerPage + 1);
  while (pages_.size() > needed) {
    delete pages_.back();
    pages_.pop_back();
  }
}

void TSwatchPages::FitWidth() {
  for (QWidget* page : pages_) page->resize(panel_->width(), kPageHeight);
}

} // namespace hb
