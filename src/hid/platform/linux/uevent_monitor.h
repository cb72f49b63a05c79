#pragma once

#include <QObject>

#include <functional>
#include <memory>

#include "../../unique_fd.h"

class QSocketNotifier;

namespace rangedesk::hid::linux_hid {

// Watches the kernel's uevent netlink socket on the GUI thread. Listens to udev's group when
// a udev daemon runs, so a scan comes after udev has set the node's permissions, and to the
// kernel's otherwise. Every accepted event is a hint to rescan.
class UeventMonitor : public QObject {
    Q_OBJECT
public:
    enum class Source { Kernel, Udev };

    UeventMonitor(Source source, std::function<void()> onEvent, QObject* parent = nullptr);
    ~UeventMonitor() override;
    bool Valid() const { return fd_.valid(); }

    static Source DefaultSource();

private:
    void Drain();

    Source source_;
    std::function<void()> onEvent_;
    UniqueFd fd_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace rangedesk::hid::linux_hid
