#include <QApplication>
#include <QTest>
#include <QTimer>

#include "Fakes.h"
#include "app/DrawingArea.h"
#include "app/MainWindow.h"
#include "board/Board.h"
#include "commands/Commands.h"
#include "solver/Solver.h"

namespace {

// The commands on the real drawing area, with fakes for everything else. Each wait of the
// solver runs `step`, by default one Next.
struct Program {
  GameState state;
  DrawingArea pic;
  Board board{state, pic};
  DirectDispatch dispatch;
  Solver solver{state, dispatch};
  FakeControls controls;
  ScriptedDialogs dialogs;
  Commands commands{state, board, solver, controls, dialogs};

  explicit Program(const std::string& rings) {
    pic.resize(538, 273);
    board.InitGraphics();
    for (std::uint8_t t = 1; t <= 3; ++t) {
      board.DrawTower(t);
    }
    controls.on_press = [this](Button b) {
      if (b == Button::Solve) {
        commands.SolveClick();
      }
    };
    dispatch.step = [this] { controls.Press(Button::Solve); };
    dialogs.answers.push_back(rings);
    commands.InitializeClick();
  }
};

// The board as it should look: towers drawn afresh, then every ring of every stack put on it
// bottom to top. A ring left behind, drawn twice or missing shows up as a difference.
QImage FreshDrawing(const GameState& records) {
  GameState state = records;
  DrawingArea pic;
  pic.resize(538, 273);
  Board board(state, pic);
  board.InitGraphics();
  for (std::uint8_t t = 1; t <= 3; ++t) {
    board.DrawTower(t);
  }
  for (int t = 1; t <= 3; ++t) {
    for (int slot = 1; slot <= records.towers[t].nrings; ++slot) {
      const std::int16_t ring = records.towers[t].stack[slot];
      state.rings[ring].pole = std::int16_t(t);
      board.PutRing(ring);
    }
  }
  return pic.Image().copy();
}

QRgb Pixel(const DrawingArea& pic, int x_twips, int y_twips) {
  return pic.Image().pixel(x_twips / 15, y_twips / 15);
}

}  // namespace

