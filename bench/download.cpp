// A download of 999 records from the simulated meter through the real window offscreen, at
// reply latencies of 0 and 2 ms; then the CPU that a timed-out exchange uses while it waits.
#include <QPushButton>

#include <cstdio>

#include "bench_util.h"
#include "load_data_model.h"
#include "main_form.h"
#include "meter_link.h"
#include "platform/sim/sim_hid_bus.h"
#include "program_folder.h"
#include "rangedesk_application.h"
#include "recording_prompts.h"
#include "sim_meter.h"

using namespace rangedesk;

namespace {

constexpr int kRecords = 999;

struct Rig {
    RecordingPrompts prompts;
    ProgramFolder folder;
    hid::sim::SimHidBus bus;
    sim::SimMeter meter{bus, 3};
    std::unique_ptr<app::TMainForm> window;

    Rig() {
        meter.SetRecords(sim::DemoRecords(3, kRecords));
        meter.Plug();
        window = std::make_unique<app::TMainForm>(bus, prompts, folder.Path());
        window->show();
        while (!window->Link().MeterConnected()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        }
    }
};

void Download(int latencyMs) {
    Rig rig;
    rig.meter.SetLatency(latencyMs);
    const double cpu0 = bench::ProcessCpuSeconds();
    const double start = bench::NowSeconds();
    rig.window->ExportAllData().click(); // returns when the download has ended
    const double total = bench::NowSeconds() - start;
    const double cpu = bench::ProcessCpuSeconds() - cpu0;
    const int rows = rig.window->Table().rowCount();
    // The simulated meter's timers fire late by their own error; that is not the host's time.
    const double meterSeconds = rig.meter.ReplyDelaySeconds();
    const double lateMs = (meterSeconds - (kRecords + 1) * latencyMs / 1000.0) * 1000 / kRecords;
    const double hostMs = (total - meterSeconds) * 1000 / kRecords;
    std::printf("latency %d ms: %d records in %.3f s; host time %.3f ms a record; the simulated "
                "reply %.3f ms late on average; CPU %.3f s",
                latencyMs, rows, total, hostMs, lateMs, cpu);
    if (latencyMs > 0) {
        std::printf("; %.2f times 999 x %d ms", total / (kRecords * latencyMs / 1000.0), latencyMs);
    }
    std::printf("\n");
}

void TimedOutExchange() {
    Rig rig;
    rig.meter.SetFault("ATK009#", sim::Fault::NoReply);
    const double cpu0 = bench::ProcessCpuSeconds();
    const double start = bench::NowSeconds();
    rig.window->ClearKey().click();
    const double wall = bench::NowSeconds() - start;
    const double cpu = bench::ProcessCpuSeconds() - cpu0;
    std::printf("timed-out exchange: %.2f s waited, %.3f s of CPU, %.2f%% of one core\n", wall, cpu,
                100 * cpu / wall);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    app::RangeDeskApplication application(argc, argv);
    Download(0);
    Download(2);
    TimedOutExchange();
    return 0;
}
