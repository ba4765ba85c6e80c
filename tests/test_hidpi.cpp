// Runs with QT_SCALE_FACTOR=2: the window keeps its logical size, the retained image is kept at
// device pixels, and twip x lies in device pixel floor(x * 2 / 15).
#include <QApplication>
#include <QTest>

#include "Fakes.h"
#include "app/MainWindow.h"

namespace {

int Dev(int twips) {
  return twips * 2 / 15;
}

}  // namespace

class TestHiDpi : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }

  void imageIsKeptAtDevicePixels() {
    ScriptedDialogs dialogs;
    MainWindow w(dialogs);
    QCOMPARE(w.size(), QSize(564, 341));
    const QImage& image = w.Pic()->Image();
    QCOMPARE(image.size(), QSize(1068, 538));
    QCOMPARE(w.Pic()->Width(), 8070.0);
    // The corners of base A (807, 3612, 2420, 3772) and pole A (1574, 498, 1653, 3612).
    QCOMPARE(image.pixel(Dev(807), Dev(3612) + 1), 0xFF808000u);
    QCOMPARE(image.pixel(Dev(807) - 1, Dev(3700)), 0xFFFFFFFFu);
    QCOMPARE(image.pixel(Dev(2420), Dev(3772)), 0xFF808000u);
    QCOMPARE(image.pixel(Dev(2420) + 1, Dev(3772) + 1), 0xFFFFFFFFu);
    QCOMPARE(image.pixel(Dev(1574), Dev(498)), 0xFF000000u);
    QCOMPARE(image.pixel(Dev(1574) - 1, Dev(498) - 1), 0xFFFFFFFFu);
    QCOMPARE(image.pixel(Dev(1653), Dev(1000)), 0xFF000000u);
    QCOMPARE(image.pixel(Dev(1653) + 1, Dev(1000)), 0xFFFFFFFFu);
  }

  void putThenLiftRestoresTheImage() {
    ScriptedDialogs dialogs;
    MainWindow w(dialogs);
    const QImage before = w.Pic()->Image().copy();
    dialogs.answers = {"8"};
    w.ButtonOf(Button::Initialize)->click();
    QVERIFY(w.Pic()->Image() != before);
    // Erase the eight rings top first, as lifting them would.
    DrawingArea& pic = *w.Pic();
    pic.SetDrawMode(DrawMode::Xor);
    const int lefts[] = {888, 968, 1049, 1130, 1210, 1291, 1372, 1452};
    const int widths[] = {1453, 1291, 1130, 968, 807, 646, 484, 323};
    const int tops[] = {3291, 2969, 2647, 2325, 2003, 1681, 1359, 1037};
    for (int k = 8; k >= 1; --k) {
      pic.FillRect(lefts[k - 1], tops[k - 1], lefts[k - 1] + widths[k - 1] - 1, tops[k - 1] + 321,
                   w.State().rings[k].color);
    }
    QCOMPARE(pic.Image(), before);
  }

  // What reaches the screen is the image itself, pixel for pixel: nothing is scaled.
  void theWindowShowsTheImageUnscaled() {
    ScriptedDialogs dialogs;
    dialogs.answers = {"4"};
    MainWindow w(dialogs);
    w.ButtonOf(Button::Initialize)->click();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QImage shown = w.Pic()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage& image = w.Pic()->Image();
    QCOMPARE(shown.size(), QSize(1076, 546));
    QImage interior = shown.copy(4, 4, image.width(), image.height());
    interior.setDevicePixelRatio(2.0);
    QCOMPARE(interior, image);
  }
};

QTEST_MAIN(TestHiDpi)
#include "test_hidpi.moc"
