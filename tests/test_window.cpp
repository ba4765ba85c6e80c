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
    QCOMPARE(image, MainWindow(dialogs).Pic()->Image());  // as on a board never focused

    // Focus starts on the board, shown as its frame in the highlight colour; Tab visits Solve,
    // Initialize, About, Auto Solve, Speed.
    QCOMPARE(QApplication::focusWidget(), w.Pic());
    const auto frame = [&] { return w.Pic()->grab().toImage().pixel(0, 0); };
    QCOMPARE(frame(), w.Pic()->palette().color(QPalette::Highlight).rgb());
    for (auto* b : w.findChildren<QPushButton*>()) {
      b->setEnabled(true);
    }
    for (Button b :
         {Button::Solve, Button::Initialize, Button::About, Button::Auto, Button::Speed}) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), w.ButtonOf(b));
      QVERIFY(frame() != w.Pic()->palette().color(QPalette::Highlight).rgb());
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
    dialogs.answers = {"1"};
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

  // A game with the real boxes, driven as a user would: each step runs once its box has the
  // focus. Clicks on the main window do nothing while a box is open; keys typed there reach it.
  void realBoxesHoldTheMainWindow() {
    QtDialogs dialogs;
    MainWindow w(dialogs);
    dialogs.SetParent(&w);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const auto type = [&](const char* text) {
      QTest::keyClicks(&w, text);
      QTest::keyClick(&w, Qt::Key_Return);
    };
    const auto message = [&](QDialog* box, const QString& text, QMessageBox::Icon icon) {
      auto* m = qobject_cast<QMessageBox*>(box);
      QVERIFY(m && m->text() == text && m->icon() == icon && m->buttons().size() == 1);
      QCOMPARE(m->windowTitle(), QString("Tower of Hanoi"));
      QVERIFY(m->width() > m->fontMetrics().horizontalAdvance(m->windowTitle()) + 50);
      QSignalSpy clicked(w.ButtonOf(Button::Speed), &QPushButton::clicked);
      QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {},
                        w.ButtonOf(Button::Speed)->geometry().center());
      QVERIFY(clicked.isEmpty() && dialogs.OpenBox() == box);
      QTest::keyClick(&w, Qt::Key_Return);  // OK
    };
    const auto question = [&](QDialog* box, const char* title, std::string_view prompt) {
      auto* q = qobject_cast<QInputDialog*>(box);
      QVERIFY(q && q->textValue().isEmpty() && q->windowTitle() == title);
      QCOMPARE(q->labelText(), QString::fromUtf8(prompt.data(), prompt.size()));
    };
    QList<std::function<void(QDialog*)>> steps = {
        [&](QDialog* box) { question(box, "Tower of Hanoi", Commands::kRingsPrompt), type("9"); },
        [&](QDialog* box) { message(box, "Invalid number of rings", QMessageBox::NoIcon); },
        [&](QDialog*) { type("3"); },
        [&](QDialog* box) { question(box, "Time Delay", Commands::kDelayPrompt), type("0.001"); },
        [&](QDialog* box) {
          message(box, "Solution complete in 7 iterations.", QMessageBox::Information);
        },
        [&](QDialog* box) {
          message(box, "This program was made by Tandrovek.\nSend your comments to ...",
                  QMessageBox::NoIcon);
        }};
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
      QDialog* box = dialogs.OpenBox();
      if (box && box->isActiveWindow() && !box->property("seen").toBool() && !steps.isEmpty()) {
        box->setProperty("seen", true);
        steps.takeFirst()(box);
      }
    });
    poll.start(1);
    w.ButtonOf(Button::Initialize)->setFocus();
    w.ButtonOf(Button::Initialize)->click();
    QCOMPARE(w.focusWidget(), w.ButtonOf(Button::Solve));
    w.ButtonOf(Button::Speed)->click();
    QCOMPARE(w.Timer1().interval(), 1);
    QTimer::singleShot(0, w.ButtonOf(Button::Auto), &QPushButton::click);
    w.ButtonOf(Button::Solve)->click();  // returns once the solution is complete
    QCOMPARE(w.State().towers[3].nrings, 3);
    QCOMPARE(w.focusWidget(), w.Pic());
    QTimer::singleShot(0, w.ButtonOf(Button::About), &QPushButton::click);
    QTimer::singleShot(0, &w, [&] {
      QTRY_VERIFY(dialogs.OpenBox() && dialogs.OpenBox()->isVisible());
      w.close();  // with the box open: the program ends with status 0
    });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(w.Closing() && !dialogs.OpenBox() && steps.size() == 1);
  }

  // Speed before Auto Solve only sets the interval; 0 pauses play, even when Auto Solve comes
  // after it (Qt would tick as fast as it can), until a positive delay.
  void timerTicksOnlyAtAPositiveInterval() {
    ScriptedDialogs dialogs;
    MainWindow w(dialogs);
    w.SetTimerInterval(40);
    QVERIFY(!w.Timer1().isActive());
    w.SetTimerInterval(500);
    w.StartTimer();
    QVERIFY(w.Timer1().isActive() && w.Timer1().interval() == 500);
    w.SetTimerInterval(0);
    w.StartTimer();
    QVERIFY(!w.Timer1().isActive());
    w.SetTimerInterval(2000);
    QVERIFY(w.Timer1().isActive() && w.Timer1().interval() == 2000);
  }

  // Each move is announced as it is performed, wherever the focus is: the board's notification
  // object takes the move in words as its name and is shown anew, which Orca speaks (a changed
  // description it cannot speak on Qt 6.4). Screen readers see the window as a window, and the
  // board's description ends by saying the puzzle is solved.
  void movesAreAnnouncedAsTheyArePerformed() {
    ScriptedDialogs dialogs;
    dialogs.answers = {"2"};
    MainWindow w(dialogs);
    QAccessibleInterface* note = QAccessible::queryAccessibleInterface(w.Pic())->child(0);
    QStringList heard;
    QTimer next;
    connect(&next, &QTimer::timeout, &w, [&] { w.ButtonOf(Button::Solve)->click(); });
    connect(&next, &QTimer::timeout, &w, [&] { heard << note->text(QAccessible::Name); });
    w.ButtonOf(Button::Initialize)->click();
    next.start(0);
    w.ButtonOf(Button::Solve)->click();
    QCOMPARE(heard.join(' '),
             "Move 1 of 3: ring 2 from A to B. Move 2 of 3: ring 1 from A to C. "
             "Move 3 of 3: ring 2 from B to C. Puzzle solved.");
    QCOMPARE(note->role(), QAccessible::Notification);
    QCOMPARE(QAccessible::queryAccessibleInterface(&w)->role(), QAccessible::Window);
    QVERIFY(w.Pic()->accessibleDescription().endsWith("Move 3 of 3. Puzzle solved."));
  }

  // When the device pixel ratio changes, the board is drawn anew at the new ratio: it equals a
  // drawing made at that ratio from the start, and xor erasing stays exact across the change.
  // Needs two screens at ratios 1 and 2: QT_QPA_PLATFORM=offscreen:configfile=screens.json.
  void boardFollowsTheRatioOfItsScreen() {
    if (QGuiApplication::screens().size() < 2) {
      QSKIP("needs the two screens of screens.json");
    }
    ScriptedDialogs dialogs;
    MainWindow w(dialogs);
    w.show();
    w.Pic()->SetDrawMode(DrawMode::Xor);
    w.Pic()->FillRect(888, 3291, 2340, 3612, 0x800080);
    w.setScreen(QGuiApplication::screens()[1]);
    QTRY_COMPARE(w.Pic()->Image().devicePixelRatio(), 2.0);
    w.Pic()->FillRect(888, 3291, 2340, 3612, 0x800080);
    const MainWindow fresh(dialogs, &w);  // drawn at ratio 2 from the start
    QCOMPARE(w.Pic()->Image(), fresh.Pic()->Image());
  }
};

QTEST_MAIN(TestWindow)
#include "test_window.moc"
