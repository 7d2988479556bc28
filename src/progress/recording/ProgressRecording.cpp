#include "progress/recording/ProgressRecording.h"

#include "modules/ModuleLoader.h"
#include "progress/LogLocation.h"
#include "progress/RecordJournal.h"
#include "progress/ResultsLineKey.h"
#include "progress/recording/TestRecorder.h"
#include "quiz/Completion.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>

namespace numberlark {

namespace {

using progress::TableChoiceRecord;

TableChoiceRecord tableChoiceOf(const QuizSession& session, bool mixed)
{
    if (mixed) {
        return {TableChoiceRecord::Kind::Mixed, 0};
    }
    const auto kind = session.tableChoice().otherEnabled() ? TableChoiceRecord::Kind::Other
                                                           : TableChoiceRecord::Kind::Table;
    return {kind, session.record().current_table};
}

} // namespace

progress::TestRecord progressRecordOf(const QuizSession& session, const QuitFacts& facts)
{
    progress::TestRecord test;
    test.finished = session.phase() == QuizSession::Phase::Finished;
    // Before the certificate the name box is still the answer box: whatever
    // it holds is an answer, not a name.
    test.child = test.finished ? facts.name : QString();
    test.when = facts.when;
    test.table = tableChoiceOf(session, facts.mixed);
    test.questions = session.record().Numofquestions;
    test.seconds = std::max(0, int{time_taken(session.record())});
    test.answers = session.answeredQuestions();
    test.resultsKey = progress::resultsLineKey(results_line(facts.line));
    return test;
}

ProgressRecording::ProgressRecording(Notice notice)
    : m_notice(std::move(notice)),
      m_modulePaths(modulePaths(QStringLiteral("libnumberlark_progress_recording.so")))
{
}

QString ProgressRecording::logPath() const
{
    return m_logPath.isEmpty() ? progress::defaultLogPath() : m_logPath;
}

void ProgressRecording::keepInJournal(const QuizSession& session, const QuitFacts& facts) const
{
    const Outcome kept = progress::RecordJournal(logPath()).keep(progressRecordOf(session, facts));
    if (kept.failed()) {
        std::fprintf(stderr, "numberlark: %s\n", kept.message.toLocal8Bit().constData());
    }
}

void ProgressRecording::takeInJournal(std::chrono::milliseconds busyWait) const
{
    if (progress::RecordJournal(logPath()).isEmpty()) {
        return;
    }
    if (const auto recorder = loadModule<TestRecorder>(m_modulePaths); recorder.service) {
        recorder.service->takeInJournal(logPath(), busyWait);
    }
}

progress::LogStatus ProgressRecording::record(const QuizSession& session, const QuitFacts& facts)
{
    const QString logPath = this->logPath();
    const auto recorder = loadModule<TestRecorder>(m_modulePaths);
    // Without its module the log is not reached at all: the module is what
    // failed, not the log.
    progress::LogStatus status =
        recorder.service != nullptr
            ? recorder.service->record(logPath, progressRecordOf(session, facts))
            : recorder.failure;
    if (!status.message.isEmpty() && m_notice) {
        m_notice(status.done() ? status.message
                               : status.message + QStringLiteral("\n\n") +
                                     QCoreApplication::translate(
                                         "ProgressRecording",
                                         "This test was not added to the progress log."));
    }
    return status;
}

} // namespace numberlark
