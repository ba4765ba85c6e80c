#include "commands/Commands.h"

#include <algorithm>
#include <string>

#include "commands/NumberReader.h"

namespace {

// Ties-to-even conversion of an answer; empty when no usable number came out of it.
std::optional<std::int16_t> ReadInt16(std::string_view text) {
  const std::optional<double> value = ReadNumber(text);
  return value ? RoundToInt16(*value) : std::nullopt;
}

}  // namespace

std::optional<std::string> Commands::Ask(const Text& prompt, const Text* title) {
  if (controls_.Closing()) {
    return std::nullopt;
  }
  ++boxes_;
  std::string answer = dialogs_.AskText(tr_.Translate(prompt), title ? tr_.Translate(*title) : "");
  --boxes_;
  if (controls_.Closing()) {
    return std::nullopt;
  }
  return answer;
}

bool Commands::Tell(const std::string& text, MessageIcon icon) {
  if (controls_.Closing()) {
    return false;
  }
  ++boxes_;
  dialogs_.ShowMessage(text, icon);
  --boxes_;
  return !controls_.Closing();
}

void Commands::InitializeClick() {
  if (Refused() || !controls_.IsEnabled(Button::Initialize)) {
    return;
  }
  board_.ResetRings();
  state_.solving = false;

  std::int16_t count = 0;
  for (;;) {
    const std::optional<std::string> text = Ask(kRingsPrompt, nullptr);
    if (!text) {
      return;
    }
    const std::optional<std::int16_t> answer = ReadInt16(*text);
    if (answer && *answer >= 0 && *answer <= kMaxRings) {
      count = *answer;
      break;
    }
    if (!Tell(tr_.Translate(kInvalidRings), MessageIcon::None)) {
      return;
    }
  }
  state_.numrings = count;
  if (count == 0) {
    controls_.CloseWindow();
    return;
  }

  state_.moves = 0;
  controls_.SetEnabled(Button::Solve, true);
  controls_.SetEnabled(Button::Initialize, false);
  for (int i = 1; i <= count; ++i) {
    board_.AddRing(1);
  }
  listener_.Happened({News::Kind::Stacked});
}

void Commands::SolveClick() {
  if (Refused() || !controls_.IsEnabled(Button::Solve)) {
    return;
  }
  if (state_.solving) {
    PerformPendingMove();
    return;
  }
  controls_.SetCaption(Button::Solve, tr_.Translate(kNextCaption));
  controls_.SetEnabled(Button::Auto, true);
  state_.solving = true;
  state_.started = true;
  listener_.Happened({News::Kind::Started});
  solver_.Solve(state_.numrings, 1, 3, 2);
  state_.solving = false;
}

void Commands::PerformPendingMove() {
  GameState& s = state_;
  Ring& ring = s.rings[s.grabbed];  // ring 0, all zero, before the first move
  if (ring.target == 0) {
    return;  // no move pending: absorbed
  }
  ++s.moves;
  board_.LiftRing(s.grabbed);
  const News moved = {News::Kind::Moved, s.grabbed, ring.pole, ring.target};
  ring.pole = ring.target;
  board_.PutRing(s.grabbed);
  ring.target = 0;
  listener_.Happened(moved);

  const auto on_dest =
      std::count_if(s.rings.begin() + 1, s.rings.end(), [](const Ring& r) { return r.pole == 3; });
  if (on_dest == s.numrings) {
    if (!Tell(tr_.Translate(kComplete, s.moves), MessageIcon::Information)) {
      return;
    }
    controls_.SetEnabled(Button::Solve, false);
  }
}

void Commands::AutoClick() {
  if (!Refused() && state_.started) {
    controls_.StartTimer();
  }
}

void Commands::TimerTick() {
  PerformPendingMove();
}

void Commands::SpeedClick() {
  if (Refused()) {
    return;
  }
  const std::optional<std::string> text = Ask(kDelayPrompt, &kDelayTitle);
  if (!text) {
    return;
  }
  const std::optional<double> seconds = ReadNumber(*text);
  const std::optional<std::int32_t> interval =
      seconds ? RoundToInt32(*seconds * 1000) : std::nullopt;
  if (!interval || *interval < 0) {
    Tell(tr_.Translate(kInvalidDelay), MessageIcon::None);
    return;
  }
  state_.speed = *seconds;
  controls_.SetTimerInterval(*interval);
}

void Commands::AboutClick() {
  if (!Refused()) {
    Tell(tr_.Translate(kAboutAuthor) + "\r\n" + Fill(tr_.Translate(kAboutMail), {kMail}),
         MessageIcon::None);
  }
}
