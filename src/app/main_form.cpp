#include "main_form.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolButton>

#include "about_form.h"
#include "accessible_names.h"
#include "download_history.h"
#include "download_summary.h"
#include "error_box.h"
#include "hid_controller.h"
#include "history_form.h"
#include "job_book.h"
#include "job_choice.h"
#include "job_prompts.h"
#include "labelled_load_data_model.h"
#include "live_measurement.h"
#include "load_data_columns.h"
#include "load_data_model.h"
#include "meter_link.h"
#include "meter_operations.h"
#include "meter_session.h"
#include "reading_keeper.h"
#include "record_edits.h"
#include "record_grid.h"
#include "record_navigator.h"
#include "record_store.h"
#include "settings_form.h"
#include "status_bar.h"
#include "store_error.h"
#include "store_record_sink.h"
#include "user_prompts.h"
#include "window_team.h"

// The pictures live in this library; a static library must register them itself.
static void InitResources() {
    Q_INIT_RESOURCE(rangedesk);
}

namespace rangedesk::app {
namespace {

constexpr int kLeftPanelWidth = 217;
constexpr int kRightPanelLeft = 220;
constexpr int kRightPanelWidth = 681;
constexpr int kPanelHeight = TMainForm::kClientHeight - StatusBar::kHeight;
const QColor kDisplayColour(5, 2, 2);
constexpr int kGridFrameMs = 40;
constexpr int kLabelColumnWidth = 150;
const QColor kDeductionColour(170, 0, 0);

struct LabelPlace {
    QRect rect;
    int pixelSize;
};
constexpr LabelPlace kLabelPlaces[] = {
    {QRect(72, 112, 105, 25), 19},
    {QRect(72, 152, 105, 25), 19},
    {QRect(72, 184, 105, 25), 19},
    {QRect(64, 221, 113, 33), 24},
};
constexpr QPoint kPatchPlaces[] = {{72, 80}, {40, 112}, {40, 152}, {40, 184}};

QPushButton* MakeButton(QWidget* parent, const QString& caption, const QString& glyph,
                        QRect place) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(place);
    QFont font = button->font();
    font.setBold(true);
    button->setFont(font);
    button->setCursor(Qt::PointingHandCursor);
    button->setIcon(QIcon(":/images/" + glyph));
    return button;
}

// The grid marks the rows of deductions: dark red, italic.
class DeductionMarks : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.data(store::LabelledLoadDataModel::kDeductionRole).toBool()) {
            option->palette.setColor(QPalette::Text, kDeductionColour);
            option->font.setItalic(true);
        }
    }
};

// A database that cannot be opened at start: missing or not ours is an installation fault; a
// newer layout, a lock or a read-only file says what it is.
QString StartUpMessage(const store::StoreError& error) {
    if (error.Kind() == store::StoreErrorKind::Missing ||
        error.Kind() == store::StoreErrorKind::NotOurs) {
        return QString::fromUtf8("程序运行异常！程序没有正确安装");
    }
    return error.Message();
}

} // namespace

