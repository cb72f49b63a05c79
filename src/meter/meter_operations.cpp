#include "meter_operations.h"

#include <exception>

#include "reading_text.h"
#include "record_sink.h"

namespace rangedesk::meter {

MeterOperations::MeterOperations(MeterLink& link, QObject* parent)
    : QObject(parent), link_(link), format_(NumberFormat::FromCurrentLocale()) {
    timer2_.setSingleShot(true);
    connect(&timer2_, &QTimer::timeout, this, &MeterOperations::Timer2Timer);
}

void MeterOperations::ReadKeyClick() {
    const KeyCommand& key = commands_.Key(1);
    if (link_.SendAndCalibration(key.Command, key.Echo).outcome == Outcome::Refused) {
        emit operationEnded();
        return;
    }
    timer2_.start(kReadingDelayMs);
}

void MeterOperations::Timer2Timer() {
    timer2_.stop();
    const std::string command(CommandTable::kCurrentData);
    const ExchangeResult result = link_.SendAndCalibration(command, command);
    if (result.outcome == Outcome::Success) {
        ReplyBuffer reply;
        reply.Store(result.reply.data(), result.reply.size());
        const std::int32_t value = CurrentReadingValue(reply);
        currentReadingText_ = records::ReadingText(value, format_);
        emit readingReady({value, currentReadingText_});
    } else {
        emit readingFailed(result);
    }
    emit operationEnded();
}

void MeterOperations::ClearKeyClick() {
    const KeyCommand& key = commands_.Key(9);
    if (link_.SendAndCalibration(key.Command, key.Echo).outcome != Outcome::Refused) {
        currentReadingText_ = "0.000";
        emit readingCleared();
    }
    emit operationEnded();
}

records::DownloadSource MeterOperations::CurrentSource() const {
    const MeterConnection& meter = link_.Connection();
    return {meter.Model,  meter.VendorID, meter.ProductID,
            meter.Serial, simulated_,     QString::fromStdString(format_.DecimalSeparator)};
}

void MeterOperations::CancelDownload() {
    if (state_ == DownloadState::Downloading) {
        state_ = DownloadState::Cancelling;
    }
}

void MeterOperations::BeginDownload() {
    state_ = DownloadState::Downloading;
    emit downloadStarted();
}

void MeterOperations::EndDownload(const records::DownloadSummary& summary) {
    state_ = DownloadState::Idle;
    emit downloadFinished(summary);
    emit operationEnded();
}

void MeterOperations::ExportAllDataClick() {
    if (Downloading() || link_.Exchanging()) {
        emit operationEnded();
        return;
    }
    BeginDownload();
    records::DownloadSummary summary;
    try {
        if (sink_) {
            sink_->BeginDownload(CurrentSource());
        }
        Download(summary);
    } catch (const std::exception& e) {
        // A record that cannot be stored ends the download; what was stored stays.
        summary.End = records::DownloadEnd::DatabaseError;
        summary.Error = QString::fromUtf8(e.what());
    }
    try {
        if (sink_) {
            sink_->FinishDownload(summary);
        }
    } catch (const std::exception&) {
        // The download stays marked as running, and is called interrupted at the next start.
    }
    EndDownload(summary);
}

// One record, tried up to three times. Replies carry no record number, so after a record that
// was given up or answered late, the next one waits until the meter is quiet.
MeterOperations::Fetch MeterOperations::FetchRecord(int i) {
    const std::string slot = commands_.SetRecordSlot(i);
    const RecordLayout layout = link_.Connection().Layout();
    bool timedOut = false;
    for (int attempt = 0; attempt < kRecordAttempts; ++attempt) {
        if (attempt > 0 && state_ == DownloadState::Cancelling) {
            return Fetch::Cancelled;
        }
        const ExchangeResult result = link_.SendAndCalibration(slot, slot);
        if (result.outcome == Outcome::Success) {
            DecodeRecordReply(layout, result.reply, record_, format_);
            if (sink_) {
                sink_->AddRecToLib(i, record_, layout, result.reply);
            }
            if (timedOut) {
                link_.WaitForQuiet();
            }
            return Fetch::Stored;
        }
        if (!link_.MeterConnected()) {
            return Fetch::MeterGone;
        }
        timedOut = timedOut || result.outcome == Outcome::NoReply;
    }
    link_.WaitForQuiet();
    return Fetch::Unreadable;
}

void MeterOperations::Download(records::DownloadSummary& summary) {
    const std::string countCommand(CommandTable::kRecordCount);
    const ExchangeResult count = link_.SendAndCalibration(countCommand, countCommand);
    if (!count.Answered()) {
        summary.End = records::DownloadEnd::NoAnswer;
        return;
    }
    if (sink_) {
        sink_->EmptyLoadData();
    }
    ReplyBuffer reply;
    reply.Store(count.reply.data(), count.reply.size());
    summary.Claimed = RecordCountValue(reply);
    if (summary.Claimed == 0) {
        summary.End = records::DownloadEnd::NoRecords;
        return;
    }
    summary.Asked = std::min(summary.Claimed, kMaxRecordNumber);
    for (int i = 1; i <= summary.Asked; ++i) {
        if (state_ == DownloadState::Cancelling) {
            summary.End = records::DownloadEnd::Cancelled;
            return;
        }
        emit downloadProgress(i, summary.Asked);
        switch (FetchRecord(i)) {
        case Fetch::Stored:
            ++summary.Stored;
            break;
        case Fetch::Unreadable:
            summary.Missing.push_back(i);
            break;
        case Fetch::Cancelled:
            summary.End = records::DownloadEnd::Cancelled;
            return;
        case Fetch::MeterGone:
            for (int j = i; j <= summary.Asked; ++j) {
                summary.Missing.push_back(j);
            }
            summary.End = records::DownloadEnd::Unplugged;
            return;
        }
    }
    summary.End = records::DownloadEnd::Complete;
}

} // namespace rangedesk::meter
