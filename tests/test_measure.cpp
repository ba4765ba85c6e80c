#include <QTest>
#include <cmath>
#include <limits>

#include "board/Measure.h"

class TestMeasure : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void roundsHalvesToEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");
    QTest::newRow("1614.5 down to even") << 1614.5 << 1614.0;
    QTest::newRow("6455.5 up to even") << 6455.5 << 6456.0;
    QTest::newRow("80.5 down to even") << 80.5 << 80.0;
    QTest::newRow("2017.5 up to even") << 2017.5 << 2018.0;
    QTest::newRow("2.5") << 2.5 << 2.0;
    QTest::newRow("3.5") << 3.5 << 4.0;
    QTest::newRow("-2.5") << -2.5 << -2.0;
    QTest::newRow("-3.5") << -3.5 << -4.0;
    QTest::newRow("0.5") << 0.5 << 0.0;
    QTest::newRow("just below half") << 2.4999999999999996 << 2.0;
    QTest::newRow("just above half") << 2.5000000000000004 << 3.0;
    QTest::newRow("62.5 from 0.0625 s") << 0.0625 * 1000 << 62.0;
    QTest::newRow("187.5 from 0.1875 s") << 0.1875 * 1000 << 188.0;
    QTest::newRow("1650 from 1.65 s") << 1.65 * 1000 << 1650.0;
    QTest::newRow("huge integral value") << 1e300 << 1e300;
  }
  void roundsHalvesToEven() {
    QFETCH(double, value);
    QFETCH(double, expected);
    QCOMPARE(RoundHalfEven(value), expected);
  }

  void int16RangeIsCheckedAfterRounding_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<int>("expected");
    QTest::newRow("32767") << 32767.0 << true << 32767;
    QTest::newRow("32767.4") << 32767.4 << true << 32767;
    QTest::newRow("32767.5 rounds to 32768") << 32767.5 << false << 0;
    QTest::newRow("-32768.5 rounds to -32768") << -32768.5 << true << -32768;
    QTest::newRow("-32769") << -32769.0 << false << 0;
    QTest::newRow("-40000") << -40000.0 << false << 0;
    QTest::newRow("1E10") << 1e10 << false << 0;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << false << 0;
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << false << 0;
    QTest::newRow("negative zero") << -0.0 << true << 0;
  }
  void int16RangeIsCheckedAfterRounding() {
    QFETCH(double, value);
    QFETCH(bool, fits);
    QFETCH(int, expected);
    const auto result = RoundToInt16(value);
    QCOMPARE(result.has_value(), fits);
    if (fits) {
      QCOMPARE(int(*result), expected);
    }
  }

  void int32RangeIsCheckedAfterRounding() {
    QCOMPARE(*RoundToInt32(2147483647.0), 2147483647);
    QVERIFY(!RoundToInt32(2147483647.5));
    QCOMPARE(*RoundToInt32(-2147483648.5), std::numeric_limits<std::int32_t>::min());
    QVERIFY(!RoundToInt32(std::numeric_limits<double>::infinity()));
  }

  void geometrySaturatesInsteadOfWrapping() {
    QCOMPARE(ToMeasure(40000.0), Measure(32767));
    QCOMPARE(ToMeasure(-1e9), Measure(-32768));
    QCOMPARE(ToMeasure(std::numeric_limits<double>::quiet_NaN()), Measure(0));
    QCOMPARE(ClampMeasure(32767 + 1), Measure(32767));
    QCOMPARE(ClampMeasure(-32768 - 1), Measure(-32768));
    QCOMPARE(ClampMeasure(-1234), Measure(-1234));
  }
};

QTEST_GUILESS_MAIN(TestMeasure)
#include "test_measure.moc"
