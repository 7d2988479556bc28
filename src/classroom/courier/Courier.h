#pragma once

#include "classroom/ClassroomCourier.h"
#include "classroom/DeliveryRun.h"
#include "progress/ProgressLog.h"

#include <QObject>
#include <QTimer>

#include <memory>
#include <set>
#include <vector>

namespace numberlark::classroom {

// Delivers the log's outbox on worker threads and marks in the log, on the
// window's thread, what the server took. A failed delivery is tried again
// after a pause that grows with each failure in a row.
class Courier final : public QObject, public ClassroomCourier {
public:
    Courier();

    void deliverWhileRunning(const QString& logPath, const QString& server) override;
    void deliverBeforeQuit(const QString& logPath, const QString& server,
                           std::chrono::milliseconds limit) override;
    bool deliveryRunning() const override;
    OutboxState state() const override { return m_state; }

    // How often a running delivery is looked at.
    static constexpr std::chrono::milliseconds kLookInterval{100};

private:
    bool startDelivery();
    void lookAtDelivery();
    void markWhatArrived();
    void endDelivery(const DeliveryReport& report);
    void leaveDeliveryBehind();

    QString m_logPath;
    QString m_server;
    std::unique_ptr<progress::ProgressLog> m_log; // open while a delivery runs
    std::shared_ptr<DeliveryRun> m_run;
    std::set<QUuid> m_marked; // of the running delivery, marked in the log already
    // Deliveries given up on at Quit, still held by a frozen server.
    std::vector<std::shared_ptr<DeliveryRun>> m_leftBehind;
    int m_failures = 0;
    QTimer m_look;
    QTimer m_retry;
    OutboxState m_state;
};

} // namespace numberlark::classroom
