#pragma once
// Getting the current colour out of the program: its codes to the clipboard
// and its picture to an image file. Reads the controls that show the colour.

#include <QObject>
#include <string>

class QLineEdit;
class TPictureButton;

namespace hb {

class TSpinEdit;
class TSaveDialog;

class TColorOutput : public QObject {
  Q_OBJECT
 public:
  struct Sources {
    TSpinEdit* red;
    TSpinEdit* green;
    TSpinEdit* blue;
    QLineEdit* hex;        // its text as it stands, typed over or not
    TPictureButton* view;  // the big swatch: the colour the picture shows
  };
  TColorOutput(QObject* parent, const Sources& sources) : QObject(parent), sources_(sources) {}

  // Replaces the clipboard with text and says "出力しました" whatever happened;
  // a failure is told after that, in the error box.
  void PutClipboardText(const std::string& text);
  void OutRGB();
  void OutHex();
  void OutHTML();
  void OutVBCode();

  // Asks for a file with dialog and writes the colour image there: "保存しました"
  // when it is written, "<path> に書き込めません" in the error box when not.
  void SaveColorImage(TSaveDialog& dialog);

 private:
  std::string HexText() const;

  Sources sources_;
};

} // namespace hb