TMainForm::TMainForm(hid::HidPlatform& platform, UserPrompts& prompts, const QString& programDir,
                     QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      prompts_(prompts), programDir_(programDir), location_(store::LocateData(programDir)) {
    InitResources();
    setObjectName("MainForm");
    setWindowTitle("  RangeDesk");
    setWindowIcon(QIcon(":/images/icon.png"));
    // Without the family, a metric-compatible sans keeps the texts within their panels.
    QFont font;
    font.setFamilies({"MS Sans Serif", "Liberation Sans"});
    font.setPixelSize(11);
    setFont(font);
    setFixedSize(kClientWidth, kClientHeight);

    BuildLeftPanel();
    BuildRightPanel();
    statusBar_ = new StatusBar(this);
    statusBar_->setGeometry(0, kPanelHeight, kClientWidth, StatusBar::kHeight);

    // Creation step, in order: the database, the device list, a blank picture, the buttons,
    // the command table and protocol values (with the meter core), records loaded.
    ADOConnectAccess();
    for (int model = 1; model <= 4; ++model) {
        imageList1_[static_cast<std::size_t>(model - 1)] =
            QPixmap(QString(":/images/meter%1.png").arg(model));
    }
    QPixmap blank(200, 60);
    blank.fill(palette().color(QPalette::Window));
    productIcon_->setPixmap(blank);
    ALLButtonEn(false);
    session_ = std::make_unique<meter::MeterSession>(platform);
    Operations().SetRecordSink(sink_.get());
    live_ = new LiveMeasurement(*session_, *this);
    readings_ = new ReadingKeeper(Operations(), *store_, this);
    readings_->SetJob(jobChoice_->Job()); // a reading goes into the job chosen, as a download
    recordsLoaded_ = false;

    gridFrame_.setInterval(kGridFrameMs);
    connect(&gridFrame_, &QTimer::timeout, table_.get(), &store::LoadDataModel::FlushAppends);
    ConnectMeterCore();

    connect(expToExcel_, &QPushButton::clicked, this, &TMainForm::ExpToExcelClick);
    connect(printBtn_, &QPushButton::clicked, this, &TMainForm::PrintBtnClick);
    connect(aboutBtn_, &QPushButton::clicked, this, &TMainForm::AboutBtnClick);
    connect(historyBtn_, &QPushButton::clicked, this, &TMainForm::HistoryClick);
    connect(settingsBtn_, &QToolButton::clicked, this, &TMainForm::SettingsClick);
    connect(typingSwitch_, &QToolButton::toggled, live_, &LiveMeasurement::SetArmed);
    connect(live_, &LiveMeasurement::armedChanged, this, [this](bool armed) {
        typingSwitch_->setChecked(armed);
        statusBar_->SetIndicator(StatusBar::Indicator::Typing,
                                 armed ? tr("Typing armed") : QString());
    });
    connect(live_, &LiveMeasurement::readingTyped, this,
            [this](const desktop::TypeResult& r) { statusBar_->SetPanelText(1, r.message); });
    connect(readings_, &ReadingKeeper::keepingFailed, this, [this](const QString& reason) {
        statusBar_->SetPanelText(1, tr("The reading was not kept: %1").arg(reason));
    });
    AccessibleNames::Apply(*this);
    StartTeam();
}

TMainForm::~TMainForm() = default;

meter::MeterLink& TMainForm::Link() {
    return session_->Link();
}

meter::MeterOperations& TMainForm::Operations() {
    return session_->Operations();
}

hid::THidDeviceController& TMainForm::HidCtl() {
    return session_->Controller();
}

void TMainForm::ConnectMeterCore() {
    using meter::MeterLink;
    using meter::MeterOperations;
    using Request = meter::MeterSession::Request;
    meter::MeterSession* session = session_.get();
    connect(readKey_, &QPushButton::clicked, session,
            [session] { session->Submit(Request::Read); });
    connect(clearKey_, &QPushButton::clicked, session,
            [session] { session->Submit(Request::Clear); });
    connect(exportAllData_, &QPushButton::clicked, this, [this] {
        if (state_ == WindowState::Idle) {
            session_->Submit(Request::Download);
        }
    });
    connect(statusBar_, &StatusBar::cancelClicked, session, &meter::MeterSession::CancelDownload);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, session, &meter::MeterSession::CancelDownload);

    MeterLink* link = &Link();
    MeterOperations* ops = &Operations();
    connect(link, &MeterLink::connectionChanged, this, &TMainForm::ShowConnection);
    connect(link, &MeterLink::exchangeStatus, this,
            [this](const QString& text) { statusBar_->SetPanelText(1, text); });
    connect(link, &MeterLink::meterWithoutAccess, this, &TMainForm::ShowMessage);
    connect(ops, &MeterOperations::readingReady, this, &TMainForm::ShowReading);
    connect(ops, &MeterOperations::readingCleared, this, &TMainForm::ClearReading);
    connect(ops, &MeterOperations::operationEnded, this, &TMainForm::UpdateButtons);
    connect(ops, &MeterOperations::downloadStarted, this, &TMainForm::DownloadStarted);
    connect(ops, &MeterOperations::downloadProgress, statusBar_, &StatusBar::ShowProgress);
    connect(ops, &MeterOperations::downloadFinished, this, &TMainForm::DownloadFinished);
}

