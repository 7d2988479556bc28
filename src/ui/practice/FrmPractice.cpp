#include "ui/practice/FrmPractice.h"

#include "progress/PracticeHistory.h"
#include "progress/RecordJournal.h"
#include "settings/PracticeChoices.h"
#include "ui/common/SilentPages.h"
#include "ui/practice/PracticeRecord.h"
#include "ui/practice/PracticeSettingsDialog.h"
#include "ui/practice/PracticeTexts.h"
#include "ui/practice/QuestionPage.h"
#include "ui/practice/SummaryPage.h"
#include "ui/practice/WhoPage.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QScreen>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace numberlark {

FrmPractice::FrmPractice(PracticeWindowContext context, QWidget* parent)
    : QWidget(parent, Qt::Window), m_context(std::move(context)),
      m_seams(desktopPracticeSeams(this, m_context.logPath.isEmpty()
                                             ? progress::ProgressLog::defaultPath()
                                             : m_context.logPath)),
      m_settings(m_context.choices ? LoadPracticeChoices(*m_context.choices)
                                   : practice::PracticeSettings{}),
      m_log(std::make_unique<progress::ProgressLog>(
          m_context.logPath.isEmpty() ? progress::ProgressLog::defaultPath() : m_context.logPath))
{
    setObjectName(QStringLiteral("FrmPractice"));
    setWindowTitle(tr("Practice"));
    m_pages = new QStackedWidget(this);
    silencePages(*m_pages);
    m_who = new WhoPage(m_pages);
    m_question = new QuestionPage(m_pages);
    m_summary = new SummaryPage(m_pages);
    for (QWidget* page : {static_cast<QWidget*>(m_who), static_cast<QWidget*>(m_question),
                          static_cast<QWidget*>(m_summary)}) {
        m_pages->addWidget(page);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    fitToScreen(QSize(760, 560));
    // Esc closes the window, as it closes the program's other windows; the
    // answers so far are kept.
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    connect(m_who, &WhoPage::startRequested, this, &FrmPractice::CmdStart_Click);
    connect(m_who, &WhoPage::settingsRequested, this, &FrmPractice::CmdSettings_Click);
    connect(m_question, &QuestionPage::entered, this, &FrmPractice::TxtAnswer_Enter);
    connect(m_summary, &SummaryPage::closeRequested, this, &QWidget::close);

    progress::LogStatus status;
    const std::vector<QString> children = m_log->children(&status);
    m_who->setChildren(children, m_context.child);
    m_who->setNotRemembered(m_context.savingOn && !m_context.savingOn());
    m_who->tellLogProblem(status.message);
    m_who->namePicker()->setFocus();
    // A screen reader's first words are the window's name: the heading's
    // question, rather than the title's one word, until practice starts.
    setAccessibleName(m_who->question());
}

FrmPractice::~FrmPractice() = default;

QWidget* FrmPractice::currentPage() const
{
    return m_pages->currentWidget();
}

// A family laptop may have less room than the window would like.
void FrmPractice::fitToScreen(QSize wanted)
{
    if (const QScreen* screen = this->screen()) {
        const QSize room = screen->availableGeometry().size();
        wanted = wanted.boundedTo(QSize(room.width() * 19 / 20, room.height() * 9 / 10));
    }
    resize(wanted);
}

void FrmPractice::CmdStart_Click()
{
    const QString child = m_who->chosenName();
    if (child.isEmpty() || m_session) {
        return;
    }
    progress::LogStatus testsStatus;
    progress::LogStatus practiceStatus;
    const auto tests = m_log->testsOf(child, &testsStatus);
    const auto practised = testsStatus.done() ? m_log->practiceOf(child, &practiceStatus)
                                              : decltype(m_log->practiceOf(child)){};
    if (tellLogSetAside(testsStatus, practiceStatus)) {
        return;
    }
    const progress::LogStatus& status = testsStatus.done() ? practiceStatus : testsStatus;
    if (!status.done()) {
        m_seams.dialogs->tell(tr("Practice"), status.message, QMessageBox::Warning);
        return;
    }
    m_child = child;
    m_started = m_seams.now();
    const practice::Schedule schedule(progress::practiceHistory(tests, practised),
                                      m_settings.fluencyLimit);
    m_session = std::make_unique<practice::PracticeSession>(
        schedule, m_settings, progress::localSeconds(m_started), *m_seams.clock, *m_seams.random);
    m_pages->setCurrentWidget(m_question);
    setAccessibleName(QString());
    askNext(QString(), true);
}

void FrmPractice::CmdSettings_Click()
{
    PracticeSettingsDialog dialog(m_settings, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    // The choice holds for this window even when it cannot be kept.
    m_settings = dialog.chosen();
    if (!m_context.choices) {
        return;
    }
    const Outcome saved = SavePracticeChoices(*m_context.choices, m_settings);
    if (saved.failed()) {
        m_seams.dialogs->tell(
            tr("Practice Settings"),
            tr("The practice settings could not be saved in %1: %2. They "
               "apply until the program ends.")
                .arg(saved.path.isEmpty() ? tr("the settings store") : saved.path, saved.reason),
            QMessageBox::Warning);
    }
}

// Digits only reach here, never an empty box.
void FrmPractice::TxtAnswer_Enter(int value)
{
    if (m_copying) {
        if (value == productOf(*m_copying)) {
            m_copying.reset();
            askNext(QString());
        } else {
            m_question->askForCopyAgain(*m_copying);
        }
        return;
    }
    if (!m_asked || !m_session) {
        return;
    }
    const practice::Fact asked = *m_asked;
    m_asked.reset();
    const auto took = m_seams.clock->now() - m_askedAt;
    const auto verdict = m_session->answer(value == productOf(asked), took);
    if (verdict == practice::PracticeSession::Verdict::Wrong) {
        m_copying = asked;
        m_question->showFact(asked);
        return;
    }
    askNext(verdictCorrect());
}

void FrmPractice::askNext(const QString& verdict, bool focusArrives)
{
    m_asked = m_session->next();
    if (!m_asked) {
        finish();
        return;
    }
    m_question->ask(*m_asked, verdict, focusArrives);
    m_askedAt = m_seams.clock->now();
}

void FrmPractice::finish()
{
    const Outcome recorded = recordSession();
    const auto today = std::chrono::floor<std::chrono::days>(progress::localSeconds(m_started));
    m_summary->show(
        {m_child, static_cast<int>(m_session->answers().size()), m_session->newlyKnown(),
         endingText(m_session->ending()) +
             comeBackText(m_session->schedule().nextReviews(today), today, m_settings.length),
         keptNotice(recorded)});
    m_pages->setCurrentWidget(m_summary);
}

// A log found damaged while the child's history was read has been set aside
// and a new one started: what was read is gone. The child hears where the
// old log went, as the progress window says it, and starts again from the
// names the new log knows, instead of practising on an empty history unawares.
bool FrmPractice::tellLogSetAside(const progress::LogStatus& tests,
                                  const progress::LogStatus& practice)
{
    const progress::LogStatus& setAside =
        tests.kind == progress::LogStatus::Kind::StartedAfresh ? tests : practice;
    if (setAside.kind != progress::LogStatus::Kind::StartedAfresh) {
        return false;
    }
    const QString child = m_who->chosenName();
    m_who->setChildren(m_log->children(), child);
    m_who->tellLogProblem(setAside.message);
    m_seams.dialogs->tell(tr("Practice"), setAside.message, QMessageBox::Warning);
    return true;
}

// Once per session, at its end or when the window closes first; only what
// was answered, and only while saving is on.
Outcome FrmPractice::recordSession()
{
    const auto session = sessionToRecord();
    if (!session) {
        return Outcome::success();
    }
    Outcome outcome = m_seams.record(*session);
    if (outcome.kind == Outcome::Kind::Busy && keepInJournal(*session).done()) {
        outcome.message = tr("Another copy of Numberlark is using the progress log, so this "
                             "practice waits in %1 and goes into the log as soon as it is "
                             "free.")
                              .arg(progress::RecordJournal(m_log->path()).path());
    }
    if (outcome.mustTell()) {
        m_seams.dialogs->tell(tr("Practice"), outcome.message, QMessageBox::Warning);
    }
    return outcome;
}

// The session as the log keeps it, once: none when nothing was answered, it
// was kept already, or saving is off. Its uuid is fixed here, so a copy that
// reaches the log twice (late from a slow log and from the journal) is kept once.
std::optional<progress::PracticeSessionRecord> FrmPractice::sessionToRecord()
{
    const bool savingOn = !m_context.savingOn || m_context.savingOn();
    if (m_recorded || !m_session || m_session->answers().empty() || !savingOn) {
        return std::nullopt;
    }
    m_recorded = true;
    auto session = practiceRecordOf(m_child, m_started, m_settings, m_session->answers());
    session.uuid = QUuid::createUuid();
    return session;
}

Outcome FrmPractice::keepInJournal(const progress::PracticeSessionRecord& session)
{
    const Outcome kept = progress::RecordJournal(m_log->path()).keep(session);
    if (kept.failed()) {
        qWarning("numberlark: %s", qPrintable(kept.message));
    }
    return kept;
}

void FrmPractice::keepBeforeEnd()
{
    if (const auto session = sessionToRecord()) {
        static_cast<void>(keepInJournal(*session));
    }
}

QString FrmPractice::keptNotice(const Outcome& recorded) const
{
    if (m_context.savingOn && !m_context.savingOn()) {
        return tr("This practice was not remembered: \"Save results on disk\" is off in Tools > "
                  "Options...");
    }
    return recorded.done() ? QString() : tr("This practice could not be kept in the progress log.");
}

void FrmPractice::closeEvent(QCloseEvent* event)
{
    static_cast<void>(recordSession());
    QWidget::closeEvent(event);
}

} // namespace numberlark
