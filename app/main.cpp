#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/MainWindow.h"
#include "app/QtDialogs.h"

#if defined(__SANITIZE_ADDRESS__)
#define HANOI_LEAK_CHECK 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(leak_sanitizer)
#define HANOI_LEAK_CHECK 1
#endif
#endif
#ifdef HANOI_LEAK_CHECK
#include <sanitizer/lsan_interface.h>
#endif

namespace {

// Shows the window and runs the event loop until the window is closed; the window and its
// dialogs are destroyed before this returns. Returns the event loop's status.
int RunWindow() {
  QtDialogs dialogs;
  MainWindow window(dialogs);
  dialogs.SetParent(&window);
  window.show();
  return QApplication::exec();
}

// Ends the process without Qt's platform teardown. Qt 6.4's Wayland plugin can wait forever in
// that teardown (the display's destructor joins its event thread while that thread still reads
// from the compositor), so the window would be gone but the process would not end. Nothing is
// left to save at this point: the program's own objects are destroyed and output is flushed.
// A sanitizer build first runs the leak check that the exit would otherwise skip; a leak then
// ends the process with LeakSanitizer's status instead of `status`.
[[noreturn]] void EndNow(int status) {
  std::fflush(nullptr);
#ifdef HANOI_LEAK_CHECK
  __lsan_do_leak_check();
#endif
  std::_Exit(status);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("hanoi");
  QGuiApplication::setDesktopFileName("com.example.Hanoi");

  const int status = RunWindow();
  // Only on Wayland: elsewhere the teardown ends promptly, and on X11 it hands the clipboard
  // over to the desktop's clipboard manager.
  if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
    EndNow(status);
  }
  return status;
}
