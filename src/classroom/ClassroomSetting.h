#pragma once

#include <QSettings>
#include <QString>

#include <chrono>
#include <optional>

namespace numberlark::classroom {

// The school's server, as the key `server` of the group [Classroom] gives
// it: a libpq connection string, usually "service=numberlark". QSettings
// reads the user's own file first and the system-wide one an administrator
// writes after it, so a teacher's laptop can name a server of its own.
// Without the key, or with a blank one, there is no classroom: nothing is
// loaded and no network is touched.
std::optional<QString> classroomServer(const QSettings& settings);

// The pause before trying again after this many failed deliveries in a row:
// half a minute, doubled each time, never more than half an hour, so a
// server that is down is neither hammered nor forgotten for long.
std::chrono::seconds pauseAfterFailures(int failures);

} // namespace numberlark::classroom
