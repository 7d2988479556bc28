#pragma once

#include "progress/ProgressRecords.h"

#include <QChartView>
#include <QHash>
#include <QStringList>

#include <utility>
#include <vector>

class QDateTimeAxis;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace numberlark {

// Seconds per question for each test over time: one line per table choice,
// with a point per test whose tooltip names the test. The chart and its axes
// are built once; a new child only replaces the series.
class ProgressChart : public QChartView {
    Q_OBJECT

public:
    explicit ProgressChart(QWidget* parent = nullptr);

    void setTests(const std::vector<progress::TestRecord>& tests);
    // The tooltip text of a test's point.
    static QString pointText(const progress::TestRecord& test);

private:
    struct SeriesPair {
        QLineSeries* line = nullptr;
        QScatterSeries* points = nullptr;
    };
    void addSeries(const progress::TableChoiceRecord& table);
    void fillSeries(const SeriesPair& series,
                    const std::vector<const progress::TestRecord*>& tests);
    void fitAxes(const std::vector<progress::TestRecord>& tests);
    void showPointText(QScatterSeries* series, const QPointF& point, bool hovering);

    QDateTimeAxis* m_time = nullptr;
    QValueAxis* m_seconds = nullptr;
    // The table choices shown, in legend order, and their series.
    std::vector<std::pair<int, int>> m_keys;
    std::vector<SeriesPair> m_shown;
    QHash<QScatterSeries*, QStringList> m_pointTexts;
};

} // namespace numberlark
