#pragma once

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

#include "cli_options.h"

namespace rangedesk::hid {
class HidPlatform;
class THidDeviceController;
namespace sim {
class SimHidBus;
}
} // namespace rangedesk::hid
namespace rangedesk::sim {
class SimMeter;
}
namespace rangedesk::meter {
class MeterLink;
class MeterOperations;
} // namespace rangedesk::meter

namespace rangedesk::cli {

// A meter as the device list shows it.
struct FoundMeter {
    int Model = 0;
    std::uint16_t VendorID = 0;
    std::uint16_t ProductID = 0;
    QString Node;
    bool Access = false;
};

// The meter core for one command: the hardware (or a simulated meter), the controller, the
// link and the operations, as the window has them.
class CliMeter {
public:
    explicit CliMeter(const CliOptions& options);
    ~CliMeter();

    // Runs the event loop until the first scan has told what is plugged in.
    void WaitForFirstScan();
    // Every meter found, in the controller's order.
    std::vector<FoundMeter> Meters() const;

    meter::MeterLink& Link() { return *link_; }
    meter::MeterOperations& Operations() { return *operations_; }

private:
    std::unique_ptr<hid::sim::SimHidBus> bus_;
    std::unique_ptr<sim::SimMeter> simulated_;
    std::unique_ptr<hid::HidPlatform> hardware_;
    std::unique_ptr<hid::THidDeviceController> controller_;
    std::unique_ptr<meter::MeterLink> link_;
    std::unique_ptr<meter::MeterOperations> operations_;
    bool available_ = false;
};

// Waits for the first scan; kDone when the meter is there and can be opened, otherwise the
// exit status that says why not (with the reason on standard error).
int CheckMeter(CliMeter& meter);

} // namespace rangedesk::cli
