#pragma once

#include "progress/ProgressRecords.h"

#include <QString>

#include <optional>

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

} // namespace numberlark::progress
