#pragma once

#include <QEventLoop>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "command_table.h"
#include "hid_controller.h"
#include "measurement_record.h"
#include "meter_window.h"
#include "number_format.h"
#include "reply_checks.h"

namespace rangedesk::meter {

// What one exchange came to. The status bar shows it; the download also acts on it.
enum class Outcome { Success, Failure, NoRecord, NoReply, NotConnected, Refused };

// The main window's side of the meter: identification on every device change, the command
// exchange, and the Read, Clear and record download operations.
class MeterSession : public QObject {
    Q_OBJECT
public:
    static constexpr int kAnswerTimeoutMs = 5000;
    static constexpr int kReadingDelayMs = 300;
    static constexpr int kRecordAttempts = 3;

    MeterSession(hid::THidDeviceController& controller, MeterWindow& window,
                 QObject* parent = nullptr);
    ~MeterSession() override;

    // Controller handlers.
    bool HidCtlEnumerate(hid::THidDevice& HidDev, int Idx);
    void HidCtlDeviceChange();
    void HidCtlDeviceData(hid::THidDevice& HidDev, std::uint8_t ReportID, const std::uint8_t* Data,
                          std::uint16_t Size);

    Outcome SendAndCalibration(const std::string& command, const std::string& expected);

    // Button and timer handlers.
    void ReadKeyClick();
    void Timer2Timer();
    void ClearKeyClick();
    void ExportAllDataClick();

    bool MeterConnected() const { return meterConnected_; }
    int MeterModel() const { return meterModel_; }
    hid::THidDevice* MeterDevice() const { return meterDevice_; }
    bool Exchanging() const { return waiting_; }
    bool Downloading() const { return downloading_; }
    const MeasurementRecord& Record() const { return record_; }
    const ReplyBuffer& Replies() const { return replyBuffer_; }
    int RecordCount() const { return recordCount_; }
    const QString& CurrentReadingText() const { return currentReadingText_; }
    const CommandTable& Commands() const { return commands_; }

    void SetFormat(NumberFormat format) { format_ = std::move(format); }

private:
    void WriteCommandReport();
    void Timer1Timer();
    void EndWait();
    Outcome CheckAndDecode(const std::string& command, const std::string& expected);
    void WarnIfNoAccess(hid::THidDevice& meter);
    void Download();
    std::optional<bool> FetchRecord(int i);

    hid::THidDeviceController& controller_;
    MeterWindow& window_;
    CommandTable commands_;
    NumberFormat format_;

    std::vector<hid::THidDevice*> checkedOutDevices_;
    hid::THidDevice* meterDevice_ = nullptr;
    int meterModel_ = 0;
    bool meterConnected_ = false;
    std::optional<std::uint32_t> warnedInstance_; // meter already told to have no access

    ReplyBuffer replyBuffer_;
    std::vector<std::uint8_t> commandReport_;
    bool replyPending_ = false;
    bool replyArrived_ = false;
    bool waiting_ = false;
    bool downloading_ = false;
    QPointer<QEventLoop> waitLoop_;
    int recordCount_ = 0;
    QString currentReadingText_ = " ";
    bool newReadingReady_ = false;
    MeasurementRecord record_;
    QTimer timer1_;
    QTimer timer2_;
};

} // namespace rangedesk::meter
