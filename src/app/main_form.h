#pragma once

#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "data_location.h"
#include "download_history.h"
#include "reading_display.h"
#include "table_export.h"

class QAction;
class QAbstractItemModel;
class QLabel;
class QPushButton;
class QTableView;
class QToolButton;

namespace rangedesk::hid {
class HidPlatform;
class THidDeviceController;
} // namespace rangedesk::hid
namespace rangedesk::meter {
class MeterLink;
class MeterOperations;
class MeterSession;
struct MeterConnection;
struct Reading;
} // namespace rangedesk::meter
namespace rangedesk::records {
struct DownloadSummary;
}
namespace rangedesk::store {
class DownloadHistory;
class LabelledLoadDataModel;
class LoadDataModel;
class RecordEdits;
class RecordStore;
class StoreRecordSink;
} // namespace rangedesk::store

namespace rangedesk::app {

class JobChoice;
class LiveMeasurement;
class ReadingKeeper;
class RecordNavigator;
class StatusBar;
class TForm1;
class THistoryForm;
class UserPrompts;
class WindowTeam;

// The main window: the meter picture with its reading display, the record grid and its
// navigator, six command buttons and the status bar. It owns everything that lives for the run
// and shows what the meter core reports; it holds no meter logic of its own.
class TMainForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 905;
    static constexpr int kClientHeight = 510;

    // What the window is doing; the buttons follow from it, the meter and the records.
    enum class WindowState {
        Idle,
        Downloading, // locked: no button but Cancel, no close box
        AboutOpen,   // every command button off until the About window is left
        Stopping,    // a stop signal came during a download: it is cancelled, then the run ends
    };

    // `programDir` is the folder of the running program; its lib/ holds the database.
    TMainForm(hid::HidPlatform& platform, UserPrompts& prompts, const QString& programDir,
              QWidget* parent = nullptr);
    ~TMainForm() override;

    // Switches Read, Clear and Export Records together.
    void ALLButtonEn(bool on);
    void SetRecordsLoaded();
    // Rows were put into LoadData from the history: Export to Excel and Print follow.
    void RecordsShown();

    // What an export writes: a table, its columns in a format and unit system, and the
    // download it holds, whose job and date name the file.
    struct ExportSource {
        const QAbstractItemModel& Table;
        std::function<std::vector<output::SheetColumn>(output::ExportFormat, UnitSystem)> Columns;
        std::optional<store::DownloadInfo> Download;
    };

    // Button handlers.
    void ExpToExcelClick();
    void ExportRecords(const ExportSource& source);
    void HistoryClick();
    void SettingsClick();
    void PrintBtnClick();
    void AboutBtnClick();
    // Puts the newest reading on the clipboard, e.g. "1.234 m".
    void CopyReading();
    // SIGTERM, SIGINT or SIGHUP: a download is cancelled first (without its closing message),
    // then the program ends with its database closed.
    void StopBySignal();
    // The About window was left by Exit or its close box.
    void AboutClosed(TForm1* about);
    // "New job..." of the Job choice: the job dialog, and the new job chosen.
    void NewJobClick();
    // The grid's "Deduction": the current row's record counts negative in totals, or not.
    void DeductionClick(bool deduction);

    // Jobs were made, renamed or given other downloads: every view of them follows.
    void JobsChanged();
    // A download's records were labelled or marked in the History window: the grid follows.
    void RecordsEdited(qint64 downloadId);

