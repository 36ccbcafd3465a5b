// Where the program's files are found: a table of environments and folder
// layouts, built for real in a temporary folder. The cases with read-only
// folders need a user that permissions bind; root is not one (CTest runs this
// suite a second time as an unprivileged user for them).

#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

#include "settings/AppPaths.h"
#include "settings/IniFile.h"

namespace {

bool IsRoot() { return ::geteuid() == 0; }

// "{T}" in a table text stands for the temporary folder of the case.
std::string Fill(const QString& text, const QString& root) {
  QString out = text;
  out.replace(QStringLiteral("{T}"), root);
  return out.toStdString();
}

QStringList FillAll(const QStringList& texts, const QString& root) {
  QStringList out;
  for (const QString& t : texts) out << QString::fromStdString(Fill(t, root));
  return out;
}

QStringList ToList(const std::vector<std::string>& v) {
  QStringList out;
  for (const std::string& s : v) out << QString::fromStdString(s);
  return out;
}

void MakeFile(const QString& path) {
  QDir().mkpath(QFileInfo(path).path());
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write("[Keep]\nCount=0\n");
}

// Environment variables set for one scope and restored after it.
class ScopedEnv {
 public:
  void Set(const char* name, const char* value) {
    if (!saved_.contains(name)) saved_.insert(name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
    if (value)
      qputenv(name, value);
    else
      qunsetenv(name);
  }
  ~ScopedEnv() {
    for (auto it = saved_.begin(); it != saved_.end(); ++it) {
      if (it.value())
        qputenv(it.key().constData(), *it.value());
      else
        qunsetenv(it.key().constData());
    }
  }

 private:
  QMap<QByteArray, std::optional<QByteArray>> saved_;
};

} // namespace

class TestAppPaths : public QObject {
  Q_OBJECT
 private slots:
  void settingsPath_data() {
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QString>("settings");
    QTest::newRow("no extension") << "/opt/hb/huebrook" << "/opt/hb/huebrook.ini";
    QTest::newRow("extension replaced") << "/opt/hb/app.exe" << "/opt/hb/app.ini";
    QTest::newRow("last dot of the name") << "/opt/hb/hue.brook.bin" << "/opt/hb/hue.brook.ini";
    QTest::newRow("dot in a folder only") << "/opt/hb.d/huebrook" << "/opt/hb.d/huebrook.ini";
    QTest::newRow("dotted folders and name") << "/a.b/c.d/e" << "/a.b/c.d/e.ini";
    QTest::newRow("hidden file") << "/opt/hb/.huebrook" << "/opt/hb/.huebrook.ini";
    QTest::newRow("trailing dot") << "/opt/hb/huebrook." << "/opt/hb/huebrook.ini";
    QTest::newRow("no folder") << "huebrook" << "huebrook.ini";
    QTest::newRow("no folder, extension") << "app.exe" << "app.ini";
    QTest::newRow("Japanese name") << "/opt/色/表ソ.bin" << "/opt/色/表ソ.ini";
  }
  void settingsPath() {
    QFETCH(QString, executable);
    QFETCH(QString, settings);
    QCOMPARE(QString::fromStdString(hb::SettingsPathFor(executable.toStdString())), settings);
  }

  void folderOf() {
    QCOMPARE(QString::fromStdString(hb::FolderOf("/opt/hb.d/huebrook")), QStringLiteral("/opt/hb.d/"));
    QCOMPARE(QString::fromStdString(hb::FolderOf("huebrook")), QString());
  }

