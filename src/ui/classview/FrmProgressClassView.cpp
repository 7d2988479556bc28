// The progress window's class view: on a computer that knows the school's
// server, a teacher's login sees every computer's tests for a child, and
// the whole class. The window's pieces work on the tests as they come; only
// where they come from differs. Everything the server is asked is asked on
// ClassReader's thread, so a slow server never holds the window.
#include "ui/progress/FrmProgress.h"

#include "classroom/ClassroomSetting.h"
#include "ui/classview/ClassOverviewPage.h"
#include "ui/classview/ClassReader.h"
#include "ui/classview/ClassSourceBar.h"
#include "ui/classview/ClassTableCsv.h"
#include "ui/progress/ProgressTexts.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QToolButton>

namespace numberlark {

namespace {

// Marks the class view's first choice in the child picker: the whole class.
constexpr int kWholeClassRole = Qt::UserRole + 1;

} // namespace

// Without a server in the settings nothing is started, and the database
// driver is never loaded.
void FrmProgress::connectClassroom()
{
    const std::optional<QString> server = classroom::classroomServer(QSettings());
    if (!server) {
        return;
    }
    m_classReader = new ClassReader(*server, this);
    connect(m_classReader, &ClassReader::accessChecked, m_classBar, &ClassSourceBar::showAccess);
    connect(m_classReader, &ClassReader::overviewRead, this, &FrmProgress::classOverviewRead);
    connect(m_classReader, &ClassReader::childRead, this, &FrmProgress::classChildRead);
    connect(m_classBar, &ClassSourceBar::sourceChosen, this, &FrmProgress::chooseSource);
    connect(m_classBar, &ClassSourceBar::exportRequested, this, &FrmProgress::CmdExport_Click);
    connect(m_classBar, &ClassSourceBar::tryAgainRequested, this, [this] {
        m_classBar->showConnecting();
        m_classReader->checkAccess();
    });
    m_classBar->showConnecting();
    m_classBar->show();
    m_classReader->checkAccess();
}

void FrmProgress::chooseSource(bool classView)
{
    m_classShown = classView;
    const QString why =
        classView ? tr("Only this computer's own log can be changed; switch to This Computer.")
                  : QString();
    m_importButton->setEnabled(!classView);
    m_importButton->setToolTip(why);
    m_forget->setToolTip(why);
    reload();
}

void FrmProgress::reloadClass(const std::optional<QString>& child)
{
    m_classWanted = child;
    m_classBar->setExportEnabled(false);
    // This computer's children are no choice in the class view, even while
    // the class is read or when it cannot be.
    if (m_children->count() == 0 || !m_children->itemData(0, kWholeClassRole).toBool()) {
        const QSignalBlocker blocker(m_children);
        m_children->clear();
    }
    showClassMessage(tr("Reading the class from the school's server..."));
    m_children->setEnabled(false);
    m_classReader->readOverview();
}

void FrmProgress::showClassChoice(int pickerIndex)
{
    if (m_children->itemData(pickerIndex, kWholeClassRole).toBool()) {
        reloadClass(std::nullopt);
        return;
    }
    m_classWanted = m_children->itemData(pickerIndex).toString();
    showClassMessage(tr("Reading the tests of %1 from the school's server...")
                         .arg(shownChildName(*m_classWanted)));
    m_classReader->readChild(*m_classWanted);
}

// While the server is asked, or when it failed: the message page, the
// picker still usable so another choice can be made.
void FrmProgress::showClassMessage(const QString& text)
{
    m_tests.clear();
    m_practiceSessions.clear();
    nameChildShown(QString());
    m_empty->setText(text);
    m_pages->setCurrentWidget(m_empty);
    setChildActionsEnabled(false);
    m_children->setEnabled(m_children->count() > 0);
}

void FrmProgress::classOverviewRead(const ClassOverview& overview,
                                    const classroom::ClassroomStatus& status)
{
    if (!m_classShown) {
        return;
    }
    if (!status.ok()) {
        showClassMessage(
            tr("The class cannot be shown: %1").arg(classroom::describe(status.problem)) +
            (status.detail.isEmpty() ? QString() : QStringLiteral("\n\n") + status.detail));
        return;
    }
    const QSignalBlocker blocker(m_children);
    m_children->clear();
    m_children->addItem(tr("Whole Class"));
    m_children->setItemData(0, true, kWholeClassRole);
    for (const classroom::ChildSummary& child : overview.children) {
        m_children->addItem(shownName(child.child, kLongestShownName), child.child);
        m_children->setItemData(m_children->count() - 1, child.child, Qt::ToolTipRole);
    }
    m_overview->setOverview(overview);
    m_classBar->setExportEnabled(!overview.children.empty());
    const int found = m_classWanted ? m_children->findData(*m_classWanted) : -1;
    if (found > 0) {
        m_children->setCurrentIndex(found);
        showClassChoice(found);
        return;
    }
    m_children->setCurrentIndex(0);
    m_tests.clear();
    m_practiceSessions.clear();
    m_pages->setCurrentWidget(m_overview);
    setChildActionsEnabled(false);
    m_children->setEnabled(true);
    setAccessibleName(tr("Progress of the whole class"));
}

void FrmProgress::classChildRead(const QString& child,
                                 const std::vector<progress::TestRecord>& tests,
                                 const std::vector<progress::PracticeSessionRecord>& practice,
                                 const classroom::ClassroomStatus& status)
{
    // A reply to an earlier choice, or for a view no longer shown.
    if (!m_classShown || m_classWanted != child) {
        return;
    }
    if (!status.ok()) {
        showClassMessage(tr("The tests of %1 cannot be shown: %2")
                             .arg(shownChildName(child), classroom::describe(status.problem)));
        return;
    }
    m_tests = tests;
    m_practiceSessions = practice;
    showTests();
}

void FrmProgress::CmdExport_Click()
{
    const ClassOverview& overview = m_overview->overview();
    if (overview.children.empty()) {
        return;
    }
    const QString title = tr("Export for Spreadsheet");
    const QString suggested =
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath(tr("class") + QStringLiteral(".csv"));
    const QString path = m_seams.dialogs->chooseFileToSave(
        title, suggested, tr("Spreadsheet files (*.csv)"), QStringLiteral("csv"));
    if (path.isEmpty()) {
        return;
    }
    const QString failure = writeWholeFile(path, csvDocument(classTableRows(overview)));
    if (!failure.isEmpty()) {
        m_seams.dialogs->tell(title,
                              tr("The class could not be saved as %1.\n\n%2")
                                  .arg(QDir::toNativeSeparators(path), failure),
                              QMessageBox::Warning);
    }
}

} // namespace numberlark
