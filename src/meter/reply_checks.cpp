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

} // namespace

void ReplyBuffer::Store(const std::uint8_t* data, std::size_t size) {
    std::copy_n(data, std::min(size, Bytes.size()), Bytes.begin());
}

std::vector<std::uint8_t> FrameCommand(std::string_view command, std::size_t outputReportLength) {
    std::vector<std::uint8_t> report(outputReportLength, 0);
    for (std::size_t i = 0; i < command.size() && i + 1 < report.size(); ++i) {
        report[i + 1] = static_cast<std::uint8_t>(command[i]);
    }
    return report;
}

ReplyKind ReplyKindFor(std::string_view command, int model) {
    const char cls = command.size() > 2 ? command[2] : '\0';
    if (cls == 'D') {
        return ReplyKind::CurrentReading;
    }
    if (cls == 'R') {
        if (command.size() > 3 && command[3] == '?') {
            return ReplyKind::RecordCount;
        }
        return LayoutForModel(model) == RecordLayout::Extended ? ReplyKind::ExtendedRecord
                                                               : ReplyKind::CompactRecord;
    }
    return ReplyKind::Echo;
}

ReplyFault CheckEcho(const ReplyBuffer& reply, std::string_view expected) {
    for (std::size_t i = 0; i < 7; ++i) {
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
