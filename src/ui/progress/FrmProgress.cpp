#include "ui/progress/FrmProgress.h"

#include "output/ResultsLine.h"
#include "progress/FactStats.h"
#include "settings/PracticeChoices.h"
#include "ui/classview/ClassOverviewPage.h"
#include "ui/classview/ClassSource.h"
#include "ui/classview/ClassSourceBar.h"
#include "ui/common/Announcer.h"
#include "ui/common/SilentPages.h"
#include "ui/progress/ClassroomLine.h"
#include "ui/progress/FactGridModel.h"
#include "ui/progress/FactMarkDelegate.h"
#include "ui/progress/FactsLegend.h"
#include "ui/progress/PracticeSheetPrinter.h"
#include "ui/progress/ProgressChart.h"
#include "ui/progress/ProgressReport.h"
#include "ui/progress/ProgressTexts.h"
#include "ui/progress/ResultsImportJob.h"
#include "ui/progress/SquaresView.h"
#include "ui/progress/TestsModel.h"
#include "ui/progress/TrendPanel.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QStackedWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace numberlark {

namespace {

constexpr int kCellWidth = 36;
constexpr int kCellHeight = 26;
} // namespace

FrmProgress::FrmProgress(ProgressWindowContext context, QWidget* parent)
    : QWidget(parent, Qt::Window), m_context(std::move(context)),
      m_seams(desktopProgressSeams(this)),
      m_log(std::make_unique<progress::ProgressLog>(
          m_context.logPath.isEmpty() ? progress::ProgressLog::defaultPath() : m_context.logPath))
{
    setObjectName(QStringLiteral("FrmProgress"));
    setWindowTitle(tr("Progress"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createToolBar());
    m_classSource = new ClassSource(m_children, this, [this] { return fluencyLimit(); });
    m_announcer = std::make_unique<Announcer>(*m_children);
    layout->insertWidget(0, m_classSource->bar());
    m_notice = new QLabel(this);
    m_notice->setObjectName(QStringLiteral("LogNotice"));
    m_notice->setWordWrap(true);
    m_notice->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_notice->hide();
    layout->addWidget(m_notice);
    layout->addWidget(new ClassroomLine(m_context.classroomState, this));
    m_pages = new QStackedWidget(this);
    silencePages(*m_pages);
    m_empty = new QLabel(m_pages);
    m_empty->setObjectName(QStringLiteral("EmptyMessage"));
    m_empty->setWordWrap(true);
    m_empty->setAlignment(Qt::AlignCenter);
    m_empty->setMargin(40);
    m_pages->addWidget(m_empty);
    m_pages->addWidget(createContent());
    m_pages->addWidget(m_classSource->overviewPage());
    layout->addWidget(m_pages, 1);
    fitToScreen(QSize(1180, 780));
    // Esc closes the window, as it closes the options and about windows.
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    reload();
    connectClassView();
}

FrmProgress::~FrmProgress() = default;

ClassSourceBar* FrmProgress::classSourceBar() const
{
    return m_classSource->bar();
}

ProgressChart* FrmProgress::chart() const
{
    return m_trend->chart();
}

ClassOverviewPage* FrmProgress::classOverview() const
{
    return m_classSource->overviewPage();
}

void FrmProgress::connectClassView()
{
    connect(m_classSource, &ClassSource::sourceChosen, this, &FrmProgress::chooseSource);
    connect(m_classSource, &ClassSource::messageShown, this, &FrmProgress::showSourceMessage);
    connect(m_classSource, &ClassSource::classShown, this, &FrmProgress::showWholeClass);
    connect(m_classSource, &ClassSource::childRead, this, &FrmProgress::showRecords);
    connect(m_classSource, &ClassSource::exportRequested, this, &FrmProgress::CmdExport_Click);
    m_classSource->connectIfSet();
}

// The one place that decides where the window's children come from.
void FrmProgress::chooseSource(bool classView)
{
    m_source = classView ? static_cast<ChildSource*>(m_classSource) : this;
    const QString why =
        m_source->changeable()
            ? QString()
            : tr("Only this computer's own log can be changed; switch to This Computer.");
    m_importButton->setEnabled(m_source->changeable());
    m_importButton->setToolTip(why);
    m_forget->setToolTip(why);
    reload();
}

// A family laptop may have less room than the window would like.
void FrmProgress::fitToScreen(QSize wanted)
{
    if (const QScreen* screen = this->screen()) {
        const QSize room = screen->availableGeometry().size();
        wanted = wanted.boundedTo(QSize(room.width() * 19 / 20, room.height() * 9 / 10));
    }
    resize(wanted);
}

QWidget* FrmProgress::createToolBar()
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    m_children = new QComboBox(bar);
    m_children->setObjectName(QStringLiteral("ChildPicker"));
    m_children->setMinimumWidth(240);
    // A long name (they may run to hundreds of characters) must not push the
    // buttons out of the window; the list itself shows it whole.
    m_children->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_children->setMinimumContentsLength(24);
    auto* label = new QLabel(tr("&Child:"), bar);
    label->setBuddy(m_children);
    row->addWidget(label);
    row->addWidget(m_children);
    row->addStretch(1);
    auto* import = new QPushButton(tr("&Import Results File..."), bar);
    m_importButton = import;
    m_practice = new QToolButton(bar);
    m_practice->setText(tr("Print Practice &Sheet"));
    m_practice->setPopupMode(QToolButton::MenuButtonPopup);
    auto* menu = new QMenu(m_practice);
    menu->addAction(tr("Save Practice Sheet as PDF..."), this, [this] { CmdPractice_Click(true); });
    m_practice->setMenu(menu);
    m_report = new QPushButton(tr("Save &Report as PDF..."), bar);
    m_forget = new QPushButton(tr("&Forget This Child..."), bar);
    m_onScreen = new QPushButton(tr("Practise on Scr&een"), bar);
    m_onScreen->setVisible(static_cast<bool>(m_context.practise));
    connect(m_onScreen, &QPushButton::clicked, this,
            [this] { m_context.practise(currentChild()); });
    row->addWidget(m_onScreen);
    for (QWidget* button : {static_cast<QWidget*>(import), static_cast<QWidget*>(m_practice),
                            static_cast<QWidget*>(m_report), static_cast<QWidget*>(m_forget)}) {
        row->addWidget(button);
    }
    connect(m_children, &QComboBox::currentIndexChanged, this, &FrmProgress::showChild);
    connect(import, &QPushButton::clicked, this, &FrmProgress::CmdImport_Click);
    connect(m_practice, &QToolButton::clicked, this, [this] { CmdPractice_Click(false); });
    connect(m_report, &QPushButton::clicked, this, &FrmProgress::CmdReport_Click);
    connect(m_forget, &QPushButton::clicked, this, &FrmProgress::CmdForget_Click);
    return bar;
}

