#pragma once

#include <QString>

namespace rangedesk::store {

// Where the program's files live, for the program in `programDir`.
struct DataLocation {
    QString Database;         // DistLib.mdb
    QString ReportDefinition; // Vermo.rav
};

DataLocation LocateData(const QString& programDir);

} // namespace rangedesk::store
