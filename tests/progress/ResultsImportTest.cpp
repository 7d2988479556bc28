#include "progress/ResultsImport.h"
#include "progress/ProgressLog.h"
#include "progress/ResultsLineKey.h"
#include "progress/ResultsLineReader.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

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
    EXPECT_TRUE(missing.fileRead.failed());
    EXPECT_EQ(missing.fileRead.path, folder.filePath(QStringLiteral("none.csv")));
    EXPECT_TRUE(missing.fileRead.message.contains(missing.fileRead.path));
}

// Files as old programs, spreadsheets and accidents leave them. A case with
// no bytes names a path that is not a regular file.
TEST(ResultsImport, ReadsOddFilesAndRefusesWhatIsNotAFile)
{
    const QByteArray tail = R"(,7,"times table",20,"questions",47,"seconds","on 06/12/2026 at )";
    const auto line = [&tail](const QByteArray& name, const char* time = "10:42:05") {
        return "\"" + name + "\"" + tail + time + "\"";
    };
    QTemporaryDir folder;
    const QString fifo = folder.filePath(QStringLiteral("fifo.csv"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    struct Case {
        const char* name;
        QByteArray bytes;
        QString path; // instead of bytes
        QStringList children;
        int unreadable;
        const char* problem;
    };
    const Case cases[] = {
        {"CR-only line ends",
         line("Ann") + "\r" + line("Ben") + "\r" + line("Cy") + "\r",
         {},
         {"Ann", "Ben", "Cy"},
         0,
         ""},
        {"mixed line ends and no final one",
         line("Ann") + "\r\n\r\n" + line("Ben") + "\n" + line("Cy"),
         {},
         {"Ann", "Ben", "Cy"},
         0,
         ""},
        {"Latin-1 and Windows-1252",
         line("Zo\xeb") + "\n" + line("Zo\xc3\xa9") + "\n" +
             line("\x93"
                  "Fran\xe7ois\x94 \x80"),
         {},
         {QString::fromUtf8("Zoé"), QString::fromUtf8("Zoë"), QString::fromUtf8("“François” €")},
         0,
         ""},
        {"one name composed and decomposed",
         line("Ren\xc3\xa9"
              "e") +
             "\n" +
             line("Rene\xcc\x81"
                  "e"),
         {},
         {QString::fromUtf8("Renée")},
         0,
         ""},
        {"AM and PM",
         line("Ann", "9:05:00 PM") + "\n" +
             line("Ben", "9:05:00\xe2\x80\xaf"
                         "AM"),
         {},
         {"Ann", "Ben"},
         0,
         ""},
        {"no questions or fewer",
         QByteArray(R"("Ann",7,"times table",0,"questions",4,"seconds","Date")") + "\n" +
             R"("Ben",7,"times table",-3,"questions",4,"seconds","Date")",
         {},
         {},
         2,
         ""},
        {"a line too long to be a results line",
         QByteArray(400 * 1024, 'x') + "\n" + line("Ann"),
         {},
         {"Ann"},
         1,
         ""},
        {"a FIFO", {}, fifo, {}, 0, "not a regular file"},
        {"a device", {}, QStringLiteral("/dev/zero"), {}, 0, "not a regular file"},
        {"a folder", {}, folder.path(), {}, 0, "Is a directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir logFolder;
        QString path = c.path;
        if (path.isEmpty()) {
            path = logFolder.filePath(QStringLiteral("numberlark.csv"));
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.bytes);
        }
        ProgressLog log(logFolder.filePath(QStringLiteral("progress.sqlite")));
        const ImportOutcome outcome = importResultsFile(log, path, kBritish);
        EXPECT_TRUE(outcome.fileRead.message.contains(QString::fromUtf8(c.problem)))
            << outcome.fileRead.message.toStdString();
        EXPECT_EQ(outcome.fileRead.done(), QByteArray(c.problem).isEmpty());
        EXPECT_EQ(outcome.unreadableCount, c.unreadable);
        QStringList children;
        for (const QString& child : log.children()) {
            children << child;
            for (const TestRecord& test : log.testsOf(child)) {
                EXPECT_TRUE(test.when.isValid()) << test.dateText.toStdString();
            }
        }
        children.sort();
        EXPECT_EQ(children, c.children);
        EXPECT_EQ(outcome.added, c.name == std::string("one name composed and decomposed")
                                     ? 2
                                     : static_cast<int>(c.children.size()));
    }
}

// Stopped at once, the import adds nothing; the same file again adds it all.
TEST(ResultsImport, AStoppedImportAddsTheRestWhenImportedAgain)
{
    QTemporaryDir folder;
    const QString csv = folder.filePath(QStringLiteral("numberlark.csv"));
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    for (int n = 0; n < 12000; ++n) {
        file.write(QStringLiteral("\"Child %1\",7,\"times table\",20,\"questions\",47,\"seconds\","
                                  "\"on 06/12/2026 at 10:42:05\"\n")
                       .arg(n)
                       .toUtf8());
    }
    file.close();
    ProgressLog log(folder.filePath(QStringLiteral("progress.sqlite")));
    const ImportOutcome stopped =
        importResultsFile(log, csv, kBritish, [](std::int64_t, std::int64_t) { return false; });
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_EQ(stopped.added, 0);
    EXPECT_TRUE(log.children().empty());
    std::int64_t last = 0;
    const ImportOutcome whole =
        importResultsFile(log, csv, kBritish, [&last](std::int64_t done, std::int64_t total) {
            EXPECT_GE(done, last);
            last = done;
            return done <= total;
        });
    EXPECT_FALSE(whole.cancelled);
    EXPECT_EQ(whole.added, 12000);
    EXPECT_EQ(log.children().size(), 12000u);
}

// Each number and flag of a line reaches the log as the line reads, the
// extremes of each included, however the import carries them on the way.
TEST(ResultsImport, StoresEachTestAsItsLineReads)
{
    const QByteArray lines[] = {
        R"("Ann",7,"times table",20,"questions",47,"seconds","on 06/12/2026 at 10:42:05")",
        R"("Ben",-99999,"times table",99999,"questions",99999,"seconds","on 31/12/99 at 23:59:59")",
        R"("Cy",99999,"times table",1,"questions",0,"seconds","on 1/1/2026 at 0:00:00")",
        R"("Di","Mixed","times tables",5,"questions",-7,"seconds","on Freitag at noon")",
        R"("Ed",12,"times table",3,"questions",2,"seconds","Date")",
    };
    QTemporaryDir folder;
    const QString csv = folder.filePath(QStringLiteral("numberlark.csv"));
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    for (const QByteArray& line : lines) {
        file.write(line + "\n");
    }
    file.close();
    ProgressLog log(folder.filePath(QStringLiteral("progress.sqlite")));
    ASSERT_EQ(importResultsFile(log, csv, kBritish).added, static_cast<int>(std::size(lines)));
    for (const QByteArray& line : lines) {
        SCOPED_TRACE(line.constData());
        const std::optional<TestRecord> read = readResultsLine(line, kBritish);
        ASSERT_TRUE(read.has_value());
        const std::vector<TestRecord> stored = log.testsOf(read->child);
        ASSERT_EQ(stored.size(), 1u);
        EXPECT_EQ(stored[0].table, read->table);
        EXPECT_EQ(stored[0].questions, read->questions);
        EXPECT_EQ(stored[0].seconds, read->seconds);
        EXPECT_EQ(stored[0].finished, read->finished);
        EXPECT_TRUE(stored[0].imported);
        EXPECT_EQ(stored[0].when, read->when);
        EXPECT_EQ(stored[0].when.offsetFromUtc(), read->when.offsetFromUtc());
        EXPECT_EQ(stored[0].dateText, read->dateText);
        EXPECT_EQ(stored[0].resultsKey, read->resultsKey);
    }
}

} // namespace
