#include "progress/ResultsFileLines.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace numberlark::progress {

namespace {

constexpr qsizetype kPiece = qsizetype{256} * 1024;

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString notRegularReason(mode_t mode)
{
    if (S_ISDIR(mode)) {
        return systemReason(EISDIR);
    }
    return QCoreApplication::translate("ProgressLog", "it is not a regular file");
}

} // namespace

ResultsFileLines::ResultsFileLines(QString path) : m_path(std::move(path)) {}

ResultsFileLines::~ResultsFileLines()
{
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

Outcome ResultsFileLines::failure(const QString& reason) const
{
    return Outcome::failure(
        QCoreApplication::translate("ProgressLog", "The results file %1 could not be read: %2.")
            .arg(m_path, reason),
        m_path, reason);
}

// Looked at before opening, since opening a device can have effects of its
// own, and again after, on what was really opened. O_NONBLOCK keeps a FIFO
// without a writer from holding up the open.
Outcome ResultsFileLines::open()
{
    const QByteArray name = QFile::encodeName(m_path);
    struct stat info {};
    if (::stat(name.constData(), &info) == 0 && !S_ISREG(info.st_mode)) {
        return failure(notRegularReason(info.st_mode));
    }
    m_fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (m_fd < 0) {
        return failure(systemReason(errno));
    }
    if (::fstat(m_fd, &info) != 0) {
        return failure(systemReason(errno));
    }
    if (!S_ISREG(info.st_mode)) {
        return failure(notRegularReason(info.st_mode));
    }
    m_size = info.st_size;
    return Outcome::success();
}

bool ResultsFileLines::fill()
{
    if (m_start > 0) {
        m_buffer.remove(0, m_start);
        m_start = 0;
    }
    const qsizetype kept = m_buffer.size();
    m_buffer.resize(kept + kPiece);
    ssize_t got = -1;
    do {
        got = ::read(m_fd, m_buffer.data() + kept, kPiece);
    } while (got < 0 && errno == EINTR);
    if (got < 0) {
        m_error = failure(systemReason(errno));
        m_buffer.resize(kept);
        return false;
    }
    m_buffer.resize(kept + got);
    return got > 0;
}

bool ResultsFileLines::next(QByteArray& line)
{
    if (m_fd < 0 || m_error.failed()) {
        return false;
    }
    m_tooLong = false;
    qsizetype searched = 0;
    for (;;) {
        if (m_skipLineFeed && m_start < m_buffer.size()) {
            m_skipLineFeed = false;
            if (m_buffer[m_start] == '\n') {
                ++m_start;
                ++m_consumed;
            }
        }
        const char* begin = m_buffer.constData() + m_start;
        const qsizetype available = m_buffer.size() - m_start;
        qsizetype end = searched;
        while (end < available && begin[end] != '\n' && begin[end] != '\r') {
            ++end;
        }
        if (end < available) {
            if (!m_tooLong) {
                line = QByteArray(begin, std::min(end, kLongestLine));
                m_tooLong = end > kLongestLine;
            }
            m_skipLineFeed = begin[end] == '\r';
            m_start += end + 1;
            m_consumed += end + 1;
            ++m_lineNumber;
            return true;
        }
        if (available > kLongestLine) {
            // Too long to be a results line: keep its start, drop the rest
            // up to the line end, and read on in pieces of bounded size.
            if (!m_tooLong) {
                m_tooLong = true;
                line = QByteArray(begin, kLongestLine);
            }
            m_consumed += available;
            m_start = m_buffer.size();
            searched = 0;
        } else {
            searched = available;
        }
        if (!fill()) {
            if (m_error.failed()) {
                return false;
            }
            const qsizetype rest = m_buffer.size() - m_start;
            if (rest == 0 && !m_tooLong) {
                return false;
            }
            if (!m_tooLong) {
                line = m_buffer.mid(m_start);
            }
            m_consumed += rest;
            m_start = m_buffer.size();
            ++m_lineNumber;
            return true;
        }
        if (m_tooLong) {
            searched = 0;
        }
    }
}

} // namespace numberlark::progress
