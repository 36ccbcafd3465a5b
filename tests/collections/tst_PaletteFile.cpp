// Reading palette plug-in files: colours in file order, the integer reading of
// the components, CP932 files from Windows, and files that are no palette.

#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

#include "FileBytes.h"
#include "collections/PaletteFile.h"

namespace {

QString DataFile(const char* name) { return QStringLiteral(HB_TEST_DATA_DIR "/") + QString::fromUtf8(name); }

QByteArray Describe(const std::vector<TItemData>& items) {
  QStringList parts;
  for (const TItemData& i : items)
    parts << QStringLiteral("%1(%2,%3,%4)").arg(QString::fromStdString(i.Name)).arg(i.R).arg(i.G).arg(i.B);
  return parts.join(QLatin1Char(' ')).toUtf8();
}

} // namespace

class TestPaletteFile : public QObject {
  Q_OBJECT

  QTemporaryDir dir;

  std::vector<TItemData> Read(const std::string& content) {
    const QString path = dir.filePath(QStringLiteral("p.hb"));
    WriteBytes(path, content);
    return hb::ReadPaletteFile(path.toStdString());
  }

 private slots:
  void value_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("decimal") << "135" << 135;
    QTest::newRow("0x") << "0x80" << 128;
    QTest::newRow("0X") << "0X80" << 128;
    QTest::newRow("dollar") << "$80" << 128;
    QTest::newRow("negative") << "-1" << -1;
    QTest::newRow("out of range kept") << "300" << 300;
    QTest::newRow("fraction") << "128.5" << 0;
    QTest::newRow("letters") << "abc" << 0;
    QTest::newRow("trailing letters") << "12abc" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("bare 0x") << "0x" << 0;
    QTest::newRow("bare dollar") << "$" << 0;
    QTest::newRow("decimal beyond 32 bits") << "4294967296" << 0;
    QTest::newRow("hex all ones") << "$FFFFFFFF" << -1;
  }

  void value() {
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(hb::PaletteValue(text.toStdString()), value);
  }

  void file_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("items");
    QTest::newRow("sky and night")
        << QByteArray("[Sky]\r\nR=135\r\nG=206\r\nB=235\r\n\r\n[Night]\r\nR=10\r\n")
        << QByteArray("Sky(135,206,235) Night(10,0,0)");
    QTest::newRow("key order free, other keys ignored, names trimmed")
        << QByteArray("[ A ]\nb=3\nX=9\n r = 0x80 \ng=$80\n")
        << QByteArray("A(128,128,3)");
    QTest::newRow("section without keys is black") << QByteArray("[Empty]\n[Next]\nR=1\n")
                                                   << QByteArray("Empty(0,0,0) Next(1,0,0)");
    QTest::newRow("malformed values") << QByteArray("[Odd]\nR=128.5\nG=abc\nB=300\n")
                                      << QByteArray("Odd(0,0,300)");
    // A repeated section is one colour, read where it first stands.
    QTest::newRow("repeated section") << QByteArray("[A]\nR=1\n[B]\nR=2\n[a]\nR=3\nG=4\n")
                                      << QByteArray("A(1,0,0) B(2,0,0)");
    QTest::newRow("text without sections") << QByteArray("R=1\nG=2\njust some words\n") << QByteArray("");
    QTest::newRow("empty file") << QByteArray("") << QByteArray("");
    QTest::newRow("binary garbage") << QByteArray("\x00\xff\x81\x5c\x0a\x00\x1b", 7) << QByteArray("");
  }

  void file() {
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, items);
    QCOMPARE(Describe(Read(content.toStdString())), items);
  }

  void everySectionIsRead() {
    // Far more names than a 16,384-byte buffer of names would hold.
    std::string content;
    for (int i = 0; i < 3000; ++i)
      content += "[colour number " + std::to_string(i) + "]\r\nR=" + std::to_string(i % 256) + "\r\n";
    QVERIFY(content.size() > 3 * 16384);
    const std::vector<TItemData> items = Read(content);
    QCOMPARE(items.size(), std::size_t(3000));
    QCOMPARE(items.back().Name, std::string("colour number 2999"));
    QCOMPARE(items.back().R, 2999 % 256);
  }

  void cp932FileFromWindows() {
    const std::vector<TItemData> items = hb::ReadPaletteFile(DataFile("windows_cp932.hb").toStdString());
    QCOMPARE(Describe(items),
             QByteArray("空色(135,206,235) ア(1,2,3) ヂ(4,5,6) ゾ(128,64,20) 表示(255,255,255)"));
  }

  void sectionsReportedInOrder() {
    const QString path = dir.filePath(QStringLiteral("s.hb"));
    WriteBytes(path, "[x]\n[y]\nR=1\n[z]\n");
    std::vector<std::string> seen;
    hb::ReadPaletteFile(path.toStdString(), [&](const std::string& name) { seen.push_back(name); });
    QCOMPARE(seen, (std::vector<std::string>{"x", "y", "z"}));
  }

  void missingOrUnreadable() {
    QVERIFY(hb::ReadPaletteFile(dir.filePath(QStringLiteral("none.hb")).toStdString()).empty());
    // A folder in a palette's place.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.hb")));
    QVERIFY(hb::ReadPaletteFile(dir.filePath(QStringLiteral("folder.hb")).toStdString()).empty());
  }

  void oversizedFileIsNotRead() {
    // Valid colours, but more bytes than any palette could use: nothing is read,
    // and the file stays as it was.
    const QString path = dir.filePath(QStringLiteral("big.hb"));
    std::string content = "[Sky]\nR=135\n";
    content.resize(hb::kMaxPaletteFileBytes + 1, ' ');
    WriteBytes(path, content);
    QVERIFY(hb::ReadPaletteFile(path.toStdString()).empty());
    QCOMPARE(ReadBytes(path).size(), content.size());
    std::vector<TPalletData> list;
    hb::AppendPalette(list, "big.hb", dir.path().toStdString() + "/", {});
    QVERIFY(list.back().TooLarge);
    content.resize(hb::kMaxPaletteFileBytes);
    WriteBytes(path, content);
    QCOMPARE(hb::ReadPaletteFile(path.toStdString()).size(), std::size_t(1));
    hb::AppendPalette(list, "big.hb", dir.path().toStdString() + "/", {});
    QVERIFY(!list.back().TooLarge);
  }

  // What the palette view says of a palette it cannot show whole.
  void viewNotice_data() {
    QTest::addColumn<bool>("tooLarge");
    QTest::addColumn<int>("items");
    QTest::addColumn<QString>("notice");
    QTest::newRow("too large") << true << 0 << QString::fromUtf8("8MBを超えるため読み込めません");
    QTest::newRow("one more than shown") << false << 10001 << QString::fromUtf8("先頭10000色を表示(全10001色)");
    QTest::newRow("all shown") << false << 10000 << QString();
    QTest::newRow("empty") << false << 0 << QString();
  }
  void viewNotice() {
    QFETCH(bool, tooLarge);
    QFETCH(int, items);
    QFETCH(QString, notice);
    const TPalletData palette{"P", std::vector<TItemData>(std::size_t(items)), tooLarge};
    QCOMPARE(QString::fromStdString(hb::PaletteViewNotice(palette, 10000)), notice);
  }

  void appendingTellsEachStep() {
    WriteBytes(dir.filePath(QStringLiteral("Pastels.hb")), "[Sky]\nR=135\n[夜]\nB=9\n");
    std::vector<TPalletData> list{{"First", {}}};
    std::vector<std::string> status;
    const std::string folder = dir.path().toStdString() + "/";
    hb::AppendPalette(list, "Pastels.hb", folder, [&](const std::string& s) { status.push_back(s); });
    QCOMPARE(status, (std::vector<std::string>{"ファイル【Pastels.hb】処理中...", "プラグイン【Sky】追加中...",
                                               "プラグイン【夜】追加中..."}));
    QCOMPARE(list.size(), std::size_t(2));
    QCOMPARE(list[1].Name, std::string("Pastels"));
    QCOMPARE(Describe(list[1].Items), QByteArray("Sky(135,0,0) 夜(0,0,9)"));

    // A file gone since the search, or a report that fails: still listed, without colours.
    hb::AppendPalette(list, "gone.hb", folder, {});
    hb::AppendPalette(list, "Pastels.hb", folder, [&](const std::string& s) {
      if (s.rfind("プラグイン", 0) == 0) throw std::runtime_error("failed");
    });
    QCOMPARE(list.size(), std::size_t(4));
    QCOMPARE(list[2].Name, std::string("gone"));
    QVERIFY(list[2].Items.empty());
    QCOMPARE(list[3].Name, std::string("Pastels"));
    QVERIFY(list[3].Items.empty());
  }

  void paletteNames_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "Pastels.hb" << "Pastels";
    QTest::newRow("dots") << "my.colors.hb" << "my.colors";
    QTest::newRow("japanese") << "日本の色.hb" << "日本の色";
    QTest::newRow("upper") << "B.HB" << "B";
  }

  void paletteNames() {
    QFETCH(QString, file);
    QFETCH(QString, name);
    QCOMPARE(QString::fromStdString(hb::PaletteNameOf(file.toStdString())), name);
  }

  // Which items name their colour for the nearest-name search: not those
  // named by their own code (low 8 bits of each component, as swatches show).
  void namedColors_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("red");
    QTest::addColumn<bool>("named");
    QTest::newRow("a name") << "紅梅色" << 0xFF << true;
    QTest::newRow("its code") << "FF8000" << 0xFF << false;
    QTest::newRow("its code, # and lower case") << "#ff8000" << 0xFF << false;
    QTest::newRow("its code past 255") << "FF8000" << 0x1FF << false;
    QTest::newRow("another colour's code") << "FF8001" << 0xFF << true;
    QTest::newRow("no name") << "" << 0xFF << false;
  }
  void namedColors() {
    QFETCH(QString, name);
    QFETCH(int, red);
    QFETCH(bool, named);
    const TPalletData palette{"p", {{name.toStdString(), red, 0x80, 0x00}}};
    const std::vector<hb::TNamedColor> got = hb::NamedColorsOf({palette});
    QCOMPARE(got.size(), std::size_t(named ? 1 : 0));
    if (named) QCOMPARE(int(got[0].Color.R), 0xFF);
  }

  // Files met in folder order ("folder|file"); which of them are loaded.
  void paletteFolders_data() {
    QTest::addColumn<QStringList>("found");
    QTest::addColumn<QString>("loaded");  // 1 = loaded, 0 = passed over
    QTest::newRow("one folder, all kept") << QStringList{"/a/|x.hb", "/a/|y.hb"} << "11";
    QTest::newRow("same name later is hidden")
        << QStringList{"/usr/bin/|Web.hb", "/home/u/.local/share/huebrook/|Web.hb", "/usr/share/huebrook/|Web.hb"}
        << "100";
    QTest::newRow("user's own palette first")
        << QStringList{"/home/u/.local/share/huebrook/|日本の伝統色.hb", "/usr/share/huebrook/|日本の伝統色.hb",
                       "/usr/share/huebrook/|CSS.hb"}
        << "101";
    QTest::newRow("two spellings in one folder both stay, not again later")
        << QStringList{"/a/|p.hb", "/a/|p.HB", "/b/|p.hb", "/b/|q.hb"} << "1101";
    QTest::newRow("names differ by case are two names") << QStringList{"/a/|p.hb", "/b/|P.hb"} << "11";
  }

  void paletteFolders() {
    QFETCH(QStringList, found);
    QFETCH(QString, loaded);
    hb::TPaletteFolders folders;
    QString got;
    for (const QString& entry : found) {
      const QStringList parts = entry.split('|');
      got += folders.Accept(parts[1].toStdString(), parts[0].toStdString()) ? '1' : '0';
    }
    QCOMPARE(got, loaded);
  }
};

QTEST_GUILESS_MAIN(TestPaletteFile)
#include "tst_PaletteFile.moc"
