// The Debian package: made with cpack, unpacked into a scratch root with
// dpkg-deb -x, and started from there on a real X server as a user who cannot
// write the program's folder.

#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QToolBar>
#include <QtTest>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

// Before the X headers, whose macros (Status) clash with its names.
#include "collections/PaletteFile.h"
#include "XProgram.h"
#include "app/frmMain.h"
#include "platform/MessageBoxes.h"

using namespace xprogram;

namespace {

struct Run {
  int exitCode = -1;
  QByteArray out;
};

Run Execute(const QString& program, const QStringList& args, const QString& workDir = QString(), int ms = 240000) {
  QProcess p;
  if (!workDir.isEmpty()) p.setWorkingDirectory(workDir);
  p.setProcessChannelMode(QProcess::MergedChannels);
  p.start(program, args);
  if (!p.waitForStarted() || !p.waitForFinished(ms)) {
    p.kill();
    p.waitForFinished();
    return {-1, p.readAll()};
  }
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAll()};
}

} // namespace

// The shipped palette that the user's own palette of the same name hides.
constexpr const char* kShadowedPalette = "Webセーフカラー.hb";

// The installed program, ended when the test leaves its scope, however it leaves.
struct Running : QProcess {
  ~Running() override {
    kill();
    waitForFinished();
  }
};

class TestInstallX11 : public QObject {
  Q_OBJECT

  QTemporaryDir work_;
  QString deb_;
  QString root_;  // the unpacked package
  QString home_;  // the user's home
  bool dropRoot_ = false;
  // Where controls are inside the main window, taken from the layout code.
  QPoint help_, add_, hex_, load_, swatchView_, kept0_, select_, palette0_;
  uid_t uid_ = 0;
  gid_t gid_ = 0;

