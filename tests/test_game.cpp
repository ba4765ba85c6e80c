// The commands driving whole games on the real drawing area, no event loop involved.
#include <QApplication>
#include <QTest>

#include "Game.h"

namespace {

// The board drawn afresh from the records: towers, then each stack bottom to top. A ring left
// behind, drawn twice or missing on the real image shows up as a difference.
QImage FreshDrawing(const GameState& records) {
  Game fresh;
  fresh.state.rings = records.rings;
  for (int t = 1; t <= 3; ++t) {
    for (int slot = 1; slot <= records.towers[t].nrings; ++slot) {
      const std::int16_t ring = records.towers[t].stack[slot];
      fresh.state.rings[ring].pole = std::int16_t(t);
      fresh.board.PutRing(ring);
    }
  }
  return fresh.pic.Image().copy();
}

QRgb Pixel(const DrawingArea& pic, int x_twips, int y_twips) {
  return pic.Image().pixel(x_twips / 15, y_twips / 15);
}

}  // namespace

class TestGame : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initializeAsksUntilTheCountIsUsable_data() {
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<int>("refusals");
    QTest::addColumn<int>("rings");  // 0: the window is closed
    QTest::newRow("8") << QStringList{"8"} << 0 << 8;
    QTest::newRow("9 then 4") << QStringList{"9", "4"} << 1 << 4;
    QTest::newRow("out of 16 bits")
        << QStringList{"1E10", "-40000", "&HFFFFFFFF", "1E400", "2"} << 4 << 2;
    QTest::newRow("ties to even") << QStringList{"-1", "8.6", "8.5"} << 2 << 8;
    QTest::newRow("3.5 is 4") << QStringList{"3.5"} << 0 << 4;
    QTest::newRow("0 closes") << QStringList{"0"} << 0 << 0;
    QTest::newRow("a word closes") << QStringList{"none"} << 0 << 0;
    QTest::newRow("-0.5 closes") << QStringList{"-0.5"} << 0 << 0;
    QTest::newRow("cancel closes") << QStringList{} << 0 << 0;  // no answer left: Cancel
  }
  void initializeAsksUntilTheCountIsUsable() {
    QFETCH(QStringList, answers);
    QFETCH(int, refusals);
    QFETCH(int, rings);
    Game g;
    for (const QString& a : answers) {
      g.dialogs.answers.push_back(a.toStdString());
    }
    g.commands.InitializeClick();
    QCOMPARE(g.dialogs.Messages(), std::vector<std::string>(refusals, "Invalid number of rings"));
    QCOMPARE(g.dialogs.shown.at(0).text, std::string("Number of rings to begin with (1-8)"));
    QCOMPARE(int(g.state.towers[1].nrings), rings);
    QCOMPARE(g.controls.closed, rings == 0);
    QCOMPARE(g.controls.IsEnabled(Button::Solve), rings > 0);
    QCOMPARE(g.controls.IsEnabled(Button::Initialize), rings == 0);
    QCOMPARE(g.pic.Image(), FreshDrawing(g.state));
  }

  void solutionsTakeTwoToTheNMinusOneLegalMoves() {
    for (int n = 1; n <= 8; ++n) {
      Game g({std::to_string(n)});
      bool legal = true, drawn = true;
      g.dispatch.step = [&] {
        g.Next();
        legal = legal && g.Legal();
        drawn = drawn && g.pic.Image() == FreshDrawing(g.state);
      };
      g.controls.Press(Button::Solve);
      const int expected = (1 << n) - 1;
      QVERIFY(legal && drawn);
      QCOMPARE(int(g.moves.size()), expected);
      QCOMPARE(int(g.state.towers[3].nrings), n);
      QCOMPARE(g.dialogs.Messages(),
               std::vector<std::string>{"Solution complete in " + std::to_string(expected) +
                                        " iterations."});
      QVERIFY(g.dialogs.shown.back().icon == MessageIcon::Information);
      QVERIFY(!g.state.solving && !g.controls.IsEnabled(Button::Solve));

      // After completion neither a press, a tick nor a direct call starts anything.
      const QImage done = g.pic.Image().copy();
      g.controls.Press(Button::Solve);
      g.commands.TimerTick();
      g.commands.SolveClick();
      QCOMPARE(g.pic.Image(), done);
      QCOMPARE(int(g.state.moves), expected);
      QCOMPARE(g.dialogs.Messages().size(), size_t(1));
    }
  }

  // Three rings, move by move: the order of the moves, the pixels of the first two, the states
  // of the buttons, and presses with no move pending (a second press in the same pass, presses
  // while the completion message is open) absorbed.
  void threeRingsStepByStep() {
    Game g({"3"});
    QVERIFY(!g.controls.IsEnabled(Button::Auto));
    const QRgb white = 0xFFFFFFFF, magenta = 0xFF7FFF7F, red = 0xFF7FFFFF;  // over white
    int absorbed = 0;
    g.dispatch.step = [&] {
      QCOMPARE(g.controls.Caption(Button::Solve), std::string("&Next"));
      QVERIFY(g.controls.IsEnabled(Button::Auto) && g.state.solving);
      const std::size_t done = g.moves.size();
      if (done == 0) {
        QCOMPARE(g.board.RingRect(3), (TwipRect{1049, 2647, 2178, 2968}));
        QCOMPARE(Pixel(g.pic, 1049, 2700), magenta);
      } else if (done == 1) {
        QCOMPARE(g.board.RingRect(2), (TwipRect{968, 2969, 2258, 3290}));
        QCOMPARE(Pixel(g.pic, 968, 3050), red);
      }
      g.Next();
      if (done == 0) {  // ring 3 now on C at left 5891, top 3291
        QCOMPARE(Pixel(g.pic, 1049, 2700), white);
        QCOMPARE(Pixel(g.pic, 5891, 3400), magenta);
        QCOMPARE(Pixel(g.pic, 5891 - 15, 3400), white);
        QCOMPARE(Pixel(g.pic, 6000, 3291 - 15), white);
      } else if (done == 1) {  // ring 2 now on B at left 3390, top 3291
        QCOMPARE(Pixel(g.pic, 968, 3050), white);
        QCOMPARE(Pixel(g.pic, 3390, 3400), red);
        QCOMPARE(Pixel(g.pic, 3390 - 15, 3400), white);
      }
      const QImage image = g.pic.Image().copy();
      g.controls.Press(Button::Solve);
      absorbed += g.pic.Image() == image && int(g.moves.size()) == g.state.moves;
    };
    g.dialogs.on_message = [&] {
      QCOMPARE(int(g.state.towers[3].nrings), 3);  // the last ring is drawn before the message
      QVERIFY(g.controls.IsEnabled(Button::Solve));
      g.controls.Press(Button::Solve);
    };
    g.controls.Press(Button::Solve);
    const std::vector<std::pair<int, int>> classic = {{1, 3}, {1, 2}, {3, 2}, {1, 3},
                                                      {2, 1}, {2, 3}, {1, 3}};
    QCOMPARE(g.moves, classic);
    QCOMPARE(absorbed, 7);
    QCOMPARE(int(g.state.moves), 7);
    QCOMPARE(g.dialogs.Messages().size(), size_t(1));
    QCOMPARE(g.controls.Caption(Button::Solve), std::string("&Next"));
    QVERIFY(g.controls.IsEnabled(Button::Auto) && !g.controls.IsEnabled(Button::Initialize));
  }

  void closingAbandonsTheSolution() {
    Game g({"3"});
    g.dispatch.step = [&] {
      g.Next();
      g.dispatch.keep_going = g.state.moves < 2;
    };
    g.controls.Press(Button::Solve);
    QVERIFY(g.solver.Abandoned());
    QCOMPARE(int(g.state.moves), 2);
    QVERIFY(g.dialogs.Messages().empty() && !g.state.solving);
  }

  void autoSolveStartsTheTimerOnlyOnNext() {
    Game g({"1"});
    g.commands.AutoClick();
    g.controls.SetCaption(Button::Solve, "&next");  // the comparison is case-sensitive
    g.commands.AutoClick();
    QVERIFY(!g.controls.timer_started);
    g.controls.SetCaption(Button::Solve, "&Next");
    g.commands.AutoClick();
    QVERIFY(g.controls.timer_started);
  }

  void speedSetsTheInterval_data() {
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<int>("interval");
    QTest::addColumn<bool>("refused");
    QTest::newRow("1.65") << QStringList{"1.65"} << 1650 << false;
    QTest::newRow("0.0625 to even") << QStringList{"0.0625"} << 62 << false;
    QTest::newRow("0.1875 to even") << QStringList{"0.1875"} << 188 << false;
    QTest::newRow("2") << QStringList{"2"} << 2000 << false;
    QTest::newRow("0") << QStringList{"0"} << 0 << false;
    QTest::newRow("cancel") << QStringList{} << 0 << false;
    QTest::newRow("largest") << QStringList{"2147483.647"} << 2147483647 << false;
    QTest::newRow("negative") << QStringList{"0.25", "-1"} << 250 << true;
    QTest::newRow("too long") << QStringList{"0.25", "2147483.648"} << 250 << true;
    QTest::newRow("1E400") << QStringList{"0.25", "1E400"} << 250 << true;
    QTest::newRow("1E306 x 1000") << QStringList{"0.25", "1E306"} << 250 << true;
  }
  void speedSetsTheInterval() {
    QFETCH(QStringList, answers);
    QFETCH(int, interval);
    QFETCH(bool, refused);
    Game g;
    for (const QString& a : answers) {
      g.dialogs.answers.push_back(a.toStdString());
    }
    for (int i = 0; i < std::max<int>(1, answers.size()); ++i) {
      g.commands.SpeedClick();
    }
    QCOMPARE(g.dialogs.shown.at(0).text, std::string(Commands::kDelayPrompt));
    QCOMPARE(g.dialogs.shown.at(0).title, std::string("Time Delay"));
    QCOMPARE(g.controls.interval, interval);
    QCOMPARE(g.dialogs.Messages(), std::vector<std::string>(refused ? 1 : 0, "Invalid time delay"));
    QVERIFY(!g.controls.timer_started);
  }
};

QTEST_MAIN(TestGame)
#include "test_game.moc"
