// The real window under the offscreen platform: layout, pixels, keyboard and accessibility.
#include <QAccessible>
#include <QApplication>
#include <QFontMetricsF>
#include <QSignalSpy>
#include <QTest>

#include "Fakes.h"
#include "app/MainWindow.h"

Q_DECLARE_METATYPE(Button)

namespace {

// The pixels an inclusive twip rectangle covers at 15 twips per pixel.
QRect Pixels(int left, int top, int right, int bottom) {
  return QRect(QPoint(left / 15, top / 15), QPoint(right / 15, bottom / 15));
}

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr int kCentres[] = {1614, 4035, 6456};

// Where the letter of tower i may leave ink: its text position and a generous glyph box.
QRect LetterBox(const DrawingArea& pic, int i) {
  const QFontMetricsF metrics(pic.font());
  return QRect(int((kCentres[i] - pic.TextWidth("a") / 2) / 15) - 1,
               int((498 - pic.TextHeight("a") * 1.5) / 15), int(metrics.horizontalAdvance("W")) + 3,
               int(metrics.height()) + 1);
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
      QVERIFY2(b, row.name);
      QCOMPARE(b->text(), QString(row.caption));
      QCOMPARE(b->geometry(), QRect(row.left / 15, 296, 97, 41));
      QCOMPARE(b->isEnabled(), row.enabled);
    }
    QVERIFY(w.ButtonOf(Button::Auto)->isDefault());
    QVERIFY(!w.Timer1().isActive());
    QCOMPARE(w.Timer1().interval(), 500);