QWidget* FrmProgress::createContent()
{
    auto* content = new QWidget(m_pages);
    auto* grid = new QGridLayout(content);
    grid->setContentsMargins(0, 0, 0, 0);
    m_summary = new QLabel(content);
    m_summary->setWordWrap(true);
    m_summary->setTextFormat(Qt::RichText);
    QFont summaryFont = m_summary->font();
    summaryFont.setPointSizeF(summaryFont.pointSizeF() * 1.2);
    m_summary->setFont(summaryFont);
    m_summary->setObjectName(QStringLiteral("Summary"));
    m_trend = new TrendPanel(content);
    grid->addWidget(m_summary, 0, 0, 1, 2);
    grid->addWidget(m_trend, 1, 0);
    grid->addWidget(createFactsPanel(), 1, 1, 2, 1);
    grid->addWidget(createTestsList(), 2, 0);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(1, 3);
    grid->setRowStretch(2, 2);
    return content;
}

QWidget* FrmProgress::createFactsPanel()
{
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    auto* title = new QLabel(tr("<b>Facts</b> (point at a square for its figures)"), panel);
    m_gridModel = new FactGridModel(this);
    m_grid = new SquaresView(panel);
    m_grid->setObjectName(QStringLiteral("FactGrid"));
    m_grid->setAccessibleName(tr("Facts from 1 times 1 to 12 times 12"));
    m_grid->setModel(m_gridModel);
    m_grid->setItemDelegate(new FactMarkDelegate(m_grid));
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->horizontalHeader()->setDefaultSectionSize(kCellWidth);
    m_grid->verticalHeader()->setDefaultSectionSize(kCellHeight);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the grid for the next control; the arrow keys walk it.
    m_grid->setTabKeyNavigation(false);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setFixedSize(m_grid->verticalHeader()->sizeHint().width() +
                             FactGridModel::kSize * kCellWidth + 2 * m_grid->frameWidth(),
                         m_grid->horizontalHeader()->sizeHint().height() +
                             FactGridModel::kSize * kCellHeight + 2 * m_grid->frameWidth());
    m_beyondGrid = new QLabel(panel);
    m_beyondGrid->setObjectName(QStringLiteral("FactsBeyondGrid"));
    m_beyondGrid->setWordWrap(true);
    column->addWidget(title);
    column->addWidget(m_grid);
    m_legend = new FactsLegend(panel);
    column->addWidget(m_legend);
    column->addWidget(m_beyondGrid);
    column->addStretch(1);
    return panel;
}

