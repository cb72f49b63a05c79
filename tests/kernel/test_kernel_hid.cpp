// The Linux platform layer and the whole program against the kernel's own hid, hidraw and
// uhid drivers. Runs inside the virtual machine of run_kernel_tests.sh, as root.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "csv_text.h"
#include "hid_controller.h"
#include "load_data_model.h"
#include "load_data_row.h"
#include "main_form.h"
#include "meter_link.h"
#include "platform/linux/linux_hid_platform.h"
#include "program_folder.h"
#include "rangedesk_application.h"
#include "record_reply.h"
#include "record_store.h"
#include "recording_prompts.h"
#include "sim_meter.h"
#include "status_bar.h"

using namespace rangedesk;
using hid::THidDevice;
using hid::THidDeviceController;
using hid::linux_hid::LinuxHidPlatform;

namespace {

constexpr int kTimeoutMs = 20000; // software emulation is slow

// One uhid meter, played by uhid_meter.py; destroyed with its process.
class UhidMeter {
public:
    explicit UhidMeter(QJsonObject config) {
        ready_ = dir_.filePath("ready");
        config["ready"] = ready_;
        config["log"] = dir_.filePath("log");
        QFile file(dir_.filePath("config.json"));
        if (file.open(QIODevice::WriteOnly)) {
            file.write(QJsonDocument(config).toJson());
        }
        file.close();
        process_.start("/usr/bin/python3", {RANGEDESK_UHID_METER, file.fileName()});
    }
    ~UhidMeter() { Destroy(); }
    bool WaitCreated() {
        return QTest::qWaitFor([&] { return QFile::exists(ready_); }, kTimeoutMs);
    }
    void Destroy() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(kTimeoutMs);
        }
    }
    QString Log() const {
        QFile f(dir_.filePath("log"));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

private:
    QTemporaryDir dir_;
    QString ready_;
    QProcess process_;
};

QJsonObject MeterConfig(int model, int records = 0) {
    QJsonArray hex;
    for (const auto& reply : sim::DemoRecords(model, records)) {
        hex.append(QString::fromLatin1(
            QByteArray(reinterpret_cast<const char*>(reply.data()), qsizetype(reply.size()))
                .toHex()));
    }
    return {{"model", model}, {"records", hex}, {"reading", 15000}, {"latency_ms", 1}};
}

// The hidraw node of the HID device with this vendor and product, once the kernel made it.
QString WaitForNode(std::uint16_t vendor, std::uint16_t product) {
    const QString pattern = QString::asprintf("%04X:%04X.", vendor, product);
    QString node;
    [[maybe_unused]] const bool found = QTest::qWaitFor(
        [&] {
            for (const QString& name :
                 QDir("/sys/class/hidraw").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
                const QString target =
                    QFileInfo("/sys/class/hidraw/" + name + "/device").canonicalFilePath();
                if (target.contains(pattern) && QFile::exists("/dev/" + name)) {
                    node = "/dev/" + name;
                    return true;
                }
            }
            return false;
        },
        kTimeoutMs);
    return node;
}

THidDevice* FindDevice(THidDeviceController& c, std::uint16_t vendor, std::uint16_t product) {
    for (int i = 0; i < c.Count(); ++i) {
        if (c.DeviceAt(i)->VendorID() == vendor && c.DeviceAt(i)->ProductID() == product) {
            return c.DeviceAt(i);
        }
    }
    return nullptr;
}

} // namespace

class TestKernelHid : public QObject {
    Q_OBJECT
    RecordingPrompts prompts;

private slots:
    void initTestCase() {
        if (!QFile::exists("/dev/uhid")) {
            QSKIP("no /dev/uhid: this test runs inside the kernel test machine");
        }
        static_cast<app::RangeDeskApplication*>(qApp)->SetPrompts(&prompts);
    }
    void init() { prompts = RecordingPrompts(); }

    void enumeration_data() {
        QTest::addColumn<int>("model");
        for (int model = 1; model <= 4; ++model) {
            QTest::addRow("model %d", model) << model;
        }
    }
    void enumeration() {
        QFETCH(int, model);
        const auto description = sim::SimMeter::DescriptionForModel(model);
        UhidMeter meter(MeterConfig(model));
        QVERIFY(meter.WaitCreated());
        const QString node = WaitForNode(description.VendorID, description.ProductID);
        QVERIFY(!node.isEmpty());
        LinuxHidPlatform platform;
        THidDeviceController controller(platform);
        controller.DeviceChange();
        THidDevice* device = FindDevice(controller, description.VendorID, description.ProductID);
        QVERIFY(device);
        QCOMPARE(QString::fromStdString(device->PnPInfo().DevicePath), node);
        const QString hidName =
            QFileInfo("/sys/class/hidraw/" + QFileInfo(node).fileName() + "/device")
                .canonicalFilePath()
                .section('/', -1);
        QCOMPARE(device->PnPInfo().DeviceInstance, hidName.section('.', -1).toUInt(nullptr, 16));
        QVERIFY(device->FullAccess());
        THidDevice* lent = nullptr;
        for (int i = 0; i < controller.Count(); ++i) {
            if (controller.DeviceAt(i) == device) {
                QVERIFY(controller.CheckOutAt(i, lent));
            }
        }
        QCOMPARE(lent, device);
        QCOMPARE(int(device->Capabilities().InputReportByteLength), 65);
        QCOMPARE(int(device->Capabilities().OutputReportByteLength), 65);
    }

