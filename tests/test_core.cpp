// The plain core: rounding, the number reader, the board's worked values and its description.
#include <QTest>
#include <limits>

#include "Fakes.h"
#include "board/Board.h"
#include "board/Description.h"
#include "commands/NumberReader.h"

Q_DECLARE_METATYPE(std::string)

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct Fixture {
  GameState state;
  RecordingCanvas canvas;
  Board board{state, canvas};

  explicit Fixture(int rings = 0) {
    board.InitGraphics();
    for (std::uint8_t t = 1; t <= 3; ++t) {
      board.DrawTower(t);
    }
    for (int i = 0; i < rings; ++i) {
      board.AddRing(1);
    }
    state.numrings = std::int16_t(rings);
  }
};

// left, top, right, bottom of a recorded fill
QRect Rect(const RecordingCanvas::Fill& f) {
  return QRect(QPoint(int(f.x1), int(f.y1)), QPoint(int(f.x2), int(f.y2)));
}

}  // namespace

class TestCore : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // Half-way values go to the even neighbour; the range is checked after rounding.
  void roundingGoesToEvenAndIsRangeChecked() {
    const double ties[][2] = {
        {1614.5, 1614}, {6455.5, 6456}, {80.5, 80},   {2017.5, 2018}, {-2.5, -2},
        {-3.5, -4},     {62.5, 62},     {187.5, 188}, {0.5, 0},       {2.5000000000000004, 3}};
    for (const auto& [value, expected] : ties) {
      QCOMPARE(RoundHalfEven(value), expected);
    }
    QCOMPARE(*RoundToInt16(-32768.5), std::int16_t(-32768));
    QVERIFY(!RoundToInt16(32767.5));
    QVERIFY(!RoundToInt16(-40000));
    QVERIFY(!RoundToInt16(std::numeric_limits<double>::quiet_NaN()));
    QCOMPARE(*RoundToInt32(2147483647.0), 2147483647);
    QVERIFY(!RoundToInt32(2147483647.5));
    QVERIFY(!RoundToInt32(kInf));
    // Board geometry saturates instead of wrapping.
    QCOMPARE(ToMeasure(40000.0), Measure(32767));
    QCOMPARE(ToMeasure(-1e9), Measure(-32768));
    QCOMPARE(ClampMeasure(-32769), Measure(-32768));
  }

  void readsTheLeadingNumber_data() {
    QTest::addColumn<std::string>("text");
    QTest::addColumn<double>("expected");  // infinity: refused as too large
    const std::pair<const char*, double> rows[] = {{"12abc", 12},
                                                   {"1,5", 1},
                                                   {"1.5E3", 1500},
                                                   {"1.5e3", 1500},
                                                   {"25E-1", 2.5},
                                                   {"7E", 7},
                                                   {"7E-x", 7},
                                                   {"&H10", 16},
                                                   {"&hff", 255},
                                                   {"&O17", 15},
                                                   {"&O78", 7},
                                                   {"&H", 0},
                                                   {"&X10", 0},
                                                   {".5", 0.5},
                                                   {"5.", 5},
                                                   {"", 0},
                                                   {" \t\n", 0},
                                                   {"five", 0},
                                                   {".", 0},
                                                   {"-", 0},
                                                   {"--3", 0},
                                                   {"5 rings", 5},
                                                   {"+4", 4},
                                                   {" 1 2 ", 12},
                                                   {"1\t.\n5", 1.5},
                                                   {"- 3", -3},
                                                   {"1 E 2", 100},
                                                   {"1\r2", 1},
                                                   {"1.2.3", 1.2},
                                                   {"1E-400", 0},
                                                   {"&HFFFFFFFF", 4294967295.0},
                                                   {"1E400", kInf},
                                                   {"-1E400", kInf},
                                                   {"1E99999999999999999999", kInf}};
    for (const auto& [text, expected] : rows) {
      QTest::newRow(text) << std::string(text) << expected;
    }
    QTest::newRow("400 nines") << std::string(400, '9') << kInf;
    QTest::newRow("300 hex digits") << "&H" + std::string(300, 'F') << kInf;
  }
  void readsTheLeadingNumber() {
    QFETCH(std::string, text);
    QFETCH(double, expected);
    const std::optional<double> value = ReadNumber(text);
    QCOMPARE(value.has_value(), expected != kInf);
    if (value) {
      QCOMPARE(*value, expected);
    }
  }

  // The tables of the board at 8070 x 4095 twips, ties included: rounding half away from zero
  // would give polewidth 81 and tower centres 1615 and 6457.
  void boardMatchesTheWorkedTables() {
    Fixture f(8);
    const GameState& s = f.state;
    QCOMPARE(
        QList<int>({s.basewidth, s.polespan, s.basethick, s.polewidth, s.poleheight, s.ringheight}),
        QList<int>({1614, 3276, 161, 80, 3115, 322}));

    const int centres[] = {1614, 4035, 6456};
    const QRect bases[] = {QRect(QPoint(807, 3612), QPoint(2420, 3772)),
                           QRect(QPoint(3228, 3612), QPoint(4841, 3772)),
                           QRect(QPoint(5649, 3612), QPoint(7262, 3772))};
    for (int t = 1; t <= 3; ++t) {
      QCOMPARE(int(s.towers[t].xcenter), centres[t - 1]);
      QCOMPARE(int(s.towers[t].poletop), 498);
      QCOMPARE(Rect(f.canvas.fills[2 * t - 2]), bases[t - 1]);
      QCOMPARE(f.canvas.fills[2 * t - 2].color, PaletteColor(6));
      QCOMPARE(Rect(f.canvas.fills[2 * t - 1]),
               QRect(QPoint(centres[t - 1] - 40, 498), QPoint(centres[t - 1] + 39, 3612)));
      QCOMPARE(f.canvas.fills[2 * t - 1].color, PaletteColor(0));
      // The letter: half the width of "a" left of the centre, 1.5 text heights above the pole.
      QCOMPARE(f.canvas.texts[t - 1].text, std::string(1, char('A' + t - 1)));
      QCOMPARE(f.canvas.texts[t - 1].x, centres[t - 1] - f.canvas.text_width / 2);
      QCOMPARE(f.canvas.texts[t - 1].y, 498 - f.canvas.text_height * 1.5);
    }

    const int widths[] = {1453, 1291, 1130, 968, 807, 646, 484, 323};
    const int colours[] = {3, 4, 5, 2, 3, 4, 5, 2};
    const int lefts[][3] = {{888, 3308, 5730},  {968, 3390, 5810},  {1049, 3470, 5891},
                            {1130, 3551, 5972}, {1210, 3632, 6052}, {1291, 3712, 6133},
                            {1372, 3793, 6214}, {1452, 3874, 6294}};
    const int tops[] = {3291, 2969, 2647, 2325, 2003, 1681, 1359, 1037};
    QCOMPARE(int(s.towers[1].nrings), 8);
    for (int k = 1; k <= 8; ++k) {
      const auto& fill = f.canvas.fills[5 + k];
      QCOMPARE(int(s.rings[k].width), widths[k - 1]);
      QCOMPARE(s.rings[k].color, PaletteColor(colours[k - 1]));
      QCOMPARE(int(s.towers[1].stack[k]), k);
      QVERIFY(fill.mode == DrawMode::Xor);
      QCOMPARE(Rect(fill), QRect(QPoint(lefts[k - 1][0], tops[k - 1]),
                                 QPoint(lefts[k - 1][0] + widths[k - 1] - 1, tops[k - 1] + 321)));
      for (int pole = 2; pole <= 3; ++pole) {
        f.state.rings[k].pole = std::int16_t(pole);
        QCOMPARE(int(f.board.RingRect(std::int16_t(k)).left), lefts[k - 1][pole - 1]);
      }
    }
    QCOMPARE(s.rings[5].width * 2, s.basewidth);  // ring 5 of 8 is half the base
  }

  void badNumbersAndSizesAreHarmless() {
    Fixture f(0);
    f.board.DrawTower(0);
    f.board.DrawTower(4);
    f.board.AddRing(0);
    f.board.PutRing(5);
    f.board.LiftRing(-1);
    QCOMPARE(f.canvas.fills.size(), size_t(6));
    for (int i = 0; i < Tower::kCapacity + 3; ++i) {
      f.board.AddRing(2);
    }
    QCOMPARE(int(f.state.towers[2].nrings), Tower::kCapacity);  // a 21st ring is refused

    GameState state;
    RecordingCanvas huge;
    huge.width = huge.height = 1e7;
    Board board(state, huge);
    board.InitGraphics();
    board.DrawTower(3);
    QCOMPARE(state.basewidth, Measure(32767));
    QCOMPARE(state.towers[3].xcenter, Measure(32767));
  }

  void describesTheBoardInWords() {
    Fixture f(3);
    GameState& s = f.state;
    QCOMPARE(DescribeBoard(s), std::string("A: rings 1, 2, 3. B: empty. C: empty."));
    // First move pending: ring 3 is off A's stack but still drawn there.
    s.solving = true;
    s.towers[1].nrings = 2;
    s.grabbed = 3;
    s.rings[3].target = 3;
    QCOMPARE(DescribeBoard(s), std::string("A: rings 1, 2, 3. B: empty. C: empty. Move 0 of 7; "
                                           "next: ring 3 from A to C."));
    s.rings[3] = {3, s.rings[3].width, s.rings[3].color, 0};
    s.towers[3].nrings = 1;
    s.towers[3].stack[1] = 3;
    s.moves = 1;
    QCOMPARE(DescribeBoard(s), std::string("A: rings 1, 2. B: empty. C: ring 3. Move 1 of 7."));
  }
};

QTEST_GUILESS_MAIN(TestCore)
#include "test_core.moc"
