// The Linux platform layer against a fake sysfs tree with pseudo-terminal nodes.
#include <QElapsedTimer>
#include <QTest>

#include <poll.h>
#include <unistd.h>

#include "descriptors.h"
#include "fake_sysfs.h"
#include "hid_controller.h"
#include "hid_errors.h"
#include "platform/linux/linux_hid_platform.h"
#include "stop_event.h"

using namespace rangedesk::hid;
using linux_hid::LinuxHidPlatform;

namespace {

constexpr int kTimeoutMs = 5000;

QByteArray ReadMaster(int fd, int size) {
    QByteArray out;
    while (out.size() < size) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, kTimeoutMs) <= 0) {
            break;
        }
        char buffer[256];
        const auto n = ::read(fd, buffer, std::min<qsizetype>(sizeof buffer, size - out.size()));
        if (n <= 0) {
            break;
        }
        out.append(buffer, n);
    }
    return out;
}

} // namespace

class TestLinuxPlatform : public QObject {
    Q_OBJECT
private slots:
    void enumeration() {
        FakeSysfs fs;
        const auto m1 = fs.AddHidraw(3, 0x0483, 0x5751, 0x1A, descriptors::kKeyboard);
        const auto m0 = fs.AddHidraw(0, 0x0486, 0x5750, 0x07, descriptors::kMeter);
        const auto m2 = fs.AddHidraw(11, 0x1234, 0x0001, 0x0B, descriptors::kNumbered);
        LinuxHidPlatform platform(fs.SysRoot(), fs.DevRoot());
        QVERIFY(platform.Available());
        const auto list = platform.ListInterfaces();
        QCOMPARE(list.size(), std::size_t(3));
        // In node order, with the HID device's sequence number as instance.
        QCOMPARE(QString::fromStdString(list[0].Path),
                 QString::fromStdString(fs.DevRoot() + "/hidraw0"));
        QCOMPARE(list[0].InstanceNumber, 0x07u);
        QCOMPARE(list[1].InstanceNumber, 0x1Au);
        QCOMPARE(list[2].InstanceNumber, 0x0Bu);

        struct Expect {
            std::uint16_t vendor, product, in, out, feature;
        };
        const Expect expect[] = {
            {0x0486, 0x5750, 65, 65, 0}, {0x0483, 0x5751, 9, 2, 0}, {0x1234, 0x0001, 33, 17, 17}};
        for (std::size_t i = 0; i < list.size(); ++i) {
            auto query = platform.Open(list[i].Path, OpenAccess::QueryOnly).Handle;
            QVERIFY(query);
            const auto attributes = platform.GetAttributes(*query);
            QVERIFY(attributes);
            QCOMPARE(attributes->VendorID, expect[i].vendor);
            QCOMPARE(attributes->ProductID, expect[i].product);
            QCOMPARE(attributes->VersionNumber, std::uint16_t(0x0200));
            const auto caps = platform.GetCaps(*query);
            QVERIFY(caps);
            QCOMPARE(caps->InputReportByteLength, expect[i].in);
            QCOMPARE(caps->OutputReportByteLength, expect[i].out);
            QCOMPARE(caps->FeatureReportByteLength, expect[i].feature);
        }
    }

    void interfaceWithoutNodeIsNotThereYet() {
        FakeSysfs fs;
        const auto m0 = fs.AddHidraw(0, 0x0486, 0x5750, 1, descriptors::kMeter);
        const auto m1 = fs.AddHidraw(1, 0x0486, 0x5752, 2, descriptors::kMeter);
        fs.RemoveNode(0);
        LinuxHidPlatform platform(fs.SysRoot(), fs.DevRoot());
        const auto list = platform.ListInterfaces();
        QCOMPARE(list.size(), std::size_t(1));
        QCOMPARE(list[0].InstanceNumber, 2u);
    }

