#pragma once

#include <QObject>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "exchange.h"
#include "meter_identification.h"
#include "meter_operations.h"

namespace rangedesk::hid {
class HidPlatform;
class THidDeviceController;
} // namespace rangedesk::hid

namespace rangedesk::meter {

class MeterLink;

// How a request ended: for Read, the reading or the exchange that failed to give one.
struct RequestResult {
    std::optional<Reading> reading;
    ExchangeResult failure;
};
using RequestDone = std::function<void(const RequestResult&)>;

// The meter core of one run, for the window, the command line, tests and benchmarks alike:
// the HID controller over a platform (the real one or a simulated bus), the meter link and the
// operations, built in one order and torn down in the reverse one. Requests run one at a time;
// one that comes while another runs (a button pressed inside an exchange's wait, a call from
// outside) waits its turn instead of being dropped.
class MeterSession : public QObject {
    Q_OBJECT
public:
    enum class Request { Read, Clear, Download };

    explicit MeterSession(hid::HidPlatform& platform, QObject* parent = nullptr);
    ~MeterSession() override;
    MeterSession(const MeterSession&) = delete;
    MeterSession& operator=(const MeterSession&) = delete;

    // Runs the request now when nothing runs (a download returns once it has ended), or
    // queues it behind the one running.
    void Submit(Request request, RequestDone done = {});
    // Ends a running download after the exchange in flight.
    void CancelDownload();
    bool Busy() const { return running_.has_value(); }
    std::size_t QueuedRequests() const { return queue_.size(); }

    // Runs the event loop until the first scan has told what is plugged in, at most
    // `timeoutMs`; false when the platform cannot scan at all.
    bool WaitForFirstScan(int timeoutMs);
    std::vector<FoundMeter> Meters() const;

    hid::THidDeviceController& Controller() { return *controller_; }
    MeterLink& Link() { return *link_; }
    MeterOperations& Operations() { return *operations_; }

signals:
    // Nothing runs and nothing waits.
    void idle();

private:
    struct Pending {
        Request request;
        RequestDone done;
    };

    void Run(Pending pending);
    void OperationEnded();
    void RunNext();

    bool platformAvailable_;
    std::unique_ptr<hid::THidDeviceController> controller_;
    std::unique_ptr<MeterLink> link_;
    std::unique_ptr<MeterOperations> operations_;
    std::deque<Pending> queue_;
    std::optional<Pending> running_;
    RequestResult result_; // of the request running
};

} // namespace rangedesk::meter
