#pragma once

#include <QWidget>

#include <memory>

class QLabel;
class QPushButton;
class QTableView;

namespace rangedesk::meter {
class MeterOperations;
}
namespace rangedesk::store {
class DownloadHistory;
class DownloadWriter;
class DownloadListModel;
class DownloadRecordsModel;
class RecordStore;
} // namespace rangedesk::store

namespace rangedesk::app {

class RecordGrid;
class TMainForm;
class UserPrompts;

// The History window: every download kept, newest first, and the records of the one selected,
// which can be shown in the main grid, exported or deleted - never while a download runs.
class THistoryForm : public QWidget {
    Q_OBJECT
public:
    THistoryForm(TMainForm& main, store::RecordStore& store, meter::MeterOperations& operations,
                 UserPrompts& prompts);
    ~THistoryForm() override;

    // Reads the downloads again and selects the newest.
    void Reload();

    void ShowInMainGridClick();
    void ExportClick();
    void DeleteClick();

    QTableView& Downloads() { return *downloadsView_; }
    QTableView& Records();
    QPushButton& ShowInMainGrid() { return *showButton_; }
    QPushButton& Export() { return *exportButton_; }
    QPushButton& Delete() { return *deleteButton_; }
    qint64 SelectedDownload() const;

private:
    void SelectionChanged();
    void UpdateButtons();

    TMainForm& main_;
    meter::MeterOperations& operations_;
    UserPrompts& prompts_;
    std::unique_ptr<store::DownloadHistory> history_;
    std::unique_ptr<store::DownloadWriter> writer_;
    store::DownloadListModel* downloads_;
    store::DownloadRecordsModel* records_;
    QTableView* downloadsView_;
    RecordGrid* recordsView_;
    QLabel* recordsTitle_;
    QPushButton* showButton_;
    QPushButton* exportButton_;
    QPushButton* deleteButton_;
};

} // namespace rangedesk::app
