#include "formatters.h"

#include <bit>
#include <cmath>
#include <numbers>

namespace rangedesk {
namespace {

struct Fraction {
    int numerator;
    int denominator;
};

// Whole inches and the remainder in sixteenths, rounded to single precision as the meter does.
struct InchParts {
    double inches;
    std::int64_t whole;
    float sixteenths;
};

InchParts SplitInches(std::uint32_t tenthsMm) {
    const double x = tenthsMm / 100.0 / kInchDivisor;
    const double w = std::trunc(x);
    return {x, static_cast<std::int64_t>(w), static_cast<float>((x - w) * 16.0)};
}

// A non-zero remainder under one sixteenth still shows as 1/16.
Fraction SixteenthsFraction(float r) {
    const int e = static_cast<int>(r);
    if (e == 0) {
        return {1, 16};
    }
    const int t = std::countr_zero(static_cast<unsigned>(e));
    return {e >> t, 16 >> t};
}

std::string FractionText(Fraction f) {
    return IntText(f.numerator) + "/" + IntText(f.denominator);
}

} // namespace

std::string InchFractionText(std::uint8_t code) {
    if (code == 0) {
        return " ";
    }
    const int t = std::countr_zero(static_cast<unsigned>(code));
    if (t > 4) {
        // 32, 64, ... 32nds are whole inches; written as such rather than as n/0.
        return " " + IntText(code >> 5) + "/1";
    }
    return " " + FractionText({code >> t, 32 >> t});
}

std::string InchText(std::uint32_t tenthsMm, const NumberFormat& format) {
    const InchParts p = SplitInches(tenthsMm);
    if (p.sixteenths == 0.0f) {
        return FormatPattern(p.inches, "0", format);
    }
    return IntText(p.whole) + " " + FractionText(SixteenthsFraction(p.sixteenths));
}

std::string FeetInchText(std::uint32_t tenthsMm, const NumberFormat& format) {
    const InchParts p = SplitInches(tenthsMm);
    if (p.sixteenths == 0.0f) {
        return FormatPattern(p.inches, "0", format);
    }
    return IntText(p.whole / 12) + "'" + TwoDigitText(p.whole % 12) + "''" +
           FractionText(SixteenthsFraction(p.sixteenths));
}

std::string AngleText(std::int32_t tenthsDegree, const NumberFormat& format) {
    return FormatPattern(tenthsDegree, 1, "0.0", format);
}

std::string SlopePercentText(std::int32_t tenthsDegree) {
    // The tangent needs extended precision: 45.0 degrees must give 100, not 99.
    const long double radians =
        static_cast<long double>(tenthsDegree) * std::numbers::pi_v<long double> / 1800.0L;
    const double p = static_cast<double>(std::fabs(std::tan(radians)) * 100.0L);
    if (!(p <= 1000.0)) {
        return "---";
    }
    return IntText(static_cast<std::int64_t>(p));
}

std::string SignedTenthsText(std::uint32_t tenthsDegree, const NumberFormat& format) {
    if (tenthsDegree <= 900) {
        return FormatPattern(tenthsDegree, 1, "0.0", format);
    }
    const std::uint32_t negated = 0u - tenthsDegree;
    return "-" + FormatPattern(static_cast<std::int64_t>(negated), 1, "0.0", format);
}

} // namespace rangedesk
