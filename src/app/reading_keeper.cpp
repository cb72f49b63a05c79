#include "reading_keeper.h"

#include <exception>

#include "meter_operations.h"
#include "reading_log.h"
#include "record_store.h"

namespace rangedesk::app {

ReadingKeeper::ReadingKeeper(meter::MeterOperations& operations, store::RecordStore& store,
                             QObject* parent)
    : QObject(parent), operations_(operations), store_(store) {
    connect(&operations_, &meter::MeterOperations::readingReady, this, &ReadingKeeper::Keep);
}

void ReadingKeeper::Keep(const meter::Reading& reading) {
    try {
        const qint64 id = store::ReadingLog(store_).Add(store::ReadingFrom(
            operations_.CurrentSource(), reading.TenthsOfMillimetre, reading.Text + " m", job_));
        emit readingKept(id);
    } catch (const std::exception& e) {
        emit keepingFailed(QString::fromUtf8(e.what()));
    }
}

} // namespace rangedesk::app
