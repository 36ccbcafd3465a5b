#include <QtTest>

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>
#include <random>

#include "text/CharText.h"
#include "text/Errors.h"
#include "text/ReducePathName.h"
#include "text/StringCut.h"
#include "support/ProcessPending.h"

using hb::TCodePage;

Q_DECLARE_METATYPE(hb::TCodePage)
Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(hb::TCutPart)
Q_DECLARE_METATYPE(long double)

namespace {

// Rows are written in UTF-8; the CP932 row is the same text converted, so 表
// and ソ become 95 5C and 83 5C, both ending in a backslash byte.
std::string In(TCodePage cp, const std::string& utf8) {
  return cp == TCodePage::Utf8 ? utf8 : hb::Utf8ToCp932(utf8).value();
}
const TCodePage kBoth[] = {TCodePage::Utf8, TCodePage::Cp932};
QByteArray RowName(TCodePage cp, const char* name) {
  return (cp == TCodePage::Utf8 ? "utf8: " : "cp932: ") + QByteArray(name);
}

// The literal character-by-character definitions, as a reference.
std::vector<std::size_t> Bounds(TCodePage cp, std::string_view s) {
  std::vector<std::size_t> b{0};
  for (std::size_t p = 0; p < s.size(); b.push_back(p)) p += hb::CharByteLength(cp, s, p);
  return b;
}
std::string RefMid(TCodePage cp, std::string_view s, int start, int count) {
  const auto b = Bounds(cp, s);
  const long c = long(b.size()) - 1;
  start = std::max(start, 1);
  if (count <= 0 || start > c) return {};
  return std::string(s.substr(b[start - 1], b[std::min(long(start) - 1 + count, c)] - b[start - 1]));
}
std::string RefMidFrom(TCodePage cp, std::string_view s, int n) {
  const auto b = Bounds(cp, s);
  if (n <= 1) return std::string(s);
  return n > long(b.size()) - 1 ? std::string() : std::string(s.substr(b[n - 1]));
}
int RefInStr(TCodePage cp, std::string_view s, std::string_view sub) {
  const int c = int(hb::CharCount(cp, s)), k = int(hb::CharCount(cp, sub));
  for (int i = 1; i <= c; ++i)
    if (RefMid(cp, s, i, k) == sub) return i;
  return 0;
}
int RefLast(TCodePage cp, std::string_view s, std::string_view sub) {  // sub not empty
  const int L = int(hb::CharCount(cp, sub));
  int last = 0;
  for (int p = RefInStr(cp, s, sub); p > 0;) {
    last = p;
    const int q = RefInStr(cp, RefMidFrom(cp, s, p + L), sub);
    p = q == 0 ? 0 : p + L + q - 1;
  }
  return last;
}

} // namespace

class TestTextHelpers : public QObject {
  Q_OBJECT
 private slots:
  void cuts_data() {
    QTest::addColumn<TCodePage>("cp");
    QTest::addColumn<QString>("fn");
    QTest::addColumn<std::string>("s");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<std::string>("expected");
    for (TCodePage cp : kBoth) {
      auto row = [&](const char* name, const char* fn, const char* s, int a, int b, const char* expected) {
        QTest::newRow(RowName(cp, name)) << cp << QString(fn) << In(cp, s) << a << b << In(cp, expected);
      };
      row("len kana", "len", "あいう", 0, 0, "3");
      row("len empty", "len", "", 0, 0, "0");
      row("len hyo so backslash", "len", "表ソ\\", 0, 0, "3");
      row("left 2", "left", "ABCDE", 2, 0, "AB");
      row("left past end", "left", "ABC", 5, 0, "ABC");
      row("left 0", "left", "ABC", 0, 0, "");
      row("left negative", "left", "ABC", -1, 0, "");
      row("left whole chars", "left", "表ソ\\a", 2, 0, "表ソ");
      row("right 2", "right", "ABCDE", 2, 0, "DE");
      row("right past length is empty", "right", "ABC", 4, 0, "");
      row("right all", "right", "ABC", 3, 0, "ABC");
      row("right 0", "right", "ABC", 0, 0, "");
      row("right backslash after hyo", "right", "表\\", 1, 0, "\\");
      row("mid kana", "mid", "あいうえ", 2, 2, "いう");
      row("mid past end", "mid", "ABC", 4, 1, "");
      row("mid start below 1", "mid", "あいう", -5, 2, "あい");
      row("mid count 0", "mid", "あいう", 2, 0, "");
      row("mid runs off end", "mid", "表ソう", 2, 99, "ソう");
      row("mid extreme ints", "mid", "表ソ", INT_MIN, INT_MAX, "表ソ");
      row("midfrom 2", "midfrom", "表ソう", 2, 0, "ソう");
      row("midfrom 0", "midfrom", "表ソう", 0, 0, "表ソう");
      row("midfrom past end", "midfrom", "表ソう", 4, 0, "");
      row("midfrom INT_MAX", "midfrom", "表", INT_MAX, 0, "");
    }
    // Bytes that are no complete character count as characters of their own.
    const auto raw = [](const char* name, TCodePage cp, const char* fn, std::string s, int a, int b, std::string e) {
      QTest::newRow(name) << cp << QString(fn) << s << a << b << e;
    };
    raw("cp932 lone lead at end", TCodePage::Cp932, "right", "a\x95", 1, 0, "\x95");
    raw("cp932 lead takes backslash", TCodePage::Cp932, "left", "\x95\\\\", 1, 0, "\x95\\");
    raw("utf8 truncated sequence", TCodePage::Utf8, "mid", "\xE3\x81" "a", 2, 2, "\x81" "a");
    raw("utf8 four-byte is one", TCodePage::Utf8, "len", "a\xF0\x9F\x98\x80" "b", 0, 0, "3");
    raw("utf8 stray continuation", TCodePage::Utf8, "right", "\xE3\x81\x82\x82", 1, 0, "\x82");
  }
  void cuts() {
    QFETCH(TCodePage, cp);
    QFETCH(QString, fn);
    QFETCH(std::string, s);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(std::string, expected);
    std::string got;
    if (fn == "len") got = std::to_string(hb::CharLen(s, cp));
    else if (fn == "left") got = hb::CharLeft(s, a, cp);
    else if (fn == "right") got = hb::CharRight(s, a, cp);
    else if (fn == "mid") got = hb::CharMid(s, a, b, cp);
    else got = hb::CharMidFrom(s, a, cp);
    QCOMPARE(got, expected);
  }

