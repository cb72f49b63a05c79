#pragma once

#include <QAbstractTableModel>

#include <optional>
#include <vector>

#include "reading_log.h"

namespace rangedesk::store {

// The readings taken live, newest first: when (local time), the meter, the text as shown, then
// what the user says of each (label and note, edited in place). Those of one job, of none, or
// all. A refused edit changes nothing and is said by editFailed.
class ReadingListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Taken, Meter, Text, Label, Note, ColumnCount };
    // Which readings a list shows.
    struct Filter {
        std::optional<qint64> JobId; // those of one job
        bool WithoutJob = false;     // those of no job
    };

    explicit ReadingListModel(ReadingLog& log, QObject* parent = nullptr);

    // Reads the readings again; throws StoreError.
    void Reload(const Filter& filter);
    void Refresh() { Reload(filter_); }
    // Off while a download runs: nothing can be edited then.
    void SetEditable(bool editable);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    void editFailed(const QString& message);

private:
    ReadingLog& log_;
    Filter filter_;
    std::vector<ReadingInfo> readings_;
    bool editable_ = true;
};

} // namespace rangedesk::store
