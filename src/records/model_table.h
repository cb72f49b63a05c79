#pragma once

#include <array>
#include <cstdint>

#include "record_reply.h"

namespace rangedesk::records {

struct MeterModelRow {
    std::uint16_t VendorID;
    std::uint16_t ProductID;
    int Model;
    RecordLayout Layout; // how the model answers a record request
};

// The meters by USB vendor and product, in the order they are compared. A new model is a row.
inline constexpr std::array<MeterModelRow, 6> kMeterModels = {{
    {0x0483, 0x5750, 1, RecordLayout::Compact},
    {0x0483, 0x5710, 2, RecordLayout::Compact},
    {0x0483, 0x5752, 1, RecordLayout::Compact},
    {0x0486, 0x5750, 3, RecordLayout::Extended},
    {0x0483, 0x5751, 1, RecordLayout::Compact},
    {0x0486, 0x5752, 4, RecordLayout::Extended},
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

// The record layout of a model; a number no row has (0 included) reads compactly.
constexpr RecordLayout LayoutFor(int model) {
    for (const MeterModelRow& row : kMeterModels) {
        if (row.Model == model) {
            return row.Layout;
        }
    }
    return RecordLayout::Compact;
}

// The first row of a model, for the simulated meter; null when no row has it.
constexpr const MeterModelRow* FirstRowOf(int model) {
    for (const MeterModelRow& row : kMeterModels) {
        if (row.Model == model) {
            return &row;
        }
    }
    return nullptr;
}

constexpr bool IsKnownModel(int model) {
    return FirstRowOf(model) != nullptr;
}

} // namespace rangedesk::records
