// Leaving the program: Quit with and without saving (and a write that
// fails), Exit and the close box; and the windows the menus open.
#include "MainWindowHarness.h"
#include "WorkingDirectory.h"
#include "progress/ProgressLog.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace numberlark {
namespace {

using testing::drawFor;
using testing::MainWindowHarness;
using testing::TemporaryWorkingDirectory;

QByteArray resultsFile(const TemporaryWorkingDirectory& folder)
{
    QFile file(folder.filePath(QStringLiteral("numberlark.csv")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
}

// One correct answer of the 9 times table with four ticks, then stop there.
void answerOneQuestion(MainWindowHarness& harness)
{
    harness.clickTest();
    for (int i = 0; i < 4; ++i) {
        harness.window().Timer1_Timer();
    }
    harness.answerCorrectly();
}

TEST(QuitWindow, QuitSavesOnlyWithSavingOnAndAScore)
{
    struct Case {
        const char* saving;
        bool answer;
        QByteArray expected;
    };
    const Case cases[] = {
        {"1", true, "\"\",9,\"times table\",1,\"questions\",3,\"seconds\",\"Date\"\r\n"},
        {"1", false, "<no file>"},
        {"0", true, "<no file>"},
    };
    // Each case by Quit, then by the desktop session's end (or a signal).
    for (int run = 0; run < 6; ++run) {
        const Case& test = cases[run % 3];
        const bool byQuit = run < 3;
        SCOPED_TRACE(std::string(test.saving) + (test.answer ? " answered" : " no score") +
                     (byQuit ? ", Quit" : ", the session's end"));
        TemporaryWorkingDirectory folder;
        ASSERT_TRUE(folder.valid());
        MainWindowHarness harness;
        harness.store("allow_saving", test.saving);
        harness.window();
        if (test.answer) {
            answerOneQuestion(harness);
        }
        if (byQuit) {
            QTest::mouseClick(harness.controls().CmdQuit, Qt::LeftButton);
        } else {
            harness.window().endKeepingWork();
        }
        EXPECT_FALSE(harness.window().isVisible()) << "the program ends";
        EXPECT_EQ(resultsFile(folder), test.expected);
        EXPECT_EQ(QFile::exists(harness.progressLogPath()), test.expected != "<no file>");
    }
}

TEST(QuitWindow, QuitRecordsTheTestWithItsAnswersInTheProgressLog)
{
    TemporaryWorkingDirectory folder;
    MainWindowHarness harness;
    harness.store("allow_saving", "1");
    harness.window();
    harness.clickTest();
    harness.answer(QStringLiteral("1"));
    harness.answerCorrectly();
    QTest::keyClicks(harness.controls().TxtAnswer, QStringLiteral("12")); // an answer, not a name
    // The progress window's log, open while Quit records through the module:
    // neither may close the other's connection.
    progress::ProgressLog log(harness.progressLogPath());
    ASSERT_TRUE(log.open().done());
    harness.window().CmdQuit_Click(1);

    const std::vector<progress::TestRecord> tests = log.testsOf(QString());
    ASSERT_EQ(tests.size(), 1u);
    EXPECT_EQ(tests[0].when, MainWindowHarness::kCompletionTime);
    EXPECT_EQ(tests[0].table.number, 9);
    EXPECT_EQ(tests[0].questions, 20);
    EXPECT_FALSE(tests[0].finished);
    ASSERT_EQ(tests[0].answers.size(), 1u);
    EXPECT_EQ(tests[0].answers[0].first, 3);
    EXPECT_EQ(tests[0].answers[0].second, 9);
    EXPECT_EQ(tests[0].answers[0].wrongBefore, 1);
    EXPECT_TRUE(harness.progressNotices().isEmpty());
}

TEST(QuitWindow, TheLogKeepsTheTableChoiceAsChosen)
{
    using Kind = progress::TableChoiceRecord::Kind;
    struct Case {
        int option;
        const char* other;
        progress::TableChoiceRecord expected;
    };
    const Case cases[] = {
        {5, "", {Kind::Table, 7}},
        {kMixedIndex, "", {Kind::Mixed, 0}},
        {kOtherIndex, "13", {Kind::Other, 13}},
        {kOtherIndex, "-4", {Kind::Other, -4}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.option);
        SessionRecord record;
        testing::ScriptedRandom random({drawFor(3, 10), drawFor(1, 2)});
        QuizSession session(record, random);
        session.tableChoice().select(test.option);
        if (test.option == kOtherIndex) {
            session.tableChoice().setOtherText(test.other);
        }
        ASSERT_TRUE(session.start());
        const QuitFacts facts{{}, test.option == kMixedIndex, {}, {}};
        EXPECT_EQ(progressRecordOf(session, facts).table, test.expected);
    }
}

// A file where the log's folder should be, or no progress log module to load:
// the line is written all the same and the user is told once, with the path
// of what failed: the log, or the module.
TEST(QuitWindow, AFailingProgressLogNeverStopsTheLineOrQuit)
{
    for (const bool moduleMissing : {false, true}) {
        SCOPED_TRACE(moduleMissing ? "module missing" : "folder blocked");
        TemporaryWorkingDirectory folder;
        MainWindowHarness harness;
        harness.store("allow_saving", "1");
        QString failedPath = harness.progressLogPath();
        if (moduleMissing) {
            failedPath = folder.filePath(QStringLiteral("libnumberlark_progress_recording.so"));
            harness.window().progressRecording().setModulePaths({failedPath});
        } else {
            QFile blocker(folder.filePath(QStringLiteral("blocker")));
            ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
            failedPath = blocker.fileName() + QStringLiteral("/progress.sqlite");
            harness.window().progressRecording().setLogPath(failedPath);
        }
        answerOneQuestion(harness);
        harness.window().CmdQuit_Click(1);
        EXPECT_FALSE(harness.window().isVisible());
        EXPECT_NE(resultsFile(folder), "<no file>");
        ASSERT_EQ(harness.progressNotices().size(), 1);
        EXPECT_TRUE(harness.progressNotices().front().contains(failedPath));
        EXPECT_TRUE(harness.progressNotices().front().contains(
            QStringLiteral("This test was not added to the progress log.")));
    }
}

// A school's server out of reach, or no courier module to reach it with:
// Quit still ends, the test waits in the log for a later start, and the
// classroom line has its reason, naming the module when that is what failed.
TEST(QuitWindow, AClassroomThatCannotDeliverLosesNothingAndQuitEnds)
{
    for (const bool moduleMissing : {true, false}) {
        SCOPED_TRACE(moduleMissing ? "courier missing" : "server out of reach");
        TemporaryWorkingDirectory folder;
        MainWindowHarness harness;
        harness.store("allow_saving", "1");
        ClassroomDelivery& classroom = harness.window().classroomDelivery();
        const QString module =
            moduleMissing ? folder.filePath(QStringLiteral("libnumberlark_classroom_courier.so"))
                          : QStringLiteral(NUMBERLARK_COURIER_MODULE);
        classroom.setModulePaths({module});
        classroom.setLogPath(harness.progressLogPath());
        classroom.setServer(QStringLiteral("host=%1 dbname=numberlark user=pc1")
                                .arg(folder.filePath(QStringLiteral("no-server"))));
        answerOneQuestion(harness);
        harness.window().CmdQuit_Click(1);

        EXPECT_FALSE(harness.window().isVisible());
        EXPECT_FALSE(classroom.deliveryRunning());
        const std::optional<classroom::OutboxState> state = classroom.state();
        ASSERT_TRUE(state.has_value());
        EXPECT_TRUE(state->failure.failed());
        EXPECT_EQ(state->failure.message.contains(module), moduleMissing);
        const std::vector<progress::TestRecord> tests =
            progress::ProgressLog(harness.progressLogPath()).testsOf(QString());
        ASSERT_EQ(tests.size(), 1u);
        EXPECT_FALSE(tests[0].delivered);
    }
}

TEST(QuitWindow, FinishedTestSavesTheNameAndTheDateLine)
{
    TemporaryWorkingDirectory folder;
    MainWindowHarness harness({drawFor(3, 10), drawFor(1, 2)});
    harness.store("allow_saving", "1");
    harness.store("num_of_questions", "1");
    harness.window();
    QTest::mouseClick(harness.controls().Option1[5], Qt::LeftButton);
    harness.takeWholeTest();
    QTest::keyClicks(harness.controls().TxtAnswer, QStringLiteral("Sam, \"Jr\""));
    harness.window().CmdQuit_Click(1);
    const QByteArray expected = "\"Sam, \"\"Jr\"\"\",7,\"times table\",1,\"questions\",0,"
                                "\"seconds\",\"" +
                                harness.window().dateCaption().toLocal8Bit() + "\"\r\n";
    EXPECT_EQ(resultsFile(folder), expected);
    EXPECT_EQ(progress::ProgressLog(harness.progressLogPath()).children(),
              std::vector<QString>{QStringLiteral("Sam, \"Jr\"")});
}

// A folder in the file's place makes every write fail until it is removed.
TEST(QuitWindow, FailedWriteCanBeRetriedOrGivenUp)
{
    for (const bool retry : {true, false}) {
        SCOPED_TRACE(retry ? "retry" : "quit without saving");
        TemporaryWorkingDirectory folder;
        ASSERT_TRUE(QDir().mkdir(QStringLiteral("numberlark.csv")));
        MainWindowHarness harness;
        harness.store("allow_saving", "1");
        int asked = 0;
        harness.dialogs().retryAnswer = [&] {
            ++asked;
            if (retry && asked == 2) {
                QDir().rmdir(QStringLiteral("numberlark.csv"));
            }
            return retry;
        };
        answerOneQuestion(harness);
        harness.window().CmdQuit_Click(1);
        EXPECT_EQ(asked, retry ? 2 : 1);
        ASSERT_FALSE(harness.dialogs().retries.empty());
        const QString shown = harness.dialogs().retries.back().text;
        EXPECT_TRUE(shown.startsWith(
            QStringLiteral("The result could not be saved in the file\n%1\n\n")
                .arg(QDir::current().absoluteFilePath(QStringLiteral("numberlark.csv")))))
            << shown.toStdString();
        EXPECT_GT(shown.size(), shown.indexOf(QStringLiteral("\n\n")) + 3) << "a reason";
        EXPECT_FALSE(harness.window().isVisible());
        EXPECT_EQ(QFileInfo(folder.filePath(QStringLiteral("numberlark.csv"))).isFile(), retry);
    }
}

TEST(QuitWindow, ExitAndTheCloseBoxWriteNothing)
{
    for (const bool useExit : {true, false}) {
        TemporaryWorkingDirectory folder;
        MainWindowHarness harness;
        harness.store("allow_saving", "1");
        answerOneQuestion(harness);
        if (useExit) {
            harness.window().findChild<QAction*>(QStringLiteral("MnuExit"))->trigger();
        } else {
            harness.window().close();
        }
        EXPECT_FALSE(harness.window().isVisible());
        EXPECT_EQ(resultsFile(folder), "<no file>");
    }
}

TEST(SecondaryWindows, OneInstanceEachBroughtBackWhileOpen)
{
    MainWindowHarness harness;
    Form1& window = harness.window();
    int made = 0;
    window.setOptionsWindowFactory([&made] {
        ++made;
        return new QWidget;
    });
    QAction* options = window.findChild<QAction*>(QStringLiteral("MnuOptions"));
    options->trigger();
    QWidget* first = window.optionsWindow();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(first->isModal());
    first->hide(); // out of sight, still open
    options->trigger();
    EXPECT_EQ(made, 1);
    EXPECT_EQ(window.optionsWindow(), first);
    EXPECT_TRUE(first->isVisible());

    first->close(); // discarded when closed
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window.optionsWindow(), nullptr);
    options->trigger();
    EXPECT_EQ(made, 2);
}

TEST(SecondaryWindows, AboutOpensAtOnceAndBothCloseWithQuit)
{
    MainWindowHarness harness;
    Form1& window = harness.window();
    window.setAboutWindowFactory([] { return new QWidget; });
    window.findChild<QAction*>(QStringLiteral("MnuAbout"))->trigger();
    window.MnuOptions_Click(); // the placeholder until the options window is connected
    window.findChild<QAction*>(QStringLiteral("MnuProgress"))->trigger(); // placeholder too
    const QPointer<QWidget> about = window.aboutWindow();
    const QPointer<QWidget> options = window.optionsWindow();
    const QPointer<QWidget> progress = window.progressWindow();
    ASSERT_TRUE(about && options && progress);
    EXPECT_TRUE(about->isVisible());
    window.CmdQuit_Click(1);
    EXPECT_TRUE(about.isNull());
    EXPECT_TRUE(options.isNull());
    EXPECT_TRUE(progress.isNull());
}

TEST(SecondaryWindows, PrintCommandsCallTheirHooksAndAreSafeWithoutThem)
{
    MainWindowHarness harness;
    Form1& window = harness.window();
    QAction* print = window.findChild<QAction*>(QStringLiteral("MnuPrint"));
    QAction* pdf = window.findChild<QAction*>(QStringLiteral("MnuSavePdf"));
    print->trigger();
    pdf->trigger();
    window.Cmdprint_Click(1);
    int printed = 0;
    int saved = 0;
    window.setPrintHandler([&printed] { ++printed; });
    window.setSavePdfHandler([&saved] { ++saved; });
    print->trigger();
    window.printButton()->click();
    pdf->trigger();
    EXPECT_EQ(printed, 2);
    EXPECT_EQ(saved, 1);
    EXPECT_EQ(window.printButton(), harness.controls().Cmdprint);
}

} // namespace
} // namespace numberlark
