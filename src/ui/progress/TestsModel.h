#pragma once

#include "progress/ProgressRecords.h"

#include <QAbstractTableModel>

#include <vector>

namespace numberlark {

// A child's tests, one row each: date, table, questions, seconds, seconds
// per question and wrong answers. SortRole gives each cell's value as a
// number or a date, so a sorting proxy orders by value, not by the text.
class TestsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Date, Table, Questions, Seconds, SecondsPerQuestion, WrongAnswers, ColumnCount };
    static constexpr int SortRole = Qt::UserRole;

    explicit TestsModel(QObject* parent = nullptr);

    void setTests(std::vector<progress::TestRecord> tests);
    const std::vector<progress::TestRecord>& tests() const { return m_tests; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The texts of one row, as shown; the report prints them too.
    static QString cellText(const progress::TestRecord& test, int column);

private:
    static QVariant sortValue(const progress::TestRecord& test, int column);

    std::vector<progress::TestRecord> m_tests;
};

} // namespace numberlark
