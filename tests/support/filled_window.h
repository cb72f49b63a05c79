#pragma once

#include <functional>

#include "main_form.h"
#include "platform/sim/sim_hid_bus.h"
#include "program_folder.h"
#include "recording_prompts.h"
#include "store_record_sink.h"

// The main window of a program folder of its own, its table filled with `rows` records made
// by `record` (numbered from 1), as after a download.
struct FilledWindow {
    ProgramFolder folder;
    rangedesk::hid::sim::SimHidBus bus;
    rangedesk::app::TMainForm w;

    FilledWindow(RecordingPrompts& prompts, int rows,
                 const std::function<rangedesk::MeasurementRecord(int)>& record)
        : w(bus, prompts, folder.Path()) {
        w.Sink().EmptyLoadData();
        for (int i = 1; i <= rows; ++i) {
            w.Sink().AddRecToLib(i, record(i), rangedesk::RecordLayout::Extended);
        }
        w.SetRecordsLoaded();
    }
    QString Target(const QString& name) const { return folder.Path() + "/" + name; }
};
