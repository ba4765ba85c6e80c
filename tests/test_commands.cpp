#include <QTest>

#include "Fakes.h"
#include "board/Board.h"
#include "commands/Commands.h"
#include "solver/Solver.h"

namespace {

// The whole program minus Qt: fakes for the canvas, buttons, timer, dialogs and the wait.
// Each wait of the solver presses Next once (unless `step` is replaced).
struct Program {
  GameState state;
  RecordingCanvas canvas;
  Board board{state, canvas};
  DirectDispatch dispatch;
  Solver solver{state, dispatch};
  FakeControls controls;
  ScriptedDialogs dialogs;
  Commands commands{state, board, solver, controls, dialogs};
  std::vector<std::pair<int, int>> moves;  // source, destination of each performed move

  Program() {
    board.InitGraphics();
    for (std::uint8_t t = 1; t <= 3; ++t) {
      board.DrawTower(t);
    }
    controls.on_press = [this](Button b) {
      if (b == Button::Solve) {
        commands.SolveClick();
      }
    };
    dispatch.step = [this] { Next(); };
  }

  void Initialize(const std::string& answer) {
    dialogs.answers.push_back(answer);
    commands.InitializeClick();
  }

  void Next() {
    const int source = state.rings[state.grabbed].pole;
    const int dest = state.rings[state.grabbed].target;
    const int before = state.moves;
    controls.Press(Button::Solve);
    if (state.moves != before) {
      moves.emplace_back(source, dest);
    }
  }

  // No ring on a narrower one, every ring on exactly one stack.
  bool Legal() const {
    int seen = 0;
    for (int t = 1; t <= 3; ++t) {
      const Tower& tower = state.towers[t];
      for (int slot = 1; slot <= tower.nrings; ++slot) {
        const int ring = tower.stack[slot];
        if (state.rings[ring].pole != t || (slot > 1 && ring < tower.stack[slot - 1])) {
          return false;
        }
        ++seen;
      }
    }
    const bool pending = state.solving && state.rings[state.grabbed].target != 0;
    return seen + (pending ? 1 : 0) == state.numrings;
  }
};

}  // namespace