  void resolve_data() {
    QTest::addColumn<QString>("exe");
    QTest::addColumn<QStringList>("folders");    // made before the case
    QTest::addColumn<QStringList>("files");      // made before the case
    QTest::addColumn<QStringList>("readOnly");   // folders made read-only
    QTest::addColumn<QStringList>("env");        // HOME, XDG_DATA_HOME, XDG_DATA_DIRS, XDG_CONFIG_HOME
    QTest::addColumn<bool>("portable");
    QTest::addColumn<QStringList>("data");
    QTest::addColumn<QString>("settingsRead");
    QTest::addColumn<QString>("settingsWrite");
    QTest::addColumn<QString>("palettes");

    const QStringList home{"{T}/home", "", "", ""};
    const QStringList defaults{"/usr/local/share/huebrook/", "/usr/share/huebrook/"};

    // The portable layouts stay exactly as they were: nothing but the
    // executable's folder, whatever the environment says.
    QTest::newRow("build folder") << "{T}/build/src/app/huebrook" << QStringList{} << QStringList{}
                                  << QStringList{} << QStringList{"{T}/home", "{T}/dh", "{T}/dd", "{T}/ch"} << true
                                  << QStringList{"{T}/build/src/app/"} << "{T}/build/src/app/huebrook.ini"
                                  << "{T}/build/src/app/huebrook.ini" << "{T}/build/src/app/";
    QTest::newRow("copy in a bin folder without share") << "{T}/copy/bin/huebrook" << QStringList{} << QStringList{}
                                                        << QStringList{} << home << true << QStringList{"{T}/copy/bin/"}
                                                        << "{T}/copy/bin/huebrook.ini" << "{T}/copy/bin/huebrook.ini"
                                                        << "{T}/copy/bin/";
    QTest::newRow("extension replaced, dotted folder") << "{T}/a.b/app.exe" << QStringList{} << QStringList{}
                                                       << QStringList{} << home << true << QStringList{"{T}/a.b/"}
                                                       << "{T}/a.b/app.ini" << "{T}/a.b/app.ini" << "{T}/a.b/";

    // An install prefix the user can write (cmake --install to a folder of
    // theirs): settings stay beside the executable, data is searched widely.
    QTest::newRow("writable prefix") << "{T}/usr/bin/huebrook" << QStringList{"{T}/usr/share/huebrook"}
                                     << QStringList{} << QStringList{} << home << true
                                     << (QStringList{"{T}/usr/bin/", "{T}/home/.local/share/huebrook/"} + defaults +
                                         QStringList{"{T}/usr/share/huebrook/"})
                                     << "{T}/usr/bin/huebrook.ini" << "{T}/usr/bin/huebrook.ini" << "{T}/usr/bin/";
    QTest::newRow("prefix named in XDG_DATA_DIRS is searched once, in its place")
        << "{T}/usr/bin/huebrook" << QStringList{"{T}/usr/share/huebrook"} << QStringList{} << QStringList{}
        << QStringList{"{T}/home", "", "{T}/usr//share/:/opt/x/share", ""} << true
        << QStringList{"{T}/usr/bin/", "{T}/home/.local/share/huebrook/", "{T}/usr/share/huebrook/",
                       "/opt/x/share/huebrook/"}
        << "{T}/usr/bin/huebrook.ini" << "{T}/usr/bin/huebrook.ini" << "{T}/usr/bin/";
    QTest::newRow("relative and empty XDG entries are ignored")
        << "{T}/usr/bin/huebrook" << QStringList{"{T}/usr/share/huebrook"} << QStringList{} << QStringList{}
        << QStringList{"{T}/home", "data", "share::./x:{T}/d", "cfg"} << true
        << QStringList{"{T}/usr/bin/", "{T}/home/.local/share/huebrook/", "{T}/d/huebrook/", "{T}/usr/share/huebrook/"}
        << "{T}/usr/bin/huebrook.ini" << "{T}/usr/bin/huebrook.ini" << "{T}/usr/bin/";
    QTest::newRow("only relative XDG_DATA_DIRS: no system folder but the prefix")
        << "{T}/usr/bin/huebrook" << QStringList{"{T}/usr/share/huebrook"} << QStringList{} << QStringList{}
        << QStringList{"", "", "usr/share", ""} << true
        << QStringList{"{T}/usr/bin/", "{T}/usr/share/huebrook/"} << "{T}/usr/bin/huebrook.ini"
        << "{T}/usr/bin/huebrook.ini" << "{T}/usr/bin/";

    // A program folder the user cannot write: the user's folders take over.
    QTest::newRow("read-only program folder") << "{T}/usr/bin/huebrook" << QStringList{"{T}/usr/share/huebrook"}
                                              << QStringList{} << QStringList{"{T}/usr/bin"} << home << false
                                              << (QStringList{"{T}/usr/bin/", "{T}/home/.local/share/huebrook/"} +
                                                  defaults + QStringList{"{T}/usr/share/huebrook/"})
                                              << "{T}/home/.config/huebrook/huebrook.ini"
                                              << "{T}/home/.config/huebrook/huebrook.ini"
                                              << "{T}/home/.local/share/huebrook/";
    QTest::newRow("read-only folder outside a prefix counts as installed")
        << "{T}/ro/huebrook" << QStringList{} << QStringList{} << QStringList{"{T}/ro"}
        << QStringList{"{T}/home", "{T}/dh", "{T}/dd", "{T}/ch"} << false
        << QStringList{"{T}/ro/", "{T}/dh/huebrook/", "{T}/dd/huebrook/"} << "{T}/ch/huebrook/huebrook.ini"
        << "{T}/ch/huebrook/huebrook.ini" << "{T}/dh/huebrook/";
    QTest::newRow("system default settings read until the user has their own")
        << "{T}/ro/huebrook" << QStringList{} << QStringList{"{T}/ro/huebrook.ini"} << QStringList{"{T}/ro"} << home
        << false << (QStringList{"{T}/ro/", "{T}/home/.local/share/huebrook/"} + defaults) << "{T}/ro/huebrook.ini"
        << "{T}/home/.config/huebrook/huebrook.ini" << "{T}/home/.local/share/huebrook/";
    QTest::newRow("the user's settings win once written")
        << "{T}/ro/huebrook" << QStringList{}
        << QStringList{"{T}/ro/huebrook.ini", "{T}/home/.config/huebrook/huebrook.ini"} << QStringList{"{T}/ro"}
        << home << false << (QStringList{"{T}/ro/", "{T}/home/.local/share/huebrook/"} + defaults)
        << "{T}/home/.config/huebrook/huebrook.ini" << "{T}/home/.config/huebrook/huebrook.ini"
        << "{T}/home/.local/share/huebrook/";
    QTest::newRow("config folder is a file: the default is still read")
        << "{T}/ro/huebrook" << QStringList{} << QStringList{"{T}/ro/huebrook.ini", "{T}/home/.config/huebrook"}
        << QStringList{"{T}/ro"} << home << false
        << (QStringList{"{T}/ro/", "{T}/home/.local/share/huebrook/"} + defaults) << "{T}/ro/huebrook.ini"
        << "{T}/home/.config/huebrook/huebrook.ini" << "{T}/home/.local/share/huebrook/";
    QTest::newRow("missing XDG_CONFIG_HOME folder is where the file will go")
        << "{T}/ro/huebrook" << QStringList{} << QStringList{} << QStringList{"{T}/ro"}
        << QStringList{"{T}/home", "", "", "{T}/not/yet"} << false
        << (QStringList{"{T}/ro/", "{T}/home/.local/share/huebrook/"} + defaults)
        << "{T}/not/yet/huebrook/huebrook.ini" << "{T}/not/yet/huebrook/huebrook.ini"
        << "{T}/home/.local/share/huebrook/";
    QTest::newRow("no home and no XDG folders: everything beside the executable")
        << "{T}/ro/huebrook" << QStringList{} << QStringList{} << QStringList{"{T}/ro"}
        << QStringList{"", "", "", ""} << false << (QStringList{"{T}/ro/"} + defaults) << "{T}/ro/huebrook.ini"
        << "{T}/ro/huebrook.ini" << "{T}/ro/";
    QTest::newRow("relative HOME is no home") << "{T}/ro/huebrook" << QStringList{} << QStringList{}
                                              << QStringList{"{T}/ro"} << QStringList{"home", "", "", "{T}/ch"}
                                              << false << (QStringList{"{T}/ro/"} + defaults)
                                              << "{T}/ch/huebrook/huebrook.ini" << "{T}/ch/huebrook/huebrook.ini"
                                              << "{T}/ro/";
  }