    bool RecordsLoaded() const { return recordsLoaded_; }
    WindowState State() const { return state_; }
    bool Locked() const {
        return state_ == WindowState::Downloading || state_ == WindowState::Stopping;
    }
    meter::MeterSession& Session() { return *session_; }
    meter::MeterLink& Link();
    meter::MeterOperations& Operations();
    store::RecordStore& Store() { return *store_; }
    // ADOTable1: the rows of LoadData the grid, the export and the printout show.
    store::LoadDataModel& Table() { return *table_; }
    // The grid's table: LoadData's columns and the label of the record each row shows.
    store::LabelledLoadDataModel& GridTable() { return *gridTable_; }
    // Where a download puts its records.
    store::StoreRecordSink& Sink() { return *sink_; }
    hid::THidDeviceController& HidCtl();
    const ReadingDisplay& Display() const { return display_; }
    StatusBar& StatusBar1() { return *statusBar_; }
    QTableView& DBGrid1() { return *grid_; }
    RecordNavigator& DBNavigator1() { return *navigator_; }
    QLabel& ProductIcon() { return *productIcon_; }
    QLabel& Label(int line) { return *labels_.at(static_cast<std::size_t>(line)); }
    QLabel& Image(int n) { return *patches_.at(static_cast<std::size_t>(n - 1)); }
    QPushButton& ReadKey() { return *readKey_; }
    QPushButton& ClearKey() { return *clearKey_; }
    QPushButton& ExportAllData() { return *exportAllData_; }
    QPushButton& ExpToExcel() { return *expToExcel_; }
    QPushButton& PrintBtn() { return *printBtn_; }
    QPushButton& AboutBtn() { return *aboutBtn_; }
    QPushButton& HistoryBtn() { return *historyBtn_; }
    QToolButton& SettingsBtn() { return *settingsBtn_; }
    QToolButton& TypingSwitch() { return *typingSwitch_; }
    // The job downloads go into.
    JobChoice& Jobs() { return *jobChoice_; }
    // Which download the grid shows: "Download 12, 2026-12-09 10:41, Site A".
    QLabel& DownloadCaption() { return *caption_; }
    QAction& DeductionAction() { return *deductionAction_; }
    // Readings typed into other applications, and the Measure of the instance on D-Bus.
    LiveMeasurement& Live() { return *live_; }
    // Every reading the window takes, kept in the database.
    ReadingKeeper& Readings() { return *readings_; }
    THistoryForm* CurrentHistory() const;
    TForm1* CurrentAbout() const;
    // Where the database and the report definition in use are.
    const store::DataLocation& Location() const { return location_; }
    const QString& ProgramDir() const { return programDir_; }
    // Where a print goes: the preview dialog by default, a PDF file for tests and tools.
    void SetPrintToPdf(const QString& pdfPath) { printToPdf_ = pdfPath; }
    // The team server's push and its indicator (window_team.h).
    WindowTeam& Team() { return *team_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildLeftPanel();
    void BuildRightPanel();
    void ADOConnectAccess();
    void ConnectMeterCore();
    // The one place that switches the seven buttons and the close box.
    void SetState(WindowState state);
    void UpdateButtons();
    // Idle, or AboutOpen while an About window is up.
    WindowState SettledState() const;
    void SetSystemMenuShown(bool shown);
    // The download LoadData shows: its labels in the grid and its caption.
    void ShowLoadDataDownload();
    void ShowJobs();
    void ShowDeduction();
    std::optional<store::DownloadInfo> LoadDataDownloadInfo() const;

    // What the meter core reports.
    void ShowConnection(const meter::MeterConnection& connection);
    void ShowMeter(int model);
    void ShowReading(const meter::Reading& reading);
    void ClearReading();
    void ShowReadingLines();
    void DownloadStarted();
    void DownloadFinished(const records::DownloadSummary& summary);
    void ShowMessage(const QString& text);
    // The team push, once the window is up (main_form_team.cpp).
    void StartTeam();

    UserPrompts& prompts_;
    const QString programDir_;
    store::DataLocation location_;
    std::unique_ptr<store::RecordStore> store_;
    std::unique_ptr<store::LoadDataModel> table_;
    std::unique_ptr<store::StoreRecordSink> sink_;
    std::unique_ptr<store::DownloadHistory> history_;
    std::unique_ptr<store::RecordEdits> edits_;
    std::unique_ptr<store::LabelledLoadDataModel> gridTable_;
    std::unique_ptr<meter::MeterSession> session_;
    std::array<QPixmap, 4> imageList1_;
    ReadingDisplay display_;
    WindowState state_ = WindowState::Idle;
    bool recordsLoaded_ = false;
    QString printToPdf_;
    QPointer<TForm1> currentAbout_;
    QPointer<THistoryForm> currentHistory_;
    QTimer gridFrame_;

    QLabel* productIcon_ = nullptr;
    std::array<QLabel*, 4> labels_{};
    std::array<QLabel*, 4> patches_{};
    QTableView* grid_ = nullptr;
    RecordNavigator* navigator_ = nullptr;
    QPushButton* readKey_ = nullptr;
    QPushButton* clearKey_ = nullptr;
    QPushButton* exportAllData_ = nullptr;
    QPushButton* expToExcel_ = nullptr;
    QPushButton* printBtn_ = nullptr;
    QPushButton* aboutBtn_ = nullptr;
    QPushButton* historyBtn_ = nullptr;
    QToolButton* settingsBtn_ = nullptr;
    QToolButton* typingSwitch_ = nullptr;
    JobChoice* jobChoice_ = nullptr;
    QLabel* caption_ = nullptr;
    QAction* deductionAction_ = nullptr;
    LiveMeasurement* live_ = nullptr;
    ReadingKeeper* readings_ = nullptr;
    StatusBar* statusBar_ = nullptr;
    std::unique_ptr<WindowTeam> team_;
};

} // namespace rangedesk::app
