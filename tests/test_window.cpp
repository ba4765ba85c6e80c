// The real window under the offscreen platform: whole games compared at every step with the worked
// tables, with what a listener hears and reads; the keys and the real boxes, the answers typed into
// them; the board at every zoom, in full screen and on a screen of another ratio; the window in
// each language and at the desktop's font.
#include <QAccessible>
#include <QApplication>
#include <QBitmap>
#include <QDir>
#include <QInputDialog>
#include <QMessageBox>
#include <QPainter>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <cmath>
#include <functional>
#include <numeric>

#include "Fakes.h"
#include "Tables.h"
#include "app/Language.h"
#include "app/MainWindow.h"
#include "app/QtDialogs.h"

namespace {

// Runs `seen` on each event of `type` (any, for None) that `watched` receives; the application sees
// every object's.
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

// The board from the tops of the poles down: the letters above them are the font's.
QImage Below(QImage image, double scale) {
  image.setDevicePixelRatio(1);
  return image.copy(0, Pixel(498, scale), image.width(), image.height() - Pixel(498, scale));
}

// Where `image` differs from its top left pixel.
QRect Ink(QImage image) {
  image.setDevicePixelRatio(1);
  return QRegion(QBitmap::fromImage(image.createMaskFromColor(image.pixel(0, 0), Qt::MaskInColor)))
      .boundingRect();
}

// The worked tables where `towers` has the rings, at `scale` device pixels per 15 twips.
QImage TableImage(const Towers& towers, QSize size, double scale) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  for (const TableFill& f : TableFills(towers)) {
    painter.setCompositionMode(f.xored ? QPainter::RasterOp_SourceXorDestination
                                       : QPainter::CompositionMode_Source);
    painter.fillRect(QRect(QPoint(Pixel(f.left, scale), Pixel(f.top, scale)),
                           QPoint(Pixel(f.right, scale), Pixel(f.bottom, scale))),
                     QColor(f.rgb));
  }
  return Below(image, scale);
}

// The moves of a solution of `rings` rings, and `towers`: where the rings stand after `made`.
std::vector<TableMove> Moves(int rings, int made, Towers& towers) {
  towers = {std::vector<int>(rings)};
  std::iota(towers[0].begin(), towers[0].end(), 1);
  Towers solved = towers;
  std::vector<TableMove> moves;
  Solution(rings, 1, 3, solved, moves);
  for (int k = 0; k < made; ++k) {
    towers[moves[k].to - 1].push_back(moves[k].ring);
    towers[moves[k].from - 1].pop_back();
  }
  return moves;
}

// Plays the game stacked in `w`, one Next per pass of the event loop and a second one at once,
// which finds no move pending. `each` runs before every Next, with the moves made, the rings where
// they stand and the move pending, and at the end with none.
void Play(MainWindow& w, const std::function<void(int, const Towers&, const TableMove*)>& each) {
  int made = 0;
  Towers towers;
  QTimer next;
  QObject::connect(&next, &QTimer::timeout, &w, [&] {
    const std::vector<TableMove> moves = Moves(w.State().numrings, made, towers);
    each(made, towers, &moves[made]);
    ++made;
    if (QTest::currentTestFailed()) {
      w.close();  // abandons the solution: the failure is reported at once
    }
    w.ButtonOf(Button::Solve)->click();
    w.ButtonOf(Button::Solve)->click();
  });
  next.start(0);
  w.ButtonOf(Button::Solve)->click();  // returns once the solution is complete
  Moves(w.State().numrings, made, towers);
  each(made, towers, nullptr);
}

}  // namespace

