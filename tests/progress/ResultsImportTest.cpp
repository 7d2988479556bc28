#include "progress/ResultsImport.h"
#include "progress/ProgressLog.h"
#include "progress/ResultsLineKey.h"
#include "progress/ResultsLineReader.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using namespace numberlark::progress;

namespace {

const QLocale kBritish(QLocale::English, QLocale::UnitedKingdom);

TEST(ResultsLineReader, ReadsEveryFormTheProgramHasWritten)
{
    using Kind = TableChoiceRecord::Kind;
    struct Case {
        const char* line;
        const char* child;
        TableChoiceRecord table;
        int questions;
        int seconds;
        QDateTime when;
        const char* dateText;
    };
    const QDateTime dec6(QDate(2026, 12, 6), QTime(10, 42, 5));
    const Case cases[] = {
        {R"line("Sam",7,"times table",20,"questions",47,"seconds","on 06/12/2026 at 10:42:05")line",
         "Sam",
         {Kind::Table, 7},
         20,
         47,
         dec6,
         ""},
        {"\"Sam\",\"Mixed\",\"times tables\",20,\"questions\",47,\"seconds\","
         "\"on 06/12/2026 at 10:42:05\"\r\n",
         "Sam",
         {Kind::Mixed, 0},
         20,
         47,
         dec6,
         ""},
        {R"line("Zoë ""Z"" O'Brien",13,"times table",3,"questions",8,"seconds","on 06/12/2026 at 10:42:05")line",
         "Zoë \"Z\" O'Brien",
         {Kind::Other, 13},
         3,
         8,
         dec6,
         ""},
        {R"line(" Bob "Jr"",-4,"times table",1,"questions",-1,"seconds","on 06/12/2026 at 10:42:05")line",
         "Bob \"Jr\"",
         {Kind::Other, -4},
         1,
         0,
         dec6,
         ""},
        {"\"E\x0cv\xe2\x80\xa8"
         "e\xc2\x85!\",9,\"times table\",1,\"questions\",3,\"seconds\","
         "\"on 06/12/2026 at 10:42:05\"",
         "E\x0cv\xe2\x80\xa8"
         "e\xc2\x85!",
         {Kind::Table, 9},
         1,
         3,
         dec6,
         ""},
        {R"line("27",9,"times table",1,"questions",3,"seconds","Date")line",
         "",
         {Kind::Table, 9},
         1,
         3,
         QDateTime(),
         "Date"},
        {R"line("'=1+2",9,"times table",2,"questions",5,"seconds","on 12/25/2026 at 3:04:05 PM")line",
         "=1+2",
         {Kind::Table, 9},
         2,
         5,
         QDateTime(QDate(2026, 12, 25), QTime(15, 4, 5)),
         ""},
        {R"line("",9,"times table",2,"questions",5,"seconds","on Freitag at noon")line",
         "",
         {Kind::Table, 9},
         2,
         5,
         QDateTime(),
         "on Freitag at noon"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const std::optional<TestRecord> test = readResultsLine(c.line, kBritish);
        ASSERT_TRUE(test.has_value());
        EXPECT_EQ(test->child, QString::fromUtf8(c.child));
        EXPECT_EQ(test->table, c.table);
        EXPECT_EQ(test->questions, c.questions);
        EXPECT_EQ(test->seconds, c.seconds);
        EXPECT_EQ(test->when, c.when);
        EXPECT_EQ(test->dateText, QString::fromUtf8(c.dateText));
        EXPECT_EQ(test->finished, QByteArray(c.dateText) != "Date");
        EXPECT_TRUE(test->imported);
        EXPECT_TRUE(test->answers.empty());
    }
    for (const char* notALine : {"Sam,7,times table,20,questions,47,seconds,today",
                                 R"line("Sam",7,"times table",20,"questions")line", "\"\"", "x"}) {
        EXPECT_FALSE(readResultsLine(notALine, kBritish).has_value()) << notALine;
    }
}

TEST(ResultsImport, AddsEachTestOnceAndListsTheLinesItCannotRead)
{
    QTemporaryDir folder;
    const QByteArray sam =
        R"line("Sam",7,"times table",20,"questions",47,"seconds","on 06/12/2026 at 10:42:05")line";
    const QByteArray ann =
        R"line("Ann","Mixed","times tables",5,"questions",30,"seconds","Date")line";
    const QByteArray bob =
        R"line("Bob",8,"times table",20,"questions",61,"seconds","on 07/12/2026 at 09:00:00")line";
    const QString csv = folder.filePath(QStringLiteral("numberlark.csv"));
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(sam + "\r\n" + ann + "\r\n\r\nSam;7;oops\r\n" + sam + "\r\n" + bob + "\r\n");
    file.close();

    ProgressLog log(folder.filePath(QStringLiteral("progress.sqlite")));
    TestRecord recordedAtQuit;
    recordedAtQuit.child = QStringLiteral("Bob");
    recordedAtQuit.when = QDateTime(QDate(2026, 12, 7), QTime(9, 0));
    recordedAtQuit.resultsKey = resultsLineKey(bob);
    ASSERT_TRUE(log.record(recordedAtQuit).done());

    const ImportOutcome first = importResultsFile(log, csv, kBritish);
    EXPECT_EQ(first.status.kind, LogStatus::Kind::Ok);
    EXPECT_EQ(first.added, 2);
    EXPECT_EQ(first.alreadyInLog, 2); // Sam's second copy and Bob's test from Quit
    ASSERT_EQ(first.unreadable.size(), 1u);
    EXPECT_EQ(first.unreadable[0].number, 4);
    EXPECT_EQ(first.unreadable[0].text, QStringLiteral("Sam;7;oops"));

    const ImportOutcome again = importResultsFile(log, csv, kBritish);
    EXPECT_EQ(again.added, 0);
    EXPECT_EQ(again.alreadyInLog, 4);
    EXPECT_EQ(log.testsOf(QStringLiteral("Sam")).size(), 1u);
    EXPECT_EQ(log.testsOf(QStringLiteral("Bob")).size(), 1u);
    EXPECT_EQ(log.testsOf(QString()).front().dateText, QStringLiteral("Date")); // Ann's, quit early

    const ImportOutcome missing =
        importResultsFile(log, folder.filePath(QStringLiteral("none.csv")));
    EXPECT_TRUE(missing.fileProblem.contains(folder.filePath(QStringLiteral("none.csv"))));
}

} // namespace
