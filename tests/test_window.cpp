// The real window under the offscreen platform: layout, keys, the real boxes and how they hold
// the main window, the real timer and event loop, and the board on a screen of another ratio.
#include <QAccessible>
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QTest>

#include "Fakes.h"
#include "Play.h"
#include "app/Language.h"
#include "app/MainWindow.h"
#include "app/QtDialogs.h"

namespace {

// A fill as the board asks for one: left, top, right, bottom (twips), colour, xor.
struct FillOp {
  std::array<double, 4> rect;
  Rgb color;
  bool xored;
};

void Draw(DrawingArea& area, const std::vector<FillOp>& fills) {
  for (const auto& [rect, color, xored] : fills) {
    area.SetDrawMode(xored ? DrawMode::Xor : DrawMode::Copy);
    area.FillRect(rect[0], rect[1], rect[2], rect[3], color);
  }
}

}  // namespace

Q_DECLARE_METATYPE(std::vector<FillOp>)

class TestWindow : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // The window in every language: the title, the captions left to right and Qt's own Cancel, a
  // short game to the completion message in the language's plural. Each caption keeps an access
  // key and fits its button; Arabic mirrors the row of buttons (Solve at the right) but neither
  // the board nor the tab order. Where no translation applies, English: the layout as designed.
  void windowInEveryLanguage_data() {
    QTest::addColumn<QString>("languages");  // as LANGUAGE lists them, most wanted first
    QTest::addColumn<int>("rings");
    QTest::addColumn<QString>("texts");  // title, captions and Next, Cancel, the message
    const char* english =
        "Tower of Hanoi by Tandrovek|&Solve|&Auto Solve|&Initialize|&Speed|&About|"
        "&Next|Cancel|Solution complete in 1 iterations.";
    QTest::newRow("English first") << "en_GB:de" << 1 << english;
    QTest::newRow("untranslated") << "fa_IR" << 1 << english;
    QTest::newRow("German second")
        << "fa_IR:de_AT" << 2
        << "Türme von Hanoi, von Tandrovek|&Lösen|&Automatisch|"
           "&Einrichten|&Tempo|Ü&ber|&Weiter|Abbrechen|Gelöst in 3 Zügen.";
    QTest::newRow("fr") << "fr" << 1
                        << "Tours de Hanoï, par Tandrovek|&Résoudre|&Automatique|&Installer|"
                           "&Vitesse|À &propos|&Suivant|Annuler|Résolu en 1 coup.";
    QTest::newRow("es") << "es" << 3
                        << "Torres de Hanói, de Tandrovek|&Resolver|&Automático|&Preparar|"
                           "&Velocidad|Acerca &de|&Siguiente|Cancelar|Resuelto en 7 movimientos.";
    QTest::newRow("pt_BR") << "pt_BR" << 1
                           << "Torre de Hanói, por Tandrovek|&Resolver|&Automático|&Preparar|"
                              "&Velocidade|&Sobre|Pró&ximo|Cancelar|Resolvido em 1 movimento.";
    QTest::newRow("ru") << "ru" << 5
                        << "Ханойская башня от Tandrovek|&Решить|&Авторешение|&Подготовить|"
                           "&Скорость|&О программе|&Дальше|Отмена|Решено за 31 ход.";
    QTest::newRow("ar") << "ar_EG" << 2
                        << "برج هانوي من Tandrovek|&حل|حل آل&ي|إ&عداد|ال&سرعة|حو&ل|ال&تالي|"
                           "ألغِ|اكتمل الحل في ٣ نقلات.";
  }
  void windowInEveryLanguage() {
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
    QCOMPARE(w.size(), QSize(564, 341));
    QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(w.Pic()->geometry(), QRect(10, 12, 538, 273));  // 150, 180, 8070 x 4095 twips
    QCOMPARE(w.Pic()->Image(), english.Pic()->Image());
    QVERIFY(w.ButtonOf(Button::Auto)->isDefault());
    QVERIFY(!w.Timer1().isActive());
    QCOMPARE(w.Timer1().interval(), 500);
    QCOMPARE(w.findChild<DrawingArea*>("Pic"), w.Pic());
    const char* names[] = {"cmdSolve", "cmdAuto", "cmdInitialize", "Command1", "cmdDone"};
    const auto shows = [&](int b, const QString& caption) {
      QPushButton* button = w.findChild<QPushButton*>(names[b]);
      QCOMPARE(button, w.ButtonOf(Button(b)));
      QCOMPARE(QAccessible::queryAccessibleInterface(button)->role(), QAccessible::Button);
      QCOMPARE(button->text(), caption);
      QVERIFY(!QKeySequence::mnemonic(caption).isEmpty());
      QCOMPARE_LE(button->sizeHint().width(), 97);
      // Left to right 1680 twips apart, top 4440, 1455 x 615 twips.
      QCOMPARE(button->geometry(), QRect(arabic ? 459 - 112 * b : 8 + 112 * b, 296, 97, 41));
    };
    for (int b = 0; b < 5; ++b) {  // Solve and Auto Solve disabled
      shows(b, expected[b + 1]);
      QCOMPARE(w.ButtonOf(Button(b))->isEnabled(), b >= 2);
    }

    // The image is kept at device pixels inside a 2-pixel frame and shown unscaled; the focus,
    // which starts on the board, shows as that frame in the highlight colour, not in the image.
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const QImage shown = w.Pic()->grab(QRect(2, 2, 534, 269)).toImage();
    QCOMPARE(shown.convertToFormat(QImage::Format_RGB32), w.Pic()->Image());
    const QRgb highlight = w.Pic()->palette().color(QPalette::Highlight).rgb();
    const auto frame = [&] {  // as painted on the screen, once the window has repainted
      QCoreApplication::processEvents();
      return w.screen()->grabWindow(w.winId(), 10, 12, 1, 1).toImage().pixel(0, 0);
    };
    QCOMPARE(QApplication::focusWidget(), w.Pic());
    QCOMPARE(frame(), highlight);
    const QList<QSize> icons = {{16, 16}, {24, 24},   {32, 32},  {48, 48},
                                {64, 64}, {128, 128}, {256, 256}};
    QCOMPARE(w.windowIcon().availableSizes(), icons);             // one drawn for each size
    dialogs.during = [&] { w.ButtonOf(Button::Auto)->click(); };  // refused while a box is open
    w.ButtonOf(Button::Initialize)->click();
    Play(*w.ButtonOf(Button::Solve));
    shows(0, expected[6]);
    QVERIFY(!w.Timer1().isActive());
    w.ButtonOf(Button::Auto)->click();  // compares the caption with the translated Next
    QVERIFY(w.Timer1().isActive());
    QCOMPARE(QString::fromStdString(dialogs.shown.back()), expected[8]);
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

  // A game with the real boxes, driven as a user would: each step runs once its box has the
  // focus, and checks the box; keys typed at the main window reach it, but not those typed before
  // the box had the focus; clicks raised from code (as screen readers raise them) do nothing.
  void realBoxesHoldTheMainWindow() {
    QtDialogs dialogs;
    MainWindow w(dialogs);
    dialogs.SetParent(&w);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    // A box as it shows itself: title|text, then for a message its icon, its buttons and whether
    // its title has room beside the window manager's buttons; for a question, what it holds.
    const auto seen = [](QDialog* open) {
      if (auto* m = qobject_cast<QMessageBox*>(open)) {
        const int room = m->width() - m->fontMetrics().horizontalAdvance(m->windowTitle());
        return QString("%1|%2|icon %3, %4 button, room %5")
            .arg(m->windowTitle(), m->text())
            .arg(m->icon())
            .arg(m->buttons().size())
            .arg(room > 120);
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
        {"Tower of Hanoi|Invalid number of rings|icon 0, 1 button, room 1", "", Qt::Key_Return},
        {rings, "3", Qt::Key_Return},
        {delay, "5", Qt::Key_Escape},  // Cancel
        {delay, "0.001", Qt::Key_Return},
        {"Tower of Hanoi|Solution complete in 7 iterations.|icon 1, 1 button, room 1", "",
         Qt::Key_Return},
        {"Tower of Hanoi|This program was made by Tandrovek.\nSend your comments to "
         "tandrovek@example.com|icon 0, 1 button, room 1",
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
    QVERIFY(w.Closing());
    QCOMPARE(dialogs.OpenBox(), static_cast<QDialog*>(nullptr));
    QVERIFY(steps.isEmpty());
  }

  // When the device pixel ratio changes, the board is drawn anew at the new ratio from the record
  // of what it shows, in which an xor fill and its erasure cancel: it equals a drawing made at
  // that ratio from the start, and xor erasing stays exact across the change. A fill draws into
  // the image as it is. Needs two screens at ratios 1 and 2:
  // QT_QPA_PLATFORM=offscreen:configfile=screens.json.
  void boardFollowsTheRatioOfItsScreen_data() {
    QTest::addColumn<std::vector<FillOp>>("before");
    QTest::addColumn<std::vector<FillOp>>("after");  // drawn once the ratio has changed
    const FillOp ring = {{888, 3291, 2340, 3612}, 0x800080, true};
    const auto with = [&](std::size_t side, double value) {
      FillOp f = ring;
      f.rect[side] = value;
      return std::vector<FillOp>{ring, f};
    };
    QTest::newRow("put, lifted after") << std::vector<FillOp>{ring} << std::vector<FillOp>{ring};
    QTest::newRow("put and lifted") << std::vector<FillOp>{ring, ring} << std::vector<FillOp>{};
    QTest::newRow("other left") << with(0, 900) << std::vector<FillOp>{};
    QTest::newRow("other top") << with(1, 3300) << std::vector<FillOp>{};
    QTest::newRow("other right") << with(2, 2360) << std::vector<FillOp>{};
    QTest::newRow("other bottom") << with(3, 3640) << std::vector<FillOp>{};
    QTest::newRow("other colour") << std::vector<FillOp>{ring, {ring.rect, 0x008000, true}}
                                  << std::vector<FillOp>{};
    QTest::newRow("a copy between")
        << std::vector<FillOp>{ring, {{0, 0, 3000, 3400}, 0x808000, false}, ring}
        << std::vector<FillOp>{};
    QTest::newRow("copy twice") << std::vector<FillOp>{{ring.rect, 0x800080, false},
                                                       {ring.rect, 0x800080, false}}
                                << std::vector<FillOp>{};
    QTest::newRow("copy, then xor")
        << std::vector<FillOp>{{ring.rect, 0x800080, false}, ring} << std::vector<FillOp>{};
  }
  void boardFollowsTheRatioOfItsScreen() {
    if (QGuiApplication::screens().size() < 2)
      QSKIP("needs the two screens of screens.json");
    QFETCH(std::vector<FillOp>, before);
    QFETCH(std::vector<FillOp>, after);
    ScriptedDialogs dialogs;
    MainWindow w(dialogs);
    w.show();
    const qint64 image = w.Pic()->Image().cacheKey() >> 32;  // changes only with a new image
    Draw(*w.Pic(), before);
    QCOMPARE(w.Pic()->Image().cacheKey() >> 32, image);  // not drawn anew for each fill
    w.setScreen(QGuiApplication::screens()[1]);
    QTRY_COMPARE(w.Pic()->Image().devicePixelRatio(), 2.0);
    Draw(*w.Pic(), after);
    const MainWindow fresh(dialogs, English(), &w);  // drawn at ratio 2 from the start
    Draw(*fresh.Pic(), before);
    Draw(*fresh.Pic(), after);
    QCOMPARE(w.Pic()->Image(), fresh.Pic()->Image());
  }
};

QTEST_MAIN(TestWindow)
#include "test_window.moc"
