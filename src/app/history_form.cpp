#include "history_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "download_history.h"
#include "download_writer.h"
#include "edit_failure.h"
#include "error_box.h"
#include "grid_to_excel.h"
#include "history_models.h"
#include "history_scope.h"
#include "job_book.h"
#include "job_prompts.h"
#include "kept_records_table.h"
#include "load_data_columns.h"
#include "main_form.h"
#include "meter_operations.h"
#include "reading_keeper.h"
#include "reading_list_model.h"
#include "reading_log.h"
#include "record_edits.h"
#include "record_grid.h"
#include "record_store.h"
#include "team_history_panel.h"
#include "totals_panel.h"
#include "user_prompts.h"

namespace rangedesk::app {
namespace {

using store::DownloadListModel;
using store::DownloadRecordsModel;

const QSize kDefaultSize(900, 700);

// The entries of the job filter before the jobs.
enum class FilterEntry { All, NoJob, Job };
constexpr int kEntryRole = Qt::UserRole;
constexpr int kJobRole = Qt::UserRole + 1;

QSortFilterProxyModel* SortedBy(QAbstractItemModel* model, QObject* parent) {
    auto* sorted = new QSortFilterProxyModel(parent);
    sorted->setSourceModel(model);
    sorted->setSortRole(store::kSortRole);
    sorted->setSortCaseSensitivity(Qt::CaseInsensitive);
    return sorted;
}

// A view whose rows are a line of text high, sorted by a click on a heading.
void MakeSortable(QTableView& view, int column, Qt::SortOrder order) {
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view.verticalHeader()->setDefaultSectionSize(view.fontMetrics().height() + 8);
    view.horizontalHeader()->setSortIndicator(column, order);
    view.setSortingEnabled(true);
}

} // namespace

THistoryForm::THistoryForm(TMainForm& main, store::RecordStore& store,
                           meter::MeterOperations& operations, UserPrompts& prompts)
    : QWidget(&main, Qt::Window), main_(main), store_(store), operations_(operations),
      prompts_(prompts), history_(std::make_unique<store::DownloadHistory>(store)),
      writer_(std::make_unique<store::DownloadWriter>(store)),
      edits_(std::make_unique<store::RecordEdits>(store)),
      readingLog_(std::make_unique<store::ReadingLog>(store)),
      downloads_(new DownloadListModel(*history_, this)),
      records_(new DownloadRecordsModel(*history_, *edits_, this)),
      readings_(new store::ReadingListModel(*readingLog_, this)),
      sortedDownloads_(SortedBy(downloads_, this)), sortedRecords_(SortedBy(records_, this)),
      sortedReadings_(SortedBy(readings_, this)), downloadsView_(new QTableView(this)),
      recordsView_(new RecordGrid(this)), readingsView_(new QTableView(this)),
      views_(new QTabWidget(this)), jobFilter_(new QComboBox(this)), search_(new QLineEdit(this)),
      onlyNew_(new QCheckBox(tr("Only new"), this)), recordsTitle_(new QLabel(this)),
      showButton_(new QPushButton(tr("Show in main grid"), this)),
      exportButton_(new QPushButton(tr("Export..."), this)),
      deleteButton_(new QPushButton(tr("Delete"), this)),
      assignButton_(new QPushButton(tr("Assign to job..."), this)),
      newJobButton_(new QPushButton(tr("New job..."), this)),
      editJobButton_(new QPushButton(tr("Edit job..."), this)) {
    exportJobButton_ = new QPushButton(tr("Export job..."), this);
    reportButton_ = new QPushButton(tr("Report..."), this);
    jobRecords_ = new store::KeptRecordsTable(this);
    totals_ = new TTotalsPanel(this);
    setObjectName("HistoryForm");
    setWindowTitle(tr("RangeDesk - History of downloads"));
    BuildViews();
    BuildLayout();
    resize(QSettings().value(kSizeKey, kDefaultSize).toSize());

    searchDelay_.setSingleShot(true);
    searchDelay_.setInterval(kSearchDelayMs);
    connect(search_, &QLineEdit::textChanged, &searchDelay_, qOverload<>(&QTimer::start));
    connect(&searchDelay_, &QTimer::timeout, this, [this] { ShowList(Selection::Newest); });
    connect(jobFilter_, &QComboBox::activated, this, [this] { ShowList(Selection::Newest); });
    connect(onlyNew_, &QCheckBox::toggled, this, [this] {
        ShowRecords();
        UpdateButtons();
    });
    connect(downloadsView_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &THistoryForm::SelectionChanged);
    connect(records_, &DownloadRecordsModel::editFailed, this,
            [this](const QString& message) { ShowErrorBox(prompts_, message); });
    connect(records_, &DownloadRecordsModel::recordEdited, this, [this](qint64 downloadId) {
        main_.RecordsEdited(downloadId);
        ShowJobTotals();
    });
    connect(readings_, &store::ReadingListModel::editFailed, this,
            [this](const QString& message) { ShowErrorBox(prompts_, message); });
    connect(&main_.Readings(), &ReadingKeeper::readingKept, this, [this] { ShowReadings(); });
    connect(showButton_, &QPushButton::clicked, this, &THistoryForm::ShowInMainGridClick);
    connect(exportButton_, &QPushButton::clicked, this, &THistoryForm::ExportClick);
    connect(deleteButton_, &QPushButton::clicked, this, &THistoryForm::DeleteClick);
    connect(assignButton_, &QPushButton::clicked, this, &THistoryForm::AssignClick);
    connect(newJobButton_, &QPushButton::clicked, this, &THistoryForm::NewJobClick);
    connect(editJobButton_, &QPushButton::clicked, this, &THistoryForm::EditJobClick);
    connect(exportJobButton_, &QPushButton::clicked, this, &THistoryForm::ExportJobClick);
    connect(reportButton_, &QPushButton::clicked, this, &THistoryForm::ReportClick);
    connect(&operations_, &meter::MeterOperations::downloadStarted, this,
            &THistoryForm::UpdateButtons);
    connect(&operations_, &meter::MeterOperations::downloadFinished, this, [this] { Reload(); });
}

THistoryForm::~THistoryForm() = default;

void THistoryForm::BuildViews() {
    downloadsView_->setObjectName("Downloads");
    downloadsView_->setAccessibleName(tr("Downloads"));
    downloadsView_->setAccessibleDescription(tr("Every download kept, with its job"));
    downloadsView_->setModel(sortedDownloads_);
    downloadsView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    downloadsView_->setSelectionMode(QAbstractItemView::SingleSelection);
    downloadsView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    downloadsView_->verticalHeader()->hide();
    downloadsView_->horizontalHeader()->setStretchLastSection(true);
    MakeSortable(*downloadsView_, DownloadListModel::When, Qt::DescendingOrder);
    downloadsView_->setColumnWidth(DownloadListModel::When, 150);
    downloadsView_->setColumnWidth(DownloadListModel::Job, 160);
    downloadsView_->setColumnWidth(DownloadListModel::Meter, 150);
    downloadsView_->setColumnWidth(DownloadListModel::Records, 80);
    downloadsView_->setColumnWidth(DownloadListModel::New, 50);
    // Room for the heading and the rows asked for, whatever the window's size.
    downloadsView_->setMinimumHeight(downloadsView_->horizontalHeader()->sizeHint().height() +
                                     kListedRows *
                                         downloadsView_->verticalHeader()->defaultSectionSize() +
                                     downloadsView_->horizontalScrollBar()->sizeHint().height() +
                                     2 * downloadsView_->frameWidth());

    recordsView_->setObjectName("Records");
    recordsView_->setAccessibleName(tr("Records of the selected download"));
    recordsView_->setAccessibleDescription(tr("Labels, notes and deductions are edited in place"));
    recordsView_->setModel(sortedRecords_);
    recordsView_->setEditTriggers(QAbstractItemView::DoubleClicked |
                                  QAbstractItemView::EditKeyPressed |
                                  QAbstractItemView::AnyKeyPressed);
    recordsView_->horizontalHeader()->setStretchLastSection(true);
    MakeSortable(*recordsView_, 0, Qt::AscendingOrder);
    for (int c = 0; c < records::kLoadDataColumnCount; ++c) {
        recordsView_->setColumnWidth(c, records::ColumnInfo(c).GridWidth);
    }
    recordsView_->setColumnWidth(DownloadRecordsModel::Label, 160);
    recordsView_->setColumnWidth(DownloadRecordsModel::Note, 200);

    readingsView_->setObjectName("Readings");
    readingsView_->setAccessibleName(tr("Readings"));
    readingsView_->setAccessibleDescription(tr("The readings taken live for the jobs listed"));
    readingsView_->setModel(sortedReadings_);
    readingsView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    readingsView_->setEditTriggers(QAbstractItemView::DoubleClicked |
                                   QAbstractItemView::EditKeyPressed |
                                   QAbstractItemView::AnyKeyPressed);
    readingsView_->verticalHeader()->hide();
    readingsView_->horizontalHeader()->setStretchLastSection(true);
    MakeSortable(*readingsView_, store::ReadingListModel::Taken, Qt::DescendingOrder);
    readingsView_->setColumnWidth(store::ReadingListModel::Taken, 150);
    readingsView_->setColumnWidth(store::ReadingListModel::Meter, 150);
    readingsView_->setColumnWidth(store::ReadingListModel::Text, 100);
    readingsView_->setColumnWidth(store::ReadingListModel::Label, 160);

    jobFilter_->setObjectName("JobFilter");
    jobFilter_->setAccessibleName(tr("Show the downloads of"));
    jobFilter_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    jobFilter_->setMinimumContentsLength(16);
    search_->setObjectName("Search");
    search_->setAccessibleName(tr("Search"));
    search_->setPlaceholderText(tr("Search jobs, clients, labels, notes and modes"));
    search_->setClearButtonEnabled(true);
    onlyNew_->setObjectName("OnlyNew");
    onlyNew_->setToolTip(tr("Only the records that the previous download from this meter did "
                            "not have"));
    assignButton_->setToolTip(tr("Put the selected download into a job, or into none"));
    editJobButton_->setToolTip(tr("Rename the job and give its client, address and notes (the "
                                  "job the list shows, else that of the selected download)"));
}

void THistoryForm::BuildLayout() {
    auto* filters = new QHBoxLayout;
    filters->addWidget(new QLabel(tr("Job:"), this));
    filters->addWidget(jobFilter_);
    filters->addWidget(exportJobButton_); // what these two take is the job chosen here
    filters->addWidget(reportButton_);
    filters->addSpacing(12);
    filters->addWidget(new QLabel(tr("Search:"), this));
    filters->addWidget(search_, 1);

    auto* recordsHeading = new QHBoxLayout;
    recordsHeading->addWidget(recordsTitle_, 1);
    recordsHeading->addWidget(onlyNew_);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {showButton_, exportButton_, deleteButton_}) {
        buttons->addWidget(button);
    }
    buttons->addSpacing(16);
    for (QPushButton* button : {assignButton_, newJobButton_, editJobButton_}) {
        buttons->addWidget(button);
    }
    buttons->addStretch();

