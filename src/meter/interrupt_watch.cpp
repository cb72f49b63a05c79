#include "interrupt_watch.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace rangedesk::meter {
namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

// The write end of the pipe, for the signal handler: the one state a handler can reach.
volatile sig_atomic_t gWriteFd = -1;

void OnSignal(int) {
    const char byte = 1;
    if (gWriteFd >= 0) {
        [[maybe_unused]] const ssize_t n = ::write(gWriteFd, &byte, 1);
    }
}

} // namespace

InterruptWatch::InterruptWatch() {
    if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) {
        return; // without the pipe, Ctrl+C keeps its default: the process ends
    }
    gWriteFd = pipe_[1];
    notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &InterruptWatch::Drain);
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kSignals) {
        ::sigaction(signal, &action, nullptr);
    }
}

InterruptWatch::~InterruptWatch() {
    for (const int signal : kSignals) {
        ::signal(signal, SIG_DFL);
    }
    gWriteFd = -1;
    for (const int fd : pipe_) {
        if (fd >= 0) {
            ::close(fd);
        }
    }
}

void InterruptWatch::Drain() {
    char bytes[16];
    while (::read(pipe_[0], bytes, sizeof bytes) > 0) {
    }
    interrupted_ = true;
    emit interrupted();
}

} // namespace rangedesk::meter
