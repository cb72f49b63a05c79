#pragma once

#include <QDate>
#include <QString>

#include "table_export.h"

namespace rangedesk::app {

// The file name an export suggests: the job and the date of the records, "Site A
// 2026-12-09.xlsx", or "RangeDesk 2026-12-09.XLS" without a job. A character that a file name
// cannot hold on a common disk (a slash, a colon...) becomes "-", and a long job name is cut so
// that the name stays within 255 bytes.
QString SuggestedExportName(const QString& jobName, QDate date, output::ExportFormat format);

} // namespace rangedesk::app
