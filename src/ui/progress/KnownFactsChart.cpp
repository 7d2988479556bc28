#include "ui/progress/KnownFactsChart.h"

#include "ui/progress/ProgressChart.h"

#include <QChart>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace numberlark {

namespace {

constexpr double kMinimumTop = 4.0;
constexpr qint64 kWeekMillis = 7LL * 24 * 3600 * 1000;

// At most kMostSteps steps of 1, 2 or 5 times a power of ten, so the
// small chart keeps room for its labels.
constexpr int kMostSteps = 4;

double niceStep(double top)
{
    for (double power = 1.0;; power *= 10.0) {
        for (const double step : {1.0, 2.0, 5.0}) {
            if (top / (step * power) <= kMostSteps) {
                return step * power;
            }
        }
    }
}

} // namespace

KnownFactsChart::KnownFactsChart(QWidget* parent) : QChartView(parent)
{
    setObjectName(QStringLiteral("KnownFactsChart"));
    setRenderHint(QPainter::Antialiasing);
    QChart* chart = this->chart();
    chart->setTitle(tr("Facts known, week by week"));
    chart->legend()->hide();
    chart->setMargins(QMargins(4, 0, 4, 0));
    m_time = new QDateTimeAxis;
    m_time->setFormat(QStringLiteral("d MMM"));
    m_time->setTickCount(4);
    m_time->setRange(QDateTime::currentDateTime().addDays(-7), QDateTime::currentDateTime());
    m_facts = new QValueAxis;
    m_facts->setLabelFormat(QStringLiteral("%.0f"));
    m_facts->setTickType(QValueAxis::TicksDynamic);
    chart->addAxis(m_time, Qt::AlignBottom);
    chart->addAxis(m_facts, Qt::AlignLeft);
    m_counts = new QLineSeries;
    m_counts->setName(tr("Facts known"));
    m_counts->setPen(QPen(QColor(0x1b, 0x5e, 0x20), 2.5, Qt::DashLine));
    m_counts->setPointsVisible(true);
    chart->addSeries(m_counts);
    m_counts->attachAxis(m_time);
    m_counts->attachAxis(m_facts);
    setAccessibleName(tr("Facts known, week by week"));
}

void KnownFactsChart::setCounts(const std::vector<practice::WeekFigure>& knownByWeek)
{
    QList<QPointF> points;
    double top = kMinimumTop;
    for (const practice::WeekFigure& week : knownByWeek) {
        points.append(
            QPointF(static_cast<qreal>(middleOfWeek(week.monday).toMSecsSinceEpoch()), week.value));
        top = std::max(top, week.value);
    }
    m_counts->replace(points);
    const QDateTime now = QDateTime::currentDateTime();
    const qint64 first = points.isEmpty() ? now.toMSecsSinceEpoch() - kWeekMillis
                                          : static_cast<qint64>(points.constFirst().x());
    const qint64 last =
        points.isEmpty() ? now.toMSecsSinceEpoch() : static_cast<qint64>(points.constLast().x());
    setTimeRange(QDateTime::fromMSecsSinceEpoch(first - kWeekMillis / 2),
                 QDateTime::fromMSecsSinceEpoch(last + kWeekMillis / 2));
    const double step = niceStep(top);
    m_facts->setTickInterval(step);
    m_facts->setTickAnchor(0.0);
    m_facts->setRange(0.0, std::ceil(top / step) * step);
}

void KnownFactsChart::setTimeRange(const QDateTime& from, const QDateTime& to)
{
    m_time->setRange(from, to);
}

} // namespace numberlark
