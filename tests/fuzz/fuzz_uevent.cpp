// Arbitrary netlink messages to the uevent parser, and arbitrary uevent file texts and sysfs
// names to the small parsers beside it.
#include <cstdint>
#include <string_view>

#include "sysfs_text.h"
#include "uevent_message.h"

using namespace rangedesk::hid::linux_hid;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const char* text = reinterpret_cast<const char*>(data);
    (void)ParseUeventMessage({text, size});
    const std::string_view view(text, size);
    (void)ParseHidIdFromUevent(view);
    (void)ParseHidDeviceSequence(view);
    (void)ParseHidrawNumber(view);
    return 0;
}
