// Solutions on the real window, with the solver waiting in the event loop: boxes and presses
// while a move is pending, automatic play, and closing.
#include <QApplication>
#include <QTest>
#include <QTimer>

#include "Fakes.h"
#include "app/MainWindow.h"

namespace {

// A window with `rings` rings stacked, shown; `then` runs once the solver waits for a move.
struct Session {
  ScriptedDialogs dialogs;
  MainWindow w{dialogs};

  Session(const std::string& rings, std::vector<std::string> more = {}) {
    dialogs.answers = {rings};
    dialogs.answers.insert(dialogs.answers.end(), more.begin(), more.end());
    w.ButtonOf(Button::Initialize)->click();
    w.show();
  }
  // Presses Solve, which returns when the solution is complete or the window has closed.
  void Solve(const std::function<void()>& then) {
    QTimer::singleShot(0, &w, then);
    w.ButtonOf(Button::Solve)->click();
  }
  QPushButton* operator[](Button b) const { return w.ButtonOf(b); }
};

}  // namespace

class TestSolution : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // About while a move is pending shows the author and leaves the move alone; closing then ends
  // the solution with no further move.
  void aboutAndCloseWhileAMoveIsPending() {
    Session s("3");
    int target = -1;
    s.Solve([&] {
      s[Button::About]->click();
      target = s.w.State().rings[3].target;
      s.w.close();
    });
    QCOMPARE(s.dialogs.Messages(),
             std::vector<std::string>{"This program was made by Tandrovek.\r\n"
                                      "Send your comments to tandrovek@example.com"});
    QVERIFY(s.dialogs.shown.back().icon == MessageIcon::None);
    QCOMPARE(target, 3);
    QCOMPARE(int(s.w.State().rings[3].target), 3);
    QCOMPARE(int(s.w.State().moves), 0);
    QVERIFY(!s.w.State().solving);
  }

  void aSecondNextInOnePassIsAbsorbed() {
    Session s("3");
    QImage first, second;
    s.Solve([&] {
      s[Button::Solve]->click();
      first = s.w.Pic()->Image().copy();
      s[Button::Solve]->click();
      second = s.w.Pic()->Image().copy();
      QTimer::singleShot(0, &s.w, [&] { s.w.close(); });
    });
    QCOMPARE(second, first);
    QCOMPARE(int(s.w.State().moves), 1);
    QCOMPARE(int(s.w.State().grabbed), 2);  // the solver went on to the second move
  }

  // The whole game by hand, one Next per pass of the event loop; run under the leak checker in CI.
  void eightRingsByHand() {
    Session s("8");
    int presses = 0;
    std::function<void()> next = [&] {
      if (s[Button::Solve]->isEnabled()) {
        ++presses;
        s[Button::Solve]->click();
        QTimer::singleShot(0, &s.w, next);
      }
    };
    s.Solve(next);
    QCOMPARE(presses, 255);
    QCOMPARE(int(s.w.State().towers[3].nrings), 8);
    QCOMPARE(s.dialogs.Messages(),
             std::vector<std::string>{"Solution complete in 255 iterations."});
  }

  // Speed alone starts nothing; Auto Solve plays to the end; ticks during the completion message
  // and after it change nothing.
  void automaticPlayRunsToCompletion() {
    Session s("3", {"0.001"});
    s[Button::Speed]->click();
    QCOMPARE(s.w.Timer1().interval(), 1);
    QVERIFY(!s.w.Timer1().isActive());
    QImage atMessage;
    s.dialogs.on_message = [&] {
      atMessage = s.w.Pic()->Image().copy();
      s.w.Press(Button::Solve);  // a tick while the box is open
    };
    s.Solve([&] { s[Button::Auto]->click(); });
    QCOMPARE(s.dialogs.Messages(), std::vector<std::string>{"Solution complete in 7 iterations."});
    QVERIFY(s.w.Timer1().isActive() && !s[Button::Solve]->isEnabled());
    QTest::qWait(60);
    QCOMPARE(int(s.w.State().moves), 7);
    QCOMPARE(s.dialogs.Messages().size(), size_t(1));
    QCOMPARE(s.w.Pic()->Image(), atMessage);
  }

  void closingDuringAutomaticPlayEndsIt() {
    Session s("8", {"0.002"});
    s[Button::Speed]->click();
    s.Solve([&] {
      s[Button::Auto]->click();
      QTimer::singleShot(40, &s.w, [&] { s.w.close(); });
    });
    const int moves = s.w.State().moves;
    QVERIFY(moves < 255 && !s.w.Timer1().isActive());
    QTest::qWait(20);
    QCOMPARE(int(s.w.State().moves), moves);
    QVERIFY(s.dialogs.Messages().empty());
  }

  // Interval 0 silences a started timer until a positive interval comes.
  void timerFollowsStartAndInterval() {
    ScriptedDialogs dialogs;
    MainWindow w(dialogs);
    w.SetTimerInterval(40);
    QVERIFY(!w.Timer1().isActive());
    w.StartTimer();
    QVERIFY(w.Timer1().isActive());
    w.SetTimerInterval(0);
    QVERIFY(!w.Timer1().isActive());
    w.SetTimerInterval(2000);
    QVERIFY(w.Timer1().isActive());
    QCOMPARE(w.Timer1().interval(), 2000);
  }

  // Closing the window, or answering Initialize with 0, ends the event loop with status 0.
  void closingEndsTheProgramWithStatusZero() {
    for (const bool byInitialize : {false, true}) {
      ScriptedDialogs dialogs;
      dialogs.answers = {"0"};
      MainWindow w(dialogs);
      w.show();
      QTimer::singleShot(
          0, &w, [&] { byInitialize ? w.ButtonOf(Button::Initialize)->click() : void(w.close()); });
      QCOMPARE(QCoreApplication::exec(), 0);
      QVERIFY(w.Closing() && !w.isVisible());
      QVERIFY(dialogs.Messages().empty());
    }
  }
};

QTEST_MAIN(TestSolution)
#include "test_solution.moc"
