// Writes progress logs for tests and for a look at the progress window.
//
//   make_progress_log sample FILE [tests] [children] [answers]
//       a made-up history (10,000 tests, 30 children, 20 answers by default)
//   make_progress_log first-version FILE
//       a small log in the first layout, the fixture the upgrade test reads
#include "progress/LogSchema.h"
#include "progress/ProgressLog.h"
#include "progress/SampleTests.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include <cstdio>
#include <cstdlib>

namespace {

using namespace numberlark::progress;

struct FirstVersionTest {
    const char* child;
    const char* when; // ISO 8601 with offset
    int kind;         // 0 table, 1 Mixed, 2 Other
    int table;
    int questions;
    int seconds;
    bool finished;
    std::vector<AnsweredQuestion> answers;
};

// The first layout's own insert: the columns it had, nothing more.
bool insertFirstVersion(QSqlDatabase& db, const FirstVersionTest& test)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO tests (child, taken_ms, utc_offset, table_kind,"
                                 " table_number, questions, seconds, finished)"
                                 " VALUES (?, ?, ?, ?, ?, ?, ?, ?) RETURNING id"));
    const QDateTime when = QDateTime::fromString(QString::fromLatin1(test.when), Qt::ISODate);
    for (const QVariant& value :
         {QVariant(QString::fromUtf8(test.child)), QVariant(when.toMSecsSinceEpoch()),
          QVariant(when.offsetFromUtc()), QVariant(test.kind), QVariant(test.table),
          QVariant(test.questions), QVariant(test.seconds), QVariant(test.finished ? 1 : 0)}) {
        query.addBindValue(value);
    }
    if (!query.exec() || !query.next()) {
        return false;
    }
    const qlonglong id = query.value(0).toLongLong();
    int seq = 0;
    for (const AnsweredQuestion& answer : test.answers) {
        QSqlQuery row(db);
        row.prepare(QStringLiteral("INSERT INTO answers VALUES (?, ?, ?, ?, ?, ?, ?)"));
        for (const QVariant& value :
             {QVariant(id), QVariant(++seq), QVariant(answer.first), QVariant(answer.second),
              QVariant(answer.table), QVariant(answer.wrongBefore),
              QVariant(qlonglong{answer.millisToRight})}) {
            row.addBindValue(value);
        }
        if (!row.exec()) {
            return false;
        }
    }
    return true;
}

int writeFirstVersion(const QString& path)
{
    QFile::remove(path);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(path);
    if (!db.open() || !QSqlQuery(db).exec(QStringLiteral("PRAGMA page_size = 1024")) ||
        migrateLog(db, 0, 1).isValid()) {
        return 1;
    }
    const std::vector<FirstVersionTest> tests = {
        {"Zoë \"Z\" O'Brien",
         "2026-03-02T17:30:05+01:00",
         0,
         7,
         2,
         9,
         true,
         {{7, 8, 7, 1, 4100}, {3, 7, 7, 0, 1900}}},
        {"Sam", "2026-03-03T08:00:00Z", 1, 0, 20, 12, false, {{4, 6, 4, 0, 2500}}},
        {"Zoë \"Z\" O'Brien",
         "2026-03-04T18:15:00+01:00",
         2,
         13,
         1,
         5,
         true,
         {{13, 9, 13, 2, 5200}}},
    };
    for (const FirstVersionTest& test : tests) {
        if (!insertFirstVersion(db, test)) {
            return 1;
        }
    }
    db.close();
    return 0;
}

int writeSample(const QString& path, int argc, char** argv)
{
    SampleShape shape;
    shape.tests = argc > 3 ? std::atoi(argv[3]) : shape.tests;
    shape.children = argc > 4 ? std::atoi(argv[4]) : shape.children;
    shape.answersPerTest = argc > 5 ? std::atoi(argv[5]) : shape.answersPerTest;
    numberlark::ClockSeededRandom random(11);
    {
        ProgressLog log(path);
        const LogStatus status = addSampleTests(log, shape, random);
        if (!status.done()) {
            std::fprintf(stderr, "%s\n", qPrintable(status.message));
            return 1;
        }
    }
    std::printf("%s: %.1f MB\n", qPrintable(path), QFileInfo(path).size() / 1e6);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString mode = argc > 2 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode == QLatin1String("sample")) {
        return writeSample(QString::fromLocal8Bit(argv[2]), argc, argv);
    }
    if (mode == QLatin1String("first-version")) {
        return writeFirstVersion(QString::fromLocal8Bit(argv[2]));
    }
    std::fprintf(stderr,
                 "usage: make_progress_log sample|first-version FILE [tests children answers]\n");
    return 2;
}
