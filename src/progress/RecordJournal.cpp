#include "progress/RecordJournal.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace numberlark::progress {

namespace {

QJsonObject toJson(const TestRecord& test)
{
    QJsonArray answers;
    for (const AnsweredQuestion& a : test.answers) {
        answers.append(QJsonArray{a.first, a.second, a.table, a.wrongBefore,
                                  static_cast<qint64>(a.millisToRight)});
    }
    return {{"uuid", test.uuid.toString(QUuid::WithoutBraces)},
            {"child", test.child},
            {"when", test.when.toString(Qt::ISODateWithMs)},
            {"tableKind", static_cast<int>(test.table.kind)},
            {"table", test.table.number},
            {"questions", test.questions},
            {"seconds", test.seconds},
            {"finished", test.finished},
            {"resultsKey", test.resultsKey},
            {"answers", answers}};
}

TestRecord testOf(const QJsonObject& o)
{
    TestRecord test;
    test.uuid = QUuid::fromString(o.value("uuid").toString());
    test.child = o.value("child").toString();
    test.when = QDateTime::fromString(o.value("when").toString(), Qt::ISODateWithMs);
    test.table = {static_cast<TableChoiceRecord::Kind>(o.value("tableKind").toInt()),
                  static_cast<std::int16_t>(o.value("table").toInt())};
    test.questions = o.value("questions").toInt();
    test.seconds = o.value("seconds").toInt();
    test.finished = o.value("finished").toBool();
    test.resultsKey = o.value("resultsKey").toString();
    for (const QJsonValue& v : o.value("answers").toArray()) {
        const QJsonArray a = v.toArray();
        test.answers.push_back(
            {static_cast<std::int16_t>(a.at(0).toInt()), static_cast<std::int16_t>(a.at(1).toInt()),
             static_cast<std::int16_t>(a.at(2).toInt()), a.at(3).toInt(), a.at(4).toInteger()});
    }
    return test;
}

QJsonObject toJson(const PracticeSessionRecord& session)
{
    QJsonArray answers;
    for (const PracticeAnswerRecord& a : session.answers) {
        answers.append(QJsonArray{a.first, a.second, a.wrongTries, static_cast<qint64>(a.millis)});
    }
    QJsonObject o{{"uuid", session.uuid.toString(QUuid::WithoutBraces)},
                  {"child", session.child},
                  {"started", session.started.toString(Qt::ISODateWithMs)},
                  {"minutes", session.minutes},
                  {"answers", answers}};
    if (session.limitMillis) {
        o.insert("limitMillis", *session.limitMillis);
    }
    return o;
}

PracticeSessionRecord practiceOf(const QJsonObject& o)
{
    PracticeSessionRecord session;
    session.uuid = QUuid::fromString(o.value("uuid").toString());
    session.child = o.value("child").toString();
    session.started = QDateTime::fromString(o.value("started").toString(), Qt::ISODateWithMs);
    session.minutes = o.value("minutes").toInt();
    if (o.contains("limitMillis")) {
        session.limitMillis = o.value("limitMillis").toInt();
    }
    for (const QJsonValue& v : o.value("answers").toArray()) {
        const QJsonArray a = v.toArray();
        session.answers.push_back({static_cast<std::int16_t>(a.at(0).toInt()),
                                   static_cast<std::int16_t>(a.at(1).toInt()), a.at(2).toInt(),
                                   a.at(3).toInteger()});
    }
    return session;
}

} // namespace

RecordJournal::RecordJournal(const QString& logPath)
    : m_path(logPath.isEmpty()
                 ? QString()
                 : QFileInfo(logPath).absolutePath() + QStringLiteral("/progress-journal.json"))
{
}

bool RecordJournal::isEmpty() const
{
    return m_path.isEmpty() || !QFileInfo::exists(m_path);
}

RecordJournal::Kept RecordJournal::read()
{
    Kept kept;
    QFile file(m_path);
    if (m_path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        return kept;
    }
    QJsonParseError error;
    const QJsonObject all = QJsonDocument::fromJson(file.readAll(), &error).object();
    file.close();
    if (error.error != QJsonParseError::NoError) {
        // Someone who can mend it finds it beside the log; it is never
        // written over or taken as empty.
        const QString aside = QFileInfo(m_path).absolutePath() +
                              QStringLiteral("/progress-journal-unreadable-%1.json")
                                  .arg(QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss"));
        QFile::rename(m_path, aside);
        return kept;
    }
    for (const QJsonValue& v : all.value("tests").toArray()) {
        kept.tests.push_back(testOf(v.toObject()));
    }
    for (const QJsonValue& v : all.value("practice").toArray()) {
        kept.practice.push_back(practiceOf(v.toObject()));
    }
    return kept;
}

Outcome RecordJournal::replace(const Kept& left)
{
    if (left.tests.empty() && left.practice.empty()) {
        return QFile::remove(m_path) || !QFileInfo::exists(m_path)
                   ? Outcome::success()
                   : Outcome::failure(QString(), m_path);
    }
    QJsonArray tests;
    for (const TestRecord& test : left.tests) {
        tests.append(toJson(test));
    }
    QJsonArray practice;
    for (const PracticeSessionRecord& session : left.practice) {
        practice.append(toJson(session));
    }
    // On a first run the folder the log will live in may not exist yet.
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile file(m_path);
    if (m_path.isEmpty() || !file.open(QIODevice::WriteOnly) ||
        file.write(QJsonDocument(QJsonObject{{"tests", tests}, {"practice", practice}}).toJson()) <
            0 ||
        !file.commit()) {
        return Outcome::failure(
            QCoreApplication::translate("RecordJournal", "%1 could not be written: %2.")
                .arg(m_path, file.errorString()),
            m_path, file.errorString());
    }
    return Outcome::success();
}

Outcome RecordJournal::keep(TestRecord test)
{
    if (test.uuid.isNull()) {
        test.uuid = QUuid::createUuid();
    }
    Kept kept = read();
    kept.tests.push_back(std::move(test));
    return replace(kept);
}

Outcome RecordJournal::keep(PracticeSessionRecord session)
{
    if (session.uuid.isNull()) {
        session.uuid = QUuid::createUuid();
    }
    Kept kept = read();
    kept.practice.push_back(std::move(session));
    return replace(kept);
}

} // namespace numberlark::progress