QWidget* FrmProgress::createTestsList()
{
    m_testsModel = new TestsModel(this);
    m_sortedTests = new QSortFilterProxyModel(this);
    m_sortedTests->setSourceModel(m_testsModel);
    m_sortedTests->setSortRole(TestsModel::SortRole);
    m_testsView = new QTableView(this);
    m_testsView->setObjectName(QStringLiteral("TestsList"));
    m_testsView->setAccessibleName(tr("Tests"));
    m_testsView->setModel(m_sortedTests);
    m_testsView->setSortingEnabled(true);
    m_testsView->sortByColumn(TestsModel::Date, Qt::DescendingOrder);
    m_testsView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_testsView->setTabKeyNavigation(false);
    m_testsView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_testsView->verticalHeader()->hide();
    m_testsView->setAlternatingRowColors(true);
    m_testsView->horizontalHeader()->setStretchLastSection(true);
    m_testsView->setWordWrap(false);
    m_testsView->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    return m_testsView;
}

void FrmProgress::reload(const std::optional<QString>& child)
{
    m_source->readChildren(child);
}

void FrmProgress::readChildren(const std::optional<QString>& child)
{
    progress::LogStatus status;
    const std::vector<QString> children = m_log->children(&status);
    tellLogNotice(status);
    if (status.done()) {
        tellReadOnly(m_log->checkWritable());
    }
    const QSignalBlocker blocker(m_children);
    m_children->clear();
    for (const QString& name : children) {
        m_children->addItem(shownName(name), name);
        m_children->setItemData(m_children->count() - 1, name, Qt::ToolTipRole);
    }
    if (!status.done()) {
        showEmpty(status.message);
        return;
    }
    if (children.empty()) {
        showEmpty(emptyReason());
        return;
    }
    // An empty name is a child of its own ("(no name)"), so no choice is not "".
    const int found = child ? m_children->findData(*child) : -1;
    m_children->setCurrentIndex(found >= 0 ? found : 0);
    showChild(m_children->currentIndex());
}

QString FrmProgress::currentChild() const
{
    return m_children->currentData().toString();
}

bool FrmProgress::showsEmptyPage() const
{
    return m_pages->currentWidget() == m_empty;
}

QString FrmProgress::emptyReason() const
{
    // After a damaged log was set aside, the notice above says what happened.
    const QString opening =
        m_notice->isHidden() ? tr("No tests have been kept on this computer yet.\n\n") : QString();
    if (m_context.savingOn && !m_context.savingOn()) {
        return opening + tr("Tests are kept only while \"Save results on disk\" is ticked. Tick "
                            "it in Tools > Options, then take a test and press QUIT: the test "
                            "will show here.");
    }
    return opening + tr("Take a test and press QUIT when it is done: the test will "
                        "show here. Tests saved earlier in a results file can be "
                        "brought in with \"Import Results File...\".");
}

// The log was found damaged and set aside, or cannot record: the window says
// so for as long as it is open, above whatever it shows. True when the log
// was set aside, so what was read before is gone.
bool FrmProgress::tellLogNotice(const progress::LogStatus& status)
{
    if (status.message.isEmpty() || !status.done()) {
        return false;
    }
    m_notice->setText(status.message);
    m_notice->show();
    return status.kind == progress::LogStatus::Kind::StartedAfresh;
}

// A log that can be read but not written still shows what it holds; the
// user hears why the tests taken now will not be added.
void FrmProgress::tellReadOnly(const progress::LogStatus& status)
{
    if (status.kind != progress::LogStatus::Kind::CannotWrite) {
        return;
    }
    m_notice->setText(status.message + QLatin1Char(' ') +
                      tr("The tests below are shown as they are kept; tests taken now cannot be "
                         "added until the log can be written."));
    m_notice->show();
}

