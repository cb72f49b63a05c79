#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace rangedesk {

// How numbers are written: only the decimal separator varies with the user's settings.
struct NumberFormat {
    std::string DecimalSeparator = ".";

    // The separator of the current C locale's LC_NUMERIC category.
    static NumberFormat FromCurrentLocale();
};

// Number of decimals a pattern "0", "0.0", "0.00", "0.000" asks for.
int PatternDecimals(std::string_view pattern);

// Rounds the exact binary value of x to the pattern's decimals, halves away from zero.
std::string FormatPattern(double x, std::string_view pattern, const NumberFormat& format);

// The same for the exact decimal value mantissa / 10^scale, so 12350 / 10^4 with "0.00"
// gives "1.24" although the nearest double of 1.235 lies below it.
std::string FormatPattern(std::int64_t mantissa, int scale, std::string_view pattern,
                          const NumberFormat& format);

// Rounds mantissa / 10^scale to a given number of decimals (any count, not only 0 to 3).
std::string FormatDecimals(std::int64_t mantissa, int scale, int decimals,
                           const NumberFormat& format);

// Adds one unit in the last place of a string of decimal digits ("199" gives "200",
// "99" gives "100").
void IncrementDigits(std::string& digits);

std::string IntText(std::int64_t n);      // "%d"
std::string TwoDigitText(std::int64_t n); // "%.2d"

} // namespace rangedesk
