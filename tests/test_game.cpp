// Whole games on the real drawing area, compared at every step with the worked tables, and the
// commands' answers to what the user types, to boxes, to ticks and to closing.
#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QTest>
#include <cmath>

#include "Fakes.h"
#include "board/Description.h"

namespace {

// The worked tables at 8070 x 4095 twips: bases and poles by tower, rings by number.
constexpr int kBaseLefts[] = {807, 3228, 5649};   // 1614 wide, rows 3612 to 3772
constexpr int kPoleLefts[] = {1574, 3995, 6416};  // 80 wide, rows 498 to 3612
constexpr int kWidths[] = {1453, 1291, 1130, 968, 807, 646, 484, 323};
constexpr int kColours[] = {3, 4, 5, 2, 3, 4, 5, 2};
constexpr int kLefts[][3] = {{888, 3308, 5730},  {968, 3390, 5810},  {1049, 3470, 5891},
                             {1130, 3551, 5972}, {1210, 3632, 6052}, {1291, 3712, 6133},
                             {1372, 3793, 6214}, {1452, 3874, 6294}};
constexpr int kTops[] = {3291, 2969, 2647, 2325, 2003, 1681, 1359, 1037};  // by rings below

// Fills an inclusive twip rectangle the way the drawing area maps twips to device pixels.
void Fill(QImage& image, int left, int top, int right, int bottom, QRgb rgb, bool xored) {
  const auto px = [&](int twips) { return int(std::floor(twips * image.devicePixelRatio() / 15)); };
  for (int y = px(top); y <= px(bottom); ++y) {
    for (int x = px(left); x <= px(right); ++x) {
      image.setPixel(x, y, xored ? image.pixel(x, y) ^ rgb : 0xFF000000 | rgb);
    }
  }
}

// The board as the tables have it, each tower's rings bottom to top, with the letters where they
// belong: from half the width of "a" left of the centre, one and a half lines above the pole.
QImage TableBoard(const Game& g, const std::vector<int> (&towers)[3]) {
  QImage board(g.pic.Image().size(), QImage::Format_RGB32);
  board.setDevicePixelRatio(g.pic.Image().devicePixelRatio());
  board.fill(Qt::white);
  QPainter painter(&board);
  painter.setFont(g.pic.font());
  for (int t = 0; t < 3; ++t) {
    Fill(board, kBaseLefts[t], 3612, kBaseLefts[t] + 1613, 3772, 0x808000, false);
    Fill(board, kPoleLefts[t], 498, kPoleLefts[t] + 79, 3612, 0x000000, false);
    const QPointF letter(kPoleLefts[t] + 40 - g.pic.TextWidth("a") / 2,
                         498 - 1.5 * g.pic.TextHeight("a"));
    painter.drawText(letter / 15 + QPointF(0, QFontMetricsF(g.pic.font()).ascent()),
                     QChar('A' + t));
    for (std::size_t slot = 0; slot < towers[t].size(); ++slot) {
      const int k = towers[t][slot] - 1;
      Fill(board, kLefts[k][t], kTops[slot], kLefts[k][t] + kWidths[k] - 1, kTops[slot] + 321,
           PaletteColor(kColours[k]), true);
    }
  }
  return board;
}

}  // namespace

