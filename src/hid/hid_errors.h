#pragma once

#include <stdexcept>

namespace rangedesk::hid {

// Raised when a device object cannot be made for a present interface.
class EControllerError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* kDeviceCannotBeOpened = "Device cannot be opened";
inline constexpr const char* kDeviceCannotBeIdentified = "Device cannot be identified";

} // namespace rangedesk::hid
