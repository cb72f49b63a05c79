#pragma once

#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTabWidget;
class QTableView;

namespace rangedesk::meter {
class MeterOperations;
}
namespace rangedesk::store {
class DownloadHistory;
class DownloadWriter;
class KeptRecordsTable;
class DownloadListModel;
class DownloadRecordsModel;
class ReadingListModel;
class ReadingLog;
class RecordEdits;
class RecordStore;
struct DownloadFilter;
struct DownloadInfo;
struct JobInfo;
} // namespace rangedesk::store

namespace rangedesk::app {

class RecordGrid;
class TTotalsPanel;
class TMainForm;
class UserPrompts;

// The History window: every download kept, newest first, with its job, filtered by job and
// found by a search as the user types; the records of the one selected, all or only the new
// ones, with their labels, notes and deductions edited in place; beside them, the readings
// taken live for the jobs the list shows, their labels and notes edited in place too. A download
// can be shown in the main grid, exported, deleted and put into a job; jobs can be made and edited.
// Nothing that changes the database works while a download runs. Its size is remembered between
// runs.
class THistoryForm : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kSizeKey = "history/size";
    static constexpr int kSearchDelayMs = 150;
    static constexpr int kListedRows = 12; // the list shows at least this many

    THistoryForm(TMainForm& main, store::RecordStore& store, meter::MeterOperations& operations,
                 UserPrompts& prompts);
    ~THistoryForm() override;

    // Reads the jobs and downloads again and selects the newest download listed.
    void Reload();
    // The jobs changed elsewhere: the filter and the list follow, the selection stays.
    void JobsChanged();
    // A download's records were edited elsewhere: its records follow when it is shown.
    void RecordsEdited(qint64 downloadId);

    void ShowInMainGridClick();
    void ExportClick();
    // The Readings tab is the one shown.
    bool ShowsReadings() const;
    void DeleteClick();
    void AssignClick();
    void NewJobClick();
    void EditJobClick();
    // The job the list is filtered by: its records exported, or its report previewed in the
    // unit system of the totals.
    void ExportJobClick();
    void ReportClick();

    QTableView& Downloads() { return *downloadsView_; }
    QTableView& Records();
    QTableView& Readings() { return *readingsView_; }
    // "Records" of the selected download, or "Readings".
    QTabWidget& Views() { return *views_; }
    QComboBox& JobFilter() { return *jobFilter_; }
    QLineEdit& SearchBox() { return *search_; }
    QCheckBox& OnlyNew() { return *onlyNew_; }
    QLabel& RecordsTitle() { return *recordsTitle_; }
    QPushButton& ShowInMainGrid() { return *showButton_; }
    QPushButton& Export() { return *exportButton_; }
    QPushButton& Delete() { return *deleteButton_; }
    QPushButton& Assign() { return *assignButton_; }
    QPushButton& NewJob() { return *newJobButton_; }
    QPushButton& EditJob() { return *editJobButton_; }
    QPushButton& ExportJob() { return *exportJobButton_; }
    QPushButton& Report() { return *reportButton_; }
    TTotalsPanel& Totals() { return *totals_; }
    qint64 SelectedDownload() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    enum class Selection { Newest, Keep };
    void BuildViews();
    void BuildLayout();
    void ShowJobFilter();
    void ShowList(Selection selection);
    void ShowReadings();
    store::DownloadFilter Filter() const;
    void SelectionChanged();
    void ShowRecords();
    void UpdateButtons();
    void ChangedJobs();
    const store::DownloadInfo* Selected() const;
    // The job Edit job... edits: the one the filter shows, else the selected download's.
    std::optional<store::JobInfo> JobToEdit() const;
    // Runs an edit of the database; false when a download runs or the edit was refused (said).
    bool RunEdit(const std::function<void()>& edit);
    // The job the filter shows; nothing for all jobs or no job.
    std::optional<store::JobInfo> FilteredJob() const;
    // The totals of the filtered job, read again.
    void ShowJobTotals();

    TMainForm& main_;
    store::RecordStore& store_;
    meter::MeterOperations& operations_;
    UserPrompts& prompts_;
    std::unique_ptr<store::DownloadHistory> history_;
    std::unique_ptr<store::DownloadWriter> writer_;
    std::unique_ptr<store::RecordEdits> edits_;
    std::unique_ptr<store::ReadingLog> readingLog_;
    store::DownloadListModel* downloads_;
    store::DownloadRecordsModel* records_;
    store::ReadingListModel* readings_;
    QSortFilterProxyModel* sortedDownloads_;
    QSortFilterProxyModel* sortedRecords_;
    QSortFilterProxyModel* sortedReadings_;
    QTableView* downloadsView_;
    RecordGrid* recordsView_;
    QTableView* readingsView_;
    QTabWidget* views_;
    QComboBox* jobFilter_;
    QLineEdit* search_;
    QTimer searchDelay_;
    QCheckBox* onlyNew_;
    QLabel* recordsTitle_;
    QPushButton* showButton_;
    QPushButton* exportButton_;
    QPushButton* deleteButton_;
    QPushButton* assignButton_;
    QPushButton* newJobButton_;
    QPushButton* editJobButton_;
    QPushButton* exportJobButton_ = nullptr;
    QPushButton* reportButton_ = nullptr;
    store::KeptRecordsTable* jobRecords_ = nullptr;
    TTotalsPanel* totals_ = nullptr;
};

} // namespace rangedesk::app
