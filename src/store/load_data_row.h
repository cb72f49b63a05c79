#pragma once

#include <QString>

#include <array>

#include "measurement_record.h"

namespace rangedesk::store {

using LoadDataTexts = std::array<QString, 7>;

// The texts of one LoadData row for record number `recNo` of a meter of `model`: the value and
// suffix of each slot joined by one blank; UNIT is the unit text for models 3 and 4 and the
// DIST2 suffix for the others.
LoadDataTexts RowTexts(int recNo, const MeasurementRecord& record, int model);

} // namespace rangedesk::store
