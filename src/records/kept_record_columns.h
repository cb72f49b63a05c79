#pragma once

#include <QString>

namespace rangedesk::records {

// The columns a kept record has beside the seven of LoadData, by their headings: the tables
// of kept records name them so, and the exports and the report find them by these names.
inline const QString kDownloadColumn = QStringLiteral("Download"); // its download's date and time
inline const QString kLabelColumn = QStringLiteral("Label");
inline const QString kNoteColumn = QStringLiteral("Note");
inline const QString kDeductionColumn = QStringLiteral("Deduction"); // true: counts negative

// What a deduction's Deduction cell shows; an empty cell is none.
inline const QString kDeductionMark = QStringLiteral("yes");

} // namespace rangedesk::records
