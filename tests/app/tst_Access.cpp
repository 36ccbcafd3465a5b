// The keyboard and assistive technology on the main window, offscreen: the
// accessibility tree of every window names its controls, Tab and the arrow
// keys walk the swatch grids, Enter and the menu key act as the mouse does.

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

#include "app/frmMain.h"
#include "chart/SchemeRow.h"
#include "settings/AppPaths.h"
#include "editor/frmEditor.h"
#include "support/frmVersion.h"

class TestAccess : public QObject {
  Q_OBJECT

  std::unique_ptr<TfrmMain> w;

  // The interactive controls on show with no accessible name, below iface.
  static void Nameless(QAccessibleInterface* iface, QStringList& found) {
    static const QList<QAccessible::Role> interactive = {
        QAccessible::PushButton, QAccessible::CheckBox,     QAccessible::RadioButton, QAccessible::ComboBox,
        QAccessible::SpinBox,    QAccessible::Slider,       QAccessible::EditableText, QAccessible::List,
        QAccessible::ListItem,   QAccessible::ButtonMenu,   QAccessible::ButtonDropDown, QAccessible::Link};
    if (!iface || iface->state().invisible) return;
    if (interactive.contains(iface->role()) && iface->text(QAccessible::Name).trimmed().isEmpty())
      found << QStringLiteral("%1 (role %2)").arg(iface->object()->objectName()).arg(int(iface->role()));
    for (int i = 0; i < iface->childCount(); ++i) Nameless(iface->child(i), found);
  }

