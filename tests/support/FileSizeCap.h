#pragma once

#include <sys/resource.h>

#include <csignal>

namespace numberlark::testing {

// Caps the size of any file this process writes, as a full disk would: a
// write past the cap fails with EFBIG instead of ending the process.
class FileSizeCap {
public:
    explicit FileSizeCap(rlim_t bytes) : m_handler(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit capped = m_saved;
        capped.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &capped);
    }
    ~FileSizeCap()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeCap(const FileSizeCap&) = delete;
    FileSizeCap& operator=(const FileSizeCap&) = delete;

private:
    using Handler = void (*)(int);
    Handler m_handler;
    rlimit m_saved{};
};

} // namespace numberlark::testing
