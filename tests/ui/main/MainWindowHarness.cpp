#include "MainWindowHarness.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace numberlark::testing {

const QDateTime MainWindowHarness::kCompletionTime(QDate(2026, 6, 12), QTime(10, 42, 5));

MainWindowHarness::MainWindowHarness(std::vector<double> draws)
    : m_pendingRandom(std::make_unique<ScriptedRandom>(std::move(draws)))
{
    m_random = m_pendingRandom.get();
}

void MainWindowHarness::store(const char* key, const char* value)
{
    m_store.write(QString::fromLatin1(key), QString::fromLatin1(value));
}

Form1& MainWindowHarness::window()
{
    if (!m_window) {
        m_window = std::make_unique<Form1>(m_store, std::move(m_pendingRandom));
        WindowSeams& seams = m_window->seams();
        seams.pause = m_pause.scheduler();
        seams.beep = [this] { ++m_beeps; };
        seams.now = [] { return kCompletionTime; };
        if (!m_dialogs->retryAnswer) {
            m_dialogs->retryAnswer = [] {
                ADD_FAILURE() << "unexpected save failure";
                return false;
            };
        }
        seams.dialogs = m_dialogs;
        m_window->progressRecording().setModulePaths(
            {QStringLiteral(NUMBERLARK_PROGRESS_RECORDING_MODULE)});
        m_window->progressRecording().setLogPath(progressLogPath());
        m_window->progressRecording().setNotice(
            [this](const QString& message) { m_progressNotices << message; });
        m_window->show();
    }
    return *m_window;
}

QString MainWindowHarness::progressLogPath() const
{
    return m_progressFolder.filePath(QStringLiteral("progress.sqlite"));
}

QString MainWindowHarness::text(const char* controlName)
{
    QWidget* control = window().findChild<QWidget*>(QString::fromLatin1(controlName));
    if (auto* label = qobject_cast<QLabel*>(control)) {
        return label->text();
    }
    if (auto* box = qobject_cast<QLineEdit*>(control)) {
        return box->text();
    }
    ADD_FAILURE() << "no text control " << controlName;
    return {};
}

void MainWindowHarness::answer(const QString& typed)
{
    QLineEdit* box = controls().TxtAnswer;
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, typed);
    pressEnter();
}

void MainWindowHarness::pressEnter()
{
    QTest::keyClick(controls().TxtAnswer, Qt::Key_Return);
}

void MainWindowHarness::clickTest()
{
    QTest::mouseClick(controls().CmdTest, Qt::LeftButton);
}

void MainWindowHarness::answerCorrectly()
{
    answer(QString::number(window().record().answer));
    m_pause.endOne();
}

void MainWindowHarness::takeWholeTest()
{
    clickTest();
    while (window().session().phase() == QuizSession::Phase::Running) {
        answerCorrectly();
    }
    m_pause.endAll();
}

} // namespace numberlark::testing
