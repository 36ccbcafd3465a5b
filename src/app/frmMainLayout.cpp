// The main window's layout: every control at its place, with its caption,
// colours and name.

#include <QCoreApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QActionGroup>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QToolBar>
#include <QToolButton>

#include "app/AppStyle.h"
#include "app/frmMain.h"
#include "color/CssColor.h"
#include "capture/ScreenColorPicker.h"
#include "support/Caption.h"

namespace {

using hb::TGroupBox;
using hb::TPanel;

QPushButton* MakeButton(QWidget* parent, const char* caption, QRect bounds, bool handCursor) {
  auto* button = new QPushButton(QCoreApplication::translate("TfrmMain", caption), parent);
  button->setGeometry(bounds);
  if (handCursor) button->setCursor(Qt::PointingHandCursor);
  return button;
}

// One row of a colour group: a bold caption, a track bar and its spin edit.
struct ColorRow {
  const char* caption;
  QColor captionColor;
  QLabel** label;
  hb::TTrackBar** bar;
  hb::TSpinEdit** spin;
  int max = 255;
  int pageStep = 1;
  QColor face;  // the spin edit's colours; none keeps the standard ones
  QColor text = Qt::black;
};

struct RowColumns {
  int label;
  int bar;
  int spin;
  int labelDown = 6;  // the caption sits this far below the bar's top
};

void MakeColorRow(QWidget* group, const ColorRow& row, RowColumns at, int top) {
  *row.label = hb::MakeCaption(group, QString::fromUtf8(row.caption), row.captionColor, at.label, top + at.labelDown, true);
  *row.bar = new hb::TTrackBar(group, 0, row.max, row.pageStep);
  (*row.bar)->setGeometry(at.bar, top, 137, 25);
  *row.spin = new hb::TSpinEdit(group, 0, row.max, 3);
  (*row.spin)->setGeometry(at.spin, top + 6, 41, 21);
  if (row.face.isValid()) (*row.spin)->SetColors(row.face, row.text);
}

QScrollArea* MakeScrollBox(QWidget* parent, QRect bounds, TPanel* inner, QSize innerSize) {
  auto* box = new QScrollArea(parent);
  box->setGeometry(bounds);
  // A two-pixel sunken border, white, scrolling only vertically.
  box->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  QPalette p = box->palette();
  p.setColor(QPalette::Window, Qt::white);
  box->setPalette(p);
  box->viewport()->setAutoFillBackground(true);
  box->viewport()->setPalette(p);
  inner->resize(innerSize);
  box->setWidget(inner);
  // The viewport sized now: a hidden box is laid out only when first shown,
  // and the views' swatches are arranged for it before that.
  QEvent layout(QEvent::LayoutRequest);
  QCoreApplication::sendEvent(box, &layout);
  return box;
}

} // namespace

