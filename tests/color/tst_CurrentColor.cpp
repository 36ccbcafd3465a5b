// The current colour on controls of its own, without the main window: one
// Show sets every control without telling it as a change, and a control the
// user moves makes exactly one refresh.

#include <QtTest>

#include <QLineEdit>
#include <QPushButton>

#include "color/CurrentColor.h"
#include "support/Controls.h"
#include "support/PictureButton.h"

class TestCurrentColor : public QObject {
  Q_OBJECT

  QWidget parent;
  std::array<hb::TTrackBar*, 10> bars{};
  std::array<hb::TSpinEdit*, 10> spins{};
  QLineEdit* hex = new QLineEdit(&parent);
  TPictureButton* view = new TPictureButton(&parent);
  hb::TStatusBar* status = new hb::TStatusBar(&parent, {200, 50, 416});
  hb::TCurrentColor* color = nullptr;
  int shown = 0;
  int changes = 0;  // OnChange calls

  QList<int> Controls() const {
    QList<int> values;
    for (std::size_t i = 0; i < 10; ++i) {
      if (bars[i]->Position() != spins[i]->Value()) return {};
      values << spins[i]->Value();
    }
    return values;
  }

 private slots:
  void initTestCase() {
    const int maxima[] = {255, 255, 255, 359, 100, 100, 255, 255, 255, 255};
    for (std::size_t i = 0; i < 10; ++i) {
      bars[i] = new hb::TTrackBar(&parent, 0, maxima[i], 1);
      spins[i] = new hb::TSpinEdit(&parent, 0, maxima[i], 3);
    }
    color = new hb::TCurrentColor(&parent,
                                  {{bars[0], bars[1], bars[2]}, {spins[0], spins[1], spins[2]},
                                   {bars[3], bars[4], bars[5]}, {spins[3], spins[4], spins[5]},
                                   {bars[6], bars[7], bars[8], bars[9]}, {spins[6], spins[7], spins[8], spins[9]},
                                   hex, view, status, {new QPushButton(&parent), new QPushButton(&parent)}},
                                  [this] { ++shown; });
    for (std::size_t i = 0; i < 10; ++i) {
      bars[i]->OnChange = [this](QObject*) {
        ++changes;
        color->GroupChanged(hb::TColorGroup::RGB, true);
      };
      spins[i]->OnChange = [this](QObject*) {
        ++changes;
        color->GroupChanged(hb::TColorGroup::RGB, false);
      };
    }
  }

  // Each row follows the one before: a grey keeps the hue shown before it, a
  // component outside 0..255 keeps the value its spin edit shows.
  void show_data() {
    QTest::addColumn<int>("R");
    QTest::addColumn<int>("G");
    QTest::addColumn<int>("B");
    QTest::addColumn<QList<int>>("controls");  // R G B, H S V, C M Y K
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("webSafe");
    QTest::newRow("orange") << 255 << 128 << 0 << QList<int>{255, 128, 0, 30, 100, 100, 0, 127, 255, 0} << "FF8000" << "";
    QTest::newRow("grey keeps hue") << 128 << 128 << 128 << QList<int>{128, 128, 128, 30, 0, 50, 0, 0, 0, 127}
                                    << "808080" << "";
    QTest::newRow("red kept") << 300 << 51 << 102 << QList<int>{128, 51, 102, 320, 60, 50, 0, 77, 26, 127}
                              << "803366" << "";
    QTest::newRow("web-safe") << 0 << 51 << 102 << QList<int>{0, 51, 102, 210, 100, 40, 102, 51, 0, 153}
                              << "003366" << "Webセーフカラー";
  }
  void show() {
    QFETCH(int, R);
    QFETCH(int, G);
    QFETCH(int, B);
    QFETCH(QList<int>, controls);
    QFETCH(QString, text);
    QFETCH(QString, webSafe);
    const int refreshes = color->RefreshCount();
    const int shownBefore = shown;
    const int changesBefore = changes;
    color->Show({R, G, B});
    QCOMPARE(Controls(), controls);
    QCOMPARE(hex->text(), text);
    QCOMPARE(view->Color(), QColor(controls[0], controls[1], controls[2]));
    QCOMPARE(status->PanelText(0), webSafe);
    // Setting twenty controls told none of them as the user's change.
    QCOMPARE(changes, changesBefore);
    QCOMPARE(color->RefreshCount(), refreshes + 1);
    QCOMPARE(color->MaxRefreshDepth(), 1);
    QCOMPARE(shown, shownBefore + 1);
  }

  void userMoveIsOneRefresh() {
    color->Show({10, 20, 30});
    const int refreshes = color->RefreshCount();
    bars[1]->setValue(200);
    QCOMPARE(color->RefreshCount(), refreshes + 1);
    QCOMPARE(hex->text(), QStringLiteral("0AC81E"));
    color->SetHooked(false);
    spins[2]->SetValue(40);
    QCOMPARE(color->RefreshCount(), refreshes + 1);
  }
};

QTEST_MAIN(TestCurrentColor)
#include "tst_CurrentColor.moc"
