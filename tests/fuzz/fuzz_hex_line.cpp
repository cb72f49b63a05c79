// Arbitrary lines to the hexadecimal line parser of the decode command: bytes come out only
// for lines of hexadecimal pairs, never more bytes than half the line.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "hex_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto bytes = ParseHexLine({reinterpret_cast<const char*>(data), size});
    if (bytes && bytes->size() * 2 > size) {
        std::abort();
    }
    return 0;
}
