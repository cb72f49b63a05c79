#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "record_reply.h"

namespace rangedesk::meter {

inline constexpr std::size_t kReplyBufferSize = 64;

// The data bytes of the latest input report; each report overwrites entries from 0 upward.
struct ReplyBuffer {
    std::array<std::uint8_t, kReplyBufferSize> Bytes{};
    std::size_t Size = 0; // data bytes of the latest report (at most 64)

    void Store(const std::uint8_t* data, std::size_t size);
    std::span<const std::uint8_t> View() const { return Bytes; }
    // The latest report's own bytes.
    std::span<const std::uint8_t> Latest() const { return View().first(Size); }
};

// The output report of a command: report ID 0, the seven characters, zero fill.
std::vector<std::uint8_t> FrameCommand(std::string_view command, std::size_t outputReportLength);

// How the reply to a command is checked: by its class letter and, for records, the model.
enum class ReplyKind { Echo, CurrentReading, RecordCount, CompactRecord, ExtendedRecord };
ReplyKind ReplyKindFor(std::string_view command, RecordLayout layout);

// Why a reply failed its check; None when it passed.
enum class ReplyFault { None, EchoMismatch, Checksum, Marker, Length };

// The data bytes a reply of each kind needs.
std::size_t RequiredLength(ReplyKind kind);
// "echo", "checksum", "#" or "length"; empty for None.
std::string_view ReplyFaultName(ReplyFault fault);

ReplyFault CheckEcho(const ReplyBuffer& reply, std::string_view expected);
ReplyFault CheckCurrentReading(const ReplyBuffer& reply);
ReplyFault CheckCompactRecord(const ReplyBuffer& reply);
ReplyFault CheckExtendedRecord(const ReplyBuffer& reply);
// Dispatches on the kind after checking the report's length; a record count has no other
// check.
ReplyFault CheckReply(ReplyKind kind, const ReplyBuffer& reply, std::string_view expected);

// Distance of a current reading reply, in 1/10000 m.
std::int32_t CurrentReadingValue(const ReplyBuffer& reply);
std::uint16_t RecordCountValue(const ReplyBuffer& reply);

} // namespace rangedesk::meter
