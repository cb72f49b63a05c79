// The History window's work on the job the list is filtered by: its totals, its export and
// its report for the client.
#include <QDateTime>

#include "data_location.h"
#include "download_history.h"
#include "file_names.h"
#include "history_form.h"
#include "kept_records_export.h"
#include "kept_records_table.h"
#include "main_form.h"
#include "meter_operations.h"
#include "output_target.h"
#include "record_store.h"
#include "report_preview.h"
#include "totals_panel.h"
#include "user_prompts.h"

namespace rangedesk::app {

void THistoryForm::ShowJobTotals() {
    const std::optional<store::JobInfo> job = FilteredJob();
    if (!job) {
        totals_->ShowJob(nullptr, {});
        return;
    }
    jobRecords_->ShowJob(*history_, job->Id);
    totals_->ShowJob(jobRecords_, job->Name);
}

// Every record of the job, each with its download first, as the command line's job export.
void THistoryForm::ExportJobClick() {
    const std::optional<store::JobInfo> job = FilteredJob();
    if (operations_.Downloading() || !job) {
        return;
    }
    store::KeptRecordsTable records;
    records.ShowJob(*history_, job->Id);
    // What names the file: the job, and today as the date.
    store::DownloadInfo named;
    named.JobName = job->Name;
    named.Started = QDateTime::currentDateTime();
    main_.ExportRecords({records,
                         [&](output::ExportFormat format, UnitSystem units) {
                             return output::KeptRecordColumns(
                                 records, output::DownloadColumn::First, format, units);
                         },
                         named});
}

void THistoryForm::ReportClick() {
    const std::optional<store::JobInfo> job = FilteredJob();
    if (operations_.Downloading() || !job) {
        return;
    }
    const JobReport report(*history_, *job,
                           files::LocalPath(store::LocateReportFile(
                               main_.ProgramDir(), store::kClientReportDefinitionFile)));
    if (report.Records() == 0) {
        prompts_.Ask({tr("Report"), tr("The job \"%1\" has no records to report.").arg(job->Name),
                      MessageIcon::Information});
        return;
    }
    ShowReportPreview(this, prompts_, report, totals_->Units(),
                      output::DatabaseFiles(files::LocalPath(store_.Path())));
}

} // namespace rangedesk::app
