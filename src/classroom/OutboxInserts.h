#pragma once

#include "progress/ProgressRecords.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariantList>

#include <map>

namespace numberlark::classroom {

// The statements that add a test or a practice session and its answers,
// each unless the server holds its uuid already. Qt's driver prepares every
// statement on the server, so each is prepared once per connection; a new
// connection needs a new OutboxInserts.
class OutboxInserts {
public:
    explicit OutboxInserts(const QSqlDatabase& db);

    QSqlError insert(const progress::TestRecord& test);
    QSqlError insert(const progress::PracticeSessionRecord& session);

    // Answers go in statements of at most this many rows.
    static constexpr std::size_t kRowsPerStatement = 200;

private:
    QSqlError exec(const QString& sql, const QVariantList& values);
    template <typename Answer, typename Row>
    QSqlError insertAnswers(const QString& head, const std::vector<Answer>& answers, Row row);

    QSqlDatabase m_db;
    std::map<QString, QSqlQuery> m_prepared; // by their SQL
};

} // namespace numberlark::classroom
