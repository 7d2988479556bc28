#include "platform/sound/Bell.h"

#include "modules/ModuleLoader.h"

#include <QApplication>

#include <chrono>
#include <system_error>

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

Bell::Bell(QObject* parent) : Bell(modulePaths(QStringLiteral("libnumberlark_bell.so")), parent) {}

Bell::Bell(QStringList soundModule, QObject* parent)
    : QObject(parent), m_soundModule(std::move(soundModule))
{
    m_nextRing.setSingleShot(true);
    connect(&m_nextRing, &QTimer::timeout, this, &Bell::soundNext);
}

// No report comes after this; the bell's thread ends on its own once the
// sound server lets it go.
Bell::~Bell()
{
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
    if (startSound()) {
        m_sound->play(++m_lastId);
        m_nextRing.start(kLongestRing);
    } else {
        QApplication::beep();
        m_nextRing.start(kFallbackSpacing);
    }
}

bool Bell::startSound()
{
    if (m_sound != nullptr || m_soundFailed) {
        return m_sound != nullptr;
    }
    try {
        // Reports come from other threads; the work is handed to the bell's own.
        m_sound = std::make_unique<BellThread>(
            m_soundModule, QCoreApplication::applicationName().toUtf8(),
            [this](std::uint32_t id, BellThread::Ring ring) {
                QMetaObject::invokeMethod(
                    this, [this, id, ring] { onReport(id, ring); }, Qt::QueuedConnection);
            });
    } catch (const std::system_error& error) {
        qWarning("numberlark: the bell has no thread: %s", error.what());
    }
    m_soundFailed = m_sound == nullptr;
    return !m_soundFailed;
}

void Bell::onReport(std::uint32_t id, BellThread::Ring ring)
{
    if (ring == BellThread::Ring::NoSound) {
        m_sound.reset();
        m_soundFailed = true;
    }
    if (id != m_lastId || !m_nextRing.isActive()) {
        return; // an earlier bell, already given up on
    }
    if (ring != BellThread::Ring::Ended) {
        QApplication::beep();
    }
    m_nextRing.start(ring == BellThread::Ring::NoSound ? kFallbackSpacing : kSilence);
}

} // namespace numberlark
