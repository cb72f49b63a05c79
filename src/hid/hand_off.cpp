#include "hand_off.h"

#include <QMetaObject>

namespace rangedesk::hid {

HandOff::HandOff(QObject* parent) : QObject(parent) {}

HandOff::~HandOff() = default;

void HandOff::Call(std::function<void()> fn) {
    Pending call{std::move(fn)};
    {
        const std::lock_guard lock(mutex_);
        queue_.push_back(&call);
    }
    guiWake_.notify_all();
    QMetaObject::invokeMethod(this, &HandOff::RunOne, Qt::QueuedConnection);
    std::unique_lock lock(mutex_);
    readerWake_.wait(lock, [&] { return call.finished; });
}

void HandOff::Wake() {
    { const std::lock_guard lock(mutex_); }
    guiWake_.notify_all();
}

void HandOff::Run(Pending& call) {
    // The reader is released even when the handler throws; the error goes on to the caller.
    struct Release {
        HandOff& self;
        Pending& call;
        ~Release() {
            {
                const std::lock_guard lock(self.mutex_);
                call.finished = true;
            }
            self.readerWake_.notify_all();
        }
    } release{*this, call};
    call.fn();
}

void HandOff::RunOne() {
    Pending* call = nullptr;
    {
        const std::lock_guard lock(mutex_);
        if (queue_.empty()) {
            return; // already run by RunUntil()
        }
        call = queue_.front();
        queue_.pop_front();
    }
    Run(*call);
}

bool HandOff::WaitQueued(int timeoutMs) {
    std::unique_lock lock(mutex_);
    return guiWake_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                             [&] { return !queue_.empty(); });
}

void HandOff::RunUntil(const std::function<bool()>& done) {
    std::unique_lock lock(mutex_);
    for (;;) {
        while (!queue_.empty()) {
            Pending* call = queue_.front();
            queue_.pop_front();
            lock.unlock();
            Run(*call);
            lock.lock();
        }
        if (done()) {
            return;
        }
        guiWake_.wait(lock, [&] { return !queue_.empty() || done(); });
    }
}

} // namespace rangedesk::hid
