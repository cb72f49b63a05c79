#include "meter_link.h"

#include <QCoreApplication>

namespace rangedesk::meter {
namespace {

constexpr int kDataThreadSleepMs = 50;

} // namespace

// Two paragraphs, the line break between them a carriage return as the message box wants.
QString NoAccessMessage(const QString& node) {
    return QCoreApplication::translate(
               "MeterLink", "A meter was found at %1, but it cannot be opened for reading and "
                            "writing: this user has no access to its device node.")
               .arg(node) +
           '\r' +
           QCoreApplication::translate(
               "MeterLink",
               "Install the udev rule 70-rangedesk.rules (see \"Letting your user open the "
               "meter\" in /usr/share/doc/rangedesk/README.md, or man rangedesk), then plug "
               "the meter in again.");
}

QString ExchangeStatusText(std::string_view command, Outcome outcome) {
    const QString cmd = QString::fromLatin1(command.data(), qsizetype(command.size()));
    switch (outcome) {
    case Outcome::Success:
        return QCoreApplication::translate("MeterLink", "%1  Instructions sent successfully")
            .arg(cmd);
    case Outcome::NoRecord:
        return QCoreApplication::translate("MeterLink", "%1  No record").arg(cmd);
    case Outcome::NoReply:
        return QCoreApplication::translate("MeterLink", "%1  No reply").arg(cmd);
    default:
        return QCoreApplication::translate("MeterLink", "%1  Instructions sent failure").arg(cmd);
    }
}

QString ExchangeFailureText(const ExchangeResult& result) {
    switch (result.outcome) {
    case Outcome::Failure:
        switch (result.fault) {
        case ReplyFault::EchoMismatch:
            return QCoreApplication::translate("MeterLink",
                                               "the meter's reply failed its echo check");
        case ReplyFault::Checksum:
            return QCoreApplication::translate("MeterLink",
                                               "the meter's reply failed its checksum check");
        case ReplyFault::Marker:
            return QCoreApplication::translate("MeterLink", "the meter's reply failed its # check");
        case ReplyFault::Length:
            return QCoreApplication::translate("MeterLink",
                                               "the meter's reply failed its length check");
        case ReplyFault::None:
            break;
        }
        return QCoreApplication::translate("MeterLink", "the meter's reply failed its %1 check")
            .arg(QString::fromLatin1(ReplyFaultName(result.fault)));
    case Outcome::WriteFailed:
        return QCoreApplication::translate("MeterLink", "the command could not be sent: %1")
            .arg(QString::fromStdString(result.writeError));
    case Outcome::NotConnected:
        return QCoreApplication::translate("MeterLink", "the meter is not connected");
    case Outcome::Refused:
        return QCoreApplication::translate("MeterLink",
                                           "another command was waiting for its reply");
    default:
        return QCoreApplication::translate("MeterLink", "the meter did not answer");
    }
}

MeterLink::MeterLink(hid::THidDeviceController& controller, QObject* parent)
    : QObject(parent), controller_(controller) {
    timer1_.setSingleShot(true);
    timer1_.setTimerType(Qt::PreciseTimer);
    connect(&timer1_, &QTimer::timeout, this, &MeterLink::Timer1Timer);
    quietTimer_.setSingleShot(true);
    connect(&quietTimer_, &QTimer::timeout, this, [this] {
        if (quietLoop_) {
            quietLoop_->quit();
        }
    });

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

// Shutdown runs no scan: the handlers are unset without one.
MeterLink::~MeterLink() {
    controller_.ClearEvents();
}

void MeterLink::EnterNoMeter() {
    const bool wasWaiting = state_ == LinkState::Waiting;
    state_ = LinkState::NoMeter;
    connection_ = {};
    meterDevice_ = nullptr;
    warnedInstance_.reset();
    if (wasWaiting) {
        EndWait(); // the meter left: the exchange ends now, without a reply
    }
}

void MeterLink::EnterMeterTaken(hid::THidDevice& device, int model) {
    if (state_ != LinkState::Waiting) {
        state_ = LinkState::Ready;
    }
    meterDevice_ = &device;
    connection_ = {model,
                   device.VendorID(),
                   device.ProductID(),
                   QString::fromStdString(device.PnPInfo().DevicePath),
                   device.FullAccess(),
                   QString::fromStdString(device.SerialNumber())};
}

void MeterLink::EnterWaiting() {
    state_ = LinkState::Waiting;
    replyArrived_ = false;
}

void MeterLink::LeaveWaiting() {
    if (state_ == LinkState::Waiting) {
        state_ = LinkState::Ready;
    }
}

bool MeterLink::HidCtlEnumerate(hid::THidDevice& HidDev, int Idx) {
    checkedOutDevices_.push_back(&HidDev);
    hid::THidDevice* lent = nullptr;
    controller_.CheckOutAt(Idx, lent);
    checkedOutDevices_.back() = lent;
    return true;
}

void MeterLink::HidCtlDeviceChange() {
    // Give back, then take every present device again. The meter's device stays the meter
    // while its reader hands over what it already read, so a reply in flight is not lost.
    const auto held = std::move(checkedOutDevices_);
    checkedOutDevices_.clear();
    for (hid::THidDevice* device : held) {
        if (device) {
            controller_.Dispose(device);
        }
    }
    meterDevice_ = nullptr;
    controller_.EnumerateDevices();

    // With several meters present the last one is taken.
    const std::vector<FoundMeter> meters = Meters();
    if (const FoundMeter* meter = ChooseMeter(meters, deviceNode_)) {
        EnterMeterTaken(*meter->Device, meter->Model);
        WarnIfNoAccess(*meter->Device);
    } else {
        EnterNoMeter();
    }
    emit connectionChanged(connection_);
}

void MeterLink::WarnIfNoAccess(hid::THidDevice& meter) {
    const std::uint32_t instance = meter.PnPInfo().DeviceInstance;
    if (meter.FullAccess()) {
        warnedInstance_.reset();
        return;
    }
    if (warnedInstance_ == instance) {
        return; // once per plug-in
    }
    warnedInstance_ = instance;
    const QString message = NoAccessMessage(connection_.Node);
    QMetaObject::invokeMethod(
        this, [this, message] { emit meterWithoutAccess(message); }, Qt::QueuedConnection);
}

void MeterLink::HidCtlDeviceData(hid::THidDevice& HidDev, std::uint8_t, const std::uint8_t* Data,
                                 std::uint16_t Size) {
    // Reports of other HID devices must not disturb an exchange.
    if (&HidDev != meterDevice_) {
        return;
    }
    replyBuffer_.Store(Data, Size);
    if (quietLoop_) {
        quietTimer_.start(); // not quiet yet
    }
    if (state_ != LinkState::Waiting || replyArrived_) {
        ++staleReports_; // a reply to nothing outstanding, e.g. one that came after its timeout
        return;
    }
    replyArrived_ = true;
    EndWait();
}

void MeterLink::Timer1Timer() {
    timer1_.stop();
    EndWait();
}

void MeterLink::EndWait() {
    if (waitLoop_) {
        waitLoop_->quit();
    }
}

ExchangeResult MeterLink::SendAndCalibration(const std::string& command,
                                             const std::string& expected) {
    ExchangeResult result;
    if (state_ == LinkState::Waiting) {
        result.outcome = Outcome::Refused; // one command at a time: the outer one keeps its reply
        return result;
    }
    // Reports already read but not yet handed over belong to no command: drop them first.
    controller_.ReaderHandOff().RunUntil([] { return true; });
    if (!MeterConnected()) {
        result.outcome = Outcome::NotConnected;
        return result;
    }
    const std::string cmd = command;
    const std::string echo = expected;
    result.kind = ReplyKindFor(cmd, connection_.Layout());

    const std::vector<std::uint8_t> report =
        FrameCommand(cmd, meterDevice_->Capabilities().OutputReportByteLength);
    EnterWaiting();
    std::size_t written = 0;
    if (!meterDevice_->WriteReport(report.data(), report.size(), written)) {
        // Nothing was sent, so no reply will come: the exchange ends now, with the reason.
        LeaveWaiting();
        result.outcome = Outcome::WriteFailed;
        result.writeError = meterDevice_->LastErrorText();
        emit exchangeStatus(ExchangeStatusText(cmd, result.outcome));
        return result;
    }
    timer1_.start(kAnswerTimeoutMs);
    if (state_ == LinkState::Waiting && !replyArrived_) {
        QEventLoop loop;
        waitLoop_ = &loop;
        loop.exec();
        waitLoop_ = nullptr;
    }
    timer1_.stop();
    LeaveWaiting();

    if (!replyArrived_) {
        result.outcome = Outcome::NoReply;
    } else {
        result.reply.assign(replyBuffer_.Latest().begin(), replyBuffer_.Latest().end());
        result.fault = CheckReply(result.kind, replyBuffer_, echo);
        if (result.fault != ReplyFault::None) {
            result.outcome = Outcome::Failure;
        } else if (result.kind == ReplyKind::RecordCount && RecordCountValue(replyBuffer_) == 0) {
            result.outcome = Outcome::NoRecord;
        } else {
            result.outcome = Outcome::Success;
        }
    }
    emit exchangeStatus(ExchangeStatusText(cmd, result.outcome));
    return result;
}

void MeterLink::WaitForQuiet(int quietMs, int limitMs) {
    if (!MeterConnected() || quietLoop_) {
        return;
    }
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(this, &MeterLink::connectionChanged, &loop, [&loop](const MeterConnection& c) {
        if (!c.Connected()) {
            loop.quit();
        }
    });
    quietLoop_ = &loop;
    quietTimer_.setInterval(quietMs);
    quietTimer_.start();
    limit.start(limitMs);
    loop.exec();
    quietTimer_.stop();
    quietLoop_ = nullptr;
}

} // namespace rangedesk::meter
