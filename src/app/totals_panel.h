#pragma once

#include <QPointer>
#include <QWidget>

#include <vector>

#include "number_format.h"
#include "quantity_totals.h"

class QAbstractItemModel;
class QComboBox;
class QLabel;

namespace rangedesk::app {

// The totals, a line per kind: "Area: 12.35 m2 (records: 4)", "Length: 3.200 m (records: 2;
// in other units, left out: 1)"; or that there is nothing to total.
QString TotalsText(const std::vector<KindTotal>& totals, const NumberFormat& numbers);

// Under the History window's records: the totals by kind of the download shown and of the job
// the list is filtered by, in the unit system chosen here, deductions taken off. Each follows
// its table as it changes.
class TTotalsPanel : public QWidget {
    Q_OBJECT
public:
    explicit TTotalsPanel(QWidget* parent = nullptr);

    // The download's records (nullptr: none shown).
    void ShowDownload(const QAbstractItemModel* records);
    // The job's records (nullptr: the list is not one job's) and its name.
    void ShowJob(const QAbstractItemModel* records, const QString& jobName);

    UnitSystem Units() const;
    QComboBox& UnitsChoice() { return *units_; }
    QLabel& DownloadTotals() { return *download_; }
    QLabel& JobTotals() { return *job_; }

private:
    void Follow(const QAbstractItemModel* model);
    void Refresh();

    QComboBox* units_;
    QLabel* download_;
    QLabel* jobCaption_;
    QLabel* job_;
    QPointer<const QAbstractItemModel> downloadRecords_;
    QPointer<const QAbstractItemModel> jobRecords_;
    QString jobName_;
};

} // namespace rangedesk::app
