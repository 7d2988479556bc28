#pragma once

#include "practice/WeeklyTrend.h"
#include "progress/ProgressRecords.h"

#include <QWidget>

#include <vector>

class QComboBox;
class QLabel;

namespace numberlark {

class KnownFactsChart;
class ProgressChart;

// The trend a parent reads at a glance: one sentence on her speed, the
// chart of seconds per question week by week, and below it the facts she
// knows. A picker shows one table's figures instead of all tables'.
class TrendPanel : public QWidget {
    Q_OBJECT

public:
    explicit TrendPanel(QWidget* parent = nullptr);

    void setHistory(const std::vector<progress::TestRecord>& tests,
                    const std::vector<progress::PracticeSessionRecord>& practice,
                    practice::FluencyLimit limit);

    ProgressChart* chart() const { return m_chart; }
    KnownFactsChart* knownChart() const { return m_known; }
    QComboBox* tablePicker() const { return m_tables; }
    QLabel* sentence() const { return m_sentence; }

private:
    void fillTablePicker();
    void showTable();

    std::vector<progress::TestRecord> m_tests;
    std::vector<progress::PracticeSessionRecord> m_practice;
    std::vector<practice::PracticeAnswer> m_history; // oldest first
    practice::FluencyLimit m_limit;
    QLabel* m_sentence = nullptr;
    QComboBox* m_tables = nullptr;
    ProgressChart* m_chart = nullptr;
    KnownFactsChart* m_known = nullptr;
};

} // namespace numberlark
