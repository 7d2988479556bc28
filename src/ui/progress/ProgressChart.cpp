#include "ui/progress/ProgressChart.h"

#include "progress/TestFigures.h"

#include <QChart>
#include <QCursor>
#include <QDateTimeAxis>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QScatterSeries>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <map>

namespace numberlark {

using progress::TestRecord;

namespace {

constexpr qreal kPointSize = 9.0;
// Room around the points so none sits on the frame.
constexpr qint64 kTimeMarginMillis = 12LL * 3600 * 1000;
constexpr double kMinimumTopSeconds = 5.0;

// Tables first in number order, then Mixed, then Other tables.
std::pair<int, int> chartOrder(const progress::TableChoiceRecord& table)
{
    const int kindOrder = table.kind == progress::TableChoiceRecord::Kind::Table   ? 0
                          : table.kind == progress::TableChoiceRecord::Kind::Mixed ? 1
                                                                                   : 2;
    return {kindOrder, table.number};
}

} // namespace

ProgressChart::ProgressChart(QWidget* parent) : QChartView(parent)
{
    setObjectName(QStringLiteral("ProgressChart"));
    setRenderHint(QPainter::Antialiasing);
    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("Seconds per question"));
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    m_time = new QDateTimeAxis;
    m_time->setFormat(QStringLiteral("d MMM"));
    m_time->setTickCount(6);
    m_seconds = new QValueAxis;
    m_seconds->setLabelFormat(QStringLiteral("%.0f"));
    m_seconds->setTitleText(QStringLiteral("seconds"));
    chart->addAxis(m_time, Qt::AlignBottom);
    chart->addAxis(m_seconds, Qt::AlignLeft);
    setChart(chart);
    setAccessibleName(QStringLiteral("Seconds per question over time"));
}

QString ProgressChart::pointText(const TestRecord& test)
{
    const QLocale locale;
    return QStringLiteral("%1\n%2: %3 seconds for %4 questions\n%5 seconds per question")
        .arg(locale.toString(test.when, QLocale::ShortFormat), progress::tableChoiceText(test.table))
        .arg(test.seconds)
        .arg(progress::questionsAnswered(test))
        .arg(locale.toString(progress::secondsPerQuestion(test), 'f', 1));
}

void ProgressChart::setTests(const std::vector<TestRecord>& tests)
{
    chart()->removeAllSeries();
    m_pointTexts.clear();
    std::map<std::pair<int, int>, std::vector<const TestRecord*>> byTable;
    for (const TestRecord& test : tests) {
        if (progress::questionsAnswered(test) > 0) {
            byTable[chartOrder(test.table)].push_back(&test);
        }
    }
    for (auto& [order, group] : byTable) {
        std::sort(group.begin(), group.end(),
                  [](const TestRecord* a, const TestRecord* b) { return a->when < b->when; });
        addSeries(progress::tableChoiceText(group.front()->table), group);
    }
    fitAxes(tests);
}

void ProgressChart::addSeries(const QString& name, const std::vector<const TestRecord*>& tests)
{
    auto* line = new QLineSeries;
    auto* points = new QScatterSeries;
    line->setName(name);
    points->setName(name);
    points->setMarkerSize(kPointSize);
    QStringList texts;
    for (const TestRecord* test : tests) {
        const QPointF point(static_cast<qreal>(test->when.toMSecsSinceEpoch()),
                            progress::secondsPerQuestion(*test));
        line->append(point);
        points->append(point);
        texts << pointText(*test);
    }
    chart()->addSeries(line);
    chart()->addSeries(points);
    points->setColor(line->color());
    points->setBorderColor(line->color());
    for (QAbstractSeries* series : {static_cast<QAbstractSeries*>(line),
                                    static_cast<QAbstractSeries*>(points)}) {
        series->attachAxis(m_time);
        series->attachAxis(m_seconds);
    }
    chart()->legend()->markers(points).constFirst()->setVisible(false);
    m_pointTexts.insert(points, texts);
    connect(points, &QScatterSeries::hovered, this,
            [this, points](const QPointF& point, bool hovering) {
                showPointText(points, point, hovering);
            });
}

void ProgressChart::fitAxes(const std::vector<TestRecord>& tests)
{
    if (tests.empty()) {
        const QDateTime now = QDateTime::currentDateTime();
        m_time->setRange(now.addDays(-7), now);
        m_seconds->setRange(0.0, kMinimumTopSeconds);
        return;
    }
    const auto [earliest, latest] = std::minmax_element(
        tests.begin(), tests.end(),
        [](const TestRecord& a, const TestRecord& b) { return a.when < b.when; });
    double top = kMinimumTopSeconds;
    for (const TestRecord& test : tests) {
        top = std::max(top, progress::secondsPerQuestion(test) * 1.15);
    }
    m_time->setRange(earliest->when.addMSecs(-kTimeMarginMillis),
                     latest->when.addMSecs(kTimeMarginMillis));
    m_seconds->setRange(0.0, std::ceil(top));
}

void ProgressChart::showPointText(QScatterSeries* series, const QPointF& point, bool hovering)
{
    if (!hovering) {
        QToolTip::hideText();
        return;
    }
    const QList<QPointF> points = series->points();
    const qsizetype found = points.indexOf(point);
    const QStringList& texts = m_pointTexts.value(series);
    if (found >= 0 && found < texts.size()) {
        QToolTip::showText(QCursor::pos(), texts.at(found), this);
    }
}

} // namespace numberlark
