#pragma once

#include <QWidget>

#include "commands/Dialogs.h"

// Message and input boxes as Qt dialogs, modal to the window.
class QtDialogs : public Dialogs {
 public:
  static constexpr const char* kAppTitle = "Tower of Hanoi";

  explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  void ShowMessage(std::string_view text, MessageIcon icon) override;
  std::string AskText(std::string_view prompt, std::string_view title) override;

 private:
  QWidget* parent_;
};
