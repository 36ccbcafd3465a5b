// The kept-colour text, the settings file's keep section read and written on
// fixture files, and the history ring. Guiless.

#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>

#include "FileBytes.h"
#include "collections/HistoryRing.h"
#include "collections/KeepColorText.h"
#include "collections/KeepSettings.h"
#include "settings/IniFile.h"

using hb::THistoryRing;
using hb::TIniDocument;
using hb::TIniFile;

namespace {

using Colors = std::vector<std::uint32_t>;

QString Fixture(const char* name) { return QStringLiteral(HB_TEST_DATA_DIR "/keep/") + name; }

// A fixture copied into a fresh folder, so that writing to it is harmless.
QString CopyFixture(const QTemporaryDir& dir, const char* name) {
  const QString path = dir.filePath(QStringLiteral("huebrook.ini"));
  WriteBytes(path, ReadBytes(Fixture(name)));
  return path;
}

Colors ReadColors(const QString& path) {
  return hb::KeepColorsFromTexts(hb::ReadKeepTexts(TIniFile(path.toStdString())));
}

struct HookReset {
  ~HookReset() { hb::SetIniWriteHook(nullptr); }
};

} // namespace

Q_DECLARE_METATYPE(Colors)

class TestKeepSettings : public QObject {
  Q_OBJECT
 private slots:
  // ---- Kept-colour text ----------------------------------------------------

  void textOfColor_data() {
    QTest::addColumn<uint>("color");
    QTest::addColumn<QByteArray>("text");
    // Red is the low byte of the value and the last pair of the text.
    QTest::newRow("orange") << 0x000080FFu << QByteArray("0080FF");
    QTest::newRow("blue") << 0x00FF0000u << QByteArray("FF0000");
    QTest::newRow("black") << 0u << QByteArray("000000");
    QTest::newRow("upper case") << 0x00ABCDEFu << QByteArray("ABCDEF");
    QTest::newRow("high byte ignored") << 0xFF0A0B0Cu << QByteArray("0A0B0C");
  }
  void textOfColor() {
    QFETCH(uint, color);
    QFETCH(QByteArray, text);
    QCOMPARE(QByteArray::fromStdString(hb::KeepColorText(color)), text);
  }

