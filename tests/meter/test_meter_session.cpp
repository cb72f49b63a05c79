// The meter session without a window: identification, the exchange and the request queue
// against the simulated bus and meter.
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <cerrno>
#include <memory>

#include "hid_controller.h"
#include "meter_link.h"
#include "meter_operations.h"
#include "meter_session.h"
#include "platform/sim/sim_hid_bus.h"
#include "sim_meter.h"
#include "simulated_meter_platform.h"

using namespace rangedesk;
using meter::MeterSession;
using Request = MeterSession::Request;

Q_DECLARE_METATYPE(Request)

namespace {

constexpr int kTimeoutMs = 8000;

struct Rig {
    hid::sim::SimHidBus bus;
    sim::SimMeter meter;
    std::unique_ptr<MeterSession> session;

    explicit Rig(int model, bool plug = true) : meter(bus, model) {
        if (plug) {
            meter.Plug();
        }
        session = std::make_unique<MeterSession>(bus);
    }
    meter::MeterLink& link() { return session->Link(); }
    bool Connected() {
        return QTest::qWaitFor([&] { return link().MeterConnected(); }, kTimeoutMs);
    }
};

} // namespace

class TestMeterSession : public QObject {
    Q_OBJECT
private slots:
    void identification_data() {
        QTest::addColumn<int>("vendor");
        QTest::addColumn<int>("product");
        QTest::addColumn<int>("model");
        QTest::newRow("0483/5750 model 1") << 0x0483 << 0x5750 << 1;
        QTest::newRow("0483/5751 model 1") << 0x0483 << 0x5751 << 1;
        QTest::newRow("0483/5752 model 1") << 0x0483 << 0x5752 << 1;
        QTest::newRow("0483/5710 model 2") << 0x0483 << 0x5710 << 2;
        QTest::newRow("0486/5750 model 3") << 0x0486 << 0x5750 << 3;
        QTest::newRow("0486/5752 model 4") << 0x0486 << 0x5752 << 4;
        QTest::newRow("0486/5710 no meter") << 0x0486 << 0x5710 << 0;
        QTest::newRow("0486/5751 no meter") << 0x0486 << 0x5751 << 0;
    }
    void identification() {
        QFETCH(int, vendor);
        QFETCH(int, product);
        QFETCH(int, model);
        Rig rig(3, false);
        hid::sim::SimInterfaceDescription description;
        description.VendorID = std::uint16_t(vendor);
        description.ProductID = std::uint16_t(product);
        rig.bus.Plug(description);
        QVERIFY(rig.session->WaitForFirstScan(kTimeoutMs));
        QTRY_COMPARE_WITH_TIMEOUT(rig.session->Controller().Count(), 1, kTimeoutMs);
        QCOMPARE(rig.link().MeterModel(), model);
        const auto meters = rig.session->Meters();
        QCOMPARE(int(meters.size()), model > 0 ? 1 : 0);
        if (model > 0) {
            QCOMPARE(meters[0].Model, model);
            QVERIFY(meters[0].FullAccess);
            QCOMPARE(meters[0].Node, rig.link().Connection().Node);
        }
    }

    // With two meters the last is taken.
    void lastOfTwoMetersIsTaken() {
        Rig rig(1);
        sim::SimMeter second(rig.bus, 3);
        second.Plug();
        QTRY_COMPARE_WITH_TIMEOUT(rig.link().MeterModel(), 3, kTimeoutMs);
        QCOMPARE(int(rig.session->Meters().size()), 2);
        rig.session->Submit(Request::Clear);
        QCOMPARE(second.Commands(), QStringList({"ATK009#"}));
        QVERIFY(rig.meter.Commands().isEmpty());
    }

    // A device node names the meter to take, wherever it stands in the list.
    void deviceNodeChoosesTheMeter() {
        Rig rig(1);
        QTRY_COMPARE_WITH_TIMEOUT(rig.link().MeterModel(), 1, kTimeoutMs);
        rig.link().SetDeviceNode(QString::fromStdString(rig.meter.Interface()->Path()));
        sim::SimMeter second(rig.bus, 3);
        second.Plug();
        QTRY_COMPARE_WITH_TIMEOUT(int(rig.session->Meters().size()), 2, kTimeoutMs);
        QCOMPARE(rig.link().MeterModel(), 1);
    }

    // A command that cannot be written ends at once and says why; nothing waits 5 s.
    void writeFailureEndsTheExchangeAtOnce() {
        Rig rig(3);
        QVERIFY(rig.Connected());
        rig.meter.Interface()->FailWrites(EIO);
        QStringList statuses;
        QObject::connect(&rig.link(), &meter::MeterLink::exchangeStatus,
                         [&](const QString& text) { statuses << text; });
        QElapsedTimer clock;
        clock.start();
        const meter::ExchangeResult result = rig.link().SendAndCalibration("ATK001#", "ATK001#");
        QVERIFY(clock.elapsed() < 1000);
        QCOMPARE(result.outcome, meter::Outcome::WriteFailed);
        QVERIFY2(QString::fromStdString(result.writeError).contains("Input/output error"),
                 result.writeError.c_str());
        QCOMPARE(statuses, QStringList({"ATK001#  Instructions sent failure"}));
        QCOMPARE(rig.link().State(), meter::LinkState::Ready);
    }

