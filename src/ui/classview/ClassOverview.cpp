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

std::vector<progress::TestRecord>
toTestRecords(const std::vector<classroom::DeliveredTest>& delivered)
{
    std::vector<progress::TestRecord> records;
    records.reserve(delivered.size());
    for (const classroom::DeliveredTest& test : delivered) {
        records.push_back(test.test);
    }
    return records;
}

} // namespace numberlark
