#include "progress/TestFigures.h"

#include <QCoreApplication>

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

} // namespace numberlark::progress
