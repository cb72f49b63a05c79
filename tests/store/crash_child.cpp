// A second program on a test's database.
//   store_crash_child DB       downloads records into it for ever, saying each number once it
//                              is stored; the crash test kills it with SIGKILL in the middle.
//   store_crash_child DB open  waits for a line on standard input (so that several start at
//                              once), opens DB for writing, says "opened" or the error.
#include <QCoreApplication>

#include <cstdio>
#include <iostream>
#include <string>

#include "measurement_record.h"
#include "record_store.h"
#include "store_error.h"
#include "store_record_sink.h"

using rangedesk::store::RecordStore;
using rangedesk::store::StoreAccess;
using rangedesk::store::StoreError;

namespace {

int OpenOnGo(const QString& path) {
    std::string go;
    std::getline(std::cin, go);
    try {
        RecordStore store(path, StoreAccess::ReadWrite);
        store.Open();
        std::printf("opened\n");
        return 0;
    } catch (const StoreError& e) {
        std::printf("%s\n", e.what());
        return 1;
    }
}

int DownloadForEver(const QString& path) {
    RecordStore store(path, StoreAccess::ReadWrite);
    rangedesk::store::StoreRecordSink sink(store);
    try {
        store.Open();
        sink.BeginDownload(rangedesk::records::DownloadSource{3, 0x0486, 0x5750, {}, false, "."});
    } catch (const StoreError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    sink.EmptyLoadData();
    rangedesk::MeasurementRecord record;
    record.ModeText = "Single";
    std::uint8_t reply[64] = {};
    for (int i = 1;; ++i) {
        record.Slots[3].ValueText = std::to_string(i);
        reply[0] = static_cast<std::uint8_t>(i);
        sink.AddRecToLib(i, record, rangedesk::RecordLayout::Extended, reply);
        std::printf("%d\n", i);
        std::fflush(stdout);
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 3 && std::string(argv[2]) == "open") {
        return OpenOnGo(QString::fromLocal8Bit(argv[1]));
    }
    if (argc != 2) {
        return 2;
    }
    return DownloadForEver(QString::fromLocal8Bit(argv[1]));
}
