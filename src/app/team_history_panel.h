#pragma once

#include <QUuid>
#include <QWidget>

#include <memory>
#include <vector>

#include "team_rows.h"
#include "team_settings.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace rangedesk::meter {
class MeterOperations;
}
namespace rangedesk::team {
class TeamDownloadsModel;
class TeamRecordsModel;
} // namespace rangedesk::team

namespace rangedesk::app {

class RecordGrid;
class TMainForm;

// The History's "Team" view: the team server's downloads with the desk and user that made them,
// searchable as this desk's (job, client, mode, label, note), and the records of the one
// selected, which can be shown in the main grid or exported as a download of this desk can.
// The list follows other desks' pushes by the server's change notices; the server is read on a
// thread of its own, so a slow or lost server never holds the window up.
class TeamHistoryPanel : public QWidget {
    Q_OBJECT
public:
    // `password`: typed in this run or read from the keyring; empty leaves libpq its sources.
    TeamHistoryPanel(TMainForm& main, meter::MeterOperations& operations,
                     team::TeamSettings settings, QString password, QWidget* parent = nullptr);
    ~TeamHistoryPanel() override;
    // The team's view of a window's History, for HistoryScope: the server of the saved
    // settings with the window's password; nullptr while no server is set.
    static TeamHistoryPanel* ForWindow(TMainForm& main, QWidget* parent);

    // Puts the selected download's records into LoadData, in place of what it held.
    void ShowInMainGridClick();
    void ExportClick();

    QLineEdit& Search() { return *search_; }
    QTableView& Downloads() { return *downloadsView_; }
    QTableView& Records();
    QPushButton& ShowInMainGrid() { return *showButton_; }
    QPushButton& Export() { return *exportButton_; }
    // Why the server cannot be read now; empty while it can.
    QLabel& Problem() { return *problem_; }
    team::TeamDownloadsModel& Model() { return *downloads_; }
    // The download selected; null for none.
    QUuid SelectedDownload() const;

private:
    void SelectionChanged();
    void TakeRecords(const QUuid& download, const std::vector<team::TeamRecord>& records);
    void Relisted();
    void UpdateButtons();

    TMainForm& main_;
    meter::MeterOperations& operations_;
    team::TeamDownloadsModel* downloads_;
    team::TeamRecordsModel* records_;
    QUuid shownRecordsOf_; // the download whose records the lower table holds
    QLineEdit* search_;
    QTableView* downloadsView_;
    RecordGrid* recordsView_;
    QLabel* recordsTitle_;
    QLabel* problem_;
    QPushButton* showButton_;
    QPushButton* exportButton_;
};

} // namespace rangedesk::app