  QWidget* Focused() { return QApplication::focusWidget(); }
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(Focused(), Qt::Key(key), modifiers);
  }
  // Tab from the palette selector enters the keep view (at the swatch it
  // left last); Home goes to the first.
  void EnterKeep() {
    w->cmbPalletSelect->setFocus(Qt::OtherFocusReason);
    Key(Qt::Key_Tab);
    Key(Qt::Key_Home);
  }

 private slots:
  void initTestCase() {
    QFile::remove(QString::fromStdString(hb::SettingsPathFor(hb::ExecutablePath())));
    w = std::make_unique<TfrmMain>();
    w->show();
    QApplication::setActiveWindow(w.get());
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    // Twenty kept colours, four to a row: swatch i is (10 i, 255 - 10 i, 0).
    for (int i = 0; i < 20; ++i) {
      w->SetColors(10 * i, 255 - 10 * i, 0);
      w->btnKeepAddClick(w->btnKeepAdd);
    }
    w->btnHSVOption_Hosyoku->click();
    QTRY_VERIFY(!w->SchemeRow->SchemeSwatches.empty());
  }
  void init() {
    QApplication::setActiveWindow(w.get());
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
  }
  void cleanupTestCase() {
    if (w) w->close();
    w.reset();
    QFile::remove(QString::fromStdString(hb::SettingsPathFor(hb::ExecutablePath())));
  }

  void everyControlNamed_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("opensOn");  // the focus when it opens, as it always was
    QTest::newRow("main window") << "main" << "cmdColorView";
    QTest::newRow("palette editor") << "editor" << "ListBox1";
    QTest::newRow("version dialog") << "version" << "btnClose";
  }
  void everyControlNamed() {
    QFETCH(QString, window);
    QFETCH(QString, opensOn);
    QWidget* shown = window == "main" ? static_cast<QWidget*>(w.get())
                     : window == "editor" ? static_cast<QWidget*>(w->EditorWindow())
                                          : static_cast<QWidget*>(w->VersionWindow());
    shown->show();
    QApplication::setActiveWindow(shown);
    QVERIFY(QTest::qWaitForWindowActive(shown));
    QCOMPARE(Focused() ? Focused()->objectName() : QString(), opensOn);
    if (window == "editor") w->EditorWindow()->btnAdd->click();  // a line in the list
    QStringList nameless;
    Nameless(QAccessible::queryAccessibleInterface(shown), nameless);
    if (window == "editor") w->EditorWindow()->EditorModified = false;
    if (shown != w.get()) shown->close();
    QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(", ")));
  }

  void swatchNames_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::newRow("third") << 2 << QString::fromUtf8("#14EB00、キープ 3/20");
    QTest::newRow("last") << 19 << QString::fromUtf8("#BE4100、キープ 20/20");
  }
  void swatchNames() {
    QFETCH(int, index);
    QFETCH(QString, name);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w->KeepButtons()[std::size_t(index)]);
    QCOMPARE(iface->text(QAccessible::Name), name);
    QCOMPARE(iface->role(), QAccessible::Button);
  }

  void bigSwatchDescription() {
    w->SetColors(255, 128, 0);
    w->cmdColorView->repaint();
    QCOMPARE(w->cmdColorView->accessibleDescription(),
             QString::fromUtf8("#FF8000、コントラスト ") + w->StatusBar1->PanelText(2));
  }

  void arrowsWalkTheKeepView_data() {
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("focused");
    QTest::addColumn<QString>("enterGives");
    QTest::newRow("Home") << QList<int>{} << 0 << "#00ff00";
    QTest::newRow("Right") << QList<int>{Qt::Key_Right} << 1 << "#0af500";
    QTest::newRow("Right at a row's end wraps") << QList<int>{Qt::Key_End, Qt::Key_Home, Qt::Key_Right, Qt::Key_Right,
                                                              Qt::Key_Right, Qt::Key_Right} << 4 << "#28d700";
    QTest::newRow("Down a row") << QList<int>{Qt::Key_Right, Qt::Key_Down} << 5 << "#32cd00";
    QTest::newRow("Left back over a row") << QList<int>{Qt::Key_Down, Qt::Key_Left} << 3 << "#1ee100";
    QTest::newRow("Up at the top stays") << QList<int>{Qt::Key_Up, Qt::Key_Left} << 0 << "#00ff00";
    QTest::newRow("End") << QList<int>{Qt::Key_End} << 19 << "#be4100";
    QTest::newRow("End, Down stays, Home") << QList<int>{Qt::Key_End, Qt::Key_Down, Qt::Key_Home} << 0 << "#00ff00";
  }
  void arrowsWalkTheKeepView() {
    QFETCH(QList<int>, keys);
    QFETCH(int, focused);
    QFETCH(QString, enterGives);
    EnterKeep();
    for (int key : keys) Key(key);
    TPictureButton* swatch = w->KeepButtons()[std::size_t(focused)];
    QCOMPARE(Focused(), swatch);
    QVERIFY(swatch->KeyboardFocus());
    Key(Qt::Key_Return);
    QCOMPARE(Focused(), swatch);
    QCOMPARE(w->cmdColorView->Color().name(), enterGives);
    QCOMPARE(w->txtHex->text().toLower(), enterGives.mid(1));
  }

  void tabLeavesAndEntersGrids_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<bool>("back");
    QTest::addColumn<QString>("to");
    QTest::newRow("keep swatch, Tab") << "keep" << false << "btnKeepAdd";
    QTest::newRow("keep swatch, Backtab") << "keep" << true << "cmbPalletSelect";
    QTest::newRow("big swatch, Tab: the scheme row") << "cmdColorView" << false << "scheme";
    QTest::newRow("scheme swatch, Tab") << "scheme" << false << "txtHex";
    QTest::newRow("scheme swatch, Backtab") << "scheme" << true << "cmdColorView";
    // Past the keep view's buttons, which lie under the history view.
    QTest::newRow("history swatch, Tab") << "history" << false << "btnColorCapture";
  }
  void tabLeavesAndEntersGrids() {
    QFETCH(QString, from);
    QFETCH(bool, back);
    QFETCH(QString, to);
    auto widget = [this](const QString& name) -> QWidget* {
      if (name == "keep") return w->KeepButtons()[1];
      if (name == "scheme") return w->SchemeRow->SchemeSwatches[0];
      if (name == "history") return w->HistoryButtons()[0];
      return w->findChild<QWidget*>(name);
    };
    w->cmbPalletSelect->setCurrentIndex(from == "history" ? 1 : 0);
    w->cmbPalletSelectChange(w->cmbPalletSelect);
    if (from == "history") QTRY_VERIFY(!w->HistoryButtons().empty());
    widget(from)->setFocus(Qt::TabFocusReason);
    Key(back ? Qt::Key_Backtab : Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(Focused(), widget(to));
    w->cmbPalletSelect->setCurrentIndex(0);
    w->cmbPalletSelectChange(w->cmbPalletSelect);
  }

  void menuKeyOpensTheKeptSwatchsMenu_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("color");  // of the third swatch: the first row deletes it
    QTest::newRow("menu key") << int(Qt::Key_Menu) << int(Qt::NoModifier) << "#14eb00";
    QTest::newRow("Shift+F10") << int(Qt::Key_F10) << int(Qt::ShiftModifier) << "#1ee100";
  }
  void menuKeyOpensTheKeptSwatchsMenu() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, color);
    EnterKeep();
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    TPictureButton* swatch = w->KeepButtons()[2];
    const std::size_t before = w->KeepButtons().size();
    Key(key, Qt::KeyboardModifiers(modifiers));
    QTRY_VERIFY(w->popupKeep->isVisible());
    QCOMPARE(w->KeepTarget(), swatch);
    QCOMPARE(w->cmdColorView->Color().name(), color);
    w->popupKeep->hide();
    w->tbKeepClear->trigger();
    // The kept colour goes; the keyboard stays at its place, on the next one.
    QCOMPARE(w->KeepButtons().size(), before - 1);
    QCOMPARE(w->focusWidget(), w->KeepButtons()[2]);
  }

  // Last: it adds rows. The view scrolls to keep the focused swatch in sight.
  void endAndHomeScrollTheView() {
    for (int i = 0; i < 24; ++i) w->btnKeepAddClick(w->btnKeepAdd);
    EnterKeep();
    QScrollBar* bar = w->scbKeepWork->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    Key(Qt::Key_End);
    QCOMPARE(bar->value(), bar->maximum());
    Key(Qt::Key_Home);
    QCOMPARE(bar->value(), 0);
  }
};

QTEST_MAIN(TestAccess)
#include "tst_Access.moc"
