// Where the editor's file dialogs open and where the version dialog finds the
// help page, for a program that runs portable, installed, or installed for a
// user whose own folders cannot be had.

#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

#include "editor/frmEditor.h"
#include "settings/AppPaths.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "support/URLLink.h"
#include "support/frmVersion.h"

namespace {

enum class Layout { Portable, Installed, InstalledHomeBlocked };

bool WriteFile(const QString& path, const QByteArray& bytes = {}) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

Q_DECLARE_METATYPE(Layout)

class TestEditorFolders : public QObject {
  Q_OBJECT

  QTemporaryDir scratch_;

  // The folders an executable in the given layout has, under a scratch home
  // (how they are resolved is tested with the path rules); the user's
  // palette folder does not exist yet.
  hb::TProgramFolders FoldersFor(Layout layout, const QString& name) {
    const QString root = scratch_.filePath(name);
    const QString home = root + QStringLiteral("/home");
    QDir().mkpath(home);
    hb::TProgramFolders f;
    f.portable = layout == Layout::Portable;
    f.installed = !f.portable;
    f.executableFolder = (root + (f.portable ? QStringLiteral("/app/") : QStringLiteral("/usr/bin/"))).toStdString();
    QDir().mkpath(QString::fromStdString(f.executableFolder));
    f.userDataFolder = (home + QStringLiteral("/.local/share/huebrook/")).toStdString();
    f.paletteFolder = f.portable ? f.executableFolder : f.userDataFolder;
    // ~/.local is a file: no folder can be made under it.
    if (layout == Layout::InstalledHomeBlocked) WriteFile(home + QStringLiteral("/.local"), "not a folder");
    return f;
  }

 private slots:
  void dialogsOpenInThePaletteFolder_data() {
    QTest::addColumn<Layout>("layout");
    QTest::addColumn<bool>("userFolder");  // the dialogs open in the user's palette folder
    QTest::newRow("portable") << Layout::Portable << false;
    QTest::newRow("installed") << Layout::Installed << true;
    QTest::newRow("installed, home blocked") << Layout::InstalledHomeBlocked << false;
  }

  // The open and save dialogs of the editor start where a saved palette is
  // found again at the next start; that folder is made when needed.
  void dialogsOpenInThePaletteFolder() {
    QFETCH(Layout, layout);
    QFETCH(bool, userFolder);
    const hb::TProgramFolders folders = FoldersFor(layout, QString::fromLatin1(QTest::currentDataTag()));
    if (userFolder) QVERIFY(!QFileInfo::exists(QString::fromStdString(folders.userDataFolder)));
    hb::ScopedProgramFolders standIn(folders);
    hb::ScopedMessageBoxes boxes;
    hb::ScopedFileDialogs dialogs;
    dialogs.dialogs.pathAnswers = {std::nullopt, std::nullopt};

    TfrmEditor editor;
    editor.btnLoadPlugInClick(nullptr);
    editor.btnSavePlugInClick(nullptr);
    QCOMPARE(dialogs.dialogs.shown.size(), std::size_t(2));
    const std::string open = dialogs.dialogs.shown[0].initialDir;
    const std::string save = dialogs.dialogs.shown[1].initialDir;

    if (userFolder) {
      QCOMPARE(open, folders.userDataFolder);
      QCOMPARE(save, folders.userDataFolder);
      QVERIFY(QFileInfo(QString::fromStdString(folders.userDataFolder)).isDir());
      // Private to the user, as the base directories ask.
      struct stat st {};
      QCOMPARE(::stat(folders.userDataFolder.c_str(), &st), 0);
      QCOMPARE(st.st_mode & 0777, mode_t(0700));
    } else {
      QCOMPARE(open, folders.executableFolder);
      // Portable, the save dialog keeps the platform's own first folder.
      QCOMPARE(save, layout == Layout::Portable ? std::string() : folders.executableFolder);
    }
  }

  void versionLinksFindTheHelpPage_data() {
    QTest::addColumn<QStringList>("withHelp");  // which of the data folders a, b, c hold help.htm
    QTest::addColumn<QString>("found");          // empty: beside the executable, as a last resort
    QTest::newRow("first") << QStringList{"a", "b"} << "a";
    QTest::newRow("later folder") << QStringList{"c"} << "c";
    QTest::newRow("none") << QStringList{} << "";
  }

  void versionLinksFindTheHelpPage() {
    QFETCH(QStringList, withHelp);
    QFETCH(QString, found);
    const QString root = scratch_.filePath(QStringLiteral("help-") + QString::fromLatin1(QTest::currentDataTag()));
    hb::TProgramFolders folders;
    folders.executableFolder = (root + QStringLiteral("/bin/")).toStdString();
    for (const char* name : {"a", "b", "c"}) {
      const QString folder = root + '/' + QLatin1String(name) + '/';
      QDir().mkpath(folder);
      folders.dataFolders.push_back(folder.toStdString());
      if (withHelp.contains(QLatin1String(name))) QVERIFY(WriteFile(folder + QStringLiteral("help.htm"), "<html>"));
    }
    hb::ScopedProgramFolders standIn(folders);
    TfrmVersion dialog;
    const QString want = found.isEmpty()
                             ? QString::fromStdString(hb::FolderOf(hb::ExecutablePath())) + QStringLiteral("help.htm")
                             : root + '/' + found + QStringLiteral("/help.htm");
    for (TURLLink* link : {dialog.URLLink1, dialog.URLLink2}) QCOMPARE(link->Link(), want);
  }
};

QTEST_MAIN(TestEditorFolders)
#include "tst_EditorFolders.moc"
