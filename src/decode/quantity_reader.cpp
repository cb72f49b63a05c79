#include "quantity_reader.h"

#include <array>
#include <cstdint>

namespace rangedesk {
namespace {

// Enough for any value a 32-bit raw value renders to, and small enough that no reading, sum
// or conversion of realistic counts can overflow.
constexpr int kMaxWholeDigits = 10;
constexpr int kMaxDecimalDigits = 9;
constexpr int kMaxNumeratorDigits = 3;
constexpr std::uint64_t kInchesPerFoot = 12;
constexpr std::uint64_t kMaxInchesOfFoot = 11;
constexpr std::size_t kInchDigits = 2;

struct SuffixRow {
    std::string_view text;
    MeasureUnit unit;
};

// Suffixes of a decimal value; "米" is the metre written in Chinese.
constexpr std::array<SuffixRow, 12> kSuffixes = {{
    {"m", MeasureUnit::Metre},
    {"\u7C73", MeasureUnit::Metre},
    {"ft", MeasureUnit::Foot},
    {"in", MeasureUnit::Inch},
    {"m2", MeasureUnit::SquareMetre},
    {"\u7C73"
     "2",
     MeasureUnit::SquareMetre},
    {"ft2", MeasureUnit::SquareFoot},
    {"m3", MeasureUnit::CubicMetre},
    {"\u7C73"
     "3",
     MeasureUnit::CubicMetre},
    {"ft3", MeasureUnit::CubicFoot},
    {"\u00B0", MeasureUnit::Degree},
    {"%", MeasureUnit::Percent},
}};

const SuffixRow* FindSuffix(std::string_view suffix) {
    for (const SuffixRow& row : kSuffixes) {
        if (row.text == suffix) {
            return &row;
        }
    }
    return nullptr;
}

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

struct Digits {
    std::uint64_t value = 0;
    std::size_t count = 0;
};

// Walks a value text left to right; every Take either consumes what it names or nothing.
class TextCursor {
public:
    explicit TextCursor(std::string_view text) : text_(text) {}

    bool AtEnd() const { return at_ == text_.size(); }
    bool Next(char c) const { return !AtEnd() && text_[at_] == c; }
    bool Take(char c) {
        if (Next(c)) {
            ++at_;
            return true;
        }
        return false;
    }
    bool TakeDecimalSeparator() { return Take('.') || Take(','); }

