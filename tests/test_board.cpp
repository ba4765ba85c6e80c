#include <QTest>

#include "Fakes.h"
#include "board/Board.h"
#include "board/Description.h"

namespace {

struct Fixture {
  GameState state;
  RecordingCanvas canvas;
  Board board{state, canvas};

  Fixture() {
    board.InitGraphics();
    for (std::uint8_t t = 1; t <= 3; ++t) {
      board.DrawTower(t);
    }
  }
};

}  // namespace

class TestBoard : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // The ties at this size decide the board: polewidth 80.5 -> 80, tower 1 1614.5 -> 1614 and
  // tower 3 6455.5 -> 6456. Rounding half away from zero gives 81, 1615 and 6457.
  void measuresAtTheWindowSize() {
    Fixture f;
    QCOMPARE(f.state.basewidth, Measure(1614));
    QCOMPARE(f.state.polespan, Measure(3276));
    QCOMPARE(f.state.basethick, Measure(161));
    QCOMPARE(f.state.polewidth, Measure(80));
    QCOMPARE(f.state.poleheight, Measure(3115));
    QCOMPARE(f.state.ringheight, Measure(322));
  }

  void towersLandOnTheirTwips_data() {
    QTest::addColumn<int>("tower");
    QTest::addColumn<int>("xcenter");
    QTest::addColumn<QRect>("base");  // left, top, right, bottom
    QTest::addColumn<QRect>("pole");
    QTest::newRow("A") << 1 << 1614 << QRect(QPoint(807, 3612), QPoint(2420, 3772))
                       << QRect(QPoint(1574, 498), QPoint(1653, 3612));
    QTest::newRow("B") << 2 << 4035 << QRect(QPoint(3228, 3612), QPoint(4841, 3772))
                       << QRect(QPoint(3995, 498), QPoint(4074, 3612));
    QTest::newRow("C") << 3 << 6456 << QRect(QPoint(5649, 3612), QPoint(7262, 3772))
                       << QRect(QPoint(6416, 498), QPoint(6495, 3612));
  }
  void towersLandOnTheirTwips() {
    QFETCH(int, tower);
    QFETCH(int, xcenter);
    QFETCH(QRect, base);
    QFETCH(QRect, pole);
    Fixture f;
    const Tower& t = f.state.towers[tower];
    QCOMPARE(int(t.xcenter), xcenter);
    QCOMPARE(int(t.poletop), 498);
    QCOMPARE(int(t.poleleft), pole.left());
    QCOMPARE(int(t.nrings), 0);

    QCOMPARE(f.canvas.fills.size(), size_t(6));
    const auto& b = f.canvas.fills[2 * (tower - 1)];
    const auto& p = f.canvas.fills[2 * (tower - 1) + 1];
    QCOMPARE(QRect(QPoint(int(b.x1), int(b.y1)), QPoint(int(b.x2), int(b.y2))), base);
    QCOMPARE(b.color, PaletteColor(6));
    QCOMPARE(QRect(QPoint(int(p.x1), int(p.y1)), QPoint(int(p.x2), int(p.y2))), pole);
    QCOMPARE(p.color, PaletteColor(0));
    QVERIFY(b.mode == DrawMode::Copy && p.mode == DrawMode::Copy);
  }

  // The letter's left edge is half the width of "a" left of the centre, its top one and a half
  // text heights above the pole top; the text position is not rounded.
  void lettersSitAboveThePoles() {
    Fixture f;
    QCOMPARE(f.canvas.texts.size(), size_t(3));
    const char* letters[] = {"A", "B", "C"};
    const double centres[] = {1614, 4035, 6456};
    for (int i = 0; i < 3; ++i) {
      QCOMPARE(f.canvas.texts[i].text, std::string(letters[i]));
      QCOMPARE(f.canvas.texts[i].x, centres[i] - 52.5);
      QCOMPARE(f.canvas.texts[i].y, 498 - 292.5);
    }
  }

  void eightRingsStackOnTowerA() {
    Fixture f;
    f.canvas.fills.clear();
    for (int i = 0; i < 8; ++i) {
      f.board.AddRing(1);
    }
    const int widths[] = {1453, 1291, 1130, 968, 807, 646, 484, 323};
    const int colours[] = {3, 4, 5, 2, 3, 4, 5, 2};
    const int lefts[] = {888, 968, 1049, 1130, 1210, 1291, 1372, 1452};
    const int tops[] = {3291, 2969, 2647, 2325, 2003, 1681, 1359, 1037};
    QCOMPARE(f.state.rings.size(), size_t(9));
    QCOMPARE(f.state.towers[1].nrings, std::int16_t(8));
    for (int k = 1; k <= 8; ++k) {
      const Ring& ring = f.state.rings[k];
      QCOMPARE(int(ring.width), widths[k - 1]);
      QCOMPARE(ring.color, PaletteColor(colours[k - 1]));
      QCOMPARE(int(ring.pole), 1);
      QCOMPARE(int(ring.target), 0);
      QCOMPARE(int(f.state.towers[1].stack[k]), k);
      const auto& fill = f.canvas.fills[k - 1];
      QVERIFY(fill.mode == DrawMode::Xor);
      QCOMPARE(int(fill.x1), lefts[k - 1]);
      QCOMPARE(int(fill.y1), tops[k - 1]);
      QCOMPARE(int(fill.x2), lefts[k - 1] + widths[k - 1] - 1);
      QCOMPARE(int(fill.y2), tops[k - 1] + 321);
      QCOMPARE(fill.color, ring.color);
    }
    // Ring 5 of 8 is exactly half the base.
    QCOMPARE(f.state.rings[5].width * 2, f.state.basewidth);
  }

  void ringLeftEdgesOnEachTower_data() {
    QTest::addColumn<int>("ring");
    QTest::addColumn<int>("onA");
    QTest::addColumn<int>("onB");
    QTest::addColumn<int>("onC");
    const int table[8][3] = {{888, 3308, 5730}, {968, 3390, 5810}, {1049, 3470, 5891},
                             {1130, 3551, 5972}, {1210, 3632, 6052}, {1291, 3712, 6133},
                             {1372, 3793, 6214}, {1452, 3874, 6294}};
    for (int k = 1; k <= 8; ++k) {
      QTest::addRow("ring %d", k) << k << table[k - 1][0] << table[k - 1][1] << table[k - 1][2];
    }
  }
  void ringLeftEdgesOnEachTower() {
    QFETCH(int, ring);
    QFETCH(int, onA);
    QFETCH(int, onB);
    QFETCH(int, onC);
    Fixture f;
    for (int i = 0; i < 8; ++i) {
      f.board.AddRing(1);
    }
    Ring& r = f.state.rings[ring];
    const int expected[] = {onA, onB, onC};
    for (int pole = 1; pole <= 3; ++pole) {
      r.pole = std::int16_t(pole);
      QCOMPARE(int(f.board.RingRect(std::int16_t(ring)).left), expected[pole - 1]);
    }
  }

  void liftingDrawsTheSameRectangleAgain() {
    Fixture f;
    f.board.AddRing(1);
    f.board.AddRing(1);
    f.state.towers[1].nrings--;  // ring 2 grabbed
    f.board.LiftRing(2);
    const auto& put = f.canvas.fills[f.canvas.fills.size() - 2];
    const auto& lift = f.canvas.fills.back();
    QCOMPARE(lift.x1, put.x1);
    QCOMPARE(lift.y1, put.y1);
    QCOMPARE(lift.x2, put.x2);
    QCOMPARE(lift.y2, put.y2);
    QVERIFY(lift.mode == DrawMode::Xor);
    QCOMPARE(int(f.state.towers[1].nrings), 1);  // LiftRing changes no record
  }

  void badPoleAndRingNumbersAreIgnored() {
    Fixture f;
    const auto fills = f.canvas.fills.size();
    f.board.DrawTower(0);
    f.board.DrawTower(4);
    f.board.AddRing(0);
    f.board.AddRing(7);
    f.board.PutRing(0);
    f.board.PutRing(5);
    f.board.LiftRing(-1);
    QCOMPARE(f.canvas.fills.size(), fills);
    QCOMPARE(f.state.rings.size(), size_t(1));
  }

  void aFullTowerRefusesAnotherRing() {
    Fixture f;
    for (int i = 0; i < Tower::kCapacity + 3; ++i) {
      f.board.AddRing(2);
    }
    QCOMPARE(int(f.state.towers[2].nrings), Tower::kCapacity);
    QCOMPARE(f.canvas.fills.size(), size_t(6 + Tower::kCapacity));
  }

  void describesTheBoardInWords() {
    Fixture f;
    QCOMPARE(DescribeBoard(f.state), std::string("A: empty. B: empty. C: empty."));
    for (int i = 0; i < 3; ++i) {
      f.board.AddRing(1);
    }
    f.state.numrings = 3;
    QCOMPARE(DescribeBoard(f.state), std::string("A: rings 1, 2, 3. B: empty. C: empty."));

    // Solving, first move pending: ring 3 is off A's stack but still drawn there.
    f.state.solving = true;
    f.state.towers[1].nrings = 2;
    f.state.grabbed = 3;
    f.state.rings[3].target = 3;
    QCOMPARE(DescribeBoard(f.state),
             std::string("A: rings 1, 2, 3. B: empty. C: empty. Move 0 of 7; next: ring 3 from A "
                         "to C."));

    // Performed, the next not yet pending.
    f.state.rings[3].pole = 3;
    f.state.rings[3].target = 0;
    f.state.towers[3].nrings = 1;
    f.state.towers[3].stack[1] = 3;
    f.state.moves = 1;
    QCOMPARE(DescribeBoard(f.state),
             std::string("A: rings 1, 2. B: empty. C: ring 3. Move 1 of 7."));
  }

  // An absurd drawing-area size saturates the measures instead of wrapping them.
  void oversizedBoardSaturates() {
    GameState state;
    RecordingCanvas canvas;
    canvas.width = 1e7;
    canvas.height = 1e7;
    Board board(state, canvas);
    board.InitGraphics();
    board.DrawTower(3);
    QCOMPARE(state.basewidth, Measure(32767));
    QCOMPARE(state.towers[3].xcenter, Measure(32767));
    QCOMPARE(canvas.fills.at(0).y1, 32767.0);  // base top
    QCOMPARE(state.ringheight, Measure(6554));
  }
};

QTEST_GUILESS_MAIN(TestBoard)
#include "test_board.moc"
