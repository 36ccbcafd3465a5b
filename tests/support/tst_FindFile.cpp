// The file search: mask and part matching, the walk's order and its rules for
// sub-folders, the time filters, stopping, and folders that cannot be read.

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>
#include <stdexcept>

#include "support/FindFile.h"

namespace {

void Touch(const QString& path) { std::ofstream(path.toStdString()) << "x"; }

// The files a search reports, each as its path below root.
QStringList Found(TFindFile& find, const QString& root) {
  QStringList found;
  find.OnFind = [&](const std::string& name, const std::string& path, TSearchRec search, bool&) {
    QVERIFY(QString::fromStdString(path).endsWith(QLatin1Char('/')));
    QCOMPARE(search.Name, name);
    found << (QString::fromStdString(path) + QString::fromStdString(name)).mid(root.size() + 1);
  };
  const int count = find.Execute();
  // What Execute returns is the number of files it reported.
  QTest::qCompare(count, int(found.size()), "find.Execute()", "files reported", __FILE__, __LINE__);
  return found;
}

// A local date-time as days since 30 December 1899, worked out by Qt.
TDateTime DateTimeOf(const QDateTime& t) {
  const QDateTime local = t.toLocalTime();
  return double(QDate(1899, 12, 30).daysTo(local.date())) + local.time().msecsSinceStartOfDay() / 86400000.0;
}

void SetTimes(const QString& path, const QDateTime& access, const QDateTime& write) {
  const timespec times[2] = {{time_t(access.toSecsSinceEpoch()), 0}, {time_t(write.toSecsSinceEpoch()), 0}};
  QCOMPARE(::utimensat(AT_FDCWD, path.toLocal8Bit().constData(), times, 0), 0);
}

int OpenFolderHandles() {
  int n = 0;
  QDir fds(QStringLiteral("/proc/self/fd"));
  for (const QFileInfo& fd : fds.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot))
    if (QFileInfo(fd.symLinkTarget()).isDir()) ++n;
  return n;
}

} // namespace

class TestFindFile : public QObject {
  Q_OBJECT

 private slots:
  void valuesAfterConstruction() {
    const TDateTime before = hb::NowDateTime();
    TFindFile find;
    QCOMPARE(find.FolderName, std::string("/"));
    QVERIFY(find.FileMask.empty());
    QVERIFY(find.IsFindSub);
    QCOMPARE(find.CheckTimeIs, tmNone);
    QCOMPARE(find.CheckTimeKind, tmLastWrite);
    QVERIFY(find.CheckedTime >= before && find.CheckedTime <= hb::NowDateTime());
    // And the local time it is, as Qt reckons it.
    QVERIFY(qAbs(find.CheckedTime - DateTimeOf(QDateTime::currentDateTime())) < 2.0 / 86400);
    QVERIFY(!find.OnFind);
  }

  void emptyFolderNameSearchesNothing() {
    TFindFile find;
    find.FolderName.clear();
    bool called = false;
    find.OnFind = [&](const std::string&, const std::string&, TSearchRec, bool&) { called = true; };
    QCOMPARE(find.Execute(), -1);
    QVERIFY(!called);
  }

