#include "platform/sound/Bell.h"

#include "modules/ModuleLoader.h"

#include <QApplication>

#include <chrono>

namespace numberlark {

namespace {

using std::chrono::milliseconds;

// The silence after one bell ends and before the next starts: long enough for
// the ear to tell two bells apart, short enough that they still follow in
// quick succession.
constexpr milliseconds kSilence{90};
// A bell whose end is not reported within this time is taken to have ended.
constexpr milliseconds kLongestRing{400};
// The toolkit's beep reports no end; its rings are spaced by this much.
constexpr milliseconds kFallbackSpacing{200};

} // namespace

Bell::Bell(QObject* parent) : QObject(parent)
{
    m_nextRing.setSingleShot(true);
    connect(&m_nextRing, &QTimer::timeout, this, &Bell::soundNext);
}

Bell::~Bell()
{
    // Stops canberra's own thread; no finish callback runs after this.
    m_sound.reset();
}

void Bell::ring()
{
    ++m_waiting;
    if (!m_nextRing.isActive()) {
        soundNext();
    }
}

void Bell::soundNext()
{
    if (m_waiting == 0) {
        return;
    }
    --m_waiting;
    if (playThroughTheme()) {
        m_nextRing.start(kLongestRing);
    } else {
        QApplication::beep();
        m_nextRing.start(kFallbackSpacing);
    }
}

// The sound server is reached at the first ring, not at start-up: loading
// the sound client and connecting take time the program does not need to
// spend until then.
bool Bell::openSound()
{
    if (m_sound != nullptr || m_soundFailed) {
        return m_sound != nullptr;
    }
    // Without its module the bell is still heard, as the toolkit's beep; the
    // reason goes to the terminal only.
    const auto sound =
        loadModule<SoundService>(modulePaths(QStringLiteral("libnumberlark_bell.so")));
    if (sound.service == nullptr) {
        qWarning("numberlark: %s", qPrintable(sound.failure));
    } else {
        const QByteArray name = QCoreApplication::applicationName().toUtf8();
        m_sound.reset(sound.service->openBell(name.constData(), &Bell::finishedCallback, this));
    }
    m_soundFailed = m_sound == nullptr;
    return !m_soundFailed;
}

bool Bell::playThroughTheme()
{
    return openSound() && m_sound->play(++m_lastId);
}

// Runs on canberra's thread; the work is handed to the bell's own thread.
void Bell::finishedCallback(std::uint32_t id, bool failed, void* userdata)
{
    auto* bell = static_cast<Bell*>(userdata);
    QMetaObject::invokeMethod(
        bell, [bell, id, failed] { bell->onFinished(id, failed); }, Qt::QueuedConnection);
}

void Bell::onFinished(std::uint32_t id, bool failed)
{
    if (id != m_lastId || !m_nextRing.isActive()) {
        return; // an earlier bell, already given up on
    }
    if (failed) {
        QApplication::beep();
    }
    m_nextRing.start(kSilence);
}

} // namespace numberlark
