#include <QTest>

#include "exact_text.h"
#include "quantity_reader.h"
#include "unit_system.h"

using namespace rangedesk;

Q_DECLARE_METATYPE(UnitSystem)

namespace {

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

} // namespace

class TestUnitSystem : public QObject {
    Q_OBJECT
private slots:
    // A slot's texts as each system shows them, the exact value behind the text, and the
    // plain number a text file gets.
    void showSlot_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<UnitSystem>("system");
        QTest::addColumn<QString>("sep");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("shownUnit");
        QTest::addColumn<QString>("exact"); // empty: no quantity
        QTest::addColumn<QString>("plain");
        auto row = [](const char* name, const QString& v, const QString& s, const QString& u,
                      UnitSystem system, const QString& sep, const QString& shown,
                      const QString& shownUnit, const QString& exact, const QString& plain) {
            QTest::newRow(name) << v << s << u << system << sep << shown << shownUnit << exact
                                << plain;
        };
        const auto M = UnitSystem::Metric;
        const auto I = UnitSystem::Imperial;
        const auto A = UnitSystem::AsMeasured;
        // Halves round away from zero on the exact value.
        row("2.5 in to m", "2.5", "in", "in", M, ".", "0.064", "m", "0.0635", "0.0635");
        row("-2.5 in to m", "-2.5", "in", "in", M, ".", "-0.064", "m", "-0.0635", "-0.0635");
        row("comma", "2,5", "in", "in", M, ",", "0,064", "m", "0.0635", "0,0635");
        row("1.005 ft stays 1.01", "1.005", "ft", "ft", I, ".", "1.01", "ft", "1.005", "1.005");
        row("half a mm", "0.0005", "m", "m", M, ".", "0.001", "m", "0.0005", "0.0005");
        row("minus half a mm", "-0.0005", "m", "m", M, ".", "-0.001", "m", "-0.0005", "-0.0005");
        row("under half a mm", "-0.0004", "m", "m", M, ".", "0.000", "m", "-0.0004", "-0.0004");
        // Lengths.
        row("inch in feet", "1", "in", "in", I, ".", "0.08", "ft", "1/12", "0.0833333333333333");
        row("whole foot of inches", "12 ", "in", "in", I, ".", "1.00", "ft", "1", "1");
        row("feet inches to ft", "10'08''1/2", "  ", "  ", I, ".", "10.71", "ft", "257/24",
            "10.7083333333333");
        row("feet inches to m", "10'08''1/2", "  ", "  ", M, ".", "3.264", "m", "3.2639", "3.2639");
        row("bare inches to m", "120", "  ", "  ", M, ".", "3.048", "m", "3.048", "3.048");
        row("m to ft", "1", "m", "m", I, ".", "3.28", "ft", "1250/381", "3.28083989501312");
        row("chinese metre to ft", "1.500", "米", "  ", I, ",", "4,92", "ft", "625/127",
            "4,92125984251969");
        row("m stays m", " 12.345", "m", "m", M, ".", "12.345", "m", "12.345", "12.345");
        // Areas and volumes.
        row("ft2 to m2", "1", "ft2", "ft", M, ".", "0.09", "m2", "0.09290304", "0.09290304");
        row("m2 to ft2", "41.81", "m2", "m", I, ".", "450.04", "ft2", "65328125/145161",
            "450.039094522633");
        row("chinese m2", "12.34", "米2", "米", M, ".", "12.34", "m2", "12.34", "12.34");
        row("ft3 to m3", "1", "ft3", "ft", M, ".", "0.028", "m3", "0.028316846592",
            "0.028316846592");
        row("m3 to ft3", "1.000", "m3", "m", I, ".", "35.31", "ft3", "1953125000/55306341",
            "35.3146667214886");
        // Angles and slopes keep their units.
        row("angle", "-1.6", "°", "m", I, ".", "-1.6", "°", "-1.6", "-1.6");
        row("slope", "8", "%", "ft", M, ".", "8", "%", "8", "8");
        // AsMeasured keeps the texts; the value is in the written unit.
        row("as measured ft", "1.005", "ft", "ft", A, ".", "1.005", "ft", "1.005", "1.005");
        row("as measured fraction", "73 3/4", "in", "in", A, ".", "73 3/4", "in", "295/4", "73.75");
        row("as measured feet inches", "5'03'' 1/2", " ", "ft in", A, ".", "5'03'' 1/2", " ",
            "63.5", "63.5");
        // Slots without a quantity keep their texts under every system.
        row("slope too steep", "---", "%", "m", M, ".", "---", "%", "", "");
        row("temperature", "30.4", "°C", "m", I, ".", "30.4", "°C", "", "");
        row("hidden", " ", " ", "m", M, ".", " ", " ", "", "");
    }
    void showSlot() {
        QFETCH(QString, value);
        QFETCH(QString, suffix);
        QFETCH(QString, unit);
        QFETCH(UnitSystem, system);
        QFETCH(QString, sep);
        QFETCH(QString, shown);
        QFETCH(QString, shownUnit);
        QFETCH(QString, exact);
        QFETCH(QString, plain);
        const NumberFormat format{sep.toStdString()};
        const ShownSlot slot =
            ShowSlot(value.toStdString(), suffix.toStdString(), unit.toStdString(), system, format);
        QCOMPARE(Q(slot.ValueText), shown);
        QCOMPARE(Q(slot.UnitText), shownUnit);
        QCOMPARE(slot.Value.has_value(), !exact.isEmpty());
        if (!slot.Value) {
            return;
        }
        QCOMPARE(ExactToText(slot.Value->Value), ExactToText(ExactFromText(exact)));
        QCOMPARE(Q(slot.Value->FullPrecisionText(format)), plain);
        QCOMPARE(slot.Value->NearestDouble(), NearestDouble(ExactFromText(exact)));
        if (system != UnitSystem::AsMeasured) {
            QCOMPARE(Q(slot.Value->UnitText()), shownUnit);
        }
    }

    void shownCellText_data() {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<UnitSystem>("system");
        QTest::addColumn<QString>("expected");
        QTest::newRow("inches to m") << "2.5 in"
                                     << "in" << UnitSystem::Metric << "0.064 m";
        QTest::newRow("feet inches to ft") << "10'08''1/2   "
                                           << "  " << UnitSystem::Imperial << "10.71 ft";
        QTest::newRow("result sign blank") << " 12.345 m"
                                           << "m" << UnitSystem::Imperial << "40.50 ft";
        QTest::newRow("as measured unchanged") << " 12.345 m"
                                               << "m" << UnitSystem::AsMeasured << " 12.345 m";
        QTest::newRow("no quantity unchanged") << "--- %"
                                               << "m" << UnitSystem::Metric << "--- %";
        QTest::newRow("temperature unchanged") << "-5.0 °C"
                                               << "m" << UnitSystem::Imperial << "-5.0 °C";
    }
    void shownCellText() {
        QFETCH(QString, cell);
        QFETCH(QString, unit);
        QFETCH(UnitSystem, system);
        QFETCH(QString, expected);
        QCOMPARE(Q(ShownCellText(cell.toStdString(), unit.toStdString(), system, NumberFormat{})),
                 expected);
    }

    void convertToOtherKindThrows() {
        const auto q = ReadQuantity("1.5", "m", "m");
        QVERIFY(q);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, ConvertTo(*q, MeasureUnit::SquareFoot));
        QCOMPARE(ExactToText(ConvertTo(*q, MeasureUnit::Inch).Value), QString("7500/127"));
    }
};

QTEST_APPLESS_MAIN(TestUnitSystem)
#include "test_unit_system.moc"