class TestCommands : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // Initialize

  void initializeStacksTheRingsOnA() {
    Program p;
    p.Initialize("8");
    QCOMPARE(int(p.state.numrings), 8);
    QCOMPARE(int(p.state.towers[1].nrings), 8);
    QVERIFY(p.controls.IsEnabled(Button::Solve));
    QVERIFY(!p.controls.IsEnabled(Button::Initialize));
    QVERIFY(p.dialogs.Messages().empty());
    QCOMPARE(p.dialogs.shown.at(0).text, std::string(Commands::kRingsPrompt));
    QCOMPARE(p.dialogs.shown.at(0).title, std::string());
    QCOMPARE(p.canvas.fills.size(), size_t(6 + 8));
  }

  void invalidCountsAreRefusedAndAskedAgain_data() {
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<int>("refusals");
    QTest::addColumn<int>("rings");
    QTest::newRow("9 then 4") << QStringList{"9", "4"} << 1 << 4;
    QTest::newRow("-1 then 3") << QStringList{"-1", "3"} << 1 << 3;
    QTest::newRow("1E10 then 2") << QStringList{"1E10", "2"} << 1 << 2;
    QTest::newRow("-40000 then 2") << QStringList{"-40000", "2"} << 1 << 2;
    QTest::newRow("&HFFFFFFFF then 2") << QStringList{"&HFFFFFFFF", "2"} << 1 << 2;
    QTest::newRow("1E400 then 2") << QStringList{"1E400", "2"} << 1 << 2;
    QTest::newRow("many refusals") << QStringList{"9", "10", "-2", "8.6", "8.5"} << 4 << 8;
    QTest::newRow("3.5 rounds to 4") << QStringList{"3.5"} << 0 << 4;
    QTest::newRow("2.5 rounds to 2") << QStringList{"2.5"} << 0 << 2;
    QTest::newRow("5 and a word") << QStringList{"5 rings"} << 0 << 5;
  }
  void invalidCountsAreRefusedAndAskedAgain() {
    QFETCH(QStringList, answers);
    QFETCH(int, refusals);
    QFETCH(int, rings);
    Program p;
    for (const QString& a : answers) {
      p.dialogs.answers.push_back(a.toStdString());
    }
    p.commands.InitializeClick();
    const auto messages = p.dialogs.Messages();
    QCOMPARE(int(messages.size()), refusals);
    for (const auto& m : messages) {
      QCOMPARE(m, std::string("Invalid number of rings"));
    }
    for (const auto& s : p.dialogs.shown) {
      QVERIFY(s.icon == MessageIcon::None);
    }
    QCOMPARE(int(p.state.towers[1].nrings), rings);
    QCOMPARE(int(p.state.numrings), rings);
    QVERIFY(!p.controls.closed);
  }

  void zeroEndsTheProgramSilently_data() {
    QTest::addColumn<QString>("answer");
    QTest::newRow("0") << "0";
    QTest::newRow("empty") << "";
    QTest::newRow("cancel") << QString();  // exhausted script answers as Cancel
    QTest::newRow("word") << "none";
    QTest::newRow("0.4 rounds to 0") << "0.4";
    QTest::newRow("-0.5 rounds to 0") << "-0.5";
  }
  void zeroEndsTheProgramSilently() {
    QFETCH(QString, answer);
    Program p;
    if (!answer.isNull()) {
      p.dialogs.answers.push_back(answer.toStdString());
    }
    p.commands.InitializeClick();
    QVERIFY(p.controls.closed);
    QVERIFY(p.dialogs.Messages().empty());
    QCOMPARE(p.state.rings.size(), size_t(1));
    QCOMPARE(p.canvas.fills.size(), size_t(6));
    QVERIFY(!p.controls.IsEnabled(Button::Solve));
  }

  // Solve and Next

  void solutionsTakeTwoToTheNMinusOneMoves_data() {
    QTest::addColumn<int>("rings");
    for (int n = 1; n <= 8; ++n) {
      QTest::addRow("%d rings", n) << n;
    }
  }
  void solutionsTakeTwoToTheNMinusOneMoves() {
    QFETCH(int, rings);
    Program p;
    p.Initialize(std::to_string(rings));
    bool legal = true;
    p.dispatch.step = [&] {
      legal = legal && p.Legal();
      p.Next();
      legal = legal && p.Legal();
    };
    p.controls.Press(Button::Solve);
    const int expected = (1 << rings) - 1;
    QVERIFY(legal);
    QCOMPARE(int(p.state.moves), expected);
    QCOMPARE(int(p.moves.size()), expected);
    QCOMPARE(int(p.state.towers[3].nrings), rings);
    for (int k = 1; k <= rings; ++k) {
      QCOMPARE(int(p.state.rings[k].pole), 3);
      QCOMPARE(int(p.state.towers[3].stack[k]), k);
    }
    QCOMPARE(p.dialogs.Messages(),
             std::vector<std::string>{"Solution complete in " + std::to_string(expected) +
                                      " iterations."});
    QVERIFY(p.dialogs.shown.back().icon == MessageIcon::Information);
    QVERIFY(!p.state.solving);
  }

  void threeRingsMoveInTheClassicOrder() {
    Program p;
    p.Initialize("3");
    p.controls.Press(Button::Solve);
    const std::vector<std::pair<int, int>> expected = {{1, 3}, {1, 2}, {3, 2}, {1, 3},
                                                       {2, 1}, {2, 3}, {1, 3}};
    QCOMPARE(p.moves, expected);
  }

  void buttonStatesFollowTheSolution() {
    Program p;
    QCOMPARE(p.controls.Caption(Button::Solve), std::string("&Solve"));
    QVERIFY(!p.controls.IsEnabled(Button::Solve) && !p.controls.IsEnabled(Button::Auto));
    p.Initialize("2");
    QVERIFY(p.controls.IsEnabled(Button::Solve) && !p.controls.IsEnabled(Button::Auto));
    QVERIFY(!p.state.solving);

    bool checked = false;
    p.dispatch.step = [&] {
      if (!checked) {
        QCOMPARE(p.controls.Caption(Button::Solve), std::string("&Next"));
        QVERIFY(p.controls.IsEnabled(Button::Auto));
        QVERIFY(p.controls.IsEnabled(Button::Solve));
        QVERIFY(p.state.solving);
        checked = true;
      }
      p.Next();
    };
    // The last ring is on C, and the button still enabled, while the message is open.
    p.dialogs.on_message = [&] {
      QCOMPARE(int(p.state.towers[3].nrings), 2);
      QVERIFY(p.controls.IsEnabled(Button::Solve));
      QVERIFY(p.state.solving);
    };
    p.controls.Press(Button::Solve);
    QVERIFY(checked);
    QCOMPARE(p.controls.Caption(Button::Solve), std::string("&Next"));
    QVERIFY(!p.controls.IsEnabled(Button::Solve));
    QVERIFY(!p.controls.IsEnabled(Button::Initialize));
    QVERIFY(p.controls.IsEnabled(Button::Auto));
    QVERIFY(!p.state.solving);
  }

  // Two presses handled in one pass, and presses while the completion message is open, find no
  // move pending and change nothing.
  void nextWithoutAPendingMoveIsAbsorbed() {
    Program p;
    p.Initialize("3");
    int absorbed = 0;
    p.dispatch.step = [&] {
      p.Next();
      const auto fills = p.canvas.fills.size();
      const GameState before = p.state;
      p.controls.Press(Button::Solve);
      absorbed += p.canvas.fills.size() == fills && p.state.moves == before.moves &&
                  p.state.towers[1].nrings == before.towers[1].nrings &&
                  p.state.towers[2].nrings == before.towers[2].nrings &&
                  p.state.towers[3].nrings == before.towers[3].nrings;
    };
    p.dialogs.on_message = [&] { p.controls.Press(Button::Solve); };
    p.controls.Press(Button::Solve);
    QCOMPARE(absorbed, 7);
    QCOMPARE(int(p.state.moves), 7);
    QCOMPARE(int(p.dialogs.Messages().size()), 1);
    for (int k = 1; k <= 3; ++k) {
      QCOMPARE(int(p.state.rings[k].pole), 3);
    }
  }

  void aDisabledSolveButtonNeverStartsASecondSolution() {
    Program p;
    p.Initialize("2");
    p.controls.Press(Button::Solve);
    const auto fills = p.canvas.fills.size();
    const int waits = p.dispatch.waits;
    p.controls.Press(Button::Solve);
    p.commands.SolveClick();  // even when called directly
    p.commands.TimerTick();
    QCOMPARE(p.canvas.fills.size(), fills);
    QCOMPARE(p.dispatch.waits, waits);
    QCOMPARE(int(p.state.moves), 3);
    QCOMPARE(int(p.dialogs.Messages().size()), 1);
  }

  void solveBeforeInitializeDoesNothing() {
    Program p;
    p.controls.SetEnabled(Button::Solve, true);
    p.commands.SolveClick();
    QCOMPARE(p.dispatch.waits, 0);
    QCOMPARE(p.controls.Caption(Button::Solve), std::string("&Solve"));
  }

  void closingAbandonsTheSolution() {
    Program p;
    p.Initialize("3");
    p.dispatch.step = [&] {
      p.Next();
      if (p.state.moves == 2) {
        p.dispatch.keep_going = false;
      }
    };
    p.controls.Press(Button::Solve);
    QVERIFY(p.solver.Abandoned());
    QCOMPARE(int(p.state.moves), 2);
    QVERIFY(p.dialogs.Messages().empty());
    QVERIFY(!p.state.solving);
  }

  // Auto Solve, ticks and Speed

  void autoStartsTheTimerOnlyDuringASolution() {
    Program p;
    p.commands.AutoClick();
    QVERIFY(!p.controls.timer_started);
    p.Initialize("1");
    p.commands.AutoClick();
    QVERIFY(!p.controls.timer_started);
    p.controls.SetCaption(Button::Solve, "&next");  // case matters
    p.commands.AutoClick();
    QVERIFY(!p.controls.timer_started);
    p.controls.SetCaption(Button::Solve, "&Next");
    p.commands.AutoClick();
    p.commands.AutoClick();
    QCOMPARE(p.controls.timer_starts, 2);
  }

  void ticksPressNext() {
    Program p;
    p.Initialize("3");
    p.dispatch.step = [&] { p.commands.TimerTick(); };
    p.controls.Press(Button::Solve);
    QCOMPARE(int(p.state.moves), 7);
    QCOMPARE(int(p.state.towers[3].nrings), 3);
    // After completion the timer goes on ticking to no effect.
    const auto fills = p.canvas.fills.size();
    for (int i = 0; i < 5; ++i) {
      p.commands.TimerTick();
    }
    QCOMPARE(p.canvas.fills.size(), fills);
    QCOMPARE(int(p.state.moves), 7);
    QCOMPARE(int(p.dialogs.Messages().size()), 1);
  }

  void speedSetsTheInterval_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("interval");
    QTest::addColumn<double>("speed");
    QTest::newRow("1.65") << "1.65" << 1650 << 1.65;
    QTest::newRow("0.0625 to even") << "0.0625" << 62 << 0.0625;
    QTest::newRow("0.1875 to even") << "0.1875" << 188 << 0.1875;
    QTest::newRow("2") << "2" << 2000 << 2.0;
    QTest::newRow("0 silences") << "0" << 0 << 0.0;
    QTest::newRow("empty silences") << "" << 0 << 0.0;
    QTest::newRow("cancel silences") << QString() << 0 << 0.0;
    QTest::newRow("word silences") << "fast" << 0 << 0.0;
    QTest::newRow("largest interval") << "2147483.647" << 2147483647 << 2147483.647;
    QTest::newRow("tiny negative rounds to 0") << "-0.0004" << 0 << -0.0004;
  }
  void speedSetsTheInterval() {
    QFETCH(QString, answer);
    QFETCH(int, interval);
    QFETCH(double, speed);
    Program p;
    if (!answer.isNull()) {
      p.dialogs.answers.push_back(answer.toStdString());
    }
    p.commands.SpeedClick();
    QCOMPARE(p.dialogs.shown.at(0).text, std::string(Commands::kDelayPrompt));
    QCOMPARE(p.dialogs.shown.at(0).title, std::string("Time Delay"));
    QCOMPARE(p.controls.interval, interval);
    QCOMPARE(p.state.speed, speed);
    QVERIFY(p.dialogs.Messages().empty());
    QVERIFY(!p.controls.timer_started);  // Speed never starts the timer
  }

  void impossibleDelaysKeepThePreviousInterval_data() {
    QTest::addColumn<QString>("answer");
    QTest::newRow("negative") << "-1";
    QTest::newRow("beyond the largest interval") << "2147483.648";
    QTest::newRow("1E10") << "1E10";
    QTest::newRow("1E400") << "1E400";
    QTest::newRow("1E306 overflows when scaled") << "1E306";
  }
  void impossibleDelaysKeepThePreviousInterval() {
    QFETCH(QString, answer);
    Program p;
    p.dialogs.answers = {"0.25", answer.toStdString()};
    p.commands.SpeedClick();
    p.commands.SpeedClick();
    QCOMPARE(p.controls.interval, 250);
    QCOMPARE(p.state.speed, 0.25);
    QCOMPARE(p.dialogs.Messages(), std::vector<std::string>{"Invalid time delay"});
  }
};

QTEST_GUILESS_MAIN(TestCommands)
#include "test_commands.moc"
