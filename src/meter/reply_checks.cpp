#include "reply_checks.h"

#include <algorithm>

#include "byte_order.h"
#include "record_reply.h"

namespace rangedesk::meter {
namespace {

constexpr std::size_t kReadingChecksum = 15;
constexpr std::size_t kReadingValue = 3;
constexpr std::size_t kCountHigh = 3;
constexpr std::size_t kCompactChecksum = 21;
constexpr std::size_t kExtendedChecksum = 36;
constexpr std::uint8_t kCompactMarker = '#';
constexpr std::size_t kEchoLength = 7;

} // namespace

void ReplyBuffer::Store(const std::uint8_t* data, std::size_t size) {
    Size = std::min(size, Bytes.size());
    std::copy_n(data, Size, Bytes.begin());
}

std::size_t RequiredLength(ReplyKind kind) {
    switch (kind) {
    case ReplyKind::Echo:
        return kEchoLength;
    case ReplyKind::CurrentReading:
        return kReadingChecksum + 1;
    case ReplyKind::RecordCount:
        return kCountHigh + 2;
    case ReplyKind::CompactRecord:
        return kCompactReplyLength;
    case ReplyKind::ExtendedRecord:
        return kExtendedReplyLength;
    }
    return kReplyBufferSize;
}

std::string_view ReplyFaultName(ReplyFault fault) {
    switch (fault) {
    case ReplyFault::None:
        return {};
    case ReplyFault::EchoMismatch:
        return "echo";
    case ReplyFault::Checksum:
        return "checksum";
    case ReplyFault::Marker:
        return "#";
    case ReplyFault::Length:
        return "length";
    }
    return {};
}

std::vector<std::uint8_t> FrameCommand(std::string_view command, std::size_t outputReportLength) {
    std::vector<std::uint8_t> report(outputReportLength, 0);
    for (std::size_t i = 0; i < command.size() && i + 1 < report.size(); ++i) {
        report[i + 1] = static_cast<std::uint8_t>(command[i]);
    }
    return report;
}

ReplyKind ReplyKindFor(std::string_view command, RecordLayout layout) {
    const char cls = command.size() > 2 ? command[2] : '\0';
    if (cls == 'D') {
        return ReplyKind::CurrentReading;
    }
    if (cls == 'R') {
        if (command.size() > 3 && command[3] == '?') {
            return ReplyKind::RecordCount;
        }
        return layout == RecordLayout::Extended ? ReplyKind::ExtendedRecord
                                                : ReplyKind::CompactRecord;
    }
    return ReplyKind::Echo;
}

ReplyFault CheckEcho(const ReplyBuffer& reply, std::string_view expected) {
    for (std::size_t i = 0; i < kEchoLength; ++i) {
        const auto want = i < expected.size() ? static_cast<std::uint8_t>(expected[i]) : 0;
        if (reply.Bytes[i] != want) {
            return ReplyFault::EchoMismatch;
        }
    }
    return ReplyFault::None;
}

ReplyFault CheckCurrentReading(const ReplyBuffer& reply) {
    return Sum8(reply.View().first(kReadingChecksum)) == reply.Bytes[kReadingChecksum]
               ? ReplyFault::None
               : ReplyFault::Checksum;
}

ReplyFault CheckCompactRecord(const ReplyBuffer& reply) {
    if (reply.Bytes[0] != kCompactMarker) {
        return ReplyFault::Marker;
    }
    return Sum8(reply.View().subspan(1, kCompactChecksum - 1)) == reply.Bytes[kCompactChecksum]
               ? ReplyFault::None
               : ReplyFault::Checksum;
}

ReplyFault CheckExtendedRecord(const ReplyBuffer& reply) {
    return Sum8(reply.View().first(kExtendedChecksum)) == reply.Bytes[kExtendedChecksum]
               ? ReplyFault::None
               : ReplyFault::Checksum;
}

ReplyFault CheckReply(ReplyKind kind, const ReplyBuffer& reply, std::string_view expected) {
    if (reply.Size < RequiredLength(kind)) {
        return ReplyFault::Length;
    }
    switch (kind) {
    case ReplyKind::Echo:
        return CheckEcho(reply, expected);
    case ReplyKind::CurrentReading:
        return CheckCurrentReading(reply);
    case ReplyKind::RecordCount:
        return ReplyFault::None;
    case ReplyKind::CompactRecord:
        return CheckCompactRecord(reply);
    case ReplyKind::ExtendedRecord:
        return CheckExtendedRecord(reply);
    }
    return ReplyFault::None;
}

std::int32_t CurrentReadingValue(const ReplyBuffer& reply) {
    return static_cast<std::int32_t>(ReadBe32(reply.View(), kReadingValue));
}

std::uint16_t RecordCountValue(const ReplyBuffer& reply) {
    return static_cast<std::uint16_t>(reply.Bytes[kCountHigh] << 8 | reply.Bytes[kCountHigh + 1]);
}

} // namespace rangedesk::meter
