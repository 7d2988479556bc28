#pragma once

#include "practice/Fluency.h"
#include "quiz/QuestionResult.h"

#include <QDateTime>
#include <QString>
#include <QUuid>

#include <cstdint>
#include <optional>
#include <vector>

namespace numberlark::progress {

// How a test's table was chosen. Other keeps the typed number; Mixed draws a
// table per question, so each answered question carries its own.
struct TableChoiceRecord {
    enum class Kind { Table, Mixed, Other };
    Kind kind = Kind::Table;
    std::int16_t number = 0; // the table for Table and Other; 0 for Mixed

    friend bool operator==(const TableChoiceRecord&, const TableChoiceRecord&) = default;
};

// One question of a test as the child met it: the quiz's own record of it.
using AnsweredQuestion = QuestionResult;

// One test in the progress log. Imported results lines have no answers.
struct TestRecord {
    std::int64_t id = 0; // the log's own key; 0 before it is stored
    QString child;       // trimmed as typed; empty is kept as empty
    QDateTime when;      // local time with its UTC offset
    TableChoiceRecord table;
    int questions = 0;      // the number of questions asked for
    int seconds = 0;        // as the results line reports it, never negative
    bool finished = false;  // every question answered
    bool imported = false;  // came from a results file
    QString dateText;       // an imported date that could not be read, as written
    QString resultsKey;     // resultsLineKey() of its results line; empty if none
    QUuid uuid;             // made when the test is recorded, if it has none yet
    bool delivered = false; // the school's server holds it
    std::vector<AnsweredQuestion> answers;

    friend bool operator==(const TestRecord&, const TestRecord&) = default;
};

// One answer of a practice session: the fact in the order shown, the wrong
// tries before the answer that ended it, and the time to that answer.
struct PracticeAnswerRecord {
    std::int16_t first = 0;
    std::int16_t second = 0;
    int wrongTries = 0;
    std::int64_t millis = 0;

    friend bool operator==(const PracticeAnswerRecord&, const PracticeAnswerRecord&) = default;
};

// A practice session in the progress log. Practice is no test: it is never
// in the results file or the tests list; the chart marks its days.
struct PracticeSessionRecord {
    std::int64_t id = 0; // the log's own key; 0 before it is stored
    QUuid uuid;          // made when the session is recorded, if it has none yet
    QString child;
    QDateTime started;              // local time with its UTC offset
    int minutes = 0;                // the session length chosen
    std::optional<int> limitMillis; // the fluency limit; none when untimed
    bool delivered = false;         // the school's server holds it
    std::vector<PracticeAnswerRecord> answers;

    friend bool operator==(const PracticeSessionRecord&, const PracticeSessionRecord&) = default;
};

// A fact is the practice schedule's one: an ordered pair, as the question
// showed it.
using Fact = practice::Fact;

// What a child's answers say about one fact.
struct FactStats {
    Fact fact;
    int asked = 0;                            // answered questions of this fact
    int rightFirstTime = 0;                   // of those, answered with no wrong answer first
    int wrongAnswers = 0;                     // every wrong answer given to it
    std::optional<std::int64_t> medianMillis; // to the right answer
    practice::Fluency fluency = practice::Fluency::NotAskedYet;
};

} // namespace numberlark::progress
