// Everything the server is asked is asked on ClassReader's thread, so a slow
// server never holds the window; a reply that comes after another choice
// was made, or after the teacher went back to this computer's log, is
// dropped.
#include "ui/classview/ClassSource.h"

#include "classroom/ClassroomSetting.h"
#include "ui/classview/ClassOverviewPage.h"
#include "ui/classview/ClassReader.h"
#include "ui/classview/ClassSourceBar.h"
#include "ui/classview/ClassTableCsv.h"
#include "ui/common/Dialogs.h"
#include "ui/progress/ProgressTexts.h"

#include <QComboBox>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace numberlark {

namespace {

// Marks the class view's first choice in the child picker: the whole class.
constexpr int kWholeClassRole = Qt::UserRole + 1;

} // namespace

ClassSource::ClassSource(QComboBox* picker, QWidget* window,
                         std::function<practice::FluencyLimit()> fluencyLimit)
    : QObject(window), m_picker(picker), m_bar(new ClassSourceBar(window)),
      m_overview(new ClassOverviewPage(window)), m_fluencyLimit(std::move(fluencyLimit))
{
    m_bar->hide();
}

void ClassSource::connectIfSet()
{
    const std::optional<QString> server = classroom::classroomServer(QSettings());
    if (!server) {
        return;
    }
    m_reader = new ClassReader(*server, this);
    connect(m_reader, &ClassReader::accessChecked, m_bar, &ClassSourceBar::showAccess);
    connect(m_reader, &ClassReader::accessChecked, this,
            [this](const classroom::ClassAccess& access) { m_access = access; });
    connect(m_reader, &ClassReader::overviewRead, this, &ClassSource::overviewRead);
    connect(m_reader, &ClassReader::childRead, this, &ClassSource::childAnswered);
    connect(m_bar, &ClassSourceBar::sourceChosen, this, &ClassSource::choose);
    connect(m_bar, &ClassSourceBar::exportRequested, this, &ClassSource::exportRequested);
    connect(m_bar, &ClassSourceBar::tryAgainRequested, this, [this] {
        m_bar->showConnecting();
        m_reader->checkAccess();
    });
    m_bar->showConnecting();
    m_bar->show();
    m_reader->checkAccess();
}

QString ClassSource::wholeViewName() const
{
    if (m_access.wholeSchool) {
        return tr("Progress of the whole school");
    }
    return m_access.classes.isEmpty()
               ? tr("Progress of the whole class")
               : tr("Progress of class %1").arg(m_access.classes.join(QStringLiteral(", ")));
}

void ClassSource::choose(bool classView)
{
    m_chosen = classView;
    emit sourceChosen(classView);
}

void ClassSource::readChildren(const std::optional<QString>& child)
{
    m_wanted = child;
    m_bar->setExportEnabled(false);
    // This computer's children are no choice in the class view, even while
    // the class is read or when it cannot be.
    if (m_picker->count() == 0 || !m_picker->itemData(0, kWholeClassRole).toBool()) {
        const QSignalBlocker blocker(m_picker);
        m_picker->clear();
    }
    emit messageShown(tr("Reading the class from the school's server..."));
    m_reader->readOverview(m_fluencyLimit());
}

void ClassSource::readChild(int pickerIndex)
{
    if (m_picker->itemData(pickerIndex, kWholeClassRole).toBool()) {
        readChildren(std::nullopt);
        return;
    }
    m_wanted = m_picker->itemData(pickerIndex).toString();
    emit messageShown(
        tr("Reading the tests of %1 from the school's server...").arg(shownChildName(*m_wanted)));
    m_reader->readChild(*m_wanted);
}

void ClassSource::overviewRead(const ClassOverview& overview, const Outcome& failure)
{
    if (!m_chosen) {
        return;
    }
    if (failure.failed()) {
        emit messageShown(
            tr("The class cannot be shown: %1").arg(failure.message) +
            (failure.reason.isEmpty() ? QString() : QStringLiteral("\n\n") + failure.reason));
        return;
    }
    const QSignalBlocker blocker(m_picker);
    m_picker->clear();
    m_picker->addItem(tr("Whole Class"));
    m_picker->setItemData(0, true, kWholeClassRole);
    for (const classroom::ChildSummary& child : overview.children) {
        m_picker->addItem(shownName(child.child), child.child);
        m_picker->setItemData(m_picker->count() - 1, child.child, Qt::ToolTipRole);
    }
    m_overview->setOverview(overview);
    m_bar->setExportEnabled(!overview.children.empty());
    const int found = m_wanted ? m_picker->findData(*m_wanted) : -1;
    if (found > 0) {
        m_picker->setCurrentIndex(found);
        readChild(found);
        return;
    }
    m_picker->setCurrentIndex(0);
    emit classShown();
}

void ClassSource::childAnswered(const QString& child,
                                const std::vector<progress::TestRecord>& tests,
                                const std::vector<progress::PracticeSessionRecord>& practice,
                                const Outcome& failure)
{
    // A reply to an earlier choice, or for a view no longer shown.
    if (!m_chosen || m_wanted != child) {
        return;
    }
    if (failure.failed()) {
        emit messageShown(
            tr("The tests of %1 cannot be shown: %2").arg(shownChildName(child), failure.message));
        return;
    }
    emit childRead(tests, practice);
}

QString ClassSource::shownName(const QString& child) const
{
    return elidedChildName(m_bar->window()->fontMetrics(), child);
}

void ClassSource::exportClass(Dialogs& dialogs)
{
    const ClassOverview& overview = m_overview->overview();
    if (overview.children.empty()) {
        return;
    }
    const QString title = tr("Export for Spreadsheet");
    const QString suggested =
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath(tr("class") + QStringLiteral(".csv"));
    const QString path = dialogs.chooseFileToSave(title, suggested, tr("Spreadsheet files (*.csv)"),
                                                  QStringLiteral("csv"));
    if (path.isEmpty()) {
        return;
    }
    const Outcome saved = writeWholeFile(path, csvDocument(classTableRows(overview)),
                                         tr("The class could not be saved as %1.\n\n%2"));
    if (saved.failed()) {
        dialogs.tell(title, saved.message, QMessageBox::Warning);
    }
}

} // namespace numberlark
