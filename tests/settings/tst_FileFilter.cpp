// Save dialog filters and the extension given to a name typed without one.

#include <QtTest>

#include "settings/FileFilter.h"

using namespace hb;

class TestFileFilter : public QObject {
  Q_OBJECT

 private slots:
  void parse_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("pairs");  // description, pattern, ...
    QTest::newRow("image file") << QString::fromUtf8("ビットマップファイル(*.bmp)|*.bmp|JPEGファイル(*.jpg)|*.jpg")
                                << QStringList{QString::fromUtf8("ビットマップファイル(*.bmp)"), "*.bmp",
                                               QString::fromUtf8("JPEGファイル(*.jpg)"), "*.jpg"};
    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("description without pattern dropped") << "A|*.a|B" << QStringList{"A", "*.a"};
    QTest::newRow("trailing bar") << "A|*.a|" << QStringList{"A", "*.a"};
    QTest::newRow("empty parts kept in pairs") << "|*.a|B|" << QStringList{"", "*.a", "B", ""};
  }
  void parse() {
    QFETCH(QString, filter);
    QFETCH(QStringList, pairs);
    QStringList got;
    for (const TFileFilter& f : ParseFileFilter(filter.toStdString()))
      got << QString::fromStdString(f.description) << QString::fromStdString(f.pattern);
    QCOMPARE(got, pairs);
  }

  void defaultExtension_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("result");
    QTest::newRow("BMP filter") << "/d/colour" << "*.bmp" << "/d/colour.bmp";
    QTest::newRow("JPEG filter") << "/d/colour" << "*.jpg" << "/d/colour.jpg";
    QTest::newRow("own extension kept") << "/d/colour.png" << "*.jpg" << "/d/colour.png";
    QTest::newRow("upper-case extension kept") << "/d/colour.JPEG" << "*.bmp" << "/d/colour.JPEG";
    QTest::newRow("dot in the folder only") << "/d.x/colour" << "*.jpg" << "/d.x/colour.jpg";
    QTest::newRow("trailing dot") << "/d/colour." << "*.jpg" << "/d/colour.jpg";
    QTest::newRow("filter without one extension: default") << "/d/colour" << "*.*" << "/d/colour.bmp";
    QTest::newRow("list of patterns: default") << "/d/colour" << "*.jpg;*.jpeg" << "/d/colour.bmp";
    QTest::newRow("multi-byte name") << QString::fromUtf8("/d/表ソ") << "*.jpg" << QString::fromUtf8("/d/表ソ.jpg");
  }
  void defaultExtension() {
    QFETCH(QString, typed);
    QFETCH(QString, pattern);
    QFETCH(QString, result);
    QCOMPARE(QString::fromStdString(WithDefaultExtension(typed.toStdString(), pattern.toStdString(), "bmp")),
             result);
  }
};

QTEST_GUILESS_MAIN(TestFileFilter)
#include "tst_FileFilter.moc"
