#pragma once

#include "practice/Fluency.h"
#include "progress/ProgressRecords.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace numberlark::classroom {

// A child of the class and how many facts (ordered pairs, as the question
// showed them) their answers on every computer say they know.
struct ChildSummary {
    QString child;
    int tests = 0;
    int knownFacts = 0;
};

// How the whole class does on one fact.
struct ClassFact {
    std::int16_t first = 0;
    std::int16_t second = 0;
    int asked = 0;
    int rightFirstTime = 0;
    int wrongAnswers = 0;
    double averageMillis = 0;
    int trickyFor = 0; // children who find it Tricky
};

// One child's answers to one fact (an ordered pair), counted on the server.
struct ChildFactCounts {
    QString child;
    std::int16_t first = 0;
    std::int16_t second = 0;
    int asked = 0;
    int rightFirstTime = 0;
    int wrongAnswers = 0;
    std::int64_t totalMillis = 0; // of every answer, for the class's average
    practice::Fluency fluency = practice::Fluency::NotAskedYet;
};

// The whole class as the teacher's overview shows it.
struct ClassCounts {
    std::vector<ChildSummary> children; // by name
    std::vector<ClassFact> hardest;     // Tricky for the most children first
    std::vector<ChildFactCounts> facts; // by child, then fact
};

// A test on the server, with the login of the computer that delivered it.
struct DeliveredTest {
    progress::TestRecord test;
    QString deliveredBy;
};

// The teacher's reading of the class, over every computer's tests and
// practice sessions. The queries are portable SQL (SQLite runs them too);
// the facts they count are the ordered pairs the questions showed. Which
// facts a child knows comes from her answers in the order she gave them,
// through the same fluency rule as on her own computer, under `limit`.
QSqlError classChildren(const QSqlDatabase& db, practice::FluencyLimit limit,
                        std::vector<ChildSummary>& children);
// At most `count` facts that at least one child finds Tricky, those Tricky
// for the most children first; fewer when fewer are.
QSqlError hardestFacts(const QSqlDatabase& db, int count, practice::FluencyLimit limit,
                       std::vector<ClassFact>& facts);
// Every child's answers counted per fact, with her fluency on it, for the
// class-by-fact map.
QSqlError childFactCounts(const QSqlDatabase& db, practice::FluencyLimit limit,
                          std::vector<ChildFactCounts>& counts);
// The class's children, its `hardestCount` hardest facts and every child's
// counts per fact, from one pass over every answer: classChildren() and
// hardestFacts() in one, as a class of a school year needs it.
QSqlError readClassCounts(const QSqlDatabase& db, int hardestCount, practice::FluencyLimit limit,
                          ClassCounts& counts);
QSqlError childTests(const QSqlDatabase& db, const QString& child,
                     std::vector<DeliveredTest>& tests);
// A child's practice sessions on every computer, oldest first, with their answers.
QSqlError childPractice(const QSqlDatabase& db, const QString& child,
                        std::vector<progress::PracticeSessionRecord>& sessions);

// What the login asking may read. The server decides which rows, by its
// row-level security: the program only tells the teacher whose they are.
struct ClassAccess {
    bool canRead = false;     // a teacher's login; a computer's may not
    bool wholeSchool = false; // a head teacher's login reads every class
    QStringList classes;      // the classes this login belongs to
};
QSqlError readClassAccess(const QSqlDatabase& db, ClassAccess& access);

} // namespace numberlark::classroom