void TfrmMain::CreateToolbar() {
  TBDock1 = new QWidget(this);
  TBDock1->setObjectName(QStringLiteral("TBDock1"));
  TBDock1->setGeometry(0, 0, 672, 26);
  TBDock1->setAutoFillBackground(true);
  QPalette dockPalette = TBDock1->palette();
  dockPalette.setColor(QPalette::Window, hb::FlatSkin::kToolbar);
  TBDock1->setPalette(dockPalette);
  TBDock1->setStyleSheet(hb::FlatSkin::StyleSheet());

  TBToolbar2 = new QToolBar(TBDock1);
  TBToolbar2->setObjectName(QStringLiteral("TBToolbar2"));
  TBToolbar2->setMovable(false);
  TBToolbar2->setFloatable(false);
  TBToolbar2->setIconSize(QSize(16, 16));
  TBToolbar2->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  TBToolbar2->setGeometry(0, 0, 672, 26);

  auto action = [this](const char* name, const char* caption, const char* picture) {
    auto* a = new QAction(tr(caption), this);
    a->setObjectName(QString::fromUtf8(name));
    if (picture) a->setIcon(QIcon(QString::fromUtf8(picture)));
    return a;
  };

  // "保存": the colour image file and the colour codes for the clipboard.
  auto* saveMenu = new hb::TFlatMenu(this);
  TB_SaveColorImage = action("TB_SaveColorImage", QT_TRANSLATE_NOOP("TfrmMain", "カラーイメージファイル"), nullptr);
  saveMenu->addAction(TB_SaveColorImage);
  TBSubmenuItem2 = new hb::TFlatMenu(QCoreApplication::translate("TfrmMain", "カラーコードをクリップボードに出力"), saveMenu);
  TBSubmenuItem2->setObjectName(QStringLiteral("TBSubmenuItem2"));
  TBItem1 = action("TBItem1", QT_TRANSLATE_NOOP("TfrmMain", "カラーイメージ出力"), nullptr);
  TBItem2 = action("TBItem2", "RGB", nullptr);
  TBItem4 = action("TBItem4", QT_TRANSLATE_NOOP("TfrmMain", "16進"), nullptr);
  TBItem5 = action("TBItem5", QT_TRANSLATE_NOOP("TfrmMain", "色コード【ＨＴＭＬコード用】出力"), nullptr);
  TBItem6 = action("TBItem6", QT_TRANSLATE_NOOP("TfrmMain", "色コード【ＶＢコード用】出力"), nullptr);
  TBItem1->setVisible(false);
  TBItem5->setVisible(false);
  TBItem6->setVisible(false);
  TBSubmenuItem2->addActions({TBItem1, TBItem2, TBItem4, TBItem5, TBItem6});
  saveMenu->addMenu(TBSubmenuItem2);
  TBSubmenuItem3 = new hb::TFlatMenu(QCoreApplication::translate("TfrmMain", "ファイルに出力"), saveMenu);
  TBSubmenuItem3->setObjectName(QStringLiteral("TBSubmenuItem3"));
  saveMenu->addMenu(TBSubmenuItem3)->setVisible(false);

  TB_OutPut = action("TB_OutPut", QT_TRANSLATE_NOOP("TfrmMain", "保存"), ":/toolbar/save.png");
  TB_OutPut->setMenu(saveMenu);
  TB_PlugInEditor = action("TB_PlugInEditor", QT_TRANSLATE_NOOP("TfrmMain", "キープ・パレットエディタの起動"), ":/toolbar/editor.png");
  // The colour-vision simulation: one choice of four, なし first.
  TBColorVisionMenu = new hb::TFlatMenu(this);
  TBColorVisionMenu->setObjectName(QStringLiteral("TBColorVisionMenu"));
  auto* visionChoices = new QActionGroup(TBColorVisionMenu);
  for (const char* caption : {QT_TRANSLATE_NOOP("TfrmMain", "なし"), QT_TRANSLATE_NOOP("TfrmMain", "P型"),
                              QT_TRANSLATE_NOOP("TfrmMain", "D型"), QT_TRANSLATE_NOOP("TfrmMain", "T型")}) {
    QAction* choice = TBColorVisionMenu->addAction(tr(caption));
    choice->setCheckable(true);
    visionChoices->addAction(choice);
  }
  TB_ColorVision = action("TB_ColorVision", QT_TRANSLATE_NOOP("TfrmMain", "色覚シミュレーション"), nullptr);
  TB_ColorVision->setMenu(TBColorVisionMenu);
  TBHelp = action("TBHelp", QT_TRANSLATE_NOOP("TfrmMain", "ヘルプ"), ":/toolbar/help.png");
  TBItem3 = action("TBItem3", QT_TRANSLATE_NOOP("TfrmMain", "バージョン情報"), ":/toolbar/version.png");
  TB_End = action("TB_End", QT_TRANSLATE_NOOP("TfrmMain", "終了"), ":/toolbar/exit.png");

  TBToolbar2->addAction(TB_OutPut);
  if (auto* button = qobject_cast<QToolButton*>(TBToolbar2->widgetForAction(TB_OutPut)))
    button->setPopupMode(QToolButton::InstantPopup);
  TBToolbar2->addSeparator();
  TBToolbar2->addAction(TB_PlugInEditor);
  TBToolbar2->addSeparator();
  TBToolbar2->addAction(TBHelp);
  TBToolbar2->addAction(TBItem3);
  TBToolbar2->addSeparator();
  // After the commands the toolbar always had, which keep their places.
  TBToolbar2->addAction(TB_ColorVision);
  if (auto* button = qobject_cast<QToolButton*>(TBToolbar2->widgetForAction(TB_ColorVision)))
    button->setPopupMode(QToolButton::InstantPopup);
  TBToolbar2->addSeparator();
  TBToolbar2->addAction(TB_End);
}

