#include "history_form.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "download_history.h"
#include "download_writer.h"
#include "history_models.h"
#include "main_form.h"
#include "meter_operations.h"
#include "record_grid.h"
#include "record_store.h"
#include "user_prompts.h"

namespace rangedesk::app {

THistoryForm::THistoryForm(TMainForm& main, store::RecordStore& store,
                           meter::MeterOperations& operations, UserPrompts& prompts)
    : QWidget(&main, Qt::Window), main_(main), operations_(operations), prompts_(prompts),
      history_(std::make_unique<store::DownloadHistory>(store)),
      writer_(std::make_unique<store::DownloadWriter>(store)),
      downloads_(new store::DownloadListModel(*history_, this)),
      records_(new store::DownloadRecordsModel(*history_, this)),
      downloadsView_(new QTableView(this)), recordsView_(new RecordGrid(this)),
      recordsTitle_(new QLabel(this)), showButton_(new QPushButton("Show in main grid", this)),
      exportButton_(new QPushButton("Export...", this)),
      deleteButton_(new QPushButton("Delete", this)) {
    setObjectName("HistoryForm");
    setWindowTitle("RangeDesk - History of downloads");
    resize(760, 560);

    downloadsView_->setModel(downloads_);
    downloadsView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    downloadsView_->setSelectionMode(QAbstractItemView::SingleSelection);
    downloadsView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    downloadsView_->verticalHeader()->hide();
    downloadsView_->horizontalHeader()->setStretchLastSection(true);
    downloadsView_->setColumnWidth(store::DownloadListModel::When, 160);
    recordsView_->setModel(records_);
    recordsView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    recordsView_->horizontalHeader()->setStretchLastSection(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(showButton_);
    buttons->addWidget(exportButton_);
    buttons->addWidget(deleteButton_);
    buttons->addStretch();
    auto* close = new QPushButton("Close", this);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Downloads, newest first:", this));
    layout->addWidget(downloadsView_, 2);
    layout->addWidget(recordsTitle_);
    layout->addWidget(recordsView_, 3);
    layout->addLayout(buttons);

    connect(downloadsView_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &THistoryForm::SelectionChanged);
    connect(showButton_, &QPushButton::clicked, this, &THistoryForm::ShowInMainGridClick);
    connect(exportButton_, &QPushButton::clicked, this, &THistoryForm::ExportClick);
    connect(deleteButton_, &QPushButton::clicked, this, &THistoryForm::DeleteClick);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(&operations_, &meter::MeterOperations::downloadStarted, this,
            &THistoryForm::UpdateButtons);
    connect(&operations_, &meter::MeterOperations::downloadFinished, this, [this] { Reload(); });
}

THistoryForm::~THistoryForm() = default;

QTableView& THistoryForm::Records() {
    return *recordsView_;
}

void THistoryForm::Reload() {
    downloads_->Reload();
    if (downloads_->rowCount() > 0) {
        downloadsView_->selectRow(0);
    }
    SelectionChanged();
}

qint64 THistoryForm::SelectedDownload() const {
    const QModelIndexList rows = downloadsView_->selectionModel()->selectedRows();
    return rows.isEmpty() ? 0 : downloads_->DownloadAt(rows.first().row()).Id;
}

void THistoryForm::SelectionChanged() {
    const qint64 id = SelectedDownload();
    records_->SetDownload(id);
    recordsTitle_->setText(id ? QString("Records of download %1:").arg(id)
                              : QString("No download selected."));
    UpdateButtons();
}

// Nothing that changes the tables while a download runs.
void THistoryForm::UpdateButtons() {
    const bool can = SelectedDownload() != 0 && !operations_.Downloading();
    showButton_->setEnabled(can);
    exportButton_->setEnabled(can && records_->rowCount() > 0);
    deleteButton_->setEnabled(can);
}

void THistoryForm::ShowInMainGridClick() {
    if (operations_.Downloading() || SelectedDownload() == 0) {
        return;
    }
    writer_->Load(SelectedDownload());
    main_.RecordsShown();
}

void THistoryForm::ExportClick() {
    if (operations_.Downloading() || SelectedDownload() == 0) {
        return;
    }
    main_.ExportView(*recordsView_);
}

void THistoryForm::DeleteClick() {
    const qint64 id = SelectedDownload();
    if (operations_.Downloading() || id == 0) {
        return;
    }
    const store::DownloadInfo& d =
        downloads_->DownloadAt(downloadsView_->selectionModel()->selectedRows().first().row());
    const MessageAnswer answer =
        prompts_.Ask({"Delete download",
                      QString("Delete the download of %1 with its %2 records from the history?\r"
                              "The records in the main grid stay as they are.")
                          .arg(d.Started.toLocalTime().toString("yyyy-MM-dd HH:mm:ss"))
                          .arg(d.Kept),
                      MessageIcon::Question, MessageButtons::YesNo, MessageAnswer::No});
    if (answer != MessageAnswer::Yes) {
        return;
    }
    writer_->Delete(id);
    Reload();
}

} // namespace rangedesk::app