    // A request that comes while another runs waits its turn, in order, never interleaved.
    void requestsWaitTheirTurn_data() {
        QTest::addColumn<Request>("first");
        QTest::addColumn<Request>("second");
        QTest::addColumn<QStringList>("commands");
        QTest::newRow("Read inside Clear's wait")
            << Request::Clear << Request::Read << QStringList{"ATK009#", "ATK001#", "ATD001#"};
        QTest::newRow("Clear inside Read's 300 ms")
            << Request::Read << Request::Clear << QStringList{"ATK001#", "ATD001#", "ATK009#"};
        QTest::newRow("Read during a download")
            << Request::Download << Request::Read
            << QStringList{"ATR???#", "ATR001#", "ATR002#", "ATK001#", "ATD001#"};
        QTest::newRow("Download during Read")
            << Request::Read << Request::Download
            << QStringList{"ATK001#", "ATD001#", "ATR???#", "ATR001#", "ATR002#"};
    }
    void requestsWaitTheirTurn() {
        QFETCH(Request, first);
        QFETCH(Request, second);
        QFETCH(QStringList, commands);
        Rig rig(3);
        rig.meter.SetRecords(sim::DemoRecords(3, 2));
        rig.meter.SetLatency(40);
        QVERIFY(rig.Connected());
        QSignalSpy idle(rig.session.get(), &MeterSession::idle);
        // The second request comes while the first one's first command waits for its reply.
        bool submitted = false;
        QObject::connect(&rig.meter, &sim::SimMeter::replySent, [&] {
            if (!submitted) {
                submitted = true;
                rig.session->Submit(second);
                QVERIFY(rig.session->Busy());
                QCOMPARE(int(rig.session->QueuedRequests()), 1);
            }
        });
        rig.session->Submit(first);
        QVERIFY(idle.wait(kTimeoutMs));
        QCOMPARE(rig.meter.Commands(), commands);
        QVERIFY(!rig.session->Busy());
    }

    // The platform hands the simulated meter to a session like any other.
    void simulatedMeterPlatform_data() {
        QTest::addColumn<QString>("faults");
        QTest::addColumn<QString>("access");
        QTest::addColumn<bool>("fullAccess");
        QTest::addColumn<int>("outcome");
        QTest::newRow("plain") << ""
                               << "" << true << int(meter::Outcome::Success);
        QTest::newRow("write fails") << "write:EIO"
                                     << "" << true << int(meter::Outcome::WriteFailed);
        QTest::newRow("bad echo") << "ATK009#:echo"
                                  << "" << true << int(meter::Outcome::Failure);
        QTest::newRow("no access") << ""
                                   << "none" << false << int(meter::Outcome::WriteFailed);
    }
    void simulatedMeterPlatform() {
        QFETCH(QString, faults);
        QFETCH(QString, access);
        QFETCH(bool, fullAccess);
        QFETCH(int, outcome);
        const auto description = sim::ParseSimulatedMeter("4:3:1", faults, access);
        QVERIFY(description);
        QCOMPARE(description->Model, 4);
        QCOMPARE(description->Records, 3);
        sim::SimulatedMeterPlatform platform(*description);
        MeterSession session(platform);
        QVERIFY(session.WaitForFirstScan(kTimeoutMs));
        QTRY_VERIFY_WITH_TIMEOUT(session.Link().MeterConnected(), kTimeoutMs);
        QCOMPARE(session.Link().Connection().FullAccess, fullAccess);
        QCOMPARE(int(session.Link().SendAndCalibration("ATK009#", "ATK009#").outcome), outcome);
    }

    void simulatedMeterDescriptions_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("faults");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("records");
        QTest::newRow("model only") << "3"
                                    << "" << true << 25;
        QTest::newRow("all three") << "1:999:2"
                                   << "" << true << 999;
        QTest::newRow("model 0") << "0"
                                 << "" << false << 0;
        QTest::newRow("model 5") << "5"
                                 << "" << false << 0;
        QTest::newRow("four parts") << "1:2:3:4"
                                    << "" << false << 0;
        QTest::newRow("not a number") << "3:x"
                                      << "" << false << 0;
        QTest::newRow("unplug") << "3"
                                << "unplug:3" << true << 25;
        QTest::newRow("unknown fault") << "3"
                                       << "ATR001#:melt" << false << 0;
        QTest::newRow("unknown errno") << "3"
                                       << "write:EWHAT" << false << 0;
    }
    void simulatedMeterDescriptions() {
        QFETCH(QString, text);
        QFETCH(QString, faults);
        QFETCH(bool, valid);
        QFETCH(int, records);
        const auto meter = sim::ParseSimulatedMeter(text, faults);
        QCOMPARE(meter.has_value(), valid);
        if (meter) {
            QCOMPARE(meter->Records, records);
        }
    }
};

QTEST_GUILESS_MAIN(TestMeterSession)
#include "test_meter_session.moc"
