#include "labelled_load_data_model.h"

#include "column_titles.h"
#include "download_history.h"
#include "edit_failure.h"
#include "load_data_model.h"
#include "record_edits.h"
#include "store_error.h"

namespace rangedesk::store {
namespace {

constexpr int kRecNoColumn = static_cast<int>(records::LoadDataColumn::RecNo);

} // namespace

LabelledLoadDataModel::LabelledLoadDataModel(LoadDataModel& table, DownloadHistory& history,
                                             RecordEdits& edits, QObject* parent)
    : QAbstractTableModel(parent), table_(table), history_(history), edits_(edits) {
    ForwardSignals();
}

// The rows are the LoadDataModel's: its resets, appends and cell edits are this model's too.
void LabelledLoadDataModel::ForwardSignals() {
    connect(&table_, &QAbstractItemModel::modelAboutToBeReset, this,
            &LabelledLoadDataModel::beginResetModel);
    connect(&table_, &QAbstractItemModel::modelReset, this, [this] {
        ReadLabels();
        endResetModel();
    });
    connect(&table_, &QAbstractItemModel::rowsAboutToBeInserted, this,
            [this](const QModelIndex&, int first, int last) { beginInsertRows({}, first, last); });
    connect(&table_, &QAbstractItemModel::rowsInserted, this,
            &LabelledLoadDataModel::endInsertRows);
    connect(&table_, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& from, const QModelIndex& to) {
                emit dataChanged(index(from.row(), from.column()), index(to.row(), to.column()));
            });
}

void LabelledLoadDataModel::ReadLabels() {
    download_.reset();
    said_.clear();
    if (running_) {
        return;
    }
    try {
        download_ = history_.LoadDataDownload();
        if (download_) {
            for (const HistoryRecord& r : history_.Records(*download_)) {
                said_[r.RecNo] = {r.Label, r.Deduction};
            }
        }
    } catch (const StoreError&) {
        download_.reset(); // a history that cannot be read has no labels to show
        said_.clear();
    }
}

void LabelledLoadDataModel::ReloadLabels() {
    ReadLabels();
    if (rowCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, kLabelColumn));
    }
}

void LabelledLoadDataModel::SetDownloadRunning(bool running) {
    if (running == running_) {
        return;
    }
    running_ = running;
    if (running) {
        ReloadLabels(); // none
    }
}

std::optional<int> LabelledLoadDataModel::RecordOf(int row) const {
    if (!download_ || row < 0 || row >= rowCount()) {
        return std::nullopt;
    }
    bool ok = false;
    const int recNo =
        table_.RowAt(row)[static_cast<std::size_t>(kRecNoColumn)].trimmed().toInt(&ok);
    return ok && said_.contains(recNo) ? std::optional(recNo) : std::nullopt;
}

const LabelledLoadDataModel::Said* LabelledLoadDataModel::SaidOf(int row) const {
    const std::optional<int> recNo = RecordOf(row);
    return recNo ? &said_.at(*recNo) : nullptr;
}

bool LabelledLoadDataModel::IsDeduction(int row) const {
    const Said* said = SaidOf(row);
    return said && said->Deduction;
}

QModelIndex LabelledLoadDataModel::Source(const QModelIndex& index) const {
    return table_.index(index.row(), index.column());
}

int LabelledLoadDataModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.rowCount();
}

int LabelledLoadDataModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kLabelColumn + 1;
}

QVariant LabelledLoadDataModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    if (role == kDeductionRole) {
        return IsDeduction(index.row());
    }
    if (role == Qt::ToolTipRole && IsDeduction(index.row())) {
        return QCoreApplication::translate("ColumnTitles", "Deduction: counts negative in totals");
    }
    if (index.column() != kLabelColumn) {
        return table_.data(Source(index), role);
    }
    if (role == Qt::TextAlignmentRole) {
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    }
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        const Said* said = SaidOf(index.row());
        return said ? said->Label : QString();
    }
    return {};
}

QVariant LabelledLoadDataModel::headerData(int section, Qt::Orientation orientation,
                                           int role) const {
    if (orientation == Qt::Horizontal && section == kLabelColumn) {
        if (role == Qt::DisplayRole || role == kSourceTitleRole) {
            return ColumnTitle(QT_TRANSLATE_NOOP("ColumnTitles", "Label"), role);
        }
        if (role == Qt::TextAlignmentRole) {
            return int(Qt::AlignCenter);
        }
    }
    return table_.headerData(section, orientation, role);
}

Qt::ItemFlags LabelledLoadDataModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || index.column() != kLabelColumn) {
        return table_.flags(Source(index));
    }
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return CanEdit(index.row()) ? flags | Qt::ItemIsEditable : flags;
}

bool LabelledLoadDataModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.column() != kLabelColumn) {
        return table_.setData(Source(index), value, role);
    }
    if (role != Qt::EditRole || !CanEdit(index.row())) {
        return false;
    }
    Said now = *SaidOf(index.row());
    now.Label = value.toString();
    return Edit(
        index.row(),
        [&](qint64 download, int recNo) { edits_.SetLabel(download, recNo, now.Label); }, now);
}

bool LabelledLoadDataModel::SetDeduction(int row, bool deduction) {
    if (!CanEdit(row)) {
        return false;
    }
    Said now = *SaidOf(row);
    now.Deduction = deduction;
    return Edit(
        row, [&](qint64 download, int recNo) { edits_.SetDeduction(download, recNo, deduction); },
        now);
}

// Stores an edit of a row's record; the grid shows it once it is stored.
bool LabelledLoadDataModel::Edit(int row, const std::function<void(qint64, int)>& edit,
                                 const Said& now) {
    const int recNo = *RecordOf(row);
    Said& said = said_.at(recNo);
    if (said.Label == now.Label && said.Deduction == now.Deduction) {
        return true; // an editor closed unchanged writes nothing
    }
    if (const std::optional<QString> failure = EditFailure([&] { edit(*download_, recNo); })) {
        emit editFailed(*failure);
        return false;
    }
    said = now;
    // Every row showing this record (a number repeated by an edit of LoadData) follows.
    emit dataChanged(index(0, 0), index(rowCount() - 1, kLabelColumn));
    emit recordEdited(*download_, recNo);
    return true;
}

} // namespace rangedesk::store
