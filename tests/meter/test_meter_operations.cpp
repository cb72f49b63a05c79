// The meter core without a window: the link and the operations against the simulated meter.
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <optional>
#include <stdexcept>

#include "download_summary.h"
#include "hid_controller.h"
#include "meter_link.h"
#include "meter_operations.h"
#include "meter_session.h"
#include "platform/sim/sim_hid_bus.h"
#include "record_sink.h"
#include "sim_meter.h"

using namespace rangedesk;
using meter::Outcome;
using meter::ReplyFault;
using records::DownloadEnd;
using records::DownloadSummary;
using sim::Fault;

Q_DECLARE_METATYPE(meter::Outcome)
Q_DECLARE_METATYPE(meter::ReplyFault)
Q_DECLARE_METATYPE(records::DownloadEnd)

namespace {

constexpr int kTimeoutMs = 8000;

// Keeps what a download hands over; can be told to fail like a full disk.
struct RecordingSink : records::RecordSink {
    int emptied = 0;
    std::vector<int> numbers;
    std::vector<std::string> modes;
    std::vector<std::vector<std::uint8_t>> replies;
    std::optional<int> failAt;

    void EmptyLoadData() override {
        ++emptied;
        numbers.clear();
        modes.clear();
        replies.clear();
    }
    void AddRecToLib(int i, const MeasurementRecord& record, RecordLayout,
                     std::span<const std::uint8_t> reply) override {
        if (failAt == i) {
            throw std::runtime_error("database or disk is full");
        }
        numbers.push_back(i);
        modes.push_back(record.ModeText);
        replies.emplace_back(reply.begin(), reply.end());
    }
};

// Members go in this order so that each outlives what uses it.
struct Rig {
    hid::sim::SimHidBus bus;
    sim::SimMeter meter;
    RecordingSink sink;
    std::unique_ptr<meter::MeterSession> session;
    meter::MeterLink* link;
    meter::MeterOperations* ops;
    std::optional<DownloadSummary> summary;
    QStringList statuses;

    explicit Rig(int model, bool plug = true) : meter(bus, model) {
        if (plug) {
            meter.Plug();
        }
        session = std::make_unique<meter::MeterSession>(bus);
        link = &session->Link();
        ops = &session->Operations();
        ops->SetRecordSink(&sink);
        QObject::connect(ops, &meter::MeterOperations::downloadFinished,
                         [this](const DownloadSummary& s) { summary = s; });
        QObject::connect(link, &meter::MeterLink::exchangeStatus,
                         [this](const QString& text) { statuses << text; });
    }
    hid::THidDeviceController& controller() { return session->Controller(); }
    bool Connected() {
        return QTest::qWaitFor([&] { return link->MeterConnected(); }, kTimeoutMs);
    }
    meter::ExchangeResult Send(const std::string& command) {
        return link->SendAndCalibration(command, command);
    }
};

} // namespace

Q_DECLARE_METATYPE(std::function<void(Rig&)>)
Q_DECLARE_METATYPE(meter::Reading)

namespace {

std::vector<int> Range(int from, int to) {
    std::vector<int> numbers;
    for (int i = from; i <= to; ++i) {
        numbers.push_back(i);
    }
    return numbers;
}

} // namespace

