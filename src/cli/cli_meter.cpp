#include "cli_meter.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include "commands.h"
#include "exit_status.h"
#include "hid_controller.h"
#include "meter_link.h"
#include "meter_operations.h"
#include "model_table.h"
#include "platform/linux/linux_hid_platform.h"
#include "platform/sim/sim_hid_bus.h"
#include "sim_meter.h"

namespace rangedesk::cli {
namespace {

constexpr int kFirstScanMs = 5000;

// Misbehaviour of the simulated meter for tests, from RANGEDESK_SIM_FAULTS: a comma-separated
// list of COMMAND:checksum|marker|echo|noreply and unplug:K (unplug after K replies).
void ApplySimulatedFaults(sim::SimMeter& meter, const QString& faults) {
    for (const QString& item : faults.split(',', Qt::SkipEmptyParts)) {
        const QString what = item.section(':', 0, 0);
        const QString how = item.section(':', 1);
        if (what == "unplug") {
            meter.UnplugAfterReplies(how.toInt());
            continue;
        }
        const sim::Fault fault = how == "checksum" ? sim::Fault::BadChecksum
                                 : how == "marker" ? sim::Fault::BadMarker
                                 : how == "echo"   ? sim::Fault::BadEcho
                                                   : sim::Fault::NoReply;
        meter.SetFault(what.toStdString(), fault);
    }
}

} // namespace

CliMeter::CliMeter(const CliOptions& options) {
    hid::HidPlatform* platform = nullptr;
    if (options.Simulate) {
        bus_ = std::make_unique<hid::sim::SimHidBus>();
        simulated_ = std::make_unique<sim::SimMeter>(*bus_, options.Simulate->Model);
        simulated_->SetRecords(
            sim::DemoRecords(options.Simulate->Model, options.Simulate->Records));
        simulated_->SetLatency(options.Simulate->LatencyMs);
        simulated_->SetReading(23456);
        ApplySimulatedFaults(*simulated_, qEnvironmentVariable("RANGEDESK_SIM_FAULTS"));
        if (qEnvironmentVariable("RANGEDESK_SIM_ACCESS") == "none") {
            auto description = sim::SimMeter::DescriptionForModel(options.Simulate->Model);
            description.ReadWrite = false;
            bus_->Plug(description);
        } else {
            simulated_->Plug();
        }
        platform = bus_.get();
    } else {
        hardware_ = std::make_unique<hid::linux_hid::LinuxHidPlatform>();
        platform = hardware_.get();
    }
    available_ = platform->Available();
    controller_ = std::make_unique<hid::THidDeviceController>(*platform);
    link_ = std::make_unique<meter::MeterLink>(*controller_);
    link_->SetDeviceNode(options.Device);
    operations_ = std::make_unique<meter::MeterOperations>(*link_);
}

CliMeter::~CliMeter() {
    operations_.reset();
    link_.reset();
    controller_.reset();
}

void CliMeter::WaitForFirstScan() {
    const QDeadlineTimer deadline(kFirstScanMs);
    while (available_ && link_->State() == meter::LinkState::Starting && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
}

std::vector<FoundMeter> CliMeter::Meters() const {
    std::vector<FoundMeter> meters;
    for (int i = 0; i < controller_->Count(); ++i) {
        const hid::THidDevice& device = *controller_->DeviceAt(i);
        const int model = records::ModelFor(device.VendorID(), device.ProductID());
        if (model > 0 && device.Attached()) {
            meters.push_back({model, device.VendorID(), device.ProductID(),
                              QString::fromStdString(device.PnPInfo().DevicePath),
                              device.FullAccess()});
        }
    }
    return meters;
}

int CheckMeter(CliMeter& meter) {
    meter.WaitForFirstScan();
    const meter::MeterLink& link = meter.Link();
    if (!link.MeterConnected()) {
        PrintError("no meter found");
        return kNoMeter;
    }
    if (!link.Connection().FullAccess) {
        PrintError(meter::NoAccessMessage(link.Connection().Node).replace('\r', ' '));
        return kNoAccess;
    }
    return kDone;
}

} // namespace rangedesk::cli
