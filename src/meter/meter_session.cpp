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
    connect(operations_.get(), &MeterOperations::operationEnded, this,
            &MeterSession::OperationEnded);
}

// The operations and the link let go of the controller's events before the controller goes.
MeterSession::~MeterSession() {
    queue_.clear();
    operations_.reset();
    link_.reset();
    controller_.reset();
}

void MeterSession::Submit(Request request) {
    if (running_ || !queue_.empty()) {
        queue_.push_back(request);
        return;
    }
    Run(request);
}

void MeterSession::Run(Request request) {
    running_ = request;
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
    running_.reset();
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
    const Request next = queue_.front();
    queue_.pop_front();
    Run(next);
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
