#pragma once
// The program's look (the windows' font is TForm's): hint timing and the flat toolbar skin.

#include <QColor>
#include <QFont>
#include <QMenu>

namespace hb {

// The application's style (installed once, before the windows are made, so
// that nothing needs polishing twice).
void InstallAppStyle();

// Hints appear as soon as the mouse rests on a control and stay up to
// displayMs milliseconds.
void SetHintTiming(int pauseMs, int displayMs);

// The flat toolbar and menu skin.
namespace FlatSkin {
inline const QColor kToolbar{239, 237, 222};
inline const QColor kMenu{252, 252, 249};
inline const QColor kBorder{138, 134, 122};
inline const QColor kSelected{193, 210, 238};
inline const QColor kButtonFrom{236, 241, 249};
inline const QColor kButtonTo{193, 210, 238};
inline const QColor kMenuFrom{239, 237, 222};
inline const QColor kMenuTo{250, 249, 245};
QString StyleSheet();
} // namespace FlatSkin

// A drop-down menu in the flat skin: a shaded column behind the pictures.
class TFlatMenu : public QMenu {
  Q_OBJECT
 public:
  explicit TFlatMenu(QWidget* parent = nullptr);
  TFlatMenu(const QString& title, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

} // namespace hb
