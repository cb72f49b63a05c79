#include "job_choice.h"

#include <QSettings>
#include <QUuid>

#include "job_book.h"

namespace rangedesk::app {
namespace {

constexpr int kEntryRole = Qt::UserRole;
constexpr int kIdRole = Qt::UserRole + 1;
constexpr int kUuidRole = Qt::UserRole + 2;

} // namespace

JobChoice::JobChoice(QWidget* parent) : QComboBox(parent) {
    setObjectName("JobChoice");
    setAccessibleName(tr("Job"));
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(6);
    Fill({}, {});
    connect(this, &QComboBox::activated, this, &JobChoice::Picked);
}

void JobChoice::SetJobs(const std::vector<store::JobInfo>& jobs) {
    const QString keep = restored_ ? itemData(chosen_, kUuidRole).toString()
                                   : QSettings().value(kSettingKey).toString();
    restored_ = true;
    Fill(jobs, keep);
}

void JobChoice::Fill(const std::vector<store::JobInfo>& jobs, const QString& chosenUuid) {
    const QSignalBlocker quiet(this);
    clear();
    addItem(tr("No job"), int(Entry::NoJob));
    insertSeparator(count());
    for (const store::JobInfo& job : jobs) {
        addItem(job.Name, int(Entry::Job));
        const int at = count() - 1;
        setItemData(at, job.Id, kIdRole);
        setItemData(at, job.Uuid.toString(QUuid::WithoutBraces), kUuidRole);
        setItemData(at, job.Client.isEmpty() ? job.Name : job.Name + " (" + job.Client + ")",
                    Qt::ToolTipRole);
    }
    if (!jobs.empty()) {
        insertSeparator(count());
    }
    addItem(tr("New job..."), int(Entry::NewJob));
    chosen_ = chosenUuid.isEmpty() ? 0 : std::max(0, findData(chosenUuid, kUuidRole));
    setCurrentIndex(chosen_);
    ShowTip();
}

std::optional<qint64> JobChoice::Job() const {
    if (itemData(chosen_, kEntryRole).toInt() != int(Entry::Job)) {
        return std::nullopt;
    }
    return itemData(chosen_, kIdRole).toLongLong();
}

int JobChoice::IndexOf(std::optional<qint64> job) const {
    return job ? std::max(0, findData(*job, kIdRole)) : 0;
}

void JobChoice::Choose(std::optional<qint64> job) {
    setCurrentIndex(IndexOf(job));
    Picked(currentIndex());
}

void JobChoice::Picked(int index) {
    if (itemData(index, kEntryRole).toInt() == int(Entry::NewJob)) {
        setCurrentIndex(chosen_);
        emit newJobAsked();
        return;
    }
    chosen_ = index;
    QSettings().setValue(kSettingKey, itemData(index, kUuidRole).toString());
    ShowTip();
    emit jobChosen(Job());
}

void JobChoice::ShowTip() {
    const QString name = Job() ? itemText(chosen_) : QString();
    setToolTip(name.isEmpty() ? tr("No job: downloads go into no job")
                              : tr("Downloads go into the job %1").arg(name));
}

} // namespace rangedesk::app
