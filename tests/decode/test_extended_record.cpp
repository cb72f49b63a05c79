#include <QTest>

#include "extended_record.h"
#include "record_encoder.h"

using namespace rangedesk;

namespace {

constexpr auto D1 = static_cast<std::size_t>(SlotId::DIST1);
constexpr auto D2 = static_cast<std::size_t>(SlotId::DIST2);
constexpr auto D3 = static_cast<std::size_t>(SlotId::DIST3);
constexpr auto R = static_cast<std::size_t>(SlotId::RESULT);

// A "Continuous" record shows every slot, so one slot's texts can be checked alone.
ExtendedRecord Shown() {
    ExtendedRecord f;
    f.ContinuousCode = 1;
    return f;
}

MeasurementRecord Decode(const ExtendedRecord& f, MeasurementRecord record = {},
                         const NumberFormat& format = {}) {
    DecodeExtendedRecord(sim::EncodeExtendedReply(f), record, format);
    return record;
}

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

Q_DECLARE_METATYPE(ExtendedRecord)

class TestExtendedRecord : public QObject {
    Q_OBJECT
private slots:
    void unpackRoundTrip() {
        ExtendedRecord f;
        f.StepCode = 10;
        f.Negative = 1;
        f.UnitCode = 5;
        f.PercentFlag = 1;
        f.AccumulateCode = 2;
        f.ContinuousCode = 1;
        f.ModeCode = 22;
        f.Value = {0x01020304, 0x05060708, 0x090A0B0C, 0xFFFFFFFE};
        f.Decimals = {1, 2, 3, 0};
        f.Kind = {0, 1, 2, 3};
        const auto bytes = sim::EncodeExtendedReply(f);
        QCOMPARE(bytes.size(), std::size_t(37));
        // RESULT is stored first, little-endian.
        QCOMPARE(int(bytes[0]), 0xFE);
        QCOMPARE(int(bytes[12]), 0x04);
        const ExtendedRecord u = UnpackExtendedRecord(bytes);
        QCOMPARE(u.StepCode, f.StepCode);
        QCOMPARE(u.Negative, f.Negative);
        QCOMPARE(u.UnitCode, f.UnitCode);
        QCOMPARE(u.PercentFlag, f.PercentFlag);
        QCOMPARE(u.AccumulateCode, f.AccumulateCode);
        QCOMPARE(u.ContinuousCode, f.ContinuousCode);
        QCOMPARE(u.ModeCode, f.ModeCode);
        QVERIFY(u.Value == f.Value);
        QVERIFY(u.Decimals == f.Decimals);
        QVERIFY(u.Kind == f.Kind);
    }

