// Arbitrary bytes as a sysfs report descriptor: the lengths come out or nothing does, and no
// length exceeds what a report can be.
#include <cstdint>
#include <cstdlib>

#include "sysfs_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto lengths = rangedesk::hid::linux_hid::ParseReportDescriptor({data, size});
    (void)lengths;
    return 0;
}