    // The selected download's records, or the readings of the jobs listed.
    auto* recordsPage = new QWidget(views_);
    auto* recordsLayout = new QVBoxLayout(recordsPage);
    recordsLayout->addLayout(recordsHeading);
    recordsLayout->addWidget(recordsView_);
    recordsLayout->addWidget(totals_);
    views_->setObjectName("RecordsOrReadings");
    views_->addTab(recordsPage, tr("Records"));
    views_->addTab(readingsView_, tr("Readings"));
    connect(views_, &QTabWidget::currentChanged, this, &THistoryForm::UpdateButtons);

    // This desk's history; "Team" above it shows the team server's instead.
    auto* thisDesk = new QWidget(this);
    auto* deskLayout = new QVBoxLayout(thisDesk);
    deskLayout->setContentsMargins(0, 0, 0, 0);
    deskLayout->addLayout(filters);
    deskLayout->addWidget(downloadsView_, 2);
    deskLayout->addWidget(views_, 3);
    deskLayout->addLayout(buttons);
    auto* scope = new HistoryScope(
        thisDesk, [this](QWidget* parent) { return TeamHistoryPanel::ForWindow(main_, parent); },
        this);

    auto* close = new QPushButton(tr("Close"), this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scope);
    layout->addLayout(closeRow);

