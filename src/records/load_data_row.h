#pragma once

#include <QString>

#include <array>

#include "measurement_record.h"
#include "record_reply.h"

namespace rangedesk::records {

using LoadDataTexts = std::array<QString, 7>;

// The texts of one LoadData row for record number `recNo` from a meter answering in `layout`:
// the value and suffix of each slot joined by one blank; UNIT is the unit text of an extended
// record and the DIST2 suffix of a compact one.
LoadDataTexts RowTexts(int recNo, const MeasurementRecord& record, RecordLayout layout);

} // namespace rangedesk::records
