// Whole games in the real window, compared at every step with the worked tables, with what a
// listener hears and reads; the commands' answers to what the user types. The boxes answer from
// a script.
#include <QAccessible>
#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QTest>
#include <cmath>
#include <numeric>

#include "Fakes.h"
#include "Play.h"
#include "app/MainWindow.h"

namespace {

// The worked tables at 8070 x 4095 twips: bases and poles by tower, rings by number.
constexpr int kCentres[] = {1614, 4035, 6456};  // bases 1614 wide, poles 80 wide, about them
constexpr int kWidths[] = {1453, 1291, 1130, 968, 807, 646, 484, 323};
constexpr QRgb kColours[] = {0x008080, 0x800000, 0x800080, 0x008000};  // by ring, repeating
constexpr int kLefts[][3] = {{888, 3308, 5730},  {968, 3390, 5810},  {1049, 3470, 5891},
                             {1130, 3551, 5972}, {1210, 3632, 6052}, {1291, 3712, 6133},
                             {1372, 3793, 6214}, {1452, 3874, 6294}};
using Towers = std::vector<int>[3];  // ring numbers by pole, bottom to top

// Fills an inclusive twip rectangle the way the drawing area maps twips to device pixels.
void Fill(QImage& image, int left, int top, int right, int bottom, QRgb rgb, bool xored) {
  const auto px = [&](int twips) { return int(std::floor(twips * image.devicePixelRatio() / 15)); };
  for (int y = px(top); y <= px(bottom); ++y) {
    for (int x = px(left); x <= px(right); ++x) {
      image.setPixel(x, y, xored ? image.pixel(x, y) ^ rgb : 0xFF000000 | rgb);
    }
  }
}

// The board as the tables have it, with the letters where they belong: from half the width of
// "a" left of the centre, one and a half lines above the pole.
QImage TableBoard(const DrawingArea& pic, const Towers& towers) {
  QImage board(pic.Image().size(), QImage::Format_RGB32);
  board.setDevicePixelRatio(pic.Image().devicePixelRatio());
  board.fill(Qt::white);
  QPainter painter(&board);
  painter.setFont(pic.font());
  for (int t = 0; t < 3; ++t) {
    Fill(board, kCentres[t] - 807, 3612, kCentres[t] + 806, 3772, 0x808000, false);
    Fill(board, kCentres[t] - 40, 498, kCentres[t] + 39, 3612, 0x000000, false);
    const QPointF letter(kCentres[t] - pic.TextWidth("a") / 2, 498 - 1.5 * pic.TextHeight("a"));
    painter.drawText(letter / 15 + QPointF(0, QFontMetricsF(pic.font()).ascent()), QChar('A' + t));
    for (std::size_t slot = 0; slot < towers[t].size(); ++slot) {
      const int k = towers[t][slot] - 1;
      const int top = 3291 - 322 * int(slot);  // 3291, 2969, 2647, ... by the rings below
      Fill(board, kLefts[k][t], top, kLefts[k][t] + kWidths[k] - 1, top + 321, kColours[k % 4],
           true);
    }
  }
  return board;
}

// The poles in words: "A: rings 1, 2. B: empty. C: ring 3."
QString Poles(const Towers& towers) {
  QStringList poles;
  for (int t = 0; t < 3; ++t) {
    QStringList rings;
    for (const int ring : towers[t]) {
      rings << QString::number(ring);
    }
    const QString which = rings.size() == 1 ? "ring " : "rings ";
    poles << QChar('A' + t) + QString(": ") +
                 (rings.isEmpty() ? "empty" : which + rings.join(", ")) + '.';
  }
  return poles.join(' ');
}

}  // namespace

