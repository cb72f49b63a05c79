#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// "23 00 10 ..." or "230010...": pairs of hexadecimal digits, blanks allowed between bytes.
std::optional<std::vector<std::uint8_t>> ParseHexLine(std::string_view line);
