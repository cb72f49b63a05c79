#include "download_outcome.h"

#include <array>
#include <utility>

#include "download_summary.h"

namespace rangedesk::records {
namespace {

// The one text table of the outcomes; these words are stored, so they never change.
constexpr std::array<std::pair<DownloadOutcome, const char*>, 9> kOutcomeWords = {{
    {DownloadOutcome::Running, "running"},
    {DownloadOutcome::Complete, "complete"},
    {DownloadOutcome::Incomplete, "incomplete"},
    {DownloadOutcome::Cancelled, "cancelled"},
    {DownloadOutcome::Unplugged, "unplugged"},
    {DownloadOutcome::NoAnswer, "no answer"},
    {DownloadOutcome::Failed, "failed"},
    {DownloadOutcome::Interrupted, "interrupted"},
    {DownloadOutcome::Imported, "imported"},
}};

} // namespace

QString OutcomeWord(DownloadOutcome outcome) {
    for (const auto& [value, word] : kOutcomeWords) {
        if (value == outcome) {
            return QString::fromLatin1(word);
        }
    }
    return {};
}

std::optional<DownloadOutcome> OutcomeFromWord(const QString& word) {
    for (const auto& [value, text] : kOutcomeWords) {
        if (word == QLatin1String(text)) {
            return value;
        }
    }
    return std::nullopt;
}

DownloadOutcome OutcomeOf(const DownloadSummary& summary) {
    switch (summary.End) {
    case DownloadEnd::Complete:
        return summary.Missing.empty() ? DownloadOutcome::Complete : DownloadOutcome::Incomplete;
    case DownloadEnd::NoRecords:
        return DownloadOutcome::Complete;
    case DownloadEnd::NoAnswer:
        return DownloadOutcome::NoAnswer;
    case DownloadEnd::Unplugged:
        return DownloadOutcome::Unplugged;
    case DownloadEnd::Cancelled:
        return DownloadOutcome::Cancelled;
    case DownloadEnd::DatabaseError:
        return DownloadOutcome::Failed;
    }
    return DownloadOutcome::Failed;
}

} // namespace rangedesk::records