class TestGame : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // Every game from 1 to 8 rings, one Next per pass of the event loop. After each the image is
  // the tables' board, the move legal and the board told in words; a second Next in the same
  // pass is absorbed, and so are the ticks while the message is open. 2^n - 1 moves: no shorter
  // legal solution exists. A listener hears each piece of news once, wherever the focus is.
  void wholeGamesFollowTheWorkedTables() {
    for (int n = 1; n <= 8; ++n) {
      ScriptedDialogs dialogs;
      dialogs.answers = {std::to_string(n)};
      MainWindow w(dialogs);
      w.show();           // a hidden window tells a screen reader nothing
      QStringList heard;  // what it is told, in order
      QWidget* news = w.findChild<QWidget*>("Announcement");  // a notification taking no room
      QCOMPARE(QAccessible::queryAccessibleInterface(news)->role(), QAccessible::Notification);
      QCOMPARE(news->size(), QSize(0, 0));
      const OnShow listener(
          news, [&](QObject* note) { heard << static_cast<QWidget*>(note)->accessibleName(); });
      QCOMPARE(w.Pic()->accessibleDescription(), "A: empty. B: empty. C: empty.");
      w.ButtonOf(Button::Initialize)->click();
      Towers towers = {std::vector<int>(n)};
      std::iota(towers[0].begin(), towers[0].end(), 1);
      QCOMPARE(w.Pic()->Image(), TableBoard(*w.Pic(), towers));
      QCOMPARE(w.Pic()->accessibleDescription(), Poles(towers));  // no move count before Solve
      const int total = (1 << n) - 1;
      QStringList expected = {
          n > 1 ? QString("%1 rings on pole A, ring 1 the widest at the bottom, ring %1 the "
                          "narrowest on top.")
                      .arg(n)
                : "1 ring on pole A.",
          n > 1
              ? QString("Solving %1 rings in %2 moves: press Next for each move.").arg(n).arg(total)
              : "Solving 1 ring in 1 move: press Next for each move."};
      int moves = 0;
      dialogs.during = [&] {  // the message: ticks go on while it is open, absorbed
        w.SetTimerInterval(1);
        w.StartTimer();
        QTest::qWait(20);
        w.SetTimerInterval(0);
        QVERIFY(!w.Timer1().isActive());  // 0 stops it
      };
      Play(*w.ButtonOf(Button::Solve), [&] {
        const GameState& s = w.State();
        QVERIFY(s.solving);
        const Ring pending = s.rings[s.grabbed];
        std::vector<int>&from = towers[pending.pole - 1], &to = towers[pending.target - 1];
        QCOMPARE(from.back(), int(s.grabbed));
        QCOMPARE_LT(to.empty() ? 0 : to.back(), from.back());  // never onto a narrower ring
        const QString move =
            QString("ring %1 from %2 to %3")
                .arg(s.grabbed)
                .arg(QChar('A' + pending.pole - 1), QChar('A' + pending.target - 1));
        QCOMPARE(
            w.Pic()->accessibleDescription(),
            Poles(towers) + QString(" Move %1 of %2; next: %3.").arg(moves).arg(total).arg(move));
        to.push_back(from.back());
        from.pop_back();
        ++moves;
        expected << QString("Move %1 of %2: %3.").arg(moves).arg(total).arg(move) +
                        (moves == total ? " Puzzle solved." : "");
        w.ButtonOf(Button::Solve)->click();
        QCOMPARE(int(s.moves), moves);
        QCOMPARE(w.Pic()->Image(), TableBoard(*w.Pic(), towers));
        w.ButtonOf(Button::Solve)->click();  // no move pending yet: absorbed
        QCOMPARE(int(s.moves), moves);
      });
      QCOMPARE(moves, total);
      QCOMPARE(dialogs.shown.back(),
               "Solution complete in " + std::to_string(moves) + " iterations.");
      QCOMPARE(dialogs.shown.size(), 2u);  // the question and the message
      QCOMPARE(w.Pic()->Image(), TableBoard(*w.Pic(), towers));
      QCOMPARE(w.Pic()->accessibleDescription(),
               Poles(towers) + QString(" Move %1 of %1. Puzzle solved.").arg(total));
      QCOMPARE(heard, expected);
      QVERIFY(!w.State().solving);
      QVERIFY(!w.IsEnabled(Button::Solve));
      QCOMPARE(w.Caption(Button::Solve), "&Next");
      QVERIFY(w.IsEnabled(Button::Auto));
    }
  }

  // Initialize asks until the count is usable, once per run; Speed sets round(s x 1000) ms, and
  // leaves it as it was when refused. `boxes`: Q a question, I "Invalid ...". Last of the tests:
  // a window closed has told every event loop to end, the next one too.
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
    QTest::newRow("largest") << true << "2147483.647" << 2147483647 << "Q";
    QTest::newRow("refused") << true << "0.25,-1,2147483.648,1E306,1E400" << 250 << "QQIQIQIQI";
  }
  void answersAreReadAndChecked() {
    QFETCH(bool, speed);
    QFETCH(QString, answers);
    QFETCH(int, result);
    QFETCH(QString, boxes);
    ScriptedDialogs dialogs;
    MainWindow w(dialogs);
    for (const QString& a : answers.split(',')) {
      dialogs.answers.push_back(a.toStdString());
      if (speed) {
        w.ButtonOf(Button::Speed)->click();
      }
    }
    for (int i = 0; i < (speed ? 0 : 2); ++i) {
      w.ButtonOf(Button::Initialize)->click();  // once per run
    }
    QString shown;
    for (const std::string& box : dialogs.shown) {
      const Text asked = speed ? Commands::kDelayPrompt : Commands::kRingsPrompt;
      const bool question = box == English().Translate(asked);
      shown += question ? 'Q' : 'I';
      QCOMPARE(box, question ? box : speed ? "Invalid time delay" : "Invalid number of rings");
    }
    QCOMPARE(shown, boxes);
    QCOMPARE(speed ? w.Timer1().interval() : w.State().towers[1].nrings, result);
    QCOMPARE(w.Closing(), !speed && !result);
    QCOMPARE(w.IsEnabled(Button::Solve), !speed && result > 0);
    QCOMPARE(w.IsEnabled(Button::Initialize), !w.IsEnabled(Button::Solve));
    QVERIFY(!w.Timer1().isActive());
  }
};

QTEST_MAIN(TestGame)
#include "test_game.moc"
