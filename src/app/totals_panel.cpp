#include "totals_panel.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "table_totals.h"
#include "unit_choice.h"

namespace rangedesk::app {
namespace {

QString KindText(QuantityKind kind) {
    switch (kind) {
    case QuantityKind::Length:
        return QCoreApplication::translate("Totals", "Length");
    case QuantityKind::Area:
        return QCoreApplication::translate("Totals", "Area");
    case QuantityKind::Volume:
        return QCoreApplication::translate("Totals", "Volume");
    default:
        return output::KindWord(kind);
    }
}

} // namespace

QString TotalsText(const std::vector<KindTotal>& totals, const NumberFormat& numbers) {
    if (totals.empty()) {
        return QCoreApplication::translate("Totals", "No length, area or volume to total.");
    }
    QStringList parts;
    for (const KindTotal& total : totals) {
        const QString value = output::TotalText(total, numbers);
        parts << (total.LeftOut.empty()
                      ? QCoreApplication::translate("Totals", "%1: %2 (records: %3)")
                            .arg(KindText(total.Kind), value)
                            .arg(total.Records)
                      : QCoreApplication::translate(
                            "Totals", "%1: %2 (records: %3; in other units, left out: %4)")
                            .arg(KindText(total.Kind), value)
                            .arg(total.Records)
                            .arg(total.LeftOut.size()));
    }
    return parts.join('\n');
}

TTotalsPanel::TTotalsPanel(QWidget* parent)
    : QWidget(parent), units_(NewUnitChoice(UnitSystem::AsMeasured, this)),
      download_(new QLabel(this)), jobCaption_(new QLabel(this)), job_(new QLabel(this)) {
    setObjectName("Totals");
    units_->setObjectName("TotalsUnits");
    units_->setAccessibleName(tr("Totals in"));
    download_->setObjectName("DownloadTotals");
    job_->setObjectName("JobTotals");
    for (QLabel* label : {download_, job_}) {
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    // The download's totals beside the job's, the choice of units at the side.
    auto* choice = new QHBoxLayout;
    choice->addWidget(new QLabel(tr("Totals in:"), this));
    choice->addWidget(units_);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setVerticalSpacing(2);
    layout->addWidget(new QLabel(tr("This download:"), this), 0, 0);
    layout->addWidget(download_, 1, 0, Qt::AlignTop);
    layout->addWidget(jobCaption_, 0, 1);
    layout->addWidget(job_, 1, 1, Qt::AlignTop);
    layout->addLayout(choice, 0, 2, 2, 1, Qt::AlignTop);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 1);
    connect(units_, &QComboBox::currentIndexChanged, this, &TTotalsPanel::Refresh);
    Refresh();
}

UnitSystem TTotalsPanel::Units() const {
    return ChosenUnits(*units_);
}

void TTotalsPanel::ShowDownload(const QAbstractItemModel* records) {
    if (downloadRecords_ != records) {
        Follow(records);
    }
    downloadRecords_ = records;
    Refresh();
}

void TTotalsPanel::ShowJob(const QAbstractItemModel* records, const QString& jobName) {
    if (jobRecords_ != records) {
        Follow(records);
    }
    jobRecords_ = records;
    jobName_ = jobName;
    Refresh();
}

// Edits (a deduction switched), a reload or another selection all end in one of these.
void TTotalsPanel::Follow(const QAbstractItemModel* model) {
    if (!model) {
        return;
    }
    connect(model, &QAbstractItemModel::modelReset, this, &TTotalsPanel::Refresh,
            Qt::UniqueConnection);
    connect(model, &QAbstractItemModel::dataChanged, this, &TTotalsPanel::Refresh,
            Qt::UniqueConnection);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &TTotalsPanel::Refresh,
            Qt::UniqueConnection);
    connect(model, &QAbstractItemModel::rowsInserted, this, &TTotalsPanel::Refresh,
            Qt::UniqueConnection);
}

void TTotalsPanel::Refresh() {
    const NumberFormat numbers = NumberFormat::FromCurrentLocale();
    download_->setText(downloadRecords_
                           ? TotalsText(output::TableTotals(*downloadRecords_, Units()), numbers)
                           : tr("No download selected."));
    const bool job = !jobRecords_.isNull();
    jobCaption_->setVisible(job);
    job_->setVisible(job);
    if (job) {
        jobCaption_->setText(tr("Job \"%1\":").arg(jobName_));
        job_->setText(TotalsText(output::TableTotals(*jobRecords_, Units()), numbers));
    }
}

} // namespace rangedesk::app
