#pragma once

#include <QString>

namespace rangedesk::store {

// Where the program's files live.
struct DataLocation {
    QString Database;         // DistLib.mdb in use; empty when the user's data folder is unknown
    QString ReportDefinition; // Vermo.rav in use
    QString Template;         // the installed DistLib.mdb a user's own is first copied from;
                              // empty when the program folder's own is used
};

// The user's data folder by the XDG rule: $XDG_DATA_HOME/RangeDesk, or, when that is unset,
// empty or relative (a relative value is ignored), $HOME/.local/share/RangeDesk. Empty when
// HOME is unset or relative too: there is no folder to put the user's database in.
QString UserDataFolder(const QString& xdgDataHome, const QString& home);

// The rule, given the facts: a program folder whose lib/ the user can write (a build tree, an
// unpacked copy) keeps everything there; otherwise the database is the user's own in
// `userDataDir`, copied from lib/ on first start, and a Vermo.rav there overrides lib/'s.
DataLocation ChooseDataLocation(const QString& programDir, const QString& userDataDir,
                                bool libWritable, bool userHasReportDefinition);

// The report definitions beside the database: the printout's and the client report's.
inline constexpr const char* kPrintoutDefinitionFile = "Vermo.rav";
inline constexpr const char* kClientReportDefinitionFile = "Report.rav";

// Which copy of the report definition `fileName` is used, by the same rule as Vermo.rav: the
// program folder's lib/ one, unless the data lives in the user's data folder and the user has
// a file of that name there.
QString ChooseReportFile(const QString& programDir, const QString& userDataDir, bool libWritable,
                         bool userHasFile, const QString& fileName);
// The same for this program and user.
QString LocateReportFile(const QString& programDir, const QString& fileName);

// The rule for this program and user, without making anything: to show where the data is.
// lib/ beside `programDir` counts as writable when this user may write it and the program is
// not installed under /usr.
DataLocation LocateData(const QString& programDir);

// The one step before a database is used: locates the data and, for an installed program,
// makes the user's database from the template when it does not exist yet. Throws StoreError
// with the file and the reason: the template missing (kind Missing) or no database of ours,
// the user's data folder unknown (HOME unset) or not writable.
DataLocation PrepareUserData(const QString& programDir);

// The making of the user's database for a location: a copy of the template, checked to open as
// a database of this program before it is put in place, private to the user (0600). A database
// already there is left alone. Throws StoreError.
void PrepareUserDatabase(const DataLocation& location);

} // namespace rangedesk::store
