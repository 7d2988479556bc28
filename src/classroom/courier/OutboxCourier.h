#pragma once

#include "classroom/ClassroomCourier.h"
#include "classroom/DeliveryRun.h"
#include "classroom/LogOutbox.h"
#include "progress/ProgressLog.h"

#include <QObject>
#include <QTimer>

#include <memory>
#include <set>
#include <vector>

namespace numberlark::classroom {

// Delivers the log's outbox on worker threads and marks in the log, on the
// window's thread, what the server took. A failed delivery is tried again
// after a pause that grows with each failure in a row. What the server
// refuses for its data is noted in the log and set aside until the program
// next starts, so it holds up nothing else.
class OutboxCourier final : public QObject, public ClassroomCourier {
public:
    OutboxCourier();

    void deliverWhileRunning(const QString& logPath, const QString& server) override;
    void deliverBeforeQuit(const QString& logPath, const QString& server,
                           std::chrono::milliseconds limit) override;
    bool deliveryRunning() const override;
    OutboxState state() const override { return m_state; }

    // How often a running delivery is looked at.
    static constexpr std::chrono::milliseconds kLookInterval{100};
    // At Quit, of what the running delivery does not carry, only this many
    // of the newest tests and of the newest sessions are read: more could
    // not reach the server within Quit's time, and reading them would eat it.
    static constexpr int kNewestAtQuit = 200;

private:
    bool startDelivery();
    std::shared_ptr<DeliveryRun> startRun(Outbox outbox, int alsoWaiting);
    void lookAtDelivery();
    void markWhatArrived(DeliveryRun& run, std::set<QUuid>& marked);
    void noteRefused(const DeliveryReport& report);
    void endDelivery(const DeliveryReport& report);
    void leaveBehind(std::shared_ptr<DeliveryRun>& run);
    int keepBackSetAside(Outbox& outbox) const;

    QString m_logPath;
    QString m_server;
    std::unique_ptr<progress::ProgressLog> m_log; // open while a delivery runs
    std::shared_ptr<DeliveryRun> m_run;
    std::set<QUuid> m_marked;      // of the running delivery, marked in the log already
    OutboxPart m_readUpTo;         // where the running delivery's outbox ends in the log
    std::set<QUuid> m_refusedHere; // refused during this run: not sent again before the next
    // Deliveries given up on at Quit, still held by a frozen server.
    std::vector<std::shared_ptr<DeliveryRun>> m_leftBehind;
    int m_failures = 0;
    QTimer m_look;
    QTimer m_retry;
    OutboxState m_state;
};

} // namespace numberlark::classroom
