#include "reading_list_model.h"

#include <algorithm>

#include "column_titles.h"
#include "edit_failure.h"
#include "history_models.h"

namespace rangedesk::store {
namespace {

// The meter as the history names it: "model 3 SN0042", "simulated model 3", "-".
QString MeterOf(const ReadingInfo& r) {
    DownloadInfo meter;
    meter.Model = r.Model;
    meter.Serial = r.Serial;
    meter.Simulated = r.Simulated;
    return MeterText(meter);
}

} // namespace

ReadingListModel::ReadingListModel(ReadingLog& log, QObject* parent)
    : QAbstractTableModel(parent), log_(log) {}

void ReadingListModel::Reload(const Filter& filter) {
    std::vector<ReadingInfo> readings = log_.List(filter.JobId);
    if (filter.WithoutJob) {
        std::erase_if(readings, [](const ReadingInfo& r) { return r.JobId.has_value(); });
    }
    beginResetModel();
    filter_ = filter;
    readings_ = std::move(readings);
    endResetModel();
}

void ReadingListModel::SetEditable(bool editable) {
    if (editable == editable_) {
        return;
    }
    editable_ = editable;
    if (rowCount() > 0) {
        emit dataChanged(index(0, Label), index(rowCount() - 1, Note));
    }
}

int ReadingListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(readings_.size());
}

int ReadingListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ReadingListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const ReadingInfo& r = readings_[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    if (role == Qt::TextAlignmentRole) {
        return int(column == Text ? Qt::AlignRight | Qt::AlignVCenter
                                  : Qt::AlignLeft | Qt::AlignVCenter);
    }
    if (role == kSortRole && column == Taken) {
        return r.Taken;
    }
    if (role == kSortRole && column == Text) {
        return r.DistanceTenths;
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole && role != kSortRole) {
        return {};
    }
    switch (column) {
    case Taken:
        return r.Taken.toLocalTime().toString("yyyy-MM-dd HH:mm:ss");
    case Meter:
        return MeterOf(r);
    case Text:
        return r.Text;
    case Label:
        return r.Label;
    case Note:
        return r.Note;
    default:
        return {};
    }
}

QVariant ReadingListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char* const kTitles[] = {
        QT_TRANSLATE_NOOP("ColumnTitles", "Taken"), QT_TRANSLATE_NOOP("ColumnTitles", "Meter"),
        QT_TRANSLATE_NOOP("ColumnTitles", "Reading"), QT_TRANSLATE_NOOP("ColumnTitles", "Label"),
        QT_TRANSLATE_NOOP("ColumnTitles", "Note")};
    if (orientation == Qt::Horizontal && (role == Qt::DisplayRole || role == kSourceTitleRole) &&
        section >= 0 && section < ColumnCount) {
        return ColumnTitle(kTitles[section], role);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags ReadingListModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && editable_ && (index.column() == Label || index.column() == Note)) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

bool ReadingListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const int column = index.column();
    if (!index.isValid() || index.row() >= rowCount() || !editable_ || role != Qt::EditRole ||
        (column != Label && column != Note)) {
        return false;
    }
    ReadingInfo& r = readings_[static_cast<std::size_t>(index.row())];
    const QString text = value.toString();
    if (text == (column == Label ? r.Label : r.Note)) {
        return true; // an editor closed unchanged writes nothing
    }
    const std::optional<QString> failure = EditFailure([&] {
        if (column == Label) {
            log_.SetLabel(r.Id, text);
            r.Label = text;
        } else {
            log_.SetNote(r.Id, text);
            r.Note = text;
        }
    });
    if (failure) {
        emit editFailed(*failure);
        return false;
    }
    emit dataChanged(index, index);
    return true;
}

} // namespace rangedesk::store
