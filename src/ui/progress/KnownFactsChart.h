#pragma once

#include "practice/WeeklyTrend.h"

#include <QChartView>

#include <vector>

class QDateTimeAxis;
class QLineSeries;
class QValueAxis;

namespace numberlark {

// How many facts the child knew at the end of each week: a small chart that
// rises as she learns, beside the trend of her speed.
class KnownFactsChart : public QChartView {
    Q_OBJECT

public:
    explicit KnownFactsChart(QWidget* parent = nullptr);

    void setCounts(const std::vector<practice::WeekFigure>& knownByWeek);
    // Beneath the trend, the same weeks as its chart shows.
    void setTimeRange(const QDateTime& from, const QDateTime& to);
    QLineSeries* counts() const { return m_counts; }

private:
    QDateTimeAxis* m_time = nullptr;
    QValueAxis* m_facts = nullptr;
    QLineSeries* m_counts = nullptr;
};

} // namespace numberlark
