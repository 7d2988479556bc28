#include "classroom/courier/OutboxCourier.h"

#include "classroom/ClassroomSetting.h"

#include <algorithm>

namespace numberlark::classroom {

namespace {

// The window's thread reads and marks the log: a copy of the program that
// holds it now is waited for only briefly, and the next try comes later.
constexpr std::chrono::milliseconds kLogWait{500};
// The end of Quit's time kept for marking in the log what arrived last.
constexpr std::chrono::milliseconds kLastMark{50};

int countOf(const Outbox& outbox)
{
    return static_cast<int>(outbox.tests.size() + outbox.practice.size());
}

std::chrono::milliseconds leftUntil(std::chrono::steady_clock::time_point deadline)
{
    return std::max(std::chrono::duration_cast<std::chrono::milliseconds>(
                        deadline - std::chrono::steady_clock::now()),
                    std::chrono::milliseconds{0});
}

} // namespace

OutboxCourier::OutboxCourier()
{
    m_look.setInterval(kLookInterval);
    connect(&m_look, &QTimer::timeout, this, [this] { lookAtDelivery(); });
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, [this] { startDelivery(); });
}

void OutboxCourier::deliverWhileRunning(const QString& logPath, const QString& server)
{
    m_logPath = logPath;
    m_server = server;
    if (m_run == nullptr) {
        startDelivery();
    }
}

// What this run set aside stays out of its later deliveries; it still waits.
int OutboxCourier::keepBackSetAside(Outbox& outbox) const
{
    const auto refused = [this](const auto& item) { return m_refusedHere.contains(item.uuid); };
    const int before = countOf(outbox);
    std::erase_if(outbox.tests, refused);
    std::erase_if(outbox.practice, refused);
    return before - countOf(outbox);
}

// Reads the outbox and hands it to a worker; false when nothing waits or the
// log could not be read.
bool OutboxCourier::startDelivery()
{
    // The log stays open while the delivery runs, so each mark costs one
    // transaction and not an opening too.
    m_log = std::make_unique<progress::ProgressLog>(m_logPath, kLogWait);
    Outbox outbox;
    progress::LogStatus read = readOutbox(*m_log, outbox, {}, &m_readUpTo);
    if (read.done()) {
        read = readRefused(*m_log, m_state.setAside);
    }
    if (!read.done()) {
        m_log.reset();
        m_state.failure = read;
        m_retry.start(pauseAfterFailures(++m_failures));
        return false;
    }
    const int keptBack = keepBackSetAside(outbox);
    m_state.waiting = countOf(outbox) + keptBack;
    if (countOf(outbox) == 0) {
        m_log.reset();
        m_state.failure = Outcome::success();
        return false;
    }
    m_marked.clear();
    m_run = DeliveryRun::start(m_server, std::move(outbox));
    m_state.delivering = true;
    m_look.start();
    return true;
}

void OutboxCourier::lookAtDelivery()
{
    if (m_run == nullptr) {
        return;
    }
    // The report first: once it is there, so is every uuid delivered, and
    // none that arrives between the two looks goes unmarked.
    const auto report = m_run->report();
    markWhatArrived(*m_run, m_marked);
    if (report) {
        endDelivery(*report);
    }
}

void OutboxCourier::markWhatArrived(DeliveryRun& run, std::set<QUuid>& marked)
{
    std::vector<QUuid> arrived;
    for (const QUuid& uuid : run.deliveredSoFar()) {
        if (marked.insert(uuid).second) {
            arrived.push_back(uuid);
        }
    }
    if (arrived.empty()) {
        return;
    }
    // A log that cannot be written now keeps them waiting: the server keeps
    // only one of each, so sending them again does no harm.
    if (markDelivered(*m_log, arrived).done()) {
        m_state.waiting = std::max(0, m_state.waiting - static_cast<int>(arrived.size()));
        std::erase_if(m_state.setAside,
                      [&marked](const SetAside& item) { return marked.contains(item.uuid); });
    }
}

// The refused are noted in the log, for the window and for the next start.
void OutboxCourier::noteRefused(const DeliveryReport& report)
{
    if (report.refused.empty()) {
        return;
    }
    // A log held by another copy now loses only the note: the next start
    // meets the same refusal again.
    static_cast<void>(markRefused(*m_log, report.refused));
    for (const SetAside& item : report.refused) {
        m_refusedHere.insert(item.uuid);
        std::erase_if(m_state.setAside,
                      [&item](const SetAside& known) { return known.uuid == item.uuid; });
        m_state.setAside.push_back(item);
    }
}

