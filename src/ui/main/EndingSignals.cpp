#include "ui/main/EndingSignals.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace numberlark {

namespace {

// [0] is written by the handler, [1] read on the window's thread.
std::array<int, 2> g_pair{-1, -1};

extern "C" void onEndingSignal(int /*signal*/)
{
    const int savedErrno = errno;
    const char byte = 1;
    // A full socket already holds an ending not yet seen: nothing is lost.
    static_cast<void>(::write(g_pair[0], &byte, 1));
    errno = savedErrno;
}

void installHandler(int signal)
{
    struct sigaction action {};
    action.sa_handler = onEndingSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(signal, &action, nullptr);
}

} // namespace

EndingSignals::EndingSignals(QObject* parent) : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, g_pair.data()) != 0) {
        qWarning("numberlark: signals end the program at once: no socket pair");
        return;
    }
    m_notifier = new QSocketNotifier(g_pair[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &EndingSignals::readByte);
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        installHandler(signal);
    }
}

// The handlers stay: a signal after this only fills a socket nobody reads.
EndingSignals::~EndingSignals() = default;

void EndingSignals::readByte()
{
    std::array<char, 16> bytes{};
    while (::read(g_pair[1], bytes.data(), bytes.size()) > 0) {
    }
    emit endRequested();
}

} // namespace numberlark
