#pragma once
// Rows of a side-panel view laid on pages. Qt weighs a control against all its
// siblings when it paints, hides or shows it, so thousands of swatches as
// direct children of one panel cost time that grows with the square of their
// number. Pages of kRowsPerPage rows, children of the view's panel and one
// page apart, hold the controls instead: no control has more than a page of
// siblings, and a control's place in the panel is its page's place plus its own.

#include <QPoint>
#include <cstddef>
#include <vector>

class QWidget;

namespace hb {

class TSwatchPages {
 public:
  static constexpr int kRowsPerPage = 100;

  explicit TSwatchPages(QWidget* panel) : panel_(panel) {}
  ~TSwatchPages() = default;
  TSwatchPages(const TSwatchPages&) = delete;
  TSwatchPages& operator=(const TSwatchPages&) = delete;

  // The page that holds row Row (from 0), made with every page above it
  // when missing: as wide as the panel, shown.
  QWidget* PageOfRow(int Row);
  // Puts Control on the page of row Row, at InRow from the row's top left:
  // moved to another page only when its row's page changed, and moved only
  // when its place changed.
  void Place(QWidget* Control, int Row, QPoint InRow);
  // Where a control on a page lies in the panel.
  static QPoint PanelPos(const QWidget* Control);

  // Frees the pages below the first Rows rows, with anything still on them.
  void KeepRows(int Rows);
  // Frees every page, with anything still on it.
  void Clear() { KeepRows(0); }
  // The pages take the panel's width again.
  void FitWidth();
  std::size_t Count() const { return pages_.size(); }

 private:
  QWidget* panel_;
  std::vector<QWidget*> pages_;  // top down
};

} // namespace hb
