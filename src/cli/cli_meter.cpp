#include "cli_meter.h"
#include <QCoreApplication>

#include "commands.h"
#include "exit_status.h"
#include "meter_link.h"
#include "platform/linux/linux_hid_platform.h"
#include "simulated_meter_platform.h"

namespace rangedesk::cli {
namespace {

constexpr int kFirstScanMs = 5000;

} // namespace

std::unique_ptr<hid::HidPlatform> PlatformFor(const CliOptions& options) {
    if (options.Simulate) {
        return std::make_unique<sim::SimulatedMeterPlatform>(*options.Simulate);
    }
    return std::make_unique<hid::linux_hid::LinuxHidPlatform>();
}

CliMeter::CliMeter(const CliOptions& options)
    : platform_(PlatformFor(options)), session_(std::make_unique<meter::MeterSession>(*platform_)) {
    session_->Link().SetDeviceNode(options.Device);
}

// The session lets go of the platform's devices before the platform goes.
CliMeter::~CliMeter() {
    session_.reset();
}

int CheckMeter(CliMeter& meter) {
    meter.Session().WaitForFirstScan(kFirstScanMs);
    const meter::MeterLink& link = meter.Link();
    if (!link.MeterConnected()) {
        QStringList elsewhere;
        for (const meter::FoundMeter& found : meter.Session().Meters()) {
            elsewhere << found.Node;
        }
        QString message = QCoreApplication::translate("CliMeter", "no meter found");
        if (!link.DeviceNode().isEmpty() && elsewhere.isEmpty()) {
            message = QCoreApplication::translate("CliMeter", "no meter found at %1")
                          .arg(link.DeviceNode());
        } else if (!link.DeviceNode().isEmpty()) {
            message =
                QCoreApplication::translate("CliMeter", "no meter found at %1; meters found: %2")
                    .arg(link.DeviceNode(), elsewhere.join(", "));
        }
        PrintError(message);
        return kNoMeter;
    }
    if (!link.Connection().FullAccess) {
        PrintError(meter::NoAccessMessage(link.Connection().Node).replace('\r', ' '));
        return kNoAccess;
    }
    return kDone;
}

} // namespace rangedesk::cli
