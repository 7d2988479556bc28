#pragma once

#include "ui/main/MainControls.h"
#include "ui/main/Twips.h"
#include "ui/main/WindowSeams.h"

#include <QObject>

namespace numberlark {

class Announcer;
class DialProgressBar;
class QuizSession;

// The test on screen, from TEST to the last correct answer: asks each
// question, shows the verdicts, counts the clock, fills the progress dial
// and holds the pause after each correct answer. The session decides; this
// class only shows what it reports.
class TestFlow : public QObject {
    Q_OBJECT

public:
    TestFlow(QuizSession& session, const MainControls& controls, const WindowSeams& seams,
             OuterSize outerSize, Announcer& announcer, QObject* parent = nullptr);

    void start();
    void enter();
    void tick();

signals:
    // The last question is answered: the certificate takes over.
    void testFinished();

private:
    enum class Telling { WithTheFocus, AfterARightAnswer };

    void Ask_Question(Telling telling);
    void showVerdict(const QString& verdict);
    void wrong();
    void correct();
    void show_progress();
    void afterPause();

    QuizSession& m_session;
    MainControls m_controls;
    const WindowSeams& m_seams;
    OuterSize m_outerSize;
    Announcer& m_announcer;
    DialProgressBar* m_dial;
};

} // namespace numberlark
