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
#include <QTableView>

#include "about_form.h"
#include "download_summary.h"
#include "error_box.h"
#include "hid_controller.h"
#include "history_form.h"
#include "load_data_columns.h"
#include "load_data_model.h"
#include "meter_link.h"
#include "meter_operations.h"
#include "record_grid.h"
#include "record_navigator.h"
#include "record_store.h"
#include "report_project.h"
#include "status_bar.h"
#include "store_error.h"
#include "store_record_sink.h"
#include "user_prompts.h"

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
constexpr int kColumnWidths[] = {52, 123, 73, 85, 82, 82, 84};
const QColor kDisplayColour(5, 2, 2);
constexpr int kGridFrameMs = 40;

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
    reportProject_ = std::make_unique<output::TReportProject>();
    hidCtl_ = std::make_unique<hid::THidDeviceController>(platform);
    for (int model = 1; model <= 4; ++model) {
        imageList1_[static_cast<std::size_t>(model - 1)] =
            QPixmap(QString(":/images/meter%1.png").arg(model));
    }
    QPixmap blank(200, 60);
    blank.fill(palette().color(QPalette::Window));
    productIcon_->setPixmap(blank);
    ALLButtonEn(false);
    link_ = std::make_unique<meter::MeterLink>(*hidCtl_);
    operations_ = std::make_unique<meter::MeterOperations>(*link_);
    operations_->SetRecordSink(sink_.get());
    recordsLoaded_ = false;

    gridFrame_.setInterval(kGridFrameMs);
    connect(&gridFrame_, &QTimer::timeout, table_.get(), &store::LoadDataModel::FlushAppends);
    ConnectMeterCore();

    connect(expToExcel_, &QPushButton::clicked, this, &TMainForm::ExpToExcelClick);
    connect(printBtn_, &QPushButton::clicked, this, &TMainForm::PrintBtnClick);
    connect(aboutBtn_, &QPushButton::clicked, this, &TMainForm::AboutBtnClick);
    connect(historyBtn_, &QPushButton::clicked, this, &TMainForm::HistoryClick);
}

TMainForm::~TMainForm() {
    // The meter core lets go of the controller's events before the controller goes.
    operations_.reset();
    link_.reset();
    hidCtl_.reset();
}

void TMainForm::ConnectMeterCore() {
    using meter::MeterLink;
    using meter::MeterOperations;
    MeterOperations* ops = operations_.get();
    connect(readKey_, &QPushButton::clicked, ops, &MeterOperations::ReadKeyClick);
    connect(clearKey_, &QPushButton::clicked, ops, &MeterOperations::ClearKeyClick);
    connect(exportAllData_, &QPushButton::clicked, ops, &MeterOperations::ExportAllDataClick);
    connect(statusBar_, &StatusBar::cancelClicked, ops, &MeterOperations::CancelDownload);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, ops, &MeterOperations::CancelDownload);

    connect(link_.get(), &MeterLink::connectionChanged, this, &TMainForm::ShowConnection);
    connect(link_.get(), &MeterLink::exchangeStatus, this,
            [this](const QString& text) { statusBar_->SetPanelText(1, text); });
    connect(link_.get(), &MeterLink::meterWithoutAccess, this, &TMainForm::ShowMessage);
    connect(ops, &MeterOperations::readingDisplayChanged, this, &TMainForm::ShowReadingLines);
    connect(ops, &MeterOperations::deviceButtonsReleased, this, [this] {
        if (!locked_) {
            ALLButtonEn(link_->MeterConnected());
        }
    });
    connect(ops, &MeterOperations::downloadStarted, this, &TMainForm::LockForDownload);
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
    labels_[3]->setText(meter::MeterOperations::kReadingPlaceholder);
    // Every line of the reading display offers the newest reading.
    auto* copyReading = new QAction("Copy reading", this);
    connect(copyReading, &QAction::triggered, this, &TMainForm::CopyReading);
    for (QLabel* label : labels_) {
        label->addAction(copyReading);
        label->setContextMenuPolicy(Qt::ActionsContextMenu);
    }
}

