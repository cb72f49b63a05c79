#pragma once

#include <cstdint>
#include <span>

#include "measurement_record.h"
#include "record_reply.h"

namespace rangedesk::meter {

// Where a download puts its records: the record database, a CSV stream, or both.
class RecordSink {
public:
    virtual ~RecordSink() = default;

    // Called once the meter has said how many records it holds, before the first record.
    virtual void EmptyLoadData() = 0;
    // Record `i` as decoded from `reply`, the data bytes the meter sent for it. Throws on a
    // failure that must end the download (a full disk, a database error).
    virtual void AddRecToLib(int i, const MeasurementRecord& record, RecordLayout layout,
                             std::span<const std::uint8_t> reply) = 0;
};

} // namespace rangedesk::meter
