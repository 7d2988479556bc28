#pragma once

#include "quiz/QuestionResult.h"

#include <QDateTime>
#include <QString>
#include <QUuid>

#include <cstdint>
#include <vector>

namespace numberlark::classroom {

// One question of a test, as the quiz keeps it.
using ClassroomAnswer = QuestionResult;

// How the table was chosen; the numbers are those the progress log keeps.
enum class TableKind : std::int16_t { Table = 0, Mixed = 1, Other = 2 };

// A test recorded on a computer, as it travels to the school's server. The
// uuid is made once, when the test is recorded, and never changes, so the
// server can tell a resend from a new test.
struct ClassroomTest {
    QUuid uuid;
    QString child;
    QDateTime when; // local time with its UTC offset
    TableKind tableKind = TableKind::Table;
    std::int16_t tableNumber = 0; // 0 for Mixed
    int questions = 0;
    int rightAnswers = 0;
    int seconds = 0;
    bool finished = false;
    std::vector<ClassroomAnswer> answers;

    friend bool operator==(const ClassroomTest&, const ClassroomTest&) = default;
};

} // namespace numberlark::classroom
