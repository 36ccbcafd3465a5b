// The palette editor's logic without a window: names of new entries, entries
// from kept colours, names a palette file cannot hold, repeated names, and a
// save that never loses the old file.

#include <QTemporaryDir>
#include <QtTest>

#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include "editor/EditorItems.h"
#include "platform/IniFile.h"

Q_DECLARE_METATYPE(std::vector<tColors>)

namespace {

std::vector<tColors> Named(const QStringList& names) {
  std::vector<tColors> items;
  for (const QString& n : names) items.push_back(tColors{n.toStdString(), 0, 0, 0});
  return items;
}

QStringList NewNames(int from, int to) {
  QStringList names;
  for (int n = from; n <= to; ++n) names << QStringLiteral("新規プラグイン#%1").arg(n);
  return names;
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// The entries a palette file holds, as the palette reader sees them.
std::vector<tColors> ReadBack(const std::string& path) { return hb::ReadPalletFile(path); }

bool Same(const std::vector<tColors>& a, const std::vector<tColors>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i].Name != b[i].Name || a[i].R != b[i].R || a[i].G != b[i].G || a[i].B != b[i].B) return false;
  return true;
}

struct HookReset {
  ~HookReset() { hb::SetIniWriteHook(nullptr); }
};

// Files in dir other than the ones named.
QStringList Leftovers(const QString& dir, const QStringList& expected) {
  QStringList found = QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
  for (const QString& e : expected) found.removeAll(e);
  return found;
}

} // namespace

class TestEditorItems : public QObject {
  Q_OBJECT

