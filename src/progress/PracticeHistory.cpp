#include "progress/PracticeHistory.h"

#include <algorithm>

namespace numberlark::progress {

namespace {

// A typed Other table makes facts beyond the grid; the schedule leaves them
// out, the facts list names them.
std::optional<practice::Fact> factShown(std::int16_t first, std::int16_t second)
{
    return first >= 1 && second >= 1 ? std::optional(practice::Fact{first, second})
                                     : std::nullopt;
}

} // namespace

std::chrono::local_seconds localSeconds(const QDateTime& when)
{
    const qint64 seconds = when.toSecsSinceEpoch() + when.offsetFromUtc();
    return std::chrono::local_seconds{std::chrono::seconds{seconds}};
}

std::vector<practice::PracticeAnswer>
practiceHistory(const std::vector<TestRecord>& tests,
                const std::vector<PracticeSessionRecord>& practice)
{
    using practice::PracticeAnswer;
    std::vector<PracticeAnswer> answers;
    for (const TestRecord& test : tests) {
        if (!test.when.isValid()) {
            continue;
        }
        for (const AnsweredQuestion& question : test.answers) {
            if (const auto fact = factShown(question.first, question.second)) {
                answers.push_back({.fact = *fact,
                                   .wrongTries = question.wrongBefore,
                                   .took = std::chrono::milliseconds{question.millisToRight},
                                   .when = localSeconds(test.when),
                                   .source = PracticeAnswer::Source::Test});
            }
        }
    }
    for (const PracticeSessionRecord& session : practice) {
        if (!session.started.isValid()) {
            continue;
        }
        for (const PracticeAnswerRecord& answer : session.answers) {
            if (const auto fact = factShown(answer.first, answer.second)) {
                answers.push_back({.fact = *fact,
                                   .wrongTries = answer.wrongTries,
                                   .took = std::chrono::milliseconds{answer.millis},
                                   .when = localSeconds(session.started),
                                   .source = PracticeAnswer::Source::Practice});
            }
        }
    }
    return answers;
}

std::vector<practice::PracticeAnswer>
historyOldestFirst(const std::vector<TestRecord>& tests,
                   const std::vector<PracticeSessionRecord>& practice)
{
    std::vector<practice::PracticeAnswer> history = practiceHistory(tests, practice);
    // The log hands tests over in time order, so the sort is mostly skipped.
    const auto byTime = [](const auto& a, const auto& b) { return a.when < b.when; };
    if (!std::is_sorted(history.begin(), history.end(), byTime)) {
        std::stable_sort(history.begin(), history.end(), byTime);
    }
    return history;
}

std::vector<PracticeAnswerRecord>
practiceAnswerRecords(const std::vector<practice::PracticeAnswer>& answers)
{
    std::vector<PracticeAnswerRecord> records;
    records.reserve(answers.size());
    for (const practice::PracticeAnswer& answer : answers) {
        records.push_back({.first = answer.fact.first,
                           .second = answer.fact.second,
                           .wrongTries = answer.wrongTries,
                           .millis = answer.took.count()});
    }
    return records;
}

} // namespace numberlark::progress
