// Arbitrary slot texts ("value TAB suffix TAB unit") to the quantity reader: nothing may crash,
// a reading holds only what a number is written with, a grid cell joining the two texts reads
// the same, and every reading converts, shows and sums.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "quantity_reader.h"
#include "quantity_totals.h"
#include "unit_system.h"

using namespace rangedesk;

namespace {

constexpr std::size_t kMaxText = 80;

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// The next field up to a tab, or the rest.
std::string_view TakeField(std::string_view& rest) {
    const std::size_t tab = rest.find('\t');
    const std::string_view field = rest.substr(0, tab);
    rest = tab == std::string_view::npos ? std::string_view() : rest.substr(tab + 1);
    return field;
}

void CheckReading(const Quantity& q) {
    const NumberFormat comma{","};
    for (const UnitSystem system :
         {UnitSystem::AsMeasured, UnitSystem::Metric, UnitSystem::Imperial}) {
        try {
            const ConvertedValue v = Convert(q, system);
            Require(std::isfinite(v.NearestDouble()));
            Require(v.ShownText(comma).size() <= kMaxText);
            Require(v.FullPrecisionText(comma).size() <= kMaxText);
        } catch (...) {
            std::abort();
        }
    }
    // A record and its deduction sum to nothing.
    Quantity magnitude = q;
    magnitude.Value = q.Value.Magnitude();
    const TotalEntry entries[] = {{1, magnitude, Deduction::No}, {2, q, Deduction::Yes}};
    for (const KindTotal& total : SumQuantities(entries, UnitSystem::Metric)) {
        Require(total.Records == 2 && total.LeftOut.empty() && total.Value.Sign() == 0);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    const std::string_view value = TakeField(rest);
    const std::string_view suffix = TakeField(rest);
    const std::string_view unit = rest;

    if (const auto q = ReadQuantity(value, suffix, unit)) {
        Require(value.find_first_not_of("0123456789 .,'/-") == std::string_view::npos);
        const std::string cell = std::string(value) + " " + std::string(suffix);
        Require(ReadCellQuantity(cell, unit) == q);
        CheckReading(*q);
    }
    if (const auto q = ReadCellQuantity({reinterpret_cast<const char*>(data), size}, unit)) {
        CheckReading(*q);
    }
    return 0;
}
