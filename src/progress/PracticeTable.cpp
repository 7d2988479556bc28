#include "progress/PracticeTable.h"

#include "progress/ChildNames.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include <unordered_map>

namespace numberlark::progress {

namespace {

QSqlError insertAnswers(QSqlDatabase& db, const PracticeSessionRecord& session)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO practice_answers (session_id, seq, fact_first,"
                                 " fact_second, wrong_tries, millis) VALUES (?, ?, ?, ?, ?, ?)"));
    int seq = 0;
    for (const PracticeAnswerRecord& answer : session.answers) {
        query.addBindValue(qlonglong{session.id});
        query.addBindValue(++seq);
        query.addBindValue(answer.first);
        query.addBindValue(answer.second);
        query.addBindValue(answer.wrongTries);
        query.addBindValue(qlonglong{answer.millis});
        if (!query.exec()) {
            return query.lastError();
        }
    }
    return {};
}

QSqlError selectAnswersOf(const QSqlDatabase& db, const QString& where, const QVariantList& values,
                          std::vector<PracticeSessionRecord>& sessions)
{
    std::unordered_map<std::int64_t, std::size_t> indexOf;
    for (std::size_t i = 0; i < sessions.size(); ++i) {
        indexOf.emplace(sessions[i].id, i);
    }
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT a.session_id, a.fact_first, a.fact_second,"
                                 " a.wrong_tries, a.millis FROM practice_answers a"
                                 " JOIN practice_sessions s ON s.id = a.session_id"
                                 " WHERE %1 ORDER BY a.session_id, a.seq")
                      .arg(where));
    bindAll(query, values);
    if (!query.exec()) {
        return query.lastError();
    }
    while (query.next()) {
        const auto found = indexOf.find(query.value(0).toLongLong());
        if (found != indexOf.end()) {
            sessions[found->second].answers.push_back({
                .first = static_cast<std::int16_t>(query.value(1).toInt()),
                .second = static_cast<std::int16_t>(query.value(2).toInt()),
                .wrongTries = query.value(3).toInt(),
                .millis = query.value(4).toLongLong(),
            });
        }
    }
    return query.lastError();
}

} // namespace

QSqlError insertPractice(QSqlDatabase& db, PracticeSessionRecord& session)
{
    if (session.uuid.isNull()) {
        session.uuid = QUuid::createUuid();
    }
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO practice_sessions (uuid, child, started_ms,"
                                 " utc_offset, minutes, limit_ms, delivered)"
                                 " VALUES (?, ?, ?, ?, ?, ?, ?) RETURNING id"));
    query.addBindValue(session.uuid.toString(QUuid::WithoutBraces));
    query.addBindValue(childValue(session.child));
    query.addBindValue(qlonglong{session.started.toMSecsSinceEpoch()});
    query.addBindValue(session.started.offsetFromUtc());
    query.addBindValue(session.minutes);
    query.addBindValue(session.limitMillis ? QVariant(*session.limitMillis)
                                           : QVariant(QMetaType(QMetaType::Int)));
    query.addBindValue(session.delivered ? 1 : 0);
    if (!query.exec() || !query.next()) {
        return query.lastError();
    }
    session.id = query.value(0).toLongLong();
    query.finish();
    return insertAnswers(db, session);
}

QSqlError selectPracticeWhere(const QSqlDatabase& db, const QString& where,
                              const QVariantList& values,
                              std::vector<PracticeSessionRecord>& sessions)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT id, uuid, child, started_ms, utc_offset, minutes,"
                                 " limit_ms, delivered FROM practice_sessions s WHERE %1"
                                 " ORDER BY started_ms, id")
                      .arg(where));
    bindAll(query, values);
    if (!query.exec()) {
        return query.lastError();
    }
    while (query.next()) {
        PracticeSessionRecord session;
        session.id = query.value(0).toLongLong();
        session.uuid = QUuid::fromString(query.value(1).toString());
        session.child = childValue(query.value(2).toString());
        session.started = QDateTime::fromMSecsSinceEpoch(query.value(3).toLongLong(),
                                                         Qt::OffsetFromUTC, query.value(4).toInt());
        session.minutes = query.value(5).toInt();
        if (!query.value(6).isNull()) {
            session.limitMillis = query.value(6).toInt();
        }
        session.delivered = query.value(7).toInt() != 0;
        sessions.push_back(std::move(session));
    }
    if (query.lastError().isValid()) {
        return query.lastError();
    }
    return selectAnswersOf(db, where, values, sessions);
}

QSqlError selectPracticeOf(const QSqlDatabase& db, const QString& child,
                           std::vector<PracticeSessionRecord>& sessions)
{
    QVariantList spellings;
    if (QSqlError error = spellingsOf(db, child, spellings); error.isValid()) {
        return error;
    }
    return selectPracticeWhere(db, childIn(spellings, QStringLiteral("s.child")), spellings,
                               sessions);
}

QSqlError deletePracticeOf(QSqlDatabase& db, const QString& child)
{
    QVariantList spellings;
    if (QSqlError error = spellingsOf(db, child, spellings); error.isValid()) {
        return error;
    }
    QSqlQuery answers(db);
    answers.prepare(QStringLiteral("DELETE FROM practice_answers WHERE session_id IN"
                                   " (SELECT id FROM practice_sessions WHERE %1)")
                        .arg(childIn(spellings)));
    bindAll(answers, spellings);
    if (!answers.exec()) {
        return answers.lastError();
    }
    QSqlQuery sessions(db);
    sessions.prepare(
        QStringLiteral("DELETE FROM practice_sessions WHERE %1").arg(childIn(spellings)));
    bindAll(sessions, spellings);
    return sessions.exec() ? QSqlError() : sessions.lastError();
}

} // namespace numberlark::progress
