#pragma once

#include <QString>

#include <cstdint>

#include "model_table.h"

namespace rangedesk::meter {

// What identification found: the meter taken, or none (Model 0).
struct MeterConnection {
    int Model = 0;
    std::uint16_t VendorID = 0;
    std::uint16_t ProductID = 0;
    QString Node;            // the device node, e.g. /dev/hidraw3
    bool FullAccess = false; // it could be opened for reading and writing
    QString Serial;          // the USB serial number; empty when it reports none

    bool Connected() const { return Model > 0; }
    RecordLayout Layout() const { return records::LayoutFor(Model); }
};

// What to tell a user whose meter was found but cannot be opened, with the fix to copy.
QString NoAccessMessage(const QString& node);

} // namespace rangedesk::meter
