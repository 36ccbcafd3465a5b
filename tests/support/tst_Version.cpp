// The version look-up: the program's own values, and resources without a
// translation table, with another translation or without the value.

#include <QtTest>

#include "support/Version.h"

using hb::TVersionResource;

class TestVersion : public QObject {
  Q_OBJECT

 private slots:
  void programValues_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("value");
    QTest::newRow("Comments") << 0 << "";
    QTest::newRow("CompanyName") << 1 << "Huebrook Project";
    // The package's version, whatever it is; the file version adds a fourth number.
    QTest::newRow("FileVersion") << 3 << HB_PACKAGE_VERSION ".0";
    QTest::newRow("LegalCopyright") << 5 << "Huebrook Project";
    QTest::newRow("ProductName") << 9 << "Huebrook";
    QTest::newRow("ProductVersion") << 10 << HB_PACKAGE_VERSION;
    QTest::newRow("SpecialBuild") << 11 << "";
    QTest::newRow("no such key") << 12 << "";
    QTest::newRow("negative index") << -1 << "";
  }
  void programValues() {
    QFETCH(int, index);
    QTEST(QString::fromStdString(GetVersionString(index)), "value");
  }

  void noResourceIsEmpty() { QCOMPARE(hb::GetVersionString(nullptr, 9), std::string()); }

  void noTranslationTableFails() {
    const TVersionResource resource{{}, {{"\\StringFileInfo\\041103A4\\ProductName", "Huebrook"}}};
    try {
      hb::GetVersionString(&resource, 9);
      QFAIL("no error without a translation table");
    } catch (const hb::VersionInfoError& e) {
      QCOMPARE(QString::fromUtf8(e.what()), QString::fromUtf8("情報の取得に失敗しました"));
    }
  }

  // The first translation names the block; values of other blocks are not seen.
  void firstTranslationChoosesBlock() {
    const TVersionResource resource{
        {0x04B00409u, 0x03A40411u},
        {{"\\StringFileInfo\\041103A4\\ProductName", "Japanese"},
         {"\\StringFileInfo\\040904B0\\ProductName", "English"}}};
    QCOMPARE(hb::GetVersionString(&resource, 9), std::string("English"));
    QCOMPARE(hb::GetVersionString(&resource, 10), std::string());
  }

  void valueEndsAtZeroByte() {
    const TVersionResource resource{
        {0x03A40411u}, {{"\\StringFileInfo\\041103A4\\Comments", std::string("abc\0def", 7)}}};
    QCOMPARE(hb::GetVersionString(&resource, 0), std::string("abc"));
  }
};

QTEST_GUILESS_MAIN(TestVersion)
#include "tst_Version.moc"
