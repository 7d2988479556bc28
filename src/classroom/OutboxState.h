#pragma once

#include <QString>

namespace numberlark::classroom {

// What the progress window tells about this computer's outbox: how many
// tests and practice sessions wait for the school's server, and why, in the
// language shown on screen.
struct OutboxState {
    int waiting = 0;
    QString reason; // empty while a delivery is on its way or none failed
    bool delivering = false;

    friend bool operator==(const OutboxState&, const OutboxState&) = default;
};

} // namespace numberlark::classroom