  void resolve() {
    QFETCH(QString, exe);
    QFETCH(QStringList, folders);
    QFETCH(QStringList, files);
    QFETCH(QStringList, readOnly);
    QFETCH(QStringList, env);
    QFETCH(bool, portable);
    QFETCH(QStringList, data);
    QFETCH(QString, settingsRead);
    QFETCH(QString, settingsWrite);
    QFETCH(QString, palettes);
    if (!readOnly.isEmpty() && IsRoot())
      QSKIP("read-only folders do not bind root; tst_AppPaths_asUser runs this case unprivileged");

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString root = dir.path();
    const std::string exePath = Fill(exe, root);
    QVERIFY(QDir().mkpath(QFileInfo(QString::fromStdString(exePath)).path()));
    MakeFile(QString::fromStdString(exePath));
    for (const QString& f : FillAll(folders, root)) QVERIFY(QDir().mkpath(f));
    for (const QString& f : FillAll(files, root)) MakeFile(f);
    for (const QString& f : FillAll(readOnly, root)) QVERIFY(::chmod(f.toLocal8Bit().constData(), 0555) == 0);
    // The temporary folder is removed at the end, read-only parts included.
    auto restore = qScopeGuard([&] {
      for (const QString& f : FillAll(readOnly, root)) ::chmod(f.toLocal8Bit().constData(), 0755);
    });

    const hb::TPathEnvironment environment{Fill(env[0], root), Fill(env[1], root), Fill(env[2], root),
                                          Fill(env[3], root)};
    const hb::TProgramFolders f = hb::ResolveProgramFolders(environment, exePath);
    QCOMPARE(f.portable, portable);
    QCOMPARE(ToList(f.dataFolders), FillAll(data, root));
    QCOMPARE(QString::fromStdString(f.settingsRead), QString::fromStdString(Fill(settingsRead, root)));
    QCOMPARE(QString::fromStdString(f.settingsWrite), QString::fromStdString(Fill(settingsWrite, root)));
    QCOMPARE(QString::fromStdString(f.paletteFolder), QString::fromStdString(Fill(palettes, root)));
  }

