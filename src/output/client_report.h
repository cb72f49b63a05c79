#pragma once

#include <QDate>
#include <QString>

#include <filesystem>
#include <vector>

#include "report_print.h"
#include "unit_system.h"

class QAbstractItemModel;
class QPagedPaintDevice;

namespace rangedesk::output {

// The data connection a client report definition reads a job's records from.
inline const QString kClientReportConnection = QStringLiteral("JobRecords");
// What a report of a job without records says instead.
inline const QString kNoRecordsToReport = QStringLiteral("The job has no records to report.");

// What heads a client report: the firm (the program's settings) and the job.
struct ClientReportHeader {
    QString Company;
    QString Contact;
    QString Job;
    QString Client;
    QString Address;
    QDate Date;
};

// Prints a job's records as the report for its client, through a report definition (see
// Report.rav): the title on every page; the header lines on the first, their placeholders
// {company}, {contact}, {job}, {client}, {address} and {date} filled (a line whose placeholders
// are all empty is left out); the rows under a heading per group (a download), with the values
// of the measurement columns in `units`; then the totals of RESULT by kind, deductions taken
// off, with the records in each; "Page i of n" on every page. The table is any with the
// columns the definition names and the headings of kept records (UNIT, RESULT, Deduction).
// Nothing is printed for a table without rows. Throws ReportError.
PrintOutcome PrintClientReport(const QAbstractItemModel& records, const ClientReportHeader& header,
                               UnitSystem units, const std::filesystem::path& definitionFile,
                               QPagedPaintDevice& device);

// The same as a PDF file (or "-", standard output), replaced only once complete and never one
// of the protected files; no file is written for a table without rows. Throws ReportError or
// ExportError.
PrintOutcome PrintClientReportToPdf(const QAbstractItemModel& records,
                                    const ClientReportHeader& header, UnitSystem units,
                                    const std::filesystem::path& definitionFile,
                                    const std::filesystem::path& pdf,
                                    const std::vector<std::filesystem::path>& protectedFiles);

} // namespace rangedesk::output
