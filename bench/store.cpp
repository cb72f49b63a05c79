// 999 appends through the real table model with the grid shown offscreen and repainted after
// each, once re-reading the whole table on every append and once adding only the new row
// (BENCH_NO_PAINT=1 leaves the repaints out); then 999 appends through the main window.
#include <QApplication>
#include <QTableView>

#include <cstdio>

#include "bench_util.h"
#include "load_data_model.h"
#include "main_form.h"
#include "platform/sim/sim_hid_bus.h"
#include "program_folder.h"
#include "record_store.h"
#include "recording_prompts.h"
#include "store_error.h"
#include "store_record_sink.h"

using namespace rangedesk;

namespace {

constexpr int kRecords = 999;

void Run(store::AppendRefresh mode, const char* name) {
    ProgramFolder folder;
    store::RecordStore store(folder.LibFile("DistLib.mdb"), store::StoreAccess::ReadWrite);
    store::LoadDataModel table(store);
    store::StoreRecordSink sink(store);
    try {
        store.Open();
    } catch (const store::StoreError& e) {
        std::printf("%s\n", e.what());
        return;
    }
    table.SetAppendRefresh(mode);
    QTableView grid;
    grid.setModel(&table);
    grid.resize(641, 337);
    grid.show();
    sink.EmptyLoadData();
    MeasurementRecord record;
    record.ModeText = "Area";
    record.Slots[0] = {"1.234", "m"};
    record.Slots[3] = {" 12.34", "m2"};
    double at1 = 0, at500 = 0, at999 = 0;
    const double start = bench::NowSeconds();
    for (int i = 1; i <= kRecords; ++i) {
        const double t0 = bench::NowSeconds();
        grid.setUpdatesEnabled(false);
        sink.AddRecToLib(i, record, RecordLayout::Extended);
        grid.setUpdatesEnabled(true);
        if (qEnvironmentVariableIsEmpty("BENCH_NO_PAINT")) {
            QCoreApplication::processEvents(); // the repaint of this record
        }
        const double ms = (bench::NowSeconds() - t0) * 1000;
        if (i == 1) {
            at1 = ms;
        } else if (i == 500) {
            at500 = ms;
        } else if (i == 999) {
            at999 = ms;
        }
    }
    const double total = bench::NowSeconds() - start;
    std::printf("%-11s %d appends in %.3f s: %.3f ms each on average; row 1 %.3f ms, row 500 %.3f "
                "ms, row 999 %.3f ms\n",
                name, kRecords, total, total * 1000 / kRecords, at1, at500, at999);
}

// The same through the main window, whose grid shows new rows at a frame rate.
void RunThroughWindow() {
    RecordingPrompts prompts;
    ProgramFolder folder;
    hid::sim::SimHidBus bus;
    app::TMainForm w(bus, prompts, folder.Path());
    w.show();
    w.Sink().EmptyLoadData();
    MeasurementRecord record;
    record.ModeText = "Area";
    record.Slots[0] = {"1.234", "m"};
    // As during a download: the grid takes the new rows 25 times a second.
    w.Table().SetDeferAppends(true);
    const double start = bench::NowSeconds();
    double frame = start;
    for (int i = 1; i <= kRecords; ++i) {
        w.Sink().AddRecToLib(i, record, RecordLayout::Extended);
        if (bench::NowSeconds() - frame > 0.04) {
            w.Table().FlushAppends();
            frame = bench::NowSeconds();
        }
        QCoreApplication::processEvents();
    }
    w.Table().SetDeferAppends(false);
    QCoreApplication::processEvents();
    const double total = bench::NowSeconds() - start;
    std::printf("window      %d appends in %.3f s: %.3f ms each on average, grid repainted at 25 "
                "frames a second\n",
                kRecords, total, total * 1000 / kRecords);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    Run(store::AppendRefresh::WholeTable, "whole table");
    Run(store::AppendRefresh::NewRowOnly, "new row");
    RunThroughWindow();
    return 0;
}
