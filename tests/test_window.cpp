// The real window under the offscreen platform: the window in each language and at the desktop's
// font, its keys, the board's pixels at every zoom, in full screen and on a screen of another
// ratio, the real boxes and how they hold the main window, and the program at rest.
#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QInputDialog>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <cmath>
#include <cstring>

#include "Fakes.h"
#include "Tables.h"
#include "app/Language.h"
#include "app/MainWindow.h"
#include "app/QtDialogs.h"

namespace {

// Runs `seen` on each Show event that `watched` receives, every object's when it is the
// application: what a screen reader is told (the board's notification shown anew), and a box.
struct OnShow : QObject {
  std::function<void(QObject*)> seen;
  OnShow(QObject* watched, std::function<void(QObject*)> on_show) : seen(std::move(on_show)) {
    watched->installEventFilter(this);
  }
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      seen(object);
    }
    return false;
  }
};

int Pixel(int twips, double scale) {
  return int(std::floor(twips * scale / 15));
}

// Draws `fill` into `image` at `scale` device pixels per 15 twips: twip x in pixel
// floor(x * scale / 15).
void Draw(QImage& image, const TableFill& fill, double scale) {
  for (int y = Pixel(fill.top, scale); y <= std::min(Pixel(fill.bottom, scale), image.height() - 1);
       ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = Pixel(fill.left, scale);
         x <= std::min(Pixel(fill.right, scale), image.width() - 1); ++x) {
      line[x] = fill.xored ? line[x] ^ fill.rgb : 0xFF000000 | fill.rgb;
    }
  }
}

// The first row from `top` down where the two images differ, or -1.
int FirstDifference(const QImage& image, const QImage& expected, int top) {
  for (int y = top; y < image.height(); ++y) {
    if (std::memcmp(image.constScanLine(y), expected.constScanLine(y), image.bytesPerLine()) != 0) {
      return y;
    }
  }
  return -1;
}

// Where `image` is not white, within `area`.
QRect Ink(const QImage& image, QRect area) {
  QRect ink;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (image.pixel(x, y) != 0xFFFFFFFF) {
        ink |= QRect(x, y, 1, 1);
      }
    }
  }
  return ink;
}

// Types `keys` (as QKeySequence spells them, one by one) where the keyboard focus is; "screen N"
// moves the window to screen N.
void Type(MainWindow& w, const QString& keys) {
  const QStringList sequence = keys.split(' ', Qt::SkipEmptyParts);
  for (const QString& key : sequence) {
    if (&key != &sequence.first()) {
      QCoreApplication::processEvents();  // keys come one by one, as a window system sends them
    }
    if (key.startsWith("screen")) {
      w.windowHandle()->setScreen(QGuiApplication::screens()[key.back().digitValue()]);
    } else {
      QTest::keySequence(QApplication::focusWidget(), QKeySequence(key));
    }
  }
}

// Plays the game stacked in `w`, one Next per pass of the event loop. `each` runs before every
// Next, with the moves made so far and the move pending, and once more at the end with none.
void Play(MainWindow& w, const std::function<void(int made, const TableMove*)>& each) {
  Towers towers;
  for (int ring = 1; ring <= w.State().numrings; ++ring) {
    towers[0].push_back(ring);
  }
  std::vector<TableMove> moves;
  Solution(w.State().numrings, 1, 3, towers, moves);
  int made = 0;
  QTimer next;
  QObject::connect(&next, &QTimer::timeout, &w, [&] {
    each(made, &moves[made]);
    if (QTest::currentTestFailed()) {
      w.close();  // abandons the solution: the failure is reported at once
    }
    ++made;
    w.ButtonOf(Button::Solve)->click();
  });
  next.start(0);
  w.ButtonOf(Button::Solve)->click();  // returns once the solution is complete
  next.stop();
  each(made, nullptr);
}

}  // namespace

