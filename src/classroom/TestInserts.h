#pragma once

#include "classroom/ClassroomTest.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <map>
#include <optional>

namespace numberlark::classroom {

// The statements that add one test and its answers, prepared once per
// connection: Qt's driver prepares each on the server, so preparing them
// anew for every test would cost two more round trips each.
class TestInserts {
public:
    explicit TestInserts(const QSqlDatabase& db);

    // Adds the test and its answers unless the server holds its uuid already.
    QSqlError insert(const ClassroomTest& test);

    // Answers go in statements of at most this many rows.
    static constexpr int kAnswersPerStatement = 200;

private:
    QSqlError insertAnswers(const ClassroomTest& test, std::size_t from, std::size_t count);
    // Null, with the reason in `error`, when the server refused to prepare it.
    QSqlQuery* answersStatement(std::size_t rows, QSqlError* error);

    QSqlDatabase m_db;
    std::optional<QSqlQuery> m_test;
    std::map<std::size_t, QSqlQuery> m_answers; // by number of rows
};

} // namespace numberlark::classroom