    // One slot's value and suffix text for one set of fields.
    void slotTexts_data() {
        QTest::addColumn<ExtendedRecord>("fields");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("suffix");

        auto f = Shown();
        f.Value[R] = 12345;
        f.Decimals[R] = 3;
        QTest::newRow("positive result") << f << int(R) << " 12.345"
                                         << "m";
        f.Negative = 1;
        QTest::newRow("negative result") << f << int(R) << "-12.345"
                                         << "m";

        f = Shown();
        f.UnitCode = 4;
        f.Value[D1] = 24u << 24 | 5u;
        QTest::newRow("inch fraction") << f << int(D1) << "5 3/4"
                                       << "in";
        f.Value[D1] = 12;
        QTest::newRow("whole inches") << f << int(D1) << "12 "
                                      << "in";

        f = Shown();
        f.UnitCode = 5;
        f.Value[D1] = 16u << 24 | 3u << 16 | 5u;
        QTest::newRow("feet inches") << f << int(D1) << "5'03'' 1/2"
                                     << " ";
        f.Value[D1] = 3u << 16 | 5u;
        QTest::newRow("feet inches whole") << f << int(D1) << "5'03'' "
                                           << " ";

        f = Shown();
        f.Kind[D2] = 3;
        f.Value[D2] = 50;
        QTest::newRow("angle") << f << int(D2) << "5.0"
                               << "°";
        f.PercentFlag = 1;
        QTest::newRow("slope") << f << int(D2) << "8"
                               << "%";
        f = Shown();
        f.Kind[R] = 3;
        f.Negative = 1;
        f.Value[R] = static_cast<std::uint32_t>(-50);
        QTest::newRow("angle result has no sign text") << f << int(R) << "-5.0"
                                                       << "°";

        f = Shown();
        f.UnitCode = 2;
        f.Kind[R] = 1;
        f.Value[R] = 1234;
        f.Decimals[R] = 2;
        QTest::newRow("area ft2") << f << int(R) << " 12.34"
                                  << "ft2";
        f.UnitCode = 5;
        QTest::newRow("area ignores feet-inch") << f << int(R) << " 12.34"
                                                << "ft2";
        f.UnitCode = 0;
        f.Kind[R] = 2;
        QTest::newRow("volume m3") << f << int(R) << " 12.34"
                                   << "m3";
        f.Kind[D1] = 1;
        f.Value[D1] = 7;
        QTest::newRow("own kind per slot") << f << int(D1) << "7"
                                           << "m2";

        f = Shown();
        f.Kind[D3] = 4;
        f.Decimals[D3] = 1;
        f.Value[D3] = 15;
        f.UnitCode = 3;
        QTest::newRow("kind 4 is a length") << f << int(D3) << "1.5"
                                            << "in";

        // Codes without a meaning give empty texts, never another record's.
        f = Shown();
        f.Kind[D1] = 5;
        QTest::newRow("kind 5") << f << int(D1) << ""
                                << "";
        f = Shown();
        f.UnitCode = 6;
        f.Value[D1] = 10;
        QTest::newRow("unit 6 length") << f << int(D1) << ""
                                       << "";
        f.Kind[D2] = 1;
        f.Value[D2] = 10;
        QTest::newRow("unit 6 area has no stem") << f << int(D2) << "10"
                                                 << "2";
        f.UnitCode = 7;
        f.Kind[D2] = 2;
        QTest::newRow("unit 7 volume has no stem") << f << int(D2) << "10"
                                                   << "3";
        f = Shown();
        f.Value[R] = 123456;
        f.Decimals[R] = 5;
        QTest::newRow("five decimals") << f << int(R) << " 1.23456"
                                       << "m";
        f.Decimals[R] = 9;
        QTest::newRow("nine decimals") << f << int(R) << " 0.000123456"
                                       << "m";
        f.Decimals[R] = 10;
        QTest::newRow("ten decimals") << f << int(R) << ""
                                      << "m";
    }
    void slotTexts() {
        QFETCH(ExtendedRecord, fields);
        QFETCH(int, slot);
        QFETCH(QString, value);
        QFETCH(QString, suffix);
        MeasurementRecord stale;
        for (auto& s : stale.Slots) {
            s = {"stale", "stale"};
        }
        const auto r = Decode(fields, stale);
        QCOMPARE(Q(r.Slots[std::size_t(slot)].ValueText), value);
        QCOMPARE(Q(r.Slots[std::size_t(slot)].SuffixText), suffix);
    }

    // Mode text and which slots are blanked.
    void modes_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("continuous");
        QTest::addColumn<int>("accumulate");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("hidden"); // letters of hidden slots: 1 2 3 R

