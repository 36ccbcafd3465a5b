// The main window's output commands: colour codes to the clipboard from the
// "保存" menu (and from the popup menu no control opens), the colour image file.

#include <QAction>
#include <QLineEdit>

#include "app/AppStyle.h"
#include "app/frmMain.h"
#include "output/ColorNotations.h"
#include "output/ColorOutput.h"
#include "platform/FileDialogs.h"
#include "text/Translate.h"
#include <QCoreApplication>

void TfrmMain::WireOutput() {
  ColorOutput = new hb::TColorOutput(this, {SpnRed, SpnGreen, SpnBlue, txtHex, cmdColorView});

  SaveDialog1 = new hb::TSaveDialog(this);
  SaveDialog1->setObjectName(QStringLiteral("SaveDialog1"));
  SaveDialog1->Filter = hb::Tr("TfrmMain", "ビットマップファイル(*.bmp)|*.bmp|JPEGファイル(*.jpg)|*.jpg");
  SaveDialog1->FilterIndex = 1;
  SaveDialog1->DefaultExt = "bmp";
  SaveDialog1->Options = hb::ofOverwritePrompt | hb::ofPathMustExist | hb::ofNoReadOnlyReturn;

  // The same commands under longer captions, kept for a popup that nothing opens.
  TBPopupMenu1 = new hb::TFlatMenu(this);
  TBPopupMenu1->setObjectName(QStringLiteral("TBPopupMenu1"));
  TBSubmenuItem4 = new hb::TFlatMenu(QCoreApplication::translate("TfrmMain", "クリップボードに出力"), TBPopupMenu1);
  TBSubmenuItem4->setObjectName(QStringLiteral("TBSubmenuItem4"));
  auto item = [this](const char* name, const char* caption) {
    QAction* a = TBSubmenuItem4->addAction(tr(caption));
    a->setObjectName(QString::fromUtf8(name));
    return a;
  };
  TB_Out_ColorImage = item("TB_Out_ColorImage", QT_TRANSLATE_NOOP("TfrmMain", "カラーイメージ出力"));
  TB_Out_ColorImage->setVisible(false);
  TB_Out_RGB = item("TB_Out_RGB", QT_TRANSLATE_NOOP("TfrmMain", "色コード【ＲＧＢ】出力"));
  TB_Out_Hex = item("TB_Out_Hex", QT_TRANSLATE_NOOP("TfrmMain", "色コード【１６進】出力"));
  TB_Out_HTML = item("TB_Out_HTML", QT_TRANSLATE_NOOP("TfrmMain", "色コード【ＨＴＭＬコード用】出力"));
  TB_Out_VBCode = item("TB_Out_VBCode", QT_TRANSLATE_NOOP("TfrmMain", "色コード【ＶＢコード用】出力"));
  TBPopupMenu1->addMenu(TBSubmenuItem4);
  TB_SumMenuPopUp = new hb::TFlatMenu(QCoreApplication::translate("TfrmMain", "ファイルに出力"), TBPopupMenu1);
  TB_SumMenuPopUp->setObjectName(QStringLiteral("TB_SumMenuPopUp"));
  TBPopupMenu1->addMenu(TB_SumMenuPopUp)->setVisible(false);

  using Handler = void (TfrmMain::*)(QObject*);
  auto wire = [this](QAction* action, Handler handler) {
    connect(action, &QAction::triggered, this, [this, action, handler] { (this->*handler)(action); });
  };
  wire(TB_SaveColorImage, &TfrmMain::TB_SaveColorImageClick);
  for (QAction* a : {TBItem2, TB_Out_RGB}) wire(a, &TfrmMain::TB_Out_RGBClick);
  for (QAction* a : {TBItem4, TB_Out_Hex}) wire(a, &TfrmMain::TB_Out_HexClick);
  for (QAction* a : {TBItem5, TB_Out_HTML}) wire(a, &TfrmMain::TB_Out_HTMLClick);
  for (QAction* a : {TBItem6, TB_Out_VBCode}) wire(a, &TfrmMain::TB_Out_VBCodeClick);

  // Codes for style sheets and source code, after the items above.
  const struct {
    const char* name;
    const char* caption;
    std::string (*code)(int, int, int);
  } codes[] = {{"TB_Out_CssRGB", "CSS rgb()", hb::CssRgbCode},
               {"TB_Out_CssHSL", "CSS hsl()", hb::CssHslCode},
               {"TB_Out_QColor", "Qt QColor()", hb::QColorCode},
               {"TB_Out_Float", QT_TRANSLATE_NOOP("TfrmMain", "0～1 の小数 (R, G, B)"), hb::FloatTripleCode},
               {"TB_Out_CssOklch", "CSS oklch()", hb::CssOklchCode},
               {"TB_Out_CssLab", "CSS lab()", hb::CssLabCode},
               {"TB_Out_CssLch", "CSS lch()", hb::CssLchCode}};
  for (const auto& c : codes) {
    QAction* a = TBSubmenuItem2->addAction(tr(c.caption));
    a->setObjectName(QString::fromUtf8(c.name));
    connect(a, &QAction::triggered, this, [this, code = c.code] { ColorOutput->OutCode(code); });
  }
}

void TfrmMain::PutClipboardText(const std::string& Text) { ColorOutput->PutClipboardText(Text); }

void TfrmMain::TB_Out_RGBClick(QObject*) { ColorOutput->OutRGB(); }

void TfrmMain::TB_Out_HexClick(QObject*) { ColorOutput->OutHex(); }

void TfrmMain::TB_Out_HTMLClick(QObject*) { ColorOutput->OutHTML(); }

void TfrmMain::TB_Out_VBCodeClick(QObject*) { ColorOutput->OutVBCode(); }

void TfrmMain::TB_SaveColorImageClick(QObject*) { ColorOutput->SaveColorImage(*SaveDialog1); }