class TestGame : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // Every game from 1 to 8 rings: after each Next the image is the tables' board and the move
  // legal; a second press in the same pass and a tick are absorbed, as is a tick while the
  // message is open; 2^n - 1 moves (the only legal solution so short), then nothing more.
  void wholeGamesFollowTheWorkedTables() {
    for (int n = 1; n <= 8; ++n) {
      Game g({std::to_string(n)});
      std::vector<int> towers[3];
      for (int k = 1; k <= n; ++k) {
        towers[0].push_back(k);
        QCOMPARE(g.state.rings[k].width, kWidths[k - 1]);
      }
      QCOMPARE(g.pic.Image(), TableBoard(g, towers));
      int moves = 0;
      g.step = [&] {
        QVERIFY(g.controls.captions[0] == "&Next" && g.controls.enabled[1] && g.state.solving);
        const Ring pending = g.state.rings[g.state.grabbed];
        std::vector<int>&from = towers[pending.pole - 1], &to = towers[pending.target - 1];
        QVERIFY(from.back() == g.state.grabbed && (to.empty() || to.back() < from.back()));
        const char* one = "A: ring 1. B: empty. C: empty. Move 0 of 1; next: ring 1 from A to C.";
        QVERIFY(n > 1 || DescribeBoard(g.state) == one);
        g.commands.AutoClick();  // starts the timer now that the button reads "&Next"
        to.push_back(from.back());
        from.pop_back();
        g.commands.SolveClick();
        QCOMPARE(g.pic.Image(), TableBoard(g, towers));
        QCOMPARE(g.state.moves, ++moves);
        g.commands.SolveClick();
        g.commands.TimerTick();
      };
      g.dialogs.during = [&] { g.commands.TimerTick(); };
      g.commands.AutoClick();
      QVERIFY(!g.controls.timer_started);
      g.commands.SolveClick();
      QCOMPARE(g.dialogs.shown.back(),
               "Solution complete in " + std::to_string(moves) + " iterations.");
      QVERIFY(moves == (1 << n) - 1 && g.dialogs.icon == MessageIcon::Information);
      QVERIFY(!g.state.solving && !g.controls.enabled[0] && g.controls.timer_started);
      g.commands.SolveClick();
      g.commands.TimerTick();
      QVERIFY(g.dialogs.shown.size() == 2 && g.state.moves == moves);
      QCOMPARE(g.pic.Image(), TableBoard(g, towers));
    }
  }

  // Initialize asks until the count is usable, once per run; Speed sets round(s x 1000) ms, and
  // leaves it as it was when refused. `boxes`: Q a question, I "Invalid ...".
  void answersAreReadAndChecked_data() {
    QTest::addColumn<bool>("speed");
    QTest::addColumn<QString>("answers");
    QTest::addColumn<int>("result");  // rings stacked (0: the window closed), or the interval
    QTest::addColumn<QString>("boxes");
    QTest::newRow("8") << false << "8" << 8 << "Q";
    QTest::newRow("9 then 4") << false << "9,4" << 4 << "QIQ";
    QTest::newRow("beyond 16 bits") << false << "1E10,-40000,1E400,2" << 2 << "QIQIQIQ";
    QTest::newRow("ties to even") << false << "-1,8.6,8.5" << 8 << "QIQIQ";
    QTest::newRow("0 closes") << false << "0" << 0 << "Q";
    QTest::newRow("cancel closes") << false << "" << 0 << "Q";
    QTest::newRow("1.65 s") << true << "1.65" << 1650 << "Q";
    QTest::newRow("0.0625 s to even") << true << "0.0625" << 62 << "Q";
    QTest::newRow("0.1875 s to even") << true << "0.1875" << 188 << "Q";
    QTest::newRow("cancel, 0 s") << true << "" << 0 << "Q";
    QTest::newRow("largest") << true << "2147483.647" << 2147483647 << "Q";
    QTest::newRow("refused") << true << "0.25,-1,2147483.648,1E306,1E400" << 250 << "QQIQIQIQI";
  }
  void answersAreReadAndChecked() {
    QFETCH(bool, speed);
    QFETCH(QString, answers);
    QFETCH(int, result);
    QFETCH(QString, boxes);
    Game g;
    for (const QString& a : answers.split(',')) {
      g.dialogs.answers.push_back(a.toStdString());
      speed ? g.commands.SpeedClick() : void();
    }
    for (int i = 0; i < (speed ? 0 : 2); ++i) {
      g.commands.InitializeClick();  // once per run
    }
    QString shown;
    for (const std::string& box : g.dialogs.shown) {
      shown += box == Commands::kRingsPrompt || box == Commands::kDelayPrompt ? 'Q' : 'I';
      QVERIFY(box[0] != 'I' || box == (speed ? "Invalid time delay" : "Invalid number of rings"));
    }
    QCOMPARE(shown, boxes);
    QCOMPARE(speed ? g.controls.interval : g.state.towers[1].nrings, result);
    QCOMPARE(g.controls.closed, !speed && !result);
    QCOMPARE(g.controls.enabled[0], !speed && result > 0);  // Solve, and Initialize the opposite
    QVERIFY(g.controls.enabled[2] != g.controls.enabled[0] && !g.controls.timer_started);
  }

  // While any box is open no click runs, whatever button it is for, and a tick performs only the
  // pending move; a close while it is open stops the command: no other box, no change after.
  void boxesHoldTheCommands_data() {
    QTest::addColumn<int>("rings");     // stacked first; 0: none
    QTest::addColumn<int>("command");   // the click that opens the box: an index of kClicks
    QTest::addColumn<bool>("pending");  // the box opens while a move is pending
    QTest::addColumn<int>("closeAt");   // the box, counted from 1
    QTest::newRow("ring question") << 0 << 0 << false << 1;
    QTest::newRow("invalid number") << 0 << 0 << false << 2;
    QTest::newRow("Speed") << 3 << 1 << true << 1;
    QTest::newRow("About") << 3 << 2 << true << 1;
    QTest::newRow("completion") << 1 << 3 << false << 1;
  }
  void boxesHoldTheCommands() {
    QFETCH(int, rings);
    QFETCH(int, command);
    QFETCH(bool, pending);
    QFETCH(int, closeAt);
    Game g(rings ? std::vector<std::string>{std::to_string(rings)} : std::vector<std::string>{});
    g.dialogs.shown.clear();
    g.dialogs.answers = {"9", "2"};
    void (Commands::*clicks[])() = {&Commands::InitializeClick, &Commands::SpeedClick,
                                    &Commands::AboutClick, &Commands::SolveClick,
                                    &Commands::AutoClick};
    FakeControls before;
    QImage board;
    g.dialogs.during = [&] {
      if (int(g.dialogs.shown.size()) == closeAt) {
        for (auto click : clicks) {
          (g.commands.*click)();
        }
        const int moves = g.state.moves;
        g.commands.TimerTick();
        QVERIFY(int(g.dialogs.shown.size()) == closeAt && !g.controls.timer_started);
        QCOMPARE(g.state.moves, moves + pending);
        g.controls.closed = true;
        before = g.controls;
        board = g.pic.Image().copy();
      }
    };
    g.step = [&] { (g.commands.*clicks[pending ? command : 3])(); };
    (g.commands.*clicks[pending ? 3 : command])();
    QVERIFY(int(g.dialogs.shown.size()) == closeAt && g.pic.Image() == board);
    QVERIFY(g.controls.interval == before.interval &&
            std::equal(before.enabled, before.enabled + 5, g.controls.enabled));
  }
};

QTEST_MAIN(TestGame)
#include "test_game.moc"