void OutboxCourier::endDelivery(const DeliveryReport& report)
{
    noteRefused(report);
    m_look.stop();
    m_run.reset();
    m_log.reset();
    m_state.delivering = false;
    m_state.failure = report.status.told();
    if (report.status.ok()) {
        m_failures = 0;
        return;
    }
    // A connection that dropped again and again is tried again soon; the
    // pause grows only for a server that cannot be had at all.
    m_retry.start(pauseAfterFailures(
        report.status.problem == ClassroomProblem::ConnectionDropped ? 1 : ++m_failures));
}

// Whatever a delivery has not sent yet is sent again by the next one; the
// server keeps one of each.
void OutboxCourier::leaveBehind(std::shared_ptr<DeliveryRun>& run)
{
    if (run == nullptr) {
        return;
    }
    run->stop();
    if (!run->report()) {
        m_leftBehind.push_back(run);
    }
    run.reset();
}

std::shared_ptr<DeliveryRun> OutboxCourier::startRun(Outbox outbox, int alsoWaiting)
{
    m_state.waiting = alsoWaiting + countOf(outbox);
    return countOf(outbox) == 0 ? nullptr : DeliveryRun::start(m_server, std::move(outbox));
}

// Quit's time covers everything: the log is read only for what the running
// delivery does not carry (the test just recorded, practice of this run),
// newest first and only as much as could be sent; the running delivery goes
// on beside it until the time is up.
void OutboxCourier::deliverBeforeQuit(const QString& logPath, const QString& server,
                                      std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    m_look.stop();
    m_retry.stop();
    if (m_run != nullptr && (logPath != m_logPath || server != m_server)) {
        markWhatArrived(*m_run, m_marked);
        leaveBehind(m_run);
    }
    m_logPath = logPath;
    m_server = server;
    if (m_log == nullptr) {
        m_log = std::make_unique<progress::ProgressLog>(m_logPath, kLogWait);
    }
    OutboxPart part{.newest = kNewestAtQuit};
    if (m_run != nullptr) {
        part.testsAfter = m_readUpTo.testsAfter;
        part.practiceAfter = m_readUpTo.practiceAfter;
        markWhatArrived(*m_run, m_marked);
    }
    Outbox outbox;
    std::shared_ptr<DeliveryRun> last;
    std::set<QUuid> lastMarked;
    if (readOutbox(*m_log, outbox, part).done()) {
        keepBackSetAside(outbox);
        last = startRun(std::move(outbox), m_run == nullptr ? 0 : m_state.waiting);
    }
    // Marked as they arrive, so that what is left to mark when the time is
    // up fits in the little time kept back for it.
    const auto markingFrom = deadline - kLastMark;
    const auto ended = [](const std::shared_ptr<DeliveryRun>& run) {
        return run == nullptr || run->report().has_value();
    };
    while (leftUntil(markingFrom).count() > 0 && !(ended(last) && ended(m_run))) {
        const auto& waitedFor = ended(last) ? m_run : last;
        waitedFor->waitFor(std::min(leftUntil(markingFrom), kLookInterval));
        if (last != nullptr) {
            markWhatArrived(*last, lastMarked);
        }
        if (m_run != nullptr) {
            markWhatArrived(*m_run, m_marked);
        }
    }
    const std::pair<std::shared_ptr<DeliveryRun>*, std::set<QUuid>*> runs[] = {{&last, &lastMarked},
                                                                               {&m_run, &m_marked}};
    for (const auto& [run, marked] : runs) {
        if (*run == nullptr) {
            continue;
        }
        const auto report = (*run)->report();
        markWhatArrived(**run, *marked);
        if (report) {
            noteRefused(*report);
            m_state.failure = report->status.told();
        }
        leaveBehind(*run);
    }
    m_log.reset();
    m_state.delivering = false;
}

bool OutboxCourier::deliveryRunning() const
{
    const auto running = [](const std::shared_ptr<DeliveryRun>& run) {
        return run != nullptr && !run->report().has_value();
    };
    return running(m_run) || std::any_of(m_leftBehind.begin(), m_leftBehind.end(), running);
}

} // namespace numberlark::classroom
