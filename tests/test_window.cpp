// The real window under the offscreen platform: the window in each language and at the desktop's
// font, its keys, the board's pixels at every zoom, in full screen and on a screen of another
// ratio, and the real boxes and how they hold the main window.
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

// Runs `seen` on each event of `type` that `watched` receives, every object's for the application.
struct Watch : QObject {
  QEvent::Type type;
  std::function<void(QObject*)> seen;
  Watch(QObject* watched, QEvent::Type t, std::function<void(QObject*)> f) : type(t), seen(f) {
    watched->installEventFilter(this);
  }
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() == type || type == QEvent::None) {
      seen(object);
    }
    return false;
  }
};

// Twip x lies in device pixel floor(x * scale / 15).
int Pixel(int twips, double scale) {
  return int(std::floor(twips * scale / 15));
}

void Draw(QImage& image, const TableFill& f, double scale) {
  for (int y = Pixel(f.top, scale); y <= std::min(Pixel(f.bottom, scale), image.height() - 1);
       ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = Pixel(f.left, scale); x <= std::min(Pixel(f.right, scale), image.width() - 1);
         ++x) {
      line[x] = f.xored ? line[x] ^ f.rgb : 0xFF000000 | f.rgb;
    }
  }
}

// The first row from `top` down where `image` is not `expected`, or -1.
int FirstDifference(const QImage& image, const QImage& expected, int top) {
  for (int y = top; y < image.height(); ++y) {
    if (std::memcmp(image.constScanLine(y), expected.constScanLine(y), image.bytesPerLine())) {
      return y;
    }
  }
  return -1;
}

// Types `keys` (as QKeySequence spells them) where the focus is, one by one, as a window system
// sends them; "screen1" moves the window to the second screen.
void Type(MainWindow& w, const QString& keys) {
  for (const QString& key : keys.split(' ', Qt::SkipEmptyParts)) {
    if (key.startsWith("screen")) {
      w.windowHandle()->setScreen(QGuiApplication::screens()[key.back().digitValue()]);
    } else {
      QTest::keySequence(QApplication::focusWidget(), QKeySequence(key));
    }
    QCoreApplication::processEvents();
  }
}

// Plays the game stacked in `w`, one Next per pass of the event loop. `each` runs before every
// Next, with the moves made, the rings where they stand and the move pending, and at the end with
// none.
void Play(MainWindow& w, const std::function<void(int, const Towers&, const TableMove*)>& each) {
  Towers towers, solved;
  for (int ring = 1; ring <= w.State().numrings; ++ring) {
    towers[0].push_back(ring);
  }
  std::vector<TableMove> moves;
  Solution(w.State().numrings, 1, 3, solved = towers, moves);
  std::size_t made = 0;
  QTimer next;
  QObject::connect(&next, &QTimer::timeout, &w, [&] {
    each(int(made), towers, &moves[made]);
    if (QTest::currentTestFailed()) {
      w.close();  // abandons the solution: the failure is reported at once
    }
    towers[moves[made].to - 1].push_back(moves[made].ring);
    towers[moves[made++].from - 1].pop_back();
    w.ButtonOf(Button::Solve)->click();
  });
  next.start(0);
  w.ButtonOf(Button::Solve)->click();  // returns once the solution is complete
  each(int(made), towers, nullptr);
}

}  // namespace

