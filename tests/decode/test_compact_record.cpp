#include <QTest>

#include "compact_record.h"
#include "record_encoder.h"
#include "record_reply.h"

using namespace rangedesk;

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// "value|suffix" for each slot, DIST1 to RESULT, joined by ";".
QString Texts(const MeasurementRecord& r) {
    QStringList parts;
    for (const auto& s : r.Slots) {
        parts << Q(s.ValueText) + "|" + Q(s.SuffixText);
    }
    return parts.join(';');
}

MeasurementRecord Decode(const sim::CompactFields& f, const NumberFormat& format = {}) {
    MeasurementRecord r;
    r.UnitText = "kept";
    DecodeRecordReply(RecordLayout::Compact, sim::EncodeCompactReply(f), r, format);
    return r;
}

} // namespace

Q_DECLARE_METATYPE(sim::CompactFields)

class TestCompactRecord : public QObject {
    Q_OBJECT
private slots:
    void records_data() {
        QTest::addColumn<sim::CompactFields>("fields");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("texts");

        using F = sim::CompactFields;
        QTest::newRow("metres") << F{1, 0, 0, 15000, 0, 0, 1500} << "Distance"
                                << "1.500|m;0.000|m;0.000|m;1.500|m";
        QTest::newRow("feet area") << F{0, 1, 0, 30480, 0, 0, 1234} << "Area"
                                   << "10.00|ft;0.00|ft;0.00|ft;12.34|ft2";
        QTest::newRow("inch area add") << F{3, 1, 1, 2540, 0, 0, 1234} << "Area累加"
                                       << "2.540|ft2;0.000|ft2;0.000|ft2;12.34|ft2";
        QTest::newRow("inch fraction") << F{4, 0, 0, 3175, 0, 0, 0} << "Distance"
                                       << "12 1/2|in;00|in;00|in;00|in";
        QTest::newRow("feet inch zero") << F{5, 0, 0, 0, 16129, 0, 0} << "Distance"
                                        << "0'00''|  ;5'03''1/2|  ;0'00''|  ;0'00''|  ";
        QTest::newRow("metres 2 decimals rounds exact") << F{2, 0, 0, 12350, 0, 0, 0} << "Distance"
                                                        << "1.24|m;0.00|m;0.00|m;0.00|m";
        QTest::newRow("distance add changes only mode")
            << F{1, 0, 1, 15000, 0, 0, 1500} << "Distance累加"
            << "1.500|m;0.000|m;0.000|m;1.500|m";
        QTest::newRow("volume dec metres keeps metre texts")
            << F{1, 2, 2, 15000, 0, 0, 1500} << "体积累减"
            << "1.500|m3;0.000|m3;0.000|m3;1.500|m3";
        QTest::newRow("chinese metres area") << F{6, 1, 0, 10000, 0, 0, 2000} << "Area"
                                             << "1.000|米;0.000|米;0.000|米;2.000|米2";
        QTest::newRow("chinese volume add unit 7") << F{7, 2, 1, 12340, 0, 0, 5} << "体积累加"
                                                   << "12.340|米3;0.000|米3;0.000|米3;0.05|米3";
        QTest::newRow("pythagorean angle")
            << F{1, 4, 0, 4294967246u, 20000, 0, 1000} << "Pythagorean 1 a&b"
            << "-5.0|°C;2.000|m;0.000|m;1.000|m";
        QTest::newRow("pythagorean inch result")
            << F{3, 4, 0, 450, 0, 0, 1234} << "Pythagorean 1 a&b"
            << "45.0|°C;0.0|in;0.0|in;123.40|in";
        QTest::newRow("pythagorean 5 inch result")
            << F{3, 7, 0, 254, 0, 0, 1234} << "Pythagorean 5 L"
            << "1.0|in;0.0|in;0.0|in;123.40|in";
        QTest::newRow("mode 8 keeps plain suffix") << F{1, 8, 0, 0, 0, 0, 0} << "Pythagorean 6 °"
                                                   << "0.000|m;0.000|m;0.000|m;0.000|m";
        QTest::newRow("mode 9 like area") << F{4, 9, 0, 0, 0, 0, 250} << "Pythagorean 6 S"
                                          << "00|in;00|in;00|in;2.50|ft2";
        QTest::newRow("unit 8 empty") << F{8, 0, 0, 1, 2, 3, 4} << "Distance"
                                      << "|;|;|;|";
        QTest::newRow("unit 9 mode 4 angle") << F{9, 4, 0, 100, 0, 0, 0} << "Pythagorean 1 a&b"
                                             << "10.0|°C;|;|;|";
        QTest::newRow("unit 15 area") << F{15, 1, 0, 0, 0, 0, 0} << "Area"
                                      << "|;|;|;|ft2";
        QTest::newRow("mode 3 empty text") << F{1, 3, 0, 0, 0, 0, 0} << ""
                                           << "0.000|m;0.000|m;0.000|m;0.000|m";
        QTest::newRow("mode 14 empty text") << F{1, 14, 0, 0, 0, 0, 0} << ""
                                            << "0.000|m;0.000|m;0.000|m;0.000|m";
        QTest::newRow("ruler") << F{1, 13, 0, 0, 0, 0, 0} << "Virtual scale ruler"
                               << "0.000|m;0.000|m;0.000|m;0.000|m";
        QTest::newRow("accumulate 3 is none") << F{3, 1, 3, 2540, 0, 0, 1234} << "Area"
                                              << "10.0|in;0.0|in;0.0|in;12.34|ft2";
    }
    void records() {
        QFETCH(sim::CompactFields, fields);
        QFETCH(QString, mode);
        QFETCH(QString, texts);
        const auto r = Decode(fields);
        QCOMPARE(Q(r.ModeText), mode);
        QCOMPARE(Texts(r), texts);
        QCOMPARE(Q(r.UnitText), QString("kept"));
    }

    void commaSeparator() {
        const auto r = Decode({1, 0, 0, 15000, 0, 0, 1500}, NumberFormat{","});
        QCOMPARE(Q(r.Slots[0].ValueText), QString("1,500"));
    }

    void replyLayout() {
        const auto bytes = sim::EncodeCompactReply({1, 0, 0, 1, 2, 3, 4});
        QCOMPARE(int(bytes[0]), int('#'));
        unsigned sum = 0;
        for (std::size_t i = 1; i <= 20; ++i) {
            sum += bytes[i];
        }
        QCOMPARE(int(bytes[21]), int(sum & 0xFF));
    }
};

QTEST_APPLESS_MAIN(TestCompactRecord)
#include "test_compact_record.moc"
