#include <QtTest>

#include "text/CodePage.h"

using hb::TCodePage;

namespace {
// "表" and "ソ" in CP932: both end in 0x5C, the backslash.
const std::string kHyo932 = "\x95\x5C";
const std::string kSo932 = "\x83\x5C";
} // namespace

class TestCodePage : public QObject {
  Q_OBJECT
 private slots:
  void charCount_data() {
    QTest::addColumn<int>("cp");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("count");
    const int u = int(TCodePage::Utf8), s = int(TCodePage::Cp932);
    QTest::newRow("empty") << u << QByteArray() << 0;
    QTest::newRow("ascii") << u << QByteArray("abc") << 3;
    QTest::newRow("utf8 kana") << u << QByteArray("あいう") << 3;
    QTest::newRow("utf8 four-byte") << u << QByteArray("a\xF0\x9F\x98\x80" "b") << 3;
    QTest::newRow("utf8 stray continuation") << u << QByteArray("\x80\x80") << 2;
    QTest::newRow("utf8 truncated sequence") << u << QByteArray("\xE3\x81") << 2;
    QTest::newRow("utf8 overlong") << u << QByteArray("\xC0\xAF") << 2;
    QTest::newRow("utf8 surrogate") << u << QByteArray("\xED\xA0\x80") << 3;
    QTest::newRow("cp932 kana") << s << QByteArray("\x82\xA0\x82\xA2\x82\xA4") << 3;
    QTest::newRow("cp932 hyo backslash") << s << QByteArray((kHyo932 + "\\").c_str()) << 2;
    QTest::newRow("cp932 half-width kana") << s << QByteArray("\xB1\xB2") << 2;
    QTest::newRow("cp932 lone lead at end") << s << QByteArray("a\x95") << 2;
  }
  void charCount() {
    QFETCH(int, cp);
    QFETCH(QByteArray, text);
    QFETCH(int, count);
    QCOMPARE(int(hb::CharCount(TCodePage(cp), std::string_view(text.constData(), text.size()))), count);
  }

  void conversionRoundTrip() {
    const std::string utf8 = "表ソ能 abc ｱｲｳ ①";
    const auto cp932 = hb::Utf8ToCp932(utf8);
    QVERIFY(cp932.has_value());
    QVERIFY(cp932->find(kHyo932 + kSo932) == 0);
    bool ok = false;
    QCOMPARE(hb::Cp932ToUtf8(*cp932, &ok), utf8);
    QVERIFY(ok);
  }

  void conversionFailures() {
    QVERIFY(!hb::Utf8ToCp932("emoji \xF0\x9F\x98\x80").has_value());
    QVERIFY(!hb::Utf8ToCp932("bad \xFF").has_value());
    // Written in a look-alike's form, they would read back as another character.
    for (const char* lookAlike : {"\xC2\xAC", "\xE2\x80\x94", "\xC2\xA5"})
      QVERIFY2(!hb::Utf8ToCp932(lookAlike).has_value(), lookAlike);
    bool ok = true;
    // 0xA0 is no CP932 character; 0x81 0x20 is a lead byte with a bad partner.
    const std::string out = hb::Cp932ToUtf8("a\xA0" "b\x81 c", &ok);
    QVERIFY(!ok);
    QCOMPARE(out.substr(0, 1), std::string("a"));
    QVERIFY(out.find("b") != std::string::npos);
    QVERIFY(out.find("c") != std::string::npos);
  }

