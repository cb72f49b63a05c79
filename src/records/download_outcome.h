#pragma once

#include <QString>

#include <optional>

namespace rangedesk::records {

struct DownloadSummary;

// How a kept download ended, as the history stores it.
enum class DownloadOutcome {
    Running,     // not ended yet, or ended by a killed program until the next start says so
    Complete,    // every record asked for was stored
    Incomplete,  // some records could not be read
    Cancelled,   // the user cancelled it
    Unplugged,   // the meter left during the download
    NoAnswer,    // the meter did not say how many records it holds
    Failed,      // storing a record failed
    Interrupted, // the program ended while it ran
    Imported,    // rows an earlier version downloaded, kept without the meter's bytes
};

// The word the database keeps for an outcome: "complete", "no answer"...
QString OutcomeWord(DownloadOutcome outcome);
// The outcome of a stored word; nothing for a word no outcome has.
std::optional<DownloadOutcome> OutcomeFromWord(const QString& word);
// How a download that ended with this summary is kept.
DownloadOutcome OutcomeOf(const DownloadSummary& summary);

} // namespace rangedesk::records
