#pragma once

#include <QTemporaryDir>

#include <cstdint>
#include <string>
#include <vector>

#include "unique_fd.h"

// A sysfs and /dev tree in a temporary folder, whose hidraw nodes are pseudo-terminals in raw
// mode: real descriptors, real poll(), real reads and writes.
class FakeSysfs {
public:
    enum class Node { Pty, Unopenable };

    FakeSysfs();
    std::string SysRoot() const;
    std::string DevRoot() const;

    // Adds hidrawN for the HID device "0003:VVVV:PPPP.SSSS"; returns the pty master, through
    // which the test plays the device (invalid for an unopenable node).
    rangedesk::hid::UniqueFd AddHidraw(int number, std::uint16_t vendor, std::uint16_t product,
                                       std::uint32_t sequence,
                                       const std::vector<std::uint8_t>& descriptor,
                                       Node node = Node::Pty);
    void RemoveHidraw(int number);
    // Leaves the sysfs entry but takes the device node away, as just before the kernel makes it.
    void RemoveNode(int number);
    void BreakUevent(int number);

private:
    QTemporaryDir dir_;
};
