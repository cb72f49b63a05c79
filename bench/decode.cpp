// Decodes a million mixed records of each layout and prints records per second.
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

#include "measurement_record.h"
#include "record_encoder.h"
#include "record_reply.h"

using namespace rangedesk;

namespace {

constexpr int kRecords = 1'000'000;
constexpr int kDistinct = 4096;

std::vector<std::vector<std::uint8_t>> MixedReplies(RecordLayout layout) {
    std::mt19937 rng(42);
    std::vector<std::vector<std::uint8_t>> replies;
    for (int i = 0; i < kDistinct; ++i) {
        if (layout == RecordLayout::Extended) {
            ExtendedRecord f;
            f.ModeCode = rng() % 23;
            f.UnitCode = rng() % 6;
            f.AccumulateCode = rng() % 3;
            f.PercentFlag = rng() % 2;
            for (std::size_t s = 0; s < 4; ++s) {
                f.Value[s] = rng() % 2000000;
                f.Decimals[s] = rng() % 4;
                f.Kind[s] = rng() % 5;
            }
            replies.push_back(sim::EncodeExtendedReply(f));
        } else {
            sim::CompactFields f;
            f.UnitCode = rng() % 8;
            f.ModeCode = rng() % 14;
            f.AccumulateCode = rng() % 3;
            f.Dist1Raw = rng() % 2000000;
            f.Dist2Raw = rng() % 2000000;
            f.Dist3Raw = rng() % 2000000;
            f.ResultRaw = rng() % 2000000;
            replies.push_back(sim::EncodeCompactReply(f));
        }
    }
    return replies;
}

void Run(RecordLayout layout, const char* name) {
    const auto replies = MixedReplies(layout);
    const NumberFormat format;
    MeasurementRecord record;
    std::size_t checksum = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kRecords; ++i) {
        DecodeRecordReply(layout, replies[static_cast<std::size_t>(i % kDistinct)], record, format);
        checksum += record.Slots[3].ValueText.size();
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    std::printf("%-8s %d records in %.3f s: %.0f records/s (checksum %zu)\n", name, kRecords,
                elapsed.count(), kRecords / elapsed.count(), checksum);
}

} // namespace

int main() {
    Run(RecordLayout::Extended, "extended");
    Run(RecordLayout::Compact, "compact");
}
