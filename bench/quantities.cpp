// Reads a million slot texts, as the decoders write them for a mix of records of both layouts,
// as quantities and prints quantities per second.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "bench_util.h"
#include "measurement_record.h"
#include "quantity_reader.h"
#include "record_encoder.h"
#include "record_reply.h"

using namespace rangedesk;

namespace {
std::size_t allocations = 0;
} // namespace

// Counts allocations, so the run shows that reading makes none.
void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size ? size : 1)) {
        return p;
    }
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

constexpr std::size_t kTexts = 1'000'000;

// Where one text lies in the arena.
struct Span {
    std::size_t at;
    std::size_t size;
};

struct SlotSpans {
    Span value, suffix, unit, cell;
};

struct SlotTextViews {
    std::string_view value, suffix, unit, cell;
};

// Every text in one block, so reading them measures the reader and not the cache misses of a
// million small strings.
class TextArena {
public:
    Span Add(std::string_view text) {
        const Span s{texts_.size(), text.size()};
        texts_ += text;
        return s;
    }
    std::string_view View(Span s) const { return std::string_view(texts_).substr(s.at, s.size); }

private:
    std::string texts_;
};

MeasurementRecord RandomRecord(std::mt19937& rng, RecordLayout& layout) {
    MeasurementRecord record;
    // Lengths mostly within 200 m, the unit and mode codes the meters use.
    if (rng() % 2 == 0) {
        layout = RecordLayout::Extended;
        ExtendedRecord f;
        f.ModeCode = rng() % 23;
        f.ContinuousCode = rng() % 4 == 0 ? 1 : 0;
        f.UnitCode = rng() % 6;
        f.AccumulateCode = rng() % 3;
        f.PercentFlag = rng() % 4 == 0 ? 1 : 0;
        f.Negative = rng() % 2;
        for (std::size_t s = 0; s < 4; ++s) {
            f.Kind[s] = rng() % 4;
            f.Decimals[s] = 1 + rng() % 3;
            f.Value[s] = f.Kind[s] == 3    ? rng() % 1800 - 900
                         : f.UnitCode >= 4 ? (rng() % 32) << 24 | (rng() % 12) << 16 | rng() % 600
                                           : rng() % 2000000;
        }
        DecodeRecordReply(layout, sim::EncodeExtendedReply(f), record, NumberFormat{});
    } else {
        layout = RecordLayout::Compact;
        sim::CompactFields f;
        f.UnitCode = rng() % 8;
        f.ModeCode = rng() % 14;
        f.AccumulateCode = rng() % 3;
        f.Dist1Raw = rng() % 2000000;
        f.Dist2Raw = rng() % 2000000;
        f.Dist3Raw = rng() % 2000000;
        f.ResultRaw = rng() % 2000000;
        DecodeRecordReply(layout, sim::EncodeCompactReply(f), record, NumberFormat{});
    }
    return record;
}

std::vector<SlotTextViews> MixedSlotTexts(TextArena& arena) {
    std::mt19937 rng(42);
    std::vector<SlotSpans> spans;
    spans.reserve(kTexts);
    while (spans.size() < kTexts) {
        RecordLayout layout = RecordLayout::Compact;
        const MeasurementRecord record = RandomRecord(rng, layout);
        // The UNIT column as the store writes it.
        const std::string& unit = layout == RecordLayout::Extended
                                      ? record.UnitText
                                      : record.slot(SlotId::DIST2).SuffixText;
        for (const SlotTexts& slot : record.Slots) {
            spans.push_back({arena.Add(slot.ValueText), arena.Add(slot.SuffixText), arena.Add(unit),
                             arena.Add(slot.ValueText + " " + slot.SuffixText)});
        }
    }
    spans.resize(kTexts);
    std::vector<SlotTextViews> views;
    views.reserve(spans.size());
    for (const SlotSpans& s : spans) {
        views.push_back(
            {arena.View(s.value), arena.View(s.suffix), arena.View(s.unit), arena.View(s.cell)});
    }
    return views;
}

template <typename Read>
void Run(const char* name, const std::vector<SlotTextViews>& texts, Read read) {
    std::size_t withQuantity = 0;
    const std::size_t allocationsBefore = allocations;
    const double cpuStart = bench::ProcessCpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    for (const SlotTextViews& t : texts) {
        withQuantity += read(t).has_value() ? 1 : 0;
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    const double cpu = bench::ProcessCpuSeconds() - cpuStart;
    std::printf("%-6s %zu slot texts (%zu with a quantity) in %.3f s (%.3f s CPU): "
                "%.0f quantities/s, %zu allocations\n",
                name, texts.size(), withQuantity, elapsed.count(), cpu,
                double(texts.size()) / elapsed.count(), allocations - allocationsBefore);
}

} // namespace

int main() {
    TextArena arena;
    const std::vector<SlotTextViews> texts = MixedSlotTexts(arena);
    Run("texts", texts,
        [](const SlotTextViews& t) { return ReadQuantity(t.value, t.suffix, t.unit); });
    Run("cells", texts, [](const SlotTextViews& t) { return ReadCellQuantity(t.cell, t.unit); });
}