  void charInStr_data() {
    QTest::addColumn<TCodePage>("cp");
    QTest::addColumn<std::string>("s");
    QTest::addColumn<std::string>("sub");
    QTest::addColumn<int>("pos");
    for (TCodePage cp : kBoth) {
      auto row = [&](const char* name, const char* s, const char* sub, int pos) {
        QTest::newRow(RowName(cp, name)) << cp << In(cp, s) << In(cp, sub) << pos;
      };
      row("trail byte is no backslash", "表a\\b", "\\", 3);
      row("after so", "ソ\\ソ", "\\", 2);
      row("empty sub", "abc", "", 1);
      row("empty text", "", "a", 0);
      row("both empty", "", "", 0);
      row("sub longer than text", "表", "表表", 0);
      row("overlapping candidates", "表表表ソ", "表ソ", 3);
      row("case-sensitive", "ABC", "b", 0);
    }
    QTest::newRow("cp932 lone lead inside a pair") << TCodePage::Cp932 << std::string("\x95\\") << std::string("\x95") << 0;
    QTest::newRow("cp932 lone lead at end") << TCodePage::Cp932 << std::string("a\x95") << std::string("\x95") << 2;
    QTest::newRow("cp932 pair across chars") << TCodePage::Cp932 << std::string("\x95\x95\\") << std::string("\x95\\") << 0;
    QTest::newRow("utf8 truncated inside") << TCodePage::Utf8 << std::string("あ") << std::string("\xE3\x81") << 0;
    QTest::newRow("utf8 truncated at end") << TCodePage::Utf8 << std::string("x\xE3\x81") << std::string("\xE3\x81") << 2;
  }
  void charInStr() {
    QFETCH(TCodePage, cp);
    QFETCH(std::string, s);
    QFETCH(std::string, sub);
    QFETCH(int, pos);
    QCOMPARE(hb::CharInStr(s, sub, cp), pos);
    QCOMPARE(RefInStr(cp, s, sub), pos);
  }

