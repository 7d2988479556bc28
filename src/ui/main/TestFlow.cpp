#include "ui/main/TestFlow.h"

#include "quiz/ProgressDial.h"
#include "quiz/QuizSession.h"
#include "quiz/TextRules.h"
#include "ui/common/Announcer.h"
#include "ui/common/SpokenTexts.h"
#include "ui/main/CaptionLabel.h"
#include "ui/main/DialProgressBar.h"
#include "ui/main/DrawingSurface.h"
#include "ui/main/InputGate.h"
#include "ui/main/ShownTexts.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace numberlark {

namespace {
constexpr int kClockInterval = 1000; // ms
} // namespace

TestFlow::TestFlow(QuizSession& session, const MainControls& controls, const WindowSeams& seams,
                   OuterSize outerSize, Announcer& announcer, QObject* parent)
    : QObject(parent), m_session(session), m_controls(controls), m_seams(seams),
      m_outerSize(std::move(outerSize)), m_announcer(announcer),
      m_dial(new DialProgressBar(controls.surface))
{
}

void TestFlow::start()
{
    if (!m_session.start()) {
        return;
    }
    const MainControls& c = m_controls;
    // The answer box takes the focus before TEST goes, so the focus does not
    // pass through Quit on its way (a screen reader would say "Quit").
    c.TxtAnswer->show();
    c.TxtAnswer->setFocus();
    c.CmdTest->hide();
    c.LblInstructions->hide();
    for (QRadioButton* option : c.Option1) {
        option->hide();
    }
    c.TxtOther->hide();
    for (QWidget* shown :
         {static_cast<QWidget*>(c.TxtAnswer), static_cast<QWidget*>(c.Imgwhiteboard),
          static_cast<QWidget*>(c.Imgsign), static_cast<QWidget*>(c.lblscoresofar)}) {
        shown->show();
    }
    c.Timer1->setInterval(kClockInterval);
    c.Timer1->start();
    Ask_Question(Telling::WithTheFocus);
}

void TestFlow::enter()
{
    switch (m_session.enter(m_controls.TxtAnswer->text().toStdString())) {
    case QuizSession::EnterOutcome::Ignored:
        break;
    case QuizSession::EnterOutcome::MoveFocusToPrint:
        if (m_controls.Cmdprint->isVisible() && m_controls.Cmdprint->isEnabled()) {
            m_controls.Cmdprint->setFocus();
        }
        break;
    case QuizSession::EnterOutcome::Wrong:
        wrong();
        break;
    case QuizSession::EnterOutcome::Correct:
        correct();
        break;
    }
}

void TestFlow::tick()
{
    if (const auto shown = m_session.tick()) {
        const QString seconds = QString::fromStdString(*shown);
        m_controls.LblTimer->setCaption(seconds);
        m_controls.LblTimer->setAccessibleName(
            tr("%n seconds", nullptr, seconds.trimmed().toInt()));
    }
}

// The session has drawn the question already; it is shown centred above the
// middle. The first question arrives with the focus, and readers say the
// box's description with it: told once more, it would be heard twice. A
// later one follows a right answer, and the verdict is spoken with it in
// one breath: two announcements would each cost the child a pause.
void TestFlow::Ask_Question(Telling telling)
{
    CaptionLabel& label = *m_controls.LblQuestion;
    const SizeTwips outer = m_outerSize();
    label.setCaption(QString::fromStdString(m_session.record().question));
    setLeftTwips(label, (outer.width - widthTwips(label)) / 2);
    setTopTwips(label, outer.height / 2 - 1200);
    m_controls.TxtAnswer->setFocus();
    const QuestionResult& asked = m_session.currentQuestion();
    const QString spoken = spokenQuestion(asked.first, asked.second);
    if (telling == Telling::WithTheFocus) {
        m_announcer.describe(spoken);
    } else {
        m_announcer.announce(verdictWithQuestion(tr("correct"), asked.first, asked.second), spoken);
    }
}

void TestFlow::showVerdict(const QString& verdict)
{
    CaptionLabel& label = *m_controls.LblCorrect;
    label.setCaption(verdict);
    setLeftTwips(label, (m_outerSize().width - widthTwips(label)) / 2);
}

// The same question stays, and the box says so when asked; it keeps a
// single space, ready for the next try, without reading that space out.
void TestFlow::wrong()
{
    const QString verdict = tr("wrong");
    const QuestionResult& asked = m_session.currentQuestion();
    showVerdict(verdict);
    m_announcer.announce(verdict, verdictWithQuestion(verdict, asked.first, asked.second));
    Announcer::unannounced([this] { m_controls.TxtAnswer->setText(QStringLiteral(" ")); });
}

// Said with what comes after the pause (the next question, or "Well done!"),
// and meanwhile told when asked.
void TestFlow::correct()
{
    const QString verdict = tr("correct");
    showVerdict(verdict);
    m_announcer.describe(verdict);
    m_controls.LblCorrect->repaint();
    show_progress();
    setClosedToInput(*m_controls.TxtAnswer, true);
    m_seams.pause(this, [this] { afterPause(); });
}

void TestFlow::show_progress()
{
    const SessionRecord& record = m_session.record();
    const SizeTwips outer = m_outerSize();
    const auto sector =
        show_progress_geometry(record.score, record.Numofquestions, outer.width, outer.height);
    if (sector) {
        m_controls.surface->drawDialSector(*sector);
        m_dial->showAnswered(record.score, record.Numofquestions, *sector);
    }
    CaptionLabel& label = *m_controls.lblscoresofar;
    label.setCaption(
        progressCaption(QString::fromStdString(number_text(m_session.shownQuestionNumber())),
                        m_session.record().Numofquestions));
    setLeftTwips(label, outer.width - widthTwips(label) - 800);
}

// The answer box stays closed to input through the completion that may follow.
void TestFlow::afterPause()
{
    Announcer::unannounced([this] { m_controls.TxtAnswer->clear(); });
    m_controls.LblCorrect->setCaption(QString());
    if (m_session.continueAfterPause() == QuizSession::AfterPause::NextQuestion) {
        setClosedToInput(*m_controls.TxtAnswer, false);
        Ask_Question(Telling::AfterARightAnswer);
    } else {
        emit testFinished();
    }
}

} // namespace numberlark
