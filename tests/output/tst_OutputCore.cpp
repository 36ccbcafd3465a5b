// The clipboard notations, the choice of image format and the command line,
// without a window.

#include <QtTest>

#include "output/ColorCodes.h"
#include "output/ColorImageFormat.h"
#include "output/CommandLine.h"

using namespace hb;

Q_DECLARE_METATYPE(hb::TCodePage)
Q_DECLARE_METATYPE(hb::TImageFileFormat)
Q_DECLARE_METATYPE(hb::TCommandLine::Mode)

class TestOutputCore : public QObject {
  Q_OBJECT

 private slots:
  void rgbCode_data() {
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("b");
    QTest::addColumn<QString>("code");
    QTest::newRow("black") << 0 << 0 << 0 << "000000000";
    QTest::newRow("5, 60, 255") << 5 << 60 << 255 << "005060255";
    QTest::newRow("255, 128, 0") << 255 << 128 << 0 << "255128000";
    QTest::newRow("white") << 255 << 255 << 255 << "255255255";
    QTest::newRow("10, 100, 9") << 10 << 100 << 9 << "010100009";
  }
  void rgbCode() {
    QFETCH(int, r);
    QFETCH(int, g);
    QFETCH(int, b);
    QFETCH(QString, code);
    QCOMPARE(QString::fromStdString(RGBCode(r, g, b)), code);
  }

  // The three notations of the field's text, whatever it holds. The field is
  // bytes in a code page; a multi-byte character is kept whole or left out.
  void hexNotations_data() {
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<hb::TCodePage>("cp");
    QTest::addColumn<QByteArray>("html");
    QTest::addColumn<QByteArray>("vb");
    const TCodePage u8 = TCodePage::Utf8;
    const TCodePage sj = TCodePage::Cp932;
    QTest::newRow("black") << QByteArray("000000") << u8 << QByteArray("#000000") << QByteArray("&H00000000&");
    QTest::newRow("orange") << QByteArray("FF8000") << u8 << QByteArray("#FF8000") << QByteArray("&H000080FF&");
    QTest::newRow("typed lower case") << QByteArray("ff8000") << u8 << QByteArray("#ff8000")
                                      << QByteArray("&H000080ff&");
    QTest::newRow("empty") << QByteArray() << u8 << QByteArray("#") << QByteArray("&H00&");
    QTest::newRow("one") << QByteArray("A") << u8 << QByteArray("#A") << QByteArray("&H00A&");
    QTest::newRow("three") << QByteArray("ABC") << u8 << QByteArray("#ABC") << QByteArray("&H00AB&");
    QTest::newRow("four") << QByteArray("ABCD") << u8 << QByteArray("#ABCD") << QByteArray("&H00CDABAB&");
    QTest::newRow("seven") << QByteArray("1234567") << u8 << QByteArray("#1234567") << QByteArray("&H00674512&");
    QTest::newRow("100") << QByteArray(98, 'x') + "YZ" << u8 << "#" + QByteArray(98, 'x') + "YZ"
                         << QByteArray("&H00YZxxxx&");
    QTest::newRow("non-hex") << QByteArray("zz!?@q") << u8 << QByteArray("#zz!?@q") << QByteArray("&H00@q!?zz&");
    // 表 is E8 A1 A8 in UTF-8 and 95 5C in CP932, ソ E3 82 BD and 83 5C.
    QTest::newRow("utf-8 表ソ") << QByteArray("\xE8\xA1\xA8\xE3\x82\xBD") << u8
                                << QByteArray("#\xE8\xA1\xA8\xE3\x82\xBD") << QByteArray("&H00\xE8\xA1\xA8\xE3\x82\xBD&");
    QTest::newRow("utf-8 A表ソBC") << QByteArray("A\xE8\xA1\xA8\xE3\x82\xBD" "BC") << u8
                                   << QByteArray("#A\xE8\xA1\xA8\xE3\x82\xBD" "BC")
                                   << QByteArray("&H00BC\xE8\xA1\xA8\xE3\x82\xBD" "A\xE8\xA1\xA8&");
    QTest::newRow("cp932 A表ソBC") << QByteArray("A\x95\x5C\x83\x5C" "BC") << sj
                                   << QByteArray("#A\x95\x5C\x83\x5C" "BC")
                                   << QByteArray("&H00BC\x95\x5C\x83\x5C" "A\x95\x5C&");
    QTest::newRow("cp932 lone lead byte at the end") << QByteArray("AB\x95") << sj << QByteArray("#AB\x95")
                                                     << QByteArray("&H00AB&");
    QTest::newRow("utf-8 cut sequence") << QByteArray("12\xE8\xA1") << u8 << QByteArray("#12\xE8\xA1")
                                        << QByteArray("&H00\xE8\xA1" "1212&");
  }
  void hexNotations() {
    QFETCH(QByteArray, field);
    QFETCH(hb::TCodePage, cp);
    QFETCH(QByteArray, html);
    QFETCH(QByteArray, vb);
    const std::string text = field.toStdString();
    QCOMPARE(QByteArray::fromStdString(HexCode(text)), field);
    QCOMPARE(QByteArray::fromStdString(HTMLCode(text)), html);
    QCOMPARE(QByteArray::fromStdString(VBCode(text, cp)), vb);
  }

