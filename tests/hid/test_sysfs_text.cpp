// The pure parsers of the Linux platform layer, fed texts as a real kernel writes them.
#include <QFile>
#include <QTest>

#include "descriptors.h"
#include "platform/linux/sysfs_text.h"
#include "platform/linux/uevent_message.h"

using namespace rangedesk::hid::linux_hid;

Q_DECLARE_METATYPE(std::vector<std::uint8_t>)

class TestSysfsText : public QObject {
    Q_OBJECT
private slots:
    void hidId_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("vendor");
        QTest::addColumn<int>("product");
        QTest::newRow("uhid meter")
            << QByteArray("DRIVER=hid-generic\nHID_ID=0003:00000486:00005750\nHID_NAME=Laser "
                          "Meter\nHID_PHYS=usb-sim/input0\nHID_UNIQ=SIM0001\n"
                          "MODALIAS=hid:b0003g0001v00000486p00005750\n")
            << true << 0x0486 << 0x5750;
        QTest::newRow("no newline at end")
            << QByteArray("HID_ID=0005:0000046D:0000B01A") << true << 0x046D << 0xB01A;
        QTest::newRow("missing") << QByteArray("DRIVER=hid-generic\n") << false << 0 << 0;
        QTest::newRow("garbled") << QByteArray("HID_ID=0003:zz:5750\n") << false << 0 << 0;
        QTest::newRow("too wide") << QByteArray("HID_ID=0003:00010486:00005750\n") << false << 0
                                  << 0;
    }
    void hidId() {
        QFETCH(QByteArray, text);
        QFETCH(bool, valid);
        QFETCH(int, vendor);
        QFETCH(int, product);
        const auto id = ParseHidIdFromUevent(std::string_view(text.constData(), text.size()));
        QCOMPARE(id.has_value(), valid);
        if (id) {
            QCOMPARE(int(id->Vendor), vendor);
            QCOMPARE(int(id->Product), product);
        }
    }

    // The serial number, where a device reports one; nothing is no error.
    void serialNumber_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("serial");
        QTest::newRow("uhid meter")
            << QByteArray("HID_ID=0003:00000486:00005750\nHID_NAME=Laser Meter\nHID_UNIQ=SIM0001\n")
            << "SIM0001";
        QTest::newRow("reported empty") << QByteArray("HID_ID=0003:00000486:00005750\nHID_UNIQ=\n")
                                        << "";
        QTest::newRow("last line, no newline") << QByteArray("HID_UNIQ=ab:cd") << "ab:cd";
        QTest::newRow("none") << QByteArray("DRIVER=hid-generic\n") << "";
        QTest::newRow("only a key that starts alike") << QByteArray("HID_UNIQUE=x\n") << "";
    }
    void serialNumber() {
        QFETCH(QByteArray, text);
        QFETCH(QString, serial);
        QCOMPARE(QString::fromStdString(
                     ParseHidUniqFromUevent(std::string_view(text.constData(), text.size()))),
                 serial);
    }

    void deviceNames() {
        QCOMPARE(ParseHidDeviceSequence("0003:0486:5750.0001"), std::optional<std::uint32_t>(1));
        QCOMPARE(ParseHidDeviceSequence("0003:0486:5750.001A"), std::optional<std::uint32_t>(26));
        QVERIFY(!ParseHidDeviceSequence("hidraw0"));
        QVERIFY(!ParseHidDeviceSequence("0003:0486:5750.xyz"));
        QCOMPARE(ParseHidrawNumber("hidraw12"), std::optional<int>(12));
        QVERIFY(!ParseHidrawNumber("hidraw"));
        QVERIFY(!ParseHidrawNumber("event3"));
    }

    void reportLengths_data() {
        QTest::addColumn<std::vector<std::uint8_t>>("descriptor");
        QTest::addColumn<int>("input");
        QTest::addColumn<int>("output");
        QTest::addColumn<int>("feature");
        QTest::addColumn<bool>("numbered");
        QTest::newRow("meter") << descriptors::kMeter << 65 << 65 << 0 << false;
        QTest::newRow("keyboard") << descriptors::kKeyboard << 9 << 2 << 0 << false;
        QTest::newRow("report IDs with push and pop")
            << descriptors::kNumbered << 33 << 17 << 17 << true;
        QTest::newRow("empty") << std::vector<std::uint8_t>{} << 0 << 0 << 0 << false;
        auto truncated = descriptors::kMeter;
        truncated.resize(truncated.size() - 12); // ends before the output item
        QTest::newRow("truncated") << truncated << 65 << 0 << 0 << false;
        // A long item (0xFE, two data bytes, tag 0x10) in front of the meter's items.
        std::vector<std::uint8_t> withLong(descriptors::kMeter.size() + 5, 0);
        const std::uint8_t longItem[] = {0xfe, 0x02, 0x10, 0xaa, 0xbb};
        std::copy(std::begin(longItem), std::end(longItem), withLong.begin());
        std::copy(descriptors::kMeter.begin(), descriptors::kMeter.end(), withLong.begin() + 5);
        QTest::newRow("long item skipped") << withLong << 65 << 65 << 0 << false;
    }
    void reportLengths() {
        QFETCH(std::vector<std::uint8_t>, descriptor);
        QFETCH(int, input);
        QFETCH(int, output);
        QFETCH(int, feature);
        QFETCH(bool, numbered);
        const auto lengths = ParseReportDescriptor(descriptor);
        QCOMPARE(int(lengths.Input), input);
        QCOMPARE(int(lengths.Output), output);
        QCOMPARE(int(lengths.Feature), feature);
        QCOMPARE(lengths.Numbered, numbered);
    }

    void kernelUevent() {
        const QByteArray msg("add@/devices/virtual/misc/uhid/0003:0486:5750.0001/hidraw/hidraw0\0"
                             "ACTION=add\0DEVPATH=/devices/virtual/misc/uhid/0003:0486:5750.0001/"
                             "hidraw/hidraw0\0SUBSYSTEM=hidraw\0MAJOR=241\0MINOR=0\0"
                             "DEVNAME=hidraw0\0SEQNUM=1571\0",
                             210);
        const auto m = ParseUeventMessage(std::span(msg.constData(), std::size_t(msg.size())));
        QVERIFY(m);
        QCOMPARE(QString::fromStdString(m->Action), QString("add"));
        QCOMPARE(QString::fromStdString(m->Subsystem), QString("hidraw"));
        QCOMPARE(QString::fromStdString(m->Properties.at("DEVNAME")), QString("hidraw0"));
    }

    // Messages captured from the netlink socket of Debian's 6.1 kernel as a uhid meter came and
    // went (tests/kernel runs that kernel).
    void capturedKernelUevents() {
        QFile file(QString(RANGEDESK_HID_TEST_DATA) + "/kernel-6.1-hidraw-uevents.hex");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QStringList actions;
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (line.trimmed().isEmpty()) {
                continue;
            }
            const QByteArray msg = QByteArray::fromHex(line.trimmed());
            const auto m = ParseUeventMessage(std::span(msg.constData(), std::size_t(msg.size())));
            QVERIFY(m);
            QCOMPARE(QString::fromStdString(m->Subsystem), QString("hidraw"));
            QVERIFY(QString::fromStdString(m->DevPath).contains("0003:0486:5750"));
            actions << QString::fromStdString(m->Action);
        }
        QCOMPARE(actions, QStringList({"add", "remove"}));
    }

    void udevUevent() {
        const QByteArray props(
            "ACTION=remove\0DEVPATH=/devices/x/hidraw/hidraw3\0SUBSYSTEM=hidraw\0", 65);
        QByteArray msg("libudev\0", 8);
        const auto put32be = [&](quint32 v) {
            for (int i = 3; i >= 0; --i) {
                msg.append(char((v >> (8 * i)) & 0xFF));
            }
        };
        const auto put32 = [&](quint32 v) { msg.append(reinterpret_cast<const char*>(&v), 4); };
        put32be(0xfeedcafe);
        put32(40);
        put32(40);
        put32(quint32(props.size()));
        put32(0);
        put32(0);
        put32(0);
        put32(0);
        msg.append(props);
        const auto m = ParseUeventMessage(std::span(msg.constData(), std::size_t(msg.size())));
        QVERIFY(m);
        QCOMPARE(QString::fromStdString(m->Action), QString("remove"));
        QCOMPARE(QString::fromStdString(m->DevPath), QString("/devices/x/hidraw/hidraw3"));

        QByteArray badMagic = msg;
        badMagic[8] = 0;
        QVERIFY(!ParseUeventMessage(std::span(badMagic.constData(), std::size_t(badMagic.size()))));
        QByteArray badOffset = msg;
        badOffset[16] = char(200);
        QVERIFY(
            !ParseUeventMessage(std::span(badOffset.constData(), std::size_t(badOffset.size()))));
    }

    void malformedUevents_data() {
        QTest::addColumn<QByteArray>("msg");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("no at sign") << QByteArray("add/devices/x\0ACTION=add\0", 25);
        QTest::newRow("no terminator") << QByteArray("add@/devices/x");
        QTest::newRow("short udev header") << QByteArray("libudev\0\xfe\xed", 10);
    }
    void malformedUevents() {
        QFETCH(QByteArray, msg);
        QVERIFY(!ParseUeventMessage(std::span(msg.constData(), std::size_t(msg.size()))));
    }
};

QTEST_APPLESS_MAIN(TestSysfsText)
#include "test_sysfs_text.moc"
