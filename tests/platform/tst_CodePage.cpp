#include <QtTest>

#include "platform/CodePage.h"

using hb::CodePage;

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
    const int u = int(CodePage::Utf8), s = int(CodePage::Cp932);
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
    QCOMPARE(int(hb::CharCount(CodePage(cp), std::string_view(text.constData(), text.size()))), count);
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
  }
  void detectEncoding() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, encoding);
    QCOMPARE(int(hb::DetectIniEncoding(std::string_view(bytes.constData(), bytes.size()))), encoding);
  }
};

QTEST_GUILESS_MAIN(TestCodePage)
#include "tst_CodePage.moc"
