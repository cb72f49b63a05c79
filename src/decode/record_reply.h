#pragma once

#include <cstdint>
#include <span>

#include "measurement_record.h"
#include "number_format.h"

namespace rangedesk {

// The two ways a meter lays out a record reply; the meter's model table says which it uses.
enum class RecordLayout { Compact, Extended };

inline constexpr std::size_t kCompactReplyLength = 22;
inline constexpr std::size_t kExtendedReplyLength = 37;

std::size_t ReplyLength(RecordLayout layout);

// Decodes a record reply whose framing and checksum have been verified; needs at least
// ReplyLength(layout) bytes.
void DecodeRecordReply(RecordLayout layout, std::span<const std::uint8_t> reply,
                       MeasurementRecord& record, const NumberFormat& format);

} // namespace rangedesk
