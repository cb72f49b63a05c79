#pragma once

#include <QObject>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

namespace rangedesk::hid {

// Carries calls from reader threads to the GUI thread. A reader's Call() blocks until the GUI
// thread has run the function, so the reader may hand over its own buffer.
class HandOff : public QObject {
    Q_OBJECT
public:
    explicit HandOff(QObject* parent = nullptr);
    ~HandOff() override;

    // From a reader thread.
    void Call(std::function<void()> fn);
    // From a reader thread that is ending: wakes a GUI thread blocked in RunUntil().
    void Wake();

    // On the GUI thread: runs queued calls until done() holds. Sleeps while nothing is queued.
    void RunUntil(const std::function<bool()>& done);

    // On the GUI thread: waits until a reader has queued a call; for tests.
    bool WaitQueued(int timeoutMs);

private:
    struct Pending {
        std::function<void()> fn;
        bool finished = false;
    };

    void RunOne();
    void Run(Pending& call);

    std::mutex mutex_;
    std::condition_variable guiWake_;
    std::condition_variable readerWake_;
    std::deque<Pending*> queue_;
};

} // namespace rangedesk::hid
