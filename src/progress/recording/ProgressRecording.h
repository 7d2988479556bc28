#pragma once

#include "output/ResultsLine.h"
#include "progress/LogStatus.h"
#include "progress/ProgressRecords.h"
#include "quiz/QuizSession.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>

namespace numberlark {

// What the main window knows of the test at Quit, besides the session.
struct QuitFacts {
    QString name;       // the name box as typed
    bool mixed = false; // the Mixed option was chosen
    QDateTime when;     // now, local time
    ResultsEntry line;  // the results line written (or tried) for this test
};

// The log's record of the test this session took.
progress::TestRecord progressRecordOf(const QuizSession& session, const QuitFacts& facts);

// Records the test in the progress log at Quit, after the results line. The
// log is opened here and only here, through a module loaded at Quit, so Qt
// SQL and its driver load then and never at start-up. A problem is told once, with the log's path
// and the reason; it never stops the program from ending.
class ProgressRecording {
public:
    using Notice = std::function<void(const QString& message)>;

    // By default the per-user log; `notice` tells the user of a problem.
    explicit ProgressRecording(Notice notice);

    void setLogPath(QString path) { m_logPath = std::move(path); }
    void setNotice(Notice notice) { m_notice = std::move(notice); }
    // Where the progress log module is looked for; by default next to the
    // program, then in its private library folder.
    void setModulePaths(QStringList paths) { m_modulePaths = std::move(paths); }

    progress::LogStatus record(const QuizSession& session, const QuitFacts& facts);
    // While the program ends without its display: the test goes to the
    // journal beside the log, a plain file, for the log to take in at the
    // next start. Touches no database and tells nobody.
    void keepInJournal(const QuizSession& session, const QuitFacts& facts) const;
    // When anything waits in the journal, hands it to the log, waiting at
    // most `busyWait` for another copy of the program that holds the log.
    void takeInJournal(std::chrono::milliseconds busyWait) const;

private:
    QString logPath() const;

    QString m_logPath; // empty: ProgressLog::defaultPath()
    Notice m_notice;
    QStringList m_modulePaths;
};

} // namespace numberlark
