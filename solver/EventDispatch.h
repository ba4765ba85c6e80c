#pragma once

#include <functional>

// Keeps the user interface alive while the solver waits for a move to be performed.
class EventDispatch {
 public:
  virtual ~EventDispatch() = default;

  // Handles user-interface events (clicks, timer ticks, repaints, boxes) until `done()` holds,
  // checking it after each batch. Returns true once it holds, false when the program is ending
  // (the window was closed) and the solution is to be abandoned.
  virtual bool DispatchUntil(const std::function<bool()>& done) = 0;
};
