#pragma once

#include "practice/PracticeSession.h"
#include "practice/PracticeSettings.h"
#include "progress/ProgressLog.h"
#include "ui/practice/PracticeSeams.h"
#include "ui/practice/PracticeWindowContext.h"

#include <QDateTime>
#include <QWidget>

#include <chrono>
#include <memory>
#include <optional>

class QStackedWidget;

namespace numberlark {

class QuestionPage;
class SummaryPage;
class WhoPage;

// The practice window: a child picks her name, answers a few minutes of
// questions on the facts she needs, and sees what she learnt. The session
// goes to the progress log when it ends or when the window closes early,
// under the same switch as the results file. Not modal; the program keeps
// at most one open.
class FrmPractice : public QWidget {
    Q_OBJECT

public:
    explicit FrmPractice(PracticeWindowContext context, QWidget* parent = nullptr);
    ~FrmPractice() override;

    PracticeSeams& seams() { return m_seams; }
    const practice::PracticeSettings& settings() const { return m_settings; }

    // The buttons' and the answer box's work, callable as the events.
    void CmdStart_Click();
    void CmdSettings_Click();
    void TxtAnswer_Enter(int value);
    // The program is ending some other way than by this window (Quit with
    // the window open, a signal, the end of the desktop session, a lost
    // display): the answers so far go to the journal beside the log, which
    // the log takes in when it next opens. Asks nothing and touches no
    // database, so it is safe while the program is going down.
    Q_INVOKABLE void keepBeforeEnd();

    // The parts tests look at.
    WhoPage* whoPage() const { return m_who; }
    QuestionPage* questionPage() const { return m_question; }
    SummaryPage* summaryPage() const { return m_summary; }
    QWidget* currentPage() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void fitToScreen(QSize wanted);
    void askNext(const QString& verdict, bool focusArrives = false);
    void finish();
    Outcome recordSession();
    std::optional<progress::PracticeSessionRecord> sessionToRecord();
    Outcome keepInJournal(const progress::PracticeSessionRecord& session);
    bool tellLogSetAside(const progress::LogStatus& tests, const progress::LogStatus& practice);
    QString keptNotice(const Outcome& recorded) const;

    PracticeWindowContext m_context;
    PracticeSeams m_seams;
    practice::PracticeSettings m_settings;
    std::unique_ptr<progress::ProgressLog> m_log;
    QStackedWidget* m_pages = nullptr;
    WhoPage* m_who = nullptr;
    QuestionPage* m_question = nullptr;
    SummaryPage* m_summary = nullptr;

    QString m_child;
    QDateTime m_started;
    std::unique_ptr<practice::PracticeSession> m_session;
    std::optional<practice::Fact> m_asked;   // on screen, waiting for its answer
    std::optional<practice::Fact> m_copying; // shown whole after a wrong answer
    std::chrono::milliseconds m_askedAt{0};
    bool m_recorded = false;
};

} // namespace numberlark
