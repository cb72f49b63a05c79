#pragma once

#include <array>
#include <cstdint>

namespace rangedesk::meter {

struct MeterModelRow {
    std::uint16_t VendorID;
    std::uint16_t ProductID;
    int Model;
};

// The meters by USB vendor and product, in the order they are compared. A new model is a row.
inline constexpr std::array<MeterModelRow, 6> kMeterModels = {{
    {0x0483, 0x5750, 1},
    {0x0483, 0x5710, 2},
    {0x0483, 0x5752, 1},
    {0x0486, 0x5750, 3},
    {0x0483, 0x5751, 1},
    {0x0486, 0x5752, 4},
}};

// The model of a vendor and product pair; 0 when it is not a meter.
constexpr int ModelFor(std::uint16_t vendor, std::uint16_t product) {
    for (const MeterModelRow& row : kMeterModels) {
        if (row.VendorID == vendor && row.ProductID == product) {
            return row.Model;
        }
    }
    return 0;
}

} // namespace rangedesk::meter