    void commandAndReply() {
        UhidMeter meter(MeterConfig(3));
        QVERIFY(meter.WaitCreated());
        QVERIFY(!WaitForNode(0x0486, 0x5750).isEmpty());
        LinuxHidPlatform platform;
        THidDeviceController controller(platform);
        controller.SetDevThreadSleepTime(50);
        QByteArray data;
        int reportId = -1;
        controller.SetOnDeviceData(
            [&](THidDevice&, std::uint8_t id, const std::uint8_t* d, std::uint16_t size) {
                reportId = id;
                data = QByteArray(reinterpret_cast<const char*>(d), size);
            });
        controller.DeviceChange();
        THidDevice* device = nullptr;
        for (int i = 0; i < controller.Count(); ++i) {
            if (controller.DeviceAt(i)->VendorID() == 0x0486) {
                QVERIFY(controller.CheckOutAt(i, device));
            }
        }
        QVERIFY(device && device->HasReader());
        std::vector<std::uint8_t> report(65, 0);
        std::copy_n("ATD001#", 7, report.begin() + 1);
        std::size_t written = 0;
        QVERIFY(device->WriteReport(report.data(), report.size(), written));
        QCOMPARE(written, std::size_t(65));
        QTRY_COMPARE_WITH_TIMEOUT(data.size(), 64, kTimeoutMs);
        QCOMPARE(reportId, 0);
        QCOMPARE(QByteArray(data.mid(3, 4)).toHex(), QByteArray("00003a98")); // 15000
        QVERIFY(meter.Log().contains("OUT 65 00"));
    }