  // The first data folder holding the file wins; folders and other kinds of
  // entry of that name do not count.
  void findDataFile() {
    QTemporaryDir dir;
    const std::string a = dir.path().toStdString() + "/a/", b = dir.path().toStdString() + "/b/",
                      c = dir.path().toStdString() + "/c/";
    QVERIFY(QDir().mkpath(QString::fromStdString(a + "help.htm")));  // a folder, not the page
    MakeFile(QString::fromStdString(b + "help.htm"));
    MakeFile(QString::fromStdString(c + "help.htm"));
    QCOMPARE(hb::FindDataFile({"/nonexistent/", a, b, c}, "help.htm"), b + "help.htm");
    QCOMPARE(hb::FindDataFile({a, "/nonexistent/"}, "help.htm"), std::string());
  }

  void makeFolder_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("blockingFile");  // a file made first, or empty
    QTest::addColumn<bool>("readOnlyRoot");
    QTest::addColumn<bool>("made");
    QTest::newRow("nested, missing") << "{T}/x/y/huebrook/" << "" << false << true;
    QTest::newRow("already there") << "{T}" << "" << false << true;
    QTest::newRow("a parent is a file") << "{T}/config/huebrook" << "{T}/config" << false << false;
    QTest::newRow("the folder is a file") << "{T}/config/huebrook" << "{T}/config/huebrook" << false << false;
    QTest::newRow("relative") << "rel/huebrook" << "" << false << false;
    QTest::newRow("parent not writable") << "{T}/sub/huebrook" << "" << true << false;
  }

  void makeFolder() {
    QFETCH(QString, folder);
    QFETCH(QString, blockingFile);
    QFETCH(bool, readOnlyRoot);
    QFETCH(bool, made);
    if (readOnlyRoot && IsRoot()) QSKIP("a read-only folder does not bind root; tst_AppPaths_asUser runs this case");
    QTemporaryDir dir;
    const QString root = dir.path();
    if (!blockingFile.isEmpty()) MakeFile(QString::fromStdString(Fill(blockingFile, root)));
    if (readOnlyRoot) ::chmod(root.toLocal8Bit().constData(), 0555);
    const std::string path = Fill(folder, root);
    const bool result = hb::MakeFolder(path);
    ::chmod(root.toLocal8Bit().constData(), 0700);
    QCOMPARE(result, made);
    if (made && path != root.toStdString()) {
      // Base directories are private to their user.
      QCOMPARE(QFileInfo(QString::fromStdString(path)).permissions() & 0x0077, QFileDevice::Permissions());
    }
    // Nothing is ever made in the working folder.
    QVERIFY(!QFileInfo::exists(QStringLiteral("rel")));
  }

  // A config folder that is a file: the write goes nowhere else and fails
  // with the path it tried, the message the user sees.
  void failedWriteNamesItsPath() {
    QTemporaryDir dir;
    const QString root = dir.path();
    MakeFile(root + "/home/.config/huebrook");
    const hb::TPathEnvironment env{(root + "/home").toStdString(), "", "", ""};
    const std::string write = (root + "/home/.config/huebrook/huebrook.ini").toStdString();
    QVERIFY(!hb::MakeFolder(hb::FolderOf(write)));
    try {
      hb::TIniFile file(write);
      file.WriteInteger("Keep", "Count", 1);
      QFAIL("the write succeeded");
    } catch (const hb::IniWriteError& e) {
      QCOMPARE(QString::fromUtf8(e.what()), QString::fromStdString(write) + QString::fromUtf8(" に書き込めません"));
    }
    QCOMPARE(QDir(root).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{"home"});
    Q_UNUSED(env);
  }

  // The real environment: a missing or relative HOME gives way to the
  // account's home folder, and unset variables read as empty.
  void processEnvironment_data() {
    QTest::addColumn<QByteArray>("home");
    QTest::addColumn<bool>("set");
    QTest::addColumn<bool>("account");
    QTest::newRow("set") << QByteArray("/somewhere/home") << true << false;
    QTest::newRow("unset") << QByteArray() << false << true;
    QTest::newRow("empty") << QByteArray() << true << true;
    QTest::newRow("relative") << QByteArray("home") << true << true;
  }

  void processEnvironment() {
    QFETCH(QByteArray, home);
    QFETCH(bool, set);
    QFETCH(bool, account);
    ScopedEnv env;
    env.Set("HOME", set ? home.constData() : nullptr);
    env.Set("XDG_DATA_HOME", nullptr);
    env.Set("XDG_CONFIG_HOME", "/cfg");
    const hb::TPathEnvironment e = hb::ProcessEnvironment();
    if (account)
      QVERIFY(!e.home.empty() && e.home.front() == '/');
    else
      QCOMPARE(e.home, home.toStdString());
    QCOMPARE(e.xdgDataHome, std::string());
    QCOMPARE(e.xdgConfigHome, std::string("/cfg"));
  }
};

QTEST_GUILESS_MAIN(TestAppPaths)
#include "tst_AppPaths.moc"
