#include "meter_session.h"

#include <QStringList>

#include "model_table.h"
#include "record_reply.h"

namespace rangedesk::meter {
namespace {

constexpr int kDataThreadSleepMs = 50;

QString StatusText(const std::string& command, Outcome outcome) {
    const QString cmd = QString::fromStdString(command);
    switch (outcome) {
    case Outcome::Success:
        return cmd + "  Instructions sent successfully";
    case Outcome::NoRecord:
        return cmd + "  No record";
    case Outcome::NoReply:
        return cmd + "  No reply";
    default:
        return cmd + "  Instructions sent failure";
    }
}

// Leaves a flag set for the lifetime of a scope.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

} // namespace

MeterSession::MeterSession(hid::THidDeviceController& controller, MeterWindow& window,
                           QObject* parent)
    : QObject(parent), controller_(controller), window_(window),
      format_(NumberFormat::FromCurrentLocale()) {
    timer1_.setSingleShot(true);
    timer1_.setTimerType(Qt::PreciseTimer);
    timer2_.setSingleShot(true);
    connect(&timer1_, &QTimer::timeout, this, &MeterSession::Timer1Timer);
    connect(&timer2_, &QTimer::timeout, this, &MeterSession::Timer2Timer);

    controller_.SetDevThreadSleepTime(kDataThreadSleepMs);
    controller_.SetOnEnumerate(
        [this](hid::THidDevice& d, int idx) { return HidCtlEnumerate(d, idx); });
    controller_.SetOnDeviceChange([this](hid::THidDeviceController&) { HidCtlDeviceChange(); });
    controller_.SetOnDeviceData(
        [this](hid::THidDevice& d, std::uint8_t id, const std::uint8_t* data, std::uint16_t size) {
            HidCtlDeviceData(d, id, data, size);
        });
    controller_.Loaded();
}

MeterSession::~MeterSession() {
    controller_.SetOnEnumerate({});
    controller_.SetOnDeviceChange({});
    controller_.SetOnDeviceData({});
}

bool MeterSession::HidCtlEnumerate(hid::THidDevice& HidDev, int Idx) {
    checkedOutDevices_.push_back(&HidDev);
    hid::THidDevice* lent = nullptr;
    controller_.CheckOutAt(Idx, lent);
    checkedOutDevices_.back() = lent;
    return true;
}

void MeterSession::HidCtlDeviceChange() {
    // Give back, then take every present device again.
    const auto held = std::move(checkedOutDevices_);
    checkedOutDevices_.clear();
    meterDevice_ = nullptr;
    for (hid::THidDevice* device : held) {
        if (device) {
            controller_.Dispose(device);
        }
    }
    controller_.EnumerateDevices();

    meterModel_ = 0;
    meterConnected_ = false;
    window_.SetConnectionStatus("Not connected", StatusColour::ButtonText);
    window_.ALLButtonEn(false);

    // With several meters present the last one is taken.
    for (hid::THidDevice* device : checkedOutDevices_) {
        if (!device) {
            continue;
        }
        if (const int model = ModelFor(device->VendorID(), device->ProductID()); model > 0) {
            meterModel_ = model;
            meterConnected_ = true;
            window_.SetConnectionStatus("Connected OK", StatusColour::Red);
            window_.ALLButtonEn(true);
            meterDevice_ = device;
        }
    }
    if (meterModel_ > 0) {
        window_.ShowMeter(meterModel_);
        WarnIfNoAccess(*meterDevice_);
    } else {
        warnedInstance_.reset();
        // An exchange waiting for the meter that left ends now, without a reply.
        if (waiting_) {
            EndWait();
        }
    }
}

void MeterSession::WarnIfNoAccess(hid::THidDevice& meter) {
    const std::uint32_t instance = meter.PnPInfo().DeviceInstance;
    if (meter.FullAccess()) {
        warnedInstance_.reset();
        return;
    }
    if (warnedInstance_ == instance) {
        return; // once per plug-in
    }
    warnedInstance_ = instance;
    window_.ShowMessage(
        "A meter was found, but it cannot be opened for reading and writing: this user has no "
        "access to its device node.\r"
        "Install the udev rule 70-rangedesk.rules as the README describes, then plug the meter "
        "in again.");
}

void MeterSession::HidCtlDeviceData(hid::THidDevice& HidDev, std::uint8_t, const std::uint8_t* Data,
                                    std::uint16_t Size) {
    // Reports of other HID devices must not disturb an exchange.
    if (&HidDev != meterDevice_) {
        return;
    }
    replyBuffer_.Store(Data, Size);
    replyArrived_ = true;
    replyPending_ = false;
    EndWait();
}

void MeterSession::Timer1Timer() {
    replyPending_ = false;
    timer1_.stop();
    EndWait();
}

void MeterSession::EndWait() {
    if (waitLoop_) {
        waitLoop_->quit();
    }
}

// Frames the command to the meter's output report length and writes it in one go.
void MeterSession::WriteCommandReport() {
    std::size_t written = 0;
    if (!meterDevice_->WriteReport(commandReport_.data(), commandReport_.size(), written)) {
        window_.SetExchangeStatus("Instructions sent failure");
    }
}

Outcome MeterSession::SendAndCalibration(const std::string& command, const std::string& expected) {
    if (!meterConnected_) {
        return Outcome::NotConnected;
    }
    if (waiting_) {
        return Outcome::Refused; // one command at a time: the outer exchange keeps its reply
    }
    const FlagScope waiting(waiting_);
    const std::string cmd = command;
    const std::string echo = expected;

    commandReport_ = FrameCommand(cmd, meterDevice_->Capabilities().OutputReportByteLength);
    replyPending_ = true;
    replyArrived_ = false;
    WriteCommandReport();
    timer1_.start(kAnswerTimeoutMs);
    if (replyPending_ && meterConnected_) {
        QEventLoop loop;
        waitLoop_ = &loop;
        loop.exec();
        waitLoop_ = nullptr;
    }
    timer1_.stop();

    const Outcome outcome = replyArrived_ ? CheckAndDecode(cmd, echo) : Outcome::NoReply;
    window_.SetExchangeStatus(StatusText(cmd, outcome));
    return outcome;
}

Outcome MeterSession::CheckAndDecode(const std::string& command, const std::string& expected) {
    const ReplyKind kind = ReplyKindFor(command, meterModel_);
    if (CheckReply(kind, replyBuffer_, expected) != ReplyFault::None) {
        return Outcome::Failure;
    }
    switch (kind) {
    case ReplyKind::CurrentReading:
        currentReadingText_ = QString::fromStdString(
            FormatPattern(CurrentReadingValue(replyBuffer_), 4, "0.000", format_));
        newReadingReady_ = true;
        return Outcome::Success;
    case ReplyKind::RecordCount:
        recordCount_ = RecordCountValue(replyBuffer_);
        return recordCount_ == 0 ? Outcome::NoRecord : Outcome::Success;
    case ReplyKind::CompactRecord:
        DecodeRecordReply(RecordLayout::Compact, replyBuffer_.View(), record_, format_);
        return Outcome::Success;
    case ReplyKind::ExtendedRecord:
        DecodeRecordReply(RecordLayout::Extended, replyBuffer_.View(), record_, format_);
        return Outcome::Success;
    case ReplyKind::Echo:
        return Outcome::Success;
    }
    return Outcome::Failure;
}

void MeterSession::ReadKeyClick() {
    const KeyCommand& key = commands_.Key(1);
    if (SendAndCalibration(key.Command, key.Echo) == Outcome::Refused) {
        return;
    }
    window_.ALLButtonEn(meterConnected_);
    timer2_.start(kReadingDelayMs);
}

void MeterSession::Timer2Timer() {
    timer2_.stop();
    const std::string command(CommandTable::kCurrentData);
    if (SendAndCalibration(command, command) == Outcome::Refused) {
        return;
    }
    window_.ALLButtonEn(meterConnected_);
    if (!newReadingReady_) {
        return;
    }
    newReadingReady_ = false;
    if (window_.ReadingLine(3) != "0.000  m") {
        for (int line = 0; line < 3; ++line) {
            window_.SetReadingLine(line, window_.ReadingLine(line + 1));
        }
    }
    window_.SetReadingLine(3, currentReadingText_ + "  m");
}

void MeterSession::ClearKeyClick() {
    const KeyCommand& key = commands_.Key(9);
    if (SendAndCalibration(key.Command, key.Echo) == Outcome::Refused) {
        return;
    }
    for (int line = 3; line > 0; --line) {
        window_.SetReadingLine(line, window_.ReadingLine(line - 1));
    }
    window_.SetReadingLine(0, QString());
    currentReadingText_ = "0.000";
    if (window_.ReadingLine(3).isEmpty()) {
        window_.SetReadingLine(3, "0.000  m");
    }
}

void MeterSession::ExportAllDataClick() {
    if (downloading_ || waiting_) {
        return;
    }
    const FlagScope downloading(downloading_);
    window_.LockForDownload();
    // The window is unlocked on every way out, errors included.
    struct Unlock {
        MeterWindow& window;
        ~Unlock() {
            window.HideProgress();
            window.UnlockAfterDownload();
        }
    } unlock{window_};
    Download();
}

// One record, tried up to three times: true when stored, false when it could not be read,
// nothing when the meter went away.
std::optional<bool> MeterSession::FetchRecord(int i) {
    const std::string slot = commands_.SetRecordSlot(i);
    for (int attempt = 0; attempt < kRecordAttempts; ++attempt) {
        const Outcome outcome = SendAndCalibration(slot, slot);
        if (outcome == Outcome::Success) {
            window_.AddRecToLib(i, record_, meterModel_);
            return true;
        }
        if (!meterConnected_) {
            return std::nullopt;
        }
    }
    return false;
}

void MeterSession::Download() {
    window_.EmptyLoadData();
    const std::string countCommand(CommandTable::kRecordCount);
    const Outcome countOutcome = SendAndCalibration(countCommand, countCommand);
    if (countOutcome == Outcome::NoReply || countOutcome == Outcome::NotConnected) {
        window_.ShowMessage("The meter did not answer the request for its record count; "
                            "nothing was downloaded.");
        return;
    }
    if (recordCount_ == 0) {
        window_.ShowMessage("No Record Found!");
        return;
    }
    const int total = recordCount_;
    const int wanted = std::min(total, kMaxRecordNumber);
    QStringList unreadable;
    int stored = 0;
    window_.SetRecordsLoaded();
    for (int i = 1; i <= wanted; ++i) {
        window_.ShowProgress(i, wanted);
        const std::optional<bool> fetched = FetchRecord(i);
        if (!fetched) {
            window_.ShowMessage(QString("The meter was disconnected during the download: %1 of "
                                        "%2 records were stored.")
                                    .arg(stored)
                                    .arg(total));
            return;
        }
        if (*fetched) {
            ++stored;
        } else {
            unreadable << QString::number(i);
        }
    }
    if (!unreadable.isEmpty()) {
        window_.ShowMessage("These records could not be read from the meter and were not "
                            "stored: " +
                            unreadable.join(", ") + ".");
    }
    if (total > kMaxRecordNumber) {
        window_.ShowMessage(QString("The meter holds %1 records. Records 1 to 999 were "
                                    "downloaded; the records above 999 were not downloaded.")
                                .arg(total));
    }
}

} // namespace rangedesk::meter
