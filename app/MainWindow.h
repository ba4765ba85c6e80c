#pragma once

#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include "app/DrawingArea.h"
#include "board/Board.h"
#include "board/Description.h"
#include "board/GameState.h"
#include "commands/Commands.h"
#include "commands/Controls.h"
#include "commands/Dialogs.h"
#include "solver/EventDispatch.h"
#include "solver/Solver.h"

// frmMain: the program's one window. It owns the GameState and every control, and connects the
// buttons and the timer to the commands. Constructing it runs the window load: the board
// measures are computed and the three empty towers drawn before the window is first shown.
class MainWindow : public QWidget, public Controls, public EventDispatch {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 564;   // 8460 twips
  static constexpr int kClientHeight = 341;  // 5115 twips

  // `dialogs` answers the message and input boxes, `texts` gives the texts of the board and the
  // commands (the window's own go through Qt's installed translations); both must outlive the
  // window. In a right-to-left layout the row of buttons is mirrored; the board is a picture and
  // stays as drawn.
  explicit MainWindow(Dialogs& dialogs, const Translator& texts = English(),
                      QWidget* parent = nullptr);

  // Controls
  void SetCaption(Button button, std::string_view caption) override;
  std::string Caption(Button button) const override;
  void SetEnabled(Button button, bool enabled) override;
  bool IsEnabled(Button button) const override;
  void StartTimer() override;
  void SetTimerInterval(std::int32_t milliseconds) override;
  void CloseWindow() override;
  bool Closing() const override { return closing_; }
  // Refreshes the drawing area's accessible description and tooltip from the board, and has
  // screen readers speak the news: a solution started, a move performed, the puzzle solved.
  void BoardChanged() override;

  // EventDispatch: blocks in the event loop until `done()` holds or the window has closed. The
  // board description is refreshed first, since a new move has just become pending.
  bool DispatchUntil(const std::function<bool()>& done) override;

  const GameState& State() const { return state_; }
  DrawingArea* Pic() const { return pic_; }
  QPushButton* ButtonOf(Button button) const;
  QTimer& Timer1() { return timer1_; }

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPushButton* MakeButton(const char* name, const QString& caption, int left);
  QPushButton* AccessKeyTarget(const QPushButton* pressed) const;

  GameState state_;
  Dialogs& dialogs_;
  const Translator& texts_;
  // Declaration order of the design: Command1, cmdAuto, Timer1, cmdDone, cmdInitialize,
  // cmdSolve, Pic.
  // Left edges are in pixels (twips / 15), left to right.
  //: Button captions: "&" marks the access key (Alt with the letter after it). Each caption must
  //: fit a 97-pixel button.
  QPushButton* command1_ = MakeButton("Command1", tr("&Speed"), 344);
  QPushButton* cmd_auto_ = MakeButton("cmdAuto", tr("&Auto Solve"), 120);
  QTimer timer1_;
  QPushButton* cmd_done_ = MakeButton("cmdDone", tr("&About"), 456);
  QPushButton* cmd_initialize_ = MakeButton("cmdInitialize", tr("&Initialize"), 232);
  QPushButton* cmd_solve_ = MakeButton("cmdSolve", tr("&Solve"), 8);
  DrawingArea* pic_ = new DrawingArea(this);
  Board board_{state_, *pic_};
  Solver solver_{state_, *this};
  Commands commands_{state_, board_, solver_, *this, dialogs_, texts_};
  MoveNarrator narrator_;
  bool closing_ = false;
  bool timer_started_ = false;
};