QString FrmProgress::shownName(const QString& child) const
{
    return elidedChildName(fontMetrics(), child);
}

void FrmProgress::showEmpty(const QString& why, bool pickerEnabled)
{
    m_tests.clear();
    m_practiceSessions.clear();
    nameChildShown(QString());
    m_empty->setText(why);
    m_pages->setCurrentWidget(m_empty);
    setChildActionsEnabled(false, pickerEnabled);
}

void FrmProgress::setChildActionsEnabled(bool enabled, bool pickerEnabled)
{
    m_children->setEnabled(pickerEnabled);
    m_practice->setEnabled(enabled);
    m_onScreen->setEnabled(enabled);
    m_report->setEnabled(enabled);
    m_forget->setEnabled(enabled && m_source->changeable());
}

void FrmProgress::showChild(int pickerIndex)
{
    if (pickerIndex >= 0) {
        m_source->readChild(pickerIndex);
    }
}

void FrmProgress::readChild(int pickerIndex)
{
    progress::LogStatus status;
    const QString child = m_children->itemData(pickerIndex).toString();
    m_tests = m_log->testsOf(child, &status);
    m_practiceSessions.clear();
    // A log just set aside is told first; its practice went with it.
    if (status.kind == progress::LogStatus::Kind::Ok) {
        m_practiceSessions = m_log->practiceOf(child, &status);
    }
    if (!status.done()) {
        showEmpty(status.message);
        return;
    }
    if (tellLogNotice(status)) {
        reload();
        return;
    }
    showTests();
}

// While the class view asks the server, or when it failed: the message
// page, the picker still usable so another choice can be made.
void FrmProgress::showSourceMessage(const QString& text)
{
    showEmpty(text, m_children->count() > 0);
}

void FrmProgress::showWholeClass()
{
    m_tests.clear();
    m_practiceSessions.clear();
    m_pages->setCurrentWidget(m_classSource->overviewPage());
    setChildActionsEnabled(false, true);
    // The window's name is said only as it opens; the class comes later,
    // while the focus stays where the teacher chose it.
    setAccessibleName(m_classSource->wholeViewName());
    m_announcer->announce(accessibleName(), m_children->currentText());
}

void FrmProgress::showRecords(const std::vector<progress::TestRecord>& tests,
                              const std::vector<progress::PracticeSessionRecord>& practice)
{
    m_tests = tests;
    m_practiceSessions = practice;
    showTests();
}

// Read afresh each time: the practice window may have changed it meanwhile.
practice::FluencyLimit FrmProgress::fluencyLimit() const
{
    return m_context.practiceChoices ? LoadPracticeChoices(*m_context.practiceChoices).fluencyLimit
                                     : practice::PracticeSettings{}.fluencyLimit;
}

// The tests and practice of the child the picker shows, from whichever source.
void FrmProgress::showTests()
{
    m_gridModel->setStats(progress::collectFactStats(m_tests, m_practiceSessions, fluencyLimit()));
    m_legend->setCounts(m_gridModel->stats());
    m_testsModel->setTests(m_tests);
    m_testsView->resizeColumnsToContents();
    m_trend->setHistory(m_tests, m_practiceSessions, fluencyLimit());
    const QStringList beyond = factsBeyondGrid(m_gridModel->stats());
    m_beyondGrid->setText(
        beyond.isEmpty() ? QString() : tr("Other tables:\n") + beyond.join(QLatin1Char('\n')));
    m_summary->setText(QStringLiteral("<b>%1</b>: %2")
                           .arg(shownName(currentChild()).toHtmlEscaped(),
                                reportSummary(m_tests, m_practiceSessions).toHtmlEscaped()));
    m_pages->setCurrentIndex(1);
    setChildActionsEnabled(true);
    nameChildShown(shownChildName(currentChild()));
}

// A screen reader's first words on the window are its name, so they say
// whose progress this is; the title bar keeps its one word. Readers take
// the picker's name from its label and do not say the child it shows, so
// its description does. A child chosen once the window is up is told as
// she is shown, since the window's name is said only as it opens.
void FrmProgress::nameChildShown(const QString& child)
{
    setAccessibleName(child.isEmpty() ? QString() : tr("Progress of %1").arg(child));
    if (isVisible() && !child.isEmpty()) {
        m_announcer->announce(accessibleName(), child);
    } else {
        m_announcer->describe(child);
    }
}

