#include <QTest>
#include <cmath>

#include "board/Measure.h"
#include "commands/NumberReader.h"

Q_DECLARE_METATYPE(std::string)

// Rows: text, whether a number comes out, and its value.
class TestNumberReader : public QObject {
  Q_OBJECT

 private:
  static void AddColumns() {
    QTest::addColumn<std::string>("text");
    QTest::addColumn<double>("expected");
  }

 private Q_SLOTS:
  void readsTheLeadingNumber_data() {
    AddColumns();
    QTest::newRow("plain") << std::string("3") << 3.0;
    QTest::newRow("trailing letters") << std::string("12abc") << 12.0;
    QTest::newRow("comma is not a point") << std::string("1,5") << 1.0;
    QTest::newRow("exponent") << std::string("1.5E3") << 1500.0;
    QTest::newRow("lower-case exponent") << std::string("1.5e3") << 1500.0;
    QTest::newRow("exponent with plus") << std::string("2E+2") << 200.0;
    QTest::newRow("exponent with minus") << std::string("25E-1") << 2.5;
    QTest::newRow("exponent without digits") << std::string("7E") << 7.0;
    QTest::newRow("exponent sign without digits") << std::string("7E-x") << 7.0;
    QTest::newRow("hexadecimal") << std::string("&H10") << 16.0;
    QTest::newRow("hexadecimal lower case") << std::string("&hff") << 255.0;
    QTest::newRow("octal") << std::string("&O17") << 15.0;
    QTest::newRow("octal stops at 8") << std::string("&O78") << 7.0;
    QTest::newRow("radix without digits") << std::string("&H") << 0.0;
    QTest::newRow("unknown radix") << std::string("&X10") << 0.0;
    QTest::newRow("large hexadecimal") << std::string("&HFFFFFFFF") << 4294967295.0;
    QTest::newRow("leading point") << std::string(".5") << 0.5;
    QTest::newRow("trailing point") << std::string("5.") << 5.0;
    QTest::newRow("empty") << std::string("") << 0.0;
    QTest::newRow("only blanks") << std::string(" \t\n") << 0.0;
    QTest::newRow("word") << std::string("five") << 0.0;
    QTest::newRow("lone point") << std::string(".") << 0.0;
    QTest::newRow("lone sign") << std::string("-") << 0.0;
    QTest::newRow("ties stay reals") << std::string("2.5") << 2.5;
    QTest::newRow("five then a word") << std::string("5 rings") << 5.0;
    QTest::newRow("negative") << std::string("-1") << -1.0;
    QTest::newRow("explicit plus") << std::string("+4") << 4.0;
    QTest::newRow("nine") << std::string("9") << 9.0;
    QTest::newRow("blanks inside digits") << std::string(" 1 2 ") << 12.0;
    QTest::newRow("tab and line feed inside") << std::string("1\t.\n5") << 1.5;
    QTest::newRow("blank between sign and digits") << std::string("- 3") << -3.0;
    QTest::newRow("blank inside exponent") << std::string("1 E 2") << 100.0;
    QTest::newRow("carriage return stops") << std::string("1\r2") << 1.0;
    QTest::newRow("double sign") << std::string("--3") << 0.0;
    QTest::newRow("second point stops") << std::string("1.2.3") << 1.2;
    QTest::newRow("underflow reads 0") << std::string("1E-400") << 0.0;
    QTest::newRow("tiny but representable") << std::string("4.9E-324") << 4.9e-324;
    QTest::newRow("many digits, modest value") << std::string("0.000000000000000000000000000001E31")
                                               << 10.0;
    QTest::newRow("1E10") << std::string("1E10") << 1e10;
    QTest::newRow("1.65 seconds") << std::string("1.65") << 1.65;
  }
  void readsTheLeadingNumber() {
    QFETCH(std::string, text);
    QFETCH(double, expected);
    const std::optional<double> value = ReadNumber(text);
    QVERIFY(value.has_value());
    QCOMPARE(*value, expected);
  }

  void numbersTooLargeForADoubleAreRefused_data() {
    QTest::addColumn<std::string>("text");
    QTest::newRow("1E400") << std::string("1E400");
    QTest::newRow("-1E400") << std::string("-1E400");
    QTest::newRow("huge exponent") << std::string("1E99999999999999999999");
    QTest::newRow("long hexadecimal") << std::string("&H" + std::string(300, 'F'));
    QTest::newRow("long integer") << std::string(400, '9');
  }
  void numbersTooLargeForADoubleAreRefused() {
    QFETCH(std::string, text);
    QVERIFY(!ReadNumber(text).has_value());
  }

  // What Initialize makes of an answer: the reading, then ties-to-even to 16 bits.
  void answersBecomeRingCounts_data() {
    QTest::addColumn<std::string>("text");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<int>("count");
    QTest::newRow("3") << std::string("3") << true << 3;
    QTest::newRow("5 and a word") << std::string("5 rings") << true << 5;
    QTest::newRow("2.5 to even") << std::string("2.5") << true << 2;
    QTest::newRow("3.5 to even") << std::string("3.5") << true << 4;
    QTest::newRow("-1") << std::string("-1") << true << -1;
    QTest::newRow("word") << std::string("many") << true << 0;
    QTest::newRow("1E10") << std::string("1E10") << false << 0;
    QTest::newRow("-40000") << std::string("-40000") << false << 0;
    QTest::newRow("&HFFFFFFFF") << std::string("&HFFFFFFFF") << false << 0;
    QTest::newRow("&HFFFF is 65535") << std::string("&HFFFF") << false << 0;
    QTest::newRow("1E400") << std::string("1E400") << false << 0;
  }
  void answersBecomeRingCounts() {
    QFETCH(std::string, text);
    QFETCH(bool, fits);
    QFETCH(int, count);
    const std::optional<double> value = ReadNumber(text);
    const std::optional<std::int16_t> rounded = value ? RoundToInt16(*value) : std::nullopt;
    QCOMPARE(rounded.has_value(), fits);
    if (fits) {
      QCOMPARE(int(*rounded), count);
    }
  }
};

QTEST_GUILESS_MAIN(TestNumberReader)
#include "test_number_reader.moc"
