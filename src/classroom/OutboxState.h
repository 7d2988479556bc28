#pragma once

#include "outcome/Outcome.h"

#include <QDateTime>
#include <QString>
#include <QUuid>

#include <vector>

namespace numberlark::classroom {

// A test or practice session the server refused for what it holds: kept on
// this computer, with the server's SQLSTATE and own words, and sent again
// only at the next start, so that it never holds up the others.
struct SetAside {
    QUuid uuid;
    QString child;
    QDateTime when;
    bool practice = false;
    QString sqlState;
    QString words;

    friend bool operator==(const SetAside&, const SetAside&) = default;
};

// What the progress window tells about this computer's outbox: how many
// tests and practice sessions wait for the school's server, and why, in the
// language shown on screen.
struct OutboxState {
    int waiting = 0;
    Outcome failure; // success while a delivery is on its way or none failed
    bool delivering = false;
    std::vector<SetAside> setAside; // among those waiting

    friend bool operator==(const OutboxState&, const OutboxState&) = default;
};

} // namespace numberlark::classroom