class TestWindow : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // The window in a language: the title, the captions left to right and Qt's own Cancel, and a
  // short game to the completion message in the language's plural. Arabic mirrors the row of
  // buttons (Solve at the right) but neither the board nor the tab order, and every text it shows
  // or speaks reads right to left. A language Qt does not know is passed over.
  void windowInEachLanguage_data() {
    QTest::addColumn<QString>("languages");  // as LANGUAGE lists them, most wanted first
    QTest::addColumn<int>("rings");
    QTest::addColumn<QString>("texts");  // title, captions and Next, Cancel, the message
    QTest::newRow("English first")
        << "en_GB:de" << 1
        << "Tower of Hanoi by Tandrovek|&Solve|&Auto Solve|&Initialize|&Speed|&About|&Next|Cancel|"
           "Solution complete in 1 iterations.";
    QTest::newRow("unknown, then German")
        << "xx:de_AT" << 2
        << "Türme von Hanoi, von Tandrovek|&Lösen|&Automatisch|&Einrichten|&Tempo|Ü&ber|&Weiter|"
           "Abbrechen|Gelöst in 3 Zügen.";
    QTest::newRow("ar") << "ar_EG" << 2
                        << "برج هانوي من Tandrovek|&حل|حل آل&ي|إ&عداد|ال&سرعة|حو&ل|ال&تالي|"
                           "ألغِ|اكتمل الحل في ٣ نقلات.";
  }
  void windowInEachLanguage() {
    QFETCH(QString, languages);
    QFETCH(int, rings);
    QFETCH(QString, texts);
    const QStringList expected = texts.split('|');
    ScriptedDialogs dialogs;
    dialogs.answers = {std::to_string(rings)};
    const MainWindow english(dialogs);
    const Language language(languages.split(':'));
    MainWindow w(dialogs, language);
    const bool arabic = languages.startsWith("ar");
    QCOMPARE(QApplication::layoutDirection(), arabic ? Qt::RightToLeft : Qt::LeftToRight);
    QCOMPARE(w.windowTitle(), expected[0]);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), expected[7]);
    QCOMPARE(QAccessible::queryAccessibleInterface(&w)->role(), QAccessible::Window);
    QCOMPARE(w.size(), QSize(564, 341));                     // 8460 x 5115 twips
    QCOMPARE(w.Pic()->geometry(), QRect(10, 12, 538, 273));  // 150, 180, 8070 x 4095 twips
    QCOMPARE(w.Pic()->Image(), english.Pic()->Image());
    QVERIFY(w.ButtonOf(Button::Auto)->isDefault());
    QCOMPARE(w.Timer1().interval(), 500);
    for (int b = 0; b < 5; ++b) {  // 1680 twips apart, top 4440, 1455 x 615 twips
      QCOMPARE(w.ButtonOf(Button(b))->text(), expected[b + 1]);
      QCOMPARE(w.ButtonOf(Button(b))->geometry(),
               QRect(arabic ? 459 - 112 * b : 8 + 112 * b, 296, 97, 41));
      QCOMPARE(w.ButtonOf(Button(b))->isEnabled(), b >= 2);  // Solve and Auto Solve disabled
    }

    // The image is kept at device pixels inside a 2-pixel frame and shown unscaled; the focus,
    // which starts on the board, shows as that frame in the highlight colour, not in the image.
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(w.Pic()->grab(QRect(2, 2, 534, 269)).toImage().convertToFormat(QImage::Format_RGB32),
             w.Pic()->Image());
    const QRgb highlight = w.Pic()->palette().color(QPalette::Highlight).rgb();
    const auto frame = [&] {  // as painted on the screen, once the window has repainted
      QCoreApplication::processEvents();
      return w.screen()->grabWindow(w.winId(), 10, 12, 1, 1).toImage().pixel(0, 0);
    };
    QCOMPARE(QApplication::focusWidget(), w.Pic());
    QCOMPARE(frame(), highlight);
    QStringList said = {w.windowTitle()}, heard;  // what the user reads, and hears
    std::vector<std::unique_ptr<OnShow>> listeners;
    for (QObject* child : w.Pic()->children()) {
      if (QAccessible::queryAccessibleInterface(child)->role() == QAccessible::Notification) {
        listeners.push_back(std::make_unique<OnShow>(
            child, [&](QObject* note) { heard << static_cast<QWidget*>(note)->accessibleName(); }));
      }
    }
    w.ButtonOf(Button::Initialize)->click();
    Play(w, [&](int, const TableMove*) {
      said << w.Pic()->accessibleDescription() << w.Pic()->toolTip() << w.Progress()->text();
    });
    QCOMPARE(heard.size(), (1 << rings) + 1);  // the rings stacked, the start and every move
    said << heard;
    QCOMPARE(w.ButtonOf(Button::Solve)->text(), expected[6]);
    QCOMPARE(QString::fromStdString(dialogs.shown.back()), expected[8]);
    for (const std::string& box : dialogs.shown) {
      said << QString::fromStdString(box);
    }
    for (const QString& text : said) {
      QVERIFY2(text.isRightToLeft() == arabic, qPrintable(text));
    }
    w.SetEnabled(Button::Solve, true);
    w.SetEnabled(Button::Initialize, true);
    for (Button b :
         {Button::Solve, Button::Initialize, Button::About, Button::Auto, Button::Speed}) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), w.ButtonOf(b));
      QVERIFY(frame() != highlight);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // round to the board
    QCOMPARE(frame(), highlight);
  }

  // Every caption in every language shows whole on its button, and every box's title beside the
  // window manager's buttons, at the fonts desktops give: 9 points, KDE's 10 and GNOME's 11.
  void wholeAtTheDesktopsFont() {
    const QFont standard = QApplication::font();
    const QStringList files = QDir(":/i18n").entryList() << "hanoi_en.qm";
    for (const QString& file : files) {
      for (const int points : {9, 10, 11}) {
        QFont font = standard;
        font.setPointSize(points);
        QApplication::setFont(font);
        const Language language({file.mid(6).chopped(3)});
        QtDialogs dialogs;
        MainWindow w(dialogs, language);
        dialogs.SetParent(&w);
        const QString where = QString("%1 at %2 points: ").arg(file).arg(points);
        for (int b = 0; b <= 5; ++b) {
          if (b == 5) {
            w.SetCaption(Button::Solve, language.Translate(Commands::kNextCaption));
          }
          const QPushButton* button = w.ButtonOf(Button(b % 5));
          QVERIFY2(button->sizeHint().width() <= button->width(),
                   qPrintable(where + button->text()));
        }
        const auto room = [&] {
          QDialog* box = dialogs.OpenBox();
          const int room = box->width() - box->fontMetrics().horizontalAdvance(box->windowTitle());
          QVERIFY2(room >= 100, qPrintable(where + box->windowTitle()));
          box->reject();
        };
        QTimer::singleShot(0, &w, room);
        dialogs.AskText("", language.Translate(Commands::kDelayTitle));
        QTimer::singleShot(0, &w, room);
        dialogs.AskText(language.Translate(Commands::kRingsPrompt), "");
        QTimer::singleShot(0, &w, room);
        dialogs.ShowMessage(language.Translate(Commands::kInvalidDelay), MessageIcon::None);
      }
    }
    QApplication::setFont(standard);
  }

  // A game with the real boxes, driven as a user would: each step runs once its box has the
  // focus, and checks the box; keys typed at the main window reach it, but not those typed before
  // the box had the focus; clicks raised from code (as screen readers raise them) do nothing.
  // Closing the main window while a box is open ends the program. The tests that close a window
  // come after those with real boxes: once the event loops are told to exit, a box's returns at
  // once.
  void realBoxesHoldTheMainWindow() {
    QtDialogs dialogs;
    MainWindow w(dialogs);
    dialogs.SetParent(&w);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    // A box as it shows itself: title|text, then for a message its icon and its buttons; for a
    // question, what it holds.
    const auto seen = [](QDialog* open) {
      if (auto* m = qobject_cast<QMessageBox*>(open)) {
        return QString("%1|%2|icon %3, %4 button")
            .arg(m->windowTitle(), m->text())
            .arg(m->icon())
            .arg(m->buttons().size());
      }
      auto* q = qobject_cast<QInputDialog*>(open);
      return QString("%1|%2|%3").arg(q->windowTitle(), q->labelText(), q->textValue());
    };
    struct Step {
      QString box;
      const char* keys;
      Qt::Key key;
    };
    const QString rings = "Tower of Hanoi|Number of rings to begin with (1-8)|";
    const QString delay =
        "Time Delay|Enter time in seconds for the delay in moves during the demo. For Eg: 1.65|";
    QList<Step> steps = {
        {rings, "9", Qt::Key_Return},
        {"Tower of Hanoi|Invalid number of rings|icon 0, 1 button", "", Qt::Key_Return},
        {rings, "3", Qt::Key_Return},
        {delay, "5", Qt::Key_Escape},  // Cancel
        {delay, "0.001", Qt::Key_Return},
        {"Tower of Hanoi|Solution complete in 7 iterations.|icon 1, 1 button", "", Qt::Key_Return},
        {"Tower of Hanoi|This program was made by Tandrovek.\nSend your comments to "
         "tandrovek@example.com|icon 0, 1 button",
         "", Qt::Key_Close}};
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {  // each step once its box has the focus
      QDialog* open = dialogs.OpenBox();
      if (QTest::currentTestFailed()) {
        w.close();  // ends every event loop: the failure is reported at once
      }
      if (!open || !open->isActiveWindow() || open->property("seen").toBool() || steps.isEmpty()) {
        return;
      }
      open->setProperty("seen", true);
      const Step step = steps.takeFirst();
      QCOMPARE(seen(open), step.box);  // nothing typed before the box had the focus
      for (int b = 0; b < 5; ++b) {
        w.ButtonOf(Button(b))->click();
      }
      QCOMPARE(dialogs.OpenBox(), open);
      QTest::keyClicks(&w, step.keys);
      if (step.key == Qt::Key_Close) {
        w.close();
      } else {
        QTest::keyClick(&w, step.key);
      }
    });
    poll.start(1);
    const OnShow early(qApp, [&](QObject* box) {  // typed before the box has the focus
      if (qobject_cast<QDialog*>(box)) {
        QTest::keyClicks(&w, "7");
      }
    });
    w.ButtonOf(Button::Initialize)->setFocus();
    w.ButtonOf(Button::Initialize)->click();
    QCOMPARE(w.focusWidget(), w.ButtonOf(Button::Solve));
    QCOMPARE(w.State().numrings, 3);
    w.ButtonOf(Button::Speed)->click();
    QCOMPARE(w.Timer1().interval(), 0);  // Cancel: 0
    w.ButtonOf(Button::Speed)->click();
    QTimer::singleShot(0, w.ButtonOf(Button::Auto), &QPushButton::click);
    w.ButtonOf(Button::Solve)->click();  // returns once the solution is complete
    QCOMPARE(w.State().moves, 7);
    QCOMPARE(w.focusWidget(), w.Pic());
    QTimer::singleShot(0, w.ButtonOf(Button::About), &QPushButton::click);
    QCOMPARE(QCoreApplication::exec(), 0);  // the window closed while the box is open
    QCOMPARE(dialogs.OpenBox(), static_cast<QDialog*>(nullptr));
    QVERIFY(steps.isEmpty());
  }

  // Keys as the user types them. Alt with a letter presses its button at once; where captions
  // share it, the first enabled one. Enter presses the focused button, or else Auto Solve while it
  // is enabled; Escape is About. Page Down and Right are Next once it shows; Page Up and Left do
  // nothing. `done`: the boxes shown (their first words), the moves made, and "auto" once started.
  void keys_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("done");
    QTest::newRow("Alt+I") << "Alt+I"
                           << "Number: 0";
    QTest::newRow("Alt+A at start") << "Alt+A"
                                    << "This: 0";
    QTest::newRow("Escape") << "Esc"
                            << "This: 0";
    QTest::newRow("Enter, Auto Solve disabled") << "Return"
                                                << ": 0";
    QTest::newRow("Enter on Speed") << "Tab Tab Tab Return"
                                    << "Enter: 0";
    QTest::newRow("Alt+S is Solve, then Speed") << "Alt+I Alt+S Alt+S"
                                                << "Number Enter: 0";
    QTest::newRow("Alt+N") << "Alt+I Alt+S Alt+N Alt+N"
                           << "Number: 2";
    QTest::newRow("Page Down, Right") << "Alt+I Alt+S PgDown Right"
                                      << "Number: 2";
    QTest::newRow("Page Down before Solve") << "Alt+I PgDown"
                                            << "Number: 0";
    QTest::newRow("Page Up, Left") << "Alt+I Alt+S PgUp Left"
                                   << "Number: 0";
    QTest::newRow("Alt+A once solving") << "Alt+I Alt+S Alt+A"
                                        << "Number: 0, auto";
    QTest::newRow("Enter on the board") << "Alt+I Alt+S Return"
                                        << "Number: 0, auto";
  }
  void keys() {
    QFETCH(QString, keys);
    QFETCH(QString, done);
    ScriptedDialogs dialogs;
    dialogs.answers = {"3", ""};
    MainWindow w(dialogs);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QStringList typed = keys.split(' ');
    QString seen;
    std::function<void()> type = [&] {  // a key per pass of the event loop, then the window closes
      if (!typed.isEmpty()) {
        QTimer::singleShot(0, &w, type);  // even while this key's handler waits in a loop
        Type(w, typed.takeFirst());
        return;
      }
      for (const std::string& box : dialogs.shown) {
        seen += (seen.isEmpty() ? "" : " ") + QString::fromStdString(box).section(' ', 0, 0);
      }
      seen += QString(": %1").arg(w.State().moves) + (w.Timer1().isActive() ? ", auto" : "");
      w.close();
    };
    QTimer::singleShot(0, &w, type);
    QCOMPARE(QCoreApplication::exec(), 0);
    QCOMPARE(seen, done);
  }

  // At every zoom step, in full screen and on a screen of another ratio, every move of 1 to 8
  // rings is the tables' board at that scale, below the letters; each letter lies where the board
  // puts it. Typed, or moved, while the first move is pending; then undone (Ctrl+0, F11 again,
  // back to the first screen), which gives back the window as it was, pixel for pixel. Full
  // screen shows the progress beneath the board.
  void boardExactAtEveryScale_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("undo");
    QTest::addColumn<double>("zoom");  // logical pixels per 15 twips
    QTest::addColumn<QSize>("size");   // of the window
    const QSize screen = QGuiApplication::primaryScreen()->size();
    QTest::newRow("as designed") << ""
                                 << "Ctrl+0" << 1.0 << QSize(564, 341);
    QTest::newRow("1.5") << "Ctrl++"
                         << "Ctrl+0" << 1.5 << QSize(846, 512);
    QTest::newRow("2") << "Ctrl++ Ctrl+="
                       << "Ctrl+0" << 2.0 << QSize(1128, 682);
    QTest::newRow("2.5") << "Ctrl++ Ctrl++ Ctrl++"
                         << "Ctrl+0" << 2.5 << QSize(1410, 853);
    QTest::newRow("3, the most the screen holds") << "Ctrl++ Ctrl++ Ctrl++ Ctrl++ Ctrl++"
                                                  << "Ctrl+0" << 3.0 << QSize(1692, 1023);
    QTest::newRow("out a step") << "Ctrl++ Ctrl++ Ctrl+-"
                                << "Ctrl+-" << 1.5 << QSize(846, 512);
    QTest::newRow("not below 1") << "Ctrl+-"
                                 << "Ctrl+0" << 1.0 << QSize(564, 341);
    QTest::newRow("full screen") << "F11"
                                 << "F11" << 3.0 << screen;
    QTest::newRow("zoomed, full screen") << "Ctrl++ F11"
                                         << "F11 Ctrl+0" << 3.0 << screen;
    QTest::newRow("another ratio") << "screen1"
                                   << "screen0" << 1.0 << QSize(564, 341);
  }
  void boardExactAtEveryScale() {
    QFETCH(QString, keys);
    QFETCH(QString, undo);
    QFETCH(double, zoom);
    QFETCH(QSize, size);
    for (int n = 1; n <= 8; ++n) {
      ScriptedDialogs dialogs;
      dialogs.answers = {std::to_string(n)};
      MainWindow w(dialogs);
      w.show();
      QVERIFY(QTest::qWaitForWindowActive(&w));
      w.ButtonOf(Button::Initialize)->click();
      const DrawingArea& pic = *w.Pic();
      const double ratio = pic.devicePixelRatioF();
      Towers towers;
      for (int ring = 1; ring <= n; ++ring) {
        towers[0].push_back(ring);
      }
      QImage expected;  // the worked tables at the scale of the board
      double scale = 0;
      Play(w, [&](int made, const TableMove* next) {
        if (made == 0) {
          const QImage before = w.grab().toImage();
          Type(w, keys + ' ' + undo);
          QCoreApplication::processEvents();
          QTRY_COMPARE(pic.Image().devicePixelRatio(), ratio);
          QCOMPARE(w.grab().toImage(), before);
          Type(w, keys);
          QTRY_COMPARE(w.size(), size);
          QTRY_COMPARE(pic.Image().devicePixelRatio(), pic.devicePixelRatioF());
          QCOMPARE(pic.devicePixelRatioF() != ratio, keys.startsWith("screen"));
          scale = zoom * pic.devicePixelRatioF();
          expected = QImage(pic.Image().size(), QImage::Format_RGB32);
          expected.fill(Qt::white);
          for (const TableFill& fill : TableFills(towers)) {
            Draw(expected, fill, scale);
          }
          for (int t = 0; t < 3; ++t) {  // each letter within its extent, where the board puts it
            const double a = pic.TextWidth("a"), h = pic.TextHeight("a");
            const QRectF box(QPointF(kCentres[t] - a / 2, 498 - 1.5 * h) * scale / 15,
                             QSizeF(pic.TextWidth("A"), h) * scale / 15);
            const QRect ink = Ink(pic.Image(), QRect(Pixel(kCentres[t] - 807, scale), 0,
                                                     Pixel(1614, scale), Pixel(498, scale)));
            QVERIFY(!ink.isEmpty());
            QVERIFY(box.adjusted(-1, -1, 1, 1).contains(ink));
          }
        }
        QCOMPARE(FirstDifference(pic.Image(), expected, Pixel(498, scale)), -1);  // the poles' tops
        const int total = (1 << n) - 1;
        QCOMPARE(w.Progress()->isVisible(), w.isFullScreen());
        QCOMPARE(w.Progress()->text(), next ? TableProgress(made, total, *next, true)
                                            : QString("Move %1 of %1. Puzzle solved.").arg(total));
        if (next) {
          std::vector<int>&from = towers[next->from - 1], &to = towers[next->to - 1];
          Draw(expected, RingFill(next->ring, next->from, int(from.size()) - 1), scale);
          Draw(expected, RingFill(next->ring, next->to, int(to.size())), scale);
          to.push_back(from.back());
          from.pop_back();
        }
      });
      QVERIFY(!QTest::currentTestFailed());  // the games after a failure add nothing
    }
  }

  // At rest, waiting for Next, the program handles no events at all: it uses no CPU.
  void restsWhileItWaits() {
    ScriptedDialogs dialogs;
    dialogs.answers = {"3"};
    MainWindow w(dialogs);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.ButtonOf(Button::Initialize)->click();
    struct Counter : QObject {
      int events = 0;
      bool eventFilter(QObject*, QEvent*) override { return ++events, false; }
    } counter;
    int seen = 0;
    QTimer start, stop;  // made here: a timer made later would bring events of its own
    connect(&start, &QTimer::timeout, &w, [&] { qApp->installEventFilter(&counter); });
    connect(&stop, &QTimer::timeout, &w, [&] {
      seen = counter.events;
      w.close();
    });
    start.setSingleShot(true);
    start.start(100);
    stop.start(500);
    w.ButtonOf(Button::Solve)->click();  // waits for Next until the window closes
    QCOMPARE(seen, 1);                   // this timer's own
  }
};

QTEST_MAIN(TestWindow)
#include "test_window.moc"
