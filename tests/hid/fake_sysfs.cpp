#include "fake_sysfs.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
        qFatal("cannot write %s", qPrintable(path));
    }
}

} // namespace

FakeSysfs::FakeSysfs() {
    QDir(dir_.path()).mkpath("sys/class/hidraw");
    QDir(dir_.path()).mkpath("dev");
}

std::string FakeSysfs::SysRoot() const {
    return (dir_.path() + "/sys").toStdString();
}
std::string FakeSysfs::DevRoot() const {
    return (dir_.path() + "/dev").toStdString();
}

rangedesk::hid::UniqueFd FakeSysfs::AddHidraw(int number, std::uint16_t vendor,
                                              std::uint16_t product, std::uint32_t sequence,
                                              const std::vector<std::uint8_t>& descriptor,
                                              Node node) {
    const QString name = QString("hidraw%1").arg(number);
    const QString hidName = QString::asprintf("0003:%04X:%04X.%04X", vendor, product, sequence);
    const QString usb = QString("sys/devices/pci0000:00/usb1/1-%1").arg(number + 1);
    const QString hidDir =
        dir_.path() + "/" + usb + QString("/1-%1:1.0/").arg(number + 1) + hidName;
    QDir().mkpath(hidDir + "/hidraw/" + name);
    WriteFile(dir_.path() + "/" + usb + "/bcdDevice", "0200\n");
    WriteFile(hidDir + "/uevent",
              QString::asprintf("DRIVER=hid-generic\nHID_ID=0003:%08X:%08X\nHID_NAME=Test\n",
                                vendor, product)
                  .toLatin1());
    WriteFile(
        hidDir + "/report_descriptor",
        QByteArray(reinterpret_cast<const char*>(descriptor.data()), qsizetype(descriptor.size())));
    const QString classEntry = dir_.path() + "/sys/class/hidraw/" + name;
    QDir().mkpath(classEntry);
    QFile::link(hidDir, classEntry + "/device");

    const QString nodePath = dir_.path() + "/dev/" + name;
    if (node == Node::Unopenable) {
        QDir().mkpath(nodePath); // a folder cannot be opened for reading and writing
        return {};
    }
    rangedesk::hid::UniqueFd master(::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC));
    if (!master.valid() || ::grantpt(master.get()) != 0 || ::unlockpt(master.get()) != 0) {
        qFatal("no pseudo-terminal");
    }
    const char* slave = ::ptsname(master.get());
    rangedesk::hid::UniqueFd slaveFd(::open(slave, O_RDWR | O_NOCTTY | O_CLOEXEC));
    termios raw{};
    ::tcgetattr(slaveFd.get(), &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(slaveFd.get(), TCSANOW, &raw);
    QFile::link(slave, nodePath);
    return master;
}

void FakeSysfs::RemoveHidraw(int number) {
    const QString name = QString("hidraw%1").arg(number);
    QDir(dir_.path() + "/sys/class/hidraw/" + name).removeRecursively();
    QFile::remove(dir_.path() + "/dev/" + name);
}

void FakeSysfs::RemoveNode(int number) {
    QFile::remove(dir_.path() + QString("/dev/hidraw%1").arg(number));
}

void FakeSysfs::BreakUevent(int number) {
    const QString entry =
        dir_.path() + QString("/sys/class/hidraw/hidraw%1/device/uevent").arg(number);
    WriteFile(entry, "DRIVER=hid-generic\n");
}
