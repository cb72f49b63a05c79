#pragma once

#include <QString>

#include <string>
#include <string_view>
#include <vector>

#include "reply_checks.h"

namespace rangedesk::meter {

// What one command exchange came to.
enum class Outcome {
    Success,
    Failure,      // a reply came and failed its check; the fault says which
    NoRecord,     // the record count is 0
    NoReply,      // the answer timer ran out, or the meter left during the wait
    WriteFailed,  // the command could not be written; writeError says why
    NotConnected, // no meter: nothing was sent
    Refused,      // another exchange is waiting: nothing was sent
};

struct ExchangeResult {
    Outcome outcome = Outcome::NotConnected;
    ReplyFault fault = ReplyFault::None;
    ReplyKind kind = ReplyKind::Echo;
    std::vector<std::uint8_t> reply; // the data bytes of the reply, as the meter sent them
    std::string writeError;          // why the command could not be written, if it could not

    bool Answered() const { return outcome == Outcome::Success || outcome == Outcome::NoRecord; }
};

// The text of status panel 1 for an exchange: the command and its outcome's message.
QString ExchangeStatusText(std::string_view command, Outcome outcome);

// Why an exchange gave no answer, in words: "the meter's reply failed its checksum check".
QString ExchangeFailureText(const ExchangeResult& result);

} // namespace rangedesk::meter
