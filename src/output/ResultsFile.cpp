#include "output/ResultsFile.h"

#include <QtGlobal>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace numberlark {

namespace {

using namespace std::chrono_literals;

// Another copy of the program holds the lock for a few microseconds; a lock
// held for seconds belongs to something stuck, and Quit must not hang on it.
constexpr auto kLongestNap = 20ms;

// Marked for translation here and translated where the reason is shown.
constexpr const char* kNotRegular = QT_TRANSLATE_NOOP("ResultsFile", "Not a regular file");
constexpr const char* kLockedByOther =
    QT_TRANSLATE_NOOP("ResultsFile", "The file is locked by another program");

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }
    // Closing can report a late write error (a full disk on NFS, say).
    int release()
    {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result;
    }

private:
    int m_fd;
};

std::string absoluteText(const std::filesystem::path& file)
{
    std::error_code error;
    const auto absolute = std::filesystem::absolute(file, error);
    return (error ? file : absolute).string();
}

AppendOutcome failure(const std::filesystem::path& file, const std::string& reason)
{
    return {false, absoluteText(file), reason};
}

AppendOutcome failure(const std::filesystem::path& file, int error)
{
    return failure(file, std::strerror(error));
}

AppendOutcome notRegular(const std::filesystem::path& file, mode_t mode)
{
    return S_ISDIR(mode) ? failure(file, EISDIR) : failure(file, kNotRegular);
}

// O_NONBLOCK: a FIFO without a reader must not hang the program (the type
// check after opening refuses it anyway). A file we may append to but not
// read is opened write-only; `readable` tells the line-end check.
int openForAppend(const std::filesystem::path& file, bool& readable)
{
    constexpr int flags = O_APPEND | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    readable = true;
    int fd = ::open(file.c_str(), O_RDWR | flags, 0666);
    if (fd < 0 && errno == EACCES) {
        readable = false;
        fd = ::open(file.c_str(), O_WRONLY | flags, 0666);
    }
    return fd;
}

// The lock every copy of the program (and a script using flock(1)) takes
// around the line-end check, the write and any cut-back. Returns 0 or the
// errno of the failure; EWOULDBLOCK when someone held it too long.
int lockExclusively(int fd, std::chrono::milliseconds patience)
{
    const auto deadline = std::chrono::steady_clock::now() + patience;
    std::chrono::microseconds nap = 50us;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            return 0;
        }
        if (errno == EINTR) {
            continue;
        }
        if (errno != EWOULDBLOCK || std::chrono::steady_clock::now() > deadline) {
            return errno;
        }
        std::this_thread::sleep_for(nap);
        nap = std::min<std::chrono::microseconds>(nap * 2, kLongestNap);
    }
}

// What must go before the new line so it starts a line of its own. A file
// whose last byte cannot be read (write-only) gets a full line end: at worst
// an empty row, never a line glued onto the previous one.
std::string lineEndNeeded(int fd, bool readable, off_t size)
{
    if (size == 0) {
        return {};
    }
    char last = 0;
    if (!readable || ::pread(fd, &last, 1, size - 1) != 1) {
        return "\r\n";
    }
    if (last == '\n') {
        return {};
    }
    return last == '\r' ? "\n" : "\r\n";
}

// Writes every byte; returns how many went out and sets `error` when not all.
std::size_t writeAll(int fd, const std::string& bytes, int& error)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            error = n < 0 ? errno : EIO;
            break;
        }
    }
    return done;
}

// Removes the `written` bytes this program just appended, and nothing else.
// They end at the file offset. Normally nothing follows them and the file is
// cut back; if a writer that ignores the lock appended after them, cutting
// would erase its line, so our bytes are blanked into a row of their own.
void cutBack(int fd, std::size_t written)
{
    const off_t end = ::lseek(fd, 0, SEEK_CUR);
    struct stat info {};
    if (written == 0 || end < static_cast<off_t>(written) || ::fstat(fd, &info) != 0) {
        return;
    }
    const off_t start = end - static_cast<off_t>(written);
    if (info.st_size == end) {
        [[maybe_unused]] const int cut = ::ftruncate(fd, start);
        return;
    }
    std::string blank(written, ' ');
    blank.back() = '\n';
    if (written >= 2) {
        blank[written - 2] = '\r';
    }
    // pwrite ignores its offset on a file opened for appending.
    if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_APPEND) == 0) {
        [[maybe_unused]] const ssize_t n = ::pwrite(fd, blank.data(), blank.size(), start);
    }
}

bool lockingUnsupported(int error)
{
    return error == ENOLCK || error == EOPNOTSUPP || error == EINVAL;
}

} // namespace

AppendOutcome append_results_line(const std::filesystem::path& file, std::string_view line,
                                  std::chrono::milliseconds lockPatience)
{
    // Checked before opening too: opening a device can have side effects.
    struct stat info {};
    if (::stat(file.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        return notRegular(file, info.st_mode);
    }
    bool readable = true;
    FileDescriptor fd(openForAppend(file, readable));
    if (fd.get() < 0) {
        return failure(file, errno);
    }
    if (::fstat(fd.get(), &info) != 0) {
        return failure(file, errno);
    }
    if (!S_ISREG(info.st_mode)) {
        return notRegular(file, info.st_mode);
    }
    // A file system without locks still gets the line: losing it is worse.
    if (const int error = lockExclusively(fd.get(), lockPatience);
        error != 0 && !lockingUnsupported(error)) {
        return error == EWOULDBLOCK ? failure(file, kLockedByOther) : failure(file, error);
    }
    if (::fstat(fd.get(), &info) != 0) {
        return failure(file, errno);
    }
    std::string bytes = lineEndNeeded(fd.get(), readable, info.st_size);
    bytes.append(line);
    int writeError = 0;
    if (const std::size_t written = writeAll(fd.get(), bytes, writeError);
        written != bytes.size()) {
        cutBack(fd.get(), written);
        return failure(file, writeError);
    }
    if (fd.release() != 0) {
        return failure(file, errno);
    }
    return {true, absoluteText(file), {}};
}

} // namespace numberlark
