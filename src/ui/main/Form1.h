#pragma once

#include "classroom/ClassroomDelivery.h"
#include "progress/recording/ProgressRecording.h"
#include "quiz/QuizSession.h"
#include "quiz/RandomSource.h"
#include "quiz/SessionRecord.h"
#include "ui/main/MainControls.h"
#include "ui/main/ResultsSaving.h"
#include "ui/main/SingleWindow.h"
#include "ui/main/Twips.h"
#include "ui/main/WindowSeams.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class QMenu;
class QPushButton;

namespace numberlark {

class Announcer;
class CertificateScreen;
class SettingsStore;
class TableChoicePanel;
class TestFlow;

// The main window: the whole quiz happens here. It builds its controls from
// the control inventory, runs the load step, forwards each event to the
// collaborator that handles it, and lays itself out on every resize.
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    // The settings are read once, here. The random source is the session's
    // generator for the whole run (the program's seeds itself from the clock).
    Form1(const SettingsStore& settings, std::unique_ptr<RandomSource> random,
          QWidget* parent = nullptr);
    ~Form1() override;

    // What the options window and the certificate printing read and change.
    SessionRecord& record() { return m_record; }
    QuizSession& session() { return m_session; }
    QPushButton* printButton() const;
    QString nameText() const;
    QString dateCaption() const;
    bool mixedSelected() const;
    const MainControls& controls() const { return m_controls; }

    // Connections the program makes at start-up; tests make their own.
    void setOptionsWindowFactory(WindowFactory factory);
    void setAboutWindowFactory(WindowFactory factory);
    void setProgressWindowFactory(WindowFactory factory);
    // Makes the practice window; the child given is offered first.
    void setPracticeWindowFactory(std::function<QWidget*(const QString& child)> factory);
    void setPrintHandler(std::function<void()> handler);
    void setSavePdfHandler(std::function<void()> handler);
    WindowSeams& seams() { return m_seams; }
    ProgressRecording& progressRecording() { return m_progress; }
    ClassroomDelivery& classroomDelivery() { return m_classroom; }
    QWidget* optionsWindow() const { return m_options.window(); }
    QWidget* aboutWindow() const { return m_about.window(); }
    QWidget* progressWindow() const { return m_progressWindow.window(); }
    QWidget* practiceWindow() const { return m_practiceWindow.window(); }
    SizeTwips outerSize() const;
    void setVisible(bool visible) override;

    // Event handlers, callable as the events they answer.
    void CmdTest_Click();
    bool TxtAnswer_KeyPress(int keyAscii);
    void Timer1_Timer();
    void CmdQuit_Click(int index);
    void Cmdprint_Click(int index);
    void MnuPrint_Click();
    void MnuSavePdf_Click();
    void MnuExit_Click();
    void MnuOptions_Click();
    void MnuProgress_Click();
    void MnuPractise_Click();
    // Opens the practice window for `child`, or brings the open one forward.
    void practise(const QString& child);
    void MnuAbout_Click();

    // Another ending than Quit (a signal, the end of the desktop session):
    // keeps what Quit keeps, the practice window's answers included, asks
    // nobody anything, and ends the program.
    void endKeepingWork();
    // The display is gone and the program is inside exit(): the practice and
    // a test Quit would keep go to the journal beside the log and the results
    // line to its file, through files alone.
    void keepWorkWithoutDisplay();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void Form_Load(const SettingsStore& settings);
    void Form_Resize();
    void layOutAgainIfFrameChanged();
    void setUpWindow();
    void createMenus();
    QAction* addMenuItem(QMenu* menu, const char* name, const QString& caption,
                         void (Form1::*handler)());
    void createCollaborators();
    void connectControls();
    void save_results();
    ResultsEntry resultsEntry() const;
    void endProgram();
    void keepPracticeBeforeEnd();
    void keepTestAskingNobody(bool displayGone);
    QuitFacts quitFacts() const;
    bool m_ending = false; // Quit or another ending is under way

    SessionRecord m_record;
    std::unique_ptr<RandomSource> m_random;
    QuizSession m_session;
    WindowSeams m_seams;
    MainControls m_controls;
    TableChoicePanel* m_tableChoice = nullptr;
    TestFlow* m_testFlow = nullptr;
    CertificateScreen* m_certificate = nullptr;
    std::unique_ptr<Announcer> m_announcer;
    SingleWindow m_options;
    SingleWindow m_about;
    SingleWindow m_progressWindow;
    SingleWindow m_practiceWindow{WindowFactory()};
    std::function<QWidget*(const QString& child)> m_practiceFactory;
    std::function<void()> m_printHandler;
    std::function<void()> m_savePdfHandler;
    SizeTwips m_laidOutFor;
    ProgressRecording m_progress{progressNoticeBox(this)};
    ClassroomDelivery m_classroom;
};

} // namespace numberlark
