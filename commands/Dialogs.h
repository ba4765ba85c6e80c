#pragma once

#include <string>
#include <string_view>

enum class MessageIcon { None, Information };

// The two modal boxes the commands use.
class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // A modal message with an OK button, titled with the application's title. Lines are separated
  // by CR LF.
  virtual void ShowMessage(std::string_view text, MessageIcon icon) = 0;
  // A modal question with a text field (empty at first), OK and Cancel. An empty `title` means
  // the application's title. Returns the text typed, or "" when Cancel is chosen.
  virtual std::string AskText(std::string_view prompt, std::string_view title) = 0;
};
