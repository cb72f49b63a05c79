// The database a command works on, by the same rule as the window.
#include <QCoreApplication>

#include "cli_options.h"
#include "commands.h"
#include "data_location.h"

namespace rangedesk::cli {

QString DatabaseFor(const CliOptions& options) {
    if (!options.Database.isEmpty()) {
        return options.Database;
    }
    // An installed program's user has a database of their own.
    const QString programDir = QCoreApplication::applicationDirPath();
    if (options.Command != "" && !options.Version) {
        return store::PrepareUserData(programDir).Database;
    }
    return store::LocateData(programDir).Database;
}

} // namespace rangedesk::cli
