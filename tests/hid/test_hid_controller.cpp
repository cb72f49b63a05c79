// The device controller against the simulated platform.
#include <QElapsedTimer>
#include <QTest>

#include "hid_controller.h"
#include "hid_errors.h"
#include "platform/sim/sim_hid_bus.h"

using namespace rangedesk::hid;

namespace {

constexpr int kTimeoutMs = 5000;

sim::SimInterfaceDescription Meter(std::uint16_t product = 0x5750) {
    return {0x0486, product, 0x0100, 65, 65, true, true, {}};
}

// A controller set up as the application sets it up, recording what it raises.
struct Fixture {
    sim::SimHidBus bus;
    THidDeviceController controller{bus};
    QStringList events;
    int changes = 0;

    explicit Fixture(int sleepMs = 50) {
        controller.SetDevThreadSleepTime(sleepMs);
        controller.SetOnArrival([this](THidDevice& d) { events << "arrival " + Id(d); });
        controller.SetOnRemoval([this](THidDevice& d) { events << "removal " + Id(d); });
        controller.SetOnDeviceUnplug([this](THidDevice& d) { events << "unplug " + Id(d); });
        controller.SetOnDeviceChange([this](THidDeviceController&) {
            events << "change";
            ++changes;
        });
        controller.Loaded();
    }
    static QString Id(const THidDevice& d) { return QString::number(d.ProductID(), 16); }

    // Lets queued notifications and hand-offs run until nothing is left to do.
    void Settle() { QCoreApplication::processEvents(QEventLoop::AllEvents); }
};

} // namespace

class TestHidController : public QObject {
    Q_OBJECT
private slots:
    void startUpWithoutDevicesReportsOnce() {
        Fixture f;
        QCOMPARE(f.changes, 0); // the start-up scan waits for the event loop
        QTRY_COMPARE_WITH_TIMEOUT(f.changes, 1, kTimeoutMs);
        QCOMPARE(f.controller.LastNotificationParameter(), -1);
        f.Settle();
        QCOMPARE(f.changes, 1);
        QCOMPARE(f.controller.Count(), 0);
    }

    void noServicesMeansNoScan() {
        sim::SimHidBus bus;
        bus.SetAvailable(false);
        bus.Plug(Meter());
        THidDeviceController controller(bus);
        int changes = 0;
        controller.SetOnDeviceChange([&](THidDeviceController&) { ++changes; });
        controller.Loaded();
        QCoreApplication::processEvents();
        QCOMPARE(changes, 0);
        QCOMPARE(controller.Count(), 0);
    }

    void nonHidChangeRaisesNothing() {
        Fixture f;
        QTRY_COMPARE_WITH_TIMEOUT(f.changes, 1, kTimeoutMs);
        f.bus.Plug(Meter());
        QTRY_COMPARE_WITH_TIMEOUT(f.changes, 2, kTimeoutMs);
        f.events.clear();
        f.bus.ChangeOtherDevice();
        f.Settle();
        QVERIFY(f.events.isEmpty());
        QCOMPARE(f.controller.Count(), 1);
    }

    void severalNotificationsForOnePlugReportOnce() {
        Fixture f;
        QTRY_COMPARE_WITH_TIMEOUT(f.changes, 1, kTimeoutMs);
        f.bus.SetNotificationsPerChange(4);
        f.events.clear();
        f.bus.Plug(Meter());
        QTRY_COMPARE_WITH_TIMEOUT(f.changes, 2, kTimeoutMs);
        f.Settle();
        QCOMPARE(f.events, QStringList({"arrival 5750", "change"}));
        QCOMPARE(f.controller.CheckedInCount(), 1);
    }

