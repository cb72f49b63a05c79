#include <QTest>

#include "exact_text.h"
#include "quantity_reader.h"
#include "quantity_totals.h"

using namespace rangedesk;

Q_DECLARE_METATYPE(UnitSystem)

namespace {

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// "id:cell" or "id:cell:d" (a deduction), separated by ";"; the cell is read as a quantity.
std::vector<TotalEntry> Entries(const QString& list) {
    std::vector<TotalEntry> entries;
    for (const QString& item : list.split(';', Qt::SkipEmptyParts)) {
        const QStringList parts = item.split(':');
        TotalEntry e;
        e.RecordId = parts[0].toLongLong();
        e.Value = ReadCellQuantity(parts[1].toStdString(), "");
        e.Deducted = parts.size() > 2 ? Deduction::Yes : Deduction::No;
        entries.push_back(e);
    }
    return entries;
}

// "kind unit value records [left out] shown" per total, joined by "; ".
QString Summary(const std::vector<KindTotal>& totals) {
    QStringList out;
    for (const KindTotal& t : totals) {
        QStringList leftOut;
        for (const auto id : t.LeftOut) {
            leftOut << QString::number(id);
        }
        out << Q(KindName(t.Kind)) + " " + Q(t.UnitText()) + " " + ExactToText(t.Value) + " " +
                   QString::number(t.Records) + " [" + leftOut.join(',') + "] " +
                   Q(t.Converted().ShownText(NumberFormat{}));
    }
    return out.join("; ");
}

} // namespace

class TestQuantityTotals : public QObject {
    Q_OBJECT
private slots:
    void sums_data() {
        QTest::addColumn<QString>("entries");
        QTest::addColumn<UnitSystem>("system");
        QTest::addColumn<QString>("expected");
        const auto M = UnitSystem::Metric;
        const auto I = UnitSystem::Imperial;
        const auto A = UnitSystem::AsMeasured;
        QTest::newRow("metric adds every unit")
            << "1:1 m;2:12 in;3:1 ft" << M << "length m 1006/625 3 [] 1.610";
        QTest::newRow("imperial") << "1:1 m;2:1 ft" << I << "length ft 1631/381 2 [] 4.28";
        QTest::newRow("deductions")
            << "1:10 m2;2:2 m2:d;3:1.5 m2:d" << M << "area m2 13/2 3 [] 6.50";
        QTest::newRow("a deduction counts negative whatever its sign")
            << "1:10 m;2:-2 m:d" << M << "length m 8 2 [] 8.000";
        QTest::newRow("kinds never mix; angles and slopes never summed")
            << "1:1 m;2:2 m2;3:3 ft3;4:5.0 °;5:8 %;6:--- %;7:30.4 °C" << M
            << "length m 1 1 [] 1.000; area m2 2 1 [] 2.00; "
               "volume m3 165919023/1953125000 1 [] 0.085";
        QTest::newRow("as measured: the unit of most records")
            << "1:1 m;2:1 ft;3:2 ft;4:12 in" << A << "length ft 3 2 [1,4] 3.00";
        QTest::newRow("as measured: a tie goes to the unit seen first")
            << "5:1 ft;6:1 m;7:2 m;8:3 ft" << A << "length ft 4 2 [6,7] 4.00";
        QTest::newRow("as measured: feet and inches count as inches")
            << "1:10'08''1/2   ;2:12 in;3:1 m" << A << "length in 281/2 2 [3] 140.50";
        QTest::newRow("as measured: 米 is m")
            << "1:1.000 米;2:2 m;3:1 ft" << A << "length m 3 2 [3] 3.000";
        QTest::newRow("as measured: each kind its own unit")
            << "1:1 m;2:1 ft2;3:2 ft2;4:1 m2" << A
            << "length m 1 1 [] 1.000; area ft2 3 2 [4] 3.00";
        QTest::newRow("as measured deductions")
            << "1:3 ft;2:1 ft:d;3:1 m:d" << A << "length ft 2 2 [3] 2.00";
        QTest::newRow("nothing to sum") << "1:--- %;2:5.0 °;3: " << M << "";
        QTest::newRow("no records") << "" << I << "";
    }
    void sums() {
        QFETCH(QString, entries);
        QFETCH(UnitSystem, system);
        QFETCH(QString, expected);
        QCOMPARE(Summary(SumQuantities(Entries(entries), system)), expected);
    }

    // A sum that would leave the exact range leaves the record out instead of wrapping.
    void overflowLeavesRecordOut() {
        const auto huge = ExactRational::Make(ExactRational::Int(1) << 125, 1);
        QVERIFY(huge);
        const Quantity q{QuantityKind::Length, *huge, MeasureUnit::Metre};
        const std::vector<TotalEntry> entries = {{1, q, Deduction::No},
                                                 {2, q, Deduction::No},
                                                 {3, q, Deduction::No},
                                                 {4, q, Deduction::Yes}};
        const auto totals = SumQuantities(entries, UnitSystem::Metric);
        QCOMPARE(totals.size(), std::size_t(1));
        QCOMPARE(totals[0].Records, 3);
        QCOMPARE(totals[0].LeftOut, std::vector<std::int64_t>{3});
        QVERIFY(totals[0].Value == *huge);
    }
};

QTEST_APPLESS_MAIN(TestQuantityTotals)
#include "test_quantity_totals.moc"
