#pragma once

#include <QString>

#include <cstdint>
#include <span>
#include <vector>

namespace rangedesk::hid {
class THidDevice;
}

namespace rangedesk::meter {

// A HID device that the model table knows as a meter.
struct FoundMeter {
    int Model = 0;
    std::uint16_t VendorID = 0;
    std::uint16_t ProductID = 0;
    QString Node;            // the device node, e.g. /dev/hidraw3
    bool FullAccess = false; // it can be opened for reading and writing
    QString Serial;          // the USB serial number; empty when it reports none
    hid::THidDevice* Device = nullptr;
};

// The meters among the devices, in their order; gaps (devices not lent) are skipped.
std::vector<FoundMeter> IdentifyMeters(std::span<hid::THidDevice* const> devices);

// The meter the program takes: the one at `node`, or with no node the last one found. Null
// when there is none.
const FoundMeter* ChooseMeter(const std::vector<FoundMeter>& meters, const QString& node);

} // namespace rangedesk::meter
