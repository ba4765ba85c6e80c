#pragma once

// Message and input boxes for the tests, the benchmarks and the screenshot: they answer from a
// script instead of waiting for a user.
#include <string>
#include <vector>

#include "commands/Dialogs.h"

// Answers questions from a script (Cancel, "", once it has run out) and records the text of every
// box.
struct ScriptedDialogs : Dialogs {
  std::vector<std::string> answers, shown;
  std::size_t answered = 0;

  void ShowMessage(std::string_view text, MessageIcon) override { shown.emplace_back(text); }
  std::string AskText(std::string_view prompt, std::string_view) override {
    std::string answer = answered < answers.size() ? answers[answered++] : "";
    shown.emplace_back(prompt);
    return answer;
  }
};