void TMainForm::BuildLeftPanel() {
    auto* panel = new QWidget(this);
    panel->setGeometry(0, 0, kLeftPanelWidth, kPanelHeight);
    productIcon_ = new QLabel(panel);
    productIcon_->setObjectName("ProductIcon");
    productIcon_->setGeometry(panel->rect());
    productIcon_->setAlignment(Qt::AlignCenter);

    const QPixmap patch(":/images/patch.jpg");
    for (std::size_t i = 0; i < patches_.size(); ++i) {
        patches_[i] = new QLabel(panel);
        patches_[i]->setObjectName(QString("Image%1").arg(i + 1));
        patches_[i]->setGeometry(QRect(kPatchPlaces[i], QSize(33, 25)));
        patches_[i]->setPixmap(patch);
        patches_[i]->hide();
    }
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        auto* label = new QLabel(panel);
        label->setObjectName(QString("Label%1").arg(i));
        label->setGeometry(kLabelPlaces[i].rect);
        label->setAlignment(Qt::AlignCenter);
        QFont font("Times New Roman");
        font.setBold(true);
        font.setPixelSize(kLabelPlaces[i].pixelSize);
        label->setFont(font);
        QPalette colours = label->palette();
        colours.setColor(QPalette::Window, kDisplayColour);
        colours.setColor(QPalette::WindowText, Qt::white);
        label->setPalette(colours);
        label->setAutoFillBackground(true);
        label->hide();
        labels_[i] = label;
    }
    ShowReadingLines();
    // Every line of the reading display offers the newest reading.
    auto* copyReading = new QAction(tr("Copy reading"), this);
    connect(copyReading, &QAction::triggered, this, &TMainForm::CopyReading);
    for (QLabel* label : labels_) {
        label->addAction(copyReading);
        label->setContextMenuPolicy(Qt::ActionsContextMenu);
    }
}

void TMainForm::StopBySignal() {
    if (Operations().Downloading()) {
        SetState(WindowState::Stopping);
        session_->CancelDownload();
        return;
    }
    QCoreApplication::quit();
}

void TMainForm::CopyReading() {
    QApplication::clipboard()->setText(labels_[3]->text().simplified());
}

void TMainForm::BuildRightPanel() {
    auto* panel = new QWidget(this);
    panel->setGeometry(kRightPanelLeft, 0, kRightPanelWidth, kPanelHeight);

    grid_ = new RecordGrid(panel);
    grid_->setObjectName("DBGrid1");
    grid_->setGeometry(16, 8, 641, 337);
    grid_->setAlternatingRowColors(true);
    QPalette colours = grid_->palette();
    colours.setColor(QPalette::Base, palette().color(QPalette::Light));
    colours.setColor(QPalette::AlternateBase, palette().color(QPalette::Window));
    grid_->setPalette(colours);
    grid_->verticalHeader()->setDefaultSectionSize(20);

    navigator_ = new RecordNavigator(*grid_, panel);
    navigator_->setObjectName("DBNavigator1");
    navigator_->setGeometry(8, 344, 553, 41);

    auto* buttons = new QFrame(panel);
    buttons->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // The panel is 107 high; the status bar covers what lies below the buttons.
    buttons->setGeometry(6, 387, 667, kPanelHeight - 387);
    // The captions' blanks keep the icons apart from the words, in every language.
    readKey_ = MakeButton(buttons, "  " + tr("Read"), "glyph-read.png", {40, 17, 75, 28});
    clearKey_ = MakeButton(buttons, "  " + tr("Clear"), "glyph-clear.png", {40, 60, 75, 28});
    exportAllData_ =
        MakeButton(buttons, tr("Export Records") + "  ", "glyph-download.png", {216, 17, 137, 28});
    expToExcel_ =
        MakeButton(buttons, "  " + tr("Export to Excel"), "glyph-sheet.png", {216, 60, 137, 28});
    printBtn_ = MakeButton(buttons, tr("Print"), "glyph-print.png", {432, 17, 73, 28});
    aboutBtn_ = MakeButton(buttons, tr("About"), "glyph-about.png", {432, 60, 73, 28});
    settingsBtn_ = new QToolButton(buttons);
    settingsBtn_->setObjectName("SettingsBtn");
    settingsBtn_->setGeometry(518, 17, 28, 28);
    settingsBtn_->setIcon(style()->standardIcon(QStyle::SP_FileDialogInfoView));
    settingsBtn_->setToolTip(tr("Settings: how readings are typed into other applications"));
    typingSwitch_ = new QToolButton(buttons);
    typingSwitch_->setObjectName("TypingSwitch");
    typingSwitch_->setGeometry(518, 60, 28, 28);
    typingSwitch_->setCheckable(true);
    typingSwitch_->setText("⌨");
    typingSwitch_->setToolTip(tr("Type readings into the focused application"));
    historyBtn_ = MakeButton(buttons, tr("History"), "glyph-about.png", {560, 17, 80, 28});
    historyBtn_->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    historyBtn_->setShortcut(QKeySequence("Ctrl+H"));
    historyBtn_->setToolTip(tr("Every download kept, with the meter's own bytes (Ctrl+H)"));
    // Below History, the job the next download goes into.
    jobChoice_ = new JobChoice(buttons);
    jobChoice_->setGeometry(560, 60, 100, 28);
    // Beside the navigator, which download the grid shows.
    caption_ = new QLabel(panel);
    caption_->setObjectName("DownloadCaption");
    caption_->setGeometry(563, 344, 116, 41);
    caption_->setWordWrap(true);
    caption_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    caption_->setAccessibleName(tr("Download shown"));
    readKey_->setObjectName("ReadKey");
    clearKey_->setObjectName("ClearKey");
    exportAllData_->setObjectName("ExportAllData");
    expToExcel_->setObjectName("ExpToExcel");
    printBtn_->setObjectName("PrintBtn");
    historyBtn_->setObjectName("HistoryBtn");
    aboutBtn_->setObjectName("AboutBtn");
    expToExcel_->setEnabled(false);
    printBtn_->setEnabled(false);
}

