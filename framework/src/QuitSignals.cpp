#include "QuitSignals_p.h"

#include "framework/Application.h"

#include "NeverDestroyed_p.h"

#include <QSocketNotifier>

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <memory>

#include <fcntl.h>
#include <unistd.h>

namespace fw {

namespace {

constexpr std::array kQuitSignals{SIGTERM, SIGINT, SIGHUP};

// Made once and never closed: a handler may run at any moment, on any
// thread, also while the program is ending.
std::array<int, 2> wakePipe{-1, -1};
// One bit per signal that has been written into the pipe and not yet read.
std::atomic<unsigned> unread{0};
static_assert(std::atomic<unsigned>::is_always_lock_free, "the handler may only use lock-free atomics");

std::array<struct sigaction, kQuitSignals.size()> previousActions{};
bool installed = false;

std::unique_ptr<QSocketNotifier>& notifier()
{
    // Never destroyed: a notifier left behind at exit must not outlive Qt's
    // event dispatcher in static destruction.
    static NeverDestroyed<std::unique_ptr<QSocketNotifier>> held;
    return held.get();
}

unsigned bitOf(int signal)
{
    for (std::size_t i = 0; i < kQuitSignals.size(); ++i) {
        if (kQuitSignals[i] == signal)
            return 1u << i;
    }
    return 0;
}

// Only async-signal-safe calls: an atomic, write, and for a repeat the
// default action.
void onQuitSignal(int signal)
{
    const int savedErrno = errno;
    const unsigned bit = bitOf(signal);
    if (unread.fetch_or(bit) & bit) {
        // The loop has not read the first one: it is not answering.
        std::signal(signal, SIG_DFL);
        std::raise(signal);
    }
    const char byte = 0;
    [[maybe_unused]] const ssize_t written = ::write(wakePipe[1], &byte, 1);
    errno = savedErrno;
}

bool ignored(const struct sigaction& action)
{
    return !(action.sa_flags & SA_SIGINFO) && action.sa_handler == SIG_IGN;
}

void drainPipe()
{
    char bytes[64];
    while (::read(wakePipe[0], bytes, sizeof bytes) > 0) { }
}

void quitOnSignal()
{
    unread.store(0);
    drainPipe();
    RuntimeQuit();
}

} // namespace

void QuitSignals::install()
{
    if (installed)
        return;
    if (wakePipe[0] < 0 && ::pipe2(wakePipe.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
        // Without the pipe the signals keep their default effect.
        wakePipe = {-1, -1};
        return;
    }
    // Whatever a signal after the last removal left behind belongs to no
    // loop.
    unread.store(0);
    drainPipe();
    notifier() = std::make_unique<QSocketNotifier>(wakePipe[0], QSocketNotifier::Read);
    QObject::connect(notifier().get(), &QSocketNotifier::activated, &quitOnSignal);

    struct sigaction action {};
    action.sa_handler = &onQuitSignal;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (int signal : kQuitSignals)
        sigaddset(&action.sa_mask, signal);
    for (std::size_t i = 0; i < kQuitSignals.size(); ++i) {
        sigaction(kQuitSignals[i], nullptr, &previousActions[i]);
        // Whoever started the program with a signal ignored meant it
        // (nohup's SIGHUP, SIGINT for a job a script runs in the
        // background): it stays ignored.
        if (!ignored(previousActions[i]))
            sigaction(kQuitSignals[i], &action, nullptr);
    }
    installed = true;
}

void QuitSignals::remove()
{
    if (!installed)
        return;
    for (std::size_t i = 0; i < kQuitSignals.size(); ++i)
        sigaction(kQuitSignals[i], &previousActions[i], nullptr);
    notifier().reset();
    installed = false;
}

} // namespace fw
