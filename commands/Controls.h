#pragma once

#include <cstdint>
#include <string_view>

// The window's push buttons, left to right: Solve/Next, Auto Solve, Initialize, Speed, About.
enum class Button { Solve, Auto, Initialize, Speed, About };

// What the commands ask of the window: its buttons, its timer and closing it.
class Controls {
 public:
  virtual ~Controls() = default;

  // Captions include the "&" that marks the access key ("&Next").
  virtual void SetCaption(Button button, std::string_view caption) = 0;
  virtual void SetEnabled(Button button, bool enabled) = 0;
  virtual bool IsEnabled(Button button) const = 0;

  // Starts the timer; a timer that already runs goes on as it was.
  virtual void StartTimer() = 0;
  // Interval between ticks, milliseconds, >= 0; 0 keeps the timer from ticking.
  virtual void SetTimerInterval(std::int32_t milliseconds) = 0;

  // Closes the window, which ends the program.
  virtual void CloseWindow() = 0;
  // True from the moment the window is asked to close (by the user, the window manager or
  // CloseWindow) until the program has ended.
  virtual bool Closing() const = 0;
};
