// Framing, the reply buffer and the five reply checks, as pure functions.
#include <QTest>

#include <random>

#include "byte_order.h"
#include "command_table.h"
#include "model_table.h"
#include "record_encoder.h"
#include "reply_checks.h"

using namespace rangedesk;
using namespace rangedesk::meter;

namespace {

ReplyBuffer Buffer(std::vector<std::uint8_t> bytes) {
    ReplyBuffer b;
    b.Store(bytes.data(), bytes.size());
    return b;
}

ReplyBuffer Reading(std::uint8_t b3, std::uint8_t b4, std::uint8_t b5, std::uint8_t b6) {
    std::vector<std::uint8_t> r(16, 0);
    r[3] = b3;
    r[4] = b4;
    r[5] = b5;
    r[6] = b6;
    r[15] = Sum8(std::span(r).first(15));
    return Buffer(r);
}

} // namespace

class TestReplyChecks : public QObject {
    Q_OBJECT
private slots:
    void modelTable_data() {
        QTest::addColumn<int>("vendor");
        QTest::addColumn<int>("product");
        QTest::addColumn<int>("model");
        QTest::newRow("0483/5750") << 0x0483 << 0x5750 << 1;
        QTest::newRow("0483/5710") << 0x0483 << 0x5710 << 2;
        QTest::newRow("0483/5752") << 0x0483 << 0x5752 << 1;
        QTest::newRow("0486/5750") << 0x0486 << 0x5750 << 3;
        QTest::newRow("0483/5751") << 0x0483 << 0x5751 << 1;
        QTest::newRow("0486/5752") << 0x0486 << 0x5752 << 4;
        QTest::newRow("0486/5710 is not a meter") << 0x0486 << 0x5710 << 0;
        QTest::newRow("0486/5751 is not a meter") << 0x0486 << 0x5751 << 0;
        QTest::newRow("a keyboard") << 0x046D << 0xC31C << 0;
    }
    void modelTable() {
        QFETCH(int, vendor);
        QFETCH(int, product);
        QFETCH(int, model);
        QCOMPARE(records::ModelFor(std::uint16_t(vendor), std::uint16_t(product)), model);
    }

    void commands() {
        CommandTable table;
        QCOMPARE(QString::fromStdString(table.Key(1).Command), QString("ATK001#"));
        QCOMPARE(QString::fromStdString(table.Key(9).Echo), QString("ATK009#"));
        QCOMPARE(QString::fromStdString(table.Key(10).Command), QString("ATK010#"));
        QCOMPARE(QString::fromStdString(table.SetRecordSlot(7)), QString("ATR007#"));
        QCOMPARE(QString::fromStdString(table.SetRecordSlot(100)), QString("ATR100#"));
        QCOMPARE(QString::fromStdString(table.SetRecordSlot(999)), QString("ATR999#"));
    }

