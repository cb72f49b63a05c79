// rangedesk-decode --model N: decodes captured record replies, one per line of standard input,
// as a download from a meter of model N would, and prints the texts of each.
#include <clocale>
#include <cstdlib>
#include <iostream>
#include <string>

#include "hex_line.h"
#include "measurement_record.h"
#include "model_table.h"
#include "record_reply.h"

namespace {

int Usage() {
    std::cerr << "usage: rangedesk-decode --model N   (replies as hexadecimal lines on stdin)\n";
    return 2;
}

void PrintRecord(const rangedesk::MeasurementRecord& r) {
    std::cout << r.ModeText << '\t' << r.UnitText;
    for (const auto& slot : r.Slots) {
        std::cout << '\t' << slot.ValueText << '\t' << slot.SuffixText;
    }
    std::cout << '\n';
}

} // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    if (argc != 3 || std::string(argv[1]) != "--model") {
        return Usage();
    }
    char* end = nullptr;
    const long model = std::strtol(argv[2], &end, 10);
    if (end == argv[2] || *end != '\0') {
        return Usage();
    }
    const auto layout = rangedesk::meter::LayoutFor(static_cast<int>(model));
    const auto format = rangedesk::NumberFormat::FromCurrentLocale();
    rangedesk::MeasurementRecord record;
    bool failed = false;
    std::string line;
    for (int number = 1; std::getline(std::cin, line); ++number) {
        const auto bytes = ParseHexLine(line);
        if (!bytes) {
            std::cerr << "line " << number << ": not hexadecimal bytes\n";
            failed = true;
            continue;
        }
        if (bytes->empty()) {
            continue;
        }
        if (bytes->size() < rangedesk::ReplyLength(layout)) {
            std::cerr << "line " << number << ": " << bytes->size() << " bytes, the layout needs "
                      << rangedesk::ReplyLength(layout) << "\n";
            failed = true;
            continue;
        }
        rangedesk::DecodeRecordReply(layout, *bytes, record, format);
        PrintRecord(record);
    }
    return failed ? 1 : 0;
}