    // From the scope and the filters down to the buttons, as the window reads.
    QWidget* const order[] = {&scope->Choice(), jobFilter_,     search_,       downloadsView_,
                              views_,           onlyNew_,       recordsView_,  readingsView_,
                              showButton_,      exportButton_,  deleteButton_, assignButton_,
                              newJobButton_,    editJobButton_, close};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

QTableView& THistoryForm::Records() {
    return *recordsView_;
}

void THistoryForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (isVisible()) {
        QSettings().setValue(kSizeKey, size());
    }
}

void THistoryForm::Reload() {
    ShowJobFilter();
    ShowList(Selection::Newest);
}

void THistoryForm::JobsChanged() {
    ShowJobFilter();
    ShowList(Selection::Keep);
}

void THistoryForm::RecordsEdited(qint64 downloadId) {
    if (records_->Download() == downloadId) {
        records_->Refresh();
    }
    ShowJobTotals();
}

// "All jobs", "No job", then each job; the one chosen stays chosen while it exists.
void THistoryForm::ShowJobFilter() {
    const int entry = jobFilter_->currentData(kEntryRole).toInt();
    const QVariant job = jobFilter_->currentData(kJobRole);
    const QSignalBlocker quiet(jobFilter_);
    jobFilter_->clear();
    jobFilter_->addItem(tr("All jobs"), int(FilterEntry::All));
    jobFilter_->addItem(tr("No job"), int(FilterEntry::NoJob));
    const std::vector<store::JobInfo> jobs = store::JobBook(store_).List();
    if (!jobs.empty()) {
        jobFilter_->insertSeparator(jobFilter_->count());
    }
    for (const store::JobInfo& j : jobs) {
        jobFilter_->addItem(j.Name, int(FilterEntry::Job));
        jobFilter_->setItemData(jobFilter_->count() - 1, j.Id, kJobRole);
    }
    const int at = entry == int(FilterEntry::Job) ? jobFilter_->findData(job, kJobRole)
                                                  : jobFilter_->findData(entry, kEntryRole);
    jobFilter_->setCurrentIndex(std::max(at, 0));
}

