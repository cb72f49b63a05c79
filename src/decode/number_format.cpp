#include "number_format.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace rangedesk {
namespace {

// Rounds an unsigned digit string with `fracDigits` decimals to `decimals`, half away from
// zero, and writes it with the separator. `digits` holds no sign and no point.
std::string RoundDigits(std::string digits, int fracDigits, int decimals, bool negative,
                        const NumberFormat& format) {
    if (fracDigits < decimals) {
        digits.append(static_cast<std::size_t>(decimals - fracDigits), '0');
        fracDigits = decimals;
    }
    const std::size_t keep = digits.size() - static_cast<std::size_t>(fracDigits - decimals);
    const bool roundUp = keep < digits.size() && digits[keep] >= '5';
    digits.resize(keep);
    if (roundUp) {
        IncrementDigits(digits);
    }
    // At least one digit before the point.
    while (digits.size() < static_cast<std::size_t>(decimals) + 1) {
        digits.insert(digits.begin(), '0');
    }
    std::string intPart = digits.substr(0, digits.size() - static_cast<std::size_t>(decimals));
    std::string fracPart = digits.substr(intPart.size());
    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    std::string out = (negative && !zero) ? "-" : "";
    out += intPart;
    if (decimals > 0) {
        out += format.DecimalSeparator;
        out += fracPart;
    }
    return out;
}

} // namespace

NumberFormat NumberFormat::FromCurrentLocale() {
    NumberFormat format;
    if (const std::lconv* conv = std::localeconv();
        conv && conv->decimal_point && conv->decimal_point[0] != '\0') {
        format.DecimalSeparator = conv->decimal_point;
    }
    return format;
}

int PatternDecimals(std::string_view pattern) {
    const auto point = pattern.find('.');
    return point == std::string_view::npos ? 0 : static_cast<int>(pattern.size() - point - 1);
}

std::string FormatPattern(double x, std::string_view pattern, const NumberFormat& format) {
    const int decimals = PatternDecimals(pattern);
    if (!std::isfinite(x)) {
        return std::isnan(x) ? "NAN" : (x < 0 ? "-INF" : "INF");
    }
    // glibc prints the exact binary value; 60 decimals cover every double that matters here
    // and rounding is decided on the digits past the wanted ones.
    constexpr int kExtra = 60;
    char buffer[400];
    const int n = std::snprintf(buffer, sizeof buffer, "%.*f", kExtra, std::fabs(x));
    if (n <= 0 || n >= static_cast<int>(sizeof buffer)) {
        return "INF";
    }
    std::string digits;
    digits.reserve(static_cast<std::size_t>(n));
    for (const char c : std::string_view(buffer, static_cast<std::size_t>(n))) {
        if (c >= '0' && c <= '9') {
            digits += c;
        }
    }
    return RoundDigits(std::move(digits), kExtra, decimals, std::signbit(x), format);
}

std::string FormatDecimals(std::int64_t mantissa, int scale, int decimals,
                           const NumberFormat& format) {
    const bool negative = mantissa < 0;
    const std::uint64_t magnitude = negative ? static_cast<std::uint64_t>(-(mantissa + 1)) + 1
                                             : static_cast<std::uint64_t>(mantissa);
    std::string digits = std::to_string(magnitude);
    if (digits.size() < static_cast<std::size_t>(scale) + 1) {
        digits.insert(0, static_cast<std::size_t>(scale) + 1 - digits.size(), '0');
    }
    return RoundDigits(std::move(digits), scale, decimals, negative, format);
}

std::string FormatPattern(std::int64_t mantissa, int scale, std::string_view pattern,
                          const NumberFormat& format) {
    return FormatDecimals(mantissa, scale, PatternDecimals(pattern), format);
}

void IncrementDigits(std::string& digits) {
    std::size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9') {
        digits[--i] = '0';
    }
    if (i == 0) {
        digits.insert(digits.begin(), '1');
    } else {
        ++digits[i - 1];
    }
}

std::string IntText(std::int64_t n) {
    return std::to_string(n);
}

std::string TwoDigitText(std::int64_t n) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2lld", static_cast<long long>(n));
    return buffer;
}

} // namespace rangedesk
