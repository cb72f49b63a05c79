#include "data_location.h"

#include <QDir>

namespace rangedesk::store {

DataLocation LocateData(const QString& programDir) {
    const QDir lib(QDir(programDir).filePath("lib"));
    return {lib.filePath("DistLib.mdb"), lib.filePath("Vermo.rav")};
}

} // namespace rangedesk::store
