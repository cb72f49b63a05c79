#pragma once

#include <QString>

#include <vector>

namespace rangedesk::records {

// Record numbers have three digits: a download asks for at most this many.
inline constexpr int kMaxRecordNumber = 999;

// Why a download ended.
enum class DownloadEnd {
    Complete,      // every record number was asked for (some may be missing)
    NoRecords,     // the meter holds none
    NoAnswer,      // the record count was not answered
    Unplugged,     // the meter left during the download
    Cancelled,     // the user cancelled it
    DatabaseError, // storing a record failed
};

// What a download came to; every way it ends gives one.
struct DownloadSummary {
    DownloadEnd End = DownloadEnd::Complete;
    int Claimed = 0;          // the count the meter gave
    int Asked = 0;            // the records asked for: the count, at most 999
    int Stored = 0;           // the rows stored
    std::vector<int> Missing; // record numbers asked for, or due, and not stored
    QString Error;            // the failure's message, for DatabaseError

    bool Incomplete() const { return End != DownloadEnd::Complete || !Missing.empty(); }
};

// Record numbers as a short list: "3, 5-7, 10".
QString RecordNumbersText(const std::vector<int>& numbers);

// The one message a download ends with; empty when nothing needs saying.
QString DownloadSummaryText(const DownloadSummary& summary);

} // namespace rangedesk::records
