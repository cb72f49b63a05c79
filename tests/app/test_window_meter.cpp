// The window over the meter core end to end: the real main window, the simulated HID bus and a
// simulated meter.
#include <QLabel>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>

#include <cerrno>

#include "about_form.h"
#include "fresh_settings.h"
#include "load_data_model.h"
#include "load_data_row.h"
#include "main_form.h"
#include "meter_link.h"
#include "meter_operations.h"
#include "meter_session.h"
#include "platform/sim/sim_hid_bus.h"
#include "program_folder.h"
#include "rangedesk_application.h"
#include "record_reply.h"
#include "record_store.h"
#include "recording_prompts.h"
#include "sim_meter.h"
#include "small_disk.h"
#include "status_bar.h"

using namespace rangedesk;
using app::TMainForm;
using hid::sim::SimInterfaceDescription;

namespace {

constexpr int kTimeoutMs = 8000;
constexpr int kLongTimeoutMs = 30000;

struct Rig {
    RecordingPrompts& prompts;
    ProgramFolder folder;
    hid::sim::SimHidBus bus;
    sim::SimMeter meter;
    std::unique_ptr<TMainForm> window;

    Rig(RecordingPrompts& p, int model, bool plug = true) : prompts(p), meter(bus, model) {
        if (plug) {
            meter.Plug();
        }
        window = std::make_unique<TMainForm>(bus, prompts, folder.Path());
        window->show();
    }
    TMainForm& w() { return *window; }
    meter::MeterLink& link() { return window->Link(); }
    QString Panel1() { return window->StatusBar1().PanelText(1); }

    // Presses a button through the event loop (as a user does) and waits until its handler
    // has returned; errors then reach the error box as they would for a user.
    bool Press(QPushButton& button, int timeoutMs = kTimeoutMs) {
        bool done = false;
        const auto c = QObject::connect(&button, &QPushButton::clicked, [&] { done = true; });
        QMetaObject::invokeMethod(&button, "click", Qt::QueuedConnection);
        QElapsedTimer clock;
        clock.start();
        while (!done && clock.elapsed() < timeoutMs && prompts.asked.isEmpty()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        }
        QObject::disconnect(c);
        return done;
    }
    bool Connected() {
        return QTest::qWaitFor([&] { return link().MeterConnected(); }, kTimeoutMs);
    }
    QStringList Column(int column) {
        QStringList texts;
        const auto* model = window->DBGrid1().model();
        for (int r = 0; r < model->rowCount(); ++r) {
            texts << model->index(r, column).data().toString();
        }
        return texts;
    }
};

QImage Picture(QLabel& label) {
    return label.pixmap().toImage();
}

} // namespace

class TestWindowMeter : public QObject {
    Q_OBJECT