void TMainForm::ADOConnectAccess() {
    store_ =
        std::make_unique<store::RecordStore>(location_.Database, store::StoreAccess::ReadWrite);
    table_ = std::make_unique<store::LoadDataModel>(*store_);
    sink_ = std::make_unique<store::StoreRecordSink>(*store_);
    history_ = std::make_unique<store::DownloadHistory>(*store_);
    edits_ = std::make_unique<store::RecordEdits>(*store_);
    gridTable_ = std::make_unique<store::LabelledLoadDataModel>(*table_, *history_, *edits_);
    store::LabelledLoadDataModel& grid = *gridTable_;
    grid_->setModel(&grid);
    grid_->setItemDelegate(new DeductionMarks(grid_));
    for (int c = 0; c < records::kLoadDataColumnCount; ++c) {
        grid_->setColumnWidth(c, records::ColumnInfo(c).GridWidth);
    }
    grid_->setColumnWidth(store::LabelledLoadDataModel::kLabelColumn, kLabelColumnWidth);
    connect(table_.get(), &store::LoadDataModel::openChanged, navigator_,
            &RecordNavigator::SetTableOpen);
    connect(&grid, &QAbstractItemModel::rowsInserted, navigator_, &RecordNavigator::UpdateButtons);
    connect(&grid, &QAbstractItemModel::modelReset, navigator_, &RecordNavigator::UpdateButtons);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, navigator_,
            &RecordNavigator::UpdateButtons);
    connect(&grid, &store::LabelledLoadDataModel::editFailed, this,
            [this](const QString& message) { ShowErrorBox(prompts_, message); });
    connect(&grid, &store::LabelledLoadDataModel::recordEdited, this, [this](qint64 downloadId) {
        if (currentHistory_) {
            currentHistory_->RecordsEdited(downloadId);
        }
    });

    // The grid's context menu: "Copy", then "Deduction" for the current row's record.
    deductionAction_ = new QAction(tr("Deduction"), grid_);
    deductionAction_->setCheckable(true);
    deductionAction_->setToolTip(tr("The record is an opening (a window, a door): it counts "
                                    "negative in totals"));
    grid_->addAction(deductionAction_);
    connect(deductionAction_, &QAction::triggered, this, &TMainForm::DeductionClick);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TMainForm::ShowDeduction);
    connect(&grid, &QAbstractItemModel::dataChanged, this, &TMainForm::ShowDeduction);
    connect(&grid, &QAbstractItemModel::modelReset, this, &TMainForm::ShowDeduction);

    connect(jobChoice_, &JobChoice::jobChosen, this, [this](std::optional<qint64> job) {
        sink_->SetJob(job);
        readings_->SetJob(job);
    });
    connect(jobChoice_, &JobChoice::newJobAsked, this, &TMainForm::NewJobClick);
    try {
        // An installed program's user gets a database of their own, copied from the template.
        location_ = store::PrepareUserData(programDir_);
        store_->Open();
    } catch (const store::StoreError& e) {
        prompts_.Ask({kApplicationTitle, StartUpMessage(e)});
        return;
    }
    ShowJobs();
    ShowLoadDataDownload();
}