void TfrmMain::CreateColorView() {
  GroupBox9 = new TGroupBox(this, QString());
  GroupBox9->setGeometry(8, 32, 385, 329);

  cmdColorView = new TPictureButton(GroupBox9);
  cmdColorView->setObjectName(QStringLiteral("cmdColorView"));
  cmdColorView->setGeometry(5, 18, 240, 240);
  cmdColorView->SetButtonStyle(TPictureButton::bsGroove);
  cmdColorView->SetFocusFrame(false);
}

void TfrmMain::CreateSidePanel() {
  GroupBox4 = new TGroupBox(GroupBox9, QCoreApplication::translate("TfrmMain", "キープ・パレット"));
  GroupBox4->setGeometry(248, 16, 129, 241);
  const QRect client = GroupBox4->ClientRect();  // 125 x 225 below the caption

  Panel3 = new TPanel(GroupBox4);
  Panel3->setGeometry(client.left(), client.top(), client.width(), 25);
  cmbPalletSelect = new QComboBox(Panel3);
  cmbPalletSelect->setObjectName(QStringLiteral("cmbPalletSelect"));
  cmbPalletSelect->setGeometry(5, 3, 113, 20);
  cmbPalletSelect->setEditable(false);

  const QRect views(client.left(), client.top() + 25, client.width(), client.height() - 25);

  // Stacking order, bottom to top: palettes, keep list, history.
  pnlPallet = new TPanel(nullptr, Qt::white);
  scbPalletWork = MakeScrollBox(GroupBox4, views, pnlPallet, QSize(121, 196));
  scbPalletWork->hide();

  pnlKeepBase = new TPanel(GroupBox4);
  pnlKeepBase->setGeometry(views);
  pnlKeep = new TPanel(nullptr, Qt::white);
  scbKeepWork = MakeScrollBox(pnlKeepBase, QRect(0, 0, views.width(), views.height() - 57),
                              pnlKeep, QSize(121, 139));
  pnlKeepButton = new TPanel(pnlKeepBase);
  pnlKeepButton->setGeometry(0, views.height() - 57, views.width(), 57);
  btnKeepAdd = MakeButton(pnlKeepButton, QT_TRANSLATE_NOOP("TfrmMain", "追加"), QRect(8, 2, 97, 25), true);
  btnKeepClear = MakeButton(pnlKeepButton, QT_TRANSLATE_NOOP("TfrmMain", "クリア"), QRect(8, 27, 97, 25), true);

  pnlHistory = new TPanel(nullptr, Qt::white);
  scbHistoryWork = MakeScrollBox(GroupBox4, views, pnlHistory, QSize(121, 196));
  scbHistoryWork->hide();
}