  // Starts the installed program as the user, with a fake xdg-open that
  // records what the program asks the desktop to open.
  void Start(QProcess& program) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_DATA_DIRS", "XDG_RUNTIME_DIR"})
      env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("HOME"), home_);
    env.insert(QStringLiteral("PATH"), work_.path() + QStringLiteral("/fakebin:") + env.value(QStringLiteral("PATH")));
    if (QFileInfo::exists(work_.path() + QStringLiteral("/xauth")))
      env.insert(QStringLiteral("XAUTHORITY"), work_.path() + QStringLiteral("/xauth"));
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    const QString exe = root_ + QStringLiteral("/usr/bin/huebrook");
    if (dropRoot_)
      program.start(QStringLiteral("setpriv"), {QStringLiteral("--reuid=%1").arg(uid_), QStringLiteral("--regid=%1").arg(gid_),
                                                QStringLiteral("--clear-groups"), QStringLiteral("--inh-caps=-all"), exe});
    else
      program.start(exe, {});
  }

 private slots:
  void initTestCase() {
    QVERIFY(work_.isValid());
    {
      // The same window, never put on the screen, tells where its controls are.
      hb::ScopedMessageBoxes quiet;
      TfrmMain w;
      w.setAttribute(Qt::WA_DontShowOnScreen);
      w.show();
      QCoreApplication::processEvents();
      auto in = [&w](QWidget* widget, QPoint at) { return widget->mapTo(&w, at); };
      add_ = in(w.btnKeepAdd, w.btnKeepAdd->rect().center());
      hex_ = in(w.txtHex, w.txtHex->rect().center());
      load_ = in(w.cmdSetHex, w.cmdSetHex->rect().center());
      swatchView_ = in(w.cmdColorView, QPoint(120, 60));  // above the scheme swatches
      kept0_ = in(w.pnlKeep, QPoint(12, 12));
      select_ = in(w.cmbPalletSelect, w.cmbPalletSelect->rect().center());
      palette0_ = in(w.scbPalletWork, QPoint(12, 12));
      QWidget* helpButton = w.TBToolbar2->widgetForAction(w.TBHelp);
      QVERIFY(helpButton);
      help_ = in(helpButton, helpButton->rect().center());
      w.close();
    }
    // The unprivileged user must reach the unpacked tree.
    QVERIFY(::chmod(work_.path().toLocal8Bit().constData(), 0755) == 0);

    const Run pack = Execute(QStringLiteral("cpack"), {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("-B"),
                                                       work_.path() + QStringLiteral("/pkg")},
                             QStringLiteral(HB_BINARY_DIR));
    QVERIFY2(pack.exitCode == 0, pack.out.constData());
    const QStringList debs = QDir(work_.path() + QStringLiteral("/pkg")).entryList({QStringLiteral("*.deb")}, QDir::Files);
    QCOMPARE(debs.size(), 1);
    deb_ = work_.path() + QStringLiteral("/pkg/") + debs[0];

    root_ = work_.path() + QStringLiteral("/root");
    const Run unpack = Execute(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), deb_, root_});
    QVERIFY2(unpack.exitCode == 0, unpack.out.constData());
    QVERIFY(::chmod(root_.toLocal8Bit().constData(), 0755) == 0);

    home_ = work_.path() + QStringLiteral("/home");
    QVERIFY(QDir().mkpath(home_));
    // A palette of the user's own, named as one the package ships.
    const QString userData = home_ + QStringLiteral("/.local/share/huebrook");
    QVERIFY(QDir().mkpath(userData));
    {
      QFile own(userData + QStringLiteral("/") + QString::fromUtf8(kShadowedPalette));
      QVERIFY(own.open(QIODevice::WriteOnly));
      own.write("[Mine]\r\nR=18\r\nG=52\r\nB=86\r\n");
    }
    QDir().mkpath(work_.path() + QStringLiteral("/fakebin"));
    {
      QFile fake(work_.path() + QStringLiteral("/fakebin/xdg-open"));
      QVERIFY(fake.open(QIODevice::WriteOnly));
      fake.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$1\" >> \"%1/opened.txt\"\n").arg(home_).toUtf8());
      fake.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther |
                          QFileDevice::ExeOther | QFileDevice::WriteOwner);
    }

    dropRoot_ = ::geteuid() == 0;
    if (dropRoot_) {
      const passwd* nobody = ::getpwnam("nobody");
      QVERIFY2(nobody, "no user 'nobody' to run the program as");
      uid_ = nobody->pw_uid;
      gid_ = nobody->pw_gid;
      QVERIFY(::chown(home_.toLocal8Bit().constData(), uid_, gid_) == 0);
      // The X server's cookie, readable by that user.
      const QString cookie = qEnvironmentVariable("XAUTHORITY");
      if (!cookie.isEmpty() && QFile::copy(cookie, work_.path() + QStringLiteral("/xauth")))
        QFile::setPermissions(work_.path() + QStringLiteral("/xauth"), QFileDevice::ReadOwner | QFileDevice::ReadOther);
    } else {
      // An unprivileged runner owns the unpacked files: take its write access away.
      QVERIFY(::chmod((root_ + QStringLiteral("/usr/bin")).toLocal8Bit().constData(), 0555) == 0);
    }
  }

  void cleanupTestCase() {
    ::chmod((root_ + QStringLiteral("/usr/bin")).toLocal8Bit().constData(), 0755);
    if (dropRoot_) QDir(home_).removeRecursively();  // files of another user inside the scratch folder
  }

  // What the package needs comes from the executable's libraries; what no
  // library can show (the Japanese font) is named by hand.
  void packageFields_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("contains");
    QTest::newRow("Package") << "Package" << QStringList{"huebrook"};
    QTest::newRow("Version") << "Version" << QStringList{"6.0.0"};
    QTest::newRow("Depends") << "Depends"
                             << QStringList{"libqt6widgets6", "libqt6gui6", "libqt6core6",
                                            "libx11-6", "libxtst6", "libc6 (>=", "libstdc++6",
                                            "fonts-ipafont-gothic | fonts-japanese-gothic"};
  }

  void packageFields() {
    QFETCH(QString, field);
    QFETCH(QStringList, contains);
    const Run r = Execute(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb_, field});
    QCOMPARE(r.exitCode, 0);
    for (const QString& part : contains)
      QVERIFY2(QString::fromUtf8(r.out).contains(part), qPrintable(field + ": " + QString::fromUtf8(r.out)));
  }

  // The package holds the installed files, under /usr, and nothing that
  // points back into the build folder.
  void packageFiles() {
    QFile list(QStringLiteral(HB_INSTALL_LIST));
    QVERIFY(list.open(QIODevice::ReadOnly));
    QStringList want;
    for (const QByteArray& line : list.readAll().split('\n'))
      if (!line.isEmpty()) want << QStringLiteral("usr/") + QString::fromUtf8(line);
    for (const QString& palette : QDir(QStringLiteral(HB_EXECUTABLE_DIR)).entryList({QStringLiteral("*.hb")}, QDir::Files))
      want << QStringLiteral("usr/share/huebrook/") + palette;
    want.sort();
    QStringList have;
    QDirIterator it(root_, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) have << QDir(root_).relativeFilePath(it.next());
    have.sort();
    QCOMPARE(have, want);

    const QByteArray buildDir = QByteArrayLiteral(HB_BINARY_DIR);
#ifdef HB_SANITIZED
    // The sanitizers' metadata names every instrumented source file, the
    // generated ones in the build folder too: such a build is no release.
    have.removeAll(QStringLiteral("usr/bin/huebrook"));
#endif
    for (const QString& file : have) {
      QFile f(root_ + '/' + file);
      QVERIFY(f.open(QIODevice::ReadOnly));
      QVERIFY2(!f.readAll().contains(buildDir), qPrintable(file + " names the build folder"));
    }
    const Run dyn = Execute(QStringLiteral("readelf"), {QStringLiteral("-d"), root_ + QStringLiteral("/usr/bin/huebrook")});
    QCOMPARE(dyn.exitCode, 0);
    QVERIFY2(!dyn.out.contains("RPATH") && !dyn.out.contains("RUNPATH"), dyn.out.constData());
  }

  // Started from the unpacked tree, the program shows its main window, with
  // the window class its desktop entry names, and its help command finds the
  // help page in the installed data folder.
  void installedProgramStarts() {
    Hand hand;
    QVERIFY2(hand.d, "no X display: run under xvfb-run");
    // Windows come and go while the tree is read (the splash closes): an error
    // about one that vanished meanwhile is no failure.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    Running program;
    Start(program);
    QVERIFY(program.waitForStarted());
    const WindowInfo w = WaitForMainWindow(hand.d);
    QVERIFY2(w.id, "the installed program showed no main window");
    QCOMPARE(w.resClass, QByteArray("huebrook"));

    QTest::qWait(300);
    Click(hand, Origin(hand.d, w.id) + help_);
    QFile opened(home_ + QStringLiteral("/opened.txt"));
    QTRY_VERIFY_WITH_TIMEOUT(opened.exists() && opened.size() > 0, 10000);
    QVERIFY(opened.open(QIODevice::ReadOnly));
    QCOMPARE(QUrl(QString::fromUtf8(opened.readAll().trimmed())).toLocalFile(),
             root_ + QStringLiteral("/usr/share/huebrook/help.htm"));
  }

  // The selector lists the user's palettes first, then the shipped ones; a
  // name the user's folder gives is not taken again from the system folder.
  // Each shows its own colours.
  void palettesOnScreen() {
    Hand hand;
    QVERIFY2(hand.d, "no X display: run under xvfb-run");
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    const QString shipped = root_ + QStringLiteral("/usr/share/huebrook");
    QStringList system = QDir(shipped).entryList({QStringLiteral("*.hb")}, QDir::Files, QDir::Name);
    QVERIFY(system.removeAll(QString::fromUtf8(kShadowedPalette)) == 1);
    QVERIFY(!system.isEmpty());
    const std::vector<TItemData> next = hb::ReadPaletteFile((shipped + '/' + system[0]).toStdString());
    QVERIFY(next.size() >= 3);

    Running program;
    Start(program);
    QVERIFY(program.waitForStarted());
    const WindowInfo w = WaitForMainWindow(hand.d);
    QVERIFY(w.id);
    const QPoint origin = Origin(hand.d, w.id);
    QTest::qWait(300);

    // Keep, history, then the palettes: the third item is the user's own.
    // Types into the selector's list once it is on the screen.
    auto choose = [&](int downs) {
      if (!WaitFor([&] { return !PopupShown(hand.d); })) return false;
      Click(hand, origin + select_);
      if (!WaitFor([&] { return PopupShown(hand.d); })) return false;
      for (int i = 0; i < downs; ++i) Key(hand.d, XK_Down);
      Key(hand.d, XK_Return);
      return true;
    };
    QVERIFY(choose(2));
    QVERIFY2(WaitFor([&] { return PixelAt(hand.d, origin + palette0_) == QColor(18, 52, 86); }),
             "the user's palette is not on view");
    QVERIFY(choose(1));
    for (int row = 0; row < 3; ++row) {
      const TItemData& item = next[std::size_t(row)];
      const QColor want(item.R & 0xFF, item.G & 0xFF, item.B & 0xFF);
      QVERIFY2(WaitFor([&] { return PixelAt(hand.d, origin + palette0_ + QPoint(0, row * 25)) == want; }),
               qPrintable(system[0] + QStringLiteral(" row %1 is not on view").arg(row)));
    }
  }

  // With a program folder it cannot write, the installed program keeps a
  // colour in the user's settings file, and finds it there at the next start.
  void keptColourSurvivesRestart() {
    Hand hand;
    QVERIFY2(hand.d, "no X display: run under xvfb-run");
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    const QColor colour(0x12, 0xAB, 0x34);
    Running first;
    Start(first);
    QVERIFY(first.waitForStarted());
    WindowInfo w = WaitForMainWindow(hand.d);
    QVERIFY(w.id);
    QPoint origin = Origin(hand.d, w.id);
    QVERIFY(WaitFor([&] { return PixelAt(hand.d, origin + swatchView_) == QColor(Qt::white); }));

    Click(hand, origin + hex_);
    Key(hand.d, XK_a, true);
    Type(hand.d, "12ab34");
    Click(hand, origin + load_);
    QVERIFY(WaitFor([&] { return PixelAt(hand.d, origin + swatchView_) == colour; }));
    Click(hand, origin + add_);
    QVERIFY(WaitFor([&] { return PixelAt(hand.d, origin + kept0_) == colour; }));

    CloseWindow(hand.d, w.id);
    QVERIFY(first.waitForFinished(15000));

    QFile settings(home_ + QStringLiteral("/.config/huebrook/huebrook.ini"));
    QVERIFY2(settings.open(QIODevice::ReadOnly), "no settings file in the user's config folder");
    QCOMPARE(settings.readAll(), QByteArray("[Keep]\r\nCount=1\r\n0=34AB12\r\n"));
    QVERIFY(!QFileInfo::exists(root_ + QStringLiteral("/usr/bin/huebrook.ini")));

    Running second;
    Start(second);
    QVERIFY(second.waitForStarted());
    w = WaitForMainWindow(hand.d);
    QVERIFY(w.id);
    origin = Origin(hand.d, w.id);
    QVERIFY(WaitFor([&] { return PixelAt(hand.d, origin + kept0_) == colour; }));
  }
};

QTEST_MAIN(TestInstallX11)
#include "tst_InstallX11.moc"
