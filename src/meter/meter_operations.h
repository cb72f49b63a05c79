#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <array>
#include <cstdint>

#include "command_table.h"
#include "download_summary.h"
#include "measurement_record.h"
#include "meter_link.h"
#include "number_format.h"
#include "record_sink.h"

namespace rangedesk::records {
class RecordSink;
}

namespace rangedesk::meter {

// A current reading: tenths of a millimetre, and as metres with three decimals ("1.234").
struct Reading {
    std::int32_t TenthsOfMillimetre = 0;
    QString Text;
};

enum class DownloadState { Idle, Downloading, Cancelling };

// Read, Clear and the record download over a meter link, headless: they report by signals and
// put the records into a record sink.
class MeterOperations : public QObject {
    Q_OBJECT
public:
    static constexpr int kReadingDelayMs = 300;
    static constexpr int kRecordAttempts = 3;

    explicit MeterOperations(MeterLink& link, QObject* parent = nullptr);

    void SetRecordSink(records::RecordSink* sink) { sink_ = sink; }
    void SetFormat(NumberFormat format) { format_ = std::move(format); }
    // Downloads of a simulated meter are marked as such.
    void SetSimulated(bool simulated) { simulated_ = simulated; }
    // The meter connected now, as a download or a reading names where it came from.
    records::DownloadSource CurrentSource() const;

    // Key 001, then the current reading 300 ms later.
    void ReadKeyClick();
    void Timer2Timer();
    // Key 009, and the newest reading leaves the display.
    void ClearKeyClick();
    // Every record stored in the meter, into the record sink. Returns when the download ends.
    void ExportAllDataClick();
    // Ends a running download after the exchange in flight.
    void CancelDownload();

    DownloadState State() const { return state_; }
    bool Downloading() const { return state_ != DownloadState::Idle; }
    bool ReadingPending() const { return timer2_.isActive(); }
    const QString& CurrentReadingText() const { return currentReadingText_; }
    const MeasurementRecord& Record() const { return record_; }
    const CommandTable& Commands() const { return commands_; }
    MeterLink& Link() { return link_; }

signals:
    void readingReady(const rangedesk::meter::Reading& reading);
    // The reading fetch ended without a reading.
    void readingFailed(const rangedesk::meter::ExchangeResult& result);
    // Clear took the newest reading off the meter's display, whatever the meter answered.
    void readingCleared();
    // Read (with its fetch), Clear or a download has ended; the next request may run.
    void operationEnded();
    void downloadStarted();
    void downloadProgress(int record, int total);
    void downloadFinished(const rangedesk::records::DownloadSummary& summary);

private:
    enum class Fetch { Stored, Unreadable, MeterGone, Cancelled };

    // Transitions of the download.
    void BeginDownload();
    void EndDownload(const records::DownloadSummary& summary);

    void Download(records::DownloadSummary& summary);
    Fetch FetchRecord(int i);

    MeterLink& link_;
    records::RecordSink* sink_ = nullptr;
    CommandTable commands_;
    NumberFormat format_;
    bool simulated_ = false;
    QTimer timer2_;
    DownloadState state_ = DownloadState::Idle;
    QString currentReadingText_ = " ";
    MeasurementRecord record_;
};

} // namespace rangedesk::meter
