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
#include <iterator>
#include <map>

namespace numberlark {

using progress::TestRecord;

namespace {

constexpr qreal kPointSize = 9.0;
// Room around the points so none sits on the frame.
constexpr qint64 kTimeMarginMillis = 12LL * 3600 * 1000;
constexpr double kMinimumTopSeconds = 5.0;
constexpr qint64 kDaysWithoutHours = 5;

// Tables first in number order, then Mixed, then Other tables.
std::pair<int, int> chartOrder(const progress::TableChoiceRecord& table)
{
    const int kindOrder = table.kind == progress::TableChoiceRecord::Kind::Table   ? 0
                          : table.kind == progress::TableChoiceRecord::Kind::Mixed ? 1
                                                                                   : 2;
    return {kindOrder, table.number};
}

// Thirteen colours far enough apart to tell twelve tables and Mixed apart
// (the chart theme repeats after five); Other tables share the last.
const QColor kSeriesColours[] = {
    QColor(0x1f, 0x77, 0xb4), QColor(0xff, 0x7f, 0x0e), QColor(0x2c, 0xa0, 0x2c),
    QColor(0xd6, 0x27, 0x28), QColor(0x94, 0x67, 0xbd), QColor(0x8c, 0x56, 0x4b),
    QColor(0xe3, 0x77, 0xc2), QColor(0x7f, 0x7f, 0x7f), QColor(0xbc, 0xbd, 0x22),
    QColor(0x17, 0xbe, 0xcf), QColor(0x00, 0x3f, 0x7f), QColor(0x9b, 0x00, 0x4f),
    QColor(0x33, 0x33, 0x33)};

QColor seriesColour(const progress::TableChoiceRecord& table)
{
    constexpr int last = static_cast<int>(std::size(kSeriesColours)) - 1;
    const int slot = table.kind == progress::TableChoiceRecord::Kind::Table
                         ? std::clamp(table.number - 1, 0, last - 1)
                         : last;
    return kSeriesColours[slot];
}

// Short enough for a legend of thirteen entries.
QString seriesName(const progress::TableChoiceRecord& table)
{
    switch (table.kind) {
    case progress::TableChoiceRecord::Kind::Mixed:
        return ProgressChart::tr("Mixed");
    case progress::TableChoiceRecord::Kind::Other:
        //: Legend entry for a times table beyond 12, e.g. "Other 15".
        return ProgressChart::tr("Other %1").arg(table.number);
    case progress::TableChoiceRecord::Kind::Table:
        break;
    }
    //: Legend entry for one times table, e.g. "7s" for the seven times table.
    return ProgressChart::tr("%1s").arg(table.number);
}

} // namespace

ProgressChart::ProgressChart(QWidget* parent) : QChartView(parent)
{
    setObjectName(QStringLiteral("ProgressChart"));
    setRenderHint(QPainter::Antialiasing);
    // The view's own chart: one set in its place would leave this one to
    // nobody, as the view gives up a chart it replaces.
    QChart* chart = this->chart();
    chart->setTitle(tr("Seconds per question, test by test (one line per times table)"));
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    m_time = new QDateTimeAxis;
    m_time->setFormat(QStringLiteral("d MMM"));
    m_time->setTickCount(6);
    // Qt Charts draws no date axis at all when it starts without a range.
    m_time->setRange(QDateTime::currentDateTime().addDays(-7), QDateTime::currentDateTime());
    m_seconds = new QValueAxis;
    m_seconds->setLabelFormat(QStringLiteral("%.0f"));
    m_seconds->setTitleText(tr("seconds"));
    chart->addAxis(m_time, Qt::AlignBottom);
    chart->addAxis(m_seconds, Qt::AlignLeft);
    setAccessibleName(tr("Seconds per question over time"));
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

void ProgressChart::setTests(const std::vector<TestRecord>& tests)
{
    std::map<std::pair<int, int>, std::vector<const TestRecord*>> byTable;
    for (const TestRecord& test : tests) {
        // An imported line whose date could not be read has no place in time.
        if (progress::questionsAnswered(test) > 0 && test.when.isValid()) {
            byTable[chartOrder(test.table)].push_back(&test);
        }
    }
    std::vector<std::pair<int, int>> keys;
    for (auto& [order, group] : byTable) {
        std::sort(group.begin(), group.end(),
                  [](const TestRecord* a, const TestRecord* b) { return a->when < b->when; });
        keys.push_back(order);
    }
    // Most children practise the same tables: their series keep their place
    // and colour in the legend and only get new points.
    if (keys != m_keys) {
        chart()->removeAllSeries();
        m_shown.clear();
        m_pointTexts.clear();
        for (const auto& [order, group] : byTable) {
            addSeries(group.front()->table);
        }
        m_keys = keys;
    }
    std::size_t index = 0;
    for (const auto& [order, group] : byTable) {
        fillSeries(m_shown[index++], group);
    }
    fitAxes(tests);
}

void ProgressChart::fillSeries(const SeriesPair& series,
                               const std::vector<const TestRecord*>& tests)
{
    QList<QPointF> points;
    QStringList texts;
    points.reserve(static_cast<qsizetype>(tests.size()));
    for (const TestRecord* test : tests) {
        points.append(QPointF(static_cast<qreal>(test->when.toMSecsSinceEpoch()),
                              progress::secondsPerQuestion(*test)));
        texts << pointText(*test);
    }
    series.line->replace(points);
    series.points->replace(points);
    m_pointTexts.insert(series.points, texts);
}

void ProgressChart::addSeries(const progress::TableChoiceRecord& table)
{
    auto* line = new QLineSeries;
    auto* points = new QScatterSeries;
    line->setName(seriesName(table));
    points->setName(seriesName(table));
    line->setColor(seriesColour(table));
    points->setMarkerSize(kPointSize);
    chart()->addSeries(line);
    chart()->addSeries(points);
    points->setColor(line->color());
    points->setBorderColor(line->color());
    for (QAbstractSeries* series :
         {static_cast<QAbstractSeries*>(line), static_cast<QAbstractSeries*>(points)}) {
        series->attachAxis(m_time);
        series->attachAxis(m_seconds);
    }
    chart()->legend()->markers(points).constFirst()->setVisible(false);
    connect(points, &QScatterSeries::hovered, this,
            [this, points](const QPointF& point, bool hovering) {
                showPointText(points, point, hovering);
            });
    m_shown.push_back({line, points});
}

void ProgressChart::fitAxes(const std::vector<TestRecord>& tests)
{
    std::vector<TestRecord> dated;
    std::copy_if(tests.begin(), tests.end(), std::back_inserter(dated),
                 [](const TestRecord& test) { return test.when.isValid(); });
    if (dated.empty()) {
        const QDateTime now = QDateTime::currentDateTime();
        m_time->setRange(now.addDays(-7), now);
        m_seconds->setRange(0.0, kMinimumTopSeconds);
        return;
    }
    const auto [earliest, latest] = std::minmax_element(
        dated.begin(), dated.end(),
        [](const TestRecord& a, const TestRecord& b) { return a.when < b.when; });
    double top = kMinimumTopSeconds;
    for (const TestRecord& test : dated) {
        top = std::max(top, progress::secondsPerQuestion(test) * 1.15);
    }
    m_time->setRange(earliest->when.addMSecs(-kTimeMarginMillis),
                     latest->when.addMSecs(kTimeMarginMillis));
    // Over a few days the ticks fall within a day; the hour tells them apart.
    const bool fewDays = earliest->when.daysTo(latest->when) < kDaysWithoutHours;
    m_time->setFormat(fewDays ? QStringLiteral("d MMM HH:mm") : QStringLiteral("d MMM"));
    m_seconds->setRange(0.0, std::ceil(top));
    m_seconds->applyNiceNumbers();
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
