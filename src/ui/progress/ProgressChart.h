#pragma once

#include "practice/WeeklyTrend.h"
#include "progress/ProgressRecords.h"

#include <QChartView>
#include <QStringList>

#include <vector>

class QDateTimeAxis;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace numberlark {

// Seconds per question over time, read at a glance: one bold line through
// each week's median, each test a pale dot whose tooltip names it, and a
// mark along the time axis on each day of practice. Line, dots and marks
// differ in shape and weight as well as colour, so a grey printout keeps
// them apart. The chart and its series are built once; a new child or
// table only replaces their points.
class ProgressChart : public QChartView {
    Q_OBJECT

public:
    explicit ProgressChart(QWidget* parent = nullptr);

    // The tests shown are those of `filter`'s table (every test for all
    // tables); `medians` are the weekly figures of the same facts.
    void setTrend(const std::vector<progress::TestRecord>& tests,
                  const std::vector<progress::PracticeSessionRecord>& practice,
                  const std::vector<practice::WeekFigure>& medians, practice::TableFilter filter);
    // The tooltip text of a test's point.
    static QString pointText(const progress::TestRecord& test);

    QScatterSeries* testPoints() const { return m_tests; }
    QLineSeries* weeklyLine() const { return m_weekly; }
    QScatterSeries* practiceDays() const { return m_practiceDays; }
    QDateTimeAxis* timeAxis() const { return m_time; }

private:
    void addSeries(QAbstractSeries* series);
    void fitAxes(const QList<QPointF>& shown, double top);
    void showPointText(const QPointF& point, bool hovering);

    QDateTimeAxis* m_time = nullptr;
    QValueAxis* m_seconds = nullptr;
    QScatterSeries* m_tests = nullptr;
    QLineSeries* m_weekly = nullptr;
    QScatterSeries* m_practiceDays = nullptr;
    QStringList m_pointTexts;
};

// The middle of a calendar week, where its figure is drawn; at the latest now.
QDateTime middleOfWeek(std::chrono::local_days monday);
// A day of the child's wall-clock calendar as a date.
QDate dateOf(std::chrono::local_days day);

} // namespace numberlark
