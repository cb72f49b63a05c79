#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "exchange.h"
#include "hid_controller.h"
#include "meter_connection.h"
#include "meter_identification.h"
#include "reply_checks.h"

namespace rangedesk::meter {

// Where the link stands. Every change goes through one transition function.
enum class LinkState {
    Starting, // before the first scan
    NoMeter,  // no meter among the devices
    Ready,    // a meter is taken and no command is outstanding
    Waiting,  // a command was sent; its reply, the answer timer or the meter's leaving ends it
};

// The meter link: identification on every device change and the one command exchange. It
// reports by signals and returns each exchange's result; it knows nothing of windows.
class MeterLink : public QObject {
    Q_OBJECT
public:
    static constexpr int kAnswerTimeoutMs = 5000;
    static constexpr int kQuietMs = 250;

    explicit MeterLink(hid::THidDeviceController& controller, QObject* parent = nullptr);
    ~MeterLink() override;

    // Only the meter at this device node is taken (an empty node: any meter, the last found).
    void SetDeviceNode(const QString& node) { deviceNode_ = node; }
    const QString& DeviceNode() const { return deviceNode_; }

    // Controller handlers.
    bool HidCtlEnumerate(hid::THidDevice& HidDev, int Idx);
    void HidCtlDeviceChange();
    void HidCtlDeviceData(hid::THidDevice& HidDev, std::uint8_t ReportID, const std::uint8_t* Data,
                          std::uint16_t Size);

    // Sends one command and waits up to 5000 ms for its reply, with the event loop running.
    ExchangeResult SendAndCalibration(const std::string& command, const std::string& expected);
    // Waits until the meter has sent nothing for `quietMs`, at most `limitMs` in all, so that a
    // late reply cannot be taken for the answer to the next command.
    void WaitForQuiet(int quietMs = kQuietMs, int limitMs = kAnswerTimeoutMs);

    LinkState State() const { return state_; }
    bool MeterConnected() const {
        return state_ == LinkState::Ready || state_ == LinkState::Waiting;
    }
    bool Exchanging() const { return state_ == LinkState::Waiting; }
    const MeterConnection& Connection() const { return connection_; }
    // Every meter among the devices of the last scan, in the controller's order.
    std::vector<FoundMeter> Meters() const { return IdentifyMeters(checkedOutDevices_); }
    int MeterModel() const { return connection_.Model; }
    hid::THidDevice* MeterDevice() const { return meterDevice_; }
    const ReplyBuffer& Replies() const { return replyBuffer_; }
    // Reports from the meter that came while no command waited, and were dropped.
    int StaleReports() const { return staleReports_; }

signals:
    void connectionChanged(const rangedesk::meter::MeterConnection& connection);
    // The text of status panel 1.
    void exchangeStatus(const QString& text);
    // A meter was found that cannot be opened; queued, so it never runs inside a scan.
    void meterWithoutAccess(const QString& message);

private:
    // Transitions.
    void EnterNoMeter();
    void EnterMeterTaken(hid::THidDevice& device, int model);
    void EnterWaiting();
    void LeaveWaiting();

    void Timer1Timer();
    void EndWait();
    void WarnIfNoAccess(hid::THidDevice& meter);

    hid::THidDeviceController& controller_;
    LinkState state_ = LinkState::Starting;
    MeterConnection connection_;
    std::vector<hid::THidDevice*> checkedOutDevices_;
    hid::THidDevice* meterDevice_ = nullptr;
    std::optional<std::uint32_t> warnedInstance_; // meter already reported as unopenable
    QString deviceNode_;

    ReplyBuffer replyBuffer_;
    bool replyArrived_ = false;
    int staleReports_ = 0;
    QPointer<QEventLoop> waitLoop_;
    QPointer<QEventLoop> quietLoop_;
    QTimer timer1_;
    QTimer quietTimer_;
};

} // namespace rangedesk::meter
