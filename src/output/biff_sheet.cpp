#include "biff_sheet.h"

#include <algorithm>
#include <cstring>

namespace rangedesk::output {
namespace {

enum RecordType : std::uint16_t {
    kBof = 0x0809,
    kCodePage = 0x0042,
    kLabel = 0x0204,
    kRk = 0x027E,
    kNumber = 0x0203,
    kBlank = 0x0201,
    kEof = 0x000A,
};
constexpr std::uint16_t kWorksheet = 0x0010;
constexpr std::uint16_t kBlankFormat = 0x0017;

} // namespace

void BiffSheet::Put16(std::uint16_t v) {
    bytes_.push_back(static_cast<std::uint8_t>(v & 0xFF));
    bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
}

void BiffSheet::Put32(std::uint32_t v) {
    Put16(static_cast<std::uint16_t>(v & 0xFFFF));
    Put16(static_cast<std::uint16_t>(v >> 16));
}

void BiffSheet::Header(std::uint16_t type, std::uint16_t length) {
    Put16(type);
    Put16(length);
}

void BiffSheet::Bof() {
    Header(kBof, 8);
    Put16(0x0000);
    Put16(kWorksheet);
    Put16(0);
    Put16(0);
}

void BiffSheet::CodePage(std::uint16_t codePage) {
    Header(kCodePage, 2);
    Put16(codePage);
}

std::size_t GbkPrefixLength(const std::string& text, std::size_t limit) {
    std::size_t n = 0;
    while (n < text.size()) {
        // A lead byte of 0x81 to 0xFE starts a two-byte character.
        const auto lead = static_cast<std::uint8_t>(text[n]);
        const std::size_t width = lead >= 0x81 && lead <= 0xFE ? 2 : 1;
        if (n + width > limit) {
            break;
        }
        n += width;
    }
    return std::min(n, text.size());
}

void BiffSheet::Label(std::uint16_t row, std::uint16_t col, const std::string& text) {
    const auto n = static_cast<std::uint16_t>(GbkPrefixLength(text, kMaxLabelBytes));
    Header(kLabel, static_cast<std::uint16_t>(8 + n));
    Put16(row);
    Put16(col);
    Put16(0);
    Put16(n);
    bytes_.insert(bytes_.end(), text.begin(), text.begin() + n);
}

void BiffSheet::Rk(std::uint16_t row, std::uint16_t col, std::int32_t value) {
    Header(kRk, 10);
    Put16(row);
    Put16(col);
    Put16(0);
    Put32((static_cast<std::uint32_t>(value) << 2) | 0x2);
}

void BiffSheet::Number(std::uint16_t row, std::uint16_t col, double value) {
    Header(kNumber, 14);
    Put16(row);
    Put16(col);
    Put16(0);
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    Put32(static_cast<std::uint32_t>(bits & 0xFFFFFFFF));
    Put32(static_cast<std::uint32_t>(bits >> 32));
}

void BiffSheet::Blank(std::uint16_t row, std::uint16_t col) {
    Header(kBlank, 6);
    Put16(row);
    Put16(col);
    Put16(kBlankFormat);
}

void BiffSheet::Cell(std::uint16_t row, std::uint16_t col, const SheetCell& cell) {
    switch (cell.kind) {
    case SheetCell::Kind::Label:
        Label(row, col, cell.text);
        break;
    case SheetCell::Kind::Rk:
        Rk(row, col, cell.integer);
        break;
    case SheetCell::Kind::Number:
        Number(row, col, cell.number);
        break;
    case SheetCell::Kind::Blank:
        Blank(row, col);
        break;
    }
}

void BiffSheet::Eof() {
    Header(kEof, 0);
}

} // namespace rangedesk::output
