#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "board/Board.h"
#include "board/Description.h"
#include "board/GameState.h"
#include "board/Translator.h"
#include "commands/Controls.h"
#include "commands/Dialogs.h"
#include "solver/Solver.h"

// The click and tick handlers of the window, over the one GameState.
//
// No command runs inside another: while one of the program's boxes is open, and once the window
// is closing, a click (however it arrives: mouse, access key, Enter, Space, or raised from code)
// does nothing. Only the timer's tick goes on during a box, and it performs at most the one
// pending move. Once the window is closing no box opens and no handler goes on after its box.
class Commands {
 public:
  //: The ring question; the rings are counted from 1 to 8.
  static constexpr Text kRingsPrompt = {
      "Commands", QT_TRANSLATE_NOOP("Commands", "Number of rings to begin with (1-8)")};
  static constexpr Text kInvalidRings = {"Commands",
                                         QT_TRANSLATE_NOOP("Commands", "Invalid number of rings")};
  //: Keep the example with a point: the answer is read with "." as the decimal point only.
  static constexpr Text kDelayPrompt = {
      "Commands",
      QT_TRANSLATE_NOOP(
          "Commands",
          "Enter time in seconds for the delay in moves during the demo. For Eg: 1.65")};
  //: Title of the delay question.
  static constexpr Text kDelayTitle = {"Commands", QT_TRANSLATE_NOOP("Commands", "Time Delay")};
  static constexpr Text kInvalidDelay = {"Commands",
                                         QT_TRANSLATE_NOOP("Commands", "Invalid time delay")};
  //: First line of About.
  static constexpr Text kAboutAuthor = {
      "Commands", QT_TRANSLATE_NOOP("Commands", "This program was made by Tandrovek.")};
  //: Second line of About; %1 is the author's e-mail address.
  static constexpr Text kAboutMail = {"Commands",
                                      QT_TRANSLATE_NOOP("Commands", "Send your comments to %1")};
  static constexpr std::string_view kMail = "tandrovek@example.com";
  //: Caption of the Solve button once a solution runs: each press makes the next move. "&" marks
  //: the access key (Alt with the letter after it); it must fit a 97-pixel button.
  static constexpr Text kNextCaption = {"Commands", QT_TRANSLATE_NOOP("Commands", "&Next")};
  //: Shown once the last ring stands on pole C. %n: the moves made (1 to 255). The English text
  //: always says "iterations", even for 1.
  static constexpr Text kComplete = {
      "Commands", QT_TRANSLATE_N_NOOP("Commands", "Solution complete in %n iterations.")};
  static constexpr std::int16_t kMaxRings = 8;

  // Texts shown go through `tr`, in the user's language; `listener` hears what happens.
  Commands(GameState& state, Board& board, Solver& solver, Controls& controls, Dialogs& dialogs,
           Listener& listener, const Translator& tr)
      : state_(state),
        board_(board),
        solver_(solver),
        controls_(controls),
        dialogs_(dialogs),
        listener_(listener),
        tr_(tr) {}

  // Initialize, once per run: asks for the ring count until it is 0 to 8 ("Invalid number of
  // rings" otherwise, including counts beyond the 16-bit range). 0, an empty answer or Cancel
  // closes the window; 1 to 8 stacks that many rings on pole A, enables Solve and disables
  // Initialize. A click on the disabled button does nothing.
  void InitializeClick();

  // Solve/Next. The first press relabels the button "&Next", enables Auto Solve and runs the
  // solver, which returns only when the solution is complete (or the window closes). Each further
  // press performs the one pending move; a press with no move pending, or on a disabled button,
  // changes nothing. The move that puts the last ring on pole C reports
  // "Solution complete in N iterations." and then disables the button.
  void SolveClick();

  // Auto Solve: starts the timer once a solution has started (the Solve button reads Next).
  void AutoClick();
  // A timer tick is a press of Next: it performs the pending move, if any, even while a box is
  // open. It never starts a solution.
  void TimerTick();

  // Speed: asks for the delay in seconds and sets the timer interval to round(delay x 1000) ms,
  // ties to even. 0, an empty answer or Cancel silence the timer. A delay the timer cannot take
  // (negative, beyond 2147483.647 s, or unreadably large) is answered with "Invalid time delay"
  // and leaves the interval and `speed` as they were.
  void SpeedClick();

  // About: names the author and his address, on two lines.
  void AboutClick();

 private:
  bool Refused() const { return boxes_ > 0 || controls_.Closing(); }
  // The boxes, counted while open. Empty (or false) when the window is closing, before or while
  // the box is open: the handler then stops.
  std::optional<std::string> Ask(const Text& prompt, const Text* title);
  bool Tell(const std::string& text, MessageIcon icon);
  void PerformPendingMove();

  GameState& state_;
  Board& board_;
  Solver& solver_;
  Controls& controls_;
  Dialogs& dialogs_;
  Listener& listener_;
  const Translator& tr_;
  int boxes_{};
};