  void stringCut_data() {
    QTest::addColumn<TCodePage>("cp");
    QTest::addColumn<std::string>("s");
    QTest::addColumn<std::string>("sep");
    QTest::addColumn<hb::TCutPart>("part");
    QTest::addColumn<bool>("first");
    QTest::addColumn<std::string>("expected");
    for (TCodePage cp : kBoth) {
      auto row = [&](const char* name, const char* s, const char* sep, hb::TCutPart part, bool first, const char* e) {
        QTest::newRow(RowName(cp, name)) << cp << In(cp, s) << In(cp, sep) << part << first << In(cp, e);
      };
      const char* exe = "C:\\Tools\\app.exe";
      row("folder of executable", exe, "\\", hb::cpThrough, false, "C:\\Tools\\");
      row("settings path", exe, ".", hb::cpThrough, false, "C:\\Tools\\app.");
      row("name without extension", exe, ".", hb::cpBefore, false, "C:\\Tools\\app");
      row("extension", exe, ".", hb::cpAfter, false, "exe");
      row("from last dot", "my.colors.hb", ".", hb::cpFrom, false, ".hb");
      const char* jp = "C:\\表示\\ソフト\\a.hb";
      row("folder with hyo and so", jp, "\\", hb::cpThrough, false, "C:\\表示\\ソフト\\");
      row("first backslash", jp, "\\", hb::cpAfter, true, "表示\\ソフト\\a.hb");
      row("absent before", "name", ".", hb::cpBefore, false, "");
      row("absent through", "name", ".", hb::cpThrough, true, "");
      row("absent after", "name", ".", hb::cpAfter, false, "name");
      row("absent from", "name", ".", hb::cpFrom, true, "name");
      row("absent long sep through", "abc", "表ソ", hb::cpThrough, false, "");
      row("absent long sep after", "abc", "表ソ", hb::cpAfter, false, "abc");
      row("a.b.c first before", "a.b.c", ".", hb::cpBefore, true, "a");
      row("a.b.c last before", "a.b.c", ".", hb::cpBefore, false, "a.b");
      row("a.b.c last after", "a.b.c", ".", hb::cpAfter, false, "c");
      row("last of non-overlapping", "ソソソソソ", "ソソ", hb::cpBefore, false, "ソソ");
      row("empty sep last", "表ソa", "", hb::cpAfter, false, "a");
      row("empty sep first", "表ソa", "", hb::cpAfter, true, "表ソa");
      row("empty text", "", "\\", hb::cpFrom, false, "");
      row("undefined part", "a.b", ".", hb::TCutPart(7), false, "");
    }
  }
  void stringCut() {
    QFETCH(TCodePage, cp);
    QFETCH(std::string, s);
    QFETCH(std::string, sep);
    QFETCH(hb::TCutPart, part);
    QFETCH(bool, first);
    QFETCH(std::string, expected);
    QCOMPARE(hb::StringCut(s, sep, part, first, cp), expected);
  }

  void reducePathName_data() {
    QTest::addColumn<TCodePage>("cp");
    QTest::addColumn<std::string>("s");
    QTest::addColumn<int>("maxLen");
    QTest::addColumn<std::string>("expected");
    const std::string fifty = "abcdefghijklmnopqrstuvwxyz0123456789ABCDEFGHIJKLMN";
    for (TCodePage cp : kBoth) {
      auto row = [&](const char* name, const std::string& s, int maxLen, const std::string& e) {
        QTest::newRow(RowName(cp, name)) << cp << In(cp, s) << maxLen << In(cp, e);
      };
      row("50 bytes to 40", fifty, 40, fifty.substr(0, 18) + "..." + fifty.substr(31));
      row("40 bytes unchanged", fifty.substr(0, 40), 40, fifty.substr(0, 40));
      row("a = 5 keeps 2 + 3", "abcdefghij", 8, "ab...hij");
      row("a = 7 keeps 4 + 3", "abcdefghijkl", 10, "abcd...jkl");
      row("maxLen 3", "abcd", 3, "...");
      row("maxLen 2", "abc", 2, "...");
      row("maxLen negative", "a", -1, "...");
      row("empty, maxLen 0", "", 0, "");
      // Both cuts fall inside 表 (its trail byte 0x5C in CP932, its middle in
      // UTF-8): the head ends before it, the tail starts after it.
      row("cuts inside characters", "a表bcdef表gh", 8, "a...gh");
    }
    QTest::newRow("cp932 cut on boundary") << TCodePage::Cp932 << std::string("ab\x95\\cdefgh") << 8 << std::string("ab...fgh");
    QTest::newRow("utf8 head ends after char") << TCodePage::Utf8 << std::string("\xC3\xA9" "cdefghi") << 8 << std::string("\xC3\xA9...ghi");
  }
  void reducePathName() {
    QFETCH(TCodePage, cp);
    QFETCH(std::string, s);
    QFETCH(int, maxLen);
    QFETCH(std::string, expected);
    QCOMPARE(hb::ReducePathName(s, maxLen, cp), expected);
  }

