#include <QAccessible>
#include <QApplication>
#include <QSignalSpy>
#include <QFontMetricsF>
#include <QTest>
#include <QTimer>

#include "Fakes.h"
#include "app/MainWindow.h"

Q_DECLARE_METATYPE(Button)

namespace {

// Device pixel of a twip coordinate at ratio 1.
int Px(int twips) { return twips / 15; }

// The pixels an inclusive twip rectangle covers.
QRect PixelRect(int left, int top, int right, int bottom) {
  return QRect(QPoint(Px(left), Px(top)), QPoint(Px(right), Px(bottom)));
}

constexpr QRgb kWhite = 0xFFFFFFFF;
const QRgb kBase = 0xFF808000;
const QRgb kPole = 0xFF000000;

struct TowerRow {
  int centre;
  QRect base, pole;  // pixels
};

const TowerRow kTowers[] = {
    {1614, PixelRect(807, 3612, 2420, 3772), PixelRect(1574, 498, 1653, 3612)},
    {4035, PixelRect(3228, 3612, 4841, 3772), PixelRect(3995, 498, 4074, 3612)},
    {6456, PixelRect(5649, 3612, 7262, 3772), PixelRect(6416, 498, 6495, 3612)},
};

// Where tower `i`'s letter may leave ink: from its text position, a generous glyph box.
QRect LetterBox(const DrawingArea& pic, int i) {
  const QFontMetricsF metrics(pic.font());
  const double x = (kTowers[i].centre - pic.TextWidth("a") / 2) / 15;
  const double y = (498 - pic.TextHeight("a") * 1.5) / 15;
  return QRect(int(x) - 1, int(y), int(metrics.horizontalAdvance("W")) + 3,
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
    QCOMPARE(w.objectName(), QString("frmMain"));
    QTRY_VERIFY(!w.windowIcon().isNull());
    QCOMPARE(w.size(), QSize(564, 341));
    QCOMPARE(w.Pic()->objectName(), QString("Pic"));
    QCOMPARE(w.Pic()->geometry(), QRect(10, 12, 538, 273));
    QCOMPARE(w.Pic()->Width(), 8070.0);
    QCOMPARE(w.Pic()->Height(), 4095.0);

    struct Row {
      const char* name;
      const char* caption;
      int left;
      bool enabled;
    } rows[] = {{"cmdSolve", "&Solve", 120, false},     {"cmdAuto", "&Auto Solve", 1800, false},
                {"cmdInitialize", "&Initialize", 3480, true}, {"Command1", "&Speed", 5160, true},
                {"cmdDone", "&About", 6840, true}};
    for (const Row& row : rows) {
      auto* b = w.findChild<QPushButton*>(row.name);
      QVERIFY2(b, row.name);
      QCOMPARE(b->text(), QString(row.caption));
      QCOMPARE(b->geometry(), QRect(row.left / 15, 296, 97, 41));
      QCOMPARE(b->isEnabled(), row.enabled);
    }
    QVERIFY(w.ButtonOf(Button::Auto)->isDefault());
    QVERIFY(!w.Timer1().isActive());
    QCOMPARE(w.Timer1().interval(), 500);

    // Focus starts on the drawing area and Tab walks Solve, Initialize, About, Auto Solve, Speed
    // (skipping disabled buttons).
    for (auto* b : w.findChildren<QPushButton*>()) {
      b->setEnabled(true);
    }
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(QApplication::focusWidget(), w.Pic());
    const Button order[] = {Button::Solve, Button::Initialize, Button::About, Button::Auto,
                            Button::Speed};
    for (Button b : order) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), w.ButtonOf(b));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.Pic());
    for (const Tower& t : {w.State().towers[1], w.State().towers[2], w.State().towers[3]}) {
      QCOMPARE(int(t.nrings), 0);
    }
  }

  // Bases and poles land on exactly the pixels floor(twips / 15); everything else is white
  // except the letters' ink.
  void towersAreDrawnAtTheirPixels() {
    ScriptedDialogs dialogs;
    MainWindow w(dialogs);
    const QImage& image = w.Pic()->Image();
    QCOMPARE(image.size(), QSize(534, 269));
    int checked = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        QRgb expected = kWhite;
        bool letter = false;
        for (int i = 0; i < 3; ++i) {
          if (kTowers[i].pole.contains(x, y)) {
            expected = kPole;
          } else if (kTowers[i].base.contains(x, y)) {
            expected = kBase;
          }
          letter = letter || LetterBox(*w.Pic(), i).contains(x, y);
        }
        if (letter) {
          continue;
        }
        ++checked;
        if (image.pixel(x, y) != expected) {
          QFAIL(qPrintable(QString("pixel %1,%2 is %3, expected %4")
                               .arg(x).arg(y).arg(image.pixel(x, y), 0, 16).arg(expected, 0, 16)));
        }
      }
    }
    QVERIFY(checked > 534 * 269 - 3 * 400);
    // Spot checks of the edges from the worked table.
    QCOMPARE(image.pixel(53, 245), kBase);
    QCOMPARE(image.pixel(52, 245), kWhite);
    QCOMPARE(image.pixel(161, 251), kBase);
    QCOMPARE(image.pixel(161, 252), kWhite);
    QCOMPARE(image.pixel(104, 33), kPole);
    QCOMPARE(image.pixel(104, 32), kWhite);
    QCOMPARE(image.pixel(110, 240), kPole);  // the pole's bottom row is the base's top row
    QCOMPARE(image.pixel(111, 239), kWhite);
  }

  void lettersSitAtTheirTextPositions() {
    ScriptedDialogs dialogs;
    MainWindow w(dialogs);
    const QImage& image = w.Pic()->Image();
    for (int i = 0; i < 3; ++i) {
      const QRect box = LetterBox(*w.Pic(), i);
      int ink = 0;
      int leftmost = image.width();
      for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
          if (qGray(image.pixel(x, y)) < 128) {
            ++ink;
            leftmost = std::min(leftmost, x);
          }
        }
      }
      QVERIFY2(ink > 5, "letter missing");
      // The glyph starts at the text position, give or take its side bearing.
      const double x = (kTowers[i].centre - w.Pic()->TextWidth("a") / 2) / 15;
      QVERIFY(std::abs(leftmost - x) <= 3);
    }
  }

  void xorTwiceRestoresTheImage() {
    ScriptedDialogs dialogs;
    MainWindow w(dialogs);
    DrawingArea& pic = *w.Pic();
    const QImage before = pic.Image().copy();
    pic.SetDrawMode(DrawMode::Xor);
    const double rects[][4] = {{888, 3291, 2340, 3612}, {1, 2, 3, 4}, {-500, -500, 9000, 200},
                               {7000, 4000, 9999, 9999}, {1049.4, 2647.9, 2178.2, 2968.6}};
    for (const auto& r : rects) {
      pic.FillRect(r[0], r[1], r[2], r[3], 0x800080);
      QVERIFY(pic.Image() != before);
      pic.FillRect(r[0], r[1], r[2], r[3], 0x800080);
      QCOMPARE(pic.Image(), before);
    }
  }

  // A ring shows the complement of its colour over white, its own colour over the black pole
  // and mixes with the base on its bottom row.
  void ringsMixWithTheBoardByXor() {
    ScriptedDialogs dialogs;
    dialogs.answers = {"8"};
    MainWindow w(dialogs);
    w.ButtonOf(Button::Initialize)->click();
    const QImage& image = w.Pic()->Image();
    QCOMPARE(int(w.State().towers[1].nrings), 8);
    // Ring 1: cyan, left 888 (pixel 59), rows 3291..3612 (pixels 219..240).
    QCOMPARE(image.pixel(60, 230), 0xFFFF7F7Fu);
    QCOMPARE(image.pixel(59, 230), 0xFFFF7F7Fu);
    QCOMPARE(image.pixel(58, 230), kWhite);
    QCOMPARE(image.pixel(105, 230), 0xFF008080u);
    QCOMPARE(image.pixel(60, 240), 0xFF800080u);  // base 808000 xor 008080
    // Ring 8: green, left 1452 (pixel 96), 323 twips wide.
    QCOMPARE(image.pixel(97, Px(1037) + 5), 0xFFFF7FFFu);
    QVERIFY(!w.ButtonOf(Button::Initialize)->isEnabled());
    QVERIFY(w.ButtonOf(Button::Solve)->isEnabled());
  }

  // Repainting (as after the window is covered and uncovered) copies the retained image.
  void repaintingReproducesTheImage() {
    ScriptedDialogs dialogs;
    dialogs.answers = {"5"};
    MainWindow w(dialogs);
    w.ButtonOf(Button::Initialize)->click();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QImage shown = w.Pic()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage& image = w.Pic()->Image();
    QCOMPARE(shown.copy(DrawingArea::kBorder, DrawingArea::kBorder, image.width(), image.height()),
             image);
    w.Pic()->repaint();
    const QImage again = w.Pic()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(again, shown);
  }

  void aboutShowsTheAuthor() {
    ScriptedDialogs dialogs;
    MainWindow w(dialogs);
    const QImage before = w.Pic()->Image().copy();
    w.ButtonOf(Button::About)->click();
    QCOMPARE(dialogs.shown.size(), size_t(1));
    QCOMPARE(dialogs.shown[0].text, std::string("This program was made by Tandrovek.\r\n"
                                                "Send your comments to tandrovek@example.com"));
    QVERIFY(dialogs.shown[0].icon == MessageIcon::None);
    QCOMPARE(w.Pic()->Image(), before);
    QVERIFY(w.ButtonOf(Button::Initialize)->isEnabled());
  }

  void escapePressesAboutAndEnterPressesAutoSolve() {
    ScriptedDialogs dialogs;
    MainWindow w(dialogs);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::keyClick(&w, Qt::Key_Escape);
    QCOMPARE(dialogs.Messages().size(), size_t(1));
    QTest::keyClick(&w, Qt::Key_Return);  // Auto Solve is disabled: nothing happens
    QVERIFY(!w.Timer1().isActive());
  }

  // Where two captions share a letter, the leftmost enabled button answers it.
  void accessKeysPressTheirButtons_data() {
    QTest::addColumn<bool>("solving");
    QTest::addColumn<bool>("initialized");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<Button>("pressed");
    const int alt = Qt::AltModifier;
    QTest::newRow("Alt+S at start: Speed") << false << false << int(Qt::Key_S) << alt << Button::Speed;
    QTest::newRow("Alt+A at start: About") << false << false << int(Qt::Key_A) << alt << Button::About;
    QTest::newRow("Alt+I: Initialize") << false << false << int(Qt::Key_I) << alt << Button::Initialize;
    QTest::newRow("Alt+S initialized: Solve") << false << true << int(Qt::Key_S) << alt << Button::Solve;
    QTest::newRow("Alt+N solving: Next") << true << true << int(Qt::Key_N) << alt << Button::Solve;
    QTest::newRow("Alt+S solving: Speed") << true << true << int(Qt::Key_S) << alt << Button::Speed;
    QTest::newRow("Alt+A solving: Auto Solve") << true << true << int(Qt::Key_A) << alt << Button::Auto;
    QTest::newRow("Enter solving: Auto Solve") << true << true << int(Qt::Key_Return) << 0 << Button::Auto;
    QTest::newRow("Escape: About") << true << true << int(Qt::Key_Escape) << 0 << Button::About;
    QTest::newRow("Enter on a focused button presses it")
        << true << true << int(Qt::Key_Enter) << 0 << Button::Speed;
  }
  void accessKeysPressTheirButtons() {
    QFETCH(bool, solving);
    QFETCH(bool, initialized);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(Button, pressed);
    ScriptedDialogs dialogs;
    MainWindow w(dialogs);
    if (initialized) {
      w.SetEnabled(Button::Solve, true);
      w.SetEnabled(Button::Initialize, false);
    }
    if (solving) {
      w.SetCaption(Button::Solve, "&Next");
      w.SetEnabled(Button::Auto, true);
    }
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const Button all[] = {Button::Solve, Button::Auto, Button::Initialize, Button::Speed,
                          Button::About};
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (Button b : all) {
      spies.push_back(std::make_unique<QSignalSpy>(w.ButtonOf(b), &QPushButton::pressed));
    }
    if (key == Qt::Key_Enter) {
      w.ButtonOf(Button::Speed)->setFocus();
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    for (Button b : all) {
      QCOMPARE(spies[int(b)]->count(), b == pressed ? 1 : 0);
    }
  }

  void buttonsAreNamedByTheirCaptions() {
    ScriptedDialogs dialogs;
    MainWindow w(dialogs);
    const auto name = [&](Button b) {
      return QAccessible::queryAccessibleInterface(w.ButtonOf(b))->text(QAccessible::Name);
    };
    QCOMPARE(name(Button::Solve), QString("Solve"));
    QCOMPARE(name(Button::Auto), QString("Auto Solve"));
    QCOMPARE(name(Button::Initialize), QString("Initialize"));
    QCOMPARE(name(Button::Speed), QString("Speed"));
    QCOMPARE(name(Button::About), QString("About"));
    w.SetCaption(Button::Solve, "&Next");
    QCOMPARE(name(Button::Solve), QString("Next"));
  }

  // The board in words follows every change, through the accessibility interface and the tooltip.
  void theBoardIsDescribedForScreenReaders() {
    ScriptedDialogs dialogs;
    dialogs.answers = {"3"};
    MainWindow w(dialogs);
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(w.Pic());
    QCOMPARE(board->text(QAccessible::Name), QString("Tower of Hanoi board"));
    QCOMPARE(board->text(QAccessible::Description), QString("A: empty. B: empty. C: empty."));
    w.ButtonOf(Button::Initialize)->click();
    QCOMPARE(board->text(QAccessible::Description),
             QString("A: rings 1, 2, 3. B: empty. C: empty."));
    w.show();
    QStringList seen;
    int presses = 0;
    std::function<void()> next = [&] {
      seen << board->text(QAccessible::Description);
      if (presses++ < 2) {
        w.ButtonOf(Button::Solve)->click();
        QTimer::singleShot(0, &w, next);
      } else {
        w.close();
      }
    };
    QTimer::singleShot(0, &w, next);
    w.ButtonOf(Button::Solve)->click();
    QCOMPARE(seen, QStringList({
        "A: rings 1, 2, 3. B: empty. C: empty. Move 0 of 7; next: ring 3 from A to C.",
        "A: rings 1, 2. B: empty. C: ring 3. Move 1 of 7; next: ring 2 from A to B.",
        "A: ring 1. B: ring 2. C: ring 3. Move 2 of 7; next: ring 3 from C to B.",
    }));
    QCOMPARE(w.Pic()->toolTip(), board->text(QAccessible::Description));
  }

  void closingEndsTheEventLoopWithStatusZero() {
    ScriptedDialogs dialogs;
    MainWindow w(dialogs);
    w.show();
    QTimer::singleShot(0, &w, [&w] { w.close(); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(w.Closing());
  }

  // Initialize answered with 0 closes the window, which ends the program.
  void zeroRingsClosesTheWindow() {
    ScriptedDialogs dialogs;
    dialogs.answers = {"0"};
    MainWindow w(dialogs);
    w.show();
    QTimer::singleShot(0, &w, [&w] { w.ButtonOf(Button::Initialize)->click(); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(w.Closing());
    QVERIFY(!w.isVisible());
  }
};

QTEST_MAIN(TestWindow)
#include "test_window.moc"
