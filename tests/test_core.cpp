// The plain core without a window: ties-to-even rounding with its range checks and the number
// reader, every decimal digit of Unicode among its rows.
#include <QTest>
#include <limits>

#include "board/Measure.h"
#include "board/Translator.h"
#include "commands/NumberReader.h"

Q_DECLARE_METATYPE(std::string)

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

}  // namespace

class TestCore : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // Half-way values go to the even neighbour, whatever the sign; the range is checked after
  // rounding: refused where it is checked (empty, here -1), saturated in the board's measures.
  void roundingGoesToEvenAndIsRangeChecked() {
    // clang-format off
    const double rows[][5] = {  // value; to even; to 16 bits, 32 bits (-1: refused); to a measure
        {1614.5, 1614, 1614, 1614, 1614}, {6455.5, 6456, 6456, 6456, 6456}, {80.5, 80, 80, 80, 80},
        {-2.5, -2, -2, -2, -2}, {-3.5, -4, -4, -4, -4}, {0.49, 0, 0, 0, 0}, {2.51, 3, 3, 3, 3},
        {2.5000000000000004, 3, 3, 3, 3}, {32767.4, 32767, 32767, 32767, 32767},
        {32767.5, 32768, -1, 32768, 32767}, {-32768.5, -32768, -32768, -32768, -32768},
        {-32768.6, -32769, -1, -32769, -32768}, {2147483647.4, 2147483647, -1, 2147483647, 32767},
        {-2147483648.5, -2147483648.0, -1, -2147483648.0, -32768},
        {2147483647.5, 2147483648.0, -1, -1, 32767}, {-kInf, -kInf, -1, -1, -32768}, {kNaN, kNaN, -1, -1, 0}};
    // clang-format on
    for (const auto& [value, even, int16, int32, measure] : rows) {
      QCOMPARE(RoundHalfEven(value), even);
      QCOMPARE(RoundToInt16(value).value_or(-1), int16);
      QCOMPARE(RoundToInt32(value).value_or(-1), int32);
      QCOMPARE(ToMeasure(value), measure);
    }
    QCOMPARE(Fill("%1, %2 %3 100% %", {"a", "%2"}), "a, %2 %3 100% %");  // one pass
    QCOMPARE(Fill(std::string_view("%1 %2", 4), {"a", "b"}), "a %");  // nothing read past the end
  }

  void readsTheLeadingNumber_data() {
    QTest::addColumn<std::string>("text");
    QTest::addColumn<double>("expected");  // infinity: refused as too large
    const std::string zeros(1499, '0');
    // ASCII, ranges, and the decimal digits of every script in UTF-8, Unicode 15's among them: a
    // byte that begins no character ends the number, a 5-byte lead as well.
    // clang-format off
    const std::pair<std::string, double> rows[] = {
        {"12abc", 12}, {"1,5", 1}, {"1.5E3", 1500}, {"1.5e3", 1500}, {"25E-1", 2.5}, {"7E", 7},
        {"1E-", 1}, {"5-", 5}, {"7E-x", 7}, {"&H1A", 26}, {"&haf", 175}, {"&O17", 15}, {"&o78", 7},
        {"&H", 0}, {"&X10", 0}, {".5", 0.5}, {"5.", 5}, {"", 0}, {" \t\n", 0}, {"five", 0}, {".", 0},
        {"-", 0}, {"--3", 0}, {"5 rings", 5}, {"+4", 4}, {" 1 2 ", 12}, {"1\t.\n5", 1.5}, {"- 3", -3},
        {"1 E 2", 100}, {"1\r2", 1}, {"1.2.3", 1.2}, {"1E-400", 0}, {"1E400", kInf}, {"-1E400", kInf},
        {"&HFFFFF", 1048575}, {"&HFFFFFFFF", 4294967295.0}, {"1E99999999999999999999", kInf},
        {"1E-99999999999999999999", 0}, {"1E9223372036854775807", kInf},
        {"1E-9223372036854775808", 0}, {"0.1E9223372036854775807", kInf},
        {std::string(300, '0') + "1E-400", 0}, {"1" + zeros + "E-2000", 0},
        {"0." + zeros + "1E2000", kInf}, {std::string(400, '9'), kInf},
        {"&H" + std::string(300, 'F'), kInf}, {"３", 3}, {"１２.５", 12.5}, {"٣", 3}, {"١E٢", 100},
        {"١٫٥", 1}, {"१२", 12}, {"𝟗", 9}, {"&H１Ｆ", 1}, {"&O٧", 7}, {"\xB5", 0}, {"\xC3", 0},
        {"7\xE0\xA5", 7}, {"\xF8", 0}, {"٣\xF0\x9D", 3}, {"7\xB5", 7}, {"7\xF8\x9D\x9F\x8F", 7}, {"𑽑", 1}, {"𞓱", 1}};
    // clang-format on
    for (const auto& [text, expected] : rows) {
      QTest::newRow(QByteArray::fromStdString(text.substr(0, 30)).toPercentEncoding(" .,&+-"))
          << text << expected;
    }
  }
  void readsTheLeadingNumber() {
    QFETCH(std::string, text);
    QFETCH(double, expected);
    const std::optional<double> value = ReadNumber(text);
    QCOMPARE(value ? *value : kInf, expected);
  }

  // Every character alone: a decimal digit of any script reads as its value, anything else as 0.
  // Judged by this Qt's Unicode tables; a character they do not know yet is left out.
  void readsEveryDecimalDigit() {
    int digits = 0, unknown = 0;
    for (char32_t c = 1; c < 0x110000; ++c) {
      const std::string text = QString::fromUcs4(&c, 1).toStdString();
      const bool known = QChar::category(c) != QChar::Other_NotAssigned;
      const bool digit = QChar::category(c) == QChar::Number_DecimalDigit;
      digits += digit;
      unknown += !known && ReadNumber(text + "1") != 0;  // a digit, 0 among them
      QVERIFY2(!known || ReadNumber(text) == (digit ? QChar::digitValue(c) : 0),
               qPrintable(QString("U+%1 reads %2").arg(uint(c), 4, 16).arg(*ReadNumber(text))));
    }
    qInfo("Qt %s knows %d decimal digits, all read; %d more are read as digits of a later Unicode",
          qVersion(), digits, unknown);
    QCOMPARE(ReadNumber(std::string_view("123", 2)), 12);  // nothing read past the end
  }
};

QTEST_GUILESS_MAIN(TestCore)
#include "test_core.moc"
