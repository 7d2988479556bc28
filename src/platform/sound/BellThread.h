#pragma once

#include <QByteArray>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>

namespace numberlark {

struct BellThreadState;

// Loads the sound module, opens the sound server and starts each ring on a
// thread of its own. A sound server that takes a connection and never
// answers holds only that thread (a WorkerThreads worker, fenced by the end
// of main()): play() and the destructor never wait.
class BellThread {
public:
    enum class Ring {
        Ended,  // the ring was heard to its end
        Failed, // it started but could not be heard, or would not start
        NoSound // the sound server cannot be used at all
    };
    // Called on the bell's thread or the sound client's, never after the
    // destructor has returned.
    using Report = std::function<void(std::uint32_t id, Ring ring)>;

    // Throws std::system_error when no thread can be started.
    BellThread(QStringList modulePaths, QByteArray applicationName, Report report);
    ~BellThread();
    BellThread(const BellThread&) = delete;
    BellThread& operator=(const BellThread&) = delete;

    void play(std::uint32_t id);

private:
    // Shared with the thread, which may outlive this object while the sound
    // server keeps it waiting.
    std::shared_ptr<BellThreadState> m_state;
};

} // namespace numberlark
