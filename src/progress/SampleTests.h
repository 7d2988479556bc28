#pragma once

#include "progress/LogStatus.h"
#include "quiz/RandomSource.h"

#include <QDateTime>

namespace numberlark::progress {

class ProgressLog;

// The shape of a made-up history, for benchmarks, tools and window tests.
struct SampleShape {
    int tests = 10000;
    int children = 30; // named "Child 1", "Child 2", ...
    int answersPerTest = 20;
    QDateTime firstTest = QDateTime(QDate(2026, 1, 5), QTime(9, 0), Qt::OffsetFromUTC, 3600);
};

// Adds made-up tests in one transaction: each child in turn, a test every
// half day, tables 2..12 and Mixed; wrong answers and times drawn from the
// random source, so the same source gives the same history.
LogStatus addSampleTests(ProgressLog& log, const SampleShape& shape, RandomSource& random);

} // namespace numberlark::progress
