#include "meter_identification.h"

#include "hid_device.h"
#include "model_table.h"

namespace rangedesk::meter {

std::vector<FoundMeter> IdentifyMeters(std::span<hid::THidDevice* const> devices) {
    std::vector<FoundMeter> meters;
    for (hid::THidDevice* device : devices) {
        if (!device || !device->Attached()) {
            continue;
        }
        if (const int model = records::ModelFor(device->VendorID(), device->ProductID());
            model > 0) {
            meters.push_back({model, device->VendorID(), device->ProductID(),
                              QString::fromStdString(device->PnPInfo().DevicePath),
                              device->FullAccess(), QString::fromStdString(device->SerialNumber()),
                              device});
        }
    }
    return meters;
}

const FoundMeter* ChooseMeter(const std::vector<FoundMeter>& meters, const QString& node) {
    const FoundMeter* chosen = nullptr;
    for (const FoundMeter& meter : meters) {
        if (node.isEmpty() || meter.Node == node) {
            chosen = &meter;
        }
    }
    return chosen;
}

} // namespace rangedesk::meter