    // Focus starts on the board; Tab visits Solve, Initialize, About, Auto Solve, Speed.
    for (auto* b : w.findChildren<QPushButton*>()) {
      b->setEnabled(true);
    }
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTRY_VERIFY(!w.windowIcon().isNull());
    QCOMPARE(QApplication::focusWidget(), w.Pic());
    for (Button b :
         {Button::Solve, Button::Initialize, Button::About, Button::Auto, Button::Speed}) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), w.ButtonOf(b));
    }
  }

  // Bases and poles land on exactly the pixels of their twips; everything else is white but for
  // the letters, which sit at their text positions.
  void towersAreDrawnAtTheirPixels() {
    ScriptedDialogs dialogs;
    MainWindow w(dialogs);
    const QImage& image = w.Pic()->Image();
    QCOMPARE(image.size(), QSize(534, 269));  // inside a 2-pixel frame
    const QRect bases[] = {Pixels(807, 3612, 2420, 3772), Pixels(3228, 3612, 4841, 3772),
                           Pixels(5649, 3612, 7262, 3772)};
    const QRect poles[] = {Pixels(1574, 498, 1653, 3612), Pixels(3995, 498, 4074, 3612),
                           Pixels(6416, 498, 6495, 3612)};
    int ink[3] = {0, 0, 0};
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        QRgb expected = kWhite;
        int letter = -1;
        for (int i = 0; i < 3; ++i) {
          expected = poles[i].contains(x, y)   ? 0xFF000000
                     : bases[i].contains(x, y) ? 0xFF808000
                                               : expected;
          letter = LetterBox(*w.Pic(), i).contains(x, y) ? i : letter;
        }
        if (letter >= 0) {
          ink[letter] += qGray(image.pixel(x, y)) < 128;
        } else if (image.pixel(x, y) != expected) {
          QFAIL(
              qPrintable(QString("pixel %1,%2 is %3").arg(x).arg(y).arg(image.pixel(x, y), 0, 16)));
        }
      }
    }
    QVERIFY(ink[0] > 5 && ink[1] > 5 && ink[2] > 5);
  }

  // Xor drawing undoes itself; a ring shows its colour's complement over white, its own colour
  // over the pole, and mixes with the base on its bottom row; repainting shows the image as is.
  void ringsAreDrawnInXorAndRepainted() {
    ScriptedDialogs dialogs;
    dialogs.answers = {"8"};
    MainWindow w(dialogs);
    DrawingArea& pic = *w.Pic();
    const QImage empty = pic.Image().copy();
    pic.SetDrawMode(DrawMode::Xor);
    for (const QRectF& r : {QRectF(QPointF(888, 3291), QPointF(2340, 3612)),
                            QRectF(QPointF(-500, -500), QPointF(9000, 200)),
                            QRectF(QPointF(1049.4, 2647.9), QPointF(2178.2, 2968.6))}) {
      pic.FillRect(r.left(), r.top(), r.right(), r.bottom(), 0x800080);
      QVERIFY(pic.Image() != empty);
      pic.FillRect(r.left(), r.top(), r.right(), r.bottom(), 0x800080);
      QCOMPARE(pic.Image(), empty);
    }

    w.ButtonOf(Button::Initialize)->click();
    const QImage& image = pic.Image();
    QCOMPARE(image.pixel(59, 230), 0xFFFF7F7Fu);  // ring 1, cyan, from left 888 (pixel 59)
    QCOMPARE(image.pixel(58, 230), kWhite);
    QCOMPARE(image.pixel(105, 230), 0xFF008080u);  // over the pole
    QCOMPARE(image.pixel(60, 240), 0xFF800080u);   // over the base: 808000 xor 008080

    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QImage shown = pic.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.copy(2, 2, image.width(), image.height()), image);
  }

  // Where two captions share a letter, the leftmost enabled button answers it.
  void keysPressTheirButtons_data() {
    QTest::addColumn<int>("stage");  // 0 start, 1 initialized, 2 solving
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<Button>("pressed");
    const int alt = Qt::AltModifier;
    QTest::newRow("Alt+S at start: Speed") << 0 << int(Qt::Key_S) << alt << Button::Speed;
    QTest::newRow("Alt+A at start: About") << 0 << int(Qt::Key_A) << alt << Button::About;
    QTest::newRow("Alt+I: Initialize") << 0 << int(Qt::Key_I) << alt << Button::Initialize;
    QTest::newRow("Alt+S initialized: Solve") << 1 << int(Qt::Key_S) << alt << Button::Solve;
    QTest::newRow("Alt+N solving: Next") << 2 << int(Qt::Key_N) << alt << Button::Solve;
    QTest::newRow("Alt+S solving: Speed") << 2 << int(Qt::Key_S) << alt << Button::Speed;
    QTest::newRow("Alt+A solving: Auto Solve") << 2 << int(Qt::Key_A) << alt << Button::Auto;
    QTest::newRow("Enter solving: Auto Solve") << 2 << int(Qt::Key_Return) << 0 << Button::Auto;
    QTest::newRow("Enter on a focused button") << 2 << int(Qt::Key_Enter) << 0 << Button::Speed;
    QTest::newRow("Escape: About") << 0 << int(Qt::Key_Escape) << 0 << Button::About;
  }
  void keysPressTheirButtons() {
    QFETCH(int, stage);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(Button, pressed);
    ScriptedDialogs dialogs;
    MainWindow w(dialogs);
    w.SetEnabled(Button::Solve, stage >= 1);
    w.SetEnabled(Button::Initialize, stage == 0);
    if (stage == 2) {
      w.SetCaption(Button::Solve, "&Next");
      w.SetEnabled(Button::Auto, true);
    }
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    if (key == Qt::Key_Enter) {
      w.ButtonOf(Button::Speed)->setFocus();
    }
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (int b = 0; b < 5; ++b) {
      spies.push_back(std::make_unique<QSignalSpy>(w.ButtonOf(Button(b)), &QPushButton::pressed));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    for (int b = 0; b < 5; ++b) {
      QCOMPARE(spies[b]->count(), Button(b) == pressed ? 1 : 0);
    }
  }

  // Buttons are named by their captions; the board is described in words, through the
  // accessibility interface and the tooltip, and follows every change.
  void screenReadersHearTheButtonsAndTheBoard() {
    ScriptedDialogs dialogs;
    dialogs.answers = {"3"};
    MainWindow w(dialogs);
    const auto text = [](QObject* o, QAccessible::Text t) {
      return QAccessible::queryAccessibleInterface(o)->text(t);
    };
    const QStringList names = {"Solve", "Auto Solve", "Initialize", "Speed", "About"};
    for (int b = 0; b < 5; ++b) {
      QCOMPARE(text(w.ButtonOf(Button(b)), QAccessible::Name), names[b]);
    }
    QCOMPARE(text(w.Pic(), QAccessible::Name), QString("Tower of Hanoi board"));
    QCOMPARE(text(w.Pic(), QAccessible::Description), QString("A: empty. B: empty. C: empty."));
    w.ButtonOf(Button::Initialize)->click();
    QCOMPARE(text(w.Pic(), QAccessible::Description),
             QString("A: rings 1, 2, 3. B: empty. C: empty."));

    w.show();
    QStringList seen;
    std::function<void()> next = [&] {
      seen << text(w.Pic(), QAccessible::Description);
      if (seen.size() < 3) {
        w.ButtonOf(Button::Solve)->click();
        QTimer::singleShot(0, &w, next);
      } else {
        w.close();
      }
    };
    QTimer::singleShot(0, &w, next);
    w.ButtonOf(Button::Solve)->click();
    QCOMPARE(seen,
             QStringList({
                 "A: rings 1, 2, 3. B: empty. C: empty. Move 0 of 7; next: ring 3 from A to C.",
                 "A: rings 1, 2. B: empty. C: ring 3. Move 1 of 7; next: ring 2 from A to B.",
                 "A: ring 1. B: ring 2. C: ring 3. Move 2 of 7; next: ring 3 from C to B.",
             }));
    QCOMPARE(text(w.ButtonOf(Button::Solve), QAccessible::Name), QString("Next"));
    QCOMPARE(w.Pic()->toolTip(), text(w.Pic(), QAccessible::Description));
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
    connect(&next, &QTimer::timeout, &w, [&] { w.Press(Button::Solve); });
    connect(&next, &QTimer::timeout, &w, [&] { heard << note->text(QAccessible::Name); });
    w.Press(Button::Initialize);
    next.start(0);
    w.Press(Button::Solve);
    QCOMPARE(heard.join(' '),
             "Move 1 of 3: ring 2 from A to B. Move 2 of 3: ring 1 from A to C. "
             "Move 3 of 3: ring 2 from B to C. Puzzle solved.");
    QCOMPARE(note->role(), QAccessible::Notification);
    QCOMPARE(QAccessible::queryAccessibleInterface(&w)->role(), QAccessible::Window);
    QVERIFY(w.Pic()->accessibleDescription().endsWith("Move 3 of 3. Puzzle solved."));
  }

  // The keyboard focus shows as the board's frame in the highlight colour; inside the frame the
  // image is shown exactly as drawn, as on a board that never had the focus.
  void focusShowsAroundTheBoard() {
    ScriptedDialogs dialogs;
    MainWindow w(dialogs);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const QImage shown = w.Pic()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.pixel(1, 1), w.Pic()->palette().color(QPalette::Highlight).rgb());
    QCOMPARE(shown.copy(2, 2, 534, 269), MainWindow(dialogs).Pic()->Image());
    w.ButtonOf(Button::About)->setFocus();
    QVERIFY(w.Pic()->grab().toImage().pixel(1, 1) != shown.pixel(1, 1));
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