  void mask_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<bool>("match");
    QTest::newRow("*.TXT a.txt") << "a.txt" << "*.TXT" << true;
    QTest::newRow("*.TXT B.Txt") << "B.Txt" << "*.TXT" << true;
    QTest::newRow("*.TXT c.d.txt") << "c.d.txt" << "*.TXT" << true;
    QTest::newRow("*.TXT a.txtx") << "a.txtx" << "*.TXT" << false;
    QTest::newRow("*.TXT txt") << "txt" << "*.TXT" << false;
    QTest::newRow("*.TXT .txt") << ".txt" << "*.TXT" << false;
    QTest::newRow("*.TXT a.txt.bak") << "a.txt.bak" << "*.TXT" << false;
    QTest::newRow("A*C ABC") << "ABC" << "A*C" << true;
    QTest::newRow("A*C AC") << "AC" << "A*C" << true;
    QTest::newRow("A*C AXYZC") << "AXYZC" << "A*C" << true;
    QTest::newRow("A*C ABD") << "ABD" << "A*C" << false;
    QTest::newRow("A*BC A (base runs out at *)") << "A" << "A*BC" << true;
    QTest::newRow("A*BC AXC") << "AXC" << "A*BC" << false;
    QTest::newRow("* noext") << "noext" << "*" << true;
    QTest::newRow("* with ext") << "a.b" << "*" << true;
    QTest::newRow("* .hidden") << ".hidden" << "*" << false;
    QTest::newRow("*.* noext") << "noext" << "*.*" << true;
    QTest::newRow("*.* .hb") << ".hb" << "*.*" << false;
    QTest::newRow(".txt mask matches nothing") << ".txt" << ".txt" << false;
    QTest::newRow("*.hb a.hb") << "a.hb" << "*.hb" << true;
    QTest::newRow("*.hb B.HB") << "B.HB" << "*.hb" << true;
    QTest::newRow("*.hb a.hbx") << "a.hbx" << "*.hb" << false;
    QTest::newRow("*.hb .hb") << ".hb" << "*.hb" << false;
    QTest::newRow("*.hb x.") << "x." << "*.hb" << false;
    QTest::newRow("*.hb .x.hb") << ".x.hb" << "*.hb" << true;
    QTest::newRow("? one byte") << "ab.hb" << "a?.hb" << true;
    QTest::newRow("? needs a byte") << "a.hb" << "a?.hb" << false;
    QTest::newRow("pattern ends first") << "abc.hb" << "ab.hb" << false;
    // Bytes between the first and the last "*" are never compared.
    QTest::newRow("middle ignored") << "AQQZ" << "A*XYZ*Z" << true;
    QTest::newRow("right part ?") << "ABCD" << "A*?D" << true;
    QTest::newRow("right part mismatch") << "ABCD" << "A*?E" << false;
    QTest::newRow("japanese base") << "日本の色.hb" << "日本*.HB" << true;
    QTest::newRow("japanese other") << "日本の色.hb" << "色*.hb" << false;
  }

  void mask() {
    QFETCH(QString, name);
    QFETCH(QString, mask);
    QFETCH(bool, match);
    QCOMPARE(hb::MaskMatch(name.toStdString(), mask.toStdString()), match);
  }

  void upperCasingLeavesDoubleByteCharacters() {
    // In CP932 ヂ is 83 61 and ア is 83 41: upper-casing the second byte as if
    // it were "a" would make the two names equal.
    const std::string di = "\x83\x61.hb";
    const std::string a = "\x83\x41.hb";
    QVERIFY(!hb::MaskMatch(di, a, hb::TCodePage::Cp932));
    QVERIFY(!hb::MaskMatch(a, di, hb::TCodePage::Cp932));
    QVERIFY(hb::MaskMatch(di, "\x83\x61.HB", hb::TCodePage::Cp932));
  }

  void folderNameForms_data() {
    QTest::addColumn<QString>("suffix");
    QTest::newRow("without slash") << "";
    QTest::newRow("with slash") << "/";
  }

  void folderNameForms() {
    QFETCH(QString, suffix);
    QTemporaryDir dir;
    Touch(dir.filePath("a.hb"));
    TFindFile find;
    find.FolderName = (dir.path() + suffix).toStdString();
    QCOMPARE(Found(find, dir.path()), QStringList{"a.hb"});
  }

  void rootIsSearched() {
    TFindFile find;
    find.IsFindSub = false;
    std::string folder;
    find.OnFind = [&](const std::string&, const std::string& path, TSearchRec, bool& cancel) {
      folder = path;
      cancel = true;
    };
    const int count = find.Execute();
    QCOMPARE(count, find.FoundCount());
    QVERIFY(count <= 1);
    // Every Linux root holds some file or other; if it does not, nothing is said.
    if (count > 0) QCOMPARE(folder, std::string("/"));
  }

  void depthFirstSortedWalk() {
    QTemporaryDir dir;
    const QDir d(dir.path());
    for (const char* folder : {"b", "b/deep", ".hidden", "A"}) QVERIFY(d.mkpath(folder));
    for (const char* file : {"c.txt", "B.txt", "a.txt", "b/x.txt", "b/deep/y.txt", ".hidden/z.txt", "A/w.txt",
                             "_.txt", "Web.txt", "web.txt", "日本.txt"})
      Touch(dir.filePath(file));
    TFindFile find;
    find.FolderName = dir.path().toStdString();
    // Letters without case, then bytes: "A" before "a.txt", upper before lower.
    QCOMPARE(Found(find, dir.path()), (QStringList{"A/w.txt", "a.txt", "b/deep/y.txt", "b/x.txt", "B.txt",
                                                   "c.txt", "Web.txt", "web.txt", "_.txt", "日本.txt"}));
    find.IsFindSub = false;
    QCOMPARE(Found(find, dir.path()),
             (QStringList{"a.txt", "B.txt", "c.txt", "Web.txt", "web.txt", "_.txt", "日本.txt"}));
  }

  void masksInOrderAnyMatches() {
    QTemporaryDir dir;
    for (const char* file : {"a.hb", "b.ini", "c.txt", ".hb", "sub.hb"}) Touch(dir.filePath(file));
    QVERIFY(QDir(dir.path()).mkpath("sub.hb.d"));
    Touch(dir.filePath("sub.hb.d/in.hb"));
    TFindFile find;
    find.FolderName = dir.path().toStdString();
    find.FileMask = {"*.hb", "*.INI"};
    find.IsFindSub = false;
    QCOMPARE(Found(find, dir.path()), (QStringList{"a.hb", "b.ini", "sub.hb"}));
  }

  void linksToFoldersAreNotEntered() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("real"));
    Touch(dir.filePath("real/f.hb"));
    // A link back up the tree would otherwise walk forever.
    QVERIFY(QFile::link(dir.path(), dir.filePath("real/loop")));
    QVERIFY(QFile::link(dir.filePath("real/f.hb"), dir.filePath("linked.hb")));
    TFindFile find;
    find.FolderName = dir.path().toStdString();
    QCOMPARE(Found(find, dir.path()), (QStringList{"linked.hb", "real/f.hb"}));
  }

  void timeFilters_data() {
    QTest::addColumn<int>("func");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("found");
    // old.txt: written 2001, read 2030; new.txt: written 2030, read 2001;
    // checked against 2015.
    QTest::newRow("older by write") << int(tmOlder) << int(tmLastWrite) << QStringList{"old.txt"};
    QTest::newRow("newer by write") << int(tmNewer) << int(tmLastWrite) << QStringList{"new.txt"};
    QTest::newRow("older by access") << int(tmOlder) << int(tmLastAccess) << QStringList{"new.txt"};
    QTest::newRow("newer by access") << int(tmNewer) << int(tmLastAccess) << QStringList{"old.txt"};
    QTest::newRow("no filter") << int(tmNone) << int(tmLastWrite) << QStringList{"new.txt", "old.txt"};
  }

  void timeFilters() {
    QFETCH(int, func);
    QFETCH(int, kind);
    QFETCH(QStringList, found);
    QTemporaryDir dir;
    const QDateTime y2001(QDate(2001, 5, 6), QTime(7, 8, 9));
    const QDateTime y2030(QDate(2030, 1, 2), QTime(3, 4, 5));
    Touch(dir.filePath("old.txt"));
    Touch(dir.filePath("new.txt"));
    SetTimes(dir.filePath("old.txt"), y2030, y2001);
    SetTimes(dir.filePath("new.txt"), y2001, y2030);
    TFindFile find;
    find.FolderName = dir.path().toStdString();
    find.CheckTimeIs = TTimeFunc(func);
    find.CheckTimeKind = TTimeKind(kind);
    find.CheckedTime = DateTimeOf(QDateTime(QDate(2015, 1, 1), QTime(0, 0)));
    QCOMPARE(Found(find, dir.path()), found);
  }

  void timesInTheRecordAreLocalDateTimes() {
    QTemporaryDir dir;
    const QDateTime written(QDate(2020, 2, 29), QTime(23, 59, 58));
    Touch(dir.filePath("f.txt"));
    SetTimes(dir.filePath("f.txt"), written.addDays(1), written);
    TFindFile find;
    find.FolderName = dir.path().toStdString();
    TSearchRec seen;
    find.OnFind = [&](const std::string&, const std::string&, TSearchRec search, bool&) { seen = search; };
    QCOMPARE(find.Execute(), 1);
    QCOMPARE(seen.LastWriteTime, DateTimeOf(written));
    QCOMPARE(seen.LastAccessTime, DateTimeOf(written.addDays(1)));
    QCOMPARE(seen.Size, std::int64_t(1));
    QVERIFY(S_ISREG(seen.Mode));
    // A birth time where the file system keeps one, otherwise 0.
    QVERIFY(seen.CreationTime == 0 || qAbs(seen.CreationTime - hb::NowDateTime()) < 0.01);
    QCOMPARE(hb::FileTimeToDateTime({0, 0}), 0.0);
  }

  void equalTimeReportedByNeither() {
    QTemporaryDir dir;
    const QDateTime written(QDate(2010, 10, 10), QTime(10, 10, 10));
    Touch(dir.filePath("f.txt"));
    SetTimes(dir.filePath("f.txt"), written, written);
    TFindFile find;
    find.FolderName = dir.path().toStdString();
    find.CheckedTime = DateTimeOf(written);
    for (TTimeFunc func : {tmOlder, tmNewer}) {
      find.CheckTimeIs = func;
      QCOMPARE(find.Execute(), 0);
    }
    find.CheckedTime = DateTimeOf(written.addSecs(1));
    find.CheckTimeIs = tmOlder;
    QCOMPARE(find.Execute(), 1);
  }

  void cancelOnThirdCall() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("a/b"));
    for (const char* file : {"a/1", "a/b/2", "a/b/3", "a/b/4", "a/5", "6", "7"}) Touch(dir.filePath(file));
    TFindFile find;
    find.FolderName = dir.path().toStdString();
    int calls = 0;
    find.OnFind = [&](const std::string&, const std::string&, TSearchRec, bool& cancel) {
      QVERIFY(!cancel);
      if (++calls == 3) cancel = true;
    };
    QCOMPARE(find.Execute(), 3);
    QCOMPARE(calls, 3);
    QCOMPARE(find.FoundCount(), 3);
    // The next search starts afresh.
    calls = -100;
    QCOMPARE(find.Execute(), 7);
  }

  void missingAndUnreadableFolders() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("locked"));
    Touch(dir.filePath("locked/hidden.hb"));
    Touch(dir.filePath("open.hb"));
    QVERIFY(::chmod(dir.filePath("locked").toLocal8Bit().constData(), 0) == 0);
    TFindFile find;
    find.FolderName = dir.path().toStdString();
    const QStringList found = Found(find, dir.path());
    ::chmod(dir.filePath("locked").toLocal8Bit().constData(), 0755);
    // Root reads every folder; elsewhere the locked one yields nothing.
    if (::geteuid() != 0) QCOMPARE(found, QStringList{"open.hb"});
    find.FolderName = dir.filePath("missing").toStdString();
    QCOMPARE(find.Execute(), 0);
    find.FolderName = dir.filePath("open.hb").toStdString();
    QCOMPARE(find.Execute(), 0);
  }

  void errorInHandlerClosesEveryFolder() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("a/b/c/d"));
    Touch(dir.filePath("a/b/c/d/deep.txt"));
    Touch(dir.filePath("z.txt"));
    const int before = OpenFolderHandles();
    TFindFile find;
    find.FolderName = dir.path().toStdString();
    find.OnFind = [&](const std::string&, const std::string&, TSearchRec, bool&) {
      throw std::runtime_error("handler failed");
    };
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, find.Execute());
    QCOMPARE(OpenFolderHandles(), before);
    QCOMPARE(find.FoundCount(), 1);
  }
};

QTEST_GUILESS_MAIN(TestFindFile)
#include "tst_FindFile.moc"
