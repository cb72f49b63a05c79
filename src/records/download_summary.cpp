#include "download_summary.h"

#include <QCoreApplication>
#include <QStringList>

namespace rangedesk::records {

QString RecordNumbersText(const std::vector<int>& numbers) {
    QStringList parts;
    for (std::size_t i = 0; i < numbers.size();) {
        std::size_t j = i;
        while (j + 1 < numbers.size() && numbers[j + 1] == numbers[j] + 1) {
            ++j;
        }
        parts << (j == i ? QString::number(numbers[i])
                         : QString("%1-%2").arg(numbers[i]).arg(numbers[j]));
        i = j + 1;
    }
    return parts.join(", ");
}

namespace {

QString StoredOfAsked(const DownloadSummary& s) {
    return QCoreApplication::translate("DownloadSummary", "%1 of %2 records were stored.")
        .arg(s.Stored)
        .arg(s.Asked);
}

// " " and `sentence` (which has the record numbers as %1), or nothing when none is missing.
QString MissingSentence(const DownloadSummary& s, const QString& sentence) {
    if (s.Missing.empty()) {
        return {};
    }
    return " " + sentence.arg(RecordNumbersText(s.Missing));
}

QString AboveLimitSentence(const DownloadSummary& s) {
    if (s.Claimed <= kMaxRecordNumber) {
        return {};
    }
    return " " + QCoreApplication::translate(
                     "DownloadSummary",
                     "The meter holds %1 records. Records 1 to 999 were downloaded; the "
                     "records above 999 were not downloaded.")
                     .arg(s.Claimed);
}

} // namespace

QString DownloadSummaryText(const DownloadSummary& s) {
    switch (s.End) {
    case DownloadEnd::NoRecords:
        return QCoreApplication::translate("DownloadSummary", "No Record Found!");
    case DownloadEnd::NoAnswer:
        return QCoreApplication::translate(
            "DownloadSummary", "The meter did not answer the request for its record count; "
                               "nothing was downloaded.");
    case DownloadEnd::Cancelled:
        return QCoreApplication::translate("DownloadSummary",
                                           "Download cancelled: %1 of %2 records stored.")
            .arg(s.Stored)
            .arg(s.Asked);
    case DownloadEnd::Unplugged:
        return QCoreApplication::translate(
                   "DownloadSummary",
                   "The meter was disconnected during the download: %1 of %2 records "
                   "were stored.")
                   .arg(s.Stored)
                   .arg(s.Asked) +
               MissingSentence(s, QCoreApplication::translate(
                                      "DownloadSummary", "These records were not stored: %1."));
    case DownloadEnd::DatabaseError:
        return s.Error;
    case DownloadEnd::Complete:
        break;
    }
    const QString missing =
        s.Missing.empty()
            ? QString()
            : StoredOfAsked(s) +
                  MissingSentence(s,
                                  QCoreApplication::translate(
                                      "DownloadSummary",
                                      "These records could not be read from the meter and were not "
                                      "stored: %1."));
    const QString text = missing + AboveLimitSentence(s);
    return text.trimmed();
}

} // namespace rangedesk::records
