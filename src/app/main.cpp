// Program entry: the splash window first, then the windows in their order.

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/AppStyle.h"
#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "capture/frmCaption.h"

int main(int argc, char** argv) {
  // 1. The command line is not read by the program itself.
  QApplication app(argc, argv);
  hb::InstallAppStyle();
  // Menus, hints and message boxes are windows of their own: give them the
  // windows' font too, rather than a second Japanese font of the desktop's.
  QApplication::setFont(hb::WindowFont());
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icon.png")));
  // Qt's own texts (the file dialogs' columns and buttons, the edit boxes'
  // menus) in Japanese like the rest of the program, whatever the locale.
  QTranslator qtTexts;
  if (qtTexts.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(&qtTexts);

  // 2. The splash is painted before anything else runs.
  auto* splash = new TfrmSplash;
  splash->show();
  QCoreApplication::processEvents();
  splash->repaint();

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
