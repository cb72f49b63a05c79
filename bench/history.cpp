// The history's cost: what keeping each downloaded record adds to storing it, and opening the
// History window on a database of 1,000 downloads of 999 records.
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>

#include <cstdio>

#include "bench_util.h"
#include "history_form.h"
#include "main_form.h"
#include "platform/sim/sim_hid_bus.h"
#include "program_folder.h"
#include "rangedesk_application.h"
#include "record_store.h"
#include "recording_prompts.h"
#include "store_record_sink.h"

using namespace rangedesk;

namespace {

constexpr int kRecords = 999;

// Milliseconds a record takes to store, with or without the history.
double AppendMs(bool keepHistory) {
    ProgramFolder folder;
    store::RecordStore store(folder.LibFile("DistLib.mdb"), store::StoreAccess::ReadWrite);
    store::StoreRecordSink sink(store);
    if (keepHistory) {
        sink.BeginDownload(rangedesk::records::DownloadSource{3, 0x0486, 0x5750, {}, false, "."});
    }
    sink.EmptyLoadData();
    MeasurementRecord record;
    record.ModeText = "Area";
    record.Slots[0] = {"1.234", "m"};
    const std::vector<std::uint8_t> reply(64, 0x5A);
    const double start = bench::NowSeconds();
    for (int i = 1; i <= kRecords; ++i) {
        sink.AddRecToLib(i, record, RecordLayout::Extended, reply);
    }
    return (bench::NowSeconds() - start) * 1000 / kRecords;
}

void FillHistory(const QString& path, int downloads) {
    auto db = QSqlDatabase::addDatabase("QSQLITE", "fill");
    db.setDatabaseName(path);
    db.open();
    QSqlQuery q(db);
    q.exec("PRAGMA user_version = 1");
    q.exec("CREATE TABLE IF NOT EXISTS Downloads (id INTEGER PRIMARY KEY, started TEXT, finished "
           "TEXT, model INTEGER, vendor INTEGER, product INTEGER, asked INTEGER, stored INTEGER, "
           "outcome TEXT)");
    q.exec("CREATE TABLE IF NOT EXISTS DownloadRecords (download_id INTEGER NOT NULL REFERENCES "
           "Downloads(id) ON DELETE CASCADE, RecNo INTEGER NOT NULL, reply BLOB, MODE TEXT, UNIT "
           "TEXT, DIST1 TEXT, DIST2 TEXT, DIST3 TEXT, RESULT TEXT, PRIMARY KEY (download_id, "
           "RecNo))");
    q.exec("BEGIN");
    q.exec(QString("WITH RECURSIVE d(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM d WHERE i < %1) "
                   "INSERT INTO Downloads SELECT i, '2026-12-01T10:00:00.000Z', "
                   "'2026-12-01T10:01:00.000Z', 1 + i % 4, 1158, 22352, 999, 999, 'complete' "
                   "FROM d")
               .arg(downloads));
    q.exec(QString("WITH RECURSIVE r(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM r WHERE n < %1) "
                   "INSERT INTO DownloadRecords SELECT d.id, r.n, zeroblob(60) || "
                   "CAST(r.n * d.id AS BLOB), 'Area', 'm', '1.234 m', '2.345 m', '3.456 m', "
                   "' 4.567 m2' FROM Downloads d, r")
               .arg(kRecords));
    q.exec("COMMIT");
    db.close();
    db = {};
    QSqlDatabase::removeDatabase("fill");
}

void OpenHistoryWindow() {
    RecordingPrompts prompts;
    ProgramFolder folder;
    const double fillStart = bench::NowSeconds();
    FillHistory(folder.LibFile("DistLib.mdb"), 1000);
    std::printf("made 1000 downloads of %d records in %.1f s\n", kRecords,
                bench::NowSeconds() - fillStart);
    hid::sim::SimHidBus bus;
    app::TMainForm w(bus, prompts, folder.Path());
    w.show();
    double start = bench::NowSeconds();
    w.HistoryBtn().click();
    app::THistoryForm* history = w.CurrentHistory();
    history->repaint(); // the list as it is shown, with its "new" counts
    const double listMs = (bench::NowSeconds() - start) * 1000;
    start = bench::NowSeconds();
    history->Downloads().selectRow(500);
    history->repaint();
    const double recordsMs = (bench::NowSeconds() - start) * 1000;
    std::printf("History window on 1000 downloads: list shown in %.1f ms; one download's %d "
                "records in %.1f ms\n",
                listMs, history->Records().model()->rowCount(), recordsMs);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    app::RangeDeskApplication application(argc, argv);
    const double without = AppendMs(false);
    const double with = AppendMs(true);
    std::printf("store a record: %.4f ms; with its history kept: %.4f ms; the history adds "
                "%.4f ms a record\n",
                without, with, with - without);
    OpenHistoryWindow();
    return 0;
}
