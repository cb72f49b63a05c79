#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rangedesk {

// A rational number kept exactly: a reduced numerator over a positive denominator, in 128-bit
// integers. Measurements and unit factors are exact decimals or fractions, so sums and
// conversions stay exact and a half rounds the way it is written, not the way a double lies.
// The numerator stays within ±2^126 and the denominator within 2^120; an operation whose result
// would not gives no result instead of a wrong one.
class ExactRational {
public:
    using Int = __int128;

    constexpr ExactRational() = default; // zero

    // numerator / denominator, reduced; empty for a zero denominator or out of range.
    static std::optional<ExactRational> Make(Int numerator, Int denominator);
    static ExactRational Integer(std::int64_t n);

    Int Numerator() const { return numerator_; }
    Int Denominator() const { return denominator_; }
    int Sign() const { return numerator_ < 0 ? -1 : numerator_ > 0 ? 1 : 0; }
    ExactRational Negated() const;
    ExactRational Magnitude() const;

    bool operator==(const ExactRational&) const = default;

private:
    friend std::optional<ExactRational> Multiply(const ExactRational& a, const ExactRational& b);
    // Parts already reduced over a positive denominator; empty when out of range.
    static std::optional<ExactRational> FromReduced(Int numerator, Int denominator);

    Int numerator_ = 0;
    Int denominator_ = 1;
};

// Checked arithmetic: empty when the exact result does not fit.
std::optional<ExactRational> Add(const ExactRational& a, const ExactRational& b);
std::optional<ExactRational> Subtract(const ExactRational& a, const ExactRational& b);
std::optional<ExactRational> Multiply(const ExactRational& a, const ExactRational& b);
std::optional<ExactRational> Divide(const ExactRational& a, const ExactRational& b);

// -1, 0 or 1 as a is below, equal to or above b.
int Compare(const ExactRational& a, const ExactRational& b);

// The double nearest to the exact value (ties to even), for writers that need a double.
double NearestDouble(const ExactRational& x);

// The value rounded to `decimals` decimals, halves away from zero, with at least one digit
// before the separator, a "-" only when the rounded value is not zero, no digit grouping.
std::string RoundedText(const ExactRational& x, int decimals, std::string_view decimalSeparator);

// A plain number for a text file: every digit when the decimal expansion ends within 30
// decimals, otherwise 15 significant digits (halves away from zero); trailing zeros dropped.
std::string FullPrecisionText(const ExactRational& x, std::string_view decimalSeparator);

// "n/d", or "n" for an integer: for logs and test messages.
std::string FractionText(const ExactRational& x);

} // namespace rangedesk
