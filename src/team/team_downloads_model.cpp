#include "team_downloads_model.h"

#include "meter_text.h"
#include "team_history_reader.h"

namespace rangedesk::team {

TeamDownloadsModel::TeamDownloadsModel(TeamSettings settings, QString password, QObject* parent)
    : QAbstractTableModel(parent),
      reader_(std::make_unique<TeamHistoryReader>(std::move(settings), std::move(password))) {
    thread_.setObjectName("team history");
    connect(reader_.get(), &TeamHistoryReader::Listed, this, &TeamDownloadsModel::TakeRows);
    connect(reader_.get(), &TeamHistoryReader::RecordsRead, this, &TeamDownloadsModel::RecordsRead);
    connect(reader_.get(), &TeamHistoryReader::Failed, this, [this](const QString& message) {
        problem_ = message;
        emit Failed(message);
    });
    reader_->moveToThread(&thread_);
    connect(&thread_, &QThread::started, reader_.get(), &TeamHistoryReader::Start);
    thread_.start();
}

TeamDownloadsModel::~TeamDownloadsModel() {
    QMetaObject::invokeMethod(reader_.get(), &TeamHistoryReader::Shutdown,
                              Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
}

void TeamDownloadsModel::SetSearch(const QString& text) {
    search_ = text;
    Refresh();
}

void TeamDownloadsModel::Refresh() {
    QMetaObject::invokeMethod(reader_.get(),
                              [reader = reader_.get(), search = search_] { reader->List(search); });
}

void TeamDownloadsModel::RequestRecords(const QUuid& download) {
    QMetaObject::invokeMethod(
        reader_.get(), [reader = reader_.get(), download] { reader->ReadRecords(download); });
}

void TeamDownloadsModel::TakeRows(const std::vector<TeamHistoryRow>& rows, const QString& search) {
    if (search != search_) {
        return; // an answer to an older search: the newer one follows
    }
    beginResetModel();
    rows_ = rows;
    endResetModel();
    loaded_ = true;
    problem_.clear();
    emit Refreshed();
}

int TeamDownloadsModel::RowOf(const QUuid& download) const {
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].Download.Uuid == download) {
            return int(i);
        }
    }
    return -1;
}

int TeamDownloadsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int TeamDownloadsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TeamDownloadsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || role != Qt::DisplayRole) {
        return {};
    }
    const TeamHistoryRow& row = rows_[std::size_t(index.row())];
    const TeamDownload& d = row.Download;
    switch (Column(index.column())) {
    case When:
        return d.Started.toLocalTime().toString("yyyy-MM-dd HH:mm:ss");
    case Desk:
        return d.Desk;
    case User:
        return d.User;
    case Meter:
        return TeamMeterText(d);
    case Records:
        return QString("%1 of %2").arg(d.Stored).arg(d.Asked);
    case New:
        return d.NewRecords;
    case Outcome:
        return d.Outcome;
    case Job:
        return row.JobName;
    case ColumnCount:
        break;
    }
    return {};
}

QVariant TeamDownloadsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char* const kTitles[] = {"Date and time", "Desk", "User",    "Meter",
                                          "Records",       "New",  "Outcome", "Job"};
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < ColumnCount) {
        return QString(kTitles[section]);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

QString TeamMeterText(const TeamDownload& download) {
    return records::MeterText(download.Model, download.Serial, download.Simulated);
}

} // namespace rangedesk::team