void TfrmMain::CreateCaptureGroup() {
  GroupBox5 = new TGroupBox(GroupBox9, QCoreApplication::translate("TfrmMain", "画面から色を取得"));
  GroupBox5->setGeometry(248, 264, 129, 57);

  btnColorCapture = new TPictureButton(GroupBox5);
  btnColorCapture->setObjectName(QStringLiteral("btnColorCapture"));
  btnColorCapture->setGeometry(8, 16, 105, 33);
  btnColorCapture->SetPicture(QPixmap(QStringLiteral(":/eyedropper.png")));
  btnColorCapture->SetPictureLeft(-1);
  btnColorCapture->SetHint(QCoreApplication::translate("TfrmMain", "スポイトを、色を取得したいところまでドラッグ＆ドロップしてください"));
  btnColorCapture->SetShowHint(true);

  cmdGetColorFromDisplay_Dynamic = MakeButton(GroupBox5, QT_TRANSLATE_NOOP("TfrmMain", "色値の取得"), QRect(16, 20, 145, 45), false);
  btn_StaticCapture = MakeButton(GroupBox5, QT_TRANSLATE_NOOP("TfrmMain", "スタティックキャプチャ"), QRect(64, 16, 105, 25), false);
  btn_DynamicCapture = MakeButton(GroupBox5, QT_TRANSLATE_NOOP("TfrmMain", "ダイナミックキャプチャ"), QRect(64, 40, 105, 25), false);
  cmdGetColorFromDisplay_Dynamic->hide();
  btn_StaticCapture->hide();
  btn_DynamicCapture->hide();
}

void TfrmMain::CreateHexAndReset() {
  GroupBox3 = new TGroupBox(GroupBox9, QCoreApplication::translate("TfrmMain", "16進数"));
  GroupBox3->setGeometry(8, 264, 137, 57);
  txtHex = new QLineEdit(QStringLiteral("000000"), GroupBox3);
  txtHex->setObjectName(QStringLiteral("txtHex"));
  txtHex->setGeometry(8, 21, 57, 20);
  // Six hexadecimal digits, or a CSS colour pasted whole (color/CssColor.h).
  txtHex->setMaxLength(int(hb::kMaxCssColorText));
  // Hexadecimal digits only: no input method.
  txtHex->setAttribute(Qt::WA_InputMethodEnabled, false);
  txtHex->setInputMethodHints(Qt::ImhPreferLatin | Qt::ImhNoPredictiveText);
  cmdSetHex = MakeButton(GroupBox3, QT_TRANSLATE_NOOP("TfrmMain", "読込み"), QRect(72, 24, 57, 17), true);

  cmdReset = new TPictureButton(GroupBox9);
  cmdReset->setObjectName(QStringLiteral("cmdReset"));
  cmdReset->setGeometry(152, 272, 89, 41);
  cmdReset->SetCaption(QCoreApplication::translate("TfrmMain", "リセット"));
  cmdReset->SetPicture(QPixmap(QStringLiteral(":/reset.png")));
  cmdReset->SetPictureLeft(4);
  cmdReset->SetPictureTop(11);
  cmdReset->setCursor(Qt::PointingHandCursor);
}

void TfrmMain::CreateRGBGroup() {
  GroupBox2 = new TGroupBox(this, QStringLiteral("RGB"));
  GroupBox2->setGeometry(400, 32, 265, 153);
  const ColorRow rows[] = {
      {"Red", Qt::red, &lbRed, &TrackBar_Red, &SpnRed, 255, 1, QColor(255, 200, 200)},
      {"Green", QColor(0, 128, 0), &lbGreen, &TrackBar_Green, &SpnGreen, 255, 2, QColor(200, 255, 200)},
      {"Blue", Qt::blue, &lbBlue, &TrackBar_Blue, &SpnBlue, 255, 2, QColor(200, 200, 255)},
  };
  for (int i = 0; i < 3; ++i) MakeColorRow(GroupBox2, rows[i], {8, 64, 208}, 24 + 40 * i);
}

