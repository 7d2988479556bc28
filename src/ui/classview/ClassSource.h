#pragma once

#include "classroom/ClassQueries.h"
#include "outcome/Outcome.h"
#include "progress/ProgressRecords.h"
#include "ui/classview/ClassOverview.h"
#include "ui/progress/ChildSource.h"

#include <QObject>

#include <functional>
#include <optional>
#include <vector>

class QComboBox;
class QWidget;

namespace numberlark {

class ClassOverviewPage;
class ClassReader;
class ClassSourceBar;
class Dialogs;

// The teacher's class view, as opposed to this computer's own log: on a
// computer that knows the school's server, a teacher's login sees every
// computer's tests for a child, and the whole class. It fills the progress
// window's child picker with the class and hands the window a child's tests
// and practice as this computer's log gives them.
class ClassSource : public QObject, public ChildSource {
    Q_OBJECT

public:
    // `picker` is the window's child picker. The source bar and the overview
    // page are made over `window`; the window places them. `fluencyLimit`
    // gives this computer's limit each time the class is read.
    ClassSource(QComboBox* picker, QWidget* window,
                std::function<practice::FluencyLimit()> fluencyLimit);

    // Asks the school's server in the settings what this login may read.
    // Without a server nothing is started, the bar stays hidden and the
    // database driver is never loaded.
    void connectIfSet();

    ClassSourceBar* bar() const { return m_bar; }
    ClassOverviewPage* overviewPage() const { return m_overview; }

    void readChildren(const std::optional<QString>& child) override;
    void readChild(int pickerIndex) override;
    bool changeable() const override { return false; }

    // Saves the class table for a spreadsheet where the user chooses.
    void exportClass(Dialogs& dialogs);

    // What the teacher's whole view is called: her class as the server
    // names it, or the whole school for a head teacher.
    QString wholeViewName() const;

signals:
    // The teacher chose between this computer's log and the class.
    void sourceChosen(bool classView);
    // While the server is asked, or when it failed.
    void messageShown(const QString& text);
    // The whole class is on the overview page.
    void classShown();
    // The child the picker shows, as this computer's log would give her.
    void childRead(const std::vector<numberlark::progress::TestRecord>& tests,
                   const std::vector<numberlark::progress::PracticeSessionRecord>& practice);
    void exportRequested();

private:
    classroom::ClassAccess m_access;
    void choose(bool classView);
    void overviewRead(const ClassOverview& overview, const Outcome& failure);
    void childAnswered(const QString& child, const std::vector<progress::TestRecord>& tests,
                       const std::vector<progress::PracticeSessionRecord>& practice,
                       const Outcome& failure);
    QString shownName(const QString& child) const;

    QComboBox* m_picker;
    ClassSourceBar* m_bar;
    ClassOverviewPage* m_overview;
    ClassReader* m_reader = nullptr;
    std::function<practice::FluencyLimit()> m_fluencyLimit;
    bool m_chosen = false;
    // What the view waits for: a child, or the whole class when empty.
    std::optional<QString> m_wanted;
};

} // namespace numberlark
