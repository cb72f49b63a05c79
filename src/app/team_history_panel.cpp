#include "team_history_panel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "download_writer.h"
#include "grid_to_excel.h"
#include "main_form.h"
#include "meter_operations.h"
#include "record_grid.h"
#include "team_downloads_model.h"
#include "team_records_model.h"
#include "window_team.h"

namespace rangedesk::app {

TeamHistoryPanel::TeamHistoryPanel(TMainForm& main, meter::MeterOperations& operations,
                                   team::TeamSettings settings, QString password, QWidget* parent)
    : QWidget(parent), main_(main), operations_(operations),
      downloads_(new team::TeamDownloadsModel(std::move(settings), std::move(password), this)),
      records_(new team::TeamRecordsModel({}, this)), search_(new QLineEdit(this)),
      downloadsView_(new QTableView(this)), recordsView_(new RecordGrid(this)),
      recordsTitle_(new QLabel(this)), problem_(new QLabel(this)),
      showButton_(new QPushButton(tr("Show in main grid"), this)),
      exportButton_(new QPushButton(tr("Export..."), this)) {
    setObjectName("TeamHistoryPanel");
    search_->setPlaceholderText(tr("Search job, client, mode, label, note"));
    search_->setClearButtonEnabled(true);
    search_->setAccessibleName(tr("Search the team's downloads"));
    downloadsView_->setAccessibleName(tr("The team's downloads"));
    recordsView_->setAccessibleName(tr("Records of the selected download"));
    downloadsView_->setModel(downloads_);
    downloadsView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    downloadsView_->setSelectionMode(QAbstractItemView::SingleSelection);
    downloadsView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    downloadsView_->verticalHeader()->hide();
    downloadsView_->horizontalHeader()->setStretchLastSection(true);
    downloadsView_->setColumnWidth(team::TeamDownloadsModel::When, 160);
    recordsView_->setModel(records_);
    recordsView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    recordsView_->horizontalHeader()->setStretchLastSection(true);
    problem_->setWordWrap(true);
    problem_->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(showButton_);
    buttons->addWidget(exportButton_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(search_);
    layout->addWidget(problem_);
    layout->addWidget(new QLabel(tr("The team's downloads, newest first:"), this));
    layout->addWidget(downloadsView_, 2);
    layout->addWidget(recordsTitle_);
    layout->addWidget(recordsView_, 3);
    layout->addLayout(buttons);

    connect(search_, &QLineEdit::textChanged, downloads_, &team::TeamDownloadsModel::SetSearch);
    connect(downloads_, &team::TeamDownloadsModel::Refreshed, this, &TeamHistoryPanel::Relisted);
    connect(downloads_, &team::TeamDownloadsModel::RecordsRead, this,
            &TeamHistoryPanel::TakeRecords);
    connect(downloads_, &team::TeamDownloadsModel::Failed, this, [this](const QString& message) {
        problem_->setText(tr("The team server cannot be read now: %1").arg(message));
        problem_->show();
    });
    connect(downloadsView_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TeamHistoryPanel::SelectionChanged);
    connect(showButton_, &QPushButton::clicked, this, &TeamHistoryPanel::ShowInMainGridClick);
    connect(exportButton_, &QPushButton::clicked, this, &TeamHistoryPanel::ExportClick);
    connect(&operations_, &meter::MeterOperations::downloadStarted, this,
            &TeamHistoryPanel::UpdateButtons);
    connect(&operations_, &meter::MeterOperations::downloadFinished, this,
            &TeamHistoryPanel::UpdateButtons);
    SelectionChanged();
}

TeamHistoryPanel::~TeamHistoryPanel() = default;

TeamHistoryPanel* TeamHistoryPanel::ForWindow(TMainForm& main, QWidget* parent) {
    const team::TeamSettings settings = main.Team().Settings();
    if (!settings.IsSet()) {
        return nullptr;
    }
    return new TeamHistoryPanel(main, main.Operations(), settings, main.Team().Password(), parent);
}

QTableView& TeamHistoryPanel::Records() {
    return *recordsView_;
}

QUuid TeamHistoryPanel::SelectedDownload() const {
    const QModelIndexList rows = downloadsView_->selectionModel()->selectedRows();
    return rows.isEmpty() ? QUuid() : downloads_->RowAt(rows.first().row()).Download.Uuid;
}

// A new list (another desk pushed, or a search) keeps the download selected when it is still
// listed; its records never change, so they are not read again.
void TeamHistoryPanel::Relisted() {
    problem_->hide();
    const int row = downloads_->RowOf(shownRecordsOf_);
    if (row >= 0) {
        const QSignalBlocker quiet(downloadsView_->selectionModel());
        downloadsView_->selectRow(row);
    } else {
        SelectionChanged();
    }
    UpdateButtons();
}

void TeamHistoryPanel::SelectionChanged() {
    const QUuid selected = SelectedDownload();
    if (selected != shownRecordsOf_) {
        shownRecordsOf_ = {};
        records_->SetRecords({});
    }
    if (!selected.isNull() && shownRecordsOf_.isNull()) {
        recordsTitle_->setText(tr("Reading the records..."));
        downloads_->RequestRecords(selected);
    } else if (selected.isNull()) {
        recordsTitle_->setText(tr("No download selected."));
    }
    UpdateButtons();
}

void TeamHistoryPanel::TakeRecords(const QUuid& download,
                                   const std::vector<team::TeamRecord>& records) {
    if (download != SelectedDownload()) {
        return; // the user chose another meanwhile
    }
    shownRecordsOf_ = download;
    records_->SetRecords(records);
    const team::TeamDownload& d = downloads_->RowAt(downloads_->RowOf(download)).Download;
    recordsTitle_->setText(
        tr("Records of the download of %1 on %2 by %3:")
            .arg(d.Started.toLocalTime().toString("yyyy-MM-dd HH:mm:ss"), d.Desk, d.User));
    UpdateButtons();
}

// Nothing that changes LoadData while a download runs.
void TeamHistoryPanel::UpdateButtons() {
    const bool can = !shownRecordsOf_.isNull() && !operations_.Downloading();
    showButton_->setEnabled(can);
    exportButton_->setEnabled(can && records_->rowCount() > 0);
}

void TeamHistoryPanel::ShowInMainGridClick() {
    if (operations_.Downloading() || shownRecordsOf_.isNull()) {
        return;
    }
    std::vector<records::LoadDataTexts> rows;
    rows.reserve(std::size_t(records_->rowCount()));
    for (int r = 0; r < records_->rowCount(); ++r) {
        rows.push_back(team::LoadDataTextsOf(records_->RecordAt(r)));
    }
    store::DownloadWriter(main_.Store()).LoadRows(rows);
    main_.RecordsShown();
}

void TeamHistoryPanel::ExportClick() {
    if (operations_.Downloading() || shownRecordsOf_.isNull()) {
        return;
    }
    const std::vector<output::SheetColumn> columns = GridColumns(*recordsView_);
    main_.ExportRecords(
        {*records_, [&](output::ExportFormat, UnitSystem) { return columns; }, std::nullopt});
}

} // namespace rangedesk::app
