// Reply bytes of both layouts -> the decoders' texts -> the grid's cells -> quantities, checked
// against the raw values in the bytes.
#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <numbers>

#include "exact_text.h"
#include "load_data_columns.h"
#include "load_data_row.h"
#include "quantity_reader.h"
#include "record_encoder.h"
#include "record_reply.h"

using namespace rangedesk;

namespace {

constexpr std::size_t kResult = static_cast<std::size_t>(SlotId::RESULT);
constexpr double kMeterInchInTenthsMm = 253.999; // the meter's own inch divisor
constexpr double kSlack = 1e-9;

struct Cells {
    QString unit;
    std::array<QString, 4> cell;                      // DIST1, DIST2, DIST3, RESULT
    std::array<std::optional<Quantity>, 4> fromTexts; // read from value and suffix apart
};

// The cells of LoadData exactly as the store writes them.
Cells DecodeToCells(RecordLayout layout, const std::vector<std::uint8_t>& reply) {
    MeasurementRecord record;
    DecodeRecordReply(layout, reply, record, NumberFormat{});
    const auto row = records::RowTexts(1, record, layout);
    Cells cells;
    cells.unit = row[static_cast<std::size_t>(records::LoadDataColumn::UNIT)];
    for (std::size_t s = 0; s < 4; ++s) {
        cells.cell[s] = row[static_cast<std::size_t>(records::LoadDataColumn::DIST1) + s];
        cells.fromTexts[s] = ReadQuantity(record.Slots[s].ValueText, record.Slots[s].SuffixText,
                                          cells.unit.toStdString());
    }
    return cells;
}

std::optional<Quantity> Read(const Cells& cells, std::size_t slot) {
    return ReadCellQuantity(cells.cell[slot].toStdString(), cells.unit.toStdString());
}

ExactRational Ratio(std::int64_t n, std::int64_t d) {
    return *ExactRational::Make(n, d);
}

std::int64_t PowerOfTen(int n) {
    std::int64_t p = 1;
    while (n-- > 0) {
        p *= 10;
    }
    return p;
}

// Base units (m, m2, m3) per unit, written out here rather than taken from the reader.
ExactRational BaseUnitsOf(MeasureUnit unit) {
    switch (unit) {
    case MeasureUnit::Foot:
        return ExactFromText("0.3048");
    case MeasureUnit::Inch:
        return ExactFromText("0.0254");
    case MeasureUnit::SquareFoot:
        return ExactFromText("0.09290304");
    case MeasureUnit::CubicFoot:
        return ExactFromText("0.028316846592");
    default:
        return ExactFromText("1");
    }
}

// `value` written in `unit`, in the base unit: what a reading must hold exactly.
QString InBaseUnit(const ExactRational& value, MeasureUnit unit) {
    return ExactToText(*Multiply(value, BaseUnitsOf(unit)));
}

QString Describe(const Cells& cells, std::size_t slot) {
    return "cell \"" + cells.cell[slot] + "\" UNIT \"" + cells.unit + "\"";
}

// A cell reads like the value and suffix texts it joins.
void CheckCellsReadLikeTexts(const Cells& cells) {
    for (std::size_t s = 0; s < 4; ++s) {
        QVERIFY2(Read(cells, s) == cells.fromTexts[s], qPrintable(Describe(cells, s)));
    }
}

// --- compact layout: lengths arrive in tenths of a millimetre --------------------------------

// The written unit of a compact distance and how far its text may be from the raw length in
// that unit: half the last shown place, or a sixteenth for the fraction texts, which truncate.
struct CompactDistance {
    MeasureUnit unit;
    double perTenthMm; // written units per tenth of a millimetre, as the meter converts
    double tolerance;
};

CompactDistance DistanceRendering(std::uint8_t unitCode) {
    switch (unitCode) {
    case 0:
        return {MeasureUnit::Foot, 1.0 / 3048.0, 0.005};
    case 1:
    case 6:
        return {MeasureUnit::Metre, 1e-4, 0.0005};
    case 2:
    case 7:
        return {MeasureUnit::Metre, 1e-4, 0.005};
    case 3:
        return {MeasureUnit::Inch, 1.0 / kMeterInchInTenthsMm, 0.05};
    default:
        return {MeasureUnit::Inch, 1.0 / kMeterInchInTenthsMm, 1.0 / 16};
    }
}

// RESULT arrives scaled for the unit: its unit and the power of ten it is divided by.
struct CompactResult {
    MeasureUnit unit;
    int scale;
};

CompactResult ResultRendering(std::uint8_t unitCode, std::uint8_t modeCode) {
    const bool metric = unitCode == 1 || unitCode == 2 || unitCode == 6 || unitCode == 7;
    const bool inchLength = unitCode == 3 && (modeCode == 0 || modeCode == 4);
    const int scale = (unitCode == 1 || unitCode == 6) ? 3 : inchLength ? 1 : 2;
    switch (modeCode) {
    case 1:
        return {metric ? MeasureUnit::SquareMetre : MeasureUnit::SquareFoot, scale};
    case 2:
        return {metric ? MeasureUnit::CubicMetre : MeasureUnit::CubicFoot, scale};
    default:
        return {metric          ? MeasureUnit::Metre
                : unitCode == 0 ? MeasureUnit::Foot
                                : MeasureUnit::Inch,
                scale};
    }
}

void CheckDistance(const Cells& cells, std::size_t slot, std::uint32_t raw, std::uint8_t unitCode) {
    const auto q = Read(cells, slot);
    QVERIFY2(q && q->Kind == QuantityKind::Length, qPrintable(Describe(cells, slot)));
    // In metres: the raw length as the meter converted it, give or take the text's rounding.
    const CompactDistance r = DistanceRendering(unitCode);
    const double metresPerUnit = NearestDouble(BaseUnitsOf(r.unit));
    const double expected = raw * r.perTenthMm * metresPerUnit;
    const double read = NearestDouble(q->Value);
    QVERIFY2(std::fabs(read - expected) <=
                 r.tolerance * metresPerUnit + kSlack * std::max(1.0, expected),
             qPrintable(Describe(cells, slot) + " raw " + QString::number(raw)));
}

void CheckCompactResult(const Cells& cells, const sim::CompactFields& f) {
    const auto q = Read(cells, kResult);
    QVERIFY2(q, qPrintable(Describe(cells, kResult)));
    if ((f.ModeCode == 0 || f.ModeCode == 4) && (f.UnitCode == 4 || f.UnitCode == 5)) {
        CheckDistance(cells, kResult, f.ResultRaw, f.UnitCode);
        return;
    }
    const CompactResult r = ResultRendering(f.UnitCode, f.ModeCode);
    QVERIFY2(q->Kind == KindOf(r.unit), qPrintable(Describe(cells, kResult)));
    QCOMPARE(ExactToText(q->Value), InBaseUnit(Ratio(f.ResultRaw, PowerOfTen(r.scale)), r.unit));
}

std::uint32_t RandomRaw(QRandomGenerator& rng) {
    // Mostly within a meter's range (200 m), sometimes anything 32 bits hold.
    return rng.bounded(10) < 8 ? rng.bounded(2000000u) : rng.generate();
}

// --- extended layout: values arrive in the display unit --------------------------------------

// The exact value a length slot's fields stand for in its written unit; empty when the
// fields make a text that is no length (inches above 11, too many decimals).
std::optional<std::pair<MeasureUnit, ExactRational>> ExtendedLength(const ExtendedRecord& f,
                                                                    std::size_t slot) {
    const std::uint32_t v = f.Value[slot];
    switch (f.UnitCode) {
    case 4: // whole inches and 32nds
        return std::pair{MeasureUnit::Inch, Ratio(std::int64_t(v & 0xFFFFFF) * 32 + (v >> 24), 32)};
    case 5: { // feet, inches, 32nds
        const std::int64_t inches = (v >> 16) & 0xFF;
        if (inches > 11) {
            return std::nullopt;
        }
        return std::pair{MeasureUnit::Inch,
                         Ratio((std::int64_t(v & 0xFFFF) * 12 + inches) * 32 + (v >> 24), 32)};
    }
    default: {
        if (f.Decimals[slot] > 9) {
            return std::nullopt;
        }
        const MeasureUnit unit = f.UnitCode == 2   ? MeasureUnit::Foot
                                 : f.UnitCode == 3 ? MeasureUnit::Inch
                                                   : MeasureUnit::Metre;
        return std::pair{unit, Ratio(v, PowerOfTen(f.Decimals[slot]))};
    }
    }
}

std::optional<std::pair<MeasureUnit, ExactRational>> ExtendedExpected(const ExtendedRecord& f,
                                                                      std::size_t slot) {
    const std::uint8_t kind = f.Kind[slot];
    const bool metric = f.UnitCode <= 1;
    std::optional<std::pair<MeasureUnit, ExactRational>> e;
    if (kind == 0 || kind == 4) {
        e = ExtendedLength(f, slot);
    } else if ((kind == 1 || kind == 2) && f.Decimals[slot] <= 9) {
        const MeasureUnit unit = kind == 1
                                     ? (metric ? MeasureUnit::SquareMetre : MeasureUnit::SquareFoot)
                                     : (metric ? MeasureUnit::CubicMetre : MeasureUnit::CubicFoot);
        e = std::pair{unit, Ratio(f.Value[slot], PowerOfTen(f.Decimals[slot]))};
    }
    if (e && slot == kResult && f.Negative) {
        e->second = e->second.Negated();
    }
    return e;
}

void CheckAngle(const Cells& cells, std::size_t slot, const ExtendedRecord& f) {
    const auto tenths = static_cast<std::int32_t>(f.Value[slot]);
    const auto q = Read(cells, slot);
    if (!f.PercentFlag) {
        QVERIFY2(q && q->Kind == QuantityKind::Angle, qPrintable(Describe(cells, slot)));
        QCOMPARE(ExactToText(q->Value), ExactToText(Ratio(tenths, 10)));
        return;
    }
    // The meter shows whole percent, or "---" above 1000 %.
    const double percent = std::fabs(std::tan(tenths * std::numbers::pi / 1800.0)) * 100.0;
    if (percent > 1000.5) {
        QVERIFY2(!q, qPrintable(Describe(cells, slot)));
    } else if (percent < 999.5) {
        QVERIFY2(q && q->Kind == QuantityKind::SlopePercent, qPrintable(Describe(cells, slot)));
        QVERIFY2(std::fabs(NearestDouble(q->Value) - percent) < 1.0 + kSlack,
                 qPrintable(Describe(cells, slot)));
    }
}

ExtendedRecord RandomExtended(QRandomGenerator& rng) {
    ExtendedRecord f;
    f.ContinuousCode = 1; // every slot shown
    f.UnitCode = std::uint8_t(rng.bounded(6));
    f.PercentFlag = std::uint8_t(rng.bounded(2));
    f.Negative = std::uint8_t(rng.bounded(2));
    for (std::size_t s = 0; s < 4; ++s) {
        f.Kind[s] = std::uint8_t(rng.bounded(5));
        f.Decimals[s] = std::uint8_t(rng.bounded(10) < 8 ? rng.bounded(4) : rng.bounded(12));
        if (f.Kind[s] == 3) {
            f.Value[s] = static_cast<std::uint32_t>(rng.bounded(-3600, 3601));
        } else if (f.UnitCode == 5 && rng.bounded(10) < 9) {
            f.Value[s] = rng.bounded(256u) << 24 | rng.bounded(12u) << 16 | rng.bounded(65536u);
        } else {
            f.Value[s] = rng.bounded(10) < 8 ? rng.bounded(2000000u) : rng.generate();
        }
    }
    return f;
}

} // namespace

