#include "ui/main/Form1.h"

#include "artwork/Artwork.h"
#include "quiz/Completion.h"
#include "quiz/TableChoice.h"
#include "quiz/TextRules.h"
#include "settings/Settings.h"
#include "ui/common/Announcer.h"
#include "ui/main/CaptionLabel.h"
#include "ui/main/CertificateScreen.h"
#include "ui/main/ControlInventory.h"
#include "ui/main/DrawingSurface.h"
#include "ui/main/KeyPressFilter.h"
#include "ui/main/LayoutApplier.h"
#include "ui/main/ResultsSaving.h"
#include "ui/main/ShownTexts.h"
#include "ui/main/TableChoicePanel.h"
#include "ui/main/TestFlow.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <cstdio>

namespace numberlark {

namespace {

// Each carriage return starts a new line: three paragraphs with an empty
// line between them. The 20 is part of the text, whatever the setting.
const char* const kInstructions = QT_TRANSLATE_NOOP(
    "Form1",
    "How fast can you answer 20 times table questions?\r\rThis program will time you. Choose "
    "the times table you want to practise the press the TEST button.\r\rGood Luck!");

// How long an ending waits for another copy of the program that holds the
// progress log; what it cannot write by then waits in the log's journal.
constexpr std::chrono::milliseconds kEndingLogWait{1000};

} // namespace

Form1::Form1(const SettingsStore& settings, std::unique_ptr<RandomSource> random, QWidget* parent)
    : QMainWindow(parent), m_random(std::move(random)), m_session(m_record, *m_random),
      m_seams(defaultWindowSeams(this)),
      m_options([] { return makePlaceholderWindow(tr("Options")); }),
      m_about([] { return makePlaceholderWindow(tr("About")); }),
      m_progressWindow([] { return makePlaceholderWindow(tr("Progress")); })
{
    createMenus(); // first: the window's opening size adds the menu bar's height
    setUpWindow();
    Form_Load(settings);
    createCollaborators();
    connectControls();
}

Form1::~Form1()
{
    // The secondary windows reach into this window's record; they go first.
    delete m_options.window();
    delete m_about.window();
    delete m_progressWindow.window();
    keepPracticeBeforeEnd();
    delete m_practiceWindow.window();
}

void Form1::setUpWindow()
{
    const FormSpec& form = formSpec();
    setWindowTitle(QCoreApplication::translate("Form1", std::string(form.caption).c_str()));
    setWindowIcon(numberlark::windowIcon());
    auto* surface = new DrawingSurface(this);
    surface->setObjectName(QStringLiteral("Form1Surface"));
    surface->setFont(fontOf(form.font, surface->font()));
    setCentralWidget(surface);
    m_controls = buildMainControls(*surface);
    resize(toPixels(static_cast<float>(form.clientWidth)),
           toPixels(static_cast<float>(form.clientHeight)) + menuBar()->sizeHint().height());
}

// The load step. The surface that keeps drawings (step 1) exists already: it
// is the window's client area. The generator (step 5) was seeded once from
// the clock when the program made it.
void Form1::Form_Load(const SettingsStore& settings)
{
    m_record.score = 0;
    m_record.clock_seconds = 0;
    m_record.previous_answer = 0;
    LoadSettings(m_record, settings);
    m_controls.lblscoresofar->setCaption(
        progressCaption(QStringLiteral("1"), m_record.Numofquestions));
    const Rgb fill = formSpec().fill;
    m_controls.surface->setFillColour(QColor(fill.red, fill.green, fill.blue));
    m_controls.LblInstructions->setCaption(QCoreApplication::translate("Form1", kInstructions)
                                               .replace(QLatin1Char('\r'), QLatin1Char('\n')));
    m_controls.CmdTest->setFocus();
}

void Form1::createMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("MnuFile"));
    addMenuItem(file, "MnuPrint", tr("&Print"), &Form1::MnuPrint_Click);
    addMenuItem(file, "MnuSavePdf", tr("Save Certificate &As PDF..."), &Form1::MnuSavePdf_Click);
    addMenuItem(file, "MnuExit", tr("E&xit"), &Form1::MnuExit_Click);
    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    tools->setObjectName(QStringLiteral("MnuTools"));
    addMenuItem(tools, "MnuOptions", tr("&Options"), &Form1::MnuOptions_Click);
    addMenuItem(tools, "MnuProgress", tr("&Progress..."), &Form1::MnuProgress_Click);
    addMenuItem(tools, "MnuPractise", tr("P&ractise..."), &Form1::MnuPractise_Click);
    // About acts at once: a menu bar item without a menu of its own.
    QAction* about = menuBar()->addAction(tr("&About"));
    about->setObjectName(QStringLiteral("MnuAbout"));
    connect(about, &QAction::triggered, this, &Form1::MnuAbout_Click);
}

