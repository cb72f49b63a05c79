// The History window: the downloads newest first, a download's records, and Show in main grid,
// Export and Delete, refused while a download runs.
#include <QFile>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "fresh_settings.h"
#include "history_form.h"
#include "history_models.h"
#include "main_form.h"
#include "meter_link.h"
#include "meter_operations.h"
#include "platform/sim/sim_hid_bus.h"
#include "program_folder.h"
#include "rangedesk_application.h"
#include "record_store.h"
#include "recording_prompts.h"
#include "sim_meter.h"

using namespace rangedesk;

namespace {
constexpr int kTimeoutMs = 8000;
}

class TestHistoryWindow : public QObject {
    Q_OBJECT
    RecordingPrompts prompts;

private slots:
    void initTestCase() {
        UseFreshSettings();
        static_cast<app::RangeDeskApplication*>(qApp)->SetPrompts(&prompts);
    }

    void showExportDelete() {
        ProgramFolder folder;
        hid::sim::SimHidBus bus;
        sim::SimMeter meter(bus, 3);
        meter.SetRecords(sim::DemoRecords(3, 5));
        meter.Plug();
        app::TMainForm w(bus, prompts, folder.Path());
        w.show();
        QTRY_VERIFY_WITH_TIMEOUT(w.Link().MeterConnected(), kTimeoutMs);
        w.ExportAllData().click();
        meter.SetRecords(sim::DemoRecords(3, 3));
        w.ExportAllData().click();
        QCOMPARE(w.DBGrid1().model()->rowCount(), 3);

        QCOMPARE(w.HistoryBtn().shortcut(), QKeySequence("Ctrl+H"));
        w.HistoryBtn().click();
        app::THistoryForm* history = w.CurrentHistory();
        QVERIFY(history && history->isVisible());
        const QAbstractItemModel& list = *history->Downloads().model();
        QCOMPARE(list.rowCount(), 2);
        using List = store::DownloadListModel;
        QCOMPARE(list.index(0, List::Records).data().toString(), QString("3 of 3")); // newest first
        QCOMPARE(list.index(1, List::Records).data().toString(), QString("5 of 5"));
        QCOMPARE(list.index(0, List::New).data().toInt(), 0); // the same records as before
        QCOMPARE(list.index(0, List::Outcome).data().toString(), QString("complete"));

        history->Downloads().selectRow(1);
        QCOMPARE(history->Records().model()->rowCount(), 5);
        history->ShowInMainGrid().click();
        QCOMPARE(w.DBGrid1().model()->rowCount(), 5);
        QVERIFY(w.ExpToExcel().isEnabled());

        const QString csv = folder.Path() + "/download.csv";
        prompts.saveName = csv;
        history->Export().click();
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().count("\r\n"), 6);

        prompts.asked.clear();
        prompts.answers = {app::MessageAnswer::Yes};
        history->Delete().click();
        QCOMPARE(prompts.asked.size(), 1);
        QCOMPARE(prompts.asked[0].Buttons, app::MessageButtons::YesNo);
        QCOMPARE(list.rowCount(), 1);
        QCOMPARE(w.DBGrid1().model()->rowCount(), 5); // the grid keeps what it shows
    }

    void refusedWhileADownloadRuns() {
        ProgramFolder folder;
        hid::sim::SimHidBus bus;
        sim::SimMeter meter(bus, 1);
        meter.SetRecords(sim::DemoRecords(1, 20));
        meter.SetLatency(10);
        meter.Plug();
        app::TMainForm w(bus, prompts, folder.Path());
        w.show();
        QTRY_VERIFY_WITH_TIMEOUT(w.Link().MeterConnected(), kTimeoutMs);
        w.ExportAllData().click();
        w.HistoryBtn().click();
        app::THistoryForm* history = w.CurrentHistory();
        QVERIFY(history->ShowInMainGrid().isEnabled());
        bool sawRefusal = false;
        QObject::connect(
            &w.Operations(), &meter::MeterOperations::downloadProgress, [&](int i, int) {
                if (i == 5) {
                    sawRefusal = !history->ShowInMainGrid().isEnabled() &&
                                 !history->Delete().isEnabled() && !history->Export().isEnabled() &&
                                 !w.HistoryBtn().isEnabled();
                }
            });
        w.ExportAllData().click();
        QVERIFY(sawRefusal);
        QVERIFY(history->Delete().isEnabled());
        QCOMPARE(history->Downloads().model()->rowCount(), 2); // the new one is listed
    }
};

int main(int argc, char** argv) {
    app::RangeDeskApplication application(argc, argv);
    TestHistoryWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_history_window.moc"
