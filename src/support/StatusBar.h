#pragma once

#include <QWidget>
#include <vector>

namespace hb {

// A status bar of fixed-width panels, drawn in its own font and colour. A
// control can be placed in a panel (the progress bar of panel 1).
class TStatusBar : public QWidget {
  Q_OBJECT
 public:
  TStatusBar(QWidget* parent, std::vector<int> panelWidths);
  QString PanelText(int index) const { return texts_.at(index); }
  void SetPanelText(int index, const QString& text);
  QRect PanelRect(int index) const;
  void SetFontColor(const QColor& color);
  QColor FontColor() const { return fontColor_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<int> widths_;
  std::vector<QString> texts_;
  QColor fontColor_;
};

} // namespace hb
