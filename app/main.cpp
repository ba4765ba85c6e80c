#include <sys/stat.h>

#include <QApplication>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

  -f, --full-screen start in full screen
  -h, --help        show this help and exit
  -v, --version     show the version and exit

Keys: F11 full screen; Ctrl+Plus, Ctrl+Minus and Ctrl+0 zoom;
Page Down or Right for Next, as a presenter's remote sends.

Qt's options apply, among them:
  -platform NAME    the window system: xcb (X11) or wayland
  -style NAME       the look of the buttons and boxes, such as Fusion
)")};
//: Printed when there is no display to show the window on.
constexpr Text kNoDisplay = {"main",
                             QT_TRANSLATE_NOOP("main",
                                               "hanoi: no display to show the window on: neither "
                                               "WAYLAND_DISPLAY nor DISPLAY is set")};
//: Printed when WAYLAND_DISPLAY is the only display named and no socket is there. %1: the path.
constexpr Text kNoWaylandSocket = {
    "main", QT_TRANSLATE_NOOP("main",
                              "hanoi: no display to show the window on: no Wayland socket %1 "
                              "(WAYLAND_DISPLAY)")};
//: Printed when the window system cannot be reached. %1: what Qt said, in English.
constexpr Text kNoWindowSystem = {"main",
                                  QT_TRANSLATE_NOOP("main", "hanoi: cannot open the window: %1")};
//: Printed for "-platform NAME" when Qt has no such plugin. %1: NAME; %2: those Qt has, as
//: "wayland, xcb".
constexpr Text kNoPlugin = {
    "main", QT_TRANSLATE_NOOP("main",
                              "hanoi: cannot open the window: Qt has no platform \"%1\"; it has "
                              "%2")};
//: Printed when --help or --version cannot be written out. %1: why, in English.
constexpr Text kWriteError = {"main", QT_TRANSLATE_NOOP("main", "hanoi: write error: %1")};

const Language& UserLanguage() {
  static const Language language(QLocale::system().uiLanguages());
  return language;
}

void Complain(const Text& text, std::initializer_list<std::string_view> args = {}) {
  std::fprintf(stderr, "%s\n", Fill(UserLanguage().Translate(text), args).c_str());
}

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
  // The last words before Qt's report on its plugins say what failed; without any, a plugin that
  // is not there, and those that are.
  static const QRegularExpression missing(R"re(Could not find the Qt platform plugin "([^"]*)")re");
  static const QRegularExpression available("Available platform plugins are: (.*)\\.");
  QString reason = message.section('\n', 0, 0), plugin;
  for (const Held& m : held) {
    if (!m.category || QLatin1String(m.category) != QLatin1String("qt.qpa.plugin")) {
      reason = m.message;
    } else if (const auto match = missing.match(m.message); match.hasMatch()) {
      plugin = match.captured(1);
    }
  }
  if (!plugin.isEmpty()) {
    Complain(kNoPlugin, {plugin.toStdString(), available.match(message).captured(1).toStdString()});
  } else {
    Complain(kNoWindowSystem, {reason.toStdString()});
  }
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

// Writes `text` to the standard output; a failure to write it out (a full disk, a closed output)
// is reported, as GNU programs do, and gives status 1.
int Say(const std::string& text) {
  if (std::fputs(text.c_str(), stdout) >= 0 && std::fflush(stdout) == 0) {
    return 0;
  }
  Complain(kWriteError, {std::strerror(errno)});
  return 1;
}

// The value of Qt's option `name` ("-platform", or "--platform"), if it is given one.
const char* QtOption(int argc, char* argv[], std::string_view name) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (argv[i] == name || (argv[i][0] == '-' && argv[i] + 1 == name)) {
      return argv[i + 1];
    }
  }
  return nullptr;
}

// --help and --version, answered without a window; every other argument is left to Qt or ignored.
// Without a display to show the window on, one line says what is missing. Returns the status to
// exit with, or -1 to go on.
int AnswerOnTerminal(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--version" || arg == "-v") {
      return Say(std::string("hanoi ") + HANOI_VERSION + "\n");
    }
    if (arg == "--help" || arg == "-h") {
      return Say(UserLanguage().Translate(kHelp));
    }
  }
  const auto set = [](const char* name) { return std::getenv(name) && *std::getenv(name); };
  if (set("QT_QPA_PLATFORM") || QtOption(argc, argv, "-platform")) {
    return -1;  // Qt says what is wrong with the platform named
  }
  const bool x11 = set("DISPLAY") || QtOption(argc, argv, "-display");
  if (!x11 && !set("WAYLAND_DISPLAY")) {
    Complain(kNoDisplay);
    return 1;
  }
  if (!x11) {  // Wayland alone: its socket, as libwayland finds it
    const std::string name = std::getenv("WAYLAND_DISPLAY");
    const char* folder = std::getenv("XDG_RUNTIME_DIR");
    const std::string socket =
        name[0] == '/' ? name : std::string(folder ? folder : "$XDG_RUNTIME_DIR") + '/' + name;
    struct stat info;  // filled in by stat
    if (stat(socket.c_str(), &info) != 0 || !S_ISSOCK(info.st_mode)) {
      Complain(kNoWaylandSocket, {socket});
      return 1;
    }
  }
  return -1;
}

// Shows the window and runs the event loop until the window is closed; the window and its
// dialogs are destroyed before this returns. Returns the event loop's status.
int RunWindow(bool full_screen) {
  const Language language(QLocale::system().uiLanguages());
  QtDialogs dialogs;
  MainWindow window(dialogs, language);
  dialogs.SetParent(&window);
  if (full_screen) {
    window.SetFullScreen(true);
  } else {
    window.show();
  }
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

  const bool full_screen = std::any_of(argv + 1, argv + argc, [](const char* a) {
    return std::string(a) == "--full-screen" || std::string(a) == "-f";
  });
  const int status = RunWindow(full_screen);
  // Only on Wayland: elsewhere the teardown ends promptly, and on X11 it hands the clipboard
  // over to the desktop's clipboard manager.
  if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
    EndNow(status);
  }
  return status;
}