        QTest::newRow("single") << 0 << 0 << 0 << 0 << "Single"
                                << "123";
        QTest::newRow("single acc 3") << 0 << 0 << 3 << 0 << "Single"
                                      << "123";
        QTest::newRow("continuous wins") << 0 << 1 << 1 << 0 << "Continuous"
                                         << "";
        QTest::newRow("single add") << 0 << 0 << 1 << 0 << "Single Add"
                                    << "1";
        QTest::newRow("single dec") << 0 << 2 << 2 << 0 << "Single Dec"
                                    << "1";
        QTest::newRow("area") << 1 << 0 << 0 << 10 << "Area"
                              << "";
        QTest::newRow("area dec step 10") << 1 << 0 << 2 << 10 << "Area Dec"
                                          << "1";
        QTest::newRow("area add step 9") << 1 << 0 << 1 << 9 << "Area Add"
                                         << "";
        QTest::newRow("volume add step 10") << 2 << 0 << 1 << 10 << "Volume Add"
                                            << "1";
        QTest::newRow("wall") << 3 << 0 << 0 << 0 << "Wall Area"
                              << "";
        QTest::newRow("camera") << 4 << 0 << 0 << 0 << "Camera Area"
                                << "3";
        QTest::newRow("height") << 6 << 0 << 0 << 0 << "Height of triangle"
                                << "3";
        QTest::newRow("trapezium") << 11 << 0 << 0 << 0 << "Trapezium are"
                                   << "";
        QTest::newRow("azimuth") << 15 << 0 << 0 << 0 << "Azimuth"
                                 << "3";
        QTest::newRow("level bubble") << 17 << 0 << 0 << 0 << "Level bubble"
                                      << "1";
        QTest::newRow("circle") << 20 << 0 << 0 << 0 << "Area of a circle"
                                << "23";
        QTest::newRow("cylinder") << 21 << 0 << 0 << 0 << "Cylindrical volume"
                                  << "3";
        QTest::newRow("ruler") << 22 << 0 << 0 << 0 << "Virtual scale ruler"
                               << "123R";
        QTest::newRow("18 has no text") << 18 << 0 << 0 << 0 << ""
                                        << "";
        QTest::newRow("19 has no text") << 19 << 0 << 0 << 0 << ""
                                        << "";
        QTest::newRow("63 has no text") << 63 << 0 << 0 << 0 << ""
                                        << "";
    }
    void modes() {
        QFETCH(int, mode);
        QFETCH(int, continuous);
        QFETCH(int, accumulate);
        QFETCH(int, step);
        QFETCH(QString, text);
        QFETCH(QString, hidden);
        ExtendedRecord f;
        f.ModeCode = std::uint8_t(mode);
        f.ContinuousCode = std::uint8_t(continuous);
        f.AccumulateCode = std::uint8_t(accumulate);
        f.StepCode = std::uint8_t(step);
        f.Value = {11, 22, 33, 44};
        MeasurementRecord stale;
        stale.ModeText = "stale";
        const auto r = Decode(f, stale);
        QCOMPARE(Q(r.ModeText), text);
        const char letters[] = {'1', '2', '3', 'R'};
        for (std::size_t s = 0; s < 4; ++s) {
            const bool isHidden = hidden.contains(QLatin1Char(letters[s]));
            QCOMPARE(r.Slots[s].ValueText == " " && r.Slots[s].SuffixText == " ", isHidden);
        }
        QCOMPARE(Q(r.UnitText), QString("m"));
    }

    void levelBubbleRendersAngles() {
        ExtendedRecord f;
        f.ModeCode = 17;
        f.Kind = {0, 0, 0, 0};
        f.Value[D2] = 15;
        f.Value[D3] = static_cast<std::uint32_t>(-25);
        const auto r = Decode(f);
        QCOMPARE(Q(r.Slots[D2].ValueText), QString("1.5"));
        QCOMPARE(Q(r.Slots[D2].SuffixText), QString("°"));
        QCOMPARE(Q(r.Slots[D3].ValueText), QString("-2.5"));
        QCOMPARE(Q(r.Slots[D1].ValueText), QString(" "));
    }

    void unitTexts_data() {
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << "m";
        QTest::newRow("1") << 1 << "m";
        QTest::newRow("2") << 2 << "ft";
        QTest::newRow("3") << 3 << "in";
        QTest::newRow("4") << 4 << "in";
        QTest::newRow("5") << 5 << "ft in";
        QTest::newRow("6 is empty") << 6 << "";
        QTest::newRow("7 is empty") << 7 << "";
    }
    void unitTexts() {
        QFETCH(int, unit);
        QFETCH(QString, text);
        auto f = Shown();
        f.UnitCode = std::uint8_t(unit);
        MeasurementRecord stale;
        stale.UnitText = "stale";
        QCOMPARE(Q(Decode(f, stale).UnitText), text);
    }

    void commaSeparator() {
        auto f = Shown();
        f.Value[R] = 12345;
        f.Decimals[R] = 3;
        QCOMPARE(Q(Decode(f, {}, NumberFormat{","}).Slots[R].ValueText), QString(" 12,345"));
    }
};

QTEST_APPLESS_MAIN(TestExtendedRecord)
#include "test_extended_record.moc"
