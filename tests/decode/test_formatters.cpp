#include <QTest>

#include "formatters.h"
#include "number_format.h"

using namespace rangedesk;

class TestFormatters : public QObject {
    Q_OBJECT

    static NumberFormat Sep(const QString& s) { return NumberFormat{s.toStdString()}; }

private slots:
    void formatPatternDouble_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("sep");
        QTest::addColumn<QString>("expected");
        QTest::newRow("half away up") << 2.5 << "0"
                                      << "."
                                      << "3";
        QTest::newRow("half away down") << -2.5 << "0"
                                        << "."
                                        << "-3";
        QTest::newRow("exact half 0.125") << 0.125 << "0.00"
                                          << "."
                                          << "0.13";
        QTest::newRow("below half binary") << 1.005 << "0.00"
                                           << "."
                                           << "1.00";
        QTest::newRow("leading zero") << 0.25 << "0.000"
                                      << "."
                                      << "0.250";
        QTest::newRow("no grouping") << 1234567.891 << "0.00"
                                     << "."
                                     << "1234567.89";
        QTest::newRow("comma") << 3.14159 << "0.000"
                               << ","
                               << "3,142";
        QTest::newRow("negative tiny is zero") << -0.0001 << "0.00"
                                               << "."
                                               << "0.00";
        QTest::newRow("feet") << 30480 / kFootDivisor / 1000 << "0.00"
                              << "."
                              << "10.00";
        QTest::newRow("carry") << 9.9996 << "0.000"
                               << "."
                               << "10.000";
    }
    void formatPatternDouble() {
        QFETCH(double, x);
        QFETCH(QString, pattern);
        QFETCH(QString, sep);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(FormatPattern(x, pattern.toStdString(), Sep(sep))),
                 expected);
    }

    void formatPatternExact_data() {
        QTest::addColumn<qint64>("mantissa");
        QTest::addColumn<int>("scale");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("sep");
        QTest::addColumn<QString>("expected");
        QTest::newRow("12350/10^4 rounds up") << qint64(12350) << 4 << "0.00"
                                              << "."
                                              << "1.24";
        QTest::newRow("12345/10^4 rounds down") << qint64(12345) << 4 << "0.00"
                                                << "."
                                                << "1.23";
        QTest::newRow("12345/10^3") << qint64(12345) << 3 << "0.000"
                                    << "."
                                    << "12.345";
        QTest::newRow("comma") << qint64(12345) << 3 << "0.000"
                               << ","
                               << "12,345";
        QTest::newRow("negative") << qint64(-100) << 4 << "0.000"
                                  << "."
                                  << "-0.010";
        QTest::newRow("negative half") << qint64(-125) << 2 << "0.0"
                                       << "."
                                       << "-1.3";
        QTest::newRow("integer") << qint64(7) << 0 << "0"
                                 << "."
                                 << "7";
        QTest::newRow("wider scale") << qint64(5) << 1 << "0.00"
                                     << "."
                                     << "0.50";
        QTest::newRow("max u32") << qint64(4294967295) << 3 << "0.000"
                                 << "."
                                 << "4294967.295";
    }
    void formatPatternExact() {
        QFETCH(qint64, mantissa);
        QFETCH(int, scale);
        QFETCH(QString, pattern);
        QFETCH(QString, sep);
        QFETCH(QString, expected);
        QCOMPARE(
            QString::fromStdString(FormatPattern(mantissa, scale, pattern.toStdString(), Sep(sep))),
            expected);
    }

    void integerPatterns() {
        QCOMPARE(IntText(-12), std::string("-12"));
        QCOMPARE(TwoDigitText(3), std::string("03"));
        QCOMPARE(TwoDigitText(11), std::string("11"));
        QCOMPARE(TwoDigitText(123), std::string("123"));
    }

    void inchFraction_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("expected");
        QTest::newRow("0") << 0 << " ";
        QTest::newRow("1") << 1 << " 1/32";
        QTest::newRow("2") << 2 << " 1/16";
        QTest::newRow("8") << 8 << " 1/4";
        QTest::newRow("16") << 16 << " 1/2";
        QTest::newRow("24") << 24 << " 3/4";
        QTest::newRow("31") << 31 << " 31/32";
        QTest::newRow("33") << 33 << " 33/32";
        QTest::newRow("48") << 48 << " 3/2";
        QTest::newRow("64 whole") << 64 << " 2/1";
    }
    void inchFraction() {
        QFETCH(int, code);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(InchFractionText(static_cast<std::uint8_t>(code))),
                 expected);
    }

    void inchTexts_data() {
        QTest::addColumn<uint>("raw");
        QTest::addColumn<QString>("inches");
        QTest::addColumn<QString>("feetInches");
        QTest::newRow("3175") << 3175u << "12 1/2"
                              << "1'00''1/2";
        QTest::newRow("1000") << 1000u << "3 7/8"
                              << "0'03''7/8";
        QTest::newRow("2540 is above ten inches") << 2540u << "10 1/16"
                                                  << "0'10''1/16";
        QTest::newRow("100") << 100u << "0 3/8"
                             << "0'00''3/8";
        QTest::newRow("16129") << 16129u << "63 1/2"
                               << "5'03''1/2";
        QTest::newRow("15875") << 15875u << "62 1/2"
                               << "5'02''1/2";
        QTest::newRow("304800") << 304800u << "1200 1/16"
                                << "100'00''1/16";
        QTest::newRow("zero") << 0u << "0"
                              << "0";
    }
    void inchTexts() {
        QFETCH(uint, raw);
        QFETCH(QString, inches);
        QFETCH(QString, feetInches);
        const NumberFormat point;
        QCOMPARE(QString::fromStdString(InchText(raw, point)), inches);
        QCOMPARE(QString::fromStdString(FeetInchText(raw, point)), feetInches);
    }

    void angles_data() {
        QTest::addColumn<int>("tenths");
        QTest::addColumn<QString>("angle");
        QTest::addColumn<QString>("slope");
        QTest::newRow("50") << 50 << "5.0"
                            << "8";
        QTest::newRow("-50") << -50 << "-5.0"
                             << "8";
        QTest::newRow("45 degrees needs extended precision") << 450 << "45.0"
                                                             << "100";
        QTest::newRow("842") << 842 << "84.2"
                             << "984";
        QTest::newRow("843") << 843 << "84.3"
                             << "---";
        QTest::newRow("-843") << -843 << "-84.3"
                              << "---";
        QTest::newRow("vertical") << 900 << "90.0"
                                  << "---";
        QTest::newRow("zero") << 0 << "0.0"
                              << "0";
    }
    void angles() {
        QFETCH(int, tenths);
        QFETCH(QString, angle);
        QFETCH(QString, slope);
        QCOMPARE(QString::fromStdString(AngleText(tenths, NumberFormat{})), angle);
        QCOMPARE(QString::fromStdString(AngleText(tenths, NumberFormat{","})),
                 QString(angle).replace('.', ','));
        QCOMPARE(QString::fromStdString(SlopePercentText(tenths)), slope);
    }

    void signedTenths_data() {
        QTest::addColumn<uint>("raw");
        QTest::addColumn<QString>("expected");
        QTest::newRow("900") << 900u << "90.0";
        QTest::newRow("-50") << 4294967246u << "-5.0";
        QTest::newRow("-900") << 4294966396u << "-90.0";
        QTest::newRow("0") << 0u << "0.0";
    }
    void signedTenths() {
        QFETCH(uint, raw);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(SignedTenthsText(raw, NumberFormat{})), expected);
    }

    void separatorFromLocale() {
        const char* old = std::setlocale(LC_NUMERIC, nullptr);
        const std::string saved = old ? old : "C";
        std::setlocale(LC_NUMERIC, "C");
        QCOMPARE(NumberFormat::FromCurrentLocale().DecimalSeparator, std::string("."));
        std::setlocale(LC_NUMERIC, saved.c_str());
    }
};

QTEST_APPLESS_MAIN(TestFormatters)
#include "test_formatters.moc"
