#include <QtTest>

#include <QTemporaryDir>

#include "collections/GimpPalette.h"
#include "collections/PaletteFile.h"
#include "settings/IniFile.h"

using namespace hb;

namespace {
QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
QString Colours(const TGplPalette& p) {
  QStringList out;
  for (const TGplColor& c : p.Colors)
    out << QString("%1 %2 %3 %4").arg(c.R).arg(c.G).arg(c.B).arg(QString::fromStdString(c.Name));
  return out.join('|');
}
} // namespace

class TestGimpPalette : public QObject {
  Q_OBJECT

 private slots:
  // Files as GIMP writes them read and write back byte for byte.
  void roundTrip_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("count");
    QTest::newRow("GIMP's own") << "Bears.gpl" << "Bears" << 0 << 7;
    QTest::newRow("UTF-8 names") << "wairo.gpl" << "和色" << 16 << 3;
  }
  void roundTrip() {
    QFETCH(QString, file);
    const QString path = QString(HB_TEST_DATA_DIR) + "/gimp/" + file;
    const auto palette = ReadGplFile(path.toStdString());
    QVERIFY(palette);
    QFETCH(QString, name);
    QCOMPARE(QString::fromStdString(palette->Name), name);
    QFETCH(int, columns);
    QCOMPARE(palette->Columns, columns);
    QFETCH(int, count);
    QCOMPARE(int(palette->Colors.size()), count);

    QTemporaryDir dir;
    const QString out = dir.filePath("out.gpl");
    WriteGplFile(out.toStdString(), *palette);
    QCOMPARE(ReadAll(out), ReadAll(path));
  }

  void parse_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("colours");
    QTest::addColumn<int>("skipped");
    QTest::addColumn<QString>("name");

    QTest::newRow("no header") << QByteArray("Name: x\n1 2 3 a\n") << false << "" << 0 << "";
    QTest::newRow("header not first") << QByteArray("# c\nGIMP Palette\n1 2 3\n") << false << "" << 0 << "";
    QTest::newRow("misspelt header") << QByteArray("GIMP palette\n1 2 3\n") << false << "" << 0 << "";
    QTest::newRow("empty file") << QByteArray() << false << "" << 0 << "";
    QTest::newRow("header only, no newline") << QByteArray("GIMP Palette") << true << "" << 0 << "";
    QTest::newRow("CRLF, BOM, trailing blanks")
        << QByteArray("\xEF\xBB\xBFGIMP Palette \r\nName: Web \r\nColumns: 4\r\n#\r\n255 0 0\tRed\r\n")
        << true << "255 0 0 Red" << 0 << "Web";
    QTest::newRow("tabs and spaces mixed")
        << QByteArray("GIMP Palette\n\t1 \t 2\t\t3  \t dark  blue \t\n  4 5 6\n")
        << true << "1 2 3 dark  blue|4 5 6 040506" << 0 << "";
    QTest::newRow("out of range and negative skipped")
        << QByteArray("GIMP Palette\n256 0 0 a\n-1 0 0 b\n0 0 99999999999999999999 c\n255 255 255 d\n")
        << true << "255 255 255 d" << 3 << "";
    QTest::newRow("too few or not numbers")
        << QByteArray("GIMP Palette\n1 2\nred green blue\n1 2 3x name\n1.5 2 3\n+7 -0 9 signs\n")
        << true << "7 0 9 signs" << 4 << "";
    QTest::newRow("comments and blank lines")
        << QByteArray("GIMP Palette\n\n# 10 20 30 not a colour\n   \n10 20 30 # a name with a hash\n")
        << true << "10 20 30 # a name with a hash" << 0 << "";
    QTest::newRow("lone CR is not a line break")
        << QByteArray("GIMP Palette\n1 2 3 a\rb\n") << true << "1 2 3 a\rb" << 0 << "";
  }
  void parse() {
    QFETCH(QByteArray, text);
    const auto palette = ParseGpl(std::string_view(text.constData(), text.size()));
    QFETCH(bool, ok);
    QCOMPARE(bool(palette), ok);
    if (!palette) return;
    QFETCH(QString, colours);
    QCOMPARE(Colours(*palette), colours);
    QFETCH(int, skipped);
    QCOMPARE(int(palette->SkippedLines), skipped);
    QFETCH(QString, name);
    QCOMPARE(QString::fromStdString(palette->Name), name);
  }

  void columns_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("columns");
    QTest::newRow("plain") << QByteArray("Columns: 16") << 16;
    QTest::newRow("GIMP's largest") << QByteArray("Columns: 256") << 256;
    QTest::newRow("too many") << QByteArray("Columns: 257") << 0;
    QTest::newRow("negative") << QByteArray("Columns: -3") << 0;
    QTest::newRow("not a number") << QByteArray("Columns: wide") << 0;
    QTest::newRow("overflows int") << QByteArray("Columns: 99999999999999") << 0;
  }
  void columns() {
    QFETCH(QByteArray, line);
    const QByteArray text = "GIMP Palette\n" + line + "\n";
    const auto palette = ParseGpl(std::string_view(text.constData(), text.size()));
    QVERIFY(palette);
    QFETCH(int, columns);
    QCOMPARE(palette->Columns, columns);
  }

  // A name with a line break cannot make a second colour line when written.
  void writerKeepsOneLinePerColour() {
    TGplPalette p;
    p.Name = "two\nlines";
    p.Columns = 16;
    p.Colors = {{"evil\n1 2 3 injected\r", 9, 8, 7}};
    const std::string text = FormatGpl(p);
    QCOMPARE(QString::fromStdString(text),
             QString("GIMP Palette\nName: two lines\nColumns: 16\n#\n  9   8   7\tevil 1 2 3 injected \n"));
    const auto back = ParseGpl(text);
    QVERIFY(back);
    QCOMPARE(back->Colors.size(), std::size_t(1));
  }

  // 100,000 CRLF colour lines with tab separators: every one is kept (the
  // reading time is measured in bench/, not here).
  void manyLines() {
    std::string text = "GIMP Palette\nName: big\n";
    for (int i = 0; i < 100000; ++i)
      text += std::to_string(i % 256) + " " + std::to_string(i / 256 % 256) + "\t7\tcolour " + std::to_string(i) + "\r\n";
    const auto palette = ParseGpl(text);
    QVERIFY(palette);
    QCOMPARE(palette->Colors.size(), std::size_t(100000));
    QCOMPARE(palette->Colors.back().Name, std::string("colour 99999"));
  }

  void unreadableFiles() {
    QTemporaryDir dir;
    QVERIFY(!ReadGplFile(dir.filePath("missing.gpl").toStdString()));
    QVERIFY(!ReadGplFile(dir.path().toStdString()));  // a folder
    const QString big = dir.filePath("big.gpl");
    QFile f(big);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("GIMP Palette\n");
    QVERIFY(f.resize(qint64(kMaxGplFileBytes) + 1));
    f.close();
    QVERIFY(!ReadGplFile(big.toStdString()));
  }

  // Plug-in files found at start-up: a .gpl is listed by its Name: line, or
  // by its file name when it has none, with its colours as palette items.
  void listedAtStartUp_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("listedAs");
    QTest::addColumn<QString>("items");
    QTest::newRow("Name: line") << "a.gpl" << QByteArray("GIMP Palette\nName: 和色\n254 223 225\t桜色\n")
                                << "和色" << "254 223 225 桜色";
    QTest::newRow("no Name: line, capital extension") << "sky.night.GPL" << QByteArray("GIMP Palette\n0 0 128\n")
                                                      << "sky.night" << "0 0 128 000080";
    QTest::newRow("not a GIMP palette") << "b.gpl" << QByteArray("[Red]\nR=255\n") << "b" << "";
  }
  void listedAtStartUp() {
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(QString, listedAs);
    QFETCH(QString, items);
    QTemporaryDir dir;
    QFile f(dir.filePath(fileName));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
    f.close();
    std::vector<TPalletData> list;
    AppendPalette(list, fileName.toStdString(), dir.path().toStdString() + "/", {});
    QCOMPARE(list.size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(list[0].Name), listedAs);
    QStringList got;
    for (const TItemData& i : list[0].Items)
      got << QString("%1 %2 %3 %4").arg(i.R).arg(i.G).arg(i.B).arg(QString::fromStdString(i.Name));
    QCOMPARE(got.join('|'), items);
  }

  void writeFailureIsReported() {
    QTemporaryDir dir;
    const std::string path = dir.filePath("no/such/folder/x.gpl").toStdString();
    QVERIFY_THROWS_EXCEPTION(IniWriteError, WriteGplFile(path, TGplPalette{}));
  }
};

QTEST_GUILESS_MAIN(TestGimpPalette)
#include "tst_GimpPalette.moc"
