#include "main_form.h"

#include <QCloseEvent>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include "about_form.h"
#include "hid_controller.h"
#include "load_data_columns.h"
#include "meter_session.h"
#include "record_navigator.h"
#include "record_store.h"
#include "report_project.h"
#include "status_bar.h"
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
const QString kReadingPlaceholder = QStringLiteral("0.000  m");

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

} // namespace

TMainForm::TMainForm(hid::HidPlatform& platform, UserPrompts& prompts, const QString& programDir,
                     QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      prompts_(prompts), programDir_(programDir) {
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
    // the command table and protocol values (with the session), records loaded.
    ADOConnectAccess();
    reportProject_ = std::make_unique<store::TReportProject>();
    hidCtl_ = std::make_unique<hid::THidDeviceController>(platform);
    for (int model = 1; model <= 4; ++model) {
        imageList1_[static_cast<std::size_t>(model - 1)] =
            QPixmap(QString(":/images/meter%1.png").arg(model));
    }
    QPixmap blank(200, 60);
    blank.fill(palette().color(QPalette::Window));
    productIcon_->setPixmap(blank);
    ALLButtonEn(false);
    session_ = std::make_unique<meter::MeterSession>(*hidCtl_, *this);
    recordsLoaded_ = false;

    gridFrame_.setSingleShot(true);
    gridFrame_.setInterval(kGridFrameMs);
    connect(&gridFrame_, &QTimer::timeout, this, &TMainForm::ShowGridFrame);

    connect(readKey_, &QPushButton::clicked, session_.get(), &meter::MeterSession::ReadKeyClick);
    connect(clearKey_, &QPushButton::clicked, session_.get(), &meter::MeterSession::ClearKeyClick);
    connect(exportAllData_, &QPushButton::clicked, session_.get(),
            &meter::MeterSession::ExportAllDataClick);
    connect(expToExcel_, &QPushButton::clicked, this, &TMainForm::ExpToExcelClick);
    connect(printBtn_, &QPushButton::clicked, this, &TMainForm::PrintBtnClick);
    connect(aboutBtn_, &QPushButton::clicked, this, &TMainForm::AboutBtnClick);
}

TMainForm::~TMainForm() {
    // The session hands its devices back before the controller lets them go.
    session_.reset();
    hidCtl_.reset();
}

QString TMainForm::LibPath(const QString& file) const {
    return QDir(programDir_).filePath("lib/" + file);
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
    labels_[3]->setText(kReadingPlaceholder);
}

void TMainForm::BuildRightPanel() {
    auto* panel = new QWidget(this);
    panel->setGeometry(kRightPanelLeft, 0, kRightPanelWidth, kPanelHeight);

    grid_ = new QTableView(panel);
    grid_->setObjectName("DBGrid1");
    grid_->setGeometry(16, 8, 641, 337);
    grid_->setAlternatingRowColors(true);
    QPalette colours = grid_->palette();
    colours.setColor(QPalette::Base, palette().color(QPalette::Light));
    colours.setColor(QPalette::AlternateBase, palette().color(QPalette::Window));
    grid_->setPalette(colours);
    grid_->verticalHeader()->setDefaultSectionSize(20);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);

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
    readKey_->setObjectName("ReadKey");
    clearKey_->setObjectName("ClearKey");
    exportAllData_->setObjectName("ExportAllData");
    expToExcel_->setObjectName("ExpToExcel");
    printBtn_->setObjectName("PrintBtn");
    aboutBtn_->setObjectName("AboutBtn");
    expToExcel_->setEnabled(false);
    printBtn_->setEnabled(false);
}

void TMainForm::ADOConnectAccess() {
    store_ = std::make_unique<store::RecordStore>(LibPath("DistLib.mdb"));
    store::LoadDataModel& table = store_->Table();
    grid_->setModel(&table);
    for (int c = 0; c < store::kLoadDataColumnCount; ++c) {
        grid_->setColumnWidth(c, kColumnWidths[c]);
    }
    connect(&table, &store::LoadDataModel::openChanged, navigator_, &RecordNavigator::SetTableOpen);
    connect(&table, &QAbstractItemModel::rowsInserted, navigator_, &RecordNavigator::UpdateButtons);
    connect(&table, &QAbstractItemModel::modelReset, navigator_, &RecordNavigator::UpdateButtons);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, navigator_,
            &RecordNavigator::UpdateButtons);
    if (!store_->ADOConnectAccess()) {
        prompts_.Ask({kApplicationTitle, QString::fromUtf8("程序运行异常！程序没有正确安装")});
    }
}

void TMainForm::ALLButtonEn(bool on) {
    readKey_->setEnabled(on);
    clearKey_->setEnabled(on);
    exportAllData_->setEnabled(on);
}

void TMainForm::SetConnectionStatus(const QString& text, meter::StatusColour colour) {
    statusBar_->SetPanelText(0, text);
    switch (colour) {
    case meter::StatusColour::Black:
        statusBar_->SetStatusColour(Qt::black);
        break;
    case meter::StatusColour::ButtonText:
        statusBar_->SetStatusColour(palette().color(QPalette::ButtonText));
        break;
    case meter::StatusColour::Red:
        statusBar_->SetStatusColour(QColor(255, 0, 0));
        break;
    }
}

void TMainForm::SetExchangeStatus(const QString& text) {
    statusBar_->SetPanelText(1, text);
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

QString TMainForm::ReadingLine(int line) const {
    return labels_.at(static_cast<std::size_t>(line))->text();
}

void TMainForm::SetReadingLine(int line, const QString& text) {
    labels_.at(static_cast<std::size_t>(line))->setText(text);
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

void TMainForm::LockForDownload() {
    locked_ = true;
    ALLButtonEn(false);
    expToExcel_->setEnabled(false);
    printBtn_->setEnabled(false);
    aboutBtn_->setEnabled(false);
    SetSystemMenuShown(false);
}

void TMainForm::RestoreButtons() {
    ALLButtonEn(session_->MeterConnected());
    expToExcel_->setEnabled(recordsLoaded_);
    printBtn_->setEnabled(recordsLoaded_);
    aboutBtn_->setEnabled(true);
}

void TMainForm::UnlockAfterDownload() {
    RestoreButtons();
    SetSystemMenuShown(true);
    locked_ = false;
}

void TMainForm::ShowProgress(int record, int total) {
    statusBar_->ShowProgress(record, total);
}
void TMainForm::HideProgress() {
    statusBar_->HideProgress();
    // The end of a download shows its last rows at once.
    gridFrame_.stop();
    ShowGridFrame();
}

void TMainForm::EmptyLoadData() {
    store_->EmptyLoadData();
}

// Each append is written at once; the grid shows the new rows at the next frame, so a fast
// download repaints the grid some 25 times a second rather than once per record.
void TMainForm::AddRecToLib(int i, const MeasurementRecord& record, int model) {
    grid_->setUpdatesEnabled(false);
    navigator_->setUpdatesEnabled(false);
    if (!gridFrame_.isActive()) {
        gridFrame_.start();
    }
    store_->AddRecToLib(i, record, model);
}

void TMainForm::ShowGridFrame() {
    grid_->setUpdatesEnabled(true);
    navigator_->setUpdatesEnabled(true);
}

void TMainForm::ShowMessage(const QString& text) {
    prompts_.Ask({kApplicationTitle, text});
}

TForm1* TMainForm::CurrentAbout() const {
    return currentAbout_;
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
