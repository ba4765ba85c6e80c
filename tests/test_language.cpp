// The program in every language it has: the window and the boxes, a short game to the completion
// message in the language's plural, what a listener hears, the row of buttons mirrored in Arabic,
// and English, unchanged, wherever no translation applies.
#include <QAccessible>
#include <QApplication>
#include <QTest>

#include "Fakes.h"
#include "app/Language.h"
#include "app/MainWindow.h"

class TestLanguage : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // Captions left to right, then Next; each keeps an access key and fits its 97-pixel button.
  void windowInEveryLanguage_data() {
    QTest::addColumn<QString>("languages");  // as LANGUAGE lists them, most wanted first
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QString>("cancel");  // Qt's own text on the boxes
    const auto row = [](const char* languages, const char* title, const char* captions,
                        const char* cancel) {
      QTest::newRow(languages) << languages << title << QString(captions).split('|') << cancel;
    };
    row("en_GB:de", "Tower of Hanoi by Tandrovek",
        "&Solve|&Auto Solve|&Initialize|&Speed|&About|&Next", "Cancel");
    row("C", "Tower of Hanoi by Tandrovek", "&Solve|&Auto Solve|&Initialize|&Speed|&About|&Next",
        "Cancel");
    row("fa_IR", "Tower of Hanoi by Tandrovek",  // no translation
        "&Solve|&Auto Solve|&Initialize|&Speed|&About|&Next", "Cancel");
    row("fa_IR:de_AT", "Türme von Hanoi, von Tandrovek",
        "&Lösen|&Automatisch|&Einrichten|&Tempo|Ü&ber|&Weiter", "Abbrechen");
    row("fr", "Tours de Hanoï, par Tandrovek",
        "&Résoudre|&Automatique|&Installer|&Vitesse|À &propos|&Suivant", "Annuler");
    row("es", "Torres de Hanói, de Tandrovek",
        "&Resolver|&Automático|&Preparar|&Velocidad|Acerca &de|&Siguiente", "Cancelar");
    row("pt_BR", "Torre de Hanói, por Tandrovek",
        "&Resolver|&Automático|&Preparar|&Velocidade|&Sobre|Pró&ximo", "Cancelar");
    row("ru", "Ханойская башня от Tandrovek",
        "&Решить|&Авторешение|&Подготовить|&Скорость|&О программе|&Дальше", "Отмена");
    row("ar_EG", "برج هانوي من Tandrovek", "&حل|حل &آلي|إ&عداد|ال&سرعة|حو&ل|ال&تالي", "ألغِ");
  }
  void windowInEveryLanguage() {
    QFETCH(QString, languages);
    QFETCH(QString, title);
    QFETCH(QStringList, captions);
    QFETCH(QString, cancel);
    const Language language(languages.split(':'));
    ScriptedDialogs dialogs;
    dialogs.answers = {"1"};
    MainWindow w(dialogs, language);
    QCOMPARE(w.windowTitle(), title);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
    const bool arabic = languages.startsWith("ar");
    QCOMPARE(QApplication::layoutDirection(), arabic ? Qt::RightToLeft : Qt::LeftToRight);
    QCOMPARE(w.Pic()->Image(), MainWindow(dialogs).Pic()->Image());  // the board as drawn
    const auto shows = [&](Button b, const QString& caption) {
      QPushButton* button = w.ButtonOf(b);
      QCOMPARE(button->text(), caption);
      QVERIFY(!QKeySequence::mnemonic(caption).isEmpty());
      QCOMPARE_LE(button->sizeHint().width(), button->width());
    };
    for (int b = 0; b < 5; ++b) {  // Arabic mirrors the row: Solve at the right
      shows(Button(b), captions[b]);
      QCOMPARE(w.ButtonOf(Button(b))->x(), arabic ? 459 - 112 * b : 8 + 112 * b);
    }
    w.ButtonOf(Button::Initialize)->click();
    QTimer::singleShot(0, w.ButtonOf(Button::Solve), &QPushButton::click);  // Next
    w.ButtonOf(Button::Solve)->click();
    shows(Button::Solve, captions[5]);
  }

  // The completion message in the language's plural forms, and what a listener hears once the
  // rings are stacked and after the last move; Arabic with its own digits.
  void gameInEveryLanguage_data() {
    QTest::addColumn<QString>("languages");
    QTest::addColumn<int>("rings");
    QTest::addColumn<QString>("stacked");
    QTest::addColumn<QString>("complete");
    QTest::addColumn<QString>("last");
    const auto row = [](const char* languages, int rings, const char* stacked, const char* complete,
                        const char* last) {
      QTest::addRow("%s, %d", languages, rings)
          << languages << rings << stacked << complete << last;
    };
    row("C", 1, "1 ring on pole A.", "Solution complete in 1 iterations.",
        "Move 1 of 1: ring 1 from A to C. Puzzle solved.");
    row("fa_IR", 2,
        "2 rings on pole A, ring 1 the widest at the bottom, ring 2 the narrowest on top.",
        "Solution complete in 3 iterations.", "Move 3 of 3: ring 2 from B to C. Puzzle solved.");
    row("de", 1, "1 Ring auf Stab A.", "Gelöst in 1 Zug.",
        "Zug 1 von 1: Ring 1 von A nach C. Rätsel gelöst.");
    row("de", 2, "2 Ringe auf Stab A, unten Ring 1, der breiteste, oben Ring 2, der schmalste.",
        "Gelöst in 3 Zügen.", "Zug 3 von 3: Ring 2 von B nach C. Rätsel gelöst.");
    row("fr", 2,
        "2 anneaux sur la tige A, l'anneau 1, le plus large, en bas, l'anneau 2, le plus étroit, "
        "en haut.",
        "Résolu en 3 coups.", "Coup 3 sur 3\u00a0: anneau 2 de B vers C. Casse-tête résolu.");
    row("es", 3,
        "3 anillos en la varilla A: el anillo 1, el más ancho, abajo; el anillo 3, el más "
        "estrecho, "
        "arriba.",
        "Resuelto en 7 movimientos.",
        "Movimiento 7 de 7: anillo 3 de A a C. Rompecabezas resuelto.");
    row("pt_BR", 1, "1 anel no pino A.", "Resolvido em 1 movimento.",
        "Movimento 1 de 1: anel 1 de A para C. Quebra-cabeça resolvido.");
    row("ru", 2,
        "2 кольца на стержне A: внизу кольцо 1, самое широкое, вверху кольцо 2, самое узкое.",
        "Решено за 3 хода.", "Ход 3 из 3: кольцо 2 с B на C. Головоломка решена.");
    row("ru", 3,
        "3 кольца на стержне A: внизу кольцо 1, самое широкое, вверху кольцо 3, самое узкое.",
        "Решено за 7 ходов.", "Ход 7 из 7: кольцо 3 с A на C. Головоломка решена.");
    row("ru", 5,
        "5 колец на стержне A: внизу кольцо 1, самое широкое, вверху кольцо 5, самое узкое.",
        "Решено за 31 ход.", "Ход 31 из 31: кольцо 5 с A на C. Головоломка решена.");
    row("ar", 1, "حلقة واحدة على العمود A.", "اكتمل الحل في نقلة واحدة.",
        "النقلة ١ من ١: الحلقة ١ من A إلى C. حُلّت الأحجية.");
    row("ar", 2, "حلقتان على العمود A، الحلقة الأولى الأعرض في الأسفل، والحلقة ٢ الأضيق في الأعلى.",
        "اكتمل الحل في ٣ نقلات.", "النقلة ٣ من ٣: الحلقة ٢ من B إلى C. حُلّت الأحجية.");
    row("ar", 4,
        "٤ حلقات على العمود A، الحلقة الأولى الأعرض في الأسفل، والحلقة ٤ الأضيق في الأعلى.",
        "اكتمل الحل في ١٥ نقلة.", "النقلة ١٥ من ١٥: الحلقة ٤ من B إلى C. حُلّت الأحجية.");
  }
  void gameInEveryLanguage() {
    QFETCH(QString, languages);
    QFETCH(int, rings);
    QFETCH(QString, stacked);
    QFETCH(QString, complete);
    QFETCH(QString, last);
    const Language language(languages.split(':'));
    ScriptedDialogs dialogs;
    dialogs.answers = {std::to_string(rings)};
    MainWindow w(dialogs, language);
    QAccessibleInterface* note = QAccessible::queryAccessibleInterface(w.Pic())->child(0);
    w.ButtonOf(Button::Initialize)->click();
    QCOMPARE(note->text(QAccessible::Name), stacked);
    std::function<void()> next = [&] {  // one Next per pass of the event loop, to the end
      w.ButtonOf(Button::Solve)->click();
      if (w.IsEnabled(Button::Solve)) {
        QTimer::singleShot(0, &w, next);
      }
    };
    QTimer::singleShot(0, &w, next);
    w.ButtonOf(Button::Solve)->click();
    QCOMPARE(QString::fromStdString(dialogs.shown.back()), complete);
    QCOMPARE(note->text(QAccessible::Name), last);
  }
};

QTEST_MAIN(TestLanguage)
#include "test_language.moc"
