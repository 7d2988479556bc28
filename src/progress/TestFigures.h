#pragma once

#include "progress/ProgressRecords.h"

#include <QString>

#include <optional>
#include <vector>

namespace numberlark::progress {

// "7 times table", "Mixed tables" or "Other: 13 times table".
QString tableChoiceText(const TableChoiceRecord& table);

// The questions a test's time was spent on: those answered when the log has
// them, else the number asked for (an imported line keeps no answers).
int questionsAnswered(const TestRecord& test);

// Seconds per answered question; 0 for a test with none.
double secondsPerQuestion(const TestRecord& test);

// Every wrong answer given in the test; unknown for an imported line.
std::optional<int> wrongAnswers(const TestRecord& test);

// How much a child practised: the sessions and the minutes spent answering,
// rounded to the nearest minute (at least one when she answered at all).
struct PracticeTotals {
    int sessions = 0;
    int minutes = 0;
};
// The sessions started at `since` or later; every session when `since` is
// not valid.
PracticeTotals practiceTotals(const std::vector<PracticeSessionRecord>& sessions,
                              const QDateTime& since = {});

} // namespace numberlark::progress
