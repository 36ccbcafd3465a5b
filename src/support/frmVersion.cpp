#include "support/frmVersion.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "support/Caption.h"
#include "settings/AppPaths.h"
#include "support/PictureButton.h"
#include "support/URLLink.h"
#include "support/Version.h"
#include <QCoreApplication>

TfrmVersion* frmVersion = nullptr;

namespace {

TURLLink* MakeLink(QWidget* parent, const QString& caption, const QString& link, int left, int top) {
  auto* url = new TURLLink(parent);
  url->setText(caption);
  url->SetLink(link);
  url->SetURLType(tpURL);
  url->SetEnableShowHint(false);
  url->adjustSize();
  url->move(left, top);
  return url;
}

} // namespace

std::function<std::string(int)>& TfrmVersion::VersionLookupForTesting() {
  static std::function<std::string(int)> lookup;
  return lookup;
}

TfrmVersion::TfrmVersion(QWidget* parent) : hb::TForm(parent) {
  frmVersion = this;
  setObjectName(QStringLiteral("frmVersion"));
  setWindowTitle(QCoreApplication::translate("TfrmVersion", "バージョン情報"));
  SetFixedFrame(QSize(345, 224), hb::TFrame::Dialog);

  Image2 = new hb::TImage(this);
  Image2->setObjectName(QStringLiteral("Image2"));
  Image2->setGeometry(12, 16, 32, 32);

  // The labels are as high as their fonts' lines.
  Label1 = hb::MakeCaption(this, QStringLiteral("Label1"), Qt::black, 64, 16, true);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setFont(hb::FontOfLineHeight(Label1->font(), 21));
  Label1->adjustSize();
  Label2 = hb::MakeCaption(this, QStringLiteral("Label2"), Qt::black, 0, 40, true);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setFont(hb::FontOfLineHeight(Label2->font(), 16));
  Label2->setAlignment(Qt::AlignRight | Qt::AlignTop);
  // Right-aligned against x 324, however long the text grows.
  Label2->setGeometry(24, 40, 300, QFontMetrics(Label2->font()).height());
  Label2->setText(QStringLiteral("Label1"));

  Panel1 = new hb::TPanel(this, Qt::white);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setGeometry(52, 72, 241, 105);
  // The maker's page and the icons' credit both lead to the help page that
  // is installed with the program: its own drawings, its own makers.
  // Found where the help command finds it: beside the executable, or among
  // the installed program's data folders.
  std::string helpPath = hb::FindDataFile(hb::CurrentProgramFolders().dataFolders, "help.htm");
  if (helpPath.empty()) helpPath = hb::FolderOf(hb::ExecutablePath()) + "help.htm";
  const QString help = QString::fromStdString(helpPath);
  lblCopyright = hb::MakeCaption(Panel1, QStringLiteral("Copyright (C) 2026"), Qt::black, 8, 13, false);
  URLLink1 = MakeLink(Panel1, QStringLiteral("Huebrook Project"), help, 8, 29);
  URLLink1->setObjectName(QStringLiteral("URLLink1"));
  lblRights = hb::MakeCaption(Panel1, QStringLiteral("All rights reserved."), Qt::black, 136, 29, false);
  lblIconCredit = hb::MakeCaption(Panel1, QCoreApplication::translate("TfrmVersion", "アイコン画像："), Qt::black, 8, 61, false);
  URLLink2 = MakeLink(Panel1, QStringLiteral("Huebrook Project"), help, 88, 61);
  URLLink2->setObjectName(QStringLiteral("URLLink2"));

  btnClose = new TPictureButton(this);
  btnClose->setObjectName(QStringLiteral("btnClose"));
  btnClose->setGeometry(120, 192, 105, 25);
  btnClose->SetCaption(QCoreApplication::translate("TfrmVersion", "閉じる"));
  btnClose->SetInColor(QColor(204, 214, 227));
  btnClose->setCursor(Qt::PointingHandCursor);
  connect(btnClose, &QAbstractButton::clicked, this, [this] { btnCloseClick(btnClose); });
  NameForAccessibility();

  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));

  FormCreate(this);
}

void TfrmVersion::FormCreate(QObject*) {
  // A failed look-up ends here: the labels keep "Label1" and no icon shows.
  try {
    const auto& lookup = VersionLookupForTesting();
    auto value = [&lookup](int index) { return lookup ? lookup(index) : GetVersionString(index); };
    Label1->setText(QString::fromStdString(value(9)));
    Label1->adjustSize();
    Label2->setText(QStringLiteral("Version: ") + QString::fromStdString(value(10)));
    Image2->SetPicture(QImage(QStringLiteral(":/icon-32.png")));
  } catch (const std::exception&) {
  }
}

void TfrmVersion::FormShow(QObject*) {
  if (EnableMainWindow) EnableMainWindow(false);
}

void TfrmVersion::FormCloseQuery(QObject*, bool& CanClose) {
  if (EnableMainWindow) EnableMainWindow(true);
  CanClose = true;
}

void TfrmVersion::btnCloseClick(QObject*) { close(); }
