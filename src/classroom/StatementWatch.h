#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace numberlark::classroom {

// A time limit on each exchange with the server that the server cannot
// ignore. The session's statement_timeout is kept by the server itself, so
// a frozen server (a stopped backend, a hung machine whose kernel still
// takes the packets) never applies it; this cuts the connection's socket
// from a thread of its own when an exchange outlasts `limit`, and the
// blocked call returns at once with a lost connection.
class StatementWatch {
public:
    explicit StatementWatch(std::chrono::milliseconds limit);
    ~StatementWatch();
    StatementWatch(const StatementWatch&) = delete;
    StatementWatch& operator=(const StatementWatch&) = delete;

    // While one lives, the socket is cut when the limit passes. The socket
    // must stay open until the guard goes.
    class Guard {
    public:
        Guard(StatementWatch& watch, int socket);
        ~Guard();
        Guard(const Guard&) = delete;
        Guard& operator=(const Guard&) = delete;

    private:
        StatementWatch& m_watch;
    };

    // Whether the limit cut a socket since the last reset.
    bool fired() const;
    void reset();

private:
    void watch();

    const std::chrono::milliseconds m_limit;
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_socket = -1; // the socket watched now, or -1
    std::chrono::steady_clock::time_point m_deadline;
    bool m_fired = false;
    bool m_ending = false;
    std::thread m_thread; // last: it starts with everything above ready
};

} // namespace numberlark::classroom