    RecordingPrompts prompts;

private slots:
    void initTestCase() {
        UseFreshSettings();
        static_cast<app::RangeDeskApplication*>(qApp)->SetPrompts(&prompts);
    }
    void init() { prompts = RecordingPrompts(); }

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
        Rig rig(prompts, 3, false);
        QTRY_COMPARE_WITH_TIMEOUT(rig.w().StatusBar1().PanelText(0), QString("Not connected"),
                                  kTimeoutMs);
        const QImage blank = Picture(rig.w().ProductIcon());
        SimInterfaceDescription description;
        description.VendorID = std::uint16_t(vendor);
        description.ProductID = std::uint16_t(product);
        rig.bus.Plug(description);
        QTRY_COMPARE_WITH_TIMEOUT(rig.w().HidCtl().Count(), 1, kTimeoutMs);
        QCoreApplication::processEvents();
        QCOMPARE(rig.link().MeterModel(), model);
        QCOMPARE(rig.link().MeterConnected(), model > 0);
        QCOMPARE(rig.w().ReadKey().isEnabled(), model > 0);
        QCOMPARE(rig.w().ExportAllData().isEnabled(), model > 0);
        QCOMPARE(rig.w().ExpToExcel().isEnabled(), false);
        QCOMPARE(rig.w().Label(3).isVisible(), model > 0);
        QCOMPARE(rig.w().Image(4).isVisible(), model > 0);
        if (model > 0) {
            QCOMPARE(rig.w().StatusBar1().PanelText(0), QString("Connected OK"));
            QCOMPARE(rig.w().StatusBar1().StatusColour(), QColor(255, 0, 0));
            QCOMPARE(Picture(rig.w().ProductIcon()),
                     QImage(QString(":/images/meter%1.png").arg(model))
                         .convertToFormat(Picture(rig.w().ProductIcon()).format()));
        } else {
            QCOMPARE(rig.w().StatusBar1().PanelText(0), QString("Not connected"));
            QCOMPARE(Picture(rig.w().ProductIcon()), blank);
        }
    }

    void lastOfTwoMetersIsTaken() {
        Rig rig(prompts, 1);
        sim::SimMeter second(rig.bus, 3);
        second.Plug();
        QTRY_COMPARE_WITH_TIMEOUT(rig.link().MeterModel(), 3, kTimeoutMs);
        rig.Press(rig.w().ClearKey());
        QCOMPARE(second.Commands(), QStringList({"ATK009#"}));
        QVERIFY(rig.meter.Commands().isEmpty());
    }

    void unplugKeepsThePicture() {
        Rig rig(prompts, 4);
        QVERIFY(rig.Connected());
        rig.w().SetRecordsLoaded();
        rig.meter.Unplug();
        QTRY_VERIFY_WITH_TIMEOUT(!rig.link().MeterConnected(), kTimeoutMs);
        QCOMPARE(rig.w().StatusBar1().PanelText(0), QString("Not connected"));
        QVERIFY(!rig.w().ReadKey().isEnabled());
        QVERIFY(rig.w().Label(3).isVisible());
        QCOMPARE(rig.link().MeterDevice(), nullptr);
        QCOMPARE(Picture(rig.w().ProductIcon()).size(), QSize(200, 487));
    }

    void anotherDeviceKeepsTheMeter() {
        Rig rig(prompts, 3);
        QVERIFY(rig.Connected());
        const auto* before = rig.link().MeterDevice();
        SimInterfaceDescription keyboard;
        keyboard.VendorID = 0x046D;
        keyboard.ProductID = 0xC31C;
        rig.bus.Plug(keyboard);
        QTRY_COMPARE_WITH_TIMEOUT(rig.w().HidCtl().Count(), 2, kTimeoutMs);
        QCoreApplication::processEvents();
        QVERIFY(rig.link().MeterConnected());
        QCOMPARE(rig.link().MeterModel(), 3);
        QVERIFY(rig.link().MeterDevice() != before);
    }

    void readAndClearHistory() {
        Rig rig(prompts, 3);
        QVERIFY(rig.Connected());
        rig.meter.SetReading(15000);
        rig.Press(rig.w().ReadKey());
        QTRY_COMPARE_WITH_TIMEOUT(rig.w().Label(3).text(), QString("1.500  m"), kTimeoutMs);
        QCOMPARE(rig.Panel1(), QString("ATD001#  Instructions sent successfully"));
        for (int line = 0; line < 3; ++line) {
            QCOMPARE(rig.w().Label(line).text(), QString());
        }
        rig.meter.SetReading(20000);
        rig.Press(rig.w().ReadKey());
        QTRY_COMPARE_WITH_TIMEOUT(rig.w().Label(3).text(), QString("2.000  m"), kTimeoutMs);
        QCOMPARE(rig.w().Label(2).text(), QString("1.500  m"));
        rig.meter.SetReading(-100);
        rig.Press(rig.w().ReadKey());
        QTRY_COMPARE_WITH_TIMEOUT(rig.w().Label(3).text(), QString("-0.010  m"), kTimeoutMs);
        rig.Press(rig.w().ClearKey());
        QCOMPARE(rig.Panel1(), QString("ATK009#  Instructions sent successfully"));
        rig.Press(rig.w().ClearKey());
        QCOMPARE(rig.w().Label(3).text(), QString("1.500  m"));
        QCOMPARE(rig.w().Label(2).text(), QString());
        QCOMPARE(rig.w().Label(0).text(), QString());
        rig.Press(rig.w().ClearKey());
        QCOMPARE(rig.w().Label(3).text(), QString("0.000  m"));
        QCOMPARE(rig.meter.Commands(),
                 QStringList({"ATK001#", "ATD001#", "ATK001#", "ATD001#", "ATK001#", "ATD001#",
                              "ATK009#", "ATK009#", "ATK009#"}));
    }

    void badReadingLeavesTheDisplay() {
        Rig rig(prompts, 1);
        QVERIFY(rig.Connected());
        rig.meter.SetFault("ATD001#", sim::Fault::BadChecksum);
        rig.Press(rig.w().ReadKey());
        QTRY_COMPARE_WITH_TIMEOUT(rig.Panel1(), QString("ATD001#  Instructions sent failure"),
                                  kTimeoutMs);
        QCOMPARE(rig.w().Label(3).text(), QString("0.000  m"));
        rig.meter.SetFault("ATK009#", sim::Fault::BadEcho);
        rig.Press(rig.w().ClearKey());
        QCOMPARE(rig.Panel1(), QString("ATK009#  Instructions sent failure"));
    }

    void downloadThreeRecords_data() {
        QTest::addColumn<int>("model");
        QTest::newRow("extended, model 3") << 3;
        QTest::newRow("compact, model 1") << 1;
    }
    void downloadThreeRecords() {
        QFETCH(int, model);
        Rig rig(prompts, model);
        rig.meter.SetRecords(sim::DemoRecords(model, 3));
        rig.meter.SetLatency(2);
        QVERIFY(rig.Connected());
        QVERIFY(rig.Press(rig.w().ExportAllData()));
        QCOMPARE(rig.meter.Commands(), QStringList({"ATR???#", "ATR001#", "ATR002#", "ATR003#"}));
        QCOMPARE(rig.Column(0), QStringList({"1", "2", "3"}));
        QCOMPARE(rig.Panel1(), QString("ATR003#  Instructions sent successfully"));
        QVERIFY(rig.w().ExpToExcel().isEnabled());
        QVERIFY(rig.w().PrintBtn().isEnabled());
        QVERIFY(rig.w().AboutBtn().isEnabled());
        QVERIFY(rig.w().ExportAllData().isEnabled());
        QVERIFY(!rig.w().Locked());
        QVERIFY(rig.w().windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!rig.w().StatusBar1().ProgressVisible());
        QVERIFY(prompts.asked.isEmpty());
        // Every row holds the texts its record encodes.
        for (int i = 0; i < 3; ++i) {
            MeasurementRecord expected;
            DecodeRecordReply(records::LayoutFor(model), sim::DemoRecords(model, 3)[std::size_t(i)],
                              expected, NumberFormat::FromCurrentLocale());
            const auto texts = records::RowTexts(i + 1, expected, records::LayoutFor(model));
            for (int c = 0; c < 7; ++c) {
                QCOMPARE(rig.Column(c)[i], texts[std::size_t(c)]);
            }
        }
    }

    void downloadLocksTheWindow() {
        Rig rig(prompts, 3);
        rig.meter.SetRecords(sim::DemoRecords(3, 4));
        rig.meter.SetLatency(30);
        QVERIFY(rig.Connected());
        bool sawLock = false;
        QString progress;
        QTimer probe;
        QObject::connect(&probe, &QTimer::timeout, [&] {
            if (rig.w().Locked()) {
                sawLock = !rig.w().AboutBtn().isEnabled() && !rig.w().ReadKey().isEnabled() &&
                          !(rig.w().windowFlags() & Qt::WindowCloseButtonHint);
                progress = rig.w().StatusBar1().ProgressText();
                rig.w().close(); // refused while downloading
            }
        });
        probe.start(20);
        QVERIFY(rig.Press(rig.w().ExportAllData()));
        QVERIFY(sawLock);
        QVERIFY2(progress.startsWith("Record ") && progress.endsWith(" of 4"),
                 qPrintable(progress));
        QVERIFY(rig.w().isVisible());
        QCOMPARE(rig.Column(0).size(), 4);
    }

    void downloadOfNoRecords() {
        Rig rig(prompts, 3);
        rig.meter.SetRecords(sim::DemoRecords(3, 2));
        QVERIFY(rig.Connected());
        QVERIFY(rig.Press(rig.w().ExportAllData()));
        rig.meter.SetRecords({});
        prompts.asked.clear();
        rig.Press(rig.w().ExportAllData());
        QTRY_COMPARE_WITH_TIMEOUT(prompts.Texts(), QStringList({"No Record Found!"}), kTimeoutMs);
        QCOMPARE(rig.Panel1(), QString("ATR???#  No record"));
        QTRY_VERIFY_WITH_TIMEOUT(!rig.w().Locked(), kTimeoutMs);
        QCOMPARE(rig.Column(0), QStringList());
        QVERIFY(rig.w().ExpToExcel().isEnabled()); // from the earlier download
        QVERIFY(rig.w().Table().IsOpen());
    }

    // A timeout is a failure, even when the last report would pass the check.
    void silentMeterIsNoReply() {
        Rig rig(prompts, 3);
        QVERIFY(rig.Connected());
        rig.Press(rig.w().ClearKey());
        QCOMPARE(rig.Panel1(), QString("ATK009#  Instructions sent successfully"));
        rig.meter.SetFault("ATK009#", sim::Fault::NoReply);
        QVERIFY(rig.Press(rig.w().ClearKey(), kLongTimeoutMs));
        QCOMPARE(rig.Panel1(), QString("ATK009#  No reply"));
    }

    void otherDevicesCannotDisturbAnExchange() {
        Rig rig(prompts, 3);
        SimInterfaceDescription mouse;
        mouse.VendorID = 0x046D;
        mouse.ProductID = 0xC077;
        const auto noise = rig.bus.Plug(mouse);
        QTRY_COMPARE_WITH_TIMEOUT(rig.w().HidCtl().Count(), 2, kTimeoutMs);
        QVERIFY(rig.Connected());
        QTRY_COMPARE_WITH_TIMEOUT(noise->OpenReaders(), 1, kTimeoutMs);
        rig.meter.SetLatency(200);
        QTimer::singleShot(30, [&] { noise->SendInput(0, std::vector<std::uint8_t>(64, 0x11)); });
        QVERIFY(rig.Press(rig.w().ClearKey()));
        QCOMPARE(rig.Panel1(), QString("ATK009#  Instructions sent successfully"));
        QCOMPARE(int(rig.link().Replies().Bytes[0]), int('A'));
    }

    // A button pressed inside another command's wait runs once that command has ended.
    void secondCommandDuringAWaitWaitsItsTurn() {
        Rig rig(prompts, 3);
        QVERIFY(rig.Connected());
        rig.meter.SetLatency(300);
        QTimer::singleShot(50, [&] {
            QVERIFY(rig.link().Exchanging());
            rig.w().ReadKey().click(); // inside the wait of Clear
        });
        QVERIFY(rig.Press(rig.w().ClearKey()));
        QTRY_COMPARE_WITH_TIMEOUT(rig.meter.Commands(),
                                  QStringList({"ATK009#", "ATK001#", "ATD001#"}), kTimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(rig.w().Label(3).text(), QString("1.500  m"), kTimeoutMs);
    }

    // A command that cannot be written ends its exchange at once, with the failure text.
    void writeFailureEndsTheExchangeAtOnce() {
        Rig rig(prompts, 3);
        QVERIFY(rig.Connected());
        rig.meter.Interface()->FailWrites(EIO);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(rig.Press(rig.w().ClearKey()));
        QVERIFY(clock.elapsed() < meter::MeterLink::kAnswerTimeoutMs);
        QCOMPARE(rig.Panel1(), QString("ATK009#  Instructions sent failure"));
        QCOMPARE(rig.w().Label(3).text(), QString("0.000  m"));
        QVERIFY(rig.w().ReadKey().isEnabled());
    }

    void failedRecordsAreRetriedThenSkipped() {
        Rig rig(prompts, 1);
        rig.meter.SetRecords(sim::DemoRecords(1, 4));
        rig.meter.SetFault("ATR002#", sim::Fault::BadChecksum, 2);
        rig.meter.SetFault("ATR003#", sim::Fault::BadMarker);
        QVERIFY(rig.Connected());
        rig.Press(rig.w().ExportAllData());
        QTRY_VERIFY_WITH_TIMEOUT(!rig.w().Locked() && !prompts.asked.isEmpty(), kTimeoutMs);
        QCOMPARE(rig.Column(0), QStringList({"1", "2", "4"}));
        QCOMPARE(rig.meter.Commands().count("ATR002#"), 3);
        QCOMPARE(rig.meter.Commands().count("ATR003#"), 3);
        QCOMPARE(prompts.Texts().size(), 1);
        QVERIFY2(prompts.Texts()[0].endsWith(": 3."), qPrintable(prompts.Texts()[0]));
    }

    void unplugDuringDownloadStops() {
        Rig rig(prompts, 3);
        rig.meter.SetRecords(sim::DemoRecords(3, 5));
        rig.meter.UnplugAfterReplies(3); // the count and two records
        QVERIFY(rig.Connected());
        rig.Press(rig.w().ExportAllData());
        QTRY_VERIFY_WITH_TIMEOUT(!rig.w().Locked() && !prompts.asked.isEmpty(), kTimeoutMs);
        QCOMPARE(rig.Column(0), QStringList({"1", "2"}));
        QVERIFY2(prompts.Texts()[0].contains("2 of 5 records"), qPrintable(prompts.Texts()[0]));
        QVERIFY(rig.w().AboutBtn().isEnabled());
        QVERIFY(!rig.w().ExportAllData().isEnabled());
    }

    void unansweredCountStops() {
        Rig rig(prompts, 3);
        rig.meter.SetRecords(sim::DemoRecords(3, 2));
        rig.meter.SetFault("ATR???#", sim::Fault::NoReply);
        QVERIFY(rig.Connected());
        rig.Press(rig.w().ExportAllData(), kLongTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(!rig.w().Locked(), kLongTimeoutMs);
        QCOMPARE(rig.meter.Commands(), QStringList({"ATR???#"}));
        QVERIFY(prompts.Texts()[0].contains("did not answer"));
        QCOMPARE(rig.Panel1(), QString("ATR???#  No reply"));
        QVERIFY(!rig.w().RecordsLoaded());
    }

    // Cancel in the status bar, and Esc, end the download and unlock the window.
    void cancelButtonAndEscape_data() {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Cancel button") << false;
        QTest::newRow("Esc key") << true;
    }
    void cancelButtonAndEscape() {
        QFETCH(bool, escape);
        Rig rig(prompts, 3);
        rig.meter.SetRecords(sim::DemoRecords(3, 50));
        rig.meter.SetLatency(20);
        QVERIFY(rig.Connected());
        QTimer probe;
        QObject::connect(&probe, &QTimer::timeout, [&] {
            if (rig.w().StatusBar1().ProgressVisible() && rig.Column(0).size() >= 2) {
                probe.stop();
                if (escape) {
                    QTest::keyClick(&rig.w(), Qt::Key_Escape);
                } else {
                    QVERIFY(rig.w().StatusBar1().CancelButton().isVisible());
                    rig.w().StatusBar1().CancelButton().click();
                }
            }
        });
        probe.start(5);
        QVERIFY(rig.Press(rig.w().ExportAllData()));
        QTRY_VERIFY_WITH_TIMEOUT(!rig.w().Locked(), kTimeoutMs);
        const int stored = rig.Column(0).size();
        QVERIFY(stored >= 2 && stored < 50);
        QCOMPARE(
            prompts.Texts(),
            QStringList({QString("Download cancelled: %1 of 50 records stored.").arg(stored)}));
        QVERIFY(!rig.w().StatusBar1().ProgressVisible());
        QVERIFY(rig.w().ExpToExcel().isEnabled());
        QVERIFY(rig.w().ExportAllData().isEnabled());
    }

    // A download that stores no row leaves Export to Excel and Print as they were.
    void noRowStoredKeepsRecordsLoaded() {
        Rig rig(prompts, 1);
        rig.meter.SetRecords(sim::DemoRecords(1, 2));
        rig.meter.SetFault("ATR001#", sim::Fault::BadMarker);
        rig.meter.SetFault("ATR002#", sim::Fault::BadMarker);
        QVERIFY(rig.Connected());
        QVERIFY(rig.Press(rig.w().ExportAllData()));
        QTRY_VERIFY_WITH_TIMEOUT(!rig.w().Locked(), kTimeoutMs);
        QVERIFY(!rig.w().RecordsLoaded());
        QVERIFY(!rig.w().ExpToExcel().isEnabled());
        QVERIFY(!rig.w().PrintBtn().isEnabled());
    }

    void databaseErrorUnlocksTheWindow() {
        Rig rig(prompts, 3);
        rig.meter.SetRecords(sim::DemoRecords(3, 4));
        {
            auto db = QSqlDatabase::addDatabase("QSQLITE", "saboteur");
            db.setDatabaseName(rig.folder.LibFile("DistLib.mdb"));
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec("CREATE TRIGGER full BEFORE INSERT ON LoadData WHEN NEW.RecNo = '3' "
                           "BEGIN SELECT RAISE(ABORT, 'database or disk is full'); END"));
            db.close();
        }
        QSqlDatabase::removeDatabase("saboteur");
        QVERIFY(rig.Connected());
        rig.Press(rig.w().ExportAllData());
        QTRY_COMPARE_WITH_TIMEOUT(prompts.asked.size(), 1, kTimeoutMs);
        QCOMPARE(prompts.asked[0].Icon, app::MessageIcon::Error);
        QVERIFY2(prompts.asked[0].Text.contains("database or disk is full"),
                 qPrintable(prompts.asked[0].Text));
        QVERIFY(!rig.w().Locked());
        QVERIFY(rig.w().AboutBtn().isEnabled());
        QVERIFY(rig.w().ExportAllData().isEnabled());
        QCOMPARE(rig.Column(0), QStringList({"1", "2"}));
    }

    // SIGTERM, SIGINT or SIGHUP during a download cancel it without a box, then end the run.
    void stopSignalDuringDownloadCancelsQuietly() {
        Rig rig(prompts, 3);
        rig.meter.SetRecords(sim::DemoRecords(3, 200));
        rig.meter.SetLatency(10);
        QVERIFY(rig.Connected());
        QTimer probe;
        QObject::connect(&probe, &QTimer::timeout, [&] {
            if (rig.Column(0).size() >= 3) {
                probe.stop();
                rig.w().StopBySignal();
            }
        });
        probe.start(5);
        QVERIFY(rig.Press(rig.w().ExportAllData()));
        QTRY_VERIFY_WITH_TIMEOUT(!rig.w().Locked(), kTimeoutMs);
        QVERIFY(prompts.asked.isEmpty());
        const int stored = rig.Column(0).size();
        QVERIFY(stored >= 3 && stored < 200);
        // Every row stored is in DistLib.mdb itself, not only in its log.
        store::RecordStore copy(rig.folder.LibFile("DistLib.mdb"), store::StoreAccess::ReadOnly);
        store::LoadDataModel table(copy);
        table.Open();
        QCOMPARE(table.rowCount(), stored);
    }

    // A disk that fills during a download stops it with the database's message; every row
    // committed so far stays and the window unlocks.
    void fullDiskDuringDownload() {
        SmallDisk disk(512);
        if (!disk.Mounted()) {
            QSKIP("this machine does not let the test mount a small filesystem");
        }
        QDir().mkpath(disk.Path("lib"));
        QVERIFY(QFile::copy(TemplateDatabase(), disk.Path("lib/DistLib.mdb")));
        QVERIFY(QFile::copy(TemplateReportDefinition(), disk.Path("lib/Vermo.rav")));
        hid::sim::SimHidBus bus;
        sim::SimMeter meter(bus, 3);
        meter.SetRecords(sim::DemoRecords(3, 999));
        meter.Plug();
        TMainForm w(bus, prompts, disk.Path(""));
        w.show();
        QTRY_VERIFY_WITH_TIMEOUT(w.Link().MeterConnected(), kTimeoutMs);
        disk.Fill(96 * 1024); // room for some records with their history, not for 999
        QMetaObject::invokeMethod(&w.ExportAllData(), "click", Qt::QueuedConnection);
        QTRY_VERIFY_WITH_TIMEOUT(!prompts.asked.isEmpty(), kLongTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(!w.Locked(), kTimeoutMs);
        QCOMPARE(prompts.asked.size(), 1);
        QCOMPARE(prompts.asked[0].Icon, app::MessageIcon::Error);
        QVERIFY2(prompts.asked[0].Text.contains("full"), qPrintable(prompts.asked[0].Text));
        const int shown = w.DBGrid1().model()->rowCount();
        QVERIFY(shown > 0 && shown < 999);
        QVERIFY(w.ExportAllData().isEnabled());
        QVERIFY(w.ExpToExcel().isEnabled());
        w.Table().Open(); // what the file holds
        QCOMPARE(w.Table().rowCount(), shown);
    }

    // While About is up no command button works, whatever happens behind it, and it opens once.
    void aboutHoldsEveryButton() {
        Rig rig(prompts, 3, false);
        rig.meter.SetRecords(sim::DemoRecords(3, 2));
        QTRY_COMPARE_WITH_TIMEOUT(rig.w().StatusBar1().PanelText(0), QString("Not connected"),
                                  kTimeoutMs);
        rig.w().AboutBtn().click();
        const QPointer<app::TForm1> about = rig.w().CurrentAbout();
        QVERIFY(about);
        rig.meter.Plug(); // a meter arrives behind it
        QVERIFY(rig.Connected());
        QCoreApplication::processEvents();
        rig.w().RecordsShown(); // as "Show in main grid" does
        // A download started from elsewhere ends with About still holding the buttons.
        rig.w().Session().Submit(meter::MeterSession::Request::Download);
        QTRY_VERIFY_WITH_TIMEOUT(!rig.w().Locked(), kTimeoutMs);
        const std::vector<QPushButton*> buttons = {&rig.w().ReadKey(),       &rig.w().ClearKey(),
                                                   &rig.w().ExportAllData(), &rig.w().ExpToExcel(),
                                                   &rig.w().PrintBtn(),      &rig.w().AboutBtn(),
                                                   &rig.w().HistoryBtn()};
        for (QPushButton* button : buttons) {
            QVERIFY2(!button->isEnabled(), qPrintable(button->objectName()));
        }
        rig.w().AboutBtnClick();
        QCOMPARE(rig.w().CurrentAbout(), about.data());
        QCOMPARE(rig.w().findChildren<app::TForm1*>().size(), 1);
        about->ExitButton().click();
        for (QPushButton* button : buttons) {
            QVERIFY2(button->isEnabled(), qPrintable(button->objectName()));
        }
    }

    void meterWithoutAccessIsReportedOncePerPlug() {
        Rig rig(prompts, 3, false);
        auto description = sim::SimMeter::DescriptionForModel(3);
        description.ReadWrite = false;
        auto iface = rig.bus.Plug(description);
        QTRY_COMPARE_WITH_TIMEOUT(prompts.asked.size(), 1, kTimeoutMs);
        QVERIFY(prompts.asked[0].Text.contains("udev rule"));
        QVERIFY(rig.link().MeterConnected());
        // Found, but this user cannot open it: nothing that talks to it is offered.
        QVERIFY(!rig.w().ReadKey().isEnabled());
        QVERIFY(!rig.w().ClearKey().isEnabled());
        QVERIFY(!rig.w().ExportAllData().isEnabled());
        rig.bus.ChangeOtherDevice();
        QTest::qWait(0);
        QTRY_VERIFY_WITH_TIMEOUT(rig.link().MeterConnected(), kTimeoutMs);
        QCOMPARE(prompts.asked.size(), 1);
        rig.bus.Unplug(iface);
        QTRY_VERIFY_WITH_TIMEOUT(!rig.link().MeterConnected(), kTimeoutMs);
        rig.bus.Plug(description);
        QTRY_COMPARE_WITH_TIMEOUT(prompts.asked.size(), 2, kTimeoutMs);
    }
};

int main(int argc, char** argv) {
    app::RangeDeskApplication application(argc, argv);
    TestWindowMeter test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_window_meter.moc"
