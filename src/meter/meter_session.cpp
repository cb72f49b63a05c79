#include "meter_session.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include "hid_controller.h"
#include "meter_link.h"
#include "meter_operations.h"
#include "platform/hid_platform.h"

namespace rangedesk::meter {

MeterSession::MeterSession(hid::HidPlatform& platform, QObject* parent)
    : QObject(parent), platformAvailable_(platform.Available()),
      controller_(std::make_unique<hid::THidDeviceController>(platform)),
      link_(std::make_unique<MeterLink>(*controller_)),
      operations_(std::make_unique<MeterOperations>(*link_)) {
    operations_->SetSimulated(platform.Simulated());
    connect(operations_.get(), &MeterOperations::operationEnded, this,
            &MeterSession::OperationEnded);
    connect(operations_.get(), &MeterOperations::readingReady, this,
            [this](const Reading& reading) { result_.reading = reading; });
    connect(operations_.get(), &MeterOperations::readingFailed, this,
            [this](const ExchangeResult& failure) { result_.failure = failure; });
}

// The operations and the link let go of the controller's events before the controller goes.
MeterSession::~MeterSession() {
    queue_.clear();
    operations_.reset();
    link_.reset();
    controller_.reset();
}

void MeterSession::Submit(Request request, RequestDone done) {
    if (running_ || !queue_.empty()) {
        queue_.push_back({request, std::move(done)});
        return;
    }
    Run({request, std::move(done)});
}

void MeterSession::Run(Pending pending) {
    const Request request = pending.request;
    result_ = {};
    running_ = std::move(pending);
    switch (request) {
    case Request::Read:
        operations_->ReadKeyClick();
        break;
    case Request::Clear:
        operations_->ClearKeyClick();
        break;
    case Request::Download:
        operations_->ExportAllDataClick();
        break;
    }
}

void MeterSession::CancelDownload() {
    operations_->CancelDownload();
}

// The next request starts once the stack of the one that ended has unwound: it may have ended
// inside a nested wait.
void MeterSession::OperationEnded() {
    const std::optional<Pending> ended = std::exchange(running_, std::nullopt);
    if (ended && ended->done) {
        ended->done(result_);
    }
    QMetaObject::invokeMethod(this, &MeterSession::RunNext, Qt::QueuedConnection);
}

void MeterSession::RunNext() {
    if (running_) {
        return;
    }
    if (queue_.empty()) {
        emit idle();
        return;
    }
    Pending next = std::move(queue_.front());
    queue_.pop_front();
    Run(std::move(next));
}

bool MeterSession::WaitForFirstScan(int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (platformAvailable_ && link_->State() == LinkState::Starting && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    return platformAvailable_;
}

std::vector<FoundMeter> MeterSession::Meters() const {
    return link_->Meters();
}

} // namespace rangedesk::meter