    void missingTreeHasNoInterfaces() {
        LinuxHidPlatform platform("/nonexistent/sys", "/nonexistent/dev");
        QVERIFY(platform.ListInterfaces().empty());
        const auto missing = platform.Open("/nonexistent/dev/hidraw0", OpenAccess::QueryOnly);
        QVERIFY(!missing.Handle);
        QCOMPARE(missing.Status.Errno, ENODEV);
    }

    void writeAndReadThroughThePlatform() {
        FakeSysfs fs;
        const auto master = fs.AddHidraw(0, 0x0486, 0x5750, 1, descriptors::kMeter);
        const auto numberedMaster = fs.AddHidraw(1, 0x1234, 1, 2, descriptors::kNumbered);
        LinuxHidPlatform platform(fs.SysRoot(), fs.DevRoot());
        const std::string node = fs.DevRoot() + "/hidraw0";

        auto rw = platform.Open(node, OpenAccess::ReadWrite).Handle;
        QVERIFY(rw);
        std::vector<std::uint8_t> report(65, 0);
        std::copy_n("ATK001#", 7, report.begin() + 1);
        const WriteResult written = platform.Write(*rw, report);
        QVERIFY(written.Status.Ok());
        QCOMPARE(written.Written, std::size_t(65));
        const QByteArray seen = ReadMaster(master.get(), 65);
        QCOMPARE(seen.size(), 65);
        QCOMPARE(seen.at(0), '\0'); // the report ID goes first
        QCOMPARE(seen.mid(1, 7), QByteArray("ATK001#"));

        // An unnumbered device's report gets its 0 report ID in front.
        auto reader = platform.Open(node, OpenAccess::Read).Handle;
        QVERIFY(reader);
        const StopEvent stop;
        std::vector<std::uint8_t> buffer(65, 0xEE);
        QCOMPARE(platform.Read(*reader, buffer, 20, stop).Status, ReadStatus::TimedOut);
        const QByteArray reply(64, '\x5A');
        QCOMPARE(::write(master.get(), reply.constData(), 64), 64);
        const auto result = platform.Read(*reader, buffer, kTimeoutMs, stop);
        QCOMPARE(result.Status, ReadStatus::Completed);
        QCOMPARE(result.Bytes, std::size_t(65));
        QCOMPARE(int(buffer[0]), 0);
        QCOMPARE(int(buffer[64]), 0x5A);

        // A numbered device's report already starts with its ID.
        auto numbered = platform.Open(fs.DevRoot() + "/hidraw1", OpenAccess::Read).Handle;
        QVERIFY(numbered);
        const char idReport[] = {2, 9, 8, 7};
        QCOMPARE(::write(numberedMaster.get(), idReport, 4), 4);
        std::vector<std::uint8_t> idBuffer(33, 0);
        const auto idResult = platform.Read(*numbered, idBuffer, kTimeoutMs, stop);
        QCOMPARE(idResult.Status, ReadStatus::Completed);
        QCOMPARE(idResult.Bytes, std::size_t(4));
        QCOMPARE(int(idBuffer[0]), 2);
        QCOMPARE(int(idBuffer[1]), 9);

        stop.Signal();
        QCOMPARE(platform.Read(*reader, buffer, kTimeoutMs, stop).Status, ReadStatus::Stopped);
    }

    void hangUpIsAFailureNotASpin() {
        FakeSysfs fs;
        auto master = fs.AddHidraw(0, 0x0486, 0x5750, 1, descriptors::kMeter);
        LinuxHidPlatform platform(fs.SysRoot(), fs.DevRoot());
        auto reader = platform.Open(fs.DevRoot() + "/hidraw0", OpenAccess::Read).Handle;
        QVERIFY(reader);
        master.reset(); // the device goes away
        const StopEvent stop;
        std::vector<std::uint8_t> buffer(65, 0);
        const auto result = platform.Read(*reader, buffer, kTimeoutMs, stop);
        QCOMPARE(result.Status, ReadStatus::Failed);
        QCOMPARE(result.Error.Errno, ENODEV);
        // The message names the call and the node.
        QVERIFY(result.Error.Message.starts_with("poll " + fs.DevRoot() + "/hidraw0: ") ||
                result.Error.Message.starts_with("read " + fs.DevRoot() + "/hidraw0: "));
    }