QAction* Form1::addMenuItem(QMenu* menu, const char* name, const QString& caption,
                            void (Form1::*handler)())
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, handler);
    return action;
}

void Form1::createCollaborators()
{
    const OuterSize outer = [this] { return outerSize(); };
    m_tableChoice = new TableChoicePanel(m_session.tableChoice(), m_controls, this);
    m_announcer = std::make_unique<Announcer>(*m_controls.TxtAnswer);
    m_testFlow = new TestFlow(m_session, m_controls, m_seams, outer, *m_announcer, this);
    m_certificate =
        new CertificateScreen(m_session, m_controls, m_seams, outer, *m_announcer, this);
    connect(m_testFlow, &TestFlow::testFinished, m_certificate, &CertificateScreen::finish_test);
}

void Form1::connectControls()
{
    connect(m_controls.CmdTest, &QPushButton::clicked, this, &Form1::CmdTest_Click);
    connect(m_controls.CmdQuit, &QPushButton::clicked, this, [this] { CmdQuit_Click(1); });
    connect(m_controls.Cmdprint, &QPushButton::clicked, this, [this] { Cmdprint_Click(1); });
    connect(m_controls.Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    new KeyPressFilter(m_controls.TxtAnswer,
                       [this](int keyAscii) { return TxtAnswer_KeyPress(keyAscii); });
}

QPushButton* Form1::printButton() const
{
    return m_controls.Cmdprint;
}

QString Form1::nameText() const
{
    return m_controls.TxtAnswer->text();
}

QString Form1::dateCaption() const
{
    return m_controls.Lbldate->text();
}

bool Form1::mixedSelected() const
{
    return m_controls.Option1[kMixedIndex]->isChecked();
}

void Form1::setOptionsWindowFactory(WindowFactory factory)
{
    m_options.setFactory(std::move(factory));
}

void Form1::setAboutWindowFactory(WindowFactory factory)
{
    m_about.setFactory(std::move(factory));
}

void Form1::setProgressWindowFactory(WindowFactory factory)
{
    m_progressWindow.setFactory(std::move(factory));
}

void Form1::setPracticeWindowFactory(std::function<QWidget*(const QString& child)> factory)
{
    m_practiceFactory = std::move(factory);
}

void Form1::setPrintHandler(std::function<void()> handler)
{
    m_printHandler = std::move(handler);
}

void Form1::setSavePdfHandler(std::function<void()> handler)
{
    m_savePdfHandler = std::move(handler);
}

SizeTwips Form1::outerSize() const
{
    return outerSizeTwips(*this);
}

void Form1::CmdTest_Click()
{
    m_testFlow->start();
}

// Only Enter is handled, and swallowed; every other key reaches the box.
bool Form1::TxtAnswer_KeyPress(int keyAscii)
{
    if (keyAscii != kEnterKeyAscii) {
        return false;
    }
    m_testFlow->enter();
    return true;
}

void Form1::Timer1_Timer()
{
    m_testFlow->tick();
}

// The practice window closes first, keeping its session, so the delivery
// below takes it too. The window goes once nothing more can be asked.
void Form1::CmdQuit_Click(int /*index*/)
{
    if (m_ending) {
        return;
    }
    m_ending = true;
    m_practiceWindow.close();
    if (m_session.quitShouldSave()) {
        save_results();
        // The recording tells the user of a problem itself, before the window goes.
        static_cast<void>(m_progress.record(m_session, quitFacts()));
    }
    hide();
    // Also without a test: practice recorded during this run waits to go.
    m_classroom.deliverBeforeQuit();
    endProgram();
}

void Form1::endKeepingWork()
{
    if (m_ending) {
        return;
    }
    m_ending = true;
    hide();
    keepPracticeBeforeEnd();
    keepTestAskingNobody(false);
    m_progress.takeInJournal(kEndingLogWait);
    m_classroom.deliverBeforeQuit();
    // It may come inside a box's own loop, whose box lives on the stack of a
    // window: every loop ends, and the windows go only once unwound.
    QCoreApplication::exit(0);
}

void Form1::keepWorkWithoutDisplay()
{
    if (!m_ending) {
        m_ending = true;
        keepPracticeBeforeEnd();
        keepTestAskingNobody(true);
    }
}

// Under Quit's own condition; a problem goes to the terminal, as nobody may
// be there to read it. Without a display the log waits for the next start.
void Form1::keepTestAskingNobody(bool displayGone)
{
    if (!m_session.quitShouldSave()) {
        return;
    }
    const auto tell = [](const QString& message) {
        std::fprintf(stderr, "numberlark: %s\n", message.toLocal8Bit().constData());
    };
    if (const Outcome saved = appendResultsOnce(resultsEntry()); saved.failed()) {
        tell(saved.message);
    }
    if (displayGone) {
        m_progress.keepInJournal(m_session, quitFacts());
        return;
    }
    m_progress.setNotice(tell);
    static_cast<void>(m_progress.record(m_session, quitFacts()));
}

// The practice window lives in a module; it is asked by name.
void Form1::keepPracticeBeforeEnd()
{
    if (QWidget* practice = m_practiceWindow.window()) {
        QMetaObject::invokeMethod(practice, "keepBeforeEnd", Qt::DirectConnection);
    }
}

QuitFacts Form1::quitFacts() const
{
    return {nameText(), mixedSelected(), m_seams.now(), resultsEntry()};
}

void Form1::Cmdprint_Click(int /*index*/)
{
    MnuPrint_Click();
}

void Form1::MnuPrint_Click()
{
    if (m_printHandler) {
        m_printHandler();
    }
}

void Form1::MnuSavePdf_Click()
{
    if (m_savePdfHandler) {
        m_savePdfHandler();
    }
}

void Form1::MnuExit_Click()
{
    endProgram();
}

void Form1::MnuOptions_Click()
{
    m_options.showOrRaise();
}

void Form1::MnuProgress_Click()
{
    m_progressWindow.showOrRaise();
}

void Form1::MnuPractise_Click()
{
    practise(QString());
}

void Form1::practise(const QString& child)
{
    if (!m_practiceFactory) {
        return;
    }
    m_practiceWindow.setFactory([this, child] { return m_practiceFactory(child); });
    m_practiceWindow.showOrRaise();
}

void Form1::MnuAbout_Click()
{
    m_about.showOrRaise();
}

void Form1::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

// The window system may add or change the frame without a resize; the outer
// size, and with it the layout, changes all the same.
void Form1::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    layOutAgainIfFrameChanged();
}

