// Program entry: the splash window first, then the windows in their order.

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>
#include <future>
#include <thread>

#include "app/AppStyle.h"
#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "capture/frmCaption.h"
#include "platform/FontConfig.h"
#include "support/Form.h"
#include "support/RawPicture.h"

int main(int argc, char** argv) {
  // fontconfig starts on a second thread while this one connects to the
  // display; the windows' font is then looked up there while this one makes
  // and paints the splash, which needs no font.
  auto fontConfig = std::async(std::launch::async, hb::LoadFontConfig);
  // 1. The command line is not read by the program itself.
  QApplication app(argc, argv);
  std::thread fontLookup([&fontConfig] {
    fontConfig.wait();
    hb::WindowFont();
  });
  hb::InstallAppStyle();
  QApplication::setWindowIcon(QIcon(QPixmap::fromImage(hb::RawPicture(QStringLiteral(":/icon.raw")))));

  // 2. The splash is painted before anything else runs, the fonts included:
  // its picture needs none, and its status line is empty until the main
  // window is being made.
  auto* splash = new TfrmSplash;
  splash->show();
  QCoreApplication::processEvents();
  splash->repaint();

  // Menus, hints and message boxes are windows of their own: give them the
  // windows' font too, rather than a second Japanese font of the desktop's.
  // The splash, which has no font of its own, takes it here.
  QApplication::setFont(hb::WindowFont());
  fontLookup.join();
  // Qt's own texts (the file dialogs' columns and buttons, the edit boxes'
  // menus) in Japanese like the rest of the program, whatever the locale.
  QTranslator qtTexts;
  if (qtTexts.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(&qtTexts);

  // 3.
  QCoreApplication::setApplicationName(QStringLiteral("Huebrook"));

  // 4. The main window first: its creation runs the start-up sequence. The
  // version dialog and the palette editor are made when first opened
  // (TfrmMain::VersionWindow, EditorWindow).
  auto* mainWindow = new TfrmMain;
  mainWindow->AttachStillCapture(new TfrmCaption(mainWindow));

  // 5.
  splash->close();
  delete splash;
  frmSplash = nullptr;

  // 6.
  mainWindow->setAttribute(Qt::WA_DeleteOnClose);
  mainWindow->show();
  return app.exec();
}
