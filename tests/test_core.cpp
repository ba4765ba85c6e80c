// The plain core without a window: ties-to-even rounding with its range checks, the number
// reader, and whole games played through the commands on a canvas that records in twips, compared
// at every step with the worked tables, with what a listener hears and reads, and with the
// answers typed.
#include <QTest>
#include <limits>

#include "Fakes.h"
#include "Tables.h"
#include "board/Measure.h"
#include "commands/NumberReader.h"

Q_DECLARE_METATYPE(std::string)

namespace {

QString Describe(const GameState& state) {
  return QString::fromStdString(DescribeBoard(state, English()));
}

// The poles in words: "A: rings 1, 2. B: empty. C: ring 3."
QString Poles(const Towers& towers) {
  QStringList poles;
  for (int t = 0; t < 3; ++t) {
    QStringList rings;
    for (const int ring : towers[t]) {
      rings << QString::number(ring);
    }
    poles << QString("%1: %2.").arg(
        QChar('A' + t),
        rings.isEmpty() ? "empty" : (rings.size() > 1 ? "rings " : "ring ") + rings.join(", "));
  }
  return poles.join(' ');
}

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

}  // namespace

class TestCore : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // Half-way values go to the even neighbour, whatever the sign; the range is checked after
  // rounding: refused where it is checked (empty, here -1), saturated in the board's measures.
  void roundingGoesToEvenAndIsRangeChecked() {
    const double ties[][2] = {{1614.5, 1614}, {6455.5, 6456}, {80.5, 80}, {-2.5, -2},
                              {-3.5, -4},     {0.49, 0},      {2.51, 3},  {2.5000000000000004, 3},
                              {-kInf, -kInf}};
    for (const auto& [value, expected] : ties) {
      QCOMPARE(RoundHalfEven(value), expected);
    }
    const double limits[][4] = {
        // value, to 16 bits, to 32 bits, to a measure
        {32767.4, 32767, 32767, 32767},        {32767.5, -1, 32768, 32767},
        {-32768.5, -32768, -32768, -32768},    {-32768.6, -1, -32769, -32768},
        {2147483647.4, -1, 2147483647, 32767}, {-2147483648.5, -1, -2147483648.0, -32768},
        {2147483647.5, -1, -1, 32767},         {kNaN, -1, -1, 0}};
    for (const auto& [value, int16, int32, measure] : limits) {
      QCOMPARE(RoundToInt16(value).value_or(-1), int16);
      QCOMPARE(RoundToInt32(value).value_or(-1), int32);
      QCOMPARE(ToMeasure(value), measure);
    }
    QCOMPARE(ClampMeasure(32768), 32767);
    QCOMPARE(ClampMeasure(-32769), -32768);
    QCOMPARE(Fill("%1, %2 %3 100% %", {"a", "%2"}), "a, %2 %3 100% %");  // one pass
    QCOMPARE(Fill(std::string_view("%1 %2", 4), {"a", "b"}), "a %");  // nothing read past the end
  }

  void readsTheLeadingNumber_data() {
    QTest::addColumn<std::string>("text");
    QTest::addColumn<double>("expected");  // infinity: refused as too large
    const std::string zeros(1499, '0');
    // ASCII, ranges, and the decimal digits of every script in UTF-8: a byte that begins no
    // character ends the number.
    // clang-format off
    const std::pair<std::string, double> rows[] = {
        {"12abc", 12}, {"1,5", 1}, {"1.5E3", 1500}, {"1.5e3", 1500}, {"25E-1", 2.5}, {"7E", 7},
        {"1E-", 1}, {"5-", 5}, {"7E-x", 7}, {"&H1A", 26}, {"&haf", 175}, {"&O17", 15}, {"&o78", 7},
        {"&H", 0}, {"&X10", 0}, {".5", 0.5}, {"5.", 5}, {"", 0}, {" \t\n", 0}, {"five", 0}, {".", 0},
        {"-", 0}, {"--3", 0}, {"5 rings", 5}, {"+4", 4}, {" 1 2 ", 12}, {"1\t.\n5", 1.5}, {"- 3", -3},
        {"1 E 2", 100}, {"1\r2", 1}, {"1.2.3", 1.2}, {"1E-400", 0}, {"1E400", kInf}, {"-1E400", kInf},
        {"&HFFFFF", 1048575}, {"&HFFFFFFFF", 4294967295.0}, {"1E99999999999999999999", kInf},
        {"1E-99999999999999999999", 0}, {"1E9223372036854775807", kInf},
        {"1E-9223372036854775808", 0}, {"0.1E9223372036854775807", kInf},
        {std::string(300, '0') + "1E-400", 0}, {"1" + zeros + "E-2000", 0},
        {"0." + zeros + "1E2000", kInf}, {std::string(400, '9'), kInf},
        {"&H" + std::string(300, 'F'), kInf}, {"３", 3}, {"１２.５", 12.5}, {"٣", 3}, {"١E٢", 100},
        {"١٫٥", 1}, {"१२", 12}, {"𝟗", 9}, {"&H１Ｆ", 1}, {"&O٧", 7}, {"\xB5", 0}, {"\xC3", 0},
        {"7\xE0\xA5", 7}, {"\xF8", 0}, {"٣\xF0\x9D", 3}, {"7\xB5", 7}};
    // clang-format on
    for (const auto& [text, expected] : rows) {
      QTest::newRow(QByteArray::fromStdString(text.substr(0, 30)).toPercentEncoding(" .,&+-"))
          << text << expected;
    }
  }
  void readsTheLeadingNumber() {
    QFETCH(std::string, text);
    QFETCH(double, expected);
    const std::optional<double> value = ReadNumber(text);
    QCOMPARE(value ? *value : kInf, expected);
  }

  // Every character alone: a decimal digit of any script reads as its value, anything else as 0.
  // Judged by this Qt's Unicode tables; a character they do not know yet is left out.
  void readsEveryDecimalDigit() {
    int digits = 0, unknown = 0;
    for (char32_t c = 1; c < 0x110000; ++c) {
      if (QChar::category(c) == QChar::Other_NotAssigned) {
        unknown += ReadNumber(QString::fromUcs4(&c, 1).toStdString() + "1") != 0;  // a digit, 0 too
        continue;
      }
      const std::string text = QString::fromUcs4(&c, 1).toStdString();
      const bool digit = QChar::category(c) == QChar::Number_DecimalDigit;
      digits += digit;
      if (ReadNumber(text) != (digit ? QChar::digitValue(c) : 0)) {
        QFAIL(qPrintable(
            QString("U+%1 reads %2").arg(uint(c), 4, 16, QChar('0')).arg(*ReadNumber(text))));
      }
    }
    qInfo("Qt %s knows %d decimal digits, all read; %d more are read as digits of a later Unicode",
          qVersion(), digits, unknown);
    QCOMPARE(ReadNumber(std::string_view("123", 2)), 12);  // nothing read past the end
  }

  // Every game from 1 to 8 rings, one Next at each wait of the solver. After each the board is the
  // tables' board, drawn anew from its records too, the move the recursion's next, and the board
  // told in words; a second Next in the same wait is absorbed, and so is a tick while the message
  // is open. The news is heard once each.
  void wholeGamesFollowTheWorkedTables() {
    for (int n = 1; n <= 8; ++n) {
      Game<RecordingCanvas> game(n);
      Towers towers, solved;
      for (int ring = 1; ring <= n; ++ring) {
        towers[0].push_back(ring);
      }
      std::vector<TableMove> moves;
      Solution(n, 1, 3, solved = towers, moves);
      const int total = int(moves.size());
      QCOMPARE(Describe(game.state), Poles(towers));  // no move count before Solve
      QStringList heard = {n > 1 ? QString::asprintf("%d rings on pole A, ring 1 the widest at the "
                                                     "bottom, ring %d the narrowest on top.",
                                                     n, n)
                                 : "1 ring on pole A.",
                           n > 1 ? QString::asprintf("Solving %d rings in %d moves: press Next for "
                                                     "each move.",
                                                     n, total)
                                 : "Solving 1 ring in 1 move: press Next for each move."};
      game.dialogs.during = [&] { game.commands.TimerTick(); };
      int made = 0;
      game.step = [&] {
        const TableMove m = moves[made];
        QCOMPARE(Describe(game.state), Poles(towers) + ' ' + TableProgress(made, total, m, false));
        const Solver::Call part = game.solver.Part().value_or(Solver::Call{});
        QCOMPARE(DescribeStep(game.state, part.count, part.source, part.dest, English()),
                 TableProgress(made, total, m, true).toStdString());
        towers[m.to - 1].push_back(towers[m.from - 1].back());
        towers[m.from - 1].pop_back();
        game.commands.SolveClick();
        game.commands.SolveClick();  // no move pending yet: absorbed
        QCOMPARE(int(game.state.moves), ++made);
        QCOMPARE(game.pic.Shown(), TableBoard(towers));
        game.pic.drawn.clear();
        game.pic.xored.clear();
        game.board.Redraw();
        QCOMPARE(game.pic.Shown(), TableBoard(towers));
        heard << QString::asprintf("Move %d of %d: ring %d from %c to %c.%s", made, total, m.ring,
                                   '@' + m.from, '@' + m.to, made < total ? "" : " Puzzle solved.");
        game.controls.closed = QTest::currentTestFailed();  // stops at the first failure
      };
      game.commands.SolveClick();
      QCOMPARE(int(game.state.moves), total);  // the tick while the message was open did nothing
      QCOMPARE(Describe(game.state),
               Poles(solved) + QString::asprintf(" Move %d of %d. Puzzle solved.", total, total));
      QCOMPARE(game.heard, heard);
      QCOMPARE(game.dialogs.shown.back(),
               "Solution complete in " + std::to_string(total) + " iterations.");
      QCOMPARE(game.dialogs.shown.size(), 2u);  // the question and the message
      QVERIFY(!game.state.solving);
      QVERIFY(!game.controls.enabled[int(Button::Solve)]);
      QVERIFY(game.controls.enabled[int(Button::Auto)]);
      QCOMPARE(game.controls.captions[int(Button::Solve)], "&Next");
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
    QTest::newRow("beyond 16 bits")
        << false << "1E10,-40000,1E400,1E9223372036854775807,2" << 2 << "QIQIQIQIQ";
    QTest::newRow("ties to even") << false << "-1,8.6,8.5" << 8 << "QIQIQ";
    QTest::newRow("0 closes") << false << "0" << 0 << "Q";
    QTest::newRow("cancel closes") << false << "" << 0 << "Q";
    QTest::newRow("1.65 s") << true << "1.65" << 1650 << "Q";
    QTest::newRow("0.0625 s to even") << true << "0.0625" << 62 << "Q";
    QTest::newRow("0.1875 s to even") << true << "0.1875" << 188 << "Q";
    QTest::newRow("largest") << true << "2147483.647" << 2147483647 << "Q";
    QTest::newRow("refused") << true << "0.25,-1,2147483.648,1E306,1E400" << 250 << "QQIQIQIQI";
  }
  void answersAreReadAndChecked() {
    QFETCH(bool, speed);
    QFETCH(QString, answers);
    QFETCH(int, result);
    QFETCH(QString, boxes);
    Game<RecordingCanvas> game;
    for (const QString& a : answers.split(',')) {
      game.dialogs.answers.push_back(a.toStdString());
      if (speed) {
        game.commands.SpeedClick();
      }
    }
    for (int i = 0; i < (speed ? 0 : 2); ++i) {
      game.commands.InitializeClick();  // once per run
    }
    QString shown;
    for (const std::string& box : game.dialogs.shown) {
      shown += box.starts_with("Invalid") ? 'I' : 'Q';
      QCOMPARE(box, box[0] == 'I' ? speed ? "Invalid time delay" : "Invalid number of rings" : box);
    }
    QCOMPARE(shown, boxes);
    QCOMPARE(speed ? game.controls.interval : game.state.towers[1].nrings, result);
    QCOMPARE(game.controls.closed, !speed && !result);
    QCOMPARE(game.controls.enabled[int(Button::Solve)], !speed && result > 0);
    QCOMPARE(game.controls.enabled[int(Button::Initialize)], !game.controls.enabled[0]);
  }

  // While a box is open no click does anything, however it comes; a tick makes the pending move,
  // once, and the message it brings opens over the box. An empty tower gives no ring.
  void onlyTheTickGoesOnWhileABoxIsOpen() {
    Game<RecordingCanvas> game(1);
    game.dialogs.during = [&] {
      for (auto click : {&Commands::InitializeClick, &Commands::SpeedClick, &Commands::AboutClick,
                         &Commands::AutoClick, &Commands::SolveClick, &Commands::TimerTick,
                         &Commands::TimerTick}) {
        (game.commands.*click)();
      }
    };
    game.step = [&] { game.commands.AboutClick(); };
    game.commands.SolveClick();
    const std::vector<std::string> shown = {
        "Number of rings to begin with (1-8)",
        "This program was made by Tandrovek.\r\nSend your comments to tandrovek@example.com",
        "Solution complete in 1 iterations."};
    QCOMPARE(game.dialogs.shown, shown);
    QCOMPARE(game.state.moves, 1);
    QVERIFY(!game.controls.timer_started);
    game.commands.AutoClick();
    QVERIFY(game.controls.timer_started);
    game.solver.GrabRing(2);
    QCOMPARE(game.state.grabbed, 1);
  }
};

QTEST_GUILESS_MAIN(TestCore)
#include "test_core.moc"
