#include "app/TerminationSignals.h"

#include <QSocketNotifier>

#include <array>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace app {

namespace {

int s_pipe[2] = { -1, -1 };
constexpr std::array<int, 3> HandledSignals = { SIGTERM, SIGHUP, SIGINT };

// Only async-signal-safe calls here: the number goes through the pipe to the interface thread.
void OnSignal(int signalNumber)
{
    const unsigned char number = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] auto written = ::write(s_pipe[1], &number, 1);
}

} // namespace

TerminationSignals::TerminationSignals()
{
    if (::pipe2(s_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    m_notifier = new QSocketNotifier(s_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readSignal);
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : HandledSignals) {
        ::sigaction(number, &action, nullptr);
    }
}

TerminationSignals::~TerminationSignals()
{
    for (int number : HandledSignals) {
        std::signal(number, SIG_DFL);
    }
    if (s_pipe[0] >= 0) {
        ::close(s_pipe[0]);
        ::close(s_pipe[1]);
        s_pipe[0] = s_pipe[1] = -1;
    }
}

void TerminationSignals::readSignal()
{
    unsigned char number = 0;
    while (::read(s_pipe[0], &number, 1) == 1) {
        emit terminationRequested(number);
    }
}

} // namespace app
