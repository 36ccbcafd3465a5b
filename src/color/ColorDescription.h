#pragma once
// The big swatch's accessible description: the current colour's hex code and
// its contrast with white and black text, as the status bar shows them. A
// drag sets the colour up to a thousand times a second; the text is worked
// out when the swatch paints (at most once per display frame), and only
// when the colour differs from the one last described.

#include <QColor>
#include <QObject>

class TPictureButton;

namespace hb {

class TColorDescription : public QObject {
 public:
  TColorDescription(QObject* parent, TPictureButton* view);

  // Describes the view's colour now, whether or not it changed.
  void Update();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  TPictureButton* view_;
  QColor described_;
};

} // namespace hb
