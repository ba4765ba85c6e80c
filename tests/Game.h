#pragma once

// The commands on the real drawing area, with the buttons, timer, dialogs and the solver's wait
// replaced by fakes: each wait of the solver runs `step` (one Next unless a test says otherwise),
// so a whole game runs without an event loop. Needs a QApplication.
#include <string>
#include <utility>
#include <vector>

#include "Fakes.h"
#include "app/DrawingArea.h"
#include "board/Board.h"
#include "commands/Commands.h"
#include "solver/Solver.h"

struct Game {
  GameState state;
  DrawingArea pic;
  Board board{state, pic};
  DirectDispatch dispatch;
  Solver solver{state, dispatch};
  FakeControls controls;
  ScriptedDialogs dialogs;
  Commands commands{state, board, solver, controls, dialogs};
  std::vector<std::pair<int, int>> moves;  // source, destination of each performed move

  explicit Game(std::vector<std::string> answers = {}) {
    pic.resize(538, 273);
    board.InitGraphics();
    for (std::uint8_t t = 1; t <= 3; ++t) {
      board.DrawTower(t);
    }
    controls.on_press = [this](Button b) {
      if (b == Button::Solve) {
        commands.SolveClick();
      }
    };
    dispatch.step = [this] { Next(); };
    dialogs.answers.assign(answers.begin(), answers.end());
    if (!answers.empty()) {
      commands.InitializeClick();
    }
  }

  void Next() {
    const std::pair<int, int> move{state.rings[state.grabbed].pole,
                                   state.rings[state.grabbed].target};
    const int before = state.moves;
    controls.Press(Button::Solve);
    if (state.moves != before) {
      moves.push_back(move);
    }
  }

  // Never a wider ring on a narrower one; every ring on exactly one stack or pending.
  bool Legal() const {
    int seen = state.solving && state.rings[state.grabbed].target != 0 ? 1 : 0;
    for (int t = 1; t <= 3; ++t) {
      const Tower& tower = state.towers[t];
      for (int slot = 1; slot <= tower.nrings; ++slot, ++seen) {
        const int ring = tower.stack[slot];
        if (state.rings[ring].pole != t || (slot > 1 && ring < tower.stack[slot - 1])) {
          return false;
        }
      }
    }
    return seen == state.numrings;
  }
};