    void unplugLentDeviceOrder() {
        Fixture f;
        const auto iface = f.bus.Plug(Meter());
        QTRY_COMPARE_WITH_TIMEOUT(f.controller.Count(), 1, kTimeoutMs);
        THidDevice* device = nullptr;
        QVERIFY(f.controller.CheckOutAt(0, device));
        QCOMPARE(f.controller.CheckedOutCount(), 1);
        f.bus.SetNotificationsPerChange(1); // a second scan would report the lent device again
        f.events.clear();
        f.bus.Unplug(iface);
        QTRY_VERIFY_WITH_TIMEOUT(!f.events.isEmpty(), kTimeoutMs);
        f.Settle();
        QCOMPARE(f.events, QStringList({"unplug 5750", "removal 5750", "change"}));
        QCOMPARE(f.controller.Count(), 1);
        QCOMPARE(f.controller.DeviceAt(0), device);
        QVERIFY(!device->Attached());
        QCOMPARE(f.controller.UnpluggedCount(), 1);
        QCOMPARE(f.controller.CheckedOutCount(), 0);

        // Every later scan reports it again until it is given back.
        f.events.clear();
        f.bus.ChangeOtherDevice();
        QTRY_VERIFY_WITH_TIMEOUT(f.events.contains("change"), kTimeoutMs);
        QCOMPARE(f.events.first(), QString("removal 5750"));
        f.controller.Dispose(device);
        QCOMPARE(f.controller.Count(), 0);
    }

    void freeDeviceUnpluggedIsDisposed() {
        Fixture f;
        const auto iface = f.bus.Plug(Meter());
        QTRY_COMPARE_WITH_TIMEOUT(f.controller.Count(), 1, kTimeoutMs);
        f.events.clear();
        f.bus.Unplug(iface);
        QTRY_VERIFY_WITH_TIMEOUT(f.events.contains("change"), kTimeoutMs);
        QCOMPARE(f.controller.Count(), 0);
        QCOMPARE(f.events, QStringList({"unplug 5750", "removal 5750", "change"}));
    }

    void checkOutRefusals_data() {
        QTest::addColumn<int>("index");
        QTest::newRow("lent") << 0;
        QTest::newRow("negative") << -1;
        QTest::newRow("past the end") << 1;
    }
    void checkOutRefusals() {
        QFETCH(int, index);
        Fixture f;
        f.bus.Plug(Meter());
        QTRY_COMPARE_WITH_TIMEOUT(f.controller.Count(), 1, kTimeoutMs);
        THidDevice* first = nullptr;
        QVERIFY(f.controller.CheckOutAt(0, first));
        THidDevice* device = first;
        QVERIFY(!f.controller.CheckOutAt(index, device));
        QCOMPARE(device, nullptr);
        QCOMPARE(f.controller.CheckedOutCount(), 1);
    }

    void reportIsHandedOverWithoutItsId() {
        Fixture f;
        const auto iface = f.bus.Plug(Meter());
        QTRY_COMPARE_WITH_TIMEOUT(f.controller.Count(), 1, kTimeoutMs);
        QList<QByteArray> received;
        int reportId = -1;
        f.controller.SetOnDeviceData(
            [&](THidDevice&, std::uint8_t id, const std::uint8_t* data, std::uint16_t size) {
                reportId = id;
                received << QByteArray(reinterpret_cast<const char*>(data), size);
            });
        THidDevice* device = nullptr;
        QVERIFY(f.controller.CheckOutAt(0, device));
        QVERIFY(device->HasReader());
        QTRY_COMPARE_WITH_TIMEOUT(iface->OpenReaders(), 1, kTimeoutMs);
        std::vector<std::uint8_t> data(64);
        for (std::size_t i = 0; i < data.size(); ++i) {
            data[i] = static_cast<std::uint8_t>(i + 1);
        }
        iface->SendInput(7, data);
        iface->SendInput(0, std::vector<std::uint8_t>{0xAA, 0xBB});
        QTRY_COMPARE_WITH_TIMEOUT(received.size(), 2, kTimeoutMs);
        QCOMPARE(received[0].size(), 64);
        QCOMPARE(int(received[0][0]), 1);
        QCOMPARE(int(received[0][63]), 64);
        QCOMPARE(received[1], QByteArray("\xAA\xBB"));
        QCOMPARE(reportId, 0);
    }

