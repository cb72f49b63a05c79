// Downloads records into a database for ever, saying each number once it is stored; the crash
// test kills it with SIGKILL in the middle.
#include <QCoreApplication>

#include <cstdio>

#include "measurement_record.h"
#include "record_store.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        return 2;
    }
    rangedesk::store::RecordStore store(QString::fromLocal8Bit(argv[1]));
    if (!store.ADOConnectAccess()) {
        std::fprintf(stderr, "%s\n", qPrintable(store.LastError()));
        return 1;
    }
    store.BeginDownload({3, 0x0486, 0x5750});
    store.EmptyLoadData();
    rangedesk::MeasurementRecord record;
    record.ModeText = "Single";
    std::uint8_t reply[64] = {};
    for (int i = 1;; ++i) {
        record.Slots[3].ValueText = std::to_string(i);
        reply[0] = static_cast<std::uint8_t>(i);
        store.AddRecToLib(i, record, rangedesk::RecordLayout::Extended, reply);
        std::printf("%d\n", i);
        std::fflush(stdout);
    }
}
