#include "ui/progress/ProgressChart.h"

#include "progress/TestFigures.h"

#include <QChart>
#include <QCursor>
#include <QDateTimeAxis>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QScatterSeries>
#include <QSet>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace numberlark {

using progress::TestRecord;

namespace {

// Room around the points so none sits on the frame.
constexpr qint64 kTimeMarginMillis = 12LL * 3600 * 1000;
constexpr double kMinimumTopSeconds = 5.0;
constexpr qint64 kDaysWithoutHours = 5;
// The practice marks sit just above the time axis, clear of the points.
constexpr double kPracticeMarkHeight = 0.04;
constexpr qint64 kJulianDayOfEpoch = 2440588;

const QColor kLineColour(0x10, 0x2a, 0x6b);
const QColor kTestColour(0xa9, 0xbf, 0xe0);
const QColor kPracticeColour(0xc0, 0x5a, 0x00);

bool shownFor(const TestRecord& test, practice::TableFilter filter)
{
    if (progress::questionsAnswered(test) <= 0 || !test.when.isValid()) {
        return false; // an imported line whose date could not be read has no place in time
    }
    return filter.table == 0 || (test.table.kind == progress::TableChoiceRecord::Kind::Table &&
                                 test.table.number == filter.table);
}

} // namespace

QDate dateOf(std::chrono::local_days day)
{
    return QDate::fromJulianDay(day.time_since_epoch().count() + kJulianDayOfEpoch);
}

QDateTime middleOfWeek(std::chrono::local_days monday)
{
    // This week's figure so far is drawn at today, not at a day to come.
    return std::min(QDateTime(dateOf(monday).addDays(3), QTime(12, 0)),
                    QDateTime::currentDateTime());
}

ProgressChart::ProgressChart(QWidget* parent) : QChartView(parent)
{
    setObjectName(QStringLiteral("ProgressChart"));
    setRenderHint(QPainter::Antialiasing);
    // The view's own chart: one set in its place would leave this one to
    // nobody, as the view gives up a chart it replaces.
    QChart* chart = this->chart();
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    chart->setMargins(QMargins(4, 4, 4, 4));
    m_time = new QDateTimeAxis;
    m_time->setFormat(QStringLiteral("d MMM"));
    m_time->setTickCount(6);
    // Qt Charts draws no date axis at all when it starts without a range.
    m_time->setRange(QDateTime::currentDateTime().addDays(-7), QDateTime::currentDateTime());
    m_seconds = new QValueAxis;
    m_seconds->setLabelFormat(QStringLiteral("%.0f"));
    m_seconds->setTitleText(tr("seconds per question"));
    chart->addAxis(m_time, Qt::AlignBottom);
    chart->addAxis(m_seconds, Qt::AlignLeft);

    m_tests = new QScatterSeries;
    m_tests->setName(tr("Each test"));
    m_tests->setMarkerSize(7.0);
    m_tests->setColor(kTestColour);
    m_tests->setBorderColor(kTestColour);
    m_weekly = new QLineSeries;
    m_weekly->setName(tr("Median of each week"));
    m_weekly->setPen(QPen(kLineColour, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    m_weekly->setPointsVisible(true);
    m_practiceDays = new QScatterSeries;
    m_practiceDays->setName(tr("Practice day"));
    m_practiceDays->setMarkerShape(QScatterSeries::MarkerShapeTriangle);
    m_practiceDays->setMarkerSize(10.0);
    m_practiceDays->setColor(kPracticeColour);
    m_practiceDays->setBorderColor(Qt::black);
    for (QAbstractSeries* series :
         {static_cast<QAbstractSeries*>(m_tests), static_cast<QAbstractSeries*>(m_weekly),
          static_cast<QAbstractSeries*>(m_practiceDays)}) {
        addSeries(series);
    }
    connect(m_tests, &QScatterSeries::hovered, this, &ProgressChart::showPointText);
    setAccessibleName(tr("Seconds per question over time"));
}

void ProgressChart::addSeries(QAbstractSeries* series)
{
    chart()->addSeries(series);
    series->attachAxis(m_time);
    series->attachAxis(m_seconds);
}

QString ProgressChart::pointText(const TestRecord& test)
{
    const QLocale locale;
    //: A point's tip: date; table: seconds for questions; seconds per question.
    return tr("%1\n%2: %3 seconds for %4 questions\n%5 seconds per question")
        .arg(locale.toString(test.when, QLocale::ShortFormat),
             progress::tableChoiceText(test.table))
        .arg(test.seconds)
        .arg(progress::questionsAnswered(test))
        .arg(locale.toString(progress::secondsPerQuestion(test), 'f', 1));
}

void ProgressChart::setTrend(const std::vector<TestRecord>& tests,
                             const std::vector<progress::PracticeSessionRecord>& practice,
                             const std::vector<practice::WeekFigure>& medians,
                             practice::TableFilter filter)
{
    QList<QPointF> dots;
    m_pointTexts.clear();
    double top = kMinimumTopSeconds;
    for (const TestRecord& test : tests) {
        if (shownFor(test, filter)) {
            const double seconds = progress::secondsPerQuestion(test);
            dots.append(QPointF(static_cast<qreal>(test.when.toMSecsSinceEpoch()), seconds));
            m_pointTexts << pointText(test);
            top = std::max(top, seconds);
        }
    }
    QList<QPointF> line;
    for (const practice::WeekFigure& week : medians) {
        line.append(
            QPointF(static_cast<qreal>(middleOfWeek(week.monday).toMSecsSinceEpoch()), week.value));
        top = std::max(top, week.value);
    }
    top = std::ceil(top * 1.15);
    QSet<QDate> days;
    QList<QPointF> marks;
    for (const progress::PracticeSessionRecord& session : practice) {
        if (session.started.isValid() && !days.contains(session.started.date())) {
            days.insert(session.started.date());
            marks.append(
                QPointF(static_cast<qreal>(
                            QDateTime(session.started.date(), QTime(12, 0)).toMSecsSinceEpoch()),
                        top * kPracticeMarkHeight));
        }
    }
    m_tests->replace(dots);
    m_weekly->replace(line);
    m_practiceDays->replace(marks);
    fitAxes(dots + line + marks, top);
}

void ProgressChart::fitAxes(const QList<QPointF>& shown, double top)
{
    if (shown.isEmpty()) {
        const QDateTime now = QDateTime::currentDateTime();
        m_time->setRange(now.addDays(-7), now);
        m_seconds->setRange(0.0, kMinimumTopSeconds);
        return;
    }
    const auto [earliest, latest] =
        std::minmax_element(shown.begin(), shown.end(),
                            [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
    const QDateTime from = QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(earliest->x()));
    const QDateTime to = QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(latest->x()));
    m_time->setRange(from.addMSecs(-kTimeMarginMillis), to.addMSecs(kTimeMarginMillis));
    // Over a few days the ticks fall within a day; the hour tells them apart.
    const bool fewDays = from.daysTo(to) < kDaysWithoutHours;
    m_time->setFormat(fewDays ? QStringLiteral("d MMM HH:mm") : QStringLiteral("d MMM"));
    m_seconds->setRange(0.0, top);
    m_seconds->applyNiceNumbers();
}

void ProgressChart::showPointText(const QPointF& point, bool hovering)
{
    if (!hovering) {
        QToolTip::hideText();
        return;
    }
    const qsizetype found = m_tests->points().indexOf(point);
    if (found >= 0 && found < m_pointTexts.size()) {
        QToolTip::showText(QCursor::pos(), m_pointTexts.at(found), this);
    }
}

} // namespace numberlark
