#pragma once

#include <QComboBox>

#include <optional>
#include <vector>

namespace rangedesk::store {
struct JobInfo;
}

namespace rangedesk::app {

// The Job choice beside the buttons: "No job", the jobs newest first, and "New job...". The
// job chosen is remembered between runs (QSettings, its UUID under kSettingKey), so the next
// start picks it again in a database that has it. The tooltip names the job in full.
class JobChoice : public QComboBox {
    Q_OBJECT
public:
    static constexpr const char* kSettingKey = "window/job";

    explicit JobChoice(QWidget* parent = nullptr);

    // Lists these jobs (newest first), keeping the job chosen; the first time, the remembered
    // one. A job chosen that is gone leaves "No job".
    void SetJobs(const std::vector<store::JobInfo>& jobs);
    // The job downloads go into; nothing for "No job".
    std::optional<qint64> Job() const;
    // Chooses a job as the user would: it is remembered and jobChosen is emitted.
    void Choose(std::optional<qint64> job);

signals:
    void jobChosen(std::optional<qint64> job);
    // "New job..." was picked; the choice stays as it was.
    void newJobAsked();

private:
    enum class Entry { NoJob, Job, NewJob };
    void Fill(const std::vector<store::JobInfo>& jobs, const QString& chosenUuid);
    void Picked(int index);
    int IndexOf(std::optional<qint64> job) const;
    void ShowTip();

    bool restored_ = false; // the remembered job was looked for
    int chosen_ = 0;
};

} // namespace rangedesk::app
