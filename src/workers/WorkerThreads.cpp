#include "workers/WorkerThreads.h"

#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <mutex>
#include <thread>

namespace numberlark {

struct WorkerThreads::Worker::State {
    mutable std::mutex mutex;
    mutable std::condition_variable ended;
    bool done = false;
};

namespace {

// How many workers run. Made once and never destroyed, so a worker that
// ends during the static destructors still finds it.
struct Running {
    std::mutex mutex;
    std::condition_variable none;
    int count = 0;
};

Running* ownRegistry()
{
    static auto* const registry = new Running;
    return registry;
}

// The program's modules link this code too, each a copy of its own. The
// program exports its registry under this name, so every copy counts in
// the one registry that the end of main() waits on; a program that does
// not export it (a test) has one copy and needs no lookup.
Running& running()
{
    static Running* const registry = [] {
        using Entry = void* (*)();
        const auto entry =
            reinterpret_cast<Entry>(::dlsym(RTLD_DEFAULT, "numberlark_worker_registry"));
        return entry != nullptr ? static_cast<Running*>(entry()) : ownRegistry();
    }();
    return *registry;
}

} // namespace

extern "C" __attribute__((visibility("default"))) void* numberlark_worker_registry()
{
    return ownRegistry();
}

bool WorkerThreads::Worker::wait(std::chrono::milliseconds limit) const
{
    std::unique_lock lock(m_state->mutex);
    return m_state->ended.wait_for(lock, limit, [this] { return m_state->done; });
}

void WorkerThreads::Worker::join() const
{
    std::unique_lock lock(m_state->mutex);
    m_state->ended.wait(lock, [this] { return m_state->done; });
}

bool WorkerThreads::Worker::ended() const
{
    const std::lock_guard lock(m_state->mutex);
    return m_state->done;
}

WorkerThreads::Worker WorkerThreads::start(std::function<void()> work)
{
    Worker worker;
    worker.m_state = std::make_shared<Worker::State>();
    Running& registry = running();
    {
        const std::lock_guard lock(registry.mutex);
        ++registry.count;
    }
    try {
        std::thread([state = worker.m_state, work = std::move(work), &registry]() mutable {
            work();
            work = nullptr; // what it captured goes while the worker still counts
            {
                const std::lock_guard lock(state->mutex);
                state->done = true;
                state->ended.notify_all();
            }
            const std::lock_guard lock(registry.mutex);
            if (--registry.count == 0) {
                registry.none.notify_all();
            }
        }).detach();
    } catch (...) {
        const std::lock_guard lock(registry.mutex);
        --registry.count;
        throw;
    }
    return worker;
}

bool WorkerThreads::waitForAll(std::chrono::milliseconds limit)
{
    Running& registry = running();
    std::unique_lock lock(registry.mutex);
    return registry.none.wait_for(lock, limit, [&registry] { return registry.count == 0; });
}

int WorkerThreads::endProgram(int exitCode, std::chrono::milliseconds limit)
{
    if (waitForAll(limit)) {
        return exitCode;
    }
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

} // namespace numberlark
