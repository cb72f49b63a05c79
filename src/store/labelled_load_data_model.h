#pragma once

#include <QAbstractTableModel>

#include <functional>
#include <map>
#include <optional>

#include "load_data_columns.h"

namespace rangedesk::store {

class DownloadHistory;
class LoadDataModel;
class RecordEdits;

// The main grid's table: LoadData's seven columns as the LoadDataModel has them (edited in
// LoadData as ever), and an eighth, the label of the kept record each row shows. That record is
// the one of the row's number in the download LoadData shows; a row of no known download (rows
// an older version left, a number the download does not keep) has an empty, read-only label.
// Labels and deductions are written to the kept records, never to LoadData. The exports and
// the printout read the LoadDataModel itself, so they keep their seven columns.
class LabelledLoadDataModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kLabelColumn = records::kLoadDataColumnCount;
    // True in every column of a row whose record is a deduction, so a view can mark it.
    static constexpr int kDeductionRole = Qt::UserRole + 1;

    LabelledLoadDataModel(LoadDataModel& table, DownloadHistory& history, RecordEdits& edits,
                          QObject* parent = nullptr);

    // Reads again which download LoadData shows and its records' labels and deductions; none
    // when the history cannot be read.
    void ReloadLabels();
    // While a download runs its rows have no labels yet and none can be set; once it has ended,
    // ReloadLabels reads those of the download LoadData shows then.
    void SetDownloadRunning(bool running);
    // The download LoadData shows; nothing when it is not known.
    std::optional<qint64> Download() const { return download_; }
    // The number of the kept record a row shows; nothing when the row has none.
    std::optional<int> RecordOf(int row) const;
    bool IsDeduction(int row) const;
    // Marks the row's record as a deduction or not; false (and editFailed) when refused.
    bool SetDeduction(int row, bool deduction);
    bool CanEdit(int row) const { return !running_ && RecordOf(row).has_value(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    void recordEdited(qint64 downloadId, int recNo);
    void editFailed(const QString& message);

private:
    struct Said {
        QString Label;
        bool Deduction = false;
    };
    void ForwardSignals();
    void ReadLabels();
    const Said* SaidOf(int row) const;
    QModelIndex Source(const QModelIndex& index) const;
    bool Edit(int row, const std::function<void(qint64, int)>& edit, const Said& now);

    LoadDataModel& table_;
    DownloadHistory& history_;
    RecordEdits& edits_;
    std::optional<qint64> download_;
    std::map<int, Said> said_; // by record number
    bool running_ = false;
};

} // namespace rangedesk::store
