#pragma once

#include "progress/ProgressRecords.h"

#include <QDateTime>
#include <QString>

#include <utility>
#include <vector>

namespace numberlark::testing {

// A finished test of the 7 times table in the progress log's shape, as a
// test needs it: change only what the case is about.
class TestRecordBuilder {
public:
    explicit TestRecordBuilder(QString child = {})
    {
        m_test.child = std::move(child);
        m_test.when = QDateTime(QDate(2026, 6, 12), QTime(10, 42, 5));
        m_test.table = {progress::TableChoiceRecord::Kind::Table, 7};
        m_test.questions = 1;
        m_test.seconds = 4;
        m_test.finished = true;
    }

    TestRecordBuilder& at(QDateTime when)
    {
        m_test.when = std::move(when);
        return *this;
    }
    TestRecordBuilder& table(progress::TableChoiceRecord table)
    {
        m_test.table = table;
        return *this;
    }
    TestRecordBuilder& seconds(int seconds)
    {
        m_test.seconds = seconds;
        return *this;
    }
    // The answers, and as many questions asked for.
    TestRecordBuilder& answers(std::vector<progress::AnsweredQuestion> answers)
    {
        m_test.questions = static_cast<int>(answers.size());
        m_test.answers = std::move(answers);
        return *this;
    }

    operator progress::TestRecord() const { return m_test; } // NOLINT(google-explicit-constructor)

private:
    progress::TestRecord m_test;
};

} // namespace numberlark::testing
