#pragma once

#include <stdexcept>

namespace rangedesk::store {

// A database or output failure, with the engine's own message.
class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace rangedesk::store