  void imageFormat_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<hb::TImageFileFormat>("format");
    const auto jpeg = TImageFileFormat::Jpeg;
    const auto bmp = TImageFileFormat::Bmp;
    QTest::newRow("jpg") << "/tmp/a.jpg" << jpeg;
    QTest::newRow("JPG") << "/tmp/a.JPG" << jpeg;
    QTest::newRow("jpeg") << "/tmp/a.jpeg" << jpeg;
    QTest::newRow("Jpeg") << "/tmp/a.Jpeg" << jpeg;
    QTest::newRow("jpe") << "/tmp/a.jpe" << jpeg;
    QTest::newRow("last dot counts") << "/tmp/a.bmp.jpg" << jpeg;
    QTest::newRow("bmp") << "/tmp/a.bmp" << bmp;
    QTest::newRow("png stays bmp") << "/tmp/a.png" << bmp;
    QTest::newRow("jpg before the last dot") << "/tmp/a.jpg.bmp" << bmp;
    QTest::newRow("no extension") << "/tmp/jpg" << bmp;
    QTest::newRow("dot in the folder only") << "/tmp/x.jpg/picture" << bmp;
    QTest::newRow("jpgx") << "/tmp/a.jpgx" << bmp;
    QTest::newRow("trailing dot") << "/tmp/a.jpg." << bmp;
    QTest::newRow("multi-byte name") << QString::fromUtf8("/tmp/表ソ.JPEG") << jpeg;
  }
  void imageFormat() {
    QFETCH(QString, path);
    QFETCH(hb::TImageFileFormat, format);
    QCOMPARE(ImageFormatForFileName(path.toStdString()), format);
  }

  void commandLine_data() {
    using M = TCommandLine::Mode;
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<M>("mode");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("file");
    QTest::newRow("nothing: the window") << QStringList{} << M::Window << "hex" << "";
    QTest::newRow("a palette file") << QStringList{"Pastels.hb"} << M::Window << "hex" << "Pastels.hb";
    QTest::newRow("a file after --") << QStringList{"--", "-odd.gpl"} << M::Window << "hex" << "-odd.gpl";
    QTest::newRow("Qt's options pass") << QStringList{"-display", ":1", "--platform=xcb", "-reverse", "a.gpl"}
                                       << M::Window << "hex" << "a.gpl";
    QTest::newRow("--pick") << QStringList{"--pick"} << M::Pick << "hex" << "";
    QTest::newRow("--format FORMAT") << QStringList{"--pick", "--format", "css-hsl"} << M::Pick << "css-hsl" << "";
    QTest::newRow("--format=FORMAT first") << QStringList{"--format=oklch", "--pick"} << M::Pick << "oklch" << "";
    QTest::newRow("--help wins") << QStringList{"--pick", "-h"} << M::Help << "hex" << "";
    QTest::newRow("--version") << QStringList{"--version"} << M::Version << "hex" << "";
    for (const char* bad : {"--bogus", "-x", "--pick=1"})
      QTest::newRow(bad) << QStringList{"--pick", bad} << M::Error << "hex" << "";
    QTest::newRow("unknown format") << QStringList{"--pick", "--format", "cmyk"} << M::Error << "hex" << "";
    QTest::newRow("format without value") << QStringList{"--pick", "--format"} << M::Error << "hex" << "";
    QTest::newRow("format without pick") << QStringList{"--format", "rgb"} << M::Error << "hex" << "";
    QTest::newRow("two files") << QStringList{"a.hb", "b.hb"} << M::Error << "hex" << "";
    QTest::newRow("pick with a file") << QStringList{"--pick", "a.hb"} << M::Error << "hex" << "";
  }
  void commandLine() {
    QFETCH(QStringList, args);
    QFETCH(TCommandLine::Mode, mode);
    QFETCH(QString, format);
    QFETCH(QString, file);
    std::vector<std::string> argv;
    for (const QString& a : args) argv.push_back(a.toStdString());
    const TCommandLine line = ParseCommandLine(argv);
    QCOMPARE(line.mode, mode);
    QCOMPARE(QString::fromStdString(line.format), format);
    QCOMPARE(QString::fromStdString(line.file), file);
    QCOMPARE(line.error.empty(), mode != TCommandLine::Mode::Error);
  }

  void pickedText_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("b");
    QTest::addColumn<QString>("text");
    QTest::newRow("hex") << "hex" << 255 << 128 << 10 << "#FF800A";
    QTest::newRow("rgb") << "rgb" << 255 << 128 << 0 << "255128000";
    QTest::newRow("html") << "html" << 171 << 205 << 239 << "#ABCDEF";
    QTest::newRow("vb") << "vb" << 255 << 128 << 0 << "&H000080FF&";
    QTest::newRow("css-rgb") << "css-rgb" << 255 << 128 << 0 << "rgb(255 128 0)";
    QTest::newRow("css-hsl") << "css-hsl" << 255 << 128 << 0 << "hsl(30deg 100% 50%)";
    QTest::newRow("qcolor") << "qcolor" << 255 << 128 << 0 << "QColor(255, 128, 0)";
    QTest::newRow("float") << "float" << 255 << 128 << 0 << "1.000, 0.502, 0.000";
    QTest::newRow("oklch") << "oklch" << 255 << 0 << 0 << "oklch(62.80% 0.2577 29.23)";
    QTest::newRow("lab") << "lab" << 255 << 0 << 0 << "lab(54.29 80.80 69.89)";
    QTest::newRow("lch") << "lch" << 255 << 0 << 0 << "lch(54.29 106.84 40.86)";
    QTest::newRow("none") << "cmyk" << 255 << 0 << 0 << "";
  }
  void pickedText() {
    QFETCH(QString, format);
    QFETCH(int, r);
    QFETCH(int, g);
    QFETCH(int, b);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(PickedColorText(format.toStdString(), r, g, b).value_or("")), text);
  }
};

QTEST_GUILESS_MAIN(TestOutputCore)
#include "tst_OutputCore.moc"
