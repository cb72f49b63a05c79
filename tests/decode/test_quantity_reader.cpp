#include <QTest>

#include "exact_text.h"
#include "quantity_reader.h"

using namespace rangedesk;

namespace {

// "kind value unit" of a reading, "none" without one: one text to compare per row.
QString Described(const std::optional<Quantity>& q) {
    if (!q) {
        return "none";
    }
    return QString::fromUtf8(KindName(q->Kind).data(), qsizetype(KindName(q->Kind).size())) + " " +
           ExactToText(q->Value) + " " +
           QString::fromUtf8(UnitText(q->WrittenUnit).data(),
                             qsizetype(UnitText(q->WrittenUnit).size()));
}

QString Expected(const QString& kind, const QString& base, const QString& written) {
    return kind.isEmpty() ? "none" : kind + " " + ExactToText(ExactFromText(base)) + " " + written;
}

std::string S(const QString& s) {
    return s.toStdString();
}

} // namespace

class TestQuantityReader : public QObject {
    Q_OBJECT
private slots:
    // Every rendering the decoders write, and texts that must give nothing. The value is in
    // the base unit (m, m2, m3, °, %); the last column is the unit the text was written in.
    void read_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("written");
        auto row = [](const char* name, const QString& v, const QString& s, const QString& u,
                      const QString& kind = {}, const QString& base = {},
                      const QString& written = {}) {
            QTest::newRow(name) << v << s << u << kind << base << written;
        };
        // Decimals in every unit, both separators, signs.
        row("m", "2.227", "m", "m", "length", "2.227", "m");
        row("result sign blank", " 12.345", "m", "m", "length", "12.345", "m");
        row("result minus", "-12.345", "m", "m", "length", "-12.345", "m");
        row("comma", "1,500", "m", "m", "length", "1.5", "m");
        row("two decimals m", "1.24", "m", "m", "length", "1.24", "m");
        row("whole m", "7", "m", "m", "length", "7", "m");
        row("nine decimals", " 0.000123456", "m", "m", "length", "0.000123456", "m");
        row("minus zero", "-0.000", "m", "m", "length", "0", "m");
        row("chinese metre", "1.000", "米", "  ", "length", "1", "m");
        row("ft", "10.00", "ft", "ft", "length", "3.048", "ft");
        row("ft comma", "1234,5678", "ft", "ft", "length", "376.29626544", "ft");
        row("in decimal", "10.0", "in", "in", "length", "0.254", "in");
        row("in result two decimals", "123.40", "in", "in", "length", "3.13436", "in");
        row("m2", "41.81", "m2", "m", "area", "41.81", "m2");
        row("chinese m2", "12.34", "米2", "米", "area", "12.34", "m2");
        row("ft2", " 12.34", "ft2", "ft", "area", "1.1464235136", "ft2");
        row("ft2 accumulated distance", "2.540", "ft2", "ft2", "area", "0.2359737216", "ft2");
        row("m3", "1.000", "m3", "m", "volume", "1", "m3");
        row("chinese m3", "0.05", "米3", "米", "volume", "0.05", "m3");
        row("ft3", "1", "ft3", "ft", "volume", "0.028316846592", "ft3");
        row("ft3 comma", "2,50", "ft3", "in", "volume", "0.07079211648", "ft3");
        row("largest ft3", "9999999999.999999999", "ft3", "ft", "volume",
            "283168465.919999999971683153408", "ft3");
        row("angle", "-1.6", "°", "m", "angle", "-1.6", "°");
        row("angle comma", "5,0", "°", "m", "angle", "5", "°");
        row("slope", "8", "%", "m", "slope", "8", "%");
        row("slope 100", "100", "%", "ft", "slope", "100", "%");
        // Whole inches and fractions.
        row("inch fraction", "73 3/4", "in", "in", "length", "1.87325", "in");
        row("inch fraction result blank", " 5 3/4", "in", "in", "length", "0.14605", "in");
        row("inch fraction result minus", "-5 3/4", "in", "in", "length", "-0.14605", "in");
        row("inch 32nds", "1 1/32", "in", "in", "length", "0.02619375", "in");
        row("inch fraction code 0", "12 ", "in", "in", "length", "0.3048", "in");
        row("inch fraction above one", "5 33/32", "in", "in", "length", "0.15319375", "in");
        row("inch fraction whole", "5 2/1", "in", "in", "length", "0.1778", "in");
        row("inch 16ths", "12 1/2", "in", "in", "length", "0.3175", "in");
        row("inch under one", "0 3/8", "in", "in", "length", "0.009525", "in");
        row("inch zero", "00", "in", "in", "length", "0", "in");
        row("inch whole", "120", "in", "in", "length", "3.048", "in");
        // Feet and inches.
        row("feet inches", "10'08''", "  ", "  ", "length", "3.2512", "in");
        row("feet inches half", "10'08''1/2", "  ", "  ", "length", "3.2639", "in");
        row("feet inches extended", "5'03'' 1/2", " ", "ft in", "length", "1.6129", "in");
        row("feet inches code 0", "5'03'' ", " ", "ft in", "length", "1.6002", "in");
        row("feet inches result blank", " 5'03'' 1/2", " ", "ft in", "length", "1.6129", "in");
        row("feet inches result minus", "-5'03'' 1/2", " ", "ft in", "length", "-1.6129", "in");
        row("feet inches zero", "0'00''", "  ", "  ", "length", "0", "in");
        row("feet inches 7/8", "0'03''7/8", "  ", "  ", "length", "0.098425", "in");
        row("feet inches 31/32", "5'11'' 31/32", " ", "ft in", "length", "1.82800625", "in");
        row("feet inches large", "100'00''1/16", "  ", "  ", "length", "30.4815875", "in");
        row("bare whole inches", "120", "  ", "  ", "length", "3.048", "in");
        row("bare whole inches 1000", "1000", "  ", "  ", "length", "25.4", "in");