  void colorOfText_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<uint>("color");
    QTest::newRow("orange") << QByteArray("0080FF") << true << 0x0080FFu;
    QTest::newRow("lower case") << QByteArray("0080ff") << true << 0x0080FFu;
    QTest::newRow("mixed case") << QByteArray("aBcDeF") << true << 0xABCDEFu;
    QTest::newRow("seventh character ignored") << QByteArray("0080FF0") << true << 0x0080FFu;
    QTest::newRow("anything after six ignored") << QByteArray("0080FFzz表") << true << 0x0080FFu;
    // Missing pieces stand for 255: an empty text is white.
    QTest::newRow("empty") << QByteArray("") << true << 0xFFFFFFu;
    QTest::newRow("blue only") << QByteArray("00") << true << 0x00FFFFu;
    QTest::newRow("blue and green") << QByteArray("0080") << true << 0x0080FFu;
    // A piece that is not two hexadecimal digits: no colour at all.
    QTest::newRow("one character") << QByteArray("1") << false << 0u;
    QTest::newRow("five characters") << QByteArray("0080F") << false << 0u;
    QTest::newRow("lone dollar as red") << QByteArray("0080$") << false << 0u;
    QTest::newRow("dollar pair") << QByteArray("$0$0$0") << false << 0u;
    QTest::newRow("not hex") << QByteArray("GG0000") << false << 0u;
    QTest::newRow("blank inside") << QByteArray("00 0FF") << false << 0u;
    QTest::newRow("sign") << QByteArray("-10000") << false << 0u;
    QTest::newRow("prefix") << QByteArray("0x80FF") << false << 0u;
    QTest::newRow("full-width digit") << QByteArray("0080F\xEF\xBC\xA6") << false << 0u;
    // Two characters of two bytes each still make one piece, which is no hex.
    QTest::newRow("kanji pair") << QByteArray("表ソ0000") << false << 0u;
    QTest::newRow("broken utf-8") << QByteArray("\xE8\x00" "0000", 6) << false << 0u;
  }
  void colorOfText() {
    QFETCH(QByteArray, text);
    QFETCH(bool, valid);
    QFETCH(uint, color);
    const auto got = hb::KeepColorFromText(text.toStdString());
    QCOMPARE(got.has_value(), valid);
    if (valid) QCOMPARE(*got, std::uint32_t(color));
  }

  void textRoundTrip() {
    for (std::uint32_t c = 0; c < 0x1000000u; c += 0x010101u + 0x77u) {
      const std::string text = hb::KeepColorText(c);
      QCOMPARE(hb::KeepColorFromText(text), std::optional<std::uint32_t>(c));
    }
  }

  // ---- Reading ---------------------------------------------------------------

  void readFixtures_data() {
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<Colors>("colors");
    // A missing key below Count is a white swatch.
    QTest::newRow("count 3, keys 0 and 1") << "count3_two_keys.ini" << Colors{0x0080FF, 0x0080FF, 0xFFFFFF};
    QTest::newRow("count 0, keys 0-4") << "count0_five_keys.ini" << Colors{};
    QTest::newRow("among other sections") << "four_kept.ini"
                                          << Colors{0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF};
    // Entries that name no colour are skipped; the rest of the list loads.
    QTest::newRow("bad entries") << "bad_entries.ini" << Colors{0x123456, 0x0A0A0A, 0xFFFFFF};
    QTest::newRow("duplicate sections: the first") << "duplicate_sections.ini" << Colors{0x0080FF};
    QTest::newRow("windows cp932") << "windows_cp932.ini" << Colors{0x0080FF, 0xFF8000};
    QTest::newRow("missing file") << "no_such_file.ini" << Colors{};
  }
  void readFixtures() {
    QFETCH(QString, fixture);
    QFETCH(Colors, colors);
    QCOMPARE(ReadColors(Fixture(fixture.toUtf8().constData())), colors);
  }

  void readCount_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("entries");
    QTest::newRow("no section") << QByteArray("[Other]\r\nCount=3\r\n") << 0;
    QTest::newRow("no count") << QByteArray("[Keep]\r\n0=0080FF\r\n") << 0;
    QTest::newRow("malformed") << QByteArray("[Keep]\r\nCount=3x\r\n0=0080FF\r\n") << 0;
    QTest::newRow("beyond 32 bits") << QByteArray("[Keep]\r\nCount=99999999999\r\n") << 0;
    QTest::newRow("negative") << QByteArray("[Keep]\r\nCount=-5\r\n0=0080FF\r\n") << 0;
    QTest::newRow("hexadecimal") << QByteArray("[Keep]\r\nCount=$3\r\n") << 3;
    QTest::newRow("0x") << QByteArray("[Keep]\r\nCount=0x10\r\n") << 16;
    QTest::newRow("names without case") << QByteArray("[KEEP]\r\ncount = 2 \r\n") << 2;
    QTest::newRow("at the limit") << QByteArray("[Keep]\r\nCount=65536\r\n") << 65536;
    QTest::newRow("above the limit") << QByteArray("[Keep]\r\nCount=65537\r\n") << 65536;
    QTest::newRow("largest") << QByteArray("[Keep]\r\nCount=2147483647\r\n") << 65536;
    QTest::newRow("hex wrapping negative") << QByteArray("[Keep]\r\nCount=$FFFFFFFF\r\n") << 0;
    QTest::newRow("binary garbage") << QByteArray("\x00\xFF[Keep\x00]\r\n\x81=\x9F", 13) << 0;
  }
  void readCount() {
    QFETCH(QByteArray, file);
    QFETCH(int, entries);
    const auto texts = hb::ReadKeepTexts(TIniDocument(file.toStdString()));
    QCOMPARE(int(texts.size()), entries);
  }

  void longValueKeepsSixCharacters() {
    // A huge value is cut to what is read of it, in characters.
    const std::string file = "[Keep]\r\nCount=2\r\n0=" + std::string(1 << 20, 'A') + "\r\n1=表ソ表ソ表ソ表ソ\r\n";
    const auto texts = hb::ReadKeepTexts(TIniDocument(file));
    QCOMPARE(texts.size(), std::size_t(2));
    QCOMPARE(texts[0], std::string("AAAAAA"));
    QCOMPARE(texts[1], std::string("表ソ表ソ表ソ"));
  }

  // ---- Writing -----------------------------------------------------------------

  void writeLeavesTheRestAlone_data() {
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<Colors>("write");
    QTest::addColumn<QByteArray>("expected");
    // Keys at Count and above stay; so do comments, other sections and keys.
    QTest::newRow("count 0, keys stay") << "count0_five_keys.ini" << Colors{}
                                        << QByteArray("[Keep]\r\nCount=0\r\n0=111111\r\n1=222222\r\n"
                                                      "2=333333\r\n3=444444\r\n4=555555\r\n");
    QTest::newRow("second of four deleted")
        << "four_kept.ini" << Colors{0x0000FF, 0xFF0000, 0xFFFFFF}
        << QByteArray("; colours set aside for the shop's site\r\n[Window]\r\nLeft=120\r\nTop=80\r\n\r\n"
                      "[Keep]\r\nCount=3\r\n0=0000FF\r\n1=FF0000\r\n2=FFFFFF\r\n3=FFFFFF\r\nNote=keep me\r\n\r\n"
                      "[Other]\r\n0=ABCDEF\r\n");
    QTest::newRow("third written white") << "count3_two_keys.ini" << Colors{0x0080FF, 0x0080FF, 0xFFFFFF}
                                         << QByteArray("[Keep]\r\nCount=3\r\n0=0080FF\r\n1=0080FF\r\n2=FFFFFF\r\n");
    QTest::newRow("only the first section") << "duplicate_sections.ini" << Colors{0x000001, 0x000002}
                                            << QByteArray("[Keep]\r\nCount=2\r\n0=000001\r\n1=000002\r\n"
                                                          "[Keep]\r\nCount=2\r\n0=FFFFFF\r\n1=000000\r\n");
    QTest::newRow("new file: count first") << "no_such_file.ini" << Colors{0x0080FF, 0xABCDEF}
                                           << QByteArray("[Keep]\r\nCount=2\r\n0=0080FF\r\n1=ABCDEF\r\n");
  }
  void writeLeavesTheRestAlone() {
    QFETCH(QString, fixture);
    QFETCH(Colors, write);
    QFETCH(QByteArray, expected);
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("huebrook.ini"));
    if (QFile::exists(Fixture(fixture.toUtf8().constData()))) path = CopyFixture(dir, fixture.toUtf8().constData());
    TIniFile file(path.toStdString());
    hb::WriteKeepList(file, write);
    QCOMPARE(QByteArray::fromStdString(ReadBytes(path)), expected);
    QCOMPARE(ReadColors(path), write);
  }

  void cp932FileStaysCp932() {
    QTemporaryDir dir;
    const QString path = CopyFixture(dir, "windows_cp932.ini");
    TIniFile file(path.toStdString());
    hb::WriteKeepList(file, {0x123456});
    const std::string bytes = ReadBytes(path);
    const std::string before = ReadBytes(Fixture("windows_cp932.ini"));
    // The Japanese section is kept byte for byte, still in CP932.
    QCOMPARE(bytes.substr(0, 32), before.substr(0, 32));
    QVERIFY(bytes.find("Count=1\r\n0=123456\r\n1=FF8000\r\n") != std::string::npos);
    QCOMPARE(TIniFile(path.toStdString()).ReadString("お気に入り", "名前", ""), std::string("表示ソフト"));
  }

  void damagedFileIsWrittenWellFormed() {
    // Garbage around the section: the next write keeps it and the keep
    // section reads back as written.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("huebrook.ini"));
    std::string garbage;
    for (int i = 0; i < 4096; ++i) garbage += char((i * 7919) & 0xFF);
    WriteBytes(path, garbage + "\r\n[Keep]\r\nCount=2147483647\r\n0=12345\r\n" + garbage);
    TIniFile file(path.toStdString());
    const Colors read = hb::KeepColorsFromTexts(hb::ReadKeepTexts(file));
    QCOMPARE(read.size(), std::size_t(hb::kKeepCountLimit - 1));  // key 0 is skipped
    hb::WriteKeepList(file, {0x0080FF, 0xFF0000});
    QCOMPARE(ReadColors(path), (Colors{0x0080FF, 0xFF0000}));
    QVERIFY(ReadBytes(path).find(garbage.substr(0, 100)) == 0);
  }

  void failedWriteChangesNothing_data() {
    QTest::addColumn<int>("failAt");  // TIniWriteStage, or -1 for a read-only file
    QTest::newRow("read-only file") << -1;
    QTest::newRow("while writing") << int(hb::TIniWriteStage::Written);
    QTest::newRow("before the rename") << int(hb::TIniWriteStage::Synced);
  }
  void failedWriteChangesNothing() {
    QFETCH(int, failAt);
    if (failAt < 0 && ::geteuid() == 0) QSKIP("root writes read-only files");
    QTemporaryDir dir;
    const QString path = CopyFixture(dir, "four_kept.ini");
    const std::string before = ReadBytes(path);
    HookReset reset;
    if (failAt < 0)
      ::chmod(path.toLocal8Bit().constData(), 0444);
    else
      hb::SetIniWriteHook([failAt](hb::TIniWriteStage stage, std::size_t) {
        if (int(stage) == failAt) throw std::runtime_error("disk full");
      });
    TIniFile file(path.toStdString());
    try {
      hb::WriteKeepList(file, {0x111111});
      QFAIL("the write reported success");
    } catch (const hb::IniWriteError& e) {
      QCOMPARE(QString::fromUtf8(e.what()), path + QStringLiteral(" に書き込めません"));
    }
    QCOMPARE(ReadBytes(path), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
  }

  void readOnlyFolderFails() {
    if (::geteuid() == 0) QSKIP("root writes into read-only folders");
    QTemporaryDir dir;
    const QString path = CopyFixture(dir, "four_kept.ini");
    ::chmod(dir.path().toLocal8Bit().constData(), 0555);
    TIniFile file(path.toStdString());
    QVERIFY_THROWS_EXCEPTION(hb::IniWriteError, hb::WriteKeepList(file, {0x111111}));
    ::chmod(dir.path().toLocal8Bit().constData(), 0755);
    QCOMPARE(ReadColors(path).size(), std::size_t(4));
  }

  // ---- History ring -----------------------------------------------------------------

  void history_data() {
    QTest::addColumn<Colors>("recorded");
    QTest::addColumn<Colors>("held");
    QTest::newRow("same colour again") << Colors{1, 1, 1} << Colors{1};
    QTest::newRow("red blue red") << Colors{0x0000FF, 0xFF0000, 0x0000FF} << Colors{0x0000FF, 0xFF0000, 0x0000FF};
    QTest::newRow("black is a colour") << Colors{0, 0} << Colors{0};
    Colors many, last32;
    for (std::uint32_t c = 1; c <= 33; ++c) many.push_back(c * 0x010203);
    last32.assign(many.begin() + 1, many.end());
    QTest::newRow("33 colours") << many << last32;
    // Full, the newest again: nothing moves.
    Colors repeated = many;
    repeated.push_back(many.back());
    QTest::newRow("33 colours, last repeated") << repeated << last32;
    // Full, an older colour again is appended as the newest.
    Colors older = many;
    older.push_back(many[5]);
    Colors expect(many.begin() + 2, many.end());
    expect.push_back(many[5]);
    QTest::newRow("older colour again when full") << older << expect;
  }
  void history() {
    QFETCH(Colors, recorded);
    QFETCH(Colors, held);
    THistoryRing ring;
    for (std::uint32_t c : recorded) ring.Record(c);
    QCOMPARE(ring.Colors(), held);
  }

  void historyReportsTheChange() {
    THistoryRing ring;
    for (std::uint32_t c = 0; c < 32; ++c) QCOMPARE(ring.Record(c), THistoryRing::Change::Appended);
    QCOMPARE(ring.Record(31), THistoryRing::Change::None);
    QCOMPARE(ring.Record(32), THistoryRing::Change::Shifted);
    QCOMPARE(ring.Colors().size(), THistoryRing::kCapacity);
    QCOMPARE(ring.Colors().front(), 1u);
  }
};

QTEST_GUILESS_MAIN(TestKeepSettings)
#include "tst_KeepSettings.moc"
