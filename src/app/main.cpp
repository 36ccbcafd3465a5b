// Program entry: the splash window first, then the windows in their order;
// or, from the command line, one colour picked and printed.

#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <future>

#include "app/AppStyle.h"
#include "app/Translations.h"
#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "capture/CommandPick.h"
#include "capture/FramePeriod.h"
#include "capture/frmCaption.h"
#include "desktop/Language.h"
#include "desktop/Session.h"
#include "output/CommandLine.h"
#include "platform/ColorPortal.h"
#include "platform/FontConfig.h"
#include "support/Form.h"
#include "support/RawPicture.h"
#include "support/Version.h"

namespace {

// huebrook --pick: the magnifier and one click, the colour on standard output.
int RunPick(int argc, char** argv, const std::string& format, hb::TLanguage language) {
  QApplication app(argc, argv);
  hb::InstallTranslations(language);
  QCoreApplication::setApplicationName(QStringLiteral("Huebrook"));
  hb::TColorPortal* portal = hb::X11SeesWholeScreen() ? nullptr : new hb::TColorPortal(&app);
  const QScreen* primary = QGuiApplication::primaryScreen();
  std::string out, err;
  hb::TCommandPick pick(&app, format, hb::FramePeriodMs(primary ? primary->refreshRate() : 0.0),
                        [&](int status, const std::string& o, const std::string& e) {
                          out = o;
                          err = e;
                          QMetaObject::invokeMethod(&app, [status] { QCoreApplication::exit(status); },
                                                    Qt::QueuedConnection);
                        });
  pick.Start(portal);
  const int status = app.exec();
  if (!out.empty()) std::printf("%s\n", out.c_str());
  if (!err.empty()) std::fprintf(stderr, "huebrook: %s\n", err.c_str());
  return status;
}

// --help, --version and a bad command line: text only, no display needed.
int RunTextOnly(int argc, char** argv, const hb::TCommandLine& line, hb::TLanguage language) {
  QCoreApplication app(argc, argv);
  hb::InstallTranslations(language);
  switch (line.mode) {
    case hb::TCommandLine::Mode::Help: std::fputs(hb::CommandHelp().c_str(), stdout); return 0;
    case hb::TCommandLine::Mode::Version: std::printf("Huebrook %s\n", GetVersionString(10).c_str()); return 0;
    default:
      std::fprintf(stderr, "huebrook: %s\n%s", hb::CommandError(line).c_str(), hb::CommandUsage().c_str());
      return hb::kExitUsage;
  }
}

} // namespace

int main(int argc, char** argv) {
  const hb::TCommandLine line = hb::ParseCommandLine(std::vector<std::string>(argv + std::min(argc, 1), argv + argc));
  const hb::TLanguage language = hb::LanguageNamed(line.lang).value_or(hb::LanguageOfEnvironment());
  switch (line.mode) {
    case hb::TCommandLine::Mode::Help:
    case hb::TCommandLine::Mode::Version:
    case hb::TCommandLine::Mode::Error: return RunTextOnly(argc, argv, line, language);
    case hb::TCommandLine::Mode::Pick: return RunPick(argc, argv, line.format, language);
    case hb::TCommandLine::Mode::Window: break;
  }

  // 1. Past the options above, the command line names at most a palette file.
  QApplication app(argc, argv);
  hb::InstallAppStyle();
  QIcon icon;
  for (int size : {32, 64, 128})
    icon.addPixmap(QPixmap::fromImage(hb::RawPicture(QStringLiteral(":/icon-%1.raw").arg(size))));
  QApplication::setWindowIcon(icon);

  // The interface's language, Qt's own texts (file dialogs, edit menus) with
  // it. Installed before the splash is made, which would otherwise be drawn
  // again for the change.
  hb::InstallTranslations(language);

  // 2. The splash is painted before anything else runs, the fonts included:
  // its picture needs none, and its status line is empty until the main
  // window is being made.
  auto* splash = new TfrmSplash;
  splash->show();
  QCoreApplication::processEvents();
  splash->repaint();

  // The windows' font is looked up on another thread (fontconfig's loading
  // first, at a lower priority) while this one reads the files; the first
  // text drawn waits for it: the splash's status line, or the main window's
  // controls, made in the splash's pause. Started only now, it leaves both
  // cores to the display's connection and the splash.
  const std::future<void> fontLookup = hb::StartFontConfig([] { hb::WindowFont(); });
  bool fontSet = false;
  const auto useWindowFont = [&fontLookup, &fontSet] {
    if (fontSet) return;
    fontSet = true;
    fontLookup.wait();
    // Menus, hints and message boxes are windows of their own: give them the
    // windows' font too, rather than a second Japanese font of the desktop's.
    // The splash has no font of its own either.
    QApplication::setFont(hb::WindowFont());
  };
  splash->AwaitFont = useWindowFont;

  // 3.
  QCoreApplication::setApplicationName(QStringLiteral("Huebrook"));

  // 4. The main window first: its creation runs the start-up sequence. The
  // version dialog and the palette editor are made when first opened
  // (TfrmMain::VersionWindow, EditorWindow).
  auto* mainWindow = new TfrmMain(nullptr, useWindowFont);
  mainWindow->AttachStillCapture(new TfrmCaption(mainWindow));

  // 5. Freed once the main window has had time to show: destroying a
  // window waits on the display, which should draw the main window first.
  splash->close();
  frmSplash = nullptr;
  QTimer::singleShot(std::chrono::milliseconds(200), splash, &QObject::deleteLater);

  // 6.
  mainWindow->setAttribute(Qt::WA_DeleteOnClose);
  mainWindow->show();
  if (!line.file.empty()) mainWindow->OpenPaletteFile(line.file);
  return app.exec();
}
