#include "ui/classview/ClassOverview.h"

#include <map>

namespace numberlark {

std::vector<ChildFactRow> factRows(const ClassOverview& overview)
{
    std::map<QString, std::size_t> rowOf;
    for (std::size_t i = 0; i < overview.children.size(); ++i) {
        rowOf.emplace(overview.children[i].child, i);
    }
    std::vector<ChildFactRow> rows(overview.children.size());
    for (ChildFactRow& row : rows) {
        row.fill(nullptr);
    }
    for (const classroom::ChildFactCounts& counts : overview.facts) {
        const auto found = rowOf.find(counts.child);
        // An Other table's facts beyond 12 count as known, but have no square.
        if (found == rowOf.end() || counts.first < 1 || counts.first > kMapSide ||
            counts.second < 1 || counts.second > kMapSide) {
            continue;
        }
        rows[found->second][(counts.first - 1) * kMapSide + counts.second - 1] = &counts;
    }
    return rows;
}

progress::TestRecord toTestRecord(const classroom::DeliveredTest& delivered)
{
    using Kind = progress::TableChoiceRecord::Kind;
    const classroom::ClassroomTest& test = delivered.test;
    progress::TestRecord record;
    record.child = test.child;
    record.when = test.when;
    switch (test.tableKind) {
    case classroom::TableKind::Mixed:
        record.table = {Kind::Mixed, 0};
        break;
    case classroom::TableKind::Other:
        record.table = {Kind::Other, test.tableNumber};
        break;
    case classroom::TableKind::Table:
        record.table = {Kind::Table, test.tableNumber};
        break;
    }
    record.questions = test.questions;
    record.seconds = test.seconds;
    record.finished = test.finished;
    record.answers = test.answers;
    record.uuid = test.uuid;
    record.delivered = true;
    return record;
}

std::vector<progress::TestRecord>
toTestRecords(const std::vector<classroom::DeliveredTest>& delivered)
{
    std::vector<progress::TestRecord> records;
    records.reserve(delivered.size());
    for (const classroom::DeliveredTest& test : delivered) {
        records.push_back(toTestRecord(test));
    }
    return records;
}

std::vector<progress::PracticeSessionRecord>
toPracticeRecords(const std::vector<classroom::ClassroomPractice>& sessions)
{
    std::vector<progress::PracticeSessionRecord> records;
    records.reserve(sessions.size());
    for (const classroom::ClassroomPractice& session : sessions) {
        progress::PracticeSessionRecord record;
        record.uuid = session.uuid;
        record.child = session.child;
        record.started = session.started;
        record.minutes = session.minutes;
        record.limitMillis = session.limitMillis;
        record.delivered = true;
        for (const classroom::ClassroomPracticeAnswer& answer : session.answers) {
            record.answers.push_back(
                {answer.first, answer.second, answer.wrongTries, answer.millis});
        }
        records.push_back(std::move(record));
    }
    return records;
}

} // namespace numberlark