// Showing the window can add a frame without a move or a resize event:
// Qt's client-side decorations on Wayland appear when the window is shown.
void Form1::setVisible(bool visible)
{
    QMainWindow::setVisible(visible);
    if (visible) {
        layOutAgainIfFrameChanged();
    }
}

void Form1::layOutAgainIfFrameChanged()
{
    const SizeTwips outer = outerSize();
    if (outer.width != m_laidOutFor.width || outer.height != m_laidOutFor.height) {
        Form_Resize();
    }
}

void Form1::Form_Resize()
{
    m_laidOutFor = outerSize();
    applyMainLayout(*m_controls.surface, m_laidOutFor);
}

void Form1::save_results()
{
    appendResultsWithRetry(resultsEntry(), *m_seams.dialogs);
}

ResultsEntry Form1::resultsEntry() const
{
    return {
        .name = nameText().toLocal8Bit().toStdString(),
        .mixed = mixedSelected(),
        .table = m_record.current_table,
        .score = m_record.score,
        .timeTaken = time_taken(m_record),
        .dateLine = m_certificate->storedDateLine().toLocal8Bit().toStdString(),
    };
}

// The secondary windows vanish with the main window, without their own
// closing steps; the program then has no window left and ends.
void Form1::endProgram()
{
    // A practice still running is kept in the log as the window closes.
    m_practiceWindow.close();
    delete m_practiceWindow.window();
    delete m_options.window();
    delete m_about.window();
    delete m_progressWindow.window();
    close();
    QCoreApplication::quit();
}

} // namespace numberlark