void TMainForm::StopBySignal() {
    if (operations_->Downloading()) {
        stopping_ = true;
        operations_->CancelDownload();
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
    readKey_ = MakeButton(buttons, "  Read", "glyph-read.png", {40, 17, 75, 28});
    clearKey_ = MakeButton(buttons, "  Clear", "glyph-clear.png", {40, 60, 75, 28});
    exportAllData_ =
        MakeButton(buttons, "Export Records  ", "glyph-download.png", {216, 17, 137, 28});
    expToExcel_ = MakeButton(buttons, "  Export to Excel", "glyph-sheet.png", {216, 60, 137, 28});
    printBtn_ = MakeButton(buttons, "Print", "glyph-print.png", {432, 17, 73, 28});
    aboutBtn_ = MakeButton(buttons, "About", "glyph-about.png", {432, 60, 73, 28});
    historyBtn_ = MakeButton(buttons, "History", "glyph-about.png", {560, 17, 80, 28});
    historyBtn_->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    historyBtn_->setShortcut(QKeySequence("Ctrl+H"));
    historyBtn_->setToolTip("Every download kept, with the meter's own bytes (Ctrl+H)");
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
    store::LoadDataModel& table = *table_;
    grid_->setModel(&table);
    for (int c = 0; c < records::kLoadDataColumnCount; ++c) {
        grid_->setColumnWidth(c, kColumnWidths[c]);
    }
    connect(&table, &store::LoadDataModel::openChanged, navigator_, &RecordNavigator::SetTableOpen);
    connect(&table, &QAbstractItemModel::rowsInserted, navigator_, &RecordNavigator::UpdateButtons);
    connect(&table, &QAbstractItemModel::modelReset, navigator_, &RecordNavigator::UpdateButtons);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, navigator_,
            &RecordNavigator::UpdateButtons);
    try {
        // An installed program's user gets a database of their own, copied from the template.
        location_ = store::PrepareUserData(programDir_);
        store_->Open();
    } catch (const store::StoreError& e) {
        prompts_.Ask({kApplicationTitle, StartUpMessage(e)});
    }
}

void TMainForm::ALLButtonEn(bool on) {
    readKey_->setEnabled(on);
    clearKey_->setEnabled(on);
    exportAllData_->setEnabled(on);
}

// The picture and the reading display stay when the meter leaves.
void TMainForm::ShowConnection(const meter::MeterConnection& connection) {
    if (connection.Connected()) {
        statusBar_->SetPanelText(0, "Connected OK");
        statusBar_->SetStatusColour(QColor(255, 0, 0));
        ShowMeter(connection.Model);
    } else {
        statusBar_->SetPanelText(0, "Not connected");
        statusBar_->SetStatusColour(palette().color(QPalette::ButtonText));
    }
    if (!locked_) {
        ALLButtonEn(connection.Connected());
    }
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

void TMainForm::ShowReadingLines(const std::array<QString, 4>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        labels_[i]->setText(lines[i]);
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
void TMainForm::LockForDownload() {
    historyBtn_->setEnabled(false);
    table_->SetDeferAppends(true);
    gridFrame_.start();
    locked_ = true;
    ALLButtonEn(false);
    expToExcel_->setEnabled(false);
    printBtn_->setEnabled(false);
    aboutBtn_->setEnabled(false);
    SetSystemMenuShown(false);
}

void TMainForm::RestoreButtons() {
    ALLButtonEn(link_->MeterConnected());
    expToExcel_->setEnabled(recordsLoaded_);
    printBtn_->setEnabled(recordsLoaded_);
    aboutBtn_->setEnabled(true);
}

void TMainForm::UnlockAfterDownload() {
    historyBtn_->setEnabled(true);
    RestoreButtons();
    SetSystemMenuShown(true);
    locked_ = false;
}

// One summary for every way a download ends: its message (the error box for a failure),
// then the window unlocks. Records loaded only once a row was stored.
void TMainForm::DownloadFinished(const records::DownloadSummary& summary) {
    statusBar_->HideProgress();
    // The end of a download shows its last rows at once.
    gridFrame_.stop();
    table_->SetDeferAppends(false);
    if (summary.Stored > 0) {
        recordsLoaded_ = true;
    }
    const QString message = records::DownloadSummaryText(summary);
    if (stopping_) {
        UnlockAfterDownload();
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        return;
    }
    if (summary.End == records::DownloadEnd::DatabaseError) {
        ShowErrorBox(prompts_, message);
    } else if (!message.isEmpty()) {
        ShowMessage(message);
    }
    UnlockAfterDownload();
}

void TMainForm::ShowMessage(const QString& text) {
    prompts_.Ask({kApplicationTitle, text});
}

TForm1* TMainForm::CurrentAbout() const {
    return currentAbout_;
}

void TMainForm::RecordsShown() {
    recordsLoaded_ = true;
    if (!locked_) {
        expToExcel_->setEnabled(true);
        printBtn_->setEnabled(true);
    }
}

THistoryForm* TMainForm::CurrentHistory() const {
    return currentHistory_;
}

// One History window, raised when asked for again.
void TMainForm::HistoryClick() {
    if (!currentHistory_) {
        currentHistory_ = new THistoryForm(*this, *store_, *operations_, prompts_);
        currentHistory_->setAttribute(Qt::WA_DeleteOnClose);
    }
    currentHistory_->Reload();
    currentHistory_->show();
    currentHistory_->raise();
}

void TMainForm::AboutBtnClick() {
    ALLButtonEn(false);
    expToExcel_->setEnabled(false);
    printBtn_->setEnabled(false);
    aboutBtn_->setEnabled(false);
    currentAbout_ = new TForm1(*this);
    currentAbout_->show();
}

void TMainForm::AboutClosed(TForm1* about) {
    RestoreButtons();
    about->deleteLater();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // Not every window manager honours the missing close box during a download.
    if (locked_) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

} // namespace rangedesk::app
