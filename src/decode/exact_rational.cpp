#include "exact_rational.h"

#include "number_format.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <utility>

namespace rangedesk {
namespace {

using Int = ExactRational::Int;
using UInt = unsigned __int128;

constexpr Int kMaxNumerator = Int(1) << 126;
constexpr Int kMaxDenominator = Int(1) << 120;
constexpr int kMaxTerminatingDecimals = 30;
constexpr int kSignificantDigits = 15;

// Binary: shifts and subtractions, no division; reading a value reduces a fraction or two.
std::uint64_t Gcd64(std::uint64_t a, std::uint64_t b) {
    if (a == 0 || b == 0) {
        return a | b;
    }
    const int shift = std::countr_zero(a | b);
    a >>= std::countr_zero(a);
    do {
        b >>= std::countr_zero(b);
        if (a > b) {
            std::swap(a, b);
        }
        b -= a;
    } while (b != 0);
    return a << shift;
}

UInt Gcd(UInt a, UInt b) {
    while (b != 0) {
        // Measurements are small: the 64-bit path is the common one.
        if ((a >> 64) == 0 && (b >> 64) == 0) {
            return Gcd64(static_cast<std::uint64_t>(a), static_cast<std::uint64_t>(b));
        }
        const UInt r = a % b;
        a = b;
        b = r;
    }
    return a;
}

UInt Abs(Int n) {
    return n < 0 ? UInt(0) - UInt(n) : UInt(n);
}

std::optional<Int> CheckedMultiply(Int a, Int b) {
    Int r = 0;
    if (__builtin_mul_overflow(a, b, &r)) {
        return std::nullopt;
    }
    return r;
}

std::optional<Int> CheckedAdd(Int a, Int b) {
    Int r = 0;
    if (__builtin_add_overflow(a, b, &r)) {
        return std::nullopt;
    }
    return r;
}

std::string UnsignedText(UInt n) {
    char buffer[40];
    char* end = buffer + sizeof buffer;
    char* p = end;
    do {
        *--p = static_cast<char>('0' + static_cast<int>(n % 10));
        n /= 10;
    } while (n != 0);
    return std::string(p, end);
}

// Magnitude digits rounded to `decimals`, halves away from zero; `isZero` says whether every
// digit is 0. The digits have no separator: the last `decimals` of them are the fraction.
std::string RoundedDigits(const ExactRational& x, int decimals, bool& isZero) {
    const UInt d = UInt(x.Denominator());
    const UInt n = Abs(x.Numerator());
    std::string digits = UnsignedText(n / d);
    UInt r = n % d;
    for (int i = 0; i < decimals; ++i) {
        r *= 10; // r < d <= 2^120, so no wrap
        digits += static_cast<char>('0' + static_cast<int>(r / d));
        r %= d;
    }
    if (2 * r >= d) {
        IncrementDigits(digits);
    }
    isZero = digits.find_first_not_of('0') == std::string::npos;
    return digits;
}

// Decimals of the terminating expansion of 1/d, or -1 when it does not end within `limit`.
int TerminatingDecimals(UInt d, int limit) {
    int twos = 0;
    int fives = 0;
    while (d % 2 == 0) {
        d /= 2;
        ++twos;
    }
    while (d % 5 == 0) {
        d /= 5;
        ++fives;
    }
    const int decimals = std::max(twos, fives);
    return d == 1 && decimals <= limit ? decimals : -1;
}

// Decimals that give `significant` significant digits of the magnitude.
int DecimalsForSignificant(const ExactRational& x, int significant) {
    const UInt d = UInt(x.Denominator());
    const UInt n = Abs(x.Numerator());
    if (n == 0) {
        return 0;
    }
    if (n >= d) {
        const int whole = static_cast<int>(UnsignedText(n / d).size());
        return std::max(0, significant - whole);
    }
    int leadingZeros = 0;
    for (UInt r = n * 10; r < d; r *= 10) {
        ++leadingZeros;
    }
    return leadingZeros + significant;
}

} // namespace

std::optional<ExactRational> ExactRational::Make(Int numerator, Int denominator) {
    if (denominator == 0) {
        return std::nullopt;
    }
    const UInt g = Gcd(Abs(numerator), Abs(denominator));
    const UInt n = Abs(numerator) / g;
    const UInt d = Abs(denominator) / g;
    if (n > UInt(kMaxNumerator) || d > UInt(kMaxDenominator)) {
        return std::nullopt;
    }
    const bool negative = (numerator < 0) != (denominator < 0);
    return FromReduced(negative ? -Int(n) : Int(n), Int(d));
}

std::optional<ExactRational> ExactRational::FromReduced(Int numerator, Int denominator) {
    if (Abs(numerator) > UInt(kMaxNumerator) || denominator > kMaxDenominator) {
        return std::nullopt;
    }
    ExactRational r;
    r.numerator_ = numerator;
    r.denominator_ = denominator;
    return r;
}

ExactRational ExactRational::Integer(std::int64_t n) {
    ExactRational r;
    r.numerator_ = n;
    return r;
}

ExactRational ExactRational::Negated() const {
    ExactRational r = *this;
    r.numerator_ = -numerator_;
    return r;
}

ExactRational ExactRational::Magnitude() const {
    return numerator_ < 0 ? Negated() : *this;
}

std::optional<ExactRational> Add(const ExactRational& a, const ExactRational& b) {
    // Over the least common denominator, so sums of like fractions stay small.
    const Int g = Int(Gcd(UInt(a.Denominator()), UInt(b.Denominator())));
    const auto denominator = CheckedMultiply(a.Denominator() / g, b.Denominator());
    const auto left = CheckedMultiply(a.Numerator(), b.Denominator() / g);
    const auto right = CheckedMultiply(b.Numerator(), a.Denominator() / g);
    if (!denominator || !left || !right) {
        return std::nullopt;
    }
    const auto numerator = CheckedAdd(*left, *right);
    if (!numerator) {
        return std::nullopt;
    }
    return ExactRational::Make(*numerator, *denominator);
}

std::optional<ExactRational> Subtract(const ExactRational& a, const ExactRational& b) {
    return Add(a, b.Negated());
}

std::optional<ExactRational> Multiply(const ExactRational& a, const ExactRational& b) {
    // Cancel across first, so the products are as small as the result.
    const Int g1 = Int(Gcd(Abs(a.Numerator()), UInt(b.Denominator())));
    const Int g2 = Int(Gcd(Abs(b.Numerator()), UInt(a.Denominator())));
    const auto numerator = CheckedMultiply(a.Numerator() / g1, b.Numerator() / g2);
    const auto denominator = CheckedMultiply(a.Denominator() / g2, b.Denominator() / g1);
    if (!numerator || !denominator) {
        return std::nullopt;
    }
    return ExactRational::FromReduced(*numerator, *denominator);
}

std::optional<ExactRational> Divide(const ExactRational& a, const ExactRational& b) {
    if (b.Sign() == 0) {
        return std::nullopt;
    }
    const auto reciprocal = ExactRational::Make(b.Denominator(), b.Numerator());
    if (!reciprocal) {
        return std::nullopt;
    }
    return Multiply(a, *reciprocal);
}

int Compare(const ExactRational& a, const ExactRational& b) {
    if (a.Sign() != b.Sign()) {
        return a.Sign() < b.Sign() ? -1 : 1;
    }
    if (a.Sign() < 0) {
        return Compare(b.Negated(), a.Negated());
    }
    // Both at least zero: compare whole parts, then the remainders' reciprocals, without any
    // product that could overflow.
    UInt n1 = UInt(a.Numerator()), d1 = UInt(a.Denominator());
    UInt n2 = UInt(b.Numerator()), d2 = UInt(b.Denominator());
    int sign = 1;
    for (;;) {
        const UInt q1 = n1 / d1;
        const UInt q2 = n2 / d2;
        if (q1 != q2) {
            return q1 < q2 ? -sign : sign;
        }
        const UInt r1 = n1 % d1;
        const UInt r2 = n2 % d2;
        if (r1 == 0 || r2 == 0) {
            return r1 == r2 ? 0 : (r1 == 0 ? -sign : sign);
        }
        // r1/d1 < r2/d2 exactly when d1/r1 > d2/r2.
        n1 = d1;
        d1 = r1;
        n2 = d2;
        d2 = r2;
        sign = -sign;
    }
}

double NearestDouble(const ExactRational& x) {
    const UInt d = UInt(x.Denominator());
    const UInt n = Abs(x.Numerator());
    if (n == 0) {
        return 0.0;
    }
    // A 64-bit mantissa m with its top bit set, an exponent e and a sticky bit for whatever
    // lies below m: the value is (m + below) * 2^e.
    UInt q = n / d;
    UInt r = n % d;
    std::uint64_t m = 0;
    int e = 0;
    bool sticky = false;
    int bits = 0;
    for (UInt t = q; t != 0; t >>= 1) {
        ++bits;
    }
    if (bits > 64) {
        const int shift = bits - 64;
        m = static_cast<std::uint64_t>(q >> shift);
        sticky = (q & ((UInt(1) << shift) - 1)) != 0 || r != 0;
        e = shift;
    } else {
        m = static_cast<std::uint64_t>(q);
        while ((m >> 63) == 0) {
            r <<= 1; // r < d <= 2^120
            m <<= 1;
            if (r >= d) {
                r -= d;
                m |= 1;
            }
            --e;
        }
        sticky = r != 0;
    }
    // Round the 64 bits to 53, ties to even.
    constexpr std::uint64_t kDropped = 11;
    constexpr std::uint64_t kHalf = std::uint64_t(1) << (kDropped - 1);
    const std::uint64_t low = m & ((std::uint64_t(1) << kDropped) - 1);
    std::uint64_t mantissa = m >> kDropped;
    if (low > kHalf || (low == kHalf && (sticky || (mantissa & 1)))) {
        ++mantissa;
    }
    const double magnitude = std::ldexp(static_cast<double>(mantissa), e + int(kDropped));
    return x.Sign() < 0 ? -magnitude : magnitude;
}

std::string RoundedText(const ExactRational& x, int decimals, std::string_view decimalSeparator) {
    decimals = std::max(decimals, 0);
    bool isZero = true;
    const std::string digits = RoundedDigits(x, decimals, isZero);
    const std::size_t whole = digits.size() - static_cast<std::size_t>(decimals);
    std::string out = (x.Sign() < 0 && !isZero) ? "-" : "";
    out.append(digits, 0, whole);
    if (decimals > 0) {
        out += decimalSeparator;
        out.append(digits, whole);
    }
    return out;
}

std::string FullPrecisionText(const ExactRational& x, std::string_view decimalSeparator) {
    int decimals = TerminatingDecimals(UInt(x.Denominator()), kMaxTerminatingDecimals);
    if (decimals < 0) {
        decimals = DecimalsForSignificant(x, kSignificantDigits);
    }
    std::string text = RoundedText(x, decimals, decimalSeparator);
    if (decimals > 0) {
        const std::size_t last = text.find_last_not_of('0');
        text.erase(last + 1);
        if (text.size() >= decimalSeparator.size() &&
            std::string_view(text).substr(text.size() - decimalSeparator.size()) ==
                decimalSeparator) {
            text.erase(text.size() - decimalSeparator.size());
        }
    }
    return text;
}

std::string FractionText(const ExactRational& x) {
    std::string text = x.Sign() < 0 ? "-" : "";
    text += UnsignedText(Abs(x.Numerator()));
    if (x.Denominator() != 1) {
        text += "/" + UnsignedText(UInt(x.Denominator()));
    }
    return text;
}

} // namespace rangedesk