    void queryOnlyDeviceHasNoReader() {
        Fixture f;
        auto description = Meter();
        description.ReadWrite = false;
        f.bus.Plug(description);
        QTRY_COMPARE_WITH_TIMEOUT(f.controller.Count(), 1, kTimeoutMs);
        f.controller.SetOnDeviceData(
            [](THidDevice&, std::uint8_t, const std::uint8_t*, std::uint16_t) {});
        THidDevice* device = nullptr;
        QVERIFY(f.controller.CheckOutAt(0, device));
        QVERIFY(!device->FullAccess());
        QVERIFY(!device->HasReader());
        std::size_t written = 99;
        const std::uint8_t report[65] = {};
        QVERIFY(!device->WriteReport(report, sizeof report, written));
        QCOMPARE(written, std::size_t(0));
        QCOMPARE(device->Capabilities().OutputReportByteLength, std::uint16_t(65));
    }

    void writeNeedsAnAccessibleDevice() {
        Fixture f;
        const auto iface = f.bus.Plug(Meter());
        QTRY_COMPARE_WITH_TIMEOUT(f.controller.Count(), 1, kTimeoutMs);
        THidDevice* free = f.controller.DeviceAt(0);
        std::size_t written = 0;
        const std::uint8_t report[65] = {0, 'A', 'T'};
        QVERIFY(!free->WriteReport(report, sizeof report, written));
        QCOMPARE(free->Capabilities().InputReportByteLength, std::uint16_t(0));
        THidDevice* device = nullptr;
        QVERIFY(f.controller.CheckOutAt(0, device));
        QVERIFY(device->WriteReport(report, sizeof report, written));
        QCOMPARE(written, sizeof report);
        QCOMPARE(iface->Written().size(), std::size_t(1));
        QCOMPARE(int(iface->Written()[0][1]), int('A'));
    }

    void disposingLentDeviceLeavesFreshOne() {
        Fixture f;
        f.bus.Plug(Meter());
        f.bus.Plug(Meter(0x5752));
        QTRY_COMPARE_WITH_TIMEOUT(f.controller.Count(), 2, kTimeoutMs);
        THidDevice* device = nullptr;
        QVERIFY(f.controller.CheckOutAt(1, device));
        const std::uint32_t instance = device->PnPInfo().DeviceInstance;
        f.controller.Dispose(device);
        QCOMPARE(f.controller.Count(), 2);
        THidDevice* fresh = f.controller.DeviceAt(1);
        QVERIFY(fresh != device);
        QVERIFY(!fresh->OnLoan());
        QVERIFY(!fresh->HasReader());
        QCOMPARE(fresh->PnPInfo().DeviceInstance, instance);
        QCOMPARE(f.controller.CheckedOutCount(), 0);
        QCOMPARE(f.controller.CheckedInCount(), 2);
        THidDevice* again = nullptr;
        QVERIFY(f.controller.CheckOutAt(1, again));
        QCOMPARE(again, fresh);
    }

    void threadSleepTimePropagation() {
        Fixture f(100);
        f.bus.Plug(Meter());
        QTRY_COMPARE_WITH_TIMEOUT(f.controller.Count(), 1, kTimeoutMs);
        f.controller.SetDevThreadSleepTime(5);
        QCOMPARE(f.controller.DevThreadSleepTime(), 5);
        QCOMPARE(f.controller.DeviceAt(0)->ThreadSleepTime(), 100); // below 10 is refused
        f.bus.Plug(Meter(0x5752));
        QTRY_COMPARE_WITH_TIMEOUT(f.controller.Count(), 2, kTimeoutMs);
        QCOMPARE(f.controller.DeviceAt(1)->ThreadSleepTime(), 5); // taken unchecked
        f.controller.SetDevThreadSleepTime(20);
        QCOMPARE(f.controller.DeviceAt(0)->ThreadSleepTime(), 100); // held another value
        QCOMPARE(f.controller.DeviceAt(1)->ThreadSleepTime(), 20);
    }

    void enumerateStopsAfterFalse() {
        Fixture f;
        for (std::uint16_t p : {0x5750, 0x5751, 0x5752}) {
            f.bus.Plug(Meter(p));
        }
        QTRY_COMPARE_WITH_TIMEOUT(f.controller.Count(), 3, kTimeoutMs);
        QList<int> seen;
        bool allAccessible = true;
        f.controller.SetOnEnumerate([&](THidDevice& d, int idx) {
            allAccessible = allAccessible && d.Enumerating() && d.Accessible();
            seen << idx;
            return idx != 1;
        });
        QCOMPARE(f.controller.EnumerateDevices(), 2);
        QCOMPARE(seen, QList<int>({0, 1}));
        QVERIFY(allAccessible);
        QVERIFY(!f.controller.DeviceAt(0)->Enumerating());
        f.controller.SetOnEnumerate({});
        QCOMPARE(f.controller.EnumerateDevices(), 1);
    }

