#include "ui/main/Bell.h"

#include <QApplication>

#include <canberra.h>

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

bool isFailure(int error)
{
    return error != CA_SUCCESS && error != CA_ERROR_CANCELED && error != CA_ERROR_DESTROYED;
}

} // namespace

Bell::Bell(QObject* parent) : QObject(parent)
{
    m_nextRing.setSingleShot(true);
    connect(&m_nextRing, &QTimer::timeout, this, &Bell::soundNext);
}

Bell::~Bell()
{
    // Stops canberra's own thread; no finish callback runs after this.
    if (m_context != nullptr) {
        ca_context_destroy(m_context);
    }
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
    if (playThroughCanberra()) {
        m_nextRing.start(kLongestRing);
    } else {
        QApplication::beep();
        m_nextRing.start(kFallbackSpacing);
    }
}

// The context is made at the first ring, not at start-up: connecting to the
// sound server takes time the program does not need to spend until then.
bool Bell::openContext()
{
    if (m_context != nullptr || m_canberraFailed) {
        return m_context != nullptr;
    }
    const QByteArray name = QCoreApplication::applicationName().toUtf8();
    if (ca_context_create(&m_context) == CA_SUCCESS &&
        ca_context_change_props(m_context, CA_PROP_APPLICATION_NAME, name.constData(), nullptr) ==
            CA_SUCCESS &&
        ca_context_open(m_context) == CA_SUCCESS) {
        return true;
    }
    if (m_context != nullptr) {
        ca_context_destroy(m_context);
        m_context = nullptr;
    }
    m_canberraFailed = true;
    return false;
}

// Each ring has an id of its own, so a new bell never cancels one still sounding.
bool Bell::playThroughCanberra()
{
    if (!openContext()) {
        return false;
    }
    ca_proplist* properties = nullptr;
    if (ca_proplist_create(&properties) != CA_SUCCESS) {
        return false;
    }
    ca_proplist_sets(properties, CA_PROP_EVENT_ID, "bell");
    ca_proplist_sets(properties, CA_PROP_EVENT_DESCRIPTION, "Bell");
    ++m_lastId;
    const int result =
        ca_context_play_full(m_context, m_lastId, properties, &Bell::finishedCallback, this);
    ca_proplist_destroy(properties);
    return result == CA_SUCCESS;
}

// Runs on canberra's thread; the work is handed to the bell's own thread.
void Bell::finishedCallback(ca_context*, std::uint32_t id, int error, void* userdata)
{
    auto* bell = static_cast<Bell*>(userdata);
    QMetaObject::invokeMethod(
        bell, [bell, id, error] { bell->onFinished(id, error); }, Qt::QueuedConnection);
}

void Bell::onFinished(std::uint32_t id, int error)
{
    if (id != m_lastId || !m_nextRing.isActive()) {
        return; // an earlier bell, already given up on
    }
    if (isFailure(error)) {
        QApplication::beep();
    }
    m_nextRing.start(kSilence);
}

} // namespace numberlark