class TestSolution : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void everyMoveLeavesExactlyTheBoardOfTheRecords_data() {
    QTest::addColumn<int>("rings");
    QTest::newRow("1 ring") << 1;
    QTest::newRow("3 rings") << 3;
    QTest::newRow("8 rings") << 8;
  }
  void everyMoveLeavesExactlyTheBoardOfTheRecords() {
    QFETCH(int, rings);
    Program p(std::to_string(rings));
    QCOMPARE(p.pic.Image(), FreshDrawing(p.state));
    int compared = 0;
    bool same = true;
    p.dispatch.step = [&] {
      p.controls.Press(Button::Solve);
      same = same && p.pic.Image() == FreshDrawing(p.state);
      ++compared;
    };
    p.controls.Press(Button::Solve);
    QVERIFY(same);
    QCOMPARE(compared, (1 << rings) - 1);
  }

  void firstTwoMovesOfThreeRings() {
    Program p("3");
    const QRgb magentaOverWhite = 0xFF7FFF7F;
    const QRgb redOverWhite = 0xFF7FFFFF;
    const QRgb white = 0xFFFFFFFF;
    int step = 0;
    p.dispatch.step = [&] {
      ++step;
      if (step == 1) {
        QCOMPARE(int(p.state.grabbed), 3);
        QCOMPARE(p.board.RingRect(3), (TwipRect{1049, 2647, 2178, 2968}));
        QCOMPARE(p.state.rings[3].color, PaletteColor(5));
        QCOMPARE(Pixel(p.pic, 1049, 2700), magentaOverWhite);
        QCOMPARE(Pixel(p.pic, 5891, 3400), white);
        p.controls.Press(Button::Solve);
        QCOMPARE(Pixel(p.pic, 1049, 2700), white);
        // Drawn on tower C at left 5891, top 3291.
        QCOMPARE(Pixel(p.pic, 5891, 3400), magentaOverWhite);
        QCOMPARE(Pixel(p.pic, 5891 - 15, 3400), white);
        QCOMPARE(Pixel(p.pic, 6000, 3291), magentaOverWhite);
        QCOMPARE(Pixel(p.pic, 6000, 3291 - 15), white);
      } else if (step == 2) {
        QCOMPARE(int(p.state.grabbed), 2);
        QCOMPARE(p.board.RingRect(2), (TwipRect{968, 2969, 2258, 3290}));
        QCOMPARE(Pixel(p.pic, 968, 3050), redOverWhite);
        p.controls.Press(Button::Solve);
        QCOMPARE(Pixel(p.pic, 968, 3050), white);
        // Drawn on tower B at left 3390, top 3291.
        QCOMPARE(Pixel(p.pic, 3390, 3400), redOverWhite);
        QCOMPARE(Pixel(p.pic, 3390 - 15, 3400), white);
        QCOMPARE(Pixel(p.pic, 3500, 3291), redOverWhite);
        QCOMPARE(Pixel(p.pic, 3500, 3291 - 15), white);
      } else {
        p.controls.Press(Button::Solve);
      }
    };
    p.controls.Press(Button::Solve);
    QCOMPARE(int(p.state.moves), 7);
  }

  // The real window, with the solver waiting in the event loop.

  void aboutWhileAMoveIsPendingLeavesItAlone() {
    ScriptedDialogs dialogs;
    dialogs.answers = {"3"};
    MainWindow w(dialogs);
    w.ButtonOf(Button::Initialize)->click();
    w.show();
    int target = -1;
    QTimer::singleShot(0, &w, [&] {
      w.ButtonOf(Button::About)->click();
      target = w.State().rings[3].target;
      w.close();
    });
    w.ButtonOf(Button::Solve)->click();  // returns once the window has closed
    QCOMPARE(dialogs.Messages().size(), size_t(1));
    QVERIFY(dialogs.Messages()[0].starts_with("This program was made by Tandrovek."));
    QCOMPARE(target, 3);
    QCOMPARE(int(w.State().rings[3].target), 3);  // no move after the close
    QCOMPARE(int(w.State().moves), 0);
    QVERIFY(!w.State().solving);
  }

  void secondNextInOnePassIsAbsorbed() {
    ScriptedDialogs dialogs;
    dialogs.answers = {"3"};
    MainWindow w(dialogs);
    w.ButtonOf(Button::Initialize)->click();
    w.show();
    int moves = -1;
    QImage afterFirst;
    QImage afterSecond;
    QTimer::singleShot(0, &w, [&] {
      w.ButtonOf(Button::Solve)->click();
      afterFirst = w.Pic()->Image().copy();
      w.ButtonOf(Button::Solve)->click();
      afterSecond = w.Pic()->Image().copy();
      moves = w.State().moves;
      QTimer::singleShot(0, &w, [&w] { w.close(); });
    });
    w.ButtonOf(Button::Solve)->click();
    QCOMPARE(moves, 1);
    QCOMPARE(afterSecond, afterFirst);
    QCOMPARE(int(w.State().rings[3].pole), 3);
    // The solver went on to the second move before the close.
    QCOMPARE(int(w.State().grabbed), 2);
    QCOMPARE(int(w.State().rings[2].target), 2);
    QCOMPARE(int(w.State().moves), 1);
  }

  // The whole game on the real window: 8 rings, Solve, then 255 Next presses, one per pass of
  // the event loop. Run under the leak checker in CI.
  void eightRingsByHandOnTheWindow() {
    ScriptedDialogs dialogs;
    dialogs.answers = {"8"};
    MainWindow w(dialogs);
    w.ButtonOf(Button::Initialize)->click();
    w.show();
    int presses = 0;
    std::function<void()> next = [&] {
      if (!w.ButtonOf(Button::Solve)->isEnabled()) {
        return;
      }
      ++presses;
      w.ButtonOf(Button::Solve)->click();
      QTimer::singleShot(0, &w, next);
    };
    QTimer::singleShot(0, &w, next);
    w.ButtonOf(Button::Solve)->click();
    QCOMPARE(presses, 255);
    QCOMPARE(int(w.State().moves), 255);
    QCOMPARE(int(w.State().towers[3].nrings), 8);
    QCOMPARE(dialogs.Messages(), std::vector<std::string>{"Solution complete in 255 iterations."});
  }

  void automaticPlayRunsToCompletion() {
    ScriptedDialogs dialogs;
    dialogs.answers = {"3", "0.001"};
    MainWindow w(dialogs);
    w.ButtonOf(Button::Initialize)->click();
    w.ButtonOf(Button::Speed)->click();
    QCOMPARE(w.Timer1().interval(), 1);
    QVERIFY(!w.Timer1().isActive());  // Speed alone starts nothing
    w.show();
    // A tick while the completion message is open finds no move pending.
    QImage atMessage;
    dialogs.on_message = [&] {
      atMessage = w.Pic()->Image().copy();
      w.Press(Button::Solve);
      QCOMPARE(w.Pic()->Image(), atMessage);
    };
    QTimer::singleShot(0, &w, [&w] { w.ButtonOf(Button::Auto)->click(); });
    w.ButtonOf(Button::Solve)->click();  // returns when the solution is complete
    QCOMPARE(int(w.State().moves), 7);
    QCOMPARE(dialogs.Messages(), std::vector<std::string>{"Solution complete in 7 iterations."});
    QVERIFY(!w.ButtonOf(Button::Solve)->isEnabled());
    QVERIFY(w.Timer1().isActive());

    // The timer goes on ticking after completion, to no effect.
    QTest::qWait(60);
    QCOMPARE(int(w.State().moves), 7);
    QCOMPARE(dialogs.Messages().size(), size_t(1));
    QCOMPARE(w.Pic()->Image(), atMessage);
    QVERIFY(!w.State().solving);
  }

  void closingDuringAutomaticPlayEndsIt() {
    ScriptedDialogs dialogs;
    dialogs.answers = {"8", "0.002"};
    MainWindow w(dialogs);
    w.ButtonOf(Button::Initialize)->click();
    w.ButtonOf(Button::Speed)->click();
    w.show();
    QTimer::singleShot(0, &w, [&w] { w.ButtonOf(Button::Auto)->click(); });
    QTimer::singleShot(40, &w, [&w] { w.close(); });
    w.ButtonOf(Button::Solve)->click();
    QVERIFY(w.Closing());
    QVERIFY(!w.Timer1().isActive());
    const int moves = w.State().moves;
    QVERIFY(moves < 255);
    QTest::qWait(20);
    QCOMPARE(int(w.State().moves), moves);
    QVERIFY(dialogs.Messages().empty());
  }

  // Interval 0 silences a started timer until a positive interval comes; a second start leaves
  // the running count-down alone.
  void timerFollowsStartAndInterval() {
    ScriptedDialogs dialogs;
    MainWindow w(dialogs);
    w.SetTimerInterval(40);
    QVERIFY(!w.Timer1().isActive());
    w.StartTimer();
    QVERIFY(w.Timer1().isActive());
    QCOMPARE(w.Timer1().interval(), 40);
    const int remaining = w.Timer1().remainingTime();
    w.StartTimer();
    QVERIFY(w.Timer1().remainingTime() <= remaining);
    w.SetTimerInterval(0);
    QVERIFY(!w.Timer1().isActive());
    w.SetTimerInterval(2000);
    QVERIFY(w.Timer1().isActive());
    QCOMPARE(w.Timer1().interval(), 2000);
  }
};

QTEST_MAIN(TestSolution)
#include "test_solution.moc"