void TfrmMain::CreateCMYKGroup() {
  GroupBox1 = new TGroupBox(this, QStringLiteral("CMYK"));
  GroupBox1->setGeometry(400, 192, 265, 169);
  const ColorRow rows[] = {
      {"Cyan", QColor(0, 224, 224), &lbCyan, &TrackBar_C, &SpnCyan, 255, 1, QColor(200, 255, 255)},
      {"Magenta", QColor(255, 0, 255), &lbMagenta, &TrackBar_M, &SpnMagenta, 255, 1, QColor(255, 200, 255)},
      {"Yellow", QColor(255, 255, 0), &lbYellow, &TrackBar_Y, &SpnYellow, 255, 1, QColor(255, 255, 200)},
      {"blacK", Qt::black, &lbBlack, &TrackBar_K, &SpnBlack, 255, 1, Qt::black, Qt::white},
  };
  for (int i = 0; i < 4; ++i) MakeColorRow(GroupBox1, rows[i], {8, 64, 208}, 24 + 32 * i);
}

void TfrmMain::CreateHSVGroup() {
  GroupBox8 = new TGroupBox(this, QStringLiteral("HSV"));
  GroupBox8->setGeometry(8, 368, 657, 281);

  imgHSV = new hb::TImage(GroupBox8);
  imgHSV->setObjectName(QStringLiteral("imgHSV"));
  imgHSV->setGeometry(8, 16, 361, 256);

  const ColorRow rows[] = {
      {"Hue", Qt::black, &lbHue, &TrackBar_H, &SpnH, 359, 1, QColor()},
      {"Saturation", Qt::black, &lbSaturation, &TrackBar_S, &SpnS, 100, 1, QColor()},
      {"Value", Qt::black, &lbValue, &TrackBar_V, &SpnV, 100, 1, QColor()},
  };
  hb::TImage** images[] = {&imgHue, &imgSaturation, &imgValue};
  for (int i = 0; i < 3; ++i) {
    const int top = 32 + 48 * i;
    MakeColorRow(GroupBox8, rows[i], {392, 456, 600, 8}, top);
    // Above each bar, an image that stays empty.
    *images[i] = new hb::TImage(GroupBox8);
    (*images[i])->setGeometry(464, top - 8, 121, 9);
  }

  GroupBox10 = new TGroupBox(GroupBox8, QCoreApplication::translate("TfrmMain", "24色相環 オプション表示"));
  GroupBox10->setGeometry(392, 168, 241, 97);
  HSVOptionGroup = new QButtonGroup(this);
  HSVOptionGroup->setExclusive(true);
  struct Option {
    const char* name;
    const char* caption;
    QPushButton** button;
    int left;
    int top;
  };
  const Option options[] = {
      {"btnHSVOption_None", QT_TRANSLATE_NOOP("TfrmMain", "無し"), &btnHSVOption_None, 16, 24},
      {"btnHSVOption_Ruisetu", QT_TRANSLATE_NOOP("TfrmMain", "隣接色相配色"), &btnHSVOption_Ruisetu, 16, 48},
      {"btnHSVOption_Ruiji", QT_TRANSLATE_NOOP("TfrmMain", "類似色相配色"), &btnHSVOption_Ruiji, 16, 72},
      {"btnHSVOption_Chuusa", QT_TRANSLATE_NOOP("TfrmMain", "中差色相配色"), &btnHSVOption_Chuusa, 128, 24},
      {"btnHSVOption_Taisyo", QT_TRANSLATE_NOOP("TfrmMain", "対照色相配色"), &btnHSVOption_Taisyo, 128, 48},
      {"btnHSVOption_Hosyoku", QT_TRANSLATE_NOOP("TfrmMain", "補色色相配色"), &btnHSVOption_Hosyoku, 128, 72},
  };
  for (const Option& option : options) {
    auto* button = MakeButton(GroupBox10, option.caption, QRect(option.left, option.top, 97, 17), true);
    button->setObjectName(QString::fromUtf8(option.name));
    button->setCheckable(true);
    HSVOptionGroup->addButton(button);
    *option.button = button;
  }
  btnHSVOption_None->setChecked(true);
}

