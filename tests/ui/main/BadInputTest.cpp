// What a parent's machine can throw at the program: a settings file that is
// junk, odd text typed or pasted into the boxes, and a results file that
// cannot be written. Each must end in a clear state, never a crash or a
// half-written line.
#include "MainWindowHarness.h"
#include "WorkingDirectory.h"
#include "quiz/TextRules.h"
#include "settings/SettingsStore.h"
#include "ui/main/CaptionLabel.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace numberlark {
namespace {

using testing::MainWindowHarness;
using testing::TemporaryWorkingDirectory;

// Points the per-user settings at a fresh folder for one case, so the file
// written there is the only one the window can read.
class PrivateSettingsFolder {
public:
    PrivateSettingsFolder()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_folder.path());
    }
    ~PrivateSettingsFolder()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_previous.path());
    }
    PrivateSettingsFolder(const PrivateSettingsFolder&) = delete;
    PrivateSettingsFolder& operator=(const PrivateSettingsFolder&) = delete;

    void writeRaw(const QByteArray& bytes)
    {
        const QString file = m_folder.filePath(QStringLiteral("Numberlark/Numberlark.conf"));
        QDir().mkpath(QFileInfo(file).path());
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }

private:
    QTemporaryDir m_folder;
    QTemporaryDir m_previous; // an empty folder to fall back on
};

TEST(BadInput, CorruptSettingsFilesStartWithTheDefaultsOrWhatConverts)
{
    struct Case {
        const char* what;
        QByteArray file;
        bool printing;
        bool sound;
        int questions;
    };
    const Case cases[] = {
        {"binary junk", QByteArray("\x00\xff\xfe[Set\x01tings\n\x7f=\x80\x81\n", 16), false, false,
         20},
        {"junk values", "[Settings]\nallow_printing=\x01\x02\nnum_of_questions=\xff\xfe\n", false,
         false, 20},
        {"huge numbers", "[Settings]\nallow_sound=99999999999\nnum_of_questions=99999999999\n",
         false, true, 20},
        {"just past the range", "[Settings]\nnum_of_questions=32768\n", false, false, 20},
        {"negative questions", "[Settings]\nnum_of_questions=-5\n", false, false, -5},
        {"empty values", "[Settings]\nallow_printing=\nallow_sound=\nnum_of_questions=\n", false,
         false, 20},
        {"a list", "[Settings]\nallow_printing=1, 2\nnum_of_questions=4, 5\n", false, false, 20},
        {"words", "[Settings]\nallow_printing=TRUE\nallow_sound=false\nnum_of_questions=twelve\n",
         true, false, 20},
        {"good values", "[Settings]\nallow_printing=1\nallow_sound=1\nnum_of_questions=12.5\n",
         true, true, 12},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        PrivateSettingsFolder folder;
        folder.writeRaw(test.file);
        QSettingsStore store;
        Form1 window(store, std::make_unique<ClockSeededRandom>(1));
        EXPECT_EQ(window.record().allow_printing, test.printing);
        EXPECT_EQ(window.record().allow_sound, test.sound);
        EXPECT_EQ(window.record().Numofquestions, test.questions);
        EXPECT_EQ(window.controls().lblscoresofar->text().toStdString(),
                  "1 of" + number_text(test.questions));
    }
}

// Text no product can match is judged wrong and leaves the box holding a
// single space; the question and the score stay.
TEST(BadInput, StrangeAnswersAreWrongAndChangeNothing)
{
    const QString strange[] = {
        QString(1000, QLatin1Char('9')),
        QString(1000, QLatin1Char('x')),
        QStringLiteral("\u0662\u0667"), // 27 in Arabic-Indic digits: not a number here
        QStringLiteral("\U0001F600 27"),
        QStringLiteral("\u0001\u0002\u001b"),
        QStringLiteral("2\u00007"),
        QStringLiteral("1e99999"),
        QStringLiteral("&HFFFFFFFFFFFFFFFFFFFF"),
    };
    MainWindowHarness harness;
    harness.clickTest();
    ASSERT_EQ(harness.record().answer, 27);
    for (const QString& text : strange) {
        SCOPED_TRACE(text.left(20).toStdString());
        harness.controls().TxtAnswer->setText(text);
        harness.pressEnter();
        EXPECT_EQ(harness.text("LblCorrect"), "wrong");
        EXPECT_EQ(harness.text("TxtAnswer"), " ");
        EXPECT_EQ(harness.record().score, 0);
        EXPECT_EQ(harness.record().answer, 27);
    }
}

