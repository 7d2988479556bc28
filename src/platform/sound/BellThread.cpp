#include "platform/sound/BellThread.h"

#include "modules/ModuleLoader.h"
#include "platform/sound/ThemeBell.h"
#include "workers/WorkerThreads.h"

#include <condition_variable>
#include <deque>
#include <mutex>

namespace numberlark {

struct BellThreadState {
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<std::uint32_t> rings;
    bool stopping = false;
    BellThread::Report report; // emptied when the bell goes

    void tell(std::uint32_t id, BellThread::Ring ring)
    {
        const std::lock_guard lock(mutex);
        if (report) {
            report(id, ring);
        }
    }
};

namespace {

// Runs on the sound client's own thread.
void onRingEnded(std::uint32_t id, bool failed, void* userdata)
{
    static_cast<BellThreadState*>(userdata)->tell(id, failed ? BellThread::Ring::Failed
                                                             : BellThread::Ring::Ended);
}

std::unique_ptr<ThemeBell> openSound(const QStringList& modulePaths,
                                     const QByteArray& applicationName, BellThreadState* state)
{
    // Without its module the bell is still heard, as the toolkit's beep; the
    // reason goes to the terminal only.
    const auto sound = loadModule<SoundService>(modulePaths);
    if (sound.service == nullptr) {
        qWarning("numberlark: %s", qPrintable(sound.failure.message));
        return nullptr;
    }
    return std::unique_ptr<ThemeBell>(
        sound.service->openBell(applicationName.constData(), &onRingEnded, state));
}

// The thread keeps the state alive until the sound client's thread, which
// reports through it, has been stopped.
void run(const std::shared_ptr<BellThreadState>& state, const QStringList& modulePaths,
         const QByteArray& applicationName)
{
    std::unique_ptr<ThemeBell> sound;
    bool opened = false;
    for (;;) {
        std::uint32_t id = 0;
        {
            std::unique_lock lock(state->mutex);
            state->wake.wait(lock, [&] { return state->stopping || !state->rings.empty(); });
            if (state->stopping) {
                break;
            }
            id = state->rings.front();
            state->rings.pop_front();
        }
        // The sound server is reached at the first ring, not at start-up:
        // loading the sound client and connecting take time the program does
        // not need to spend until then.
        if (!opened) {
            opened = true;
            sound = openSound(modulePaths, applicationName, state.get());
        }
        if (sound == nullptr) {
            state->tell(id, BellThread::Ring::NoSound);
        } else if (!sound->play(id)) {
            state->tell(id, BellThread::Ring::Failed);
        }
    }
    sound.reset();
}

} // namespace

BellThread::BellThread(QStringList modulePaths, QByteArray applicationName, Report report)
    : m_state(std::make_shared<BellThreadState>())
{
    m_state->report = std::move(report);
    WorkerThreads::start([state = m_state, modulePaths = std::move(modulePaths),
                          applicationName = std::move(applicationName)] {
        run(state, modulePaths, applicationName);
    });
}

BellThread::~BellThread()
{
    {
        const std::lock_guard lock(m_state->mutex);
        m_state->stopping = true;
        m_state->report = nullptr;
    }
    m_state->wake.notify_one();
}

void BellThread::play(std::uint32_t id)
{
    {
        const std::lock_guard lock(m_state->mutex);
        m_state->rings.push_back(id);
    }
    m_state->wake.notify_one();
}

} // namespace numberlark
