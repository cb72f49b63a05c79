#pragma once

#include <QString>

#include <cstdint>
#include <span>

#include "measurement_record.h"
#include "record_reply.h"

namespace rangedesk::records {

struct DownloadSummary;

// The meter a download comes from, and how its texts were written.
struct DownloadSource {
    int Model = 0;
    std::uint16_t VendorID = 0;
    std::uint16_t ProductID = 0;
    QString Serial;          // the USB serial number; empty when the meter reports none
    bool Simulated = false;  // a simulated meter's (tests, the demo), never a real one's
    QString DecimalSeparator = QStringLiteral(".");
};

// Where a download puts its records: the record database, a CSV stream, or both.
class RecordSink {
public:
    virtual ~RecordSink() = default;

    // Before the meter is asked anything, and once the download has ended, however it ended.
    virtual void BeginDownload(const DownloadSource&) {}
    virtual void FinishDownload(const DownloadSummary&) {}

    // Called once the meter has said how many records it holds, before the first record.
    virtual void EmptyLoadData() = 0;
    // Record `i` as decoded from `reply`, the data bytes the meter sent for it. Throws on a
    // failure that must end the download (a full disk, a database error).
    virtual void AddRecToLib(int i, const MeasurementRecord& record, RecordLayout layout,
                             std::span<const std::uint8_t> reply) = 0;
};

} // namespace rangedesk::records