  void detectEncoding_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("encoding");
    QTest::newRow("empty") << QByteArray() << int(hb::TextEncoding::Utf8);
    QTest::newRow("ascii") << QByteArray("[Keep]\r\nCount=0\r\n") << int(hb::TextEncoding::Utf8);
    QTest::newRow("bom") << QByteArray("\xEF\xBB\xBF[a]") << int(hb::TextEncoding::Utf8Bom);
    QTest::newRow("utf8") << QByteArray("[空]\nR=1") << int(hb::TextEncoding::Utf8);
    QTest::newRow("cp932") << QByteArray(("[" + kHyo932 + "]\r\nR=1").c_str()) << int(hb::TextEncoding::Cp932);
    QTest::newRow("utf16 le") << QByteArray("\xFF\xFE[\0a\0]\0", 8) << int(hb::TextEncoding::Utf16Le);
    QTest::newRow("utf16 be") << QByteArray("\xFE\xFF\0[\0a\0]", 8) << int(hb::TextEncoding::Utf16Be);
  }
  void detectEncoding() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, encoding);
    QCOMPARE(int(hb::DetectIniEncoding(std::string_view(bytes.constData(), bytes.size()))), encoding);
  }

  // Every even number of bytes comes back the same, unpaired surrogates too.
  void utf16RoundTrip_data() {
    QTest::addColumn<QByteArray>("le");  // little-endian bytes
    QTest::addColumn<QByteArray>("utf8");
    QTest::newRow("ascii") << QByteArray("a\0=\0", 4) << QByteArray("a=");
    QTest::newRow("kana") << QByteArray("\xA2\x30", 2) << QByteArray("ア");
    QTest::newRow("pair") << QByteArray("\x3D\xD8\x00\xDE", 4) << QByteArray("\xF0\x9F\x98\x80");
    QTest::newRow("lone high") << QByteArray("\x3D\xD8" "a\0", 4) << QByteArray("\xED\xA0\xBD" "a");
    QTest::newRow("lone low at end") << QByteArray("\x00\xDE", 2) << QByteArray("\xED\xB8\x80");
    QTest::newRow("nul") << QByteArray("\0\0", 2) << QByteArray("\0", 1);
  }
  void utf16RoundTrip() {
    QFETCH(QByteArray, le);
    QFETCH(QByteArray, utf8);
    const std::string_view bytes(le.constData(), std::size_t(le.size()));
    std::string be(bytes);
    for (std::size_t i = 0; i + 1 < be.size(); i += 2) std::swap(be[i], be[i + 1]);
    bool whole = false;
    const std::string fromLe = hb::Utf16ToUtf8(bytes, false, &whole);
    QVERIFY(whole);
    QCOMPARE(QByteArray::fromStdString(fromLe), utf8);
    QCOMPARE(hb::Utf16ToUtf8(be, true), fromLe);
    QCOMPARE(hb::Utf8ToUtf16(fromLe, false), std::string(bytes));
    QCOMPARE(hb::Utf8ToUtf16(fromLe, true), be);
    hb::Utf16ToUtf8(std::string(bytes) + "x", false, &whole);
    QVERIFY(!whole);
  }

  // Only conversions that come back byte for byte.
  void exactCp932_data() {
    QTest::addColumn<QByteArray>("cp932");
    QTest::addColumn<bool>("exact");
    QTest::newRow("kanji and kana") << QByteArray((kHyo932 + kSo932 + "\xB1").c_str()) << true;
    QTest::newRow("lead byte before a line break") << QByteArray("Caf\xE9\n") << false;
    QTest::newRow("unassigned and invalid") << QByteArray("\x85\x40\xFF\xA0") << false;
    QTest::newRow("NEC copy of an IBM kanji") << QByteArray("\xED\x40") << false;
    QTest::newRow("lone lead at end") << QByteArray("a\x95") << false;
  }
  void exactCp932() {
    QFETCH(QByteArray, cp932);
    QFETCH(bool, exact);
    const auto utf8 = hb::Cp932ToUtf8Exact(std::string_view(cp932.constData(), std::size_t(cp932.size())));
    QCOMPARE(utf8.has_value(), exact);
    if (exact) QCOMPARE(hb::Utf8ToCp932(*utf8), cp932.toStdString());
  }
};

QTEST_GUILESS_MAIN(TestCodePage)
#include "tst_CodePage.moc"
