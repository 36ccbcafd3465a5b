// A sampling burst paints the window once per display frame: the samples set
// the controls at once, the painting and the hue-scheme row wait for the
// frame, and the end of the burst leaves the last sample on screen. The
// frames are given by hand (the frame timer never runs here) and the samples
// are taken by calling the sampler's tick, so nothing depends on timing.

#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include "app/frmMain.h"
#include "capture/CaptureBurst.h"
#include "capture/FrameThrottle.h"
#include "capture/ScreenColorPicker.h"
#include "chart/HueScheme.h"
#include "chart/SchemeRow.h"
#include "platform/FakeScreen.h"
#include "platform/Wakeups.h"

namespace {

// Counts the paint events each watched widget receives.
class PaintCounter : public QObject {
 public:
  std::map<QObject*, int> paints;
  void Watch(QWidget* widget) {
    paints[widget] = 0;
    widget->installEventFilter(this);
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints[watched];
    return false;
  }
};

QColor SampleColor(QPoint p) { return QColor((p.x() * 5) & 255, (p.y() * 3) & 255, (p.x() + p.y()) & 255); }

} // namespace

class TestBurstFrames : public QObject {
  Q_OBJECT

  hb::FakeScreen screen;
  hb::ScopedScreen* scoped = nullptr;
  TfrmMain* w = nullptr;
  PaintCounter counter;
  int nextPoint = 0;

  hb::TFrameThrottle& Frames() { return w->CaptureBurst->Frames(); }

  // A burst whose sampler and stop timer stay off: the test takes the samples.
  void StartBurst() {
    w->StartScreenPick(false);
    w->abfColorPicker1->SetEnabled(false);
    w->TimMouseDoun->SetEnabled(false);
    QVERIFY(Frames().Holding());
  }

  // One sample at a point not sampled before, of the colour given (else the
  // screen's own there); returns its colour.
  QColor Sample(const QColor& color = QColor()) {
    const QPoint p(10 + 7 * nextPoint, 20 + 3 * (nextPoint % 40));
    ++nextPoint;
    if (color.isValid()) screen.image.setPixel(p, color.rgb());
    screen.cursor = p;
    w->abfColorPicker1Timer(nullptr);
    QCoreApplication::processEvents();
    return color.isValid() ? color : SampleColor(p);
  }

  // Lets the scheme timer's one-shot tick come (it only asks for a rebuild).
  void LetSchemeTimerTick() {
    QTRY_VERIFY(!w->timOptionPanel->Enabled());
    QCoreApplication::processEvents();
  }

  // The chosen scheme's row around pure red, the last sample of the tests
  // that compare it.
  QList<QColor> ExpectedRow() {
    using C = QColor;
    switch (w->SchemeRow->ChosenScheme()) {
      case hb::THueScheme::None: return {};
      case hb::THueScheme::Adjacent: return {C(255, 64, 0), C(255, 0, 64)};
      case hb::THueScheme::Similar: return {C(255, 128, 0), C(255, 191, 0), C(255, 0, 128), C(255, 0, 191)};
      case hb::THueScheme::Intermediate:
        return {C(255, 255, 0), C(191, 255, 0), C(128, 255, 0), C(64, 255, 0),
                C(255, 0, 255), C(191, 0, 255), C(128, 0, 255), C(64, 0, 255)};
      case hb::THueScheme::Contrasting:
        return {C(0, 255, 0), C(0, 255, 64), C(0, 255, 128), C(0, 0, 255), C(0, 64, 255), C(0, 128, 255)};
      case hb::THueScheme::Complementary: return {C(0, 255, 191), C(0, 255, 255), C(0, 191, 255), C(0, 255, 255)};
    }
    return {};
  }
  QList<QColor> ShownRow() {
    QList<QColor> colors;
    for (const auto& s : w->SchemeRow->SchemeSwatches) colors << (s ? s->Color() : QColor());
    return colors;
  }

  // What the window's backing store holds at a point of a widget.
  QColor OnScreen(QWidget* widget, QPoint local) {
    const QImage shot = w->screen()->grabWindow(w->winId()).toImage();
    const qreal ratio = shot.devicePixelRatio();
    const QPoint p = widget->mapTo(w, local) * ratio;
    return QColor(shot.pixel(p));
  }

