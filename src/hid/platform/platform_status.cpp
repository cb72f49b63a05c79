#include <cstring>

#include "hid_platform.h"

namespace rangedesk::hid {

PlatformStatus PlatformStatus::Failure(std::string_view call, std::string_view path, int error) {
    std::string message(call);
    message += ' ';
    message += path;
    message += ": ";
    message += std::strerror(error);
    return {error, std::move(message)};
}

} // namespace rangedesk::hid