    void unidentifiableInterfaceEndsTheScan() {
        Fixture f;
        f.bus.Plug(Meter());
        QTRY_COMPARE_WITH_TIMEOUT(f.controller.Count(), 1, kTimeoutMs);
        f.Settle();
        f.bus.SetNotificationsPerChange(0);
        auto bad = Meter(0x1234);
        bad.Identifiable = false;
        const auto badIface = f.bus.Plug(bad);
        f.bus.Plug(Meter(0x5752));
        f.events.clear();
        THidDevice* before = f.controller.DeviceAt(0);
        try {
            f.controller.DeviceChange();
            QFAIL("the scan should have failed");
        } catch (const EControllerError& e) {
            QCOMPARE(QString(e.what()), QString("Device cannot be identified"));
        }
        QVERIFY(f.events.isEmpty());
        QCOMPARE(f.controller.Count(), 1);
        QCOMPARE(f.controller.DeviceAt(0), before);
        f.bus.Unplug(badIface);
        f.controller.DeviceChange();
        QCOMPARE(f.controller.Count(), 2);
        QCOMPARE(f.events, QStringList({"arrival 5752", "change"}));
    }

    void disposeCarriesOutQueuedHandOffs() {
        Fixture f;
        const auto iface = f.bus.Plug(Meter());
        QTRY_COMPARE_WITH_TIMEOUT(f.controller.Count(), 1, kTimeoutMs);
        int delivered = 0;
        f.controller.SetOnDeviceData(
            [&](THidDevice&, std::uint8_t, const std::uint8_t*, std::uint16_t) { ++delivered; });
        THidDevice* device = nullptr;
        QVERIFY(f.controller.CheckOutAt(0, device));
        QTRY_COMPARE_WITH_TIMEOUT(iface->OpenReaders(), 1, kTimeoutMs);
        const std::vector<std::uint8_t> data(64, 1);
        iface->SendInput(0, data);
        // The reader now sits in its hand-off; the GUI thread has not run it.
        QVERIFY(f.controller.ReaderHandOff().WaitQueued(kTimeoutMs));
        QCOMPARE(delivered, 0);
        f.controller.Dispose(device); // must not dead-lock on the blocked reader
        QCOMPARE(delivered, 1);
        QCOMPARE(iface->OpenReaders(), 0);
    }

    void unpluggedReaderFailsEverySlice() {
        Fixture f(50);
        const auto iface = f.bus.Plug(Meter());
        QTRY_COMPARE_WITH_TIMEOUT(f.controller.Count(), 1, kTimeoutMs);
        QList<qint64> errorTimes;
        QElapsedTimer clock;
        f.controller.SetOnDeviceData(
            [](THidDevice&, std::uint8_t, const std::uint8_t*, std::uint16_t) {});
        THidDevice* device = nullptr;
        QVERIFY(f.controller.CheckOutAt(0, device));
        device->SetOnDataError([&](THidDevice&, std::uint32_t) { errorTimes << clock.elapsed(); });
        QTRY_COMPARE_WITH_TIMEOUT(iface->OpenReaders(), 1, kTimeoutMs);
        clock.start();
        f.bus.Unplug(iface);
        QTRY_VERIFY_WITH_TIMEOUT(errorTimes.size() >= 4, kTimeoutMs);
        // One failure a slice: three gaps of about 50 ms, never a burst.
        const qint64 span = errorTimes[3] - errorTimes[0];
        QVERIFY2(span >= 3 * 40, qPrintable(QString("errors came %1 ms apart").arg(span)));
        QVERIFY(device->HasReader()); // runs until given back
        f.controller.Dispose(device);
        QCOMPARE(f.controller.Count(), 0);
    }
};

QTEST_GUILESS_MAIN(TestHidController)
#include "test_hid_controller.moc"
