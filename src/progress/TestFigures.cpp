#include "progress/TestFigures.h"

#include <QCoreApplication>

#include <algorithm>
#include <numeric>

namespace numberlark::progress {

QString tableChoiceText(const TableChoiceRecord& table)
{
    switch (table.kind) {
    case TableChoiceRecord::Kind::Mixed:
        return QCoreApplication::translate("TestFigures", "Mixed tables");
    case TableChoiceRecord::Kind::Other:
        return QCoreApplication::translate("TestFigures", "Other: %1 times table")
            .arg(table.number);
    case TableChoiceRecord::Kind::Table:
        break;
    }
    return QCoreApplication::translate("TestFigures", "%1 times table").arg(table.number);
}

int questionsAnswered(const TestRecord& test)
{
    return test.answers.empty() ? test.questions : static_cast<int>(test.answers.size());
}

double secondsPerQuestion(const TestRecord& test)
{
    const int answered = questionsAnswered(test);
    return answered > 0 ? static_cast<double>(test.seconds) / answered : 0.0;
}

std::optional<int> wrongAnswers(const TestRecord& test)
{
    if (test.imported) {
        return std::nullopt;
    }
    return std::accumulate(test.answers.begin(), test.answers.end(), 0,
                           [](int sum, const AnsweredQuestion& a) { return sum + a.wrongBefore; });
}

PracticeTotals practiceTotals(const std::vector<PracticeSessionRecord>& sessions,
                              const QDateTime& since)
{
    constexpr std::int64_t kMinute = 60'000;
    PracticeTotals totals;
    std::int64_t millis = 0;
    for (const PracticeSessionRecord& session : sessions) {
        if (since.isValid() && !(session.started.isValid() && session.started >= since)) {
            continue;
        }
        ++totals.sessions;
        for (const PracticeAnswerRecord& answer : session.answers) {
            millis += std::max<std::int64_t>(answer.millis, 0);
        }
    }
    const std::int64_t minutes = (millis + kMinute / 2) / kMinute;
    totals.minutes = static_cast<int>(millis > 0 ? std::max<std::int64_t>(minutes, 1) : 0);
    return totals;
}

} // namespace numberlark::progress
