#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace rangedesk::output {

// One cell of the bare BIFF cell stream; texts are already in the file's code page.
struct SheetCell {
    enum class Kind { Label, Rk, Number, Blank };
    Kind kind = Kind::Blank;
    std::string text;         // Label
    std::int32_t integer = 0; // Rk
    double number = 0;        // Number

    static SheetCell MakeBlank() { return {}; }
    static SheetCell MakeLabel(std::string bytes) { return {Kind::Label, std::move(bytes), 0, 0}; }
    static SheetCell MakeRk(std::int32_t v) { return {Kind::Rk, {}, v, 0}; }
    static SheetCell MakeNumber(double v) { return {Kind::Number, {}, 0, v}; }
};

inline constexpr std::uint16_t kGbkCodePage = 936;

// How many bytes of a GBK text fit in `limit` without splitting a two-byte character.
std::size_t GbkPrefixLength(const std::string& text, std::size_t limit);

// Writes records as bytes. Every record: 16-bit type, 16-bit length, data; little-endian.
class BiffSheet {
public:
    void Bof();
    void CodePage(std::uint16_t codePage);
    void Label(std::uint16_t row, std::uint16_t col, const std::string& text);
    void Rk(std::uint16_t row, std::uint16_t col, std::int32_t value);
    void Number(std::uint16_t row, std::uint16_t col, double value);
    void Blank(std::uint16_t row, std::uint16_t col);
    void Cell(std::uint16_t row, std::uint16_t col, const SheetCell& cell);
    void Eof();

    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

    // The largest text a LABEL record can carry (its record length is 16 bits).
    static constexpr std::size_t kMaxLabelBytes = 0xFFFF - 8;
    // The data rows a reader of the legacy format opens (row numbers are 16 bits, and readers
    // stop well before that).
    static constexpr int kMaxDataRows = 16383;
    // Integers an RK record holds exactly: 30 bits, signed.
    static bool FitsRk(std::int64_t value) { return value >= -(1 << 29) && value < (1 << 29); }

private:
    void Header(std::uint16_t type, std::uint16_t length);
    void Put16(std::uint16_t v);
    void Put32(std::uint32_t v);

    std::vector<std::uint8_t> bytes_;
};

} // namespace rangedesk::output
