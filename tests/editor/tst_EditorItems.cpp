// The palette editor's logic without a window: names of new entries, entries
// from kept colours, names a palette file cannot hold, repeated names, a
// save that never loses the old file, and GIMP palettes opened and exported.

#include <QTemporaryDir>
#include <QtTest>

#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include "FileBytes.h"
#include "collections/GimpPalette.h"
#include "editor/EditorItems.h"
#include "settings/IniFile.h"

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

// The entries a palette file holds, as the palette reader sees them.
std::vector<tColors> ReadBack(const std::string& path) { return hb::ReadPaletteFile(path); }

bool Same(const std::vector<tColors>& a, const std::vector<tColors>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i].Name != b[i].Name || a[i].R != b[i].R || a[i].G != b[i].G || a[i].B != b[i].B) return false;
  return true;
}

// "name r g b" for each entry, joined by "|".
QString Entries(const std::vector<tColors>& items) {
  QStringList out;
  for (const tColors& c : items)
    out << QStringLiteral("%1 %2 %3 %4").arg(QString::fromStdString(c.Name)).arg(c.R).arg(c.G).arg(c.B);
  return out.join('|');
}

std::string Fixture(const char* name) { return std::string(HB_TEST_DATA_DIR "/gimp/") + name; }

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

  // A name is refused exactly when the plug-in file does not give it back as
  // it was; each row is checked against a real save and read as well.
  void nameProblems_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("problems");
    QTest::newRow("plain") << "Sky" << QStringList{};
    QTest::newRow("japanese") << "新規プラグイン#1" << QStringList{};
    QTest::newRow("inner semicolon and bracket") << "a;b[c" << QStringList{};
    QTest::newRow("inner blank") << "light blue" << QStringList{};
    QTest::newRow("close bracket") << "a]b" << QStringList{};
    QTest::newRow("close bracket at the end") << "a]" << QStringList{};
    QTest::newRow("equals") << "a=b" << QStringList{};
    QTest::newRow("leading semicolon") << ";a" << QStringList{};
    QTest::newRow("leading bracket") << "[a" << QStringList{};
    QTest::newRow("header shape") << "[a=b]" << QStringList{};
    QTest::newRow("cp932 trail byte ]") << "ゾ]" << QStringList{};
    QTest::newRow("beyond cp932") << "😀" << QStringList{};
    QTest::newRow("ideographic blanks") << "　a　" << QStringList{};
    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("line feed") << "a\nb" << QStringList{"改行"};
    QTest::newRow("carriage return") << "a\rb" << QStringList{"改行"};
    QTest::newRow("trailing blank") << "a " << QStringList{"前後の空白"};
    QTest::newRow("leading tab") << "\ta" << QStringList{"前後の空白"};
    QTest::newRow("blank and break") << " [a\n" << QStringList{"改行", "前後の空白"};
  }
  void nameProblems() {
    QFETCH(QString, name);
    QStringList got;
    for (const std::string& p : hb::NameProblems(name.toStdString())) got << QString::fromStdString(p);
    QTEST(got, "problems");
    QTemporaryDir dir;
    const std::string path = dir.filePath("name.hb").toStdString();
    const std::vector<tColors> items = {{name.toStdString(), 1, 2, 3}};
    bool back = false;
    try {
      hb::SavePaletteEntries(path, items);
      back = Same(ReadBack(path), items);
    } catch (const std::exception&) {
    }
    QCOMPARE(back, got.isEmpty());
  }

  // Every name the check lets through comes back from the file unchanged.
  void acceptedNamesRoundTrip() {
    QTemporaryDir dir;
    const std::string path = dir.filePath("names.hb").toStdString();
    const std::vector<tColors> items = {
        {"a;b[c", 1, 2, 3}, {"light blue", 4, 5, 6}, {"表ソ", 7, 8, 9}, {"#$%&'()", 10, 11, 12},
        {"x\"quoted\"y", 13, 14, 15}};
    for (const tColors& item : items) QVERIFY(hb::NameProblems(item.Name).empty());
    hb::SavePaletteEntries(path, items);
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
    hb::SavePaletteEntries(path, items);
    QVERIFY(Same(ReadBack(path), items));
    QCOMPARE(ReadBytes(path).rfind("\xEF\xBB\xBF", 0) == 0, utf8);
    QVERIFY(ReadBytes(path).find("Old") == std::string::npos);
    QCOMPARE(Leftovers(dir.path(), {"palette.hb"}), QStringList{});
  }

  void saveWritesKeysInOrder() {
    QTemporaryDir dir;
    const std::string path = dir.filePath("sky").toStdString();
    hb::SavePaletteEntries(path, {{"Sky", 135, 206, 235}});
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
    hb::SavePaletteEntries(path, {{"a", 1, 2, 3}, {"b", 4, 5, 6}, {"A", 7, 8, 9}});
    const std::vector<tColors> expected = {{"a", 7, 8, 9}, {"b", 4, 5, 6}};
    QVERIFY(Same(ReadBack(path), expected));
  }

  void perEntryRunsForEachEntry() {
    QTemporaryDir dir;
    int calls = 0;
    hb::SavePaletteEntries(dir.filePath("p.hb").toStdString(), {{"a", 1, 1, 1}, {"b", 2, 2, 2}, {"c", 3, 3, 3}},
                          [&] { ++calls; });
    QCOMPARE(calls, 3);
  }

  void failedSaveKeepsOldFile_data() {
    QTest::addColumn<int>("stage");
    QTest::newRow("disk full while writing") << int(hb::TIniWriteStage::Chunk);
    QTest::newRow("after writing") << int(hb::TIniWriteStage::Written);
    QTest::newRow("just before the rename") << int(hb::TIniWriteStage::Synced);
  }
  void failedSaveKeepsOldFile() {
    QFETCH(int, stage);
    QTemporaryDir dir;
    const std::string path = dir.filePath("keep.hb").toStdString();
    const std::string old = "[Old]\r\nR=1\r\nG=2\r\nB=3\r\n";
    WriteBytes(path, old);
    HookReset reset;
    hb::SetIniWriteHook([stage](hb::TIniWriteStage s, std::size_t) {
      if (int(s) == stage) throw std::runtime_error("no space left");
    });
    std::vector<tColors> many;
    for (int i = 0; i < 5000; ++i) many.push_back({"Colour " + std::to_string(i), i % 256, 0, 0});
    try {
      hb::SavePaletteEntries(path, many);
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
    QVERIFY_THROWS_EXCEPTION(hb::IniWriteError, hb::SavePaletteEntries(path, {{"a", 1, 2, 3}}));
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
    QVERIFY_THROWS_EXCEPTION(hb::IniWriteError, hb::SavePaletteEntries(path, {{"New", 4, 5, 6}}));
    QCOMPARE(ReadBytes(path), old);
  }

  void folderThatCannotHoldFiles() {
    // Not even root creates files here.
    QVERIFY_THROWS_EXCEPTION(hb::IniWriteError, hb::SavePaletteEntries("/proc/huebrook-test.hb", {{"a", 1, 2, 3}}));
  }
  // What the editor opens: the content decides between a GIMP palette and a
  // plug-in file, whatever the file is called.
  void readEditorPalette_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("entries");
    QTest::addColumn<QString>("paletteName");
    const auto fixture = [](const char* name) {
      QFile f(QString::fromStdString(Fixture(name)));
      return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    QTest::newRow("GIMP's own, Untitled names") << "Bears.gpl" << fixture("Bears.gpl")
        << "Untitled 8 8 8|Untitled 68 44 44|Untitled 80 8 12|Untitled 72 56 56|Untitled 104 84 68|"
           "Untitled 116 96 76|White 255 255 255" << "Bears";
    QTest::newRow("Japanese names, Name: line") << "wairo.gpl" << fixture("wairo.gpl")
        << "桜色 254 223 225|瑠璃色 0 123 187|Orange with spaces  in name 255 128 0" << "和色";
    QTest::newRow("no Name: line, nameless colours") << "mine.gpl"
        << QByteArray("\xEF\xBB\xBFGIMP Palette\r\n# made by hand\r\n255\t128 0\r\n  0   0   0   \r\n")
        << "FF8000 255 128 0|000000 0 0 0" << "mine";
    QTest::newRow("no colours") << "empty.gpl" << QByteArray("GIMP Palette\nName: 空\nColumns: 16\n#\n") << ""
                                << "空";
    QTest::newRow("bad lines skipped") << "bad.gpl"
        << QByteArray("GIMP Palette\n-1 0 0 minus\n256 0 0 over\n1 2 three\n1 2\n7 8 9 ok\n") << "ok 7 8 9"
        << "bad";
    QTest::newRow("GIMP content named .hb") << "odd.hb" << QByteArray("GIMP Palette\n1 2 3 a\n") << "a 1 2 3"
                                            << "odd";
    QTest::newRow("plug-in content named .gpl") << "ini.gpl" << QByteArray("[Sky]\r\nR=135\r\nG=206\r\nB=235\r\n")
                                                << "Sky 135 206 235" << "ini";
    QTest::newRow("neither, named .gpl") << "text.gpl" << QByteArray("GIMP palette\n1 2 3 lower case header\n")
                                         << "" << "text";
    QTest::newRow("binary") << "bin.gpl" << QByteArray("\x00\xFF\x01GIMP Palette\n", 16) << "" << "bin";
    QTest::newRow("plug-in file") << "my.colors.hb" << QByteArray("[Night]\nR=10\n") << "Night 10 0 0"
                                  << "my.colors";
  }
  void readEditorPalette() {
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const std::string path = dir.filePath(fileName).toStdString();
    WriteBytes(path, bytes.toStdString());
    int calls = 0;
    const hb::TEditorPalette palette = hb::ReadEditorPalette(path, [&] { ++calls; });
    QTEST(Entries(palette.Items), "entries");
    QTEST(QString::fromStdString(palette.Name), "paletteName");
    QCOMPARE(calls, int(palette.Items.size()));
  }

  // A GIMP palette over the size limit opens empty instead of filling
  // memory, through neither reader.
  void oversizedPaletteOpensEmpty() {
    QTemporaryDir dir;
    const QString huge = dir.filePath("huge.gpl");
    {
      QFile f(huge);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write("GIMP Palette\n1 2 3 a\n");
      QVERIFY(f.resize(qint64(hb::kMaxGplFileBytes) + 1));
    }
    QCOMPARE(hb::ReadEditorPalette(huge.toStdString()).Items.size(), std::size_t(0));
  }

  // What the editor's own entries become in a GIMP palette.
  void exportEntries_data() {
    QTest::addColumn<std::vector<tColors>>("items");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("bytes");
    QTest::newRow("named list") << std::vector<tColors>{{"空色", 135, 206, 235}, {"新規プラグイン#1", 0, 0, 0}}
                                << "和色"
                                << "GIMP Palette\nName: 和色\nColumns: 16\n#\n135 206 235\t空色\n  0   0   0\t新規プラグイン#1\n";
    // A list from the keep data has no name: the file's own stands in.
    QTest::newRow("unnamed list") << std::vector<tColors>{{"FF8000", 255, 128, 0}} << ""
                                  << "GIMP Palette\nName: export\nColumns: 16\n#\n255 128   0\tFF8000\n";
    // Values a plug-in file may hold beyond a byte: the colour a swatch shows.
    QTest::newRow("values beyond a byte") << std::vector<tColors>{{"odd", 300, -1, 256}} << "x"
                                          << "GIMP Palette\nName: x\nColumns: 16\n#\n 44 255   0\todd\n";
    QTest::newRow("no colours") << std::vector<tColors>{} << "none" << "GIMP Palette\nName: none\nColumns: 16\n#\n";
  }
  void exportEntries() {
    QFETCH(std::vector<tColors>, items);
    QFETCH(QString, name);
    QTemporaryDir dir;
    const std::string path = dir.filePath("export.gpl").toStdString();
    WriteBytes(path, "old content");
    hb::ExportGplEntries(path, name.toStdString(), items);
    QTEST(QString::fromStdString(ReadBytes(path)), "bytes");
    QCOMPARE(Leftovers(dir.path(), {"export.gpl"}), QStringList{});
  }

  // An export that cannot be written says so and leaves nothing behind: the
  // old file whole, no partial or temporary file.
  void exportFailure_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing folder") << "missing folder";
    QTest::newRow("folder in the way") << "folder in the way";
    QTest::newRow("read-only folder") << "read-only folder";
    QTest::newRow("disk full while writing") << "disk full";
  }
  void exportFailure() {
    QFETCH(QString, kind);
    QTemporaryDir dir;
    std::string path = dir.filePath("p.gpl").toStdString();
    const std::string old = "GIMP Palette\nName: old\n";
    if (kind == "missing folder") path = dir.filePath("nowhere/p.gpl").toStdString();
    if (kind == "folder in the way") QVERIFY(QDir(dir.path()).mkdir("p.gpl"));
    if (kind == "read-only folder" || kind == "disk full") WriteBytes(path, old);
    struct Restore {
      QString dir;
      ~Restore() { ::chmod(dir.toLocal8Bit().constData(), 0755); }
    } restore{dir.path()};
    if (kind == "read-only folder") {
      QVERIFY(::chmod(dir.path().toLocal8Bit().constData(), 0555) == 0);
      if (::access(dir.path().toLocal8Bit().constData(), W_OK) == 0)
        QSKIP("this user writes into read-only folders (root)");
    }
    HookReset reset;
    if (kind == "disk full")
      hb::SetIniWriteHook([](hb::TIniWriteStage s, std::size_t) {
        if (s == hb::TIniWriteStage::Chunk) throw std::runtime_error("no space left");
      });
    std::vector<tColors> many;
    for (int i = 0; i < 5000; ++i) many.push_back({"色 " + std::to_string(i), i % 256, 0, 0});
    try {
      hb::ExportGplEntries(path, "new", many);
      QFAIL("the failed export reported success");
    } catch (const hb::IniWriteError& e) {
      QCOMPARE(QString::fromUtf8(e.what()), QString::fromStdString(path) + " に書き込めません");
    }
    if (kind == "folder in the way") QVERIFY(QFileInfo(QString::fromStdString(path)).isDir());
    if (kind == "missing folder") QVERIFY(!QFileInfo::exists(dir.filePath("nowhere")));
    if (kind == "read-only folder" || kind == "disk full") QCOMPARE(ReadBytes(path), old);
    ::chmod(dir.path().toLocal8Bit().constData(), 0755);
    QCOMPARE(Leftovers(dir.path(), {"p.gpl"}), QStringList{});
  }
};

QTEST_GUILESS_MAIN(TestEditorItems)
#include "tst_EditorItems.moc"