store::DownloadFilter THistoryForm::Filter() const {
    store::DownloadFilter filter;
    switch (FilterEntry(jobFilter_->currentData(kEntryRole).toInt())) {
    case FilterEntry::NoJob:
        filter.WithoutJob = true;
        break;
    case FilterEntry::Job:
        filter.JobId = jobFilter_->currentData(kJobRole).toLongLong();
        break;
    case FilterEntry::All:
        break;
    }
    return filter;
}

// The readings of the jobs the filter takes.
void THistoryForm::ShowReadings() {
    const store::DownloadFilter filter = Filter();
    readings_->Reload({filter.JobId, filter.WithoutJob});
    views_->setTabText(1, tr("Readings (%1)").arg(readings_->rowCount()));
}

void THistoryForm::ShowList(Selection selection) {
    const qint64 keep = SelectedDownload();
    downloads_->Reload(Filter(), search_->text());
    ShowReadings();
    ShowJobTotals();
    // Newest: the first of the list as the store gives it, whatever the order shown.
    int row = selection == Selection::Keep ? downloads_->RowOf(keep) : -1;
    if (row < 0 && downloads_->rowCount() > 0) {
        row = 0;
    }
    if (row >= 0) {
        downloadsView_->selectRow(sortedDownloads_->mapFromSource(downloads_->index(row, 0)).row());
    }
    SelectionChanged();
}

