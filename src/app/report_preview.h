#pragma once

#include <QString>

#include <filesystem>
#include <vector>

#include "client_report.h"
#include "job_book.h"
#include "kept_records_table.h"

class QPagedPaintDevice;
class QWidget;

namespace rangedesk::app {

class UserPrompts;

// A job's report for its client: the job's records, headed by the firm named in Settings and
// by the job, printed through the client report definition.
class JobReport {
public:
    // Reads the job's records; throws StoreError.
    JobReport(const store::DownloadHistory& history, const store::JobInfo& job,
              std::filesystem::path definition);

    int Records() const { return records_.rowCount(); }
    const store::JobInfo& Job() const { return job_; }
    // Every page on `device`: the preview's printer, a printer, or a PDF. Throws ReportError.
    output::PrintOutcome Print(QPagedPaintDevice& device, UnitSystem units) const;
    // To a PDF file, replaced only once complete and never one of `protectedFiles`.
    output::PrintOutcome PrintToPdf(const std::filesystem::path& pdf, UnitSystem units,
                                    const std::vector<std::filesystem::path>& protectedFiles) const;

private:
    store::JobInfo job_;
    store::KeptRecordsTable records_;
    output::ClientReportHeader header_;
    std::filesystem::path definition_;
};

// The print preview of the report, from which it is printed or saved as a PDF ("Save PDF..."
// asks for the file). An error while it paints closes it and is thrown once it is closed.
void ShowReportPreview(QWidget* parent, UserPrompts& prompts, const JobReport& report,
                       UnitSystem units, const std::vector<std::filesystem::path>& protectedFiles);

} // namespace rangedesk::app
