#pragma once

#include <array>
#include <string>
#include <string_view>

#include "download_summary.h"

namespace rangedesk::meter {

// A command is seven ASCII characters: "AT", a class letter, three arguments and "#".
inline constexpr std::size_t kCommandLength = 7;
using records::kMaxRecordNumber;

struct KeyCommand {
    std::string Command;
    std::string Echo; // what the meter answers
};

// The fixed commands, filled once when the window is made.
class CommandTable {
public:
    CommandTable();

    // Key commands 001 to 010.
    const KeyCommand& Key(int number) const {
        return keys_.at(static_cast<std::size_t>(number - 1));
    }
    static constexpr std::string_view kCurrentData = "ATD001#";
    static constexpr std::string_view kRecordCount = "ATR???#";

    // Writes the three digits of record n (1..999) into the record-request slot.
    const std::string& SetRecordSlot(int n);
    const std::string& RecordSlot() const { return recordSlot_; }

private:
    std::array<KeyCommand, 10> keys_;
    std::string recordSlot_ = "ATR000#";
};

} // namespace rangedesk::meter