 private slots:
  void newEntryName_data() {
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty list") << QStringList{} << "新規プラグイン#1";
    QTest::newRow("after two adds") << NewNames(1, 2) << "新規プラグイン#3";
    QTest::newRow("gap is filled") << QStringList{"新規プラグイン#1", "新規プラグイン#3"} << "新規プラグイン#2";
    QTest::newRow("all hundred taken") << NewNames(1, 100) << "新規プラグイン#101";
    QTest::newRow("101 taken too") << NewNames(1, 101) << "新規プラグイン#101";
    QTest::newRow("hundred in reverse") << [] {
      QStringList n = NewNames(1, 100);
      std::reverse(n.begin(), n.end());
      return n;
    }() << "新規プラグイン#101";
    // Only the exact decimal form counts.
    QTest::newRow("leading zero") << QStringList{"新規プラグイン#01"} << "新規プラグイン#1";
    QTest::newRow("trailing text") << QStringList{"新規プラグイン#1 ", "新規プラグイン#1a"} << "新規プラグイン#1";
    QTest::newRow("other prefix") << QStringList{"新規プラグイン1", "x新規プラグイン#1"} << "新規プラグイン#1";
    QTest::newRow("signed") << QStringList{"新規プラグイン#+1", "新規プラグイン#-1"} << "新規プラグイン#1";
    QTest::newRow("beyond 100 does not count") << (NewNames(1, 99) << "新規プラグイン#1000"
                                                                   << "新規プラグイン#4294967297")
                                               << "新規プラグイン#100";
  }
  void newEntryName() {
    QFETCH(QStringList, names);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(hb::NewEntryName(Named(names))), expected);
  }

  void keepEntry_data() {
    QTest::addColumn<uint>("color");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("b");
    // Red in the low byte: red 255, green 128, blue 0.
    QTest::newRow("orange") << 0x0080FFu << "FF8000" << 255 << 128 << 0;
    QTest::newRow("black") << 0x000000u << "000000" << 0 << 0 << 0;
    QTest::newRow("white") << 0xFFFFFFu << "FFFFFF" << 255 << 255 << 255;
    QTest::newRow("blue") << 0xFF0000u << "0000FF" << 0 << 0 << 255;
    QTest::newRow("all three differ") << 0x123456u << "563412" << 0x56 << 0x34 << 0x12;
    QTest::newRow("high byte ignored") << 0xAB0A0B0Cu << "0C0B0A" << 12 << 11 << 10;
  }
  void keepEntry() {
    QFETCH(uint, color);
    const tColors e = hb::KeepEntry(color);
    QTEST(QString::fromStdString(e.Name), "name");
    QTEST(int(e.R), "r");
    QTEST(int(e.G), "g");
    QTEST(int(e.B), "b");
  }

  void nameProblems_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("problems");
    QTest::newRow("plain") << "Sky" << QStringList{};
    QTest::newRow("japanese") << "新規プラグイン#1" << QStringList{};
    QTest::newRow("inner semicolon and bracket") << "a;b[c" << QStringList{};
    QTest::newRow("inner blank") << "light blue" << QStringList{};
    QTest::newRow("close bracket") << "a]b" << QStringList{"「]」"};
    QTest::newRow("equals") << "a=b" << QStringList{"「=」"};
    QTest::newRow("line feed") << "a\nb" << QStringList{"改行"};
    QTest::newRow("carriage return") << "a\rb" << QStringList{"改行"};
    QTest::newRow("leading semicolon") << ";a" << QStringList{"先頭の「;」"};
    QTest::newRow("leading bracket") << "[a" << QStringList{"先頭の「[」"};
    QTest::newRow("trailing blank") << "a " << QStringList{"前後の空白"};
    QTest::newRow("leading tab") << "\ta" << QStringList{"前後の空白"};
    QTest::newRow("header shape") << "[a=b]" << QStringList{"「]」", "「=」", "先頭の「[」"};
  }
  void nameProblems() {
    QFETCH(QString, name);
    QStringList got;
    for (const std::string& p : hb::NameProblems(name.toStdString())) got << QString::fromStdString(p);
    QTEST(got, "problems");
  }

  // Every name the check lets through comes back from the file unchanged.
  void acceptedNamesRoundTrip() {
    QTemporaryDir dir;
    const std::string path = dir.filePath("names.hb").toStdString();
    const std::vector<tColors> items = {
        {"a;b[c", 1, 2, 3}, {"light blue", 4, 5, 6}, {"表ソ", 7, 8, 9}, {"#$%&'()", 10, 11, 12},
        {"x\"quoted\"y", 13, 14, 15}};
    for (const tColors& item : items) QVERIFY(hb::NameProblems(item.Name).empty());
    hb::SavePalletEntries(path, items);
    QVERIFY(Same(ReadBack(path), items));
  }

  void repeatedNames_data() {
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("repeated");
    QTest::newRow("none") << QStringList{"a", "b", "c"} << QStringList{};
    QTest::newRow("exact") << QStringList{"赤", "青", "赤", "赤"} << QStringList{"赤"};
    QTest::newRow("case differs") << QStringList{"Sky", "b", "SKY"} << QStringList{"Sky"};
    QTest::newRow("case beyond ascii") << QStringList{"Ärger", "ärger"} << QStringList{"Ärger"};
    QTest::newRow("order of first entries") << QStringList{"b", "a", "a", "b"} << QStringList{"b", "a"};
    QTest::newRow("new entries") << QStringList{"新規プラグイン#1", "新規プラグイン#1", "新規プラグイン#2"}
                                 << QStringList{"新規プラグイン#1"};
  }
  void repeatedNames() {
    QFETCH(QStringList, names);
    QStringList got;
    for (const std::string& n : hb::RepeatedNames(Named(names))) got << QString::fromStdString(n);
    QTEST(got, "repeated");
  }

  void saveRoundTrip_data() {
    QTest::addColumn<std::vector<tColors>>("items");
    QTest::addColumn<bool>("utf8");
    QTest::newRow("ascii") << std::vector<tColors>{{"Sky", 135, 206, 235}, {"Night", 10, 0, 0}} << false;
    QTest::newRow("japanese stays cp932")
        << std::vector<tColors>{{"空色", 135, 206, 235}, {"新規プラグイン#1", 0, 0, 0}, {"表ソ", 1, 2, 3}} << false;
    // Characters CP932 lacks turn the file into UTF-8 with a byte-order mark.
    QTest::newRow("beyond cp932")
        << std::vector<tColors>{{"空色", 1, 2, 3}, {"한국", 4, 5, 6}, {"🎨 paint", 7, 8, 9}} << true;
    QTest::newRow("values beyond a byte") << std::vector<tColors>{{"odd", 300, -1, 2147483647}} << false;
    QTest::newRow("empty list") << std::vector<tColors>{} << false;
  }
  void saveRoundTrip() {
    QFETCH(std::vector<tColors>, items);
    QFETCH(bool, utf8);
    QTemporaryDir dir;
    const std::string path = dir.filePath("palette.hb").toStdString();
    WriteBytes(path, "[Old]\r\nR=1\r\nG=2\r\nB=3\r\n");
    hb::SavePalletEntries(path, items);
    QVERIFY(Same(ReadBack(path), items));
    QCOMPARE(ReadBytes(path).rfind("\xEF\xBB\xBF", 0) == 0, utf8);
    QVERIFY(ReadBytes(path).find("Old") == std::string::npos);
    QCOMPARE(Leftovers(dir.path(), {"palette.hb"}), QStringList{});
  }

  void saveWritesKeysInOrder() {
    QTemporaryDir dir;
    const std::string path = dir.filePath("sky").toStdString();
    hb::SavePalletEntries(path, {{"Sky", 135, 206, 235}});
    const std::string bytes = ReadBytes(path);
    QVERIFY2(bytes.find("[Sky]\r\nR=135\r\nG=206\r\nB=235\r\n") != std::string::npos, bytes.c_str());
    // No extension is added to the name given.
    QVERIFY(QFile::exists(dir.filePath("sky")));
    QVERIFY(!QFile::exists(dir.filePath("sky.hb")));
  }

  // The format keeps one section per name: the later entry's values win.
  void repeatedNameKeepsLastValues() {
    QTemporaryDir dir;
    const std::string path = dir.filePath("dup.hb").toStdString();
    hb::SavePalletEntries(path, {{"a", 1, 2, 3}, {"b", 4, 5, 6}, {"A", 7, 8, 9}});
    const std::vector<tColors> expected = {{"a", 7, 8, 9}, {"b", 4, 5, 6}};
    QVERIFY(Same(ReadBack(path), expected));
  }

  void perEntryRunsForEachEntry() {
    QTemporaryDir dir;
    int calls = 0;
    hb::SavePalletEntries(dir.filePath("p.hb").toStdString(), {{"a", 1, 1, 1}, {"b", 2, 2, 2}, {"c", 3, 3, 3}},
                          [&] { ++calls; });
    QCOMPARE(calls, 3);
  }

  void failedSaveKeepsOldFile_data() {
    QTest::addColumn<int>("stage");
    QTest::newRow("disk full while writing") << int(hb::IniWriteStage::Chunk);
    QTest::newRow("after writing") << int(hb::IniWriteStage::Written);
    QTest::newRow("just before the rename") << int(hb::IniWriteStage::Synced);
  }
  void failedSaveKeepsOldFile() {
    QFETCH(int, stage);
    QTemporaryDir dir;
    const std::string path = dir.filePath("keep.hb").toStdString();
    const std::string old = "[Old]\r\nR=1\r\nG=2\r\nB=3\r\n";
    WriteBytes(path, old);
    HookReset reset;
    hb::SetIniWriteHook([stage](hb::IniWriteStage s, std::size_t) {
      if (int(s) == stage) throw std::runtime_error("no space left");
    });
    std::vector<tColors> many;
    for (int i = 0; i < 5000; ++i) many.push_back({"Colour " + std::to_string(i), i % 256, 0, 0});
    try {
      hb::SavePalletEntries(path, many);
      QFAIL("the failed save reported success");
    } catch (const hb::IniWriteError& e) {
      QCOMPARE(QString::fromUtf8(e.what()), QString::fromStdString(path) + " に書き込めません");
    }
    QCOMPARE(ReadBytes(path), old);
    QCOMPARE(Leftovers(dir.path(), {"keep.hb"}), QStringList{});
  }

  void directoryInTheWay() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("taken.hb"));
    const std::string path = dir.filePath("taken.hb").toStdString();
    QVERIFY_THROWS_EXCEPTION(hb::IniWriteError, hb::SavePalletEntries(path, {{"a", 1, 2, 3}}));
    QVERIFY(QFileInfo(dir.filePath("taken.hb")).isDir());
    QCOMPARE(Leftovers(dir.path(), {}), QStringList{});
  }

  void readOnlyFolder() {
    QTemporaryDir dir;
    const std::string path = dir.filePath("ro.hb").toStdString();
    const std::string old = "[Old]\r\nR=1\r\nG=2\r\nB=3\r\n";
    WriteBytes(path, old);
    QVERIFY(::chmod(dir.path().toLocal8Bit().constData(), 0555) == 0);
    struct Restore {
      QString dir;
      ~Restore() { ::chmod(dir.toLocal8Bit().constData(), 0755); }
    } restore{dir.path()};
    if (::access(dir.path().toLocal8Bit().constData(), W_OK) == 0)
      QSKIP("this user writes into read-only folders (root)");
    QVERIFY_THROWS_EXCEPTION(hb::IniWriteError, hb::SavePalletEntries(path, {{"New", 4, 5, 6}}));
    QCOMPARE(ReadBytes(path), old);
  }

  void folderThatCannotHoldFiles() {
    // Not even root creates files here.
    QVERIFY_THROWS_EXCEPTION(hb::IniWriteError, hb::SavePalletEntries("/proc/huebrook-test.hb", {{"a", 1, 2, 3}}));
  }
};

QTEST_GUILESS_MAIN(TestEditorItems)
#include "tst_EditorItems.moc"
