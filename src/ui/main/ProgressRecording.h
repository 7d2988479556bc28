#pragma once

#include "output/ResultsLine.h"
#include "progress/LogStatus.h"
#include "progress/ProgressRecords.h"
#include "quiz/QuizSession.h"

#include <QDateTime>
#include <QString>

#include <functional>

class QWidget;

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
// log is opened here and only here, so its driver loads at Quit and never at
// start-up. A problem is told once, with the log's path and the reason; it
// never stops the program from ending.
class ProgressRecording {
public:
    using Notice = std::function<void(const QString& message)>;

    // By default: the per-user log, and a message box over the window.
    explicit ProgressRecording(QWidget* window);

    void setLogPath(QString path) { m_logPath = std::move(path); }
    void setNotice(Notice notice) { m_notice = std::move(notice); }

    progress::LogStatus record(const QuizSession& session, const QuitFacts& facts);

private:
    QString m_logPath; // empty: ProgressLog::defaultPath()
    Notice m_notice;
};

} // namespace numberlark
