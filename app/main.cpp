#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/Language.h"
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

//: Printed by "hanoi --help". Keep the option names as they are.
constexpr Text kHelp = {"main", QT_TRANSLATE_NOOP("main", R"(Usage: hanoi [OPTION]...
Shows the Tower of Hanoi puzzle in a window and solves it one move at a time.
The program takes no arguments of its own; any others are ignored.

  -h, --help        show this help and exit
  -v, --version     show the version and exit

Qt's options apply, among them:
  -platform NAME    the window system: xcb (X11) or wayland
  -style NAME       the look of the buttons and boxes, such as Fusion
)")};
//: Printed when there is no display to show the window on.
constexpr Text kNoDisplay = {"main",
                             QT_TRANSLATE_NOOP("main",
                                               "hanoi: no display to show the window on: neither "
                                               "WAYLAND_DISPLAY nor DISPLAY is set")};
//: Printed when the window system cannot be reached. %1: what Qt said, in English.
constexpr Text kNoWindowSystem = {"main",
                                  QT_TRANSLATE_NOOP("main", "hanoi: cannot open the window: %1")};

// Qt's messages while it connects to the window system, held back: a failure there is Qt's fatal
// error, which would abort with a core dump after advice to reinstall the program. It becomes
// one line, what failed ("could not connect to display :9"), and status 1 instead.
struct Held {
  QtMsgType type;
  const char* file;
  int line;
  const char* function;
  const char* category;
  QString message;
};
std::vector<Held> held;
QtMessageHandler qt_handler = nullptr;

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg) {
    held.push_back({type, context.file, context.line, context.function, context.category, message});
    return;
  }
  // The last words before Qt's report on its plugins say what failed.
  QString reason = message.section('\n', 0, 0);
  for (const Held& m : held) {
    if (!m.category || QLatin1String(m.category) != QLatin1String("qt.qpa.plugin")) {
      reason = m.message;
    }
  }
  const Language language(QLocale::system().uiLanguages());
  std::fprintf(stderr, "%s\n",
               Fill(language.Translate(kNoWindowSystem), {reason.toStdString()}).c_str());
  std::_Exit(1);
}

// The messages held back, passed on now that the window system is up.
void ReleaseMessages() {
  qInstallMessageHandler(qt_handler);
  for (const Held& m : held) {
    qt_handler(m.type, QMessageLogContext(m.file, m.line, m.function, m.category), m.message);
  }
  held.clear();
}

// --help and --version, answered without a window; every other argument is left to Qt or ignored.
// Returns the status to exit with, or -1 to go on.
int AnswerOnTerminal(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--version" || arg == "-v") {
      std::printf("hanoi %s\n", HANOI_VERSION);
      return 0;
    }
    if (arg == "--help" || arg == "-h") {
      std::fputs(Language(QLocale::system().uiLanguages()).Translate(kHelp).c_str(), stdout);
      return 0;
    }
  }
  const auto set = [](const char* name) { return std::getenv(name) && *std::getenv(name); };
  const bool platform_chosen =
      set("QT_QPA_PLATFORM") || std::any_of(argv + 1, argv + argc, [](const char* a) {
        return std::string(a) == "-platform" || std::string(a) == "--platform";
      });
  if (!platform_chosen && !set("DISPLAY") && !set("WAYLAND_DISPLAY")) {
    std::fprintf(stderr, "%s\n",
                 Language(QLocale::system().uiLanguages()).Translate(kNoDisplay).c_str());
    return 1;
  }
  return -1;
}

// Shows the window and runs the event loop until the window is closed; the window and its
// dialogs are destroyed before this returns. Returns the event loop's status.
int RunWindow() {
  const Language language(QLocale::system().uiLanguages());
  QtDialogs dialogs;
  MainWindow window(dialogs, language);
  dialogs.SetParent(&window);
  window.show();
  return QApplication::exec();
}

// Ends the process without Qt's platform teardown. Qt 6.4's Wayland plugin can wait forever in
// that teardown (the display's destructor joins its event thread while that thread still reads
// from the compositor), so the window would be gone but the process would not end. Nothing is
// left to save at this point: the program's own objects are destroyed, and it has written
// nothing to the buffered standard output. A sanitizer build first runs the leak check that the
// exit would otherwise skip; a leak then ends the process with LeakSanitizer's status instead.
[[noreturn]] void EndNow(int status) {
#ifdef HANOI_LEAK_CHECK
  __lsan_do_leak_check();
#endif
  std::_Exit(status);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (const int status = AnswerOnTerminal(argc, argv); status >= 0) {
    return status;
  }
  qt_handler = qInstallMessageHandler(HoldMessage);
  QApplication app(argc, argv);
  ReleaseMessages();
  QApplication::setApplicationName("hanoi");
  QApplication::setApplicationVersion(HANOI_VERSION);
  QGuiApplication::setDesktopFileName("com.example.Hanoi");

  const int status = RunWindow();
  // Only on Wayland: elsewhere the teardown ends promptly, and on X11 it hands the clipboard
  // over to the desktop's clipboard manager.
  if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
    EndNow(status);
  }
  return status;
}
