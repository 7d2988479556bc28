#include "output/ResultsFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace numberlark {

namespace {

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

bool endsWithLineEnd(int fd, off_t size)
{
    if (size == 0) {
        return true;
    }
    char last = '\n';
    return ::pread(fd, &last, 1, size - 1) != 1 || last == '\n';
}

AppendOutcome failure(const std::filesystem::path& file, int error)
{
    return {false, absoluteText(file), std::strerror(error)};
}

} // namespace

AppendOutcome append_results_line(const std::filesystem::path& file, std::string_view line)
{
    int raw = ::open(file.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (raw < 0 && errno == EACCES) {
        // A file we may append to but not read: append without the check.
        raw = ::open(file.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    }
    FileDescriptor fd(raw);
    if (fd.get() < 0) {
        return failure(file, errno);
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        return failure(file, errno);
    }
    if (!S_ISREG(info.st_mode) && !S_ISCHR(info.st_mode)) {
        return failure(file, EISDIR);
    }
    std::string bytes;
    if (S_ISREG(info.st_mode) && !endsWithLineEnd(fd.get(), info.st_size)) {
        bytes = "\r\n";
    }
    bytes.append(line);
    const ssize_t written = ::write(fd.get(), bytes.data(), bytes.size());
    const int writeError = errno;
    if (written != static_cast<ssize_t>(bytes.size())) {
        if (S_ISREG(info.st_mode)) {
            [[maybe_unused]] const int cut = ::ftruncate(fd.get(), info.st_size);
        }
        return failure(file, written < 0 ? writeError : ENOSPC);
    }
    if (fd.release() != 0) {
        return failure(file, errno);
    }
    return {true, absoluteText(file), {}};
}

} // namespace numberlark