    void plugAndUnplugByUevents() {
        LinuxHidPlatform platform;
        THidDeviceController controller(platform);
        controller.SetDevThreadSleepTime(50);
        QStringList events;
        const auto isMeter = [](THidDevice& d) { return d.VendorID() == 0x0486; };
        controller.SetOnArrival([&](THidDevice& d) {
            if (isMeter(d))
                events << "arrival";
        });
        controller.SetOnRemoval([&](THidDevice& d) {
            if (isMeter(d))
                events << "removal";
        });
        controller.SetOnDeviceUnplug([&](THidDevice& d) {
            if (isMeter(d))
                events << "unplug";
        });
        controller.SetOnDeviceData(
            [](THidDevice&, std::uint8_t, const std::uint8_t*, std::uint16_t) {});
        controller.SetOnDeviceChange([&](THidDeviceController&) { events << "change"; });
        controller.Loaded();
        QTRY_VERIFY_WITH_TIMEOUT(events.contains("change"), kTimeoutMs); // the start-up scan
        events.clear();

        auto meter = std::make_unique<UhidMeter>(MeterConfig(3));
        QTRY_VERIFY_WITH_TIMEOUT(events.contains("arrival"), kTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(events.contains("change"), kTimeoutMs);
        QCOMPARE(events.first(), QString("arrival"));
        THidDevice* device = nullptr;
        for (int i = 0; i < controller.Count(); ++i) {
            if (controller.DeviceAt(i)->VendorID() == 0x0486) {
                QVERIFY(controller.CheckOutAt(i, device));
            }
        }
        QVERIFY(device && device->HasReader());
        QList<qint64> errors;
        QElapsedTimer clock;
        clock.start();
        device->SetOnDataError([&](THidDevice&, std::uint32_t) { errors << clock.elapsed(); });

        events.clear();
        meter->Destroy();
        QTRY_VERIFY_WITH_TIMEOUT(events.contains("change"), kTimeoutMs);
        QCOMPARE(events.mid(0, 3), QStringList({"unplug", "removal", "change"}));
        QVERIFY(!device->Attached());
        // The reader now fails loudly, one error a slice, and never spins.
        QTRY_VERIFY_WITH_TIMEOUT(errors.size() >= 4, kTimeoutMs);
        const qint64 span = errors.last() - errors.first();
        QVERIFY2(span >= (errors.size() - 1) * 40,
                 qPrintable(QString("%1 errors in %2 ms").arg(errors.size()).arg(span)));
        controller.Dispose(device);
    }

    void theWholeJob() {
        ProgramFolder folder;
        LinuxHidPlatform platform;
        UhidMeter meter(MeterConfig(3, 50));
        QVERIFY(meter.WaitCreated());
        app::TMainForm w(platform, prompts, folder.Path());
        w.show();
        QTRY_VERIFY_WITH_TIMEOUT(w.Link().MeterConnected(), kTimeoutMs);
        QCOMPARE(w.Link().MeterModel(), 3);
        QCOMPARE(w.StatusBar1().PanelText(0), QString("Connected OK"));

        w.ReadKey().click();
        QTRY_COMPARE_WITH_TIMEOUT(w.Label(3).text(), QString("1.500  m"), kTimeoutMs);
        w.ClearKey().click();
        QCOMPARE(w.Label(3).text(), QString("0.000  m"));
        QCOMPARE(w.StatusBar1().PanelText(1), QString("ATK009#  Instructions sent successfully"));

        w.ExportAllData().click(); // returns when the download has ended
        QVERIFY(prompts.asked.isEmpty());
        const auto* model = w.DBGrid1().model();
        QCOMPARE(model->rowCount(), 50);
        const auto records = sim::DemoRecords(3, 50);
        for (int i = 0; i < 50; ++i) {
            MeasurementRecord expected;
            DecodeRecordReply(RecordLayout::Extended, records[std::size_t(i)], expected,
                              NumberFormat::FromCurrentLocale());
            const auto texts = records::RowTexts(i + 1, expected, RecordLayout::Extended);
            for (int c = 0; c < 7; ++c) {
                QCOMPARE(model->index(i, c).data().toString(), texts[std::size_t(c)]);
            }
        }
        // The rows are in the file, not only on screen.
        store::RecordStore check(folder.LibFile("DistLib.mdb"), store::StoreAccess::ReadOnly);
        store::LoadDataModel table(check);
        table.Open();
        QCOMPARE(table.rowCount(), 50);
    }

    void downloadInterruptedByUnplug() {
        ProgramFolder folder;
        LinuxHidPlatform platform;
        auto config = MeterConfig(3, 50);
        config["unplug_at_command"] = 22; // the count and 20 records are answered
        UhidMeter meter(config);
        QVERIFY(meter.WaitCreated());
        app::TMainForm w(platform, prompts, folder.Path());
        w.show();
        QTRY_VERIFY_WITH_TIMEOUT(w.Link().MeterConnected(), kTimeoutMs);
        w.ExportAllData().click();
        QTRY_VERIFY_WITH_TIMEOUT(!w.Locked(), kTimeoutMs);
        QCOMPARE(w.DBGrid1().model()->rowCount(), 20);
        QCOMPARE(prompts.asked.size(), 1);
        QVERIFY2(prompts.asked[0].Text.contains("20 of 50 records"),
                 qPrintable(prompts.asked[0].Text));
        QTRY_VERIFY_WITH_TIMEOUT(!w.Link().MeterConnected(), kTimeoutMs);
        QVERIFY(w.AboutBtn().isEnabled());
        QVERIFY(w.ExpToExcel().isEnabled());
    }

    // rangedesk-cli against the kernel's hidraw: devices, read and a download as CSV.
    void commandLine_data() {
        QTest::addColumn<int>("model");
        QTest::newRow("compact, model 1") << 1;
        QTest::newRow("extended, model 3") << 3;
    }
    void commandLine() {
        QFETCH(int, model);
        const auto description = sim::SimMeter::DescriptionForModel(model);
        UhidMeter meter(MeterConfig(model, 50));
        QVERIFY(meter.WaitCreated());
        const QString node = WaitForNode(description.VendorID, description.ProductID);
        QVERIFY(!node.isEmpty());
        const auto cli = [](const QStringList& arguments) {
            QProcess process;
            process.start(RANGEDESK_CLI, arguments);
            process.waitForFinished(4 * kTimeoutMs);
            return std::pair(process.exitCode(), process.readAllStandardOutput());
        };
        auto [status, out] = cli({"devices", "--json"});
        QCOMPARE(status, 0);
        bool listed = false;
        for (const auto& entry : QJsonDocument::fromJson(out).array()) {
            const QJsonObject m = entry.toObject();
            if (m["node"].toString() == node) {
                listed = true;
                QCOMPARE(m["model"].toInt(), model);
                QCOMPARE(m["access"].toBool(), true);
            }
        }
        QVERIFY2(listed, out.constData());

        std::tie(status, out) = cli({"--device", node, "read"});
        QCOMPARE(status, 0);
        QCOMPARE(out, QByteArray("1.500 m\n"));

        std::tie(status, out) = cli({"--device", node, "download", "--no-db", "--csv", "-"});
        QCOMPARE(status, 0);
        const QStringList lines = QString::fromUtf8(out).split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 51);
        const RecordLayout layout = model == 3 ? RecordLayout::Extended : RecordLayout::Compact;
        const auto records = sim::DemoRecords(model, 50);
        for (int i = 0; i < 50; ++i) {
            MeasurementRecord expected;
            DecodeRecordReply(layout, records[std::size_t(i)], expected,
                              NumberFormat::FromCurrentLocale());
            const auto texts = records::RowTexts(i + 1, expected, layout);
            const QByteArray csv = output::CsvRecord(QStringList(texts.begin(), texts.end()), {});
            QCOMPARE(lines[i + 1] + "\r\n", QString::fromUtf8(csv));
        }
    }
};

int main(int argc, char** argv) {
    app::RangeDeskApplication application(argc, argv);
    TestKernelHid test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_kernel_hid.moc"
