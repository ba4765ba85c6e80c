#pragma once

#include <QApplication>
#include <QDialog>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include "commands/Dialogs.h"

// Message and input boxes, modal to the user but not to Qt. Qt drops every close request to a
// window that an application-modal box blocks, and closing the main window must end the program
// whatever is open; so the boxes are ordinary windows, and while one is open the main window's
// input is blocked here instead:
// - mouse, wheel, touch and shortcut input aimed at the main window is dropped;
// - keys aimed at the main window go to the box once the box has had the keyboard focus (a
//   compositor may give it back to the main window when that is clicked), and are dropped before
//   (typed before the box appeared, they were meant for the main window); activating the main
//   window activates the box again;
// - a close request still reaches the main window; when the event loops are told to exit, the
//   open box closes as if cancelled and is hidden at once.
class QtDialogs : public QObject, public Dialogs {
  Q_OBJECT

 public:
  explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {
    qApp->installEventFilter(this);
  }
  // The main window the boxes belong to and hold; set before the first box opens.
  void SetParent(QWidget* parent) { parent_ = parent; }

  // Boxes without a title of their own are titled "Tower of Hanoi", in the user's language. Their
  // text is in the main window's font, so it follows the window's zoom.
  void ShowMessage(std::string_view text, MessageIcon icon) override;
  std::string AskText(std::string_view prompt, std::string_view title) override;

  // The innermost open box, or null.
  QDialog* OpenBox() const { return open_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Shows `box` and runs events until it is answered or the event loops are told to exit.
  // Returns the box's result (QDialog::Rejected in the second case).
  int Run(QDialog& box);
  bool InMainWindow(QObject* object) const;

  QWidget* parent_;
  QPointer<QDialog> open_;
  bool open_had_focus_ = false;
};
