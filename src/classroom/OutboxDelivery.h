#pragma once

#include "classroom/ClassroomProblem.h"
#include "classroom/OutboxState.h"
#include "classroom/ServerConnection.h"
#include "progress/ProgressRecords.h"

#include <QUuid>

#include <atomic>
#include <functional>
#include <vector>

namespace numberlark::classroom {

// What waits on this computer to be delivered, oldest first.
struct Outbox {
    std::vector<progress::TestRecord> tests;
    std::vector<progress::PracticeSessionRecord> practice;
};

// What a delivery achieved: the tests and sessions the server now holds
// (including any it already had), those it refused for what they hold,
// those that can never be sent as they are, and why the rest, if any, are
// still waiting.
struct DeliveryReport {
    std::vector<QUuid> delivered;
    std::vector<SetAside> refused;
    std::vector<QUuid> unsendable; // no uuid or no valid time: kept back, not sent
    ClassroomStatus status;
    int reconnects = 0;
};

// Sent in transactions of this many, so a lost connection costs at most
// one such batch, sent again.
inline constexpr std::size_t kItemsPerTransaction = 50;
// How often in a row a lost connection is opened again with no batch
// committed in between; each batch that goes through starts the count again.
inline constexpr int kReconnectTries = 2;

// Sends the tests, then the practice sessions, each at most once on the
// server: one the server already has is skipped there and counts as
// delivered. A lost connection is opened again at once and the unfinished
// batch sent again. A batch the server refuses for the data in it is sent
// again without the refused one, which is set aside with the server's
// words. Every exchange has a time limit (kExchangeLimit): a server that
// stops answering ends the delivery as ServerFrozen. `onDelivered` hears
// each uuid as soon as its batch is committed; `stop`, when set, ends the
// delivery between two batches.
DeliveryReport deliverOutbox(ServerConnection& connection, const Outbox& outbox,
                             const std::function<void(const QUuid&)>& onDelivered = {},
                             const std::atomic<bool>* stop = nullptr);

} // namespace numberlark::classroom
