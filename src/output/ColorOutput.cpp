#include "output/ColorOutput.h"

#include <QLineEdit>

#include "output/ColorCodes.h"
#include "output/ColorImageFile.h"
#include "platform/Clipboard.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "support/Controls.h"
#include "support/PictureButton.h"
#include "text/Translate.h"

namespace hb {

void TColorOutput::PutClipboardText(const std::string& text) {
  std::exception_ptr failure;
  try {
    TheClipboard().SetText(text);
  } catch (const std::exception&) {
    failure = std::current_exception();
  }
  ShowMessage(Tr("ColorOutput", "出力しました"));
  if (!failure) return;
  try {
    std::rethrow_exception(failure);
  } catch (const std::exception& error) {
    ShowException(error);
  }
}

std::string TColorOutput::HexText() const { return sources_.hex->text().toStdString(); }

void TColorOutput::OutRGB() {
  PutClipboardText(RGBCode(sources_.red->Value(), sources_.green->Value(), sources_.blue->Value()));
}

void TColorOutput::OutHex() { PutClipboardText(HexCode(HexText())); }

void TColorOutput::OutHTML() { PutClipboardText(HTMLCode(HexText())); }

void TColorOutput::OutVBCode() { PutClipboardText(VBCode(HexText())); }

void TColorOutput::OutCode(std::string (*code)(int R, int G, int B)) {
  PutClipboardText(code(sources_.red->Value(), sources_.green->Value(), sources_.blue->Value()));
}

void TColorOutput::SaveColorImage(TSaveDialog& dialog) {
  if (!dialog.Execute()) return;
  try {
    WriteColorImage(dialog.FileName, ColorImage(sources_.view->Color()));
  } catch (const std::exception& error) {
    // "<path> に書き込めません" in the standard error box; nothing was written.
    ShowException(error);
    return;
  }
  MessageDlg(Tr("ColorOutput", "保存しました"), TMsgDlgType::mtInformation, mbOK);
}

} // namespace hb
