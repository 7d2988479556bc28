#include "classroom/StatementWatch.h"

#include <sys/socket.h>

namespace numberlark::classroom {

StatementWatch::StatementWatch(std::chrono::milliseconds limit)
    : m_limit(limit), m_thread([this] { watch(); })
{
}

StatementWatch::~StatementWatch()
{
    {
        const std::lock_guard lock(m_mutex);
        m_ending = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

StatementWatch::Guard::Guard(StatementWatch& watch, int socket) : m_watch(watch)
{
    {
        const std::lock_guard lock(m_watch.m_mutex);
        m_watch.m_socket = socket;
        m_watch.m_deadline = std::chrono::steady_clock::now() + m_watch.m_limit;
    }
    m_watch.m_changed.notify_all();
}

StatementWatch::Guard::~Guard()
{
    // Under the lock: once this returns, the watch never touches the socket.
    const std::lock_guard lock(m_watch.m_mutex);
    m_watch.m_socket = -1;
}

bool StatementWatch::fired() const
{
    const std::lock_guard lock(m_mutex);
    return m_fired;
}

void StatementWatch::reset()
{
    const std::lock_guard lock(m_mutex);
    m_fired = false;
}

void StatementWatch::watch()
{
    std::unique_lock lock(m_mutex);
    while (!m_ending) {
        if (m_socket < 0) {
            m_changed.wait(lock);
        } else if (m_changed.wait_until(lock, m_deadline) == std::cv_status::timeout &&
                   m_socket >= 0 && std::chrono::steady_clock::now() >= m_deadline) {
            // shutdown, not close: the descriptor stays libpq's, so no other
            // file can take its number while libpq still uses it.
            ::shutdown(m_socket, SHUT_RDWR);
            m_socket = -1;
            m_fired = true;
        }
    }
}

} // namespace numberlark::classroom
