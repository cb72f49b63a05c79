#pragma once

#include <QObject>

#include <optional>

namespace rangedesk::meter {
class MeterOperations;
struct Reading;
} // namespace rangedesk::meter
namespace rangedesk::store {
class RecordStore;
}

namespace rangedesk::app {

// Keeps every reading the window takes (Read, or a Measure asked over D-Bus) in the database,
// with the meter, the time and the job chosen, so nothing measured live is lost.
class ReadingKeeper : public QObject {
    Q_OBJECT
public:
    ReadingKeeper(meter::MeterOperations& operations, store::RecordStore& store,
                  QObject* parent = nullptr);

    // The job the next readings are taken for.
    void SetJob(std::optional<qint64> jobId) { job_ = jobId; }

signals:
    // A reading was kept; or it could not be, and why (the reading itself is shown all the same).
    void readingKept(qint64 id);
    void keepingFailed(const QString& reason);

private:
    void Keep(const meter::Reading& reading);

    meter::MeterOperations& operations_;
    store::RecordStore& store_;
    std::optional<qint64> job_;
};

} // namespace rangedesk::app