TEST(BadInput, PastedLinesInTheAnswerBoxAreReadAsOneLine)
{
    MainWindowHarness harness;
    harness.clickTest();
    QLineEdit* box = harness.controls().TxtAnswer;
    QGuiApplication::clipboard()->setText(QStringLiteral("2\n7\nlater lines"));
    box->clear();
    box->paste();
    EXPECT_FALSE(box->text().contains(QLatin1Char('\n')));
    harness.pressEnter();
    const bool judgedRight = harness.record().score == 1;
    EXPECT_EQ(judgedRight,
              text_value(box->text().toStdString()) == 27 || harness.pause().waiting() > 0);
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Names a child might type or paste: the line still holds one record of
// eight fields, ending in the one line end.
TEST(BadInput, AnyNameGivesOneWholeResultsLine)
{
    const QString names[] = {
        QString(1000, QLatin1Char('A')),        QStringLiteral("Zo\u00eb \u5b50 \U0001F600"),
        QStringLiteral("Tab\there,\"quoted\""), QStringLiteral("first line\nsecond line"),
        QStringLiteral("\u0001\u0007control"),
    };
    for (const QString& name : names) {
        SCOPED_TRACE(name.left(20).toStdString());
        TemporaryWorkingDirectory folder;
        MainWindowHarness harness;
        harness.store("allow_saving", "1");
        harness.store("num_of_questions", "1");
        harness.takeWholeTest();
        QGuiApplication::clipboard()->setText(name);
        harness.controls().TxtAnswer->paste();
        harness.window().CmdQuit_Click(1);
        const QByteArray line = readAll(folder.filePath(QStringLiteral("numberlark.csv")));
        ASSERT_TRUE(line.endsWith("\r\n"));
        EXPECT_EQ(line.count('\n'), 1);
        EXPECT_EQ(line.count('\r'), 1);
        EXPECT_TRUE(line.startsWith('"' + harness.window().nameText().left(5).toLocal8Bit()));
    }
}

// Places the results file cannot go: the user is told where and why, and
// nothing at all is written.
TEST(BadInput, UnwritableResultsFilesAreReportedWithPathAndReason)
{
    struct Case {
        const char* what;
        std::function<QString(const TemporaryWorkingDirectory&)>
            prepare; // returns the folder to quit in
        const char* reasonPart;
    };
    const Case cases[] = {
        {"a folder in the file's place",
         [](const TemporaryWorkingDirectory&) {
             QDir().mkdir(QStringLiteral("numberlark.csv"));
             return QDir::currentPath();
         },
         "directory"},
        {"a device in the file's place",
         [](const TemporaryWorkingDirectory&) {
             QFile::link(QStringLiteral("/dev/full"), QStringLiteral("numberlark.csv"));
             return QDir::currentPath();
         },
         "Not a regular file"},
        {"a folder that takes no new files, even from root",
         [](const TemporaryWorkingDirectory&) { return QStringLiteral("/sys"); }, "ermission"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        TemporaryWorkingDirectory folder;
        const QString quitIn = test.prepare(folder);
        MainWindowHarness harness;
        harness.store("allow_saving", "1");
        harness.dialogs().retryAnswer = [] { return false; };
        harness.clickTest();
        harness.answerCorrectly();
        const QString before = QDir::currentPath();
        QDir::setCurrent(quitIn);
        harness.window().CmdQuit_Click(1);
        QDir::setCurrent(before);
        ASSERT_EQ(harness.dialogs().retries.size(), 1U);
        const QString shown = harness.dialogs().retries.front().text;
        EXPECT_TRUE(shown.contains(QLatin1Char('\n') +
                                   QDir(quitIn).absoluteFilePath(QStringLiteral("numberlark.csv")) +
                                   QLatin1Char('\n')))
            << shown.toStdString();
        EXPECT_TRUE(shown.contains(QLatin1String(test.reasonPart))) << shown.toStdString();
        EXPECT_FALSE(harness.window().isVisible());
    }
}

} // namespace
} // namespace numberlark
