#include "classroom/ClassroomSetting.h"

#include <algorithm>

namespace numberlark::classroom {

std::optional<QString> classroomServer(const QSettings& settings)
{
    const QString server = settings.value(QStringLiteral("Classroom/server")).toString().trimmed();
    if (server.isEmpty()) {
        return std::nullopt;
    }
    return server;
}

std::chrono::seconds pauseAfterFailures(int failures)
{
    constexpr std::chrono::seconds kFirst{30};
    constexpr std::chrono::seconds kLongest{30 * 60};
    if (failures <= 0) {
        return std::chrono::seconds{0};
    }
    // 30 s x 2^6 already passes the longest pause; stop doubling there.
    const int doublings = std::min(failures - 1, 6);
    return std::min(kFirst * (1 << doublings), kLongest);
}

} // namespace numberlark::classroom