const store::DownloadInfo* THistoryForm::Selected() const {
    const QModelIndexList rows = downloadsView_->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        return nullptr;
    }
    return &downloads_->DownloadAt(sortedDownloads_->mapToSource(rows.first()).row());
}

qint64 THistoryForm::SelectedDownload() const {
    const store::DownloadInfo* d = Selected();
    return d ? d->Id : 0;
}

void THistoryForm::SelectionChanged() {
    ShowRecords();
    UpdateButtons();
}

// The selected download's records: all or only the new ones, and of those the ones a search
// found in it (all when it found the download by its job).
void THistoryForm::ShowRecords() {
    const store::DownloadInfo* d = Selected();
    const qint64 id = d ? d->Id : 0;
    const bool onlyNew = onlyNew_->isChecked();
    const std::optional<std::set<int>> found = downloads_->FoundRecords(id);
    records_->SetDownload(id, onlyNew ? store::RecordChoice::OnlyNew : store::RecordChoice::All,
                          found);
    totals_->ShowDownload(d ? records_ : nullptr);
    if (!d) {
        recordsTitle_->setText(tr("No download selected."));
        return;
    }
    const QString caption = store::DownloadCaption(*d);
    const QString search = search_->text().trimmed();
    if (found) {
        recordsTitle_->setText(onlyNew
                                   ? tr("New records of %1 found by \"%2\":").arg(caption, search)
                                   : tr("Records of %1 found by \"%2\":").arg(caption, search));
    } else {
        recordsTitle_->setText(onlyNew ? tr("New records of %1:").arg(caption)
                                       : tr("Records of %1:").arg(caption));
    }
}

// Nothing that changes the database while a download runs.
void THistoryForm::UpdateButtons() {
    const bool idle = !operations_.Downloading();
    const bool can = idle && SelectedDownload() != 0;
    showButton_->setEnabled(can);
    // Export... writes what the tab shows: the download's records, or the readings listed.
    exportButton_->setEnabled(ShowsReadings() ? idle && readings_->rowCount() > 0
                                              : can && records_->rowCount() > 0);
    deleteButton_->setEnabled(can);
    assignButton_->setEnabled(can);
    newJobButton_->setEnabled(idle);
    editJobButton_->setEnabled(idle && JobToEdit().has_value());
    const bool job = idle && FilteredJob().has_value();
    exportJobButton_->setEnabled(job);
    reportButton_->setEnabled(job);
    records_->SetEditable(idle);
    readings_->SetEditable(idle);
}

std::optional<store::JobInfo> THistoryForm::JobToEdit() const {
    std::optional<qint64> id;
    if (jobFilter_->currentData(kEntryRole).toInt() == int(FilterEntry::Job)) {
        id = jobFilter_->currentData(kJobRole).toLongLong();
    } else if (const store::DownloadInfo* d = Selected()) {
        id = d->JobId;
    }
    return id ? store::JobBook(store_).Find(*id) : std::nullopt;
}

std::optional<store::JobInfo> THistoryForm::FilteredJob() const {
    if (jobFilter_->currentData(kEntryRole).toInt() != int(FilterEntry::Job)) {
        return std::nullopt;
    }
    return store::JobBook(store_).Find(jobFilter_->currentData(kJobRole).toLongLong());
}

bool THistoryForm::RunEdit(const std::function<void()>& edit) {
    if (operations_.Downloading()) {
        return false;
    }
    if (const std::optional<QString> failure = store::EditFailure(edit)) {
        ShowErrorBox(prompts_, *failure);
        return false;
    }
    return true;
}

void THistoryForm::ChangedJobs() {
    main_.JobsChanged(); // which has this window follow too
}

void THistoryForm::ShowInMainGridClick() {
    if (operations_.Downloading() || SelectedDownload() == 0) {
        return;
    }
    writer_->Load(SelectedDownload());
    main_.RecordsShown();
}