class TestMeterOperations : public QObject {
    Q_OBJECT
private slots:
    void exchangeOutcomes_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("fault");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<ReplyFault>("check");
        QTest::addColumn<QString>("status");
        QTest::newRow("echo") << 3 << "ATK009#" << int(Fault::None) << Outcome::Success
                              << ReplyFault::None << "ATK009#  Instructions sent successfully";
        QTest::newRow("echo differs")
            << 3 << "ATK009#" << int(Fault::BadEcho) << Outcome::Failure << ReplyFault::EchoMismatch
            << "ATK009#  Instructions sent failure";
        QTest::newRow("reading checksum")
            << 1 << "ATD001#" << int(Fault::BadChecksum) << Outcome::Failure << ReplyFault::Checksum
            << "ATD001#  Instructions sent failure";
        QTest::newRow("compact marker")
            << 1 << "ATR001#" << int(Fault::BadMarker) << Outcome::Failure << ReplyFault::Marker
            << "ATR001#  Instructions sent failure";
        QTest::newRow("extended checksum")
            << 4 << "ATR001#" << int(Fault::BadChecksum) << Outcome::Failure << ReplyFault::Checksum
            << "ATR001#  Instructions sent failure";
        QTest::newRow("extended record")
            << 4 << "ATR001#" << int(Fault::None) << Outcome::Success << ReplyFault::None
            << "ATR001#  Instructions sent successfully";
        QTest::newRow("silent meter") << 2 << "ATK001#" << int(Fault::NoReply) << Outcome::NoReply
                                      << ReplyFault::None << "ATK001#  No reply";
    }
    void exchangeOutcomes() {
        QFETCH(int, model);
        QFETCH(QString, command);
        QFETCH(int, fault);
        QFETCH(Outcome, outcome);
        QFETCH(ReplyFault, check);
        QFETCH(QString, status);
        Rig rig(model);
        rig.meter.SetRecords(sim::DemoRecords(model, 2));
        rig.meter.SetFault(command.toStdString(), Fault(fault));
        QVERIFY(rig.Connected());
        const meter::ExchangeResult result = rig.Send(command.toStdString());
        QCOMPARE(result.outcome, outcome);
        QCOMPARE(result.fault, check);
        QCOMPARE(result.reply.size(), outcome == Outcome::NoReply ? 0u : 64u);
        QCOMPARE(rig.statuses.last(), status);
        QCOMPARE(rig.link->State(), meter::LinkState::Ready);
    }

    void countOfNoRecords() {
        Rig rig(3);
        QVERIFY(rig.Connected());
        const auto result = rig.Send("ATR???#");
        QCOMPARE(result.outcome, Outcome::NoRecord);
        QCOMPARE(rig.statuses.last(), QString("ATR???#  No record"));
    }

    void withoutAMeterNothingIsSent() {
        Rig rig(3, false);
        QTRY_COMPARE_WITH_TIMEOUT(rig.link->State(), meter::LinkState::NoMeter, kTimeoutMs);
        QCOMPARE(rig.Send("ATK001#").outcome, Outcome::NotConnected);
        QVERIFY(rig.statuses.isEmpty());
    }

    void readingsAndClear() {
        Rig rig(3);
        QVERIFY(rig.Connected());
        QSignalSpy ready(rig.ops, &meter::MeterOperations::readingReady);
        QSignalSpy cleared(rig.ops, &meter::MeterOperations::readingCleared);
        rig.meter.SetReading(15000);
        rig.ops->ReadKeyClick();
        QTRY_COMPARE_WITH_TIMEOUT(ready.size(), 1, kTimeoutMs);
        QCOMPARE(ready.last().at(0).value<meter::Reading>().Text, QString("1.500"));
        rig.meter.SetReading(-100);
        rig.ops->ReadKeyClick();
        QTRY_COMPARE_WITH_TIMEOUT(ready.size(), 2, kTimeoutMs);
        const auto reading = ready.last().at(0).value<meter::Reading>();
        QCOMPARE(reading.TenthsOfMillimetre, -100);
        QCOMPARE(reading.Text, QString("-0.010"));
        rig.ops->ClearKeyClick();
        QCOMPARE(cleared.size(), 1);
        QCOMPARE(rig.ops->CurrentReadingText(), QString("0.000"));
        QCOMPARE(rig.meter.Commands(),
                 QStringList({"ATK001#", "ATD001#", "ATK001#", "ATD001#", "ATK009#"}));
    }

    // Every way a download ends gives one summary.
    void downloadSummaries_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("records");
        QTest::addColumn<std::function<void(Rig&)>>("setUp");
        QTest::addColumn<DownloadEnd>("end");
        QTest::addColumn<int>("asked");
        QTest::addColumn<std::vector<int>>("stored");
        QTest::addColumn<QString>("message");
        const auto none = [](Rig&) {};
        QTest::newRow("complete") << 3 << 5 << std::function<void(Rig&)>(none)
                                  << DownloadEnd::Complete << 5 << Range(1, 5) << "";
        QTest::newRow("unreadable records")
            << 1 << 6 << std::function<void(Rig&)>([](Rig& r) {
                   r.meter.SetFault("ATR002#", Fault::BadChecksum);
                   r.meter.SetFault("ATR003#", Fault::BadMarker);
                   r.meter.SetFault("ATR005#", Fault::BadChecksum);
               })
            << DownloadEnd::Complete << 6 << std::vector<int>{1, 4, 6}
            << "3 of 6 records were stored. These records could not be read from the meter and "
               "were not stored: 2-3, 5.";
        QTest::newRow("unplugged") << 3 << 5 << std::function<void(Rig&)>([](Rig& r) {
            r.meter.UnplugAfterReplies(3); // the count and two records
        }) << DownloadEnd::Unplugged
                                   << 5 << Range(1, 2)
                                   << "The meter was disconnected during the download: 2 of 5 "
                                      "records were stored. These records were not stored: 3-5.";
        QTest::newRow("count not answered")
            << 3 << 5 << std::function<void(Rig&)>([](Rig& r) {
                   r.meter.SetFault("ATR???#", Fault::NoReply);
               })
            << DownloadEnd::NoAnswer << 0 << std::vector<int>{}
            << "The meter did not answer the request for its record count; nothing was "
               "downloaded.";
        QTest::newRow("no records")
            << 2 << 0 << std::function<void(Rig&)>(none) << DownloadEnd::NoRecords << 0
            << std::vector<int>{} << "No Record Found!";
        QTest::newRow("database error")
            << 4 << 5 << std::function<void(Rig&)>([](Rig& r) { r.sink.failAt = 3; })
            << DownloadEnd::DatabaseError << 5 << Range(1, 2) << "database or disk is full";
        QTest::newRow("more than 999")
            << 3 << 999 << std::function<void(Rig&)>([](Rig& r) { r.meter.SetClaimedCount(1200); })
            << DownloadEnd::Complete << 999 << Range(1, 999)
            << "The meter holds 1200 records. Records 1 to 999 were downloaded; the records above "
               "999 were not downloaded.";
    }
    void downloadSummaries() {
        QFETCH(int, model);
        QFETCH(int, records);
        QFETCH(std::function<void(Rig&)>, setUp);
        QFETCH(DownloadEnd, end);
        QFETCH(int, asked);
        QFETCH(std::vector<int>, stored);
        QFETCH(QString, message);
        Rig rig(model);
        rig.meter.SetRecords(sim::DemoRecords(model, records));
        setUp(rig);
        QVERIFY(rig.Connected());
        QSignalSpy progress(rig.ops, &meter::MeterOperations::downloadProgress);
        rig.ops->ExportAllDataClick();
        QVERIFY(rig.summary);
        QCOMPARE(rig.summary->End, end);
        QCOMPARE(rig.summary->Asked, asked);
        QCOMPARE(rig.summary->Stored, int(stored.size()));
        QCOMPARE(rig.sink.numbers, stored);
        QCOMPARE(records::DownloadSummaryText(*rig.summary), message);
        QCOMPARE(rig.ops->State(), meter::DownloadState::Idle);
        // The table is emptied only once the meter has answered the count.
        QCOMPARE(rig.sink.emptied, end == DownloadEnd::NoAnswer ? 0 : 1);
        if (asked > 0) {
            QCOMPARE(progress.last().at(1).toInt(), asked);
        }
        // Each stored record came with the bytes the meter sent for it.
        const auto sentRecords = sim::DemoRecords(model, records);
        for (std::size_t k = 0; k < rig.sink.numbers.size(); ++k) {
            const auto& sent = sentRecords[std::size_t(rig.sink.numbers[k] - 1)];
            QVERIFY(std::equal(sent.begin(), sent.end(), rig.sink.replies[k].begin()));
        }
    }

    void cancelEndsAfterTheExchangeInFlight() {
        Rig rig(3);
        rig.meter.SetRecords(sim::DemoRecords(3, 10));
        rig.meter.SetLatency(5);
        QVERIFY(rig.Connected());
        QObject::connect(rig.ops, &meter::MeterOperations::downloadProgress, [&](int record, int) {
            if (record == 3) {
                rig.ops->CancelDownload();
            }
        });
        rig.ops->ExportAllDataClick();
        QVERIFY(rig.summary);
        QCOMPARE(rig.summary->End, DownloadEnd::Cancelled);
        QCOMPARE(rig.sink.numbers, Range(1, 3));
        QCOMPARE(records::DownloadSummaryText(*rig.summary),
                 QString("Download cancelled: 3 of 10 records stored."));
        QCOMPARE(rig.meter.Commands().last(), QString("ATR003#"));
    }

    // The notice of a meter that cannot be opened comes after the scan: a box that blocks in
    // its own event loop still sees the meter leave.
    void accessNoticeRunsOutsideTheScan() {
        Rig rig(3, false);
        auto description = sim::SimMeter::DescriptionForModel(3);
        description.ReadWrite = false;
        const auto iface = rig.bus.Plug(description);
        bool sawUnplug = false;
        int notices = 0;
        QObject::connect(rig.link, &meter::MeterLink::meterWithoutAccess,
                         [&](const QString& message) {
                             ++notices;
                             QVERIFY(message.contains("udev rule"));
                             QVERIFY(message.contains(QString::fromStdString(iface->Path())));
                             QEventLoop modal; // as a message box does
                             QTimer::singleShot(0, [&] { rig.bus.Unplug(iface); });
                             QTimer poll;
                             QObject::connect(&poll, &QTimer::timeout, [&] {
                                 if (!rig.link->MeterConnected()) {
                                     sawUnplug = true;
                                     modal.quit();
                                 }
                             });
                             poll.start(5);
                             QTimer::singleShot(kTimeoutMs, &modal, &QEventLoop::quit);
                             modal.exec();
                         });
        QTRY_COMPARE_WITH_TIMEOUT(notices, 1, kTimeoutMs);
        QVERIFY(sawUnplug);
        QCOMPARE(rig.link->State(), meter::LinkState::NoMeter);
    }

    // A reply already read when another device arrives reaches the exchange.
    void replyReadDuringAScanIsKept() {
        Rig rig(3);
        rig.meter.SetLatency(20);
        QVERIFY(rig.Connected());
        hid::sim::SimInterfaceDescription keyboard;
        keyboard.VendorID = 0x046D;
        keyboard.ProductID = 0xC31C;
        QObject::connect(&rig.meter, &sim::SimMeter::replySent, [&] {
            // The reader holds the reply, not yet handed over, when the scan gives it back.
            QVERIFY(rig.controller().ReaderHandOff().WaitQueued(kTimeoutMs));
            rig.bus.Plug(keyboard);
            rig.controller().DeviceChange();
        });
        QElapsedTimer clock;
        clock.start();
        const auto result = rig.Send("ATK009#");
        QCOMPARE(result.outcome, Outcome::Success);
        QVERIFY(clock.elapsed() < meter::MeterLink::kAnswerTimeoutMs);
        QCOMPARE(rig.controller().Count(), 2);
        QVERIFY(rig.link->MeterConnected());
    }

    // Ending the session runs no scan, so nothing can throw out of a destructor: a scan would
    // throw on the device that cannot be identified.
    void shutdownRunsNoScan() {
        Rig rig(3);
        QVERIFY(rig.Connected());
        hid::sim::SimInterfaceDescription broken;
        broken.VendorID = 0x1234;
        broken.Identifiable = false;
        rig.bus.Plug(broken);
        rig.session.reset();
        QCOMPARE(rig.meter.Commands(), QStringList());
    }

    // A reply that comes after its exchange timed out is not taken for the next record's.
    void lateReplyIsNotTheNextRecord() {
        Rig rig(1);
        rig.meter.SetRecords(sim::DemoRecords(1, 4));
        rig.meter.SetFault("ATR002#", Fault::Late, 1);
        rig.meter.SetLateLatency(meter::MeterLink::kAnswerTimeoutMs + 150);
        QVERIFY(rig.Connected());
        rig.ops->ExportAllDataClick();
        QVERIFY(rig.summary);
        QCOMPARE(rig.summary->End, DownloadEnd::Complete);
        QCOMPARE(rig.sink.numbers, Range(1, 4));
        QCOMPARE(rig.meter.Commands(),
                 QStringList({"ATR???#", "ATR001#", "ATR002#", "ATR002#", "ATR003#", "ATR004#"}));
        const auto records = sim::DemoRecords(1, 4);
        for (std::size_t k = 0; k < 4; ++k) {
            QVERIFY(std::equal(records[k].begin(), records[k].end(), rig.sink.replies[k].begin()));
        }
        QCOMPARE(rig.link->StaleReports(), 1);
    }

    void recordNumbersText_data() {
        QTest::addColumn<std::vector<int>>("numbers");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << std::vector<int>{} << "";
        QTest::newRow("one") << std::vector<int>{7} << "7";
        QTest::newRow("runs") << std::vector<int>{1, 2, 3, 5, 7, 8} << "1-3, 5, 7-8";
    }
    void recordNumbersText() {
        QFETCH(std::vector<int>, numbers);
        QFETCH(QString, text);
        QCOMPARE(records::RecordNumbersText(numbers), text);
    }
};

QTEST_GUILESS_MAIN(TestMeterOperations)
#include "test_meter_operations.moc"
