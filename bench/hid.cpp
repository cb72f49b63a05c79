// Round trips through a checked-out device (write a report, the far side answers at once, the
// answer reaches the data handler on the GUI thread), over the pseudo-terminal-backed Linux
// layer and the simulated one; then the CPU that 10 idle readers use.
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <atomic>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <poll.h>
#include <thread>
#include <unistd.h>

#include "bench_util.h"
#include "descriptors.h"
#include "fake_sysfs.h"
#include "hid_controller.h"
#include "platform/linux/linux_hid_platform.h"
#include "platform/sim/sim_hid_bus.h"

using namespace rangedesk::hid;

namespace {

constexpr int kRoundTrips = 10000;

void RoundTrips(
    const char* name, THidDeviceController& controller,
    const std::function<bool()>& readerReady = [] { return true; }) {
    THidDevice* device = nullptr;
    for (int i = 0; i < controller.Count() && !device; ++i) {
        controller.CheckOutAt(i, device);
    }
    while (!readerReady()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    QEventLoop loop;
    int received = 0;
    controller.DeviceAt(0)->SetOnData(
        [&](THidDevice&, std::uint8_t, const std::uint8_t*, std::uint16_t) {
            ++received;
            loop.quit();
        });
    std::vector<std::uint8_t> report(65, 0);
    std::copy_n("ATD001#", 7, report.begin() + 1);
    std::vector<double> times;
    times.reserve(kRoundTrips);
    for (int i = 0; i < kRoundTrips; ++i) {
        const int before = received;
        const double start = bench::NowSeconds();
        std::size_t written = 0;
        device->WriteReport(report.data(), report.size(), written);
        if (received == before) {
            loop.exec();
        }
        times.push_back((bench::NowSeconds() - start) * 1000);
    }
    std::printf("%-6s %d round trips: median %.3f ms, 99th percentile %.3f ms\n", name, kRoundTrips,
                bench::Percentile(times, 0.5), bench::Percentile(times, 0.99));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);

    { // Linux layer over a pseudo-terminal; a thread plays the meter and answers at once.
        FakeSysfs fs;
        UniqueFd master = fs.AddHidraw(0, 0x0486, 0x5750, 1, descriptors::kMeter);
        // A pty master reads EIO while no slave is open; hold one open for the whole run.
        const UniqueFd holder(
            ::open((fs.DevRoot() + "/hidraw0").c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC));
        std::atomic<bool> stop{false};
        std::thread far([&] {
            char buffer[65];
            std::size_t have = 0;
            while (!stop) {
                pollfd p{master.get(), POLLIN, 0};
                if (::poll(&p, 1, 50) <= 0) {
                    continue;
                }
                const auto n = ::read(master.get(), buffer + have, sizeof buffer - have);
                if (n <= 0) {
                    break;
                }
                have += std::size_t(n);
                if (have == sizeof buffer) {
                    char reply[64] = {};
                    [[maybe_unused]] const auto w = ::write(master.get(), reply, sizeof reply);
                    have = 0;
                }
            }
        });
        linux_hid::LinuxHidPlatform platform(fs.SysRoot(), fs.DevRoot());
        THidDeviceController controller(platform);
        controller.SetDevThreadSleepTime(50);
        controller.SetOnDeviceData(
            [](THidDevice&, std::uint8_t, const std::uint8_t*, std::uint16_t) {});
        controller.DeviceChange();
        RoundTrips("linux", controller);
        stop = true;
        far.join();
    }
    { // Simulated layer: the interface answers inside the write.
        sim::SimHidBus bus;
        auto iface = bus.Plug({0x0486, 0x5750, 0x100, 65, 65, true, true, {}});
        iface->SetBehaviour([](sim::SimInterface& self, std::span<const std::uint8_t>) {
            const std::vector<std::uint8_t> reply(64, 0);
            self.SendInput(0, reply);
        });
        THidDeviceController controller(bus);
        controller.SetDevThreadSleepTime(50);
        controller.SetOnDeviceData(
            [](THidDevice&, std::uint8_t, const std::uint8_t*, std::uint16_t) {});
        controller.DeviceChange();
        RoundTrips("sim", controller, [&] { return iface->OpenReaders() == 1; });
    }
    { // Ten readers with nothing to read.
        sim::SimHidBus bus;
        for (int i = 0; i < 10; ++i) {
            bus.Plug({0x0486, std::uint16_t(0x5750 + i), 0x100, 65, 65, true, true, {}});
        }
        THidDeviceController controller(bus);
        controller.SetDevThreadSleepTime(50);
        controller.SetOnDeviceData(
            [](THidDevice&, std::uint8_t, const std::uint8_t*, std::uint16_t) {});
        controller.DeviceChange();
        for (int i = 0; i < controller.Count(); ++i) {
            THidDevice* d = nullptr;
            controller.CheckOutAt(i, d);
        }
        const double seconds = argc > 1 ? std::atof(argv[1]) : 10.0;
        const double cpu0 = bench::ProcessCpuSeconds();
        QEventLoop idle;
        QTimer::singleShot(int(seconds * 1000), &idle, &QEventLoop::quit);
        idle.exec();
        const double cpu = bench::ProcessCpuSeconds() - cpu0;
        std::printf("idle   10 readers for %.0f s: %.3f s of CPU, %.3f%% of one core\n", seconds,
                    cpu, 100 * cpu / seconds);
    }
    return 0;
}