void FrmProgress::CmdImport_Click()
{
    if (!m_source->changeable()) {
        return;
    }
    const QString offered =
        QDir(m_context.startFolder).filePath(QString::fromLatin1(kResultsFileName));
    const QString path = chooseImportFile(
        *m_seams.dialogs, QFileInfo::exists(offered) ? offered : m_context.startFolder);
    if (path.isEmpty()) {
        return;
    }
    m_import = new ResultsImportJob(m_log->path(), path, this);
    showImportProgress(path);
    connect(m_import, &ResultsImportJob::finished, this, &FrmProgress::importFinished);
    m_import->start();
}

// The window stays responsive but takes no second request until the import
// ends; a small file is done before the progress window would show.
void FrmProgress::showImportProgress(const QString& path)
{
    m_importButton->setEnabled(false);
    m_classSource->bar()->setEnabled(false);
    setChildActionsEnabled(false);
    m_importProgress =
        new QProgressDialog(tr("Importing %1...")
                                .arg(fontMetrics().elidedText(QFileInfo(path).fileName(),
                                                              Qt::ElideMiddle, kLongestShownName)),
                            tr("Cancel"), 0, 1000, this);
    m_importProgress->setWindowTitle(tr("Import Results File"));
    m_importProgress->setWindowModality(Qt::WindowModal);
    m_importProgress->setMinimumDuration(400);
    m_importProgress->setAutoClose(false);
    m_importProgress->setAutoReset(false);
    m_importProgress->setValue(0);
    connect(m_import, &ResultsImportJob::progressed, m_importProgress, &QProgressDialog::setValue);
    connect(m_importProgress, &QProgressDialog::canceled, m_import, &ResultsImportJob::cancel);
}

void FrmProgress::importFinished(const progress::ImportOutcome& outcome)
{
    m_importProgress->deleteLater();
    m_importProgress = nullptr;
    m_import->deleteLater();
    m_import = nullptr;
    m_importButton->setEnabled(true);
    m_classSource->bar()->setEnabled(true);
    // The import set the damaged log aside: this window's connection still
    // reads the old file, so it opens the new one.
    if (outcome.status.kind == progress::LogStatus::Kind::StartedAfresh) {
        m_log = std::make_unique<progress::ProgressLog>(m_log->path());
        tellLogNotice(outcome.status);
    }
    m_seams.dialogs->tell(tr("Import Results File"), importSummary(outcome),
                          QMessageBox::Information);
    // From the empty page no child was shown, and "" would pick "(no name)".
    reload(m_children->currentIndex() >= 0 ? std::optional(currentChild()) : std::nullopt);
}

void FrmProgress::CmdPractice_Click(bool toPdf)
{
    if (!childShown()) {
        return;
    }
    const auto questions = m_seams.chooseTrickyFacts(m_gridModel->stats(), kPracticeQuestions);
    if (questions.empty()) {
        m_seams.dialogs->tell(tr("Print Practice Sheet"),
                              tr("The log keeps no questions of %1 yet (tests brought in "
                                 "from a results file have none), so there is nothing to "
                                 "practise. The questions of every test taken from now on "
                                 "are kept.")
                                  .arg(shownName(currentChild())),
                              QMessageBox::Information);
        return;
    }
    PracticeSheetPrinter printer(m_seams);
    printer.print(currentChild(), questions, toPdf);
}

void FrmProgress::CmdReport_Click()
{
    if (childShown()) {
        ProgressReport(currentChild(), m_tests, m_practiceSessions, fluencyLimit()).save(m_seams);
    }
}

void FrmProgress::CmdForget_Click()
{
    const QString child = currentChild();
    // The class view shows the school's server, which this window never changes.
    if (!m_source->changeable() || !childShown() ||
        !m_seams.dialogs->confirm(tr("Forget This Child"), forgetQuestion(child))) {
        return;
    }
    const progress::LogStatus status = m_log->forget(child);
    if (!status.done()) {
        m_seams.dialogs->tell(tr("Forget This Child"), status.message, QMessageBox::Information);
    }
    reload();
}

void FrmProgress::CmdExport_Click()
{
    m_classSource->exportClass(*m_seams.dialogs);
}

} // namespace numberlark