        // No quantity: blanks, placeholders, temperatures, unknown texts.
        row("empty", "", "", "");
        row("hidden slot", " ", " ", "m");
        row("slope too steep", "---", "%", "m");
        row("temperature", "30.4", "°C", "m");
        row("negative temperature", "-5.0", "°C", "m");
        row("no suffix", "12", "", "m");
        row("unit code 6 area", "10", "2", "");
        row("suffix with blank", "1.5", "m ", "m");
        row("upper case", "1.5", "M", "m");
        row("mm", "12", "mm", "m");
        row("two points", "1.2.3", "m", "m");
        row("mixed separators", "1,5.0", "m", "m");
        row("point at end", "1.", "m", "m");
        row("point first", ".5", "m", "m");
        row("plus", "+1.5", "m", "m");
        row("two signs", "--1.5", "m", "m");
        row("blank then minus", " -1.5", "m", "m");
        row("minus alone", "-", "m", "m");
        row("trailing blank", "1.5 ", "m", "m");
        row("inner blank", "1 .5", "m", "m");
        row("exponent", "1.5e3", "m", "m");
        row("grouped", "1 234.5", "m", "m");
        row("nan", "NAN", "m", "m");
        row("eleven whole digits", "12345678901", "m", "m");
        row("ten decimals", "1.0123456789", "m", "m");
        row("overflowing digits", "99999999999999999999999999999999999999999", "m3", "m");
        row("fraction with m", "5 3/4", "m", "m");
        row("zero denominator", "3/0", "in", "in");
        row("whole and zero denominator", "5 3/0", "in", "in");
        row("third", "5 1/3", "in", "in");
        row("64ths", "5 3/64", "in", "in");
        row("zero numerator", "5 0/4", "in", "in");
        row("fraction trailing blank", "5 3/4 ", "in", "in");
        row("two blanks", "5  3/4", "in", "in");
        row("fraction alone", "3/4", "in", "in");
        row("decimal with fraction", "5.5 1/2", "in", "in");
        row("13 inches", "10'13''", "  ", "  ");
        row("one inch digit", "10'8''", "  ", "  ");
        row("three inch digits", "10'011''", "  ", "  ");
        row("one inch mark", "10'08'", "  ", "  ");
        row("feet only", "12'", "  ", "  ");
        row("feet inch with unit word", "10'08''1/2", "ft", "ft");
        row("feet inch no suffix", "10'08''", "", "");
        row("feet inch two blanks", "5'03''  1/2", " ", "ft in");
        row("feet inch bad fraction", "5'03''1/3", "  ", "  ");
        row("bare number extended", "120", " ", "ft in");
        row("bare number other unit", "120", "  ", "ft");
        row("decimal in feet inch record", "1.5", "  ", "  ");
        row("inch fraction in feet inch record", "5 3/4", "  ", "  ");
    }
    void read() {
        QFETCH(QString, value);
        QFETCH(QString, suffix);
        QFETCH(QString, unit);
        QFETCH(QString, kind);
        QFETCH(QString, base);
        QFETCH(QString, written);
        const QString expected = Expected(kind, base, written);
        QCOMPARE(Described(ReadQuantity(S(value), S(suffix), S(unit))), expected);
        // The grid's cell joins the two texts with one blank and reads the same.
        QCOMPARE(Described(ReadCellQuantity(S(value + " " + suffix), S(unit))), expected);
    }

    // Cells that no pair of decoder texts gives.
    void cellsWithoutQuantity_data() {
        QTest::addColumn<QString>("cell");
        QTest::newRow("no joining blank") << "1.5m";
        QTest::newRow("unit alone") << " m";
        QTest::newRow("blanks") << "     ";
        QTest::newRow("one trailing blank") << "120 ";
        QTest::newRow("empty") << "";
        QTest::newRow("unit word inside") << "1.5 m x";
    }
    void cellsWithoutQuantity() {
        QFETCH(QString, cell);
        QCOMPARE(Described(ReadCellQuantity(S(cell), "  ")), QString("none"));
    }
};

QTEST_APPLESS_MAIN(TestQuantityReader)
#include "test_quantity_reader.moc"
