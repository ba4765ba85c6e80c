// The real window under the offscreen platform: layout, keys, the real boxes and how they hold
// the main window, the real timer and event loop, and what screen readers are told.
#include <QAccessible>
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>

#include "Fakes.h"
#include "app/MainWindow.h"
#include "app/QtDialogs.h"

class TestWindow : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void windowMatchesTheLayout() {
    ScriptedDialogs dialogs;
    MainWindow w(dialogs);
    QCOMPARE(w.windowTitle(), QString("Tower of Hanoi by Tandrovek"));
    QCOMPARE(QAccessible::queryAccessibleInterface(&w)->role(), QAccessible::Window);
    QVERIFY(w.size() == QSize(564, 341) && !(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(w.Pic()->geometry(), QRect(10, 12, 538, 273));  // 150, 180, 8070 x 4095 twips
    const char* names[] = {"cmdSolve", "cmdAuto", "cmdInitialize", "Command1", "cmdDone"};
    const char* captions[] = {"&Solve", "&Auto Solve", "&Initialize", "&Speed", "&About"};
    for (int b = 0; b < 5; ++b) {  // left to right, 1680 twips apart; Solve and Auto disabled
      QPushButton* button = w.findChild<QPushButton*>(names[b]);
      QVERIFY(button == w.ButtonOf(Button(b)) && button->text() == captions[b] &&
              button->geometry() == QRect((120 + 1680 * b) / 15, 296, 97, 41));
      QCOMPARE(button->isEnabled(), b >= 2);
    }
    QVERIFY(w.ButtonOf(Button::Auto)->isDefault() && !w.Timer1().isActive());
    QCOMPARE(w.Timer1().interval(), 500);

    // The image is kept at device pixels inside a 2-pixel frame and shown unscaled; the focus,
    // which starts on the board, shows as that frame in the highlight colour, not in the image.
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const QImage& image = w.Pic()->Image();
    const qreal ratio = w.devicePixelRatioF();
    QImage shown = w.Pic()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    shown = shown.copy(QRect(QPoint(2, 2) * ratio, QSize(534, 269) * ratio));
    shown.setDevicePixelRatio(ratio);
    QVERIFY(shown == image && image == MainWindow(dialogs).Pic()->Image());
    const QRgb highlight = w.Pic()->palette().color(QPalette::Highlight).rgb();
    const auto frame = [&] { return w.Pic()->grab().toImage().pixel(0, 0); };
    QVERIFY(QApplication::focusWidget() == w.Pic() && frame() == highlight);
    w.SetEnabled(Button::Solve, true);
    w.SetEnabled(Button::Auto, true);
    for (Button b :
         {Button::Solve, Button::Initialize, Button::About, Button::Auto, Button::Speed}) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QVERIFY(QApplication::focusWidget() == w.ButtonOf(b) && frame() != highlight);
    }
  }

  // A game with the real boxes, driven as a user would: each step runs once its box has the
  // focus, and checks the box; keys typed at the main window reach it, clicks raised from code
  // (as screen readers raise them) do nothing.
  void realBoxesHoldTheMainWindow() {
    QtDialogs dialogs;
    MainWindow w(dialogs);
    dialogs.SetParent(&w);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const auto box = [&](const char* title, std::string_view text, int icon, const char* keys,
                         Qt::Key key = Qt::Key_Return) {
      QDialog* open = dialogs.OpenBox();
      auto* m = qobject_cast<QMessageBox*>(open);
      auto* q = qobject_cast<QInputDialog*>(open);
      QVERIFY(open->windowTitle() == title &&
              (m ? m->text() : q->labelText()).toStdString() == text);
      QVERIFY(m ? m->icon() == icon && m->buttons().size() == 1 : q->textValue().isEmpty());
      // Room for the title beside the window manager's buttons.
      QVERIFY(!m || m->width() > m->fontMetrics().horizontalAdvance(title) + 120);
      for (int b = 0; b < 5; ++b) {
        w.ButtonOf(Button(b))->click();
      }
      QVERIFY(dialogs.OpenBox() == open);
      QTest::keyClicks(&w, keys);
      key == Qt::Key_Close ? void(w.close()) : QTest::keyClick(&w, key);
    };
    const std::string about =
        "This program was made by Tandrovek.\r\nSend your comments to tandrovek@example.com";
    QList<std::function<void()>> steps = {
        [&] { box("Tower of Hanoi", English().Translate(Commands::kRingsPrompt), -1, "9"); },
        [&] { box("Tower of Hanoi", "Invalid number of rings", QMessageBox::NoIcon, ""); },
        [&] { box("Tower of Hanoi", English().Translate(Commands::kRingsPrompt), -1, "3"); },
        [&] {
          box("Time Delay", English().Translate(Commands::kDelayPrompt), -1, "5", Qt::Key_Escape);
        },  // Cancel
        [&] { box("Time Delay", English().Translate(Commands::kDelayPrompt), -1, "0.001"); },
        [&] { box("Tower of Hanoi", "Solution complete in 7 iterations.", 1, ""); },
        [&] {
          box("Tower of Hanoi", about.substr(0, 35) + "\n" + about.substr(37), 0, "",
              Qt::Key_Close);
        }};
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
      QDialog* open = dialogs.OpenBox();
      if (open && open->isActiveWindow() && !open->property("seen").toBool() && !steps.isEmpty()) {
        open->setProperty("seen", true);
        steps.takeFirst()();
      }
    });
    poll.start(1);
    w.ButtonOf(Button::Initialize)->setFocus();
    w.ButtonOf(Button::Initialize)->click();
    QVERIFY(w.focusWidget() == w.ButtonOf(Button::Solve) && w.State().numrings == 3);
    w.ButtonOf(Button::Speed)->click();
    QCOMPARE(w.Timer1().interval(), 0);  // Cancel: 0
    w.ButtonOf(Button::Speed)->click();
    QTimer::singleShot(0, w.ButtonOf(Button::Auto), &QPushButton::click);
    w.ButtonOf(Button::Solve)->click();  // returns once the solution is complete
    QVERIFY(w.State().moves == 7 && w.focusWidget() == w.Pic());
    QTimer::singleShot(0, w.ButtonOf(Button::About), &QPushButton::click);
    QCOMPARE(QCoreApplication::exec(), 0);  // the window closed while the box is open
    QVERIFY(w.Closing() && !dialogs.OpenBox() && steps.isEmpty());
  }

  // When the device pixel ratio changes, the board is drawn anew at the new ratio: it equals a
  // drawing made at that ratio from the start, and xor erasing stays exact across the change.
  // Needs two screens at ratios 1 and 2: QT_QPA_PLATFORM=offscreen:configfile=screens.json.
  void boardFollowsTheRatioOfItsScreen() {
    if (QGuiApplication::screens().size() < 2)
      QSKIP("needs the two screens of screens.json");
    ScriptedDialogs dialogs;
    MainWindow w(dialogs);
    w.show();
    w.Pic()->SetDrawMode(DrawMode::Xor);
    w.Pic()->FillRect(888, 3291, 2340, 3612, 0x800080);
    w.setScreen(QGuiApplication::screens()[1]);
    QTRY_COMPARE(w.Pic()->Image().devicePixelRatio(), 2.0);
    w.Pic()->FillRect(888, 3291, 2340, 3612, 0x800080);
    const MainWindow fresh(dialogs, English(), &w);  // drawn at ratio 2 from the start
    QCOMPARE(w.Pic()->Image(), fresh.Pic()->Image());
  }
};

QTEST_MAIN(TestWindow)
#include "test_window.moc"