    void framing() {
        const auto report = FrameCommand("ATR012#", 65);
        QCOMPARE(report.size(), std::size_t(65));
        QCOMPARE(int(report[0]), 0);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(report.data() + 1), 7),
                 QByteArray("ATR012#"));
        QVERIFY(std::all_of(report.begin() + 8, report.end(), [](auto b) { return b == 0; }));
        QCOMPARE(FrameCommand("ATK001#", 0).size(), std::size_t(0));
        QCOMPARE(FrameCommand("ATK001#", 5).size(), std::size_t(5));
    }

    void bufferKeepsOldBytes() {
        ReplyBuffer b;
        std::vector<std::uint8_t> big(100);
        for (std::size_t i = 0; i < big.size(); ++i) {
            big[i] = std::uint8_t(i);
        }
        b.Store(big.data(), big.size());
        QCOMPARE(int(b.Bytes[63]), 63);
        const std::uint8_t small[] = {0xAA, 0xBB};
        b.Store(small, 2);
        QCOMPARE(int(b.Bytes[0]), 0xAA);
        QCOMPARE(int(b.Bytes[2]), 2); // never cleared
    }

    void kinds() {
        QCOMPARE(ReplyKindFor("ATD001#", records::LayoutFor(3)), ReplyKind::CurrentReading);
        QCOMPARE(ReplyKindFor("ATR???#", records::LayoutFor(1)), ReplyKind::RecordCount);
        QCOMPARE(ReplyKindFor("ATR001#", records::LayoutFor(3)), ReplyKind::ExtendedRecord);
        QCOMPARE(ReplyKindFor("ATR001#", records::LayoutFor(4)), ReplyKind::ExtendedRecord);
        QCOMPARE(ReplyKindFor("ATR001#", records::LayoutFor(1)), ReplyKind::CompactRecord);
        QCOMPARE(ReplyKindFor("ATR001#", records::LayoutFor(2)), ReplyKind::CompactRecord);
        QCOMPARE(ReplyKindFor("ATR001#", records::LayoutFor(0)), ReplyKind::CompactRecord);
        QCOMPARE(ReplyKindFor("ATK009#", records::LayoutFor(3)), ReplyKind::Echo);
    }

    // A report too short for its kind fails on its length before any other check.
    void shortReports_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("needed");
        QTest::newRow("echo") << int(ReplyKind::Echo) << 7;
        QTest::newRow("reading") << int(ReplyKind::CurrentReading) << 16;
        QTest::newRow("count") << int(ReplyKind::RecordCount) << 5;
        QTest::newRow("compact") << int(ReplyKind::CompactRecord) << 22;
        QTest::newRow("extended") << int(ReplyKind::ExtendedRecord) << 37;
    }
    void shortReports() {
        QFETCH(int, kind);
        QFETCH(int, needed);
        const std::vector<std::uint8_t> report(std::size_t(needed - 1), 0);
        QCOMPARE(CheckReply(ReplyKind(kind), Buffer(report), "ATK001#"), ReplyFault::Length);
        QCOMPARE(ReplyFaultName(ReplyFault::Length), std::string_view("length"));
        QCOMPARE(RequiredLength(ReplyKind(kind)), std::size_t(needed));
    }

    void currentReading() {
        const auto good = Reading(0x00, 0x01, 0xE2, 0x40);
        QCOMPARE(CheckCurrentReading(good), ReplyFault::None);
        QCOMPARE(CurrentReadingValue(good), 123456);
        QCOMPARE(CurrentReadingValue(Reading(0xFF, 0xFF, 0xFF, 0x9C)), -100);
        auto bad = good;
        bad.Bytes[15] ^= 1;
        QCOMPARE(CheckCurrentReading(bad), ReplyFault::Checksum);
    }

    void recordCount() {
        const auto b = Buffer({0, 0, 0, 0x01, 0x02});
        QCOMPARE(int(RecordCountValue(b)), 258);
        QCOMPARE(CheckReply(ReplyKind::RecordCount, b, "ATR???#"), ReplyFault::None);
    }

    void echo_data() {
        QTest::addColumn<int>("position");
        for (int i = 0; i < 7; ++i) {
            QTest::addRow("byte %d", i) << i;
        }
    }
    void echo() {
        QFETCH(int, position);
        const std::string cmd = "ATK009#";
        auto b = Buffer({cmd.begin(), cmd.end()});
        QCOMPARE(CheckEcho(b, cmd), ReplyFault::None);
        b.Bytes[std::size_t(position)] ^= 0x01;
        QCOMPARE(CheckEcho(b, cmd), ReplyFault::EchoMismatch);
    }

    void records() {
        const auto compact = sim::EncodeCompactReply({1, 0, 0, 15000, 0, 0, 1500});
        QCOMPARE(CheckCompactRecord(Buffer(compact)), ReplyFault::None);
        auto dollar = compact;
        dollar[0] = '$'; // byte 0 is outside the checksum
        QCOMPARE(CheckCompactRecord(Buffer(dollar)), ReplyFault::Marker);
        auto wrong = compact;
        wrong[21] ^= 1;
        QCOMPARE(CheckCompactRecord(Buffer(wrong)), ReplyFault::Checksum);

        ExtendedRecord f;
        f.Value[3] = 12345;
        const auto extended = sim::EncodeExtendedReply(f);
        QCOMPARE(CheckExtendedRecord(Buffer(extended)), ReplyFault::None);
        auto noMarker = extended;
        noMarker[0] ^= 0x10; // byte 0 is inside the extended checksum
        QCOMPARE(CheckExtendedRecord(Buffer(noMarker)), ReplyFault::Checksum);
    }

    // Arbitrary reports of 0 to 200 bytes: every check answers, none reads out of bounds.
    void randomReports() {
        std::mt19937 rng(7);
        ReplyBuffer b;
        for (int i = 0; i < 20000; ++i) {
            std::vector<std::uint8_t> report(rng() % 201);
            for (auto& byte : report) {
                byte = std::uint8_t(rng());
            }
            b.Store(report.data(), report.size());
            for (const auto kind :
                 {ReplyKind::Echo, ReplyKind::CurrentReading, ReplyKind::RecordCount,
                  ReplyKind::CompactRecord, ReplyKind::ExtendedRecord}) {
                const ReplyFault fault = CheckReply(kind, b, "ATK001#");
                QVERIFY(fault == ReplyFault::None || fault == ReplyFault::Checksum ||
                        fault == ReplyFault::Marker || fault == ReplyFault::EchoMismatch ||
                        fault == ReplyFault::Length);
            }
            (void)CurrentReadingValue(b);
            (void)RecordCountValue(b);
        }
    }
};

QTEST_APPLESS_MAIN(TestReplyChecks)
#include "test_reply_checks.moc"
