#include "classroom/courier/Courier.h"

#include "classroom/ClassroomSetting.h"
#include "progress/LogOutbox.h"
#include "progress/ProgressLog.h"

#include <algorithm>

namespace numberlark::classroom {

namespace {

// The window's thread reads and marks the log: a copy of the program that
// holds it now is waited for only briefly, and the next try comes later.
constexpr std::chrono::milliseconds kLogWait{500};

int countOf(const Outbox& outbox)
{
    return static_cast<int>(outbox.tests.size() + outbox.practice.size());
}

} // namespace

Courier::Courier()
{
    m_look.setInterval(kLookInterval);
    connect(&m_look, &QTimer::timeout, this, [this] { lookAtDelivery(); });
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, [this] { startDelivery(); });
}

void Courier::deliverWhileRunning(const QString& logPath, const QString& server)
{
    m_logPath = logPath;
    m_server = server;
    if (m_run == nullptr) {
        startDelivery();
    }
}

// Reads the outbox and hands it to a worker; false when nothing waits or the
// log could not be read.
bool Courier::startDelivery()
{
    // The log stays open while the delivery runs, so each mark costs one
    // transaction and not an opening too.
    m_log = std::make_unique<progress::ProgressLog>(m_logPath, kLogWait);
    Outbox outbox;
    const progress::LogStatus read = progress::readOutbox(*m_log, outbox);
    m_state.waiting = countOf(outbox);
    if (!read.done() || m_state.waiting == 0) {
        m_log.reset();
    }
    if (!read.done()) {
        m_state.reason = read.message;
        m_retry.start(pauseAfterFailures(++m_failures));
        return false;
    }
    if (m_state.waiting == 0) {
        m_state.reason.clear();
        return false;
    }
    m_marked.clear();
    m_run = DeliveryRun::start(m_server, std::move(outbox));
    m_state.delivering = true;
    m_look.start();
    return true;
}

void Courier::lookAtDelivery()
{
    if (m_run == nullptr) {
        return;
    }
    markWhatArrived();
    if (const auto report = m_run->report()) {
        endDelivery(*report);
    }
}

void Courier::markWhatArrived()
{
    std::vector<QUuid> arrived;
    for (const QUuid& uuid : m_run->deliveredSoFar()) {
        if (m_marked.insert(uuid).second) {
            arrived.push_back(uuid);
        }
    }
    if (arrived.empty()) {
        return;
    }
    // A log that cannot be written now keeps them waiting: the server keeps
    // only one of each, so sending them again does no harm.
    if (progress::markDelivered(*m_log, arrived).done()) {
        m_state.waiting = std::max(0, m_state.waiting - static_cast<int>(arrived.size()));
    }
}

void Courier::endDelivery(const DeliveryReport& report)
{
    m_look.stop();
    m_run.reset();
    m_log.reset();
    m_state.delivering = false;
    m_state.reason = describe(report.status.problem);
    if (report.status.ok()) {
        m_failures = 0;
        return;
    }
    m_retry.start(pauseAfterFailures(++m_failures));
}

// Whatever the running delivery has not sent yet is sent again by the next
// one; the server keeps one of each.
void Courier::leaveDeliveryBehind()
{
    m_look.stop();
    m_retry.stop();
    if (m_run == nullptr) {
        return;
    }
    markWhatArrived();
    m_run->stop();
    if (!m_run->report()) {
        m_leftBehind.push_back(m_run);
    }
    m_run.reset();
    m_log.reset();
    m_state.delivering = false;
}

void Courier::deliverBeforeQuit(const QString& logPath, const QString& server,
                                std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    leaveDeliveryBehind();
    m_logPath = logPath;
    m_server = server;
    if (!startDelivery()) {
        m_retry.stop();
        return;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    m_run->waitFor(std::max(left, std::chrono::milliseconds{0}));
    lookAtDelivery();
    leaveDeliveryBehind();
}

bool Courier::deliveryRunning() const
{
    const auto running = [](const std::shared_ptr<DeliveryRun>& run) {
        return run != nullptr && !run->report().has_value();
    };
    return running(m_run) || std::any_of(m_leftBehind.begin(), m_leftBehind.end(), running);
}

} // namespace numberlark::classroom
