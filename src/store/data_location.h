#pragma once

#include <QString>

namespace rangedesk::store {

// Where the program's files live.
struct DataLocation {
    QString Database;         // DistLib.mdb in use
    QString ReportDefinition; // Vermo.rav in use
    QString Template;         // the installed DistLib.mdb a user's own is first copied from;
                              // empty when the program folder's own is used
};

// The rule, given the facts: a program folder whose lib/ the user can write (a build tree, an
// unpacked copy) keeps everything there; otherwise the database is the user's own in
// `userDataDir`, copied from lib/ on first start, and a Vermo.rav there overrides lib/'s.
DataLocation ChooseDataLocation(const QString& programDir, const QString& userDataDir,
                                bool libWritable, bool userHasReportDefinition);

// The rule for this program and user: lib/ beside `programDir` counts as writable when this
// user may write it and the program is not installed under /usr.
DataLocation LocateData(const QString& programDir);

// Copies the template to the user's database when that does not exist yet. A missing template
// copies nothing (the program then reports the missing database as ever). Returns the reason
// when the copy fails, empty otherwise.
QString PrepareUserDatabase(const DataLocation& location);

} // namespace rangedesk::store
