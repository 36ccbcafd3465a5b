// The files beside the executable: the settings file's name from the
// executable's path.

#include <QtTest>

#include "platform/AppPaths.h"

class TestAppPaths : public QObject {
  Q_OBJECT

 private slots:
  void settingsPath_data() {
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QString>("settings");
    QTest::newRow("no extension") << "/opt/hb/huebrook" << "/opt/hb/huebrook.ini";
    QTest::newRow("extension replaced") << "/opt/hb/app.exe" << "/opt/hb/app.ini";
    QTest::newRow("last dot of the name") << "/opt/hb/hue.brook.bin" << "/opt/hb/hue.brook.ini";
    QTest::newRow("dot in a folder only") << "/opt/hb.d/huebrook" << "/opt/hb.d/huebrook.ini";
    QTest::newRow("dotted folders and name") << "/a.b/c.d/e" << "/a.b/c.d/e.ini";
    QTest::newRow("hidden file") << "/opt/hb/.huebrook" << "/opt/hb/.huebrook.ini";
    QTest::newRow("trailing dot") << "/opt/hb/huebrook." << "/opt/hb/huebrook.ini";
    QTest::newRow("no folder") << "huebrook" << "huebrook.ini";
    QTest::newRow("no folder, extension") << "app.exe" << "app.ini";
    QTest::newRow("Japanese name") << "/opt/色/表ソ.bin" << "/opt/色/表ソ.ini";
  }
  void settingsPath() {
    QFETCH(QString, executable);
    QFETCH(QString, settings);
    QCOMPARE(QString::fromStdString(hb::SettingsPathFor(executable.toStdString())), settings);
  }

  void folderOf() {
    QCOMPARE(QString::fromStdString(hb::FolderOf("/opt/hb.d/huebrook")), QStringLiteral("/opt/hb.d/"));
    QCOMPARE(QString::fromStdString(hb::FolderOf("huebrook")), QString());
  }
};

QTEST_GUILESS_MAIN(TestAppPaths)
#include "tst_AppPaths.moc"