class TestWindow : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // Every game from 1 to 8 rings. Before each Next the board is the tables' board, the move pending
  // the recursion's next, and the board told in words, with the part of the recursion in the line
  // beneath it. A second Next in the same pass finds no move pending and is absorbed. The news is
  // heard once each.
  void wholeGamesFollowTheWorkedTables() {
    for (int n = 1; n <= 8 && !QTest::currentTestFailed(); ++n) {
      ScriptedDialogs dialogs;
      dialogs.answers = {std::to_string(n)};
      MainWindow w(dialogs);
      w.show();
      QVERIFY(QTest::qWaitForWindowActive(&w));
      QStringList heard, told;  // what a screen reader is told, and what it should be
      QWidget* note = w.Pic()->findChild<QWidget*>();  // the one child: what a screen reader hears
      QCOMPARE(QAccessible::queryAccessibleInterface(note)->role(), QAccessible::Notification);
      const Watch listener(note, QEvent::Show, [&](QObject* shown) {
        heard << shown->property("accessibleName").toString();
      });
      w.ButtonOf(Button::Initialize)->click();
      QVERIFY(!w.Pic()->accessibleDescription().contains("Move"));  // no progress before Solve
      const int total = (1 << n) - 1;
      const double scale = w.devicePixelRatioF();
      if (n == 1) {  // the window's icon and role
        QTRY_VERIFY(!w.windowIcon().isNull());
        QCOMPARE(QAccessible::queryAccessibleInterface(&w)->role(), QAccessible::Window);
      }
      const QStringList news = {
          n > 1 ? QString::asprintf("%d rings on pole A, ring 1 the widest at the bottom, ring %d "
                                    "the narrowest on top.",
                                    n, n)
                : "1 ring on pole A.",
          n > 1 ? QString::asprintf("Solving %d rings in %d moves: press Next for each move.", n,
                                    total)
                : "Solving 1 ring in 1 move: press Next for each move."};
      Play(w, [&](int made, const Towers& towers, const TableMove* next) {
        const QString solved = QString::asprintf("Move %d of %d. Puzzle solved.", total, total);
        QCOMPARE(int(w.State().moves), made);
        QCOMPARE(Below(w.Pic()->Image(), scale),
                 TableImage(towers, w.Pic()->Image().size(), scale));
        QCOMPARE(w.Pic()->accessibleDescription(),
                 Poles(towers) + ' ' + (next ? TableProgress(made, total, *next, false) : solved));
        QCOMPARE(w.Progress()->text(), next ? TableProgress(made, total, *next, true) : solved);
        if (next) {
          told << QString::asprintf("Move %d of %d: ring %d from %c to %c.%s", made + 1, total,
                                    next->ring, '@' + next->from, '@' + next->to,
                                    made + 1 < total ? "" : " Puzzle solved.");
        }
      });
      QCOMPARE(heard, news + told);
      QCOMPARE(dialogs.shown.back(),
               "Solution complete in " + std::to_string(total) + " iterations.");
      QCOMPARE(dialogs.shown.size(), 2u);  // the question and the message
      QVERIFY(!w.IsEnabled(Button::Solve));
      QCOMPARE(w.ButtonOf(Button::Solve)->text(), "&Next");
    }
  }

  // The window in every language, and in English: laid out right to left in Arabic, where the row
  // of buttons is mirrored (Solve at the right) but not the board; with Qt's own Cancel; every
  // caption whole on its button at the fonts desktops give: 9 points, KDE's 10, GNOME's 11 and a
  // large 16. Arabic counts with its plurals and digits.
  void windowInEveryLanguage() {
    for (const QString& file : QDir(":/i18n").entryList() + QStringList{"hanoi_en.qm"}) {
      const Language language({file.mid(6).chopped(3)});
      const bool english = file.contains("_en"), arabic = file.contains("_ar");
      ScriptedDialogs dialogs;
      MainWindow w(dialogs, language);
      QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel") == "Cancel", english);
      for (int b = 0; b < 5; ++b) {  // 1680 twips apart, top 4440, 1455 x 615 twips
        QCOMPARE(w.ButtonOf(Button(b))->geometry(),
                 QRect(arabic ? 459 - 112 * b : 8 + 112 * b, 296, 97, 41));
      }
      for (const int points : {9, 10, 11, 16}) {
        w.setFont(QFont(QApplication::font().family(), points));
        for (int b = 0; b < 6; ++b) {
          if (b == 5)
            w.SetCaption(Button::Solve, language.Translate(Commands::kNextCaption));
          const QPushButton* button = w.ButtonOf(Button(b % 5));
          QVERIFY2(button->sizeHint().width() <= 97, qPrintable(file + ": " + button->text()));
          QCOMPARE_GE(button->font().pointSizeF(), points < 16 ? points : 5);  // whole at 9 to 11
        }
      }
    }
    QCOMPARE(Language({"ar"}).Translate(Commands::kComplete, 3), "اكتمل الحل في ٣ نقلات.");
  }

  // Keys typed at the main window, one per pass of the event loop, with the real boxes; ":text"
  // types the text, "~" waits a tick and more. Alt with a letter presses its button at once; where
  // captions share it, the first enabled one. Enter presses the focused button, or else Auto Solve
  // while it is enabled; Escape is About; Tab goes from the board to Solve, Initialize, About, Auto
  // Solve and Speed. Page Down and Right are Next once it shows; Page Up and Left do nothing. A box
  // takes the keys once it has the focus, with room for its title beside the window manager's
  // buttons; those typed before are dropped, clicks raised from code
  // (as screen readers raise them) do nothing while it is open, and only the timer goes on, making
  // the move pending. Answers are read and checked: the ring count is asked until it is usable,
  // once per run, and 0 or Cancel ends the program; a delay the timer cannot take leaves the one
  // before. The window then closes, whatever is open. `done`: the boxes seen (their first words),
  // the rings and the moves, "auto" while it plays, and the delay.
  void keys_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("done");
    // clang-format off
    const char* rows[][3] = {
        {"Alt+I", "Alt+I", "Number: 0/0, 500 ms"},
        {"refused, asked again", "Alt+I 9 Return Return 4 Return Alt+I", "Number Invalid Number: 4/0, 500 ms"},
        {"beyond 16 bits", "Alt+I :1E10 Return Return :-40000 Return Return :1E9223372036854775807 Return Return 2 Return", "Number Invalid Number Invalid Number Invalid Number: 2/0, 500 ms"},
        {"ties to even", "Alt+I :8.6 Return Return :8.5 Return", "Number Invalid Number: 8/0, 500 ms"},
        {"0 ends it", "Alt+I 0 Return", "Number: closed"},
        {"Cancel ends it", "Alt+I Esc", "Number: closed"},
        {"Alt+A at start", "Alt+A", "This: 0/0, 500 ms"},
        {"Escape", "Esc", "This: 0/0, 500 ms"},
        {"Enter, Auto Solve disabled", "Return", ": 0/0, 500 ms"},
        {"Enter on Speed, 1.65 s", "Tab Tab Tab Return :1.65 Return", "Enter: 0/0, 1650 ms"},
        {"Speed, Cancel", "Tab Tab Tab Return 5 Esc", "Enter: 0/0, 0 ms"},
        {"Speed refused", "Tab Tab Tab Return :2147483.648 Return Return", "Enter Invalid: 0/0, 500 ms"},
        {"Speed, the largest", "Tab Tab Tab Return :2147483.647 Return", "Enter: 0/0, 2147483647 ms"},
        {"Alt+S is Solve, then Speed", "Alt+I 3 Return Alt+S Alt+S", "Number Enter: 3/0, 500 ms"},
        {"Alt+N", "Alt+I 3 Return Alt+S Alt+N Alt+N", "Number: 3/2, 500 ms"},
        {"an access key presses once", "Alt+I 3 Return Alt+S Alt+N ~", "Number: 3/1, 500 ms"},
        {"Page Down, Right", "Alt+I 3 Return Alt+S PgDown Right", "Number: 3/2, 500 ms"},
        {"Page Down before Solve", "Alt+I 3 Return PgDown", "Number: 3/0, 500 ms"},
        {"Page Up, Left", "Alt+I 3 Return Alt+S PgUp Left", "Number: 3/0, 500 ms"},
        {"Alt+A once solving", "Alt+I 3 Return Alt+S Alt+A", "Number: 3/0, auto, 500 ms"},
        {"Enter on the board", "Alt+I 3 Return Alt+S Return", "Number: 3/0, auto, 500 ms"},
        {"Initialize hands the focus to Solve", "Tab Return 3 Return Return Return", "Number: 3/1, 500 ms"},
        {"Tab order", "Alt+I 3 Return Alt+S Tab Tab Tab Tab Return", "Number Enter: 3/0, 500 ms"},
        {"the last move's message", "Alt+I 1 Return Alt+S Alt+N Return", "Number Solution!: 1/1, 500 ms"},
        {"a tick while About is open", "Alt+I 1 Return Alt+S Alt+A Esc ~", "Number This Solution!: 1/1, auto, 500 ms"}};
    // clang-format on
    for (const auto& [name, keys, done] : rows) {
      QTest::newRow(name) << QString(keys) << QString(done);
    }
    // The board at every zoom, in full screen and on a screen of another ratio: six moves into a
    // game of five rings, the seventh pending, zoomed (or moved) and undone, which gives back the
    // window as it was, pixel for pixel, then zoomed again; waiting for Next, the program rests.
    const QString six = "Alt+I 5 Return Alt+S PgDown PgDown PgDown PgDown PgDown PgDown rest snap ";
    // clang-format off
    const char* zooms[][4] = {
        {"as designed", "", "Ctrl+0", "1=564x341"}, {"1.5", "Ctrl++", "Ctrl+0", "1.5=846x512"},
        {"2", "Ctrl++ Ctrl+=", "Ctrl+0", "2=1128x682"}, {"2.5", "Ctrl++ Ctrl++ Ctrl++", "Ctrl+0", "2.5=1410x853"},
        {"3, the most the screen holds", "Ctrl++ Ctrl++ Ctrl++ Ctrl++ Ctrl++", "Ctrl+0", "3=1692x1023"},
        {"out a step", "Ctrl++ Ctrl++ Ctrl+-", "Ctrl+-", "1.5=846x512"}, {"not below 1", "Ctrl+-", "Ctrl+0", "1=564x341"},
        {"full screen", "F11", "F11", "3=screen"}, {"zoomed, full screen", "Ctrl++ F11", "F11 Ctrl+0", "3=screen"},
        {"another ratio", "screen1", "screen0", "1=564x341"}};
    // clang-format on
    for (const auto& [name, keys, undo, at] : zooms) {
      QTest::newRow(name) << six + keys + ' ' + undo + " same " + keys + " @" + at
                          << "Number: 5/6, 500 ms";
    }
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
    QStringList typed = keys.split(' ');
    QString seen;
    QImage snap;
    const auto check = [&](const QString& key) {
      if (key == "rest") {
        QTest::qWait(50);  // once the last move is painted
        int events = 0;
        const Watch rest(qApp, QEvent::None, [&](QObject*) { ++events; });
        QTest::qWait(100);
        QCOMPARE(events, 0);
      } else if (key.startsWith("screen")) {
        QScreen* screen = QGuiApplication::screens()[key.back().digitValue()];
        w.windowHandle()->setScreen(screen);
        QTRY_COMPARE(w.Pic()->Image().devicePixelRatio(), screen->devicePixelRatio());
      } else if (key.startsWith('@')) {
        const QStringList at = key.mid(1).split(QRegularExpression("[=x]"));
        QTRY_COMPARE(w.size(),
                     at[1] == "screen" ? w.screen()->size() : QSize(at[1].toInt(), at[2].toInt()));
        QTRY_COMPARE(w.Pic()->Image().devicePixelRatio(), w.Pic()->devicePixelRatioF());
        const double scale = at[0].toDouble() * w.Pic()->devicePixelRatioF();
        Towers towers;
        const std::vector<TableMove> moves = Moves(w.State().numrings, w.State().moves, towers);
        const QImage image = w.Pic()->Image();
        QCOMPARE(Below(image, scale), TableImage(towers, image.size(), scale));
        QCOMPARE(w.Pic()->grab().toImage().pixel(0, 0),
                 w.palette().color(QPalette::Highlight).rgb());
        w.ButtonOf(Button::Speed)->setFocus();  // away from the board, whose frame is then sunken
        const QImage drawn = w.Pic()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE_LT(qGray(drawn.pixel(0, 0)), qGray(w.palette().color(QPalette::Window).rgb()));
        const int border = (w.Pic()->width() - int(image.deviceIndependentSize().width())) / 2;
        QCOMPARE(drawn.copy(QRect(QPoint(border, border) * image.devicePixelRatio(), image.size())),
                 image);
        const QRect letters = Ink(image.copy(0, 0, image.width(), Pixel(498, scale)));  // A B C
        QCOMPARE_LE(std::abs(letters.center().x() - Pixel(kCentres[1], scale)), Pixel(30, scale));
        QCOMPARE(w.Progress()->isVisible(), w.isFullScreen());
        if (w.isFullScreen()) {  // the board about the centre, and the line beneath it centred
          QCOMPARE_LE(std::abs(w.Pic()->geometry().center().x() - w.width() / 2), w.width() / 20);
          const QImage line = w.grab(w.Progress()->geometry()).toImage();
          QCOMPARE_LE(std::abs(Ink(line).center().x() - line.width() / 2), 2);
        }
        for (const QWidget* child : w.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
          QVERIFY(w.rect().contains(child->geometry()));  // all of it on the screen
        }
        QCOMPARE(w.Progress()->text(),
                 TableProgress(w.State().moves, int(moves.size()), moves[w.State().moves], true));
      } else if (key == "snap") {
        snap = w.grab().toImage();
      } else {
        QTRY_COMPARE(w.grab().toImage(), snap);
      }
    };
    std::function<void()> type = [&] {
      QDialog* box = dialogs.OpenBox();
      if (!(box ? box : static_cast<QWidget*>(&w))->isActiveWindow()) {
        QTimer::singleShot(1, &w, type);  // a user waits for the window to take the keys
        return;
      }
      if (box && !box->property("seen").toBool()) {
        box->setProperty("seen", true);
        auto* question = qobject_cast<QInputDialog*>(box);
        auto* message = qobject_cast<QMessageBox*>(box);  // "!" with the information icon
        seen += ' ' + (question ? question->labelText() : message->text()).section(' ', 0, 0) +
                (message && message->icon() == QMessageBox::Information ? "!" : "");
        QCOMPARE(question ? question->textValue() : "", "");
        QCOMPARE_GE(box->width() - box->fontMetrics().horizontalAdvance(box->windowTitle()), 100);
        for (int b = 0; b < 5; ++b) {
          w.ButtonOf(Button(b))->click();  // a box one opened would be seen next
        }
      }
      const QString key = typed.isEmpty() || QTest::currentTestFailed() ? "" : typed.takeFirst();
      if (key.isEmpty()) {
        seen += QString(": %1/%2").arg(w.State().numrings).arg(w.State().moves) +
                (w.Timer1().isActive() ? ", auto, " : ", ") +
                QString("%1 ms").arg(w.Timer1().interval());
        w.close();
        return;
      }
      if (QRegularExpression("^(rest|snap|same|screen\\d|@.*)$").match(key).hasMatch()) {
        check(key);  // at once, not as a key
        QTimer::singleShot(0, &w, type);
        return;
      }
      QTimer::singleShot(key == "~" ? 700 : 0, &w, type);  // even while this key's handler waits
      if (key.startsWith(':')) {
        QTest::keyClicks(&w, key.mid(1));
      } else if (key != "~") {
        QTest::keySequence(&w, QKeySequence(key));
      }
    };
    QTimer::singleShot(0, &w, type);
    QCOMPARE(QCoreApplication::exec(), 0);
    QCOMPARE(dialogs.OpenBox(), static_cast<QDialog*>(nullptr));
    QCOMPARE((seen.contains(':') ? seen : seen + ": closed").trimmed(), done);
  }
};

QTEST_MAIN(TestWindow)
#include "test_window.moc"