class TestQuantityFromReplies : public QObject {
    Q_OBJECT
private slots:
    void compactRecords() {
        QRandomGenerator rng(11);
        for (std::uint8_t unit = 0; unit < 8; ++unit) {
            for (const std::uint8_t mode : {0, 1, 2, 4}) {
                for (int i = 0; i < 300; ++i) {
                    const sim::CompactFields f{unit,           mode,           0,
                                               RandomRaw(rng), RandomRaw(rng), RandomRaw(rng),
                                               RandomRaw(rng)};
                    const Cells cells =
                        DecodeToCells(RecordLayout::Compact, sim::EncodeCompactReply(f));
                    CheckCellsReadLikeTexts(cells);
                    const std::array<std::uint32_t, 3> raws = {f.Dist1Raw, f.Dist2Raw, f.Dist3Raw};
                    for (std::size_t s = 0; s < raws.size(); ++s) {
                        if (mode == 4 && s == 0) {
                            // An angle shown as a temperature: no quantity.
                            QVERIFY2(!Read(cells, s), qPrintable(Describe(cells, s)));
                            continue;
                        }
                        CheckDistance(cells, s, raws[s], unit);
                    }
                    CheckCompactResult(cells, f);
                }
            }
        }
    }

    // Whole inches in a feet-and-inches record show as a bare number of inches.
    void compactBareWholeInches_data() {
        QTest::addColumn<uint>("raw");
        QTest::addColumn<QString>("cell");
        QTest::newRow("3000 in") << 761997u << "3000   ";
        QTest::newRow("12000 in") << 3047988u << "12000   ";
    }
    void compactBareWholeInches() {
        QFETCH(uint, raw);
        QFETCH(QString, cell);
        const Cells cells =
            DecodeToCells(RecordLayout::Compact, sim::EncodeCompactReply({5, 0, 0, raw, 0, 0, 0}));
        QCOMPARE(cells.cell[0], cell);
        CheckDistance(cells, 0, raw, 5);
    }

    void extendedRecords() {
        QRandomGenerator rng(12);
        for (int i = 0; i < 5000; ++i) {
            const ExtendedRecord f = RandomExtended(rng);
            const Cells cells = DecodeToCells(RecordLayout::Extended, sim::EncodeExtendedReply(f));
            CheckCellsReadLikeTexts(cells);
            for (std::size_t s = 0; s < 4; ++s) {
                if (f.Kind[s] == 3) {
                    CheckAngle(cells, s, f);
                    continue;
                }
                const auto expected = ExtendedExpected(f, s);
                const auto q = Read(cells, s);
                QVERIFY2(q.has_value() == expected.has_value(), qPrintable(Describe(cells, s)));
                if (!q) {
                    continue;
                }
                QVERIFY2(q->WrittenUnit == expected->first && q->Kind == KindOf(expected->first),
                         qPrintable(Describe(cells, s)));
                QCOMPARE(ExactToText(q->Value), InBaseUnit(expected->second, expected->first));
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestQuantityFromReplies)
#include "test_quantity_from_replies.moc"