  void intFromFloatText_data() {
    QTest::addColumn<long double>("x");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");  // shown in the error, empty when none
    QTest::newRow("255") << 255.0L << 255 << QString("");
    QTest::newRow("minus zero") << -0.0L << 0 << QString("");
    QTest::newRow("noise below 255") << 254.99999999999999L << 255 << QString("");
    QTest::newRow("noise above 3") << (0.1 + 0.2) * 10.0L << 3 << QString("");
    QTest::newRow("int max") << 2147483647.0L << INT_MAX << QString("");
    QTest::newRow("int min") << -2147483648.0L << INT_MIN << QString("");
    QTest::newRow("fraction") << 2.5L << 0 << QString("2.5");
    QTest::newRow("small fraction") << -0.25L << 0 << QString("-0.25");
    QTest::newRow("above int max") << 2147483648.0L << 0 << QString("2147483648");
    QTest::newRow("below int min") << -2147483649.0L << 0 << QString("-2147483649");
    QTest::newRow("exponent form") << 1e20L << 0 << QString("1e+20");
    QTest::newRow("infinity") << std::numeric_limits<long double>::infinity() << 0 << QString("inf");
    QTest::newRow("nan") << std::numeric_limits<long double>::quiet_NaN() << 0 << QString("nan");
  }
  void intFromFloatText() {
    QFETCH(long double, x);
    QFETCH(int, value);
    QFETCH(QString, text);
    if (text.isEmpty()) {
      QCOMPARE(hb::IntFromFloatText(x), value);
      return;
    }
    try {
      hb::IntFromFloatText(x);
      QFAIL("no conversion error");
    } catch (const hb::ConversionError& e) {
      QCOMPARE(QString(e.what()), "'" + text + "' is not a valid integer value");
    }
  }

  void processPendingRunsPostedEventsAndDueTimers() {
    bool posted = false, zeroTimer = false, dueTimer = false;
    QMetaObject::invokeMethod(this, [&] { posted = true; }, Qt::QueuedConnection);
    QTimer::singleShot(0, this, [&] { zeroTimer = true; });
    QTimer::singleShot(5, this, [&] { dueTimer = true; });
    QThread::msleep(30);
    hb::ProcessPending();
    QVERIFY(posted);
    QVERIFY(zeroTimer);
    QVERIFY(dueTimer);
  }

  // The paced form runs at its first call, skips calls within the interval,
  // and runs again once the interval has passed.
  void pacedPendingRunsOncePerInterval() {
    hb::TPacedPending pending(std::chrono::milliseconds(20));
    int runs = 0;
    auto post = [&] { QMetaObject::invokeMethod(this, [&] { ++runs; }, Qt::QueuedConnection); };
    post();
    pending();
    QCOMPARE(runs, 1);
    post();
    pending();
    QCOMPARE(runs, 1);
    QThread::msleep(30);
    pending();
    QCOMPARE(runs, 2);
  }

  // The linear searches against the literal definitions, on short texts full
  // of lead bytes, trail bytes and backslashes.
  void randomAgainstLiteral() {
    const char alphabet[] = {'\x95', '\x5C', '\x83', '\xE3', '\x81', '\x82', 'a', '\\'};
    std::mt19937 rng(20240611);
    auto text = [&](int maxLen) {
      std::string t(rng() % (maxLen + 1), ' ');
      for (char& c : t) c = alphabet[rng() % sizeof alphabet];
      return t;
    };
    for (TCodePage cp : kBoth) {
      for (int iter = 0; iter < 20000; ++iter) {
        const std::string s = text(12), sub = text(4);
        const int a = int(rng() % 12) - 2, b = int(rng() % 10) - 2;
        const QByteArray ctx = QByteArray::fromStdString(s).toHex(' ') + " | " +
                               QByteArray::fromStdString(sub).toHex(' ') + " cp " + QByteArray::number(int(cp));
        QVERIFY2(hb::CharMid(s, a, b, cp) == RefMid(cp, s, a, b), ctx.constData());
        QVERIFY2(hb::CharMidFrom(s, a, cp) == RefMidFrom(cp, s, a), ctx.constData());
        const int c = int(hb::CharCount(cp, s));
        QVERIFY2(hb::CharRight(s, b, cp) == (c - b < 0 ? "" : RefMidFrom(cp, s, c - b + 1)), ctx.constData());
        const int first = RefInStr(cp, s, sub);
        QVERIFY2(hb::CharInStr(s, sub, cp) == first, ctx.constData());
        if (sub.empty()) continue;
        const int last = RefLast(cp, s, sub), L = int(hb::CharCount(cp, sub));
        QVERIFY2(hb::FindCharOccurrence(s, sub, false, cp).pos == last, ctx.constData());
        if (last > 0) {
          QVERIFY2(hb::StringCut(s, sub, hb::cpBefore, false, cp) == RefMid(cp, s, 1, last - 1), ctx.constData());
          QVERIFY2(hb::StringCut(s, sub, hb::cpThrough, false, cp) == RefMid(cp, s, 1, last - 1 + L), ctx.constData());
          QVERIFY2(hb::StringCut(s, sub, hb::cpAfter, false, cp) == RefMidFrom(cp, s, last + L), ctx.constData());
          QVERIFY2(hb::StringCut(s, sub, hb::cpFrom, true, cp) == RefMidFrom(cp, s, first), ctx.constData());
        }
      }
    }
  }
};

QTEST_GUILESS_MAIN(TestTextHelpers)
#include "tst_TextHelpers.moc"
