#pragma once

#include <QDateTime>
#include <QString>
#include <QUuid>

#include <optional>
#include <vector>

#include "record_sink.h"

namespace rangedesk::store {

class RecordStore;

// One reading taken live (Read, the shortcut, the measure command), kept so nothing measured is
// lost: when, which meter, the distance and its text, the job it was taken for, and what the
// user says of it.
struct ReadingInfo {
    qint64 Id = 0;
    QUuid Uuid;
    QDateTime Taken; // UTC
    int Model = 0;
    int VendorID = 0;
    int ProductID = 0;
    QString Serial;
    bool Simulated = false;
    qint64 DistanceTenths = 0; // tenths of a millimetre
    QString Text;              // "1.234 m"
    std::optional<qint64> JobId;
    QString JobName;
    QString Label;
    QString Note;
};

// A reading of the meter `source` as the log keeps it: tenths of a millimetre and its text.
ReadingInfo ReadingFrom(const records::DownloadSource& source, qint64 tenths, const QString& text,
                        std::optional<qint64> jobId);

// The readings of a database. Every write is one transaction as the one writer and is queued
// for a team server. Throws StoreError, and JobRefusal for a text too long or a reading that
// does not exist.
class ReadingLog {
public:
    explicit ReadingLog(RecordStore& store) : store_(store) {}

    // Keeps a reading (its id and uuid are made here); returns its id.
    qint64 Add(const ReadingInfo& reading);
    // Newest first; those of one job, or all.
    std::vector<ReadingInfo> List(std::optional<qint64> jobId = std::nullopt) const;
    void SetLabel(qint64 id, const QString& label);
    void SetNote(qint64 id, const QString& note);

private:
    void SetText(qint64 id, const char* column, const QString& what, const QString& text);

    RecordStore& store_;
};

} // namespace rangedesk::store
