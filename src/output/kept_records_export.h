#pragma once

#include <filesystem>
#include <vector>

#include "table_export.h"
#include "unit_system.h"

class QAbstractItemModel;

namespace rangedesk::output {

// Whether an export of kept records begins with the Download column (a job's export does).
enum class DownloadColumn { Omit, First };

// The columns an export of kept records writes, found in `table` by their headings (a table of
// kept records: Download, the seven of LoadData, Label, Note, Deduction): the seven, then Label
// and Note, and under a unit system Deduction; with DownloadColumn::First, Download before
// them. The legacy XLS gets the seven alone.
std::vector<SheetColumn> KeptRecordColumns(const QAbstractItemModel& table, DownloadColumn download,
                                           ExportFormat format, UnitSystem units);

// Writes kept records (of a download, or of a job with DownloadColumn::First) to `target`
// with those columns, under options.Units (see ExportRecords). Throws ExportError.
ExportResult ExportKeptRecords(const QAbstractItemModel& table, DownloadColumn download,
                               ExportFormat format, const std::filesystem::path& target,
                               const ExportOptions& options = {});

} // namespace rangedesk::output