 private slots:
  void initTestCase() {
    QImage image(QGuiApplication::primaryScreen()->size(), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, SampleColor({x, y}).rgb());
    screen.image = image;
    scoped = new hb::ScopedScreen(screen);
    w = new TfrmMain;
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    // Frames only when the test gives them.
    Frames().FrameTimer().SetInterval(0);
    for (QWidget* control : {static_cast<QWidget*>(w->cmdColorView), static_cast<QWidget*>(w->TrackBar_Red),
                             static_cast<QWidget*>(w->SpnRed), static_cast<QWidget*>(w->txtHex)})
      counter.Watch(control);
  }

  void cleanupTestCase() {
    delete w;
    delete scoped;
  }

  void init() {
    // No burst left over; the window painted and quiet, at a colour that no
    // test ends with.
    w->TimMouseDounTimer(nullptr);
    w->SetColors(1, 2, 3);
    LetSchemeTimerTick();
  }

  // Many samples inside one frame: each is the current colour at once, the
  // window paints once and the row is rebuilt once, at the frame.
  void samplesWithinOneFrame_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("samples");
    QTest::newRow("no scheme, one sample") << "btnHSVOption_None" << 1;
    QTest::newRow("no scheme, 17 samples") << "btnHSVOption_None" << 17;
    QTest::newRow("intermediate, one sample") << "btnHSVOption_Chuusa" << 1;
    QTest::newRow("intermediate, 17 samples") << "btnHSVOption_Chuusa" << 17;
    QTest::newRow("complementary, 40 samples") << "btnHSVOption_Hosyoku" << 40;
  }
  void samplesWithinOneFrame() {
    QFETCH(QString, option);
    QFETCH(int, samples);
    w->findChild<QPushButton*>(option)->click();
    LetSchemeTimerTick();
    StartBurst();
    const std::map<QObject*, int> paintsBefore = counter.paints;
    const int rebuildsBefore = w->SchemeRow->Rebuilds();
    const QList<QColor> rowBefore = ShownRow();

    QColor last;
    for (int i = 0; i < samples; ++i) {
      last = Sample(i + 1 == samples ? QColor(255, 0, 0) : QColor());
      // Whatever reads the current colour sees this sample already.
      QCOMPARE(w->cmdColorView->Color(), last);
      QCOMPARE(w->SpnRed->Value(), last.red());
      QCOMPARE(w->TrackBar_Blue->Position(), last.blue());
    }
    LetSchemeTimerTick();
    QCOMPARE(counter.paints, paintsBefore);
    QCOMPARE(w->SchemeRow->Rebuilds(), rebuildsBefore);
    QCOMPARE(ShownRow(), rowBefore);

    Frames().Frame();
    for (const auto& [widget, paints] : counter.paints)
      QVERIFY2(paints == paintsBefore.at(widget) + 1, qPrintable(widget->objectName()));
    QCOMPARE(w->SchemeRow->Rebuilds(), rebuildsBefore + 1);
    QCOMPARE(ShownRow(), ExpectedRow());
    QCOMPARE(OnScreen(w->cmdColorView, {120, 40}), last);

    // A frame with no sample since paints nothing and rebuilds nothing.
    const std::map<QObject*, int> paintsAfter = counter.paints;
    Frames().Frame();
    QCoreApplication::processEvents();
    QCOMPARE(counter.paints, paintsAfter);
    QCOMPARE(w->SchemeRow->Rebuilds(), rebuildsBefore + 1);
  }

  // Inside a burst the row is recoloured in the swatches it has, hints
  // included; a scheme with another number of swatches gets a new row.
  void rowFollowsInPlaceDuringABurst_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("during");
    QTest::addColumn<bool>("sameSwatches");
    QTest::newRow("intermediate kept") << "btnHSVOption_Chuusa" << "" << true;
    QTest::newRow("complementary kept") << "btnHSVOption_Hosyoku" << "" << true;
    QTest::newRow("adjacent, then intermediate") << "btnHSVOption_Ruiji" << "btnHSVOption_Chuusa" << false;
    QTest::newRow("intermediate, then none") << "btnHSVOption_Chuusa" << "btnHSVOption_None" << false;
  }
  void rowFollowsInPlaceDuringABurst() {
    QFETCH(QString, before);
    QFETCH(QString, during);
    QFETCH(bool, sameSwatches);
    w->findChild<QPushButton*>(before)->click();
    LetSchemeTimerTick();
    StartBurst();
    const std::vector<QPointer<TPictureButton>> swatches = w->SchemeRow->SchemeSwatches;
    const QList<QColor> rowBefore = ShownRow();
    if (!during.isEmpty()) w->findChild<QPushButton*>(during)->click();
    Sample(QColor(255, 0, 0));
    LetSchemeTimerTick();
    Frames().Frame();
    QCOMPARE(ShownRow(), ExpectedRow());
    QVERIFY(ShownRow() != rowBefore);
    QCOMPARE(w->SchemeRow->SchemeSwatches == swatches, sameSwatches);
    for (const auto& swatch : w->SchemeRow->SchemeSwatches) {
      const QColor c = swatch->Color();
      QCOMPARE(swatch->InColor(), c);
      QCOMPARE(swatch->Hint(), QStringLiteral("R:%1 G:%2 B:%3").arg(c.red()).arg(c.green()).arg(c.blue()));
      QVERIFY(swatch->isVisible());
    }
    w->TimMouseDounTimer(nullptr);
    QCOMPARE(ShownRow(), ExpectedRow());
  }

  // The samples after the last frame are shown when the burst ends: the
  // picture left on screen is the last sample's, its row included.
  void lastSampleShownAtTheEnd() {
    w->btnHSVOption_Chuusa->click();
    LetSchemeTimerTick();
    StartBurst();
    Sample();
    LetSchemeTimerTick();
    Frames().Frame();
    const QColor framed = OnScreen(w->cmdColorView, {120, 40});
    QColor last;
    for (int i = 0; i < 5; ++i) last = Sample(i == 4 ? QColor(255, 0, 0) : QColor());
    LetSchemeTimerTick();
    QVERIFY(last != framed);
    QCOMPARE(OnScreen(w->cmdColorView, {120, 40}), framed);  // still held

    w->TimMouseDounTimer(nullptr);
    QVERIFY(!Frames().Holding());
    QCOMPARE(OnScreen(w->cmdColorView, {120, 40}), last);
    QCOMPARE(ShownRow(), ExpectedRow());
    const TPictureButton* first = w->SchemeRow->SchemeSwatches.front();
    QCOMPARE(OnScreen(w->cmdColorView, first->geometry().center() - w->cmdColorView->pos()), first->Color());
    QCOMPARE(w->txtHex->text(), QStringLiteral("%1%2%3")
                                    .arg(last.red(), 2, 16, QLatin1Char('0'))
                                    .arg(last.green(), 2, 16, QLatin1Char('0'))
                                    .arg(last.blue(), 2, 16, QLatin1Char('0'))
                                    .toUpper());
  }

  // A burst ended between a sample and the scheme timer's tick: the tick
  // comes after the release and rebuilds at once.
  void schemeTickAfterTheEnd() {
    w->btnHSVOption_Ruiji->click();
    LetSchemeTimerTick();
    StartBurst();
    const int rebuilds = w->SchemeRow->Rebuilds();
    Sample(QColor(255, 0, 0));
    w->TimMouseDounTimer(nullptr);
    LetSchemeTimerTick();
    QCOMPARE(w->SchemeRow->Rebuilds(), rebuilds + 1);
    QCOMPARE(ShownRow(), ExpectedRow());
  }

  // The thread wakes on time only while a burst runs; renewing the burst
  // (every move of a drag) keeps the slack the thread had before it, which
  // the end gives back.
  void punctualWakeupsOnlyDuringABurst() {
    const unsigned long before = hb::TimerSlackNs();
    QVERIFY(before > 1);
    StartBurst();
    QCOMPARE(hb::TimerSlackNs(), 1ul);
    w->CaptureBurst->Move(Qt::LeftButton);
    w->CaptureBurst->Move(Qt::LeftButton);
    QCOMPARE(hb::TimerSlackNs(), 1ul);
    w->TimMouseDounTimer(nullptr);
    QCOMPARE(hb::TimerSlackNs(), before);
    w->TimMouseDounTimer(nullptr);  // a second end changes nothing
    QCOMPARE(hb::TimerSlackNs(), before);
  }

  // Outside a burst nothing waits: a colour set by hand paints at once and
  // its row is rebuilt at the timer's tick.
  void outsideABurstNothingWaits() {
    w->btnHSVOption_Ruisetu->click();
    LetSchemeTimerTick();
    const int paints = counter.paints[w->cmdColorView];
    const int rebuilds = w->SchemeRow->Rebuilds();
    w->SetColors(12, 34, 56);
    LetSchemeTimerTick();
    QTRY_VERIFY(counter.paints[w->cmdColorView] > paints);
    QCOMPARE(w->SchemeRow->Rebuilds(), rebuilds + 1);
    QCOMPARE(OnScreen(w->cmdColorView, {120, 40}), QColor(12, 34, 56));
  }
};

QTEST_MAIN(TestBurstFrames)
#include "tst_BurstFrames.moc"