// The jobs in the Job choice, keeping (or at first, restoring) the one chosen.
void TMainForm::ShowJobs() {
    try {
        jobChoice_->SetJobs(store::JobBook(*store_).List());
    } catch (const store::StoreError&) {
        jobChoice_->SetJobs({}); // a history that cannot be read offers no job
    }
    sink_->SetJob(jobChoice_->Job());
    if (readings_) { // not yet while the database is first opened
        readings_->SetJob(jobChoice_->Job());
    }
}

std::optional<store::DownloadInfo> TMainForm::LoadDataDownloadInfo() const {
    const std::optional<qint64> id = gridTable_->Download();
    try {
        return id ? history_->Find(*id) : std::nullopt;
    } catch (const store::StoreError&) {
        return std::nullopt;
    }
}

void TMainForm::ShowLoadDataDownload() {
    gridTable_->ReloadLabels();
    const std::optional<store::DownloadInfo> shown = LoadDataDownloadInfo();
    caption_->setText(shown ? store::DownloadCaption(*shown) : QString());
    caption_->setToolTip(caption_->text());
    ShowDeduction();
}

void TMainForm::ShowDeduction() {
    const int row = grid_->currentIndex().isValid() ? grid_->currentIndex().row() : -1;
    deductionAction_->setEnabled(state_ == WindowState::Idle && gridTable_->CanEdit(row));
    deductionAction_->setChecked(gridTable_->IsDeduction(row));
}

void TMainForm::DeductionClick(bool deduction) {
    const int row = grid_->currentIndex().row();
    if (state_ != WindowState::Idle || !gridTable_->SetDeduction(row, deduction)) {
        ShowDeduction(); // refused: the box shows what is stored
    }
}

void TMainForm::NewJobClick() {
    if (state_ != WindowState::Idle) {
        return;
    }
    const std::optional<qint64> job = AskNewJob(prompts_, *store_);
    if (!job) {
        return;
    }
    JobsChanged();
    jobChoice_->Choose(job);
}

void TMainForm::JobsChanged() {
    ShowJobs();
    ShowLoadDataDownload(); // the caption names the job
    if (currentHistory_) {
        currentHistory_->JobsChanged();
    }
}

void TMainForm::RecordsEdited(qint64 downloadId) {
    if (gridTable_->Download() == downloadId) {
        gridTable_->ReloadLabels();
    }
}

void TMainForm::ALLButtonEn(bool on) {
    readKey_->setEnabled(on);
    clearKey_->setEnabled(on);
    exportAllData_->setEnabled(on);
}

void TMainForm::SetRecordsLoaded() {
    recordsLoaded_ = true;
    UpdateButtons();
}

void TMainForm::SetState(WindowState state) {
    const bool wasLocked = Locked();
    state_ = state;
    if (Locked() != wasLocked) {
        SetSystemMenuShown(!Locked());
    }
    UpdateButtons();
}

TMainForm::WindowState TMainForm::SettledState() const {
    return currentAbout_ ? WindowState::AboutOpen : WindowState::Idle;
}

// Device buttons need a meter this user can open; Export to Excel and Print need records; none
// works while a download runs or the About window is up.
void TMainForm::UpdateButtons() {
    const bool idle = state_ == WindowState::Idle;
    const bool meter = Link().MeterConnected() && Link().Connection().FullAccess;
    ALLButtonEn(idle && meter);
    expToExcel_->setEnabled(idle && recordsLoaded_);
    printBtn_->setEnabled(idle && recordsLoaded_);
    aboutBtn_->setEnabled(idle);
    historyBtn_->setEnabled(idle);
    jobChoice_->setEnabled(idle);
    ShowDeduction();
}

