#include "command_table.h"

#include <cassert>

namespace rangedesk::meter {

CommandTable::CommandTable() {
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        std::string command = "ATK000#";
        command[4] = static_cast<char>('0' + n / 10);
        command[5] = static_cast<char>('0' + n % 10);
        keys_[i] = {command, command};
    }
}

const std::string& CommandTable::SetRecordSlot(int n) {
    assert(n >= 1 && n <= kMaxRecordNumber);
    recordSlot_[3] = static_cast<char>('0' + n / 100);
    recordSlot_[4] = static_cast<char>('0' + (n % 100) / 10);
    recordSlot_[5] = static_cast<char>('0' + n % 10);
    return recordSlot_;
}

} // namespace rangedesk::meter