class TestWindow : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // The window in a language: the title, the captions left to right, Qt's own Cancel, and a game
  // to the completion message in the language's plural. Arabic mirrors the row of buttons (Solve
  // at the right) but not the board, and all it shows or speaks reads right to left. A language Qt
  // does not know is passed over. The focus starts on the board, whose frame then shows it.
  void windowInEachLanguage_data() {
    QTest::addColumn<QString>("languages");  // as LANGUAGE lists them, most wanted first
    QTest::addColumn<int>("rings");
    QTest::addColumn<QString>("texts");  // title, captions and Next, Cancel, the message
    QTest::newRow("English first")
        << "en_GB:de" << 1
        << "Tower of Hanoi by Tandrovek|&Solve|&Auto Solve|&Initialize|"
           "&Speed|&About|&Next|Cancel|Solution complete in 1 iterations.";
    QTest::newRow("unknown, then German")
        << "xx:de_AT" << 2
        << "Türme von Hanoi, von Tandrovek|&Lösen|&Vorführen|&Einrichten|&Tempo|Ü&ber|&Weiter|"
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
    const Language language(languages.split(':'));
    MainWindow w(dialogs, language);
    const bool arabic = languages.startsWith("ar");
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), expected[7]);
    QCOMPARE(QAccessible::queryAccessibleInterface(&w)->role(), QAccessible::Window);
    QCOMPARE(w.Pic()->geometry(), QRect(10, 12, 538, 273));  // 150, 180, 8070 x 4095 twips
    for (int b = 0; b < 5; ++b) {  // 1680 twips apart, top 4440, 1455 x 615 twips
      QCOMPARE(w.ButtonOf(Button(b))->text(), expected[b + 1]);
      QCOMPARE(w.ButtonOf(Button(b))->geometry(),
               QRect(arabic ? 459 - 112 * b : 8 + 112 * b, 296, 97, 41));
      QCOMPARE(w.ButtonOf(Button(b))->isEnabled(), b >= 2);  // Solve and Auto Solve disabled
    }
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(w.Pic()->grab(QRect(2, 2, 534, 269)).toImage().convertToFormat(QImage::Format_RGB32),
             w.Pic()->Image());  // shown pixel for pixel, in a 2-pixel frame
    QCOMPARE(w.grab(QRect(10, 12, 1, 1)).toImage().pixel(0, 0),
             w.palette().color(QPalette::Highlight).rgb());
    QStringList said = {w.windowTitle()}, heard;  // what the user reads, and hears
    std::vector<std::unique_ptr<Watch>> listeners;
    for (QObject* child : w.Pic()->children()) {
      if (QAccessible::queryAccessibleInterface(child)->role() == QAccessible::Notification) {
        listeners.push_back(std::make_unique<Watch>(child, QEvent::Show, [&](QObject* note) {
          heard << static_cast<QWidget*>(note)->accessibleName();
        }));
      }
    }
    w.ButtonOf(Button::Initialize)->click();
    Play(w, [&](int, const Towers&, const TableMove*) {
      said << w.Pic()->accessibleDescription() << w.Pic()->toolTip() << w.Progress()->text();
    });
    QCOMPARE(heard.size(), (1 << rings) + 1);  // the rings stacked, the start and every move
    QCOMPARE(w.ButtonOf(Button::Solve)->text(), expected[6]);
    QCOMPARE(QString::fromStdString(dialogs.shown.back()), expected[8]);
    for (const QString& text : said << heard << expected[0] << expected[8]) {
      QVERIFY2(text.isRightToLeft() == arabic, qPrintable(text));
    }
  }

  // Every caption in every language shows whole on its button, and every box's title beside the
  // window manager's buttons, at the fonts desktops give: 9 points, KDE's 10 and GNOME's 11.
  void wholeAtTheDesktopsFont() {
    for (const QString& file : QDir(":/i18n").entryList() + QStringList{"hanoi_en.qm"}) {
      const Language language({file.mid(6).chopped(3)});
      QtDialogs dialogs;
      MainWindow w(dialogs, language);
      dialogs.SetParent(&w);
      for (const int points : {9, 10, 11}) {
        w.setFont(QFont(QApplication::font().family(), points));
        for (int b = 0; b < 6; ++b) {
          if (b == 5)
            w.SetCaption(Button::Solve, language.Translate(Commands::kNextCaption));
          const QPushButton* button = w.ButtonOf(Button(b % 5));
          QVERIFY2(button->sizeHint().width() <= 97, qPrintable(file + ": " + button->text()));
        }
        const Watch room(qApp, QEvent::Show, [&](QObject* object) {
          if (auto* box = qobject_cast<QDialog*>(object)) {
            QTimer::singleShot(0, box, [&, box] {
              const int title = box->fontMetrics().horizontalAdvance(box->windowTitle());
              QVERIFY2(box->width() - title >= 100, qPrintable(file + ": " + box->windowTitle()));
              box->reject();
            });
          }
        });
        dialogs.AskText("", language.Translate(Commands::kDelayTitle));
        dialogs.AskText("", "");
        dialogs.ShowMessage(language.Translate(Commands::kInvalidDelay), MessageIcon::None);
      }
    }
  }

  // Keys typed at the main window, one per pass of the event loop, with the real boxes. Alt with a
  // letter presses its button at once; where captions share it, the first enabled one. Enter
  // presses the focused button, or else Auto Solve while it is enabled; Escape is About; Tab goes
  // from the board to Solve, Initialize, About, Auto Solve and Speed. Page Down and Right are Next
  // once it shows; Page Up and Left do nothing. A box takes the keys once it has the focus; those
  // typed before are dropped, and clicks raised from code (as screen readers raise them) do nothing
  // while it is open. The window then closes, whatever is open. `done`: the boxes seen (their first
  // words), the moves made, "auto" once it plays, and the delay.
  void keys_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("done");
    QTest::newRow("Alt+I") << "Alt+I"
                           << "Number: 0, 500 ms";
    QTest::newRow("refused, asked again") << "Alt+I 9 Return Return 3 Return"
                                          << "Number Invalid Number: 0, 500 ms";
    QTest::newRow("Alt+A at start") << "Alt+A"
                                    << "This: 0, 500 ms";
    QTest::newRow("Escape") << "Esc"
                            << "This: 0, 500 ms";
    QTest::newRow("Enter, Auto Solve disabled") << "Return"
                                                << ": 0, 500 ms";
    QTest::newRow("Enter on Speed, Cancel") << "Tab Tab Tab Return 5 Esc"
                                            << "Enter: 0, 0 ms";
    QTest::newRow("Alt+S is Solve, then Speed") << "Alt+I 3 Return Alt+S Alt+S"
                                                << "Number Enter: 0, 500 ms";
    QTest::newRow("Alt+N") << "Alt+I 3 Return Alt+S Alt+N Alt+N"
                           << "Number: 2, 500 ms";
    QTest::newRow("Page Down, Right") << "Alt+I 3 Return Alt+S PgDown Right"
                                      << "Number: 2, 500 ms";
    QTest::newRow("Page Down before Solve") << "Alt+I 3 Return PgDown"
                                            << "Number: 0, 500 ms";
    QTest::newRow("Page Up, Left") << "Alt+I 3 Return Alt+S PgUp Left"
                                   << "Number: 0, 500 ms";
    QTest::newRow("Alt+A once solving") << "Alt+I 3 Return Alt+S Alt+A"
                                        << "Number: 0, auto, 500 ms";
    QTest::newRow("Enter on the board") << "Alt+I 3 Return Alt+S Return"
                                        << "Number: 0, auto, 500 ms";
    QTest::newRow("Initialize hands the focus to Solve") << "Tab Return 3 Return Return Return"
                                                         << "Number: 1, 500 ms";
    QTest::newRow("Tab order") << "Alt+I 3 Return Alt+S Tab Tab Tab Tab Return"
                               << "Number Enter: 0, 500 ms";
    QTest::newRow("the last move's message") << "Alt+I 1 Return Alt+S Alt+N Return"
                                             << "Number Solution: 1, 500 ms";
  }
  void keys() {
    QFETCH(QString, keys);
    QFETCH(QString, done);
    QtDialogs dialogs;
    MainWindow w(dialogs);
    dialogs.SetParent(&w);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const Watch early(qApp, QEvent::Show, [&](QObject* box) {  // before the box has the focus
      if (qobject_cast<QDialog*>(box)) {
        QTest::keyClicks(&w, "7");
      }
    });
    QStringList typed = keys.split(' '), seen;
    std::function<void()> type = [&] {
      QDialog* box = dialogs.OpenBox();
      if (!(box ? box : static_cast<QWidget*>(&w))->isActiveWindow()) {
        QTimer::singleShot(1, &w, type);  // a user waits for the window to take the keys
        return;
      }
      if (box && !box->property("seen").toBool()) {
        box->setProperty("seen", true);
        auto* question = qobject_cast<QInputDialog*>(box);
        seen << (question ? question->labelText() : static_cast<QMessageBox*>(box)->text())
                    .section(' ', 0, 0);
        QCOMPARE(question ? question->textValue() : "", "");
        for (int b = 0; b < 5; ++b) {
          w.ButtonOf(Button(b))->click();
        }
        QCOMPARE(dialogs.OpenBox(), box);
      }
      if (typed.isEmpty() || QTest::currentTestFailed()) {
        seen = QStringList{seen.join(' ') + QString(": %1").arg(w.State().moves),
                           w.Timer1().isActive() ? "auto" : "",
                           QString("%1 ms").arg(w.Timer1().interval())};
        seen.removeAll("");
        w.close();
        return;
      }
      QTimer::singleShot(0, &w, type);  // even while this key's handler waits in a loop
      QTest::keySequence(&w, QKeySequence(typed.takeFirst()));
    };
    QTimer::singleShot(0, &w, type);
    QCOMPARE(QCoreApplication::exec(), 0);
    QCOMPARE(dialogs.OpenBox(), static_cast<QDialog*>(nullptr));
    QCOMPARE(seen.join(", "), done);
  }

  // At every zoom step, in full screen and on a screen of another ratio, the board is the tables'
  // board at that scale below the tops of the poles: typed, or moved, six moves into a game of five
  // rings, the seventh pending, then undone (Ctrl+0, F11 again, back to the first screen), which
  // gives back the window as it was, pixel for pixel, and typed again. Full screen shows the
  // progress beneath the board. Waiting for Next, the program handles no events: it uses no CPU.
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
    ScriptedDialogs dialogs;
    dialogs.answers = {"5"};
    MainWindow w(dialogs);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.ButtonOf(Button::Initialize)->click();
    const DrawingArea& pic = *w.Pic();
    Play(w, [&](int made, const Towers& towers, const TableMove* next) {
      if (made != 6 || !next) {
        return;
      }
      int events = 0;
      const Watch rest(qApp, QEvent::None, [&](QObject*) { ++events; });
      QTest::qWait(100);
      QCOMPARE(events, 0);
      const double ratio = pic.devicePixelRatioF();
      const QImage before = w.grab().toImage();
      Type(w, keys + ' ' + undo);
      QTRY_COMPARE(pic.Image().devicePixelRatio(), ratio);
      QCOMPARE(w.grab().toImage(), before);
      Type(w, keys);
      QTRY_COMPARE(w.size(), size);
      QTRY_COMPARE(pic.Image().devicePixelRatio(), pic.devicePixelRatioF());
      QCOMPARE(pic.devicePixelRatioF() != ratio, keys.startsWith("screen"));
      const double scale = zoom * pic.devicePixelRatioF();
      QImage expected(pic.Image().size(), QImage::Format_RGB32);
      expected.fill(Qt::white);
      for (const TableFill& fill : TableFills(towers)) {
        Draw(expected, fill, scale);
      }
      QCOMPARE(FirstDifference(pic.Image(), expected, Pixel(498, scale)), -1);
      QCOMPARE(w.Progress()->isVisible(), w.isFullScreen());
      QCOMPARE(w.Progress()->text(), TableProgress(6, 31, *next, true));
      w.close();
    });
  }
};

QTEST_MAIN(TestWindow)
#include "test_window.moc"
