#pragma once

#include <QString>

namespace rangedesk::store {

class RecordStore;

// What a user says of a kept record: a label ("Kitchen north wall"), a note, and whether it is
// a deduction (an opening: a window, a door) that counts negative in every total. Never in
// LoadData. Each edit is one transaction as the one writer of the database, bumps the record's
// version and queues it for a team server; an empty text removes a label or note. Throws
// StoreError, and JobRefusal for a text too long or a record that does not exist.
class RecordEdits {
public:
    explicit RecordEdits(RecordStore& store) : store_(store) {}

    void SetLabel(qint64 downloadId, int recNo, const QString& label);
    void SetNote(qint64 downloadId, int recNo, const QString& note);
    void SetDeduction(qint64 downloadId, int recNo, bool deduction);

private:
    enum class Field { Label, Note, Deduction };
    void Set(qint64 downloadId, int recNo, Field field, const QVariant& value);

    RecordStore& store_;
};

} // namespace rangedesk::store
