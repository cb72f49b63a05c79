#pragma once

#include <stdexcept>

namespace rangedesk::cli {

// A database or file a command cannot use; the message names it and says why.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace rangedesk::cli