// The records shown, with their labels and notes after LoadData's columns (the legacy XLS
// keeps to LoadData's), in the order shown; the deduction marks only under a unit system.
bool THistoryForm::ShowsReadings() const {
    return views_->currentWidget() == readingsView_;
}

void THistoryForm::ExportClick() {
    if (ShowsReadings()) {
        if (operations_.Downloading()) {
            return;
        }
        const std::vector<output::SheetColumn> shown = GridColumns(*readingsView_);
        main_.ExportRecords({*readingsView_->model(),
                             [&](output::ExportFormat, UnitSystem) { return shown; },
                             std::nullopt});
        return;
    }
    const store::DownloadInfo* d = Selected();
    if (operations_.Downloading() || !d) {
        return;
    }
    const std::vector<output::SheetColumn> shown = GridColumns(*recordsView_);
    const auto columns = [&](output::ExportFormat format, UnitSystem units) {
        std::vector<output::SheetColumn> written;
        for (const output::SheetColumn& c : shown) {
            const bool said =
                c.Field == DownloadRecordsModel::Label || c.Field == DownloadRecordsModel::Note;
            const bool deduction =
                c.Field == DownloadRecordsModel::Deduction && units != UnitSystem::AsMeasured;
            if (c.Field < records::kLoadDataColumnCount ||
                ((said || deduction) && format != output::ExportFormat::Xls)) {
                written.push_back(c);
            }
        }
        return written;
    };
    main_.ExportRecords({*sortedRecords_, columns, *d});
}

void THistoryForm::DeleteClick() {
    const store::DownloadInfo* d = Selected();
    if (operations_.Downloading() || !d) {
        return;
    }
    const MessageAnswer answer =
        prompts_.Ask({tr("Delete download"),
                      tr("Delete the download of %1 with its %2 records from the history?")
                              .arg(d->Started.toLocalTime().toString("yyyy-MM-dd HH:mm:ss"))
                              .arg(d->Kept) +
                          '\r' + tr("The records in the main grid stay as they are."),
                      MessageIcon::Question, MessageButtons::YesNo, MessageAnswer::No});
    if (answer != MessageAnswer::Yes) {
        return;
    }
    writer_->Delete(d->Id);
    Reload();
}

// The jobs to choose from: "No job", each job, and "New job...", which makes one first.
void THistoryForm::AssignClick() {
    const store::DownloadInfo* d = Selected();
    if (operations_.Downloading() || !d) {
        return;
    }
    const qint64 download = d->Id;
    const std::vector<store::JobInfo> jobs = store::JobBook(store_).List();
    ChoiceRequest request{tr("Assign to job"),
                          tr("%1 goes into:").arg(store::DownloadCaption(*d)),
                          {tr("No job")},
                          0};
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        request.Items << jobs[i].Name;
        if (d->JobId == jobs[i].Id) {
            request.Current = int(i) + 1;
        }
    }
    request.Items << tr("New job...");
    const std::optional<int> chosen = prompts_.AskChoice(request);
    if (!chosen || *chosen < 0 || *chosen >= request.Items.size()) {
        return;
    }
    std::optional<qint64> job;
    if (*chosen == request.Items.size() - 1) {
        job = AskNewJob(prompts_, store_);
        if (!job) {
            return;
        }
    } else if (*chosen > 0) {
        job = jobs.at(std::size_t(*chosen - 1)).Id;
    }
    RunEdit([&] { store::JobBook(store_).Assign(download, job); });
    ChangedJobs();
}

void THistoryForm::NewJobClick() {
    if (!operations_.Downloading() && AskNewJob(prompts_, store_)) {
        ChangedJobs();
    }
}

void THistoryForm::EditJobClick() {
    const std::optional<store::JobInfo> job = JobToEdit();
    if (!operations_.Downloading() && job && AskEditJob(prompts_, store_, *job)) {
        ChangedJobs();
    }
}

} // namespace rangedesk::app
