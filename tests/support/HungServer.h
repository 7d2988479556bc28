#pragma once

#include <QByteArray>
#include <QTemporaryDir>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace numberlark::testing {

// A server on a private unix socket that takes every connection and never
// reads or answers: the kernel completes each connection on the listening
// socket, and nothing ever accepts it.
class HungServer {
public:
    HungServer() : m_path(m_folder.filePath(QStringLiteral("hung")).toLocal8Bit())
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (!m_folder.isValid() || m_path.size() >= static_cast<int>(sizeof address.sun_path)) {
            return;
        }
        std::memcpy(address.sun_path, m_path.constData(), static_cast<size_t>(m_path.size()));
        m_socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (::bind(m_socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::listen(m_socket, 64) != 0) {
            ::close(m_socket);
            m_socket = -1;
        }
    }
    ~HungServer()
    {
        if (m_socket >= 0) {
            ::close(m_socket);
        }
    }
    HungServer(const HungServer&) = delete;
    HungServer& operator=(const HungServer&) = delete;

    bool isListening() const { return m_socket >= 0; }
    const QByteArray& path() const { return m_path; }

private:
    QTemporaryDir m_folder;
    QByteArray m_path;
    int m_socket = -1;
};

} // namespace numberlark::testing
