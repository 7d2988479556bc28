#include "progress/SampleTests.h"

#include "progress/ProgressLog.h"
#include "progress/TestTable.h"

#include <algorithm>

namespace numberlark::progress {

namespace {

int drawUpTo(int n, RandomSource& random)
{
    return std::min(n, 1 + static_cast<int>(n * random.next()));
}

AnsweredQuestion sampleAnswer(int table, RandomSource& random)
{
    const int multiplier = drawUpTo(10, random);
    const bool tableFirst = drawUpTo(2, random) == 1;
    // Most facts go right first time; the sevens and eights are the hard ones.
    const int hardness = (table == 7 || table == 8 || multiplier >= 7) ? 3 : 1;
    const int wrong = random.next() < 0.08 * hardness ? drawUpTo(3, random) : 0;
    const int millis = 1200 + drawUpTo(2500 * hardness, random) + 3000 * wrong;
    return {.first = static_cast<std::int16_t>(tableFirst ? table : multiplier),
            .second = static_cast<std::int16_t>(tableFirst ? multiplier : table),
            .table = static_cast<std::int16_t>(table),
            .wrongBefore = wrong,
            .millisToRight = millis};
}

TestRecord sampleTest(const SampleShape& shape, int index, RandomSource& random)
{
    TestRecord test;
    test.child = QStringLiteral("Child %1").arg(index % std::max(1, shape.children) + 1);
    test.when = shape.firstTest.addSecs(qint64{index} * 12 * 3600 / std::max(1, shape.children));
    const int choice = drawUpTo(12, random); // 1..11: tables 2..12; 12: Mixed
    const bool mixed = choice == 12;
    test.table = mixed ? TableChoiceRecord{TableChoiceRecord::Kind::Mixed, 0}
                       : TableChoiceRecord{TableChoiceRecord::Kind::Table,
                                           static_cast<std::int16_t>(choice + 1)};
    test.questions = shape.answersPerTest;
    test.finished = true;
    std::int64_t millis = 0;
    for (int q = 0; q < shape.answersPerTest; ++q) {
        const int table = mixed ? drawUpTo(12, random) : choice + 1;
        test.answers.push_back(sampleAnswer(table, random));
        millis += test.answers.back().millisToRight + 500;
    }
    test.seconds = static_cast<int>(millis / 1000);
    return test;
}

} // namespace

LogStatus addSampleTests(ProgressLog& log, const SampleShape& shape, RandomSource& random)
{
    LogStatus status = log.open();
    if (!status.done()) {
        return status;
    }
    const QSqlError error = inTransaction(log.database(), [&](QSqlDatabase& db) {
        for (int index = 0; index < shape.tests; ++index) {
            TestRecord test = sampleTest(shape, index, random);
            if (QSqlError failed = insertTest(db, test); failed.isValid()) {
                return failed;
            }
        }
        return QSqlError();
    });
    return error.isValid() ? log.statusFor(error) : status;
}

} // namespace numberlark::progress
