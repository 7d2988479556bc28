#pragma once

#include <chrono>
#include <functional>
#include <memory>

namespace numberlark {

// The one way the program works off the window's thread, and its one rule:
// no worker is still running when the static destructors do. Each worker is
// either waited for by its owner (Worker::wait) or left to end on its own,
// and the end of main() waits for every worker still running, for a
// deadline, and past it ends the process at once (endProgram), since a
// worker held by a frozen server may be inside a library whose globals those
// destructors tear down. Plain C++ only, so every layer can use it.
class WorkerThreads {
public:
    // One worker, shared by its owner and its thread.
    class Worker {
    public:
        // True when the work has returned, at once or within `limit`.
        bool wait(std::chrono::milliseconds limit) const;
        // Waits for as long as the work takes.
        void join() const;
        bool ended() const;

    private:
        friend class WorkerThreads;
        struct State;
        std::shared_ptr<State> m_state;
    };

    // Runs `work` on a thread of its own, which owns everything `work`
    // captures. Throws std::system_error when no thread can be started.
    static Worker start(std::function<void()> work);

    // Waits until no worker runs, for at most `limit`; true when none runs.
    static bool waitForAll(std::chrono::milliseconds limit);

    // The end of main(): every file the program writes is closed by now.
    // Returns `exitCode` once every worker has ended within `limit`;
    // otherwise flushes the standard streams and ends the process with
    // `exitCode` there and then.
    static int endProgram(int exitCode, std::chrono::milliseconds limit);
};

} // namespace numberlark
