#pragma once

#include <QObject>

class QSocketNotifier;

namespace rangedesk::meter {

// Turns SIGINT, SIGTERM and SIGHUP into a Qt signal on the main thread, through a self-pipe: a
// signal handler may only write a byte. A download takes it as Cancel; otherwise the program
// ends cleanly, its database closed. One instance at a time.
class InterruptWatch : public QObject {
    Q_OBJECT
public:
    InterruptWatch();
    ~InterruptWatch() override;
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;

    bool Interrupted() const { return interrupted_; }

signals:
    void interrupted();

private:
    void Drain();

    int pipe_[2] = {-1, -1};
    QSocketNotifier* notifier_ = nullptr;
    bool interrupted_ = false;
};

} // namespace rangedesk::meter
