#pragma once

#include <QDateTime>
#include <QString>
#include <QUuid>

#include <cstdint>
#include <optional>
#include <vector>

namespace numberlark::classroom {

// One answer of a practice session: the fact as shown, the wrong tries
// before the answer that ended it, and the time that took.
struct ClassroomPracticeAnswer {
    std::int8_t first = 1;
    std::int8_t second = 1;
    int wrongTries = 0;
    std::int64_t millis = 0;

    friend bool operator==(const ClassroomPracticeAnswer&,
                           const ClassroomPracticeAnswer&) = default;
};

// A practice session recorded on a computer, as it travels to the school's
// server; like a test, it keeps the uuid it was given when recorded.
struct ClassroomPractice {
    QUuid uuid;
    QString child;
    QDateTime started; // local time with its UTC offset
    int minutes = 0;
    std::optional<int> limitMillis; // the time allowed per answer, if any
    std::vector<ClassroomPracticeAnswer> answers;

    friend bool operator==(const ClassroomPractice&, const ClassroomPractice&) = default;
};

} // namespace numberlark::classroom
