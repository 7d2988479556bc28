#pragma once

#include "classroom/ClassroomProblem.h"
#include "classroom/ClassroomTest.h"
#include "classroom/ServerConnection.h"

#include <QUuid>

#include <atomic>
#include <functional>
#include <vector>

namespace numberlark::classroom {

// What a delivery achieved: the tests the server now holds (including any
// it already had), the tests that can never be sent as they are, and why
// the rest, if any, are still waiting.
struct DeliveryReport {
    std::vector<QUuid> delivered;
    std::vector<QUuid> unsendable; // no uuid or no valid time: kept back, not sent
    ClassroomStatus status;
    int reconnects = 0;
};

// Tests are sent in transactions of this many, so a lost connection costs
// at most one such batch, sent again.
inline constexpr int kTestsPerTransaction = 50;
// How often a lost connection is opened again within one delivery.
inline constexpr int kReconnectTries = 2;

// Sends the tests, in order, each at most once on the server: a test the
// server already has is skipped there and counts as delivered. A lost
// connection is opened again and the unfinished batch sent again.
// `onDelivered` hears each test as soon as its batch is committed;
// `stop`, when set, ends the delivery between two batches.
DeliveryReport deliverTests(ServerConnection& connection, const std::vector<ClassroomTest>& tests,
                            const std::function<void(const QUuid&)>& onDelivered = {},
                            const std::atomic<bool>* stop = nullptr);

} // namespace numberlark::classroom
