#pragma once

#include "progress/ProgressLog.h"
#include "progress/ResultsImport.h"
#include "ui/progress/ChildSource.h"
#include "ui/progress/ProgressSeams.h"
#include "ui/progress/ProgressWindowContext.h"

#include <QWidget>

#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QProgressDialog;
class QPushButton;
class QSortFilterProxyModel;
class QStackedWidget;
class QTableView;
class QToolButton;

namespace numberlark {

class Announcer;

class ClassOverviewPage;
class ClassSourceBar;
class ClassSource;
class FactGridModel;
class FactsLegend;
class ProgressChart;
class ResultsImportJob;
class TestsModel;
class TrendPanel;

// The progress window: pick a child and see her tests over time, which
// facts she knows, and every test in a sortable list; print a practice sheet
// of her tricky facts, save a report, forget her, or import a results file.
// Not modal; the program keeps at most one open. The window itself reads
// this computer's own log; with a school's server a teacher can switch to
// the class view, and the window then shows what that source hands it.
class FrmProgress : public QWidget, private ChildSource {
    Q_OBJECT

public:
    explicit FrmProgress(ProgressWindowContext context, QWidget* parent = nullptr);
    ~FrmProgress() override;

    ProgressSeams& seams() { return m_seams; }

    // Reads the log again and shows `child` if she is still in it, else the
    // most recent child (or the empty page).
    void reload(const std::optional<QString>& child = std::nullopt);
    QString currentChild() const;

    // The buttons' work, callable as a click.
    void CmdImport_Click();
    void CmdPractice_Click(bool toPdf);
    void CmdReport_Click();
    void CmdForget_Click();
    void CmdExport_Click();

    // The parts tests look at.
    QComboBox* childPicker() const { return m_children; }
    ProgressChart* chart() const;
    TrendPanel* trend() const { return m_trend; }
    QTableView* factGrid() const { return m_grid; }
    QTableView* testsList() const { return m_testsView; }
    QLabel* emptyMessage() const { return m_empty; }
    QLabel* logNotice() const { return m_notice; }
    bool showsEmptyPage() const;
    // A child is on the page: she has tests, practice, or both.
    bool childShown() const { return !m_tests.empty() || !m_practiceSessions.empty(); }
    bool importRunning() const { return m_import != nullptr; }
    // Hidden without a school's server in the settings.
    ClassSourceBar* classSourceBar() const;
    ClassOverviewPage* classOverview() const;
    QPushButton* forgetButton() const { return m_forget; }
    QPushButton* importButton() const { return m_importButton; }

private:
    void fitToScreen(QSize wanted);
    QWidget* createToolBar();
    QWidget* createContent();
    QWidget* createFactsPanel();
    QWidget* createTestsList();
    void showChild(int pickerIndex);
    void showEmpty(const QString& why, bool pickerEnabled = false);
    void nameChildShown(const QString& child);
    QString emptyReason() const;
    // The picker is set apart where it stays usable: disabled even for a
    // moment, it would hand the teacher's focus on to the next control.
    void setChildActionsEnabled(bool enabled, bool pickerEnabled);
    void setChildActionsEnabled(bool enabled) { setChildActionsEnabled(enabled, enabled); }
    bool tellLogNotice(const progress::LogStatus& status);
    void tellReadOnly(const progress::LogStatus& status);
    void showImportProgress(const QString& path);
    void importFinished(const progress::ImportOutcome& outcome);
    QString shownName(const QString& child) const;
    void showTests();
    practice::FluencyLimit fluencyLimit() const;
    // This computer's own log as the window's source.
    void readChildren(const std::optional<QString>& child) override;
    void readChild(int pickerIndex) override;
    bool changeable() const override { return true; }
    // The class view, for a teacher's login on a computer that knows the
    // school's server.
    void connectClassView();
    void chooseSource(bool classView);
    void showSourceMessage(const QString& text);
    void showWholeClass();
    void showRecords(const std::vector<progress::TestRecord>& tests,
                     const std::vector<progress::PracticeSessionRecord>& practice);

    ProgressWindowContext m_context;
    ProgressSeams m_seams;
    std::unique_ptr<progress::ProgressLog> m_log;
    ResultsImportJob* m_import = nullptr;
    QProgressDialog* m_importProgress = nullptr;
    std::vector<progress::TestRecord> m_tests;
    std::vector<progress::PracticeSessionRecord> m_practiceSessions; // the grid counts them too
    FactGridModel* m_gridModel = nullptr;
    FactsLegend* m_legend = nullptr;
    TestsModel* m_testsModel = nullptr;
    QSortFilterProxyModel* m_sortedTests = nullptr;
    QComboBox* m_children = nullptr;
    QStackedWidget* m_pages = nullptr;
    QLabel* m_empty = nullptr;
    QLabel* m_notice = nullptr; // the log was set aside or cannot record
    QLabel* m_summary = nullptr;
    QLabel* m_beyondGrid = nullptr;
    TrendPanel* m_trend = nullptr;
    QTableView* m_grid = nullptr;
    QTableView* m_testsView = nullptr;
    QPushButton* m_report = nullptr;
    QPushButton* m_forget = nullptr;
    QPushButton* m_importButton = nullptr;
    QToolButton* m_practice = nullptr;
    ClassSource* m_classSource = nullptr;
    std::unique_ptr<Announcer> m_announcer; // tells readers the class or child just shown
    ChildSource* m_source = this;           // what the picker and the pages show
    QPushButton* m_onScreen = nullptr;      // the practice window, for the child shown
};

} // namespace numberlark
