#pragma once

#include <QLabel>
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
//
// The window can be zoomed (Ctrl+Plus, Ctrl+Minus, Ctrl+0) and shown full screen (F11): the
// whole content scales evenly, the board drawn anew at the new scale from its twips. Full screen
// centres the content at the largest zoom step that fits, with the solution's progress on a line
// beneath it. Page Down and Right press Next, for a presenter's remote.
class MainWindow : public QWidget, public Controls, public EventDispatch, public Listener {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 564;   // 8460 twips
  static constexpr int kClientHeight = 341;  // 5115 twips
  static constexpr double kZoomStep = 0.5;

  // `dialogs` answers the message and input boxes, `texts` gives the texts of the board and the
  // commands (the window's own go through Qt's installed translations); both must outlive the
  // window. In a right-to-left layout the row of buttons is mirrored; the board is a picture and
  // stays as drawn.
  explicit MainWindow(Dialogs& dialogs, const Translator& texts = English(),
                      QWidget* parent = nullptr);

  // Controls
  void SetCaption(Button button, std::string_view caption) override;
  void SetEnabled(Button button, bool enabled) override;
  bool IsEnabled(Button button) const override;
  void StartTimer() override;
  void SetTimerInterval(std::int32_t milliseconds) override;
  void CloseWindow() override;
  bool Closing() const override { return closing_; }

  // EventDispatch: blocks in the event loop until `done()` holds or the window has closed. The
  // board's description is refreshed first, since a new move has just become pending.
  bool DispatchUntil(const std::function<bool()>& done) override;

  // Listener: refreshes the board's description (its accessible description, its tooltip and the
  // full-screen line) and has screen readers speak the news.
  void Happened(const News& news) override;

  // Zoom of the window when not full screen: 1 (564 x 341), 1.5, 2, ... up to what the screen
  // holds. `zoom` is taken to the nearest step within those bounds.
  void SetZoom(double zoom);
  double Zoom() const { return zoom_; }
  // Full screen, or back to the window as it was.
  void SetFullScreen(bool on);

  const GameState& State() const { return state_; }
  DrawingArea* Pic() const { return pic_; }
  QPushButton* ButtonOf(Button button) const;
  QTimer& Timer1() { return timer1_; }
  // The line beneath the board in full screen.
  const QLabel* Progress() const { return progress_; }

 protected:
  bool event(QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPushButton* MakeButton(const char* name, const QString& caption);
  QPushButton* AccessKeyTarget(const QPushButton* pressed) const;
  void Refresh();
  // Places every control at `zoom` logical pixels per 15 twips, the client area's top-left corner
  // at `origin`, with the font scaled to match.
  void Layout(double zoom, QPoint origin);
  // The largest zoom step whose window fits `room`, `line` pixels of it kept for the progress
  // line at that step when it is true.
  double LargestZoom(QSize room, bool line) const;
  // Each caption in a font that lets it show whole on its button: the window's, or smaller.
  void FitCaptions();

  GameState state_;
  Dialogs& dialogs_;
  const Translator& texts_;
  // Declaration order of the design: Command1, cmdAuto, Timer1, cmdDone, cmdInitialize,
  // cmdSolve, Pic.
  //: Button captions: "&" marks the access key (Alt with the letter after it). Each caption must
  //: fit a 97-pixel button.
  QPushButton* command1_ = MakeButton("Command1", tr("&Speed"));
  QPushButton* cmd_auto_ = MakeButton("cmdAuto", tr("&Auto Solve"));
  QTimer timer1_;
  QPushButton* cmd_done_ = MakeButton("cmdDone", tr("&About"));
  QPushButton* cmd_initialize_ = MakeButton("cmdInitialize", tr("&Initialize"));
  QPushButton* cmd_solve_ = MakeButton("cmdSolve", tr("&Solve"));
  DrawingArea* pic_ = new DrawingArea(this);
  QLabel* progress_ = new QLabel(this);
  Board board_{state_, *pic_};
  Solver solver_{state_, *this};
  Commands commands_{state_, board_, solver_, *this, dialogs_, *this, texts_};
  double zoom_ = 1.0;         // when not full screen
  double shown_ = 1.0;        // the zoom the content is laid out at
  bool full_screen_ = false;  // as last asked for
  bool closing_ = false;
  bool timer_started_ = false;
};
