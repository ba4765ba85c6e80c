// The real window under the offscreen platform: layout, keys, the real boxes and how they hold
// the main window, the real timer and event loop, and what screen readers are told.
#include <QAccessible>
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>

#include "Fakes.h"
#include "app/MainWindow.h"
#include "app/QtDialogs.h"

Q_DECLARE_METATYPE(Button)

namespace {

// Runs `check` on the box once it is open, inside its event loop.
void WhenOpen(QtDialogs& dialogs, std::function<void(QDialog*)> check) {
  QTimer::singleShot(0, qApp, [&dialogs, check] {
    QTRY_VERIFY(dialogs.OpenBox() && dialogs.OpenBox()->isActiveWindow());
    check(dialogs.OpenBox());
  });
}

}  // namespace

class TestWindow : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void windowMatchesTheLayout() {
    ScriptedDialogs dialogs;
    MainWindow w(dialogs);
    QCOMPARE(w.windowTitle(), QString("Tower of Hanoi by Tandrovek"));
    QCOMPARE(w.size(), QSize(564, 341));  // 8460 x 5115 twips
    QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(w.Pic()->geometry(), QRect(10, 12, 538, 273));
    QCOMPARE(QSizeF(w.Pic()->Width(), w.Pic()->Height()), QSizeF(8070, 4095));
    const struct {
      const char* name;
      const char* caption;
      int left;  // twips
      bool enabled;
    } rows[] = {{"cmdSolve", "&Solve", 120, false},
                {"cmdAuto", "&Auto Solve", 1800, false},
                {"cmdInitialize", "&Initialize", 3480, true},
                {"Command1", "&Speed", 5160, true},
                {"cmdDone", "&About", 6840, true}};
    for (const auto& row : rows) {
      auto* b = w.findChild<QPushButton*>(row.name);
      QCOMPARE(b->text(), QString(row.caption));
      QCOMPARE(b->geometry(), QRect(row.left / 15, 296, 97, 41));
      QCOMPARE(b->isEnabled(), row.enabled);
    }
    QVERIFY(w.ButtonOf(Button::Auto)->isDefault() && !w.Timer1().isActive());
    QCOMPARE(w.Timer1().interval(), 500);

    // The image is kept at device pixels inside a 2-pixel frame and shown unscaled.
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const QImage& image = w.Pic()->Image();
    const qreal ratio = w.devicePixelRatioF();
    QCOMPARE(image.size(), QSize(534, 269) * ratio);
    QImage shown = w.Pic()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    shown = shown.copy(QRect(QPoint(2, 2) * ratio, image.size()));
    shown.setDevicePixelRatio(ratio);
    QCOMPARE(shown, image);

    // Focus starts on the board; Tab visits Solve, Initialize, About, Auto Solve, Speed.
    QCOMPARE(QApplication::focusWidget(), w.Pic());
    for (auto* b : w.findChildren<QPushButton*>()) {
      b->setEnabled(true);
    }
    for (Button b :
         {Button::Solve, Button::Initialize, Button::About, Button::Auto, Button::Speed}) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), w.ButtonOf(b));
    }
  }

  // Where two captions share a letter, the leftmost enabled button answers it.
  void keysPressTheirButtons_data() {
    QTest::addColumn<int>("stage");  // 0 start, 1 initialized, 2 solving
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("pressed");  // a Button, or -1: none
    const int alt = Qt::AltModifier;
    QTest::newRow("Alt+S at start: Speed") << 0 << (alt | Qt::Key_S) << int(Button::Speed);
    QTest::newRow("Alt+A at start: About") << 0 << (alt | Qt::Key_A) << int(Button::About);
    QTest::newRow("Alt+I: Initialize") << 0 << (alt | Qt::Key_I) << int(Button::Initialize);
    QTest::newRow("Alt+S initialized: Solve") << 1 << (alt | Qt::Key_S) << int(Button::Solve);
    QTest::newRow("Enter, Auto disabled: none") << 1 << int(Qt::Key_Return) << -1;
    QTest::newRow("Alt+N solving: Next") << 2 << (alt | Qt::Key_N) << int(Button::Solve);
    QTest::newRow("Alt+S solving: Speed") << 2 << (alt | Qt::Key_S) << int(Button::Speed);
    QTest::newRow("Alt+A solving: Auto Solve") << 2 << (alt | Qt::Key_A) << int(Button::Auto);
    QTest::newRow("Enter solving: Auto Solve") << 2 << int(Qt::Key_Return) << int(Button::Auto);
    QTest::newRow("Enter on a focused button") << 2 << int(Qt::Key_Enter) << int(Button::Speed);
    QTest::newRow("Escape: About") << 0 << int(Qt::Key_Escape) << int(Button::About);
  }
  void keysPressTheirButtons() {
    QFETCH(int, stage);
    QFETCH(int, key);
    QFETCH(int, pressed);
    ScriptedDialogs dialogs;
    MainWindow w(dialogs);
    w.SetEnabled(Button::Solve, stage >= 1);
    w.SetEnabled(Button::Initialize, stage == 0);
    w.SetEnabled(Button::Auto, stage == 2);
    w.SetCaption(Button::Solve, stage == 2 ? "&Next" : "&Solve");
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    if (key == Qt::Key_Enter) {
      w.ButtonOf(Button::Speed)->setFocus();
    }
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (int b = 0; b < 5; ++b) {
      spies.push_back(std::make_unique<QSignalSpy>(w.ButtonOf(Button(b)), &QPushButton::clicked));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key & ~Qt::KeyboardModifierMask),
                    Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask));
    for (int b = 0; b < 5; ++b) {
      QCOMPARE(spies[b]->count(), b == pressed ? 1 : 0);  // at once, not after a delay
    }
  }
};

QTEST_MAIN(TestWindow)
#include "test_window.moc"