    void unopenableNodeMeansNoFullAccess() {
        FakeSysfs fs;
        fs.AddHidraw(0, 0x0486, 0x5750, 1, descriptors::kMeter, FakeSysfs::Node::Unopenable);
        LinuxHidPlatform platform(fs.SysRoot(), fs.DevRoot());
        THidDeviceController controller(platform);
        controller.DeviceChange();
        QCOMPARE(controller.Count(), 1);
        QVERIFY(!controller.DeviceAt(0)->FullAccess());
        QCOMPARE(controller.DeviceAt(0)->VendorID(), std::uint16_t(0x0486));
        // The reason names the call and the node.
        const std::string& why = controller.DeviceAt(0)->LastErrorText();
        QVERIFY2(why.starts_with("open " + fs.DevRoot() + "/hidraw0: "), why.c_str());
    }

    void unidentifiableNodeEndsTheScan() {
        FakeSysfs fs;
        const auto master = fs.AddHidraw(0, 0x0486, 0x5750, 1, descriptors::kMeter);
        fs.BreakUevent(0);
        LinuxHidPlatform platform(fs.SysRoot(), fs.DevRoot());
        THidDeviceController controller(platform);
        QVERIFY_THROWS_EXCEPTION(EControllerError, controller.DeviceChange());
        QCOMPARE(controller.Count(), 0);
    }

    // Through the controller: a command out, the reply to the data handler, then the hang-up.
    void controllerRoundTripAndHangUp() {
        FakeSysfs fs;
        auto master = fs.AddHidraw(0, 0x0486, 0x5750, 5, descriptors::kMeter);
        LinuxHidPlatform platform(fs.SysRoot(), fs.DevRoot());
        THidDeviceController controller(platform);
        controller.SetDevThreadSleepTime(50);
        QByteArray received;
        int reportId = -1;
        controller.SetOnDeviceData(
            [&](THidDevice&, std::uint8_t id, const std::uint8_t* data, std::uint16_t size) {
                reportId = id;
                received = QByteArray(reinterpret_cast<const char*>(data), size);
            });
        controller.DeviceChange();
        QCOMPARE(controller.Count(), 1);
        THidDevice* device = nullptr;
        QVERIFY(controller.CheckOutAt(0, device));
        QVERIFY(device->FullAccess());
        QVERIFY(device->HasReader());
        QCOMPARE(device->Capabilities().OutputReportByteLength, std::uint16_t(65));

        std::vector<std::uint8_t> report(65, 0);
        std::copy_n("ATD001#", 7, report.begin() + 1);
        std::size_t written = 0;
        QVERIFY(device->WriteReport(report.data(), report.size(), written));
        QCOMPARE(ReadMaster(master.get(), 65).mid(1, 7), QByteArray("ATD001#"));
        QByteArray reply(64, '\0');
        reply[3] = 0x01;
        QCOMPARE(::write(master.get(), reply.constData(), 64), 64);
        QTRY_COMPARE_WITH_TIMEOUT(received.size(), 64, kTimeoutMs);
        QCOMPARE(reportId, 0);
        QCOMPARE(int(received[3]), 1);

        int errors = 0;
        QElapsedTimer clock;
        device->SetOnDataError([&](THidDevice&, std::uint32_t) { ++errors; });
        clock.start();
        master.reset();
        fs.RemoveHidraw(0);
        QTRY_VERIFY_WITH_TIMEOUT(errors >= 3, kTimeoutMs);
        // Reopening fails each slice; a spinning reader would have reported thousands.
        QVERIFY2(errors <= clock.elapsed() / 40 + 2, qPrintable(QString::number(errors)));
        controller.DeviceChange();
        QVERIFY(!device->Attached());
        controller.Dispose(device);
        QCOMPARE(controller.Count(), 0);
    }
};

QTEST_GUILESS_MAIN(TestLinuxPlatform)
#include "test_linux_platform.moc"