void TfrmMain::CreateStatusBar() {
  // Web-safe and notices, the progress bar (or the simulation on), contrast,
  // the nearest named colour.
  StatusBar1 = new hb::TStatusBar(this, {186, 50, 210, 220});
  StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
  StatusBar1->setGeometry(0, 654, 672, 17);
  StatusBar1->SetPanelText(0, QCoreApplication::translate("TfrmMain", "Webセーフカラー"));
  StatusProgressBar1 = new QProgressBar(StatusBar1);
  StatusProgressBar1->setRange(0, 100);
  StatusProgressBar1->setTextVisible(false);
  StatusProgressBar1->setGeometry(StatusBar1->PanelRect(1).adjusted(1, 1, -1, -1));
  StatusProgressBar1->hide();
}

void TfrmMain::CreateTimersAndMenus() {
  popupKeep = new hb::TFlatMenu(this);
  tbKeepClear = popupKeep->addAction(QString());
  tbKeepClear->setObjectName(QStringLiteral("tbKeepClear"));

  abfColorPicker1 = new TScreenColorPicker(this, 30);
  TimMouseDoun = new hb::TTimer(this, 100);
  timOptionPanel = new hb::TTimer(this, 1);
  timHistory = new hb::TTimer(this, 100);
}

void TfrmMain::NameControls() {
  // Every control answers to its own name (findChild, style sheets, debugging).
#define HB_NAME(control) control->setObjectName(QStringLiteral(#control))
  HB_NAME(GroupBox9); HB_NAME(GroupBox4); HB_NAME(Panel3); HB_NAME(pnlKeepBase);
  HB_NAME(scbKeepWork); HB_NAME(pnlKeep); HB_NAME(pnlKeepButton); HB_NAME(btnKeepAdd);
  HB_NAME(btnKeepClear); HB_NAME(scbPalletWork); HB_NAME(pnlPallet); HB_NAME(scbHistoryWork);
  HB_NAME(pnlHistory); HB_NAME(GroupBox5); HB_NAME(btn_StaticCapture); HB_NAME(btn_DynamicCapture);
  HB_NAME(cmdGetColorFromDisplay_Dynamic); HB_NAME(GroupBox3); HB_NAME(cmdSetHex);
  HB_NAME(GroupBox2); HB_NAME(lbRed); HB_NAME(lbGreen); HB_NAME(lbBlue);
  HB_NAME(TrackBar_Red); HB_NAME(TrackBar_Green); HB_NAME(TrackBar_Blue);
  HB_NAME(SpnRed); HB_NAME(SpnGreen); HB_NAME(SpnBlue);
  HB_NAME(GroupBox1); HB_NAME(lbCyan); HB_NAME(lbMagenta); HB_NAME(lbYellow); HB_NAME(lbBlack);
  HB_NAME(TrackBar_C); HB_NAME(TrackBar_M); HB_NAME(TrackBar_Y); HB_NAME(TrackBar_K);
  HB_NAME(SpnCyan); HB_NAME(SpnMagenta); HB_NAME(SpnYellow); HB_NAME(SpnBlack);
  HB_NAME(GroupBox8); HB_NAME(imgHue); HB_NAME(imgSaturation); HB_NAME(imgValue);
  HB_NAME(lbHue); HB_NAME(lbSaturation); HB_NAME(lbValue);
  HB_NAME(TrackBar_H); HB_NAME(TrackBar_S); HB_NAME(TrackBar_V); HB_NAME(SpnH); HB_NAME(SpnS); HB_NAME(SpnV);
  HB_NAME(GroupBox10); HB_NAME(StatusProgressBar1); HB_NAME(popupKeep);
  HB_NAME(abfColorPicker1); HB_NAME(TimMouseDoun); HB_NAME(timOptionPanel); HB_NAME(timHistory);
#undef HB_NAME
}
