#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QUuid>

// The rows a desk shares with a team server, as both the local store and the team push see
// them: jobs, downloads with their kept records, and readings, each keyed by a UUID (a record
// by its download's and its number) and carrying the version of its editable fields.
namespace rangedesk::records {

// The version every editable row carries. Each edit on a desk bumps Number once per push
// (an edit of a row that already waits in the outbox keeps its number), sets Changed (UTC) and
// ChangedBy (the desk's name). The server applies an edit built on its own version; two desks
// that edited the same version: the later edit wins, the other is told.
struct RowVersion {
    int Number = 1;
    QDateTime Changed; // null: never edited
    QString ChangedBy;
    bool operator==(const RowVersion&) const = default;
};

struct SharedJob {
    QUuid Uuid;
    QString Name;
    QString Client;
    QString Address;
    QString Notes;
    QDateTime Created;
    QString Desk; // the desk that made it
    RowVersion Version;
    bool operator==(const SharedJob&) const = default;
};

// A download and its one editable field, the job it belongs to.
struct SharedDownload {
    QUuid Uuid;
    QDateTime Started;
    QDateTime Finished;
    int Model = 0;
    int Vendor = 0;
    int Product = 0;
    QString Serial;
    bool Simulated = false;
    QString DecimalSeparator;
    int Asked = 0;
    int Stored = 0;
    int NewRecords = 0; // new since the previous download of that meter model on its desk
    QString Outcome;    // "complete", "incomplete", ... as the history keeps it
    QString Desk;
    QString User;
    QUuid Job; // null: no job
    RowVersion JobVersion;
    bool operator==(const SharedDownload&) const = default;
};

// A kept record: the meter's bytes and texts never change; label, note and deduction do.
struct SharedRecord {
    QUuid Download;
    int RecNo = 0;
    QByteArray Reply; // empty for imported rows
    QString Mode;
    QString Unit;
    QString Dist1;
    QString Dist2;
    QString Dist3;
    QString Result;
    QString Label;
    QString Note;
    bool Deduction = false;
    RowVersion Version;
    bool operator==(const SharedRecord&) const = default;
};

struct SharedReading {
    QUuid Uuid;
    QDateTime Taken;
    int Model = 0;
    int Vendor = 0;
    int Product = 0;
    QString Serial;
    bool Simulated = false;
    qint64 DistanceTenths = 0; // tenths of a millimetre
    QString Text;              // "1.234 m"
    QUuid Job;
    QString Label;
    QString Note;
    QString Desk;
    RowVersion Version;
    bool operator==(const SharedReading&) const = default;
};

} // namespace rangedesk::records