// The picture and the reading display stay when the meter leaves.
void TMainForm::ShowConnection(const meter::MeterConnection& connection) {
    if (connection.Connected()) {
        statusBar_->SetPanelText(0, tr("Connected OK"));
        statusBar_->SetStatusColour(QColor(255, 0, 0));
        ShowMeter(connection.Model);
    } else {
        statusBar_->SetPanelText(0, tr("Not connected"));
        statusBar_->SetStatusColour(palette().color(QPalette::ButtonText));
    }
    UpdateButtons();
}

void TMainForm::ShowMeter(int model) {
    productIcon_->clear();
    productIcon_->setPixmap(imageList1_.at(static_cast<std::size_t>(model - 1)));
    for (QLabel* label : labels_) {
        label->show();
        label->raise();
    }
    for (QLabel* patch : patches_) {
        patch->show();
        patch->raise();
    }
}

void TMainForm::ShowReading(const meter::Reading& reading) {
    display_.Show(reading.Text);
    ShowReadingLines();
}

void TMainForm::ClearReading() {
    display_.Clear();
    ShowReadingLines();
}

void TMainForm::ShowReadingLines() {
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        labels_[i]->setText(display_.Lines()[i]);
    }
}

void TMainForm::SetSystemMenuShown(bool shown) {
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowSystemMenuHint, shown);
    setWindowFlag(Qt::WindowCloseButtonHint, shown);
    setWindowFlag(Qt::WindowMinimizeButtonHint, shown);
    if (visible) {
        show(); // changing the flags hides a window
    }
}

// The grid shows a download's new rows some 25 times a second, not once per record.
void TMainForm::DownloadStarted() {
    gridTable_->SetDownloadRunning(true);
    table_->SetDeferAppends(true);
    gridFrame_.start();
    SetState(WindowState::Downloading);
}

// One summary for every way a download ends: its message (the error box for a failure),
// then the window unlocks. Records loaded only once a row was stored.
void TMainForm::DownloadFinished(const records::DownloadSummary& summary) {
    statusBar_->HideProgress();
    // The end of a download shows its last rows at once.
    gridFrame_.stop();
    table_->SetDeferAppends(false);
    gridTable_->SetDownloadRunning(false);
    ShowLoadDataDownload();
    if (summary.Stored > 0) {
        recordsLoaded_ = true;
    }
    if (state_ == WindowState::Stopping) {
        SetState(SettledState());
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        return;
    }
    SetState(SettledState());
    const QString message = records::DownloadSummaryText(summary);
    if (summary.End == records::DownloadEnd::DatabaseError) {
        ShowErrorBox(prompts_, message);
    } else if (!message.isEmpty()) {
        ShowMessage(message);
    }
}

void TMainForm::ShowMessage(const QString& text) {
    prompts_.Ask({kApplicationTitle, text});
}

TForm1* TMainForm::CurrentAbout() const {
    return currentAbout_;
}

void TMainForm::RecordsShown() {
    ShowLoadDataDownload();
    SetRecordsLoaded();
}

THistoryForm* TMainForm::CurrentHistory() const {
    return currentHistory_;
}

// One History window, raised when asked for again.
void TMainForm::HistoryClick() {
    if (!currentHistory_) {
        currentHistory_ = new THistoryForm(*this, *store_, Operations(), prompts_);
        currentHistory_->setAttribute(Qt::WA_DeleteOnClose);
    }
    currentHistory_->Reload();
    currentHistory_->show();
    currentHistory_->raise();
}

// One About window at a time; while it is up, no command button works.
void TMainForm::SettingsClick() {
    TSettingsForm settings(this, [this] { return live_->MethodName(); });
    settings.exec();
    team_->SettingsClosed(settings.TypedTeamPassword(), settings.KeyringProblem());
}

void TMainForm::AboutBtnClick() {
    if (currentAbout_) {
        currentAbout_->raise();
        return;
    }
    if (state_ != WindowState::Idle) {
        return;
    }
    currentAbout_ = new TForm1(*this);
    SetState(WindowState::AboutOpen);
    currentAbout_->show();
}

void TMainForm::AboutClosed(TForm1* about) {
    if (about == currentAbout_) {
        currentAbout_ = nullptr;
    }
    about->deleteLater();
    if (state_ == WindowState::AboutOpen) {
        SetState(WindowState::Idle);
    }
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // Not every window manager honours the missing close box during a download.
    if (Locked()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

} // namespace rangedesk::app
