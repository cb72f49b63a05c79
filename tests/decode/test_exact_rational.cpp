#include <QRandomGenerator>
#include <QTest>

#include "exact_text.h"

using namespace rangedesk;

namespace {

QString Result(const std::optional<ExactRational>& r) {
    return r ? ExactToText(*r) : QString("none");
}

// 2^126, the largest numerator.
const QString kLargest = "85070591730234615865843651857942052864";

} // namespace

class TestExactRational : public QObject {
    Q_OBJECT
private slots:
    void make() {
        QCOMPARE(Result(ExactRational::Make(6, -4)), QString("-3/2"));
        QCOMPARE(Result(ExactRational::Make(0, -7)), QString("0"));
        QCOMPARE(Result(ExactRational::Make(1, 0)), QString("none"));
        QCOMPARE(Result(ExactRational::Make(ExactRational::Int(1) << 127, 1)), QString("none"));
        QCOMPARE(Result(ExactRational::Make(1, ExactRational::Int(1) << 121)), QString("none"));
        // Out of range before reducing, in range after.
        const auto reduced = ExactRational::Make(ExactRational::Int(3) << 125, 2);
        QVERIFY(reduced);
        QVERIFY(reduced == ExactRational::Make(ExactRational::Int(3) << 124, 1));
    }