    // One to maxDigits decimal digits.
    std::optional<Digits> TakeDigits(std::size_t maxDigits) {
        Digits d;
        while (!AtEnd() && text_[at_] >= '0' && text_[at_] <= '9') {
            if (++d.count > maxDigits) {
                return std::nullopt;
            }
            d.value = d.value * 10 + static_cast<std::uint64_t>(text_[at_] - '0');
            ++at_;
        }
        if (d.count == 0) {
            return std::nullopt;
        }
        return d;
    }

private:
    std::string_view text_;
    std::size_t at_ = 0;
};

// A leading "-" or blank; true for "-".
bool TakeSign(TextCursor& cursor) {
    if (cursor.Take('-')) {
        return true;
    }
    cursor.Take(' ');
    return false;
}

std::uint64_t PowerOfTen(std::size_t n) {
    std::uint64_t p = 1;
    while (n-- > 0) {
        p *= 10;
    }
    return p;
}

// The fraction of an inch a meter writes: n/1, n/2, n/4 ... n/32.
std::optional<ExactRational> TakeInchFraction(TextCursor& cursor) {
    const auto numerator = cursor.TakeDigits(kMaxNumeratorDigits);
    if (!numerator || numerator->value == 0 || !cursor.Take('/')) {
        return std::nullopt;
    }
    const auto denominator = cursor.TakeDigits(2);
    if (!denominator) {
        return std::nullopt;
    }
    const std::uint64_t d = denominator->value;
    if (d == 0 || d > 32 || (d & (d - 1)) != 0) {
        return std::nullopt;
    }
    return ExactRational::Make(ExactRational::Int(numerator->value), ExactRational::Int(d));
}

// A whole number with the fraction that may follow it, written in inches.
std::optional<ExactRational> WholeAndFraction(std::uint64_t whole,
                                              const std::optional<ExactRational>& fraction) {
    const ExactRational wholePart = ExactRational::Integer(static_cast<std::int64_t>(whole));
    return fraction ? Add(wholePart, *fraction) : wholePart;
}

// "12.345", "12,345", "12".
std::optional<ExactRational> ReadDecimal(TextCursor& cursor, const Digits& whole) {
    if (!cursor.TakeDecimalSeparator()) {
        return ExactRational::Integer(static_cast<std::int64_t>(whole.value));
    }
    const auto decimals = cursor.TakeDigits(kMaxDecimalDigits);
    if (!decimals) {
        return std::nullopt;
    }
    const std::uint64_t scale = PowerOfTen(decimals->count);
    const ExactRational::Int mantissa =
        ExactRational::Int(whole.value) * ExactRational::Int(scale) + decimals->value;
    return ExactRational::Make(mantissa, ExactRational::Int(scale));
}

// After the whole inches: nothing, a blank (a fraction of zero), or a blank and a fraction.
std::optional<ExactRational> ReadInchTail(TextCursor& cursor, const Digits& whole) {
    if (!cursor.Take(' ') || cursor.AtEnd()) {
        return ExactRational::Integer(static_cast<std::int64_t>(whole.value));
    }
    const auto fraction = TakeInchFraction(cursor);
    if (!fraction) {
        return std::nullopt;
    }
    return WholeAndFraction(whole.value, fraction);
}

// A value in a unit of its own: decimals, and for inches whole inches with a fraction.
std::optional<ExactRational> ReadUnitValue(TextCursor& cursor, MeasureUnit unit) {
    const auto whole = cursor.TakeDigits(kMaxWholeDigits);
    if (!whole) {
        return std::nullopt;
    }
    if (unit == MeasureUnit::Inch && cursor.Next(' ')) {
        return ReadInchTail(cursor, *whole);
    }
    return ReadDecimal(cursor, *whole);
}

// Feet "'" two-digit inches "''", then nothing, a blank, a fraction or a blank and a fraction.
// Without the feet mark, a bare whole number of inches (only in a feet-and-inches record).
std::optional<ExactRational> ReadFeetInches(TextCursor& cursor, bool bareInchesAllowed) {
    const auto feet = cursor.TakeDigits(kMaxWholeDigits);
    if (!feet) {
        return std::nullopt;
    }
    if (!cursor.Take('\'')) {
        return bareInchesAllowed && cursor.AtEnd()
                   ? std::optional(ExactRational::Integer(static_cast<std::int64_t>(feet->value)))
                   : std::nullopt;
    }
    const auto inches = cursor.TakeDigits(kInchDigits);
    if (!inches || inches->count != kInchDigits || inches->value > kMaxInchesOfFoot ||
        !cursor.Take('\'') || !cursor.Take('\'')) {
        return std::nullopt;
    }
    const std::uint64_t wholeInches = feet->value * kInchesPerFoot + inches->value;
    cursor.Take(' ');
    if (cursor.AtEnd()) {
        return WholeAndFraction(wholeInches, std::nullopt);
    }
    const auto fraction = TakeInchFraction(cursor);
    if (!fraction) {
        return std::nullopt;
    }
    return WholeAndFraction(wholeInches, fraction);
}

std::optional<Quantity> MakeQuantity(const std::optional<ExactRational>& written, bool negative,
                                     MeasureUnit unit) {
    if (!written) {
        return std::nullopt;
    }
    const ExactRational signedValue = negative ? written->Negated() : *written;
    const QuantityKind kind = KindOf(unit);
    if (unit == BaseUnit(kind)) {
        return Quantity{kind, signedValue, unit};
    }
    const auto base = Multiply(signedValue, BaseUnitsPer(unit));
    if (!base) {
        return std::nullopt;
    }
    return Quantity{kind, *base, unit};
}

} // namespace

std::optional<Quantity> ReadQuantity(std::string_view valueText, std::string_view suffixText,
                                     std::string_view unitText) {
    TextCursor cursor(valueText);
    if (const SuffixRow* suffix = FindSuffix(suffixText)) {
        const bool negative = TakeSign(cursor);
        const auto value = ReadUnitValue(cursor, suffix->unit);
        return cursor.AtEnd() ? MakeQuantity(value, negative, suffix->unit) : std::nullopt;
    }
    // A feet-and-inches record writes its lengths with a blank suffix, and its whole inches as
    // a bare number; there the UNIT column (the suffix of DIST2) is blank too.
    if (!suffixText.empty() && IsBlank(suffixText)) {
        const bool negative = TakeSign(cursor);
        const auto value = ReadFeetInches(cursor, IsBlank(unitText));
        return cursor.AtEnd() ? MakeQuantity(value, negative, MeasureUnit::Inch) : std::nullopt;
    }
    return std::nullopt;
}

std::optional<Quantity> ReadCellQuantity(std::string_view cellText, std::string_view unitText) {
    for (const SuffixRow& row : kSuffixes) {
        const std::size_t joined = row.text.size() + 1;
        if (cellText.size() > joined && cellText.ends_with(row.text) &&
            cellText[cellText.size() - joined] == ' ') {
            return ReadQuantity(cellText.substr(0, cellText.size() - joined), row.text, unitText);
        }
    }
    // A blank suffix leaves at least two blanks at the end: the joining one and its own.
    if (cellText.ends_with("  ")) {
        const std::size_t last = cellText.find_last_not_of(' ');
        if (last == std::string_view::npos) {
            return std::nullopt;
        }
        return ReadQuantity(cellText.substr(0, last + 1), " ", unitText);
    }
    return std::nullopt;
}

} // namespace rangedesk
