// Exporting 999 rows to a spreadsheet file and printing 999 rows to PDF.
#include <QFileInfo>

#include <cstdio>

#include "bench_util.h"
#include "main_form.h"
#include "platform/sim/sim_hid_bus.h"
#include "program_folder.h"
#include "rangedesk_application.h"
#include "record_store.h"
#include "recording_prompts.h"

using namespace rangedesk;

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app::RangeDeskApplication application(argc, argv);
    RecordingPrompts prompts;
    ProgramFolder folder;
    hid::sim::SimHidBus bus;
    app::TMainForm w(bus, prompts, folder.Path());
    w.Store().EmptyLoadData();
    MeasurementRecord record;
    record.ModeText = "体积累加";
    record.Slots[0] = {"1.234", "米"};
    record.Slots[3] = {" 12.34", "m3"};
    for (int i = 1; i <= 999; ++i) {
        w.Store().AddRecToLib(i, record, RecordLayout::Compact);
    }
    w.SetRecordsLoaded();

    prompts.saveName = folder.Path() + "/bench.XLS";
    double start = bench::NowSeconds();
    w.ExpToExcelClick();
    const double exportMs = (bench::NowSeconds() - start) * 1000;
    std::printf("export 999 rows: %.1f ms (%lld bytes)\n", exportMs,
                QFileInfo(prompts.saveName).size());

    w.SetPrintToPdf(folder.Path() + "/bench.pdf");
    start = bench::NowSeconds();
    w.PrintBtnClick();
    const double printMs = (bench::NowSeconds() - start) * 1000;
    std::printf("print 999 rows to PDF: %.1f ms (%lld bytes)\n", printMs,
                QFileInfo(folder.Path() + "/bench.pdf").size());
    return 0;
}