    void arithmetic_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("op");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("expected");
        auto row = [](const char* name, const QString& a, const QString& op, const QString& b,
                      const QString& expected) { QTest::newRow(name) << a << op << b << expected; };
        row("twelfths", "1/12", "+", "1/4", "1/3");
        row("tenths are exact", "0.1", "+", "0.2", "3/10");
        row("difference", "1/3", "-", "1/2", "-1/6");
        row("foot and back", "381/1250", "*", "1250/381", "1");
        row("inches to metres", "-2.5", "*", "0.0254", "-127/2000");
        row("inch in feet", "1", "/", "12", "1/12");
        row("divide by zero", "1", "/", "0", "none");
        row("sum past the largest", kLargest, "+", "1", "none");
        row("sum below the largest", kLargest, "+", "-1", "85070591730234615865843651857942052863");
        row("product overflows", "100000000000000000000", "*", "100000000000000000000", "none");
        row("denominator overflows", "1/1000000000000000000000", "*", "1/1000000000000000000000",
            "none");
        row("large terms cancel", "1000000000000000000000/3", "*", "3/1000000000000000000000", "1");
    }
    void arithmetic() {
        QFETCH(QString, a);
        QFETCH(QString, op);
        QFETCH(QString, b);
        QFETCH(QString, expected);
        const ExactRational x = ExactFromText(a);
        const ExactRational y = ExactFromText(b);
        const auto r = op == "+"   ? Add(x, y)
                       : op == "-" ? Subtract(x, y)
                       : op == "*" ? Multiply(x, y)
                                   : Divide(x, y);
        QCOMPARE(Result(r), expected == "none" ? expected : ExactToText(ExactFromText(expected)));
    }

    void compare_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("expected");
        auto row = [](const char* name, const QString& a, const QString& b, int expected) {
            QTest::newRow(name) << a << b << expected;
        };
        row("third above decimals", "1/3", "0.333333333333333333", 1);
        row("negatives", "-1/3", "-1/2", 1);
        row("equal", "2/4", "0.5", 0);
        row("zero above negative", "0", "-1/1000", 1);
        row("close reciprocals", "1/1099511627776", "1/1099511627775", -1);
        row("products would overflow", "85070591730234615865843651857942052863/7",
            "85070591730234615865843651857942052861/7", 1);
    }
    void compare() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, expected);
        QCOMPARE(Compare(ExactFromText(a), ExactFromText(b)), expected);
        QCOMPARE(Compare(ExactFromText(b), ExactFromText(a)), -expected);
    }

    void nearestDouble_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<double>("expected");
        auto row = [](const char* name, const QString& value, double expected) {
            QTest::newRow(name) << value << expected;
        };
        row("tie to even below", "9007199254740993", 9007199254740992.0);
        row("tie to even above", "9007199254740995", 9007199254740996.0);
        row("above a tie", "27021597764222980/3", 9007199254740994.0);
        row("beyond 64 bits", "1267650600228229401496703205377", 1.2676506002282294e+30);
        row("tenth", "1/10", 0.1);
        row("negative", "-0.0635", -0.0635);
        row("large over small", "1000000000000000000000000000001/3", 3.333333333333333e+29);
        row("tiny", "1/1000000000000000000000000000000000000", 1e-36);
        row("rounds up to one",
            "1329227995784915872903807060280344575/1329227995784915872903807060280344576", 1.0);
        row("largest negative", "-" + kLargest + "/3", -2.8356863910078204e+37);
    }
    void nearestDouble() {
        QFETCH(QString, value);
        QFETCH(double, expected);
        QCOMPARE(NearestDouble(ExactFromText(value)), expected);
    }

    // Both parts exact in a double: one IEEE division is the correctly rounded quotient.
    void nearestDoubleMatchesDivision() {
        QRandomGenerator seeded(7);
        for (int i = 0; i < 20000; ++i) {
            const auto n = static_cast<qint64>(seeded.generate64() >> 11) - (qint64(1) << 52);
            const auto d =
                static_cast<qint64>(seeded.generate64() >> (11 + seeded.bounded(50))) + 1;
            const auto x = ExactRational::Make(n, d);
            QVERIFY(x);
            QCOMPARE(NearestDouble(*x), double(n) / double(d));
        }
    }

    void roundedText_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("sep");
        QTest::addColumn<QString>("expected");
        auto row = [](const char* name, const QString& value, int decimals, const QString& sep,
                      const QString& expected) {
            QTest::newRow(name) << value << decimals << sep << expected;
        };
        row("half away from zero", "0.0635", 3, ".", "0.064");
        row("negative half", "-0.0635", 3, ".", "-0.064");
        row("eighth", "1/8", 2, ".", "0.13");
        row("negative eighth", "-1/8", 2, ".", "-0.13");
        row("below half", "0.06249", 3, ".", "0.062");
        row("negative rounds to zero", "-0.0004", 3, ".", "0.000");
        row("carry", "9.9995", 3, ".", "10.000");
        row("twelfth", "1/12", 2, ".", "0.08");
        row("whole half", "-2.5", 0, ".", "-3");
        row("third to none", "1/3", 0, ".", "0");
        row("no grouping", "1234567.891", 2, ".", "1234567.89");
        row("comma", "12.345", 2, ",", "12,35");
        row("pads", "3", 3, ",", "3,000");
        row("large", "10000000000000000000000000000000000001/10", 0, ".",
            "1000000000000000000000000000000000000");
    }
    void roundedText() {
        QFETCH(QString, value);
        QFETCH(int, decimals);
        QFETCH(QString, sep);
        QFETCH(QString, expected);
        QCOMPARE(
            QString::fromStdString(RoundedText(ExactFromText(value), decimals, sep.toStdString())),
            expected);
    }

    void fullPrecisionText_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("sep");
        QTest::addColumn<QString>("expected");
        auto row = [](const char* name, const QString& value, const QString& sep,
                      const QString& expected) { QTest::newRow(name) << value << sep << expected; };
        row("twelfth", "1/12", ".", "0.0833333333333333");
        row("terminating", "0.0635", ".", "0.0635");
        row("integer", "3", ".", "3");
        row("negative", "-2.5", ",", "-2,5");
        row("thirds", "1000/3", ".", "333.333333333333");
        row("small thirds", "1/3000", ",", "0,000333333333333333");
        row("rounds half up", "2/3", ".", "0.666666666666667");
        row("every digit of a long decimal", "283168465.919999999971683153408", ".",
            "283168465.919999999971683153408");
        row("binary fraction", "1/1024", ".", "0.0009765625");
        row("too long to write out", "1/1099511627776", ".", "0.000000000000909494701772928");
        row("large non-terminating", "100000000000000000000/3", ".", "33333333333333333333");
    }
    void fullPrecisionText() {
        QFETCH(QString, value);
        QFETCH(QString, sep);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(FullPrecisionText(ExactFromText(value), sep.toStdString())),
                 expected);
    }
};

QTEST_APPLESS_MAIN(TestExactRational)
#include "test_exact_rational.moc"
