#include "ui/progress/ProgressReport.h"

#include "progress/FactStats.h"
#include "progress/PracticeHistory.h"
#include "progress/TestFigures.h"
#include "ui/progress/FactGradeStyle.h"
#include "ui/progress/FactGridModel.h"
#include "ui/progress/FactsLegend.h"
#include "ui/progress/KnownFactsChart.h"
#include "ui/progress/ProgressChart.h"
#include "ui/progress/ProgressTexts.h"
#include "ui/progress/TestsModel.h"

#include <QChart>
#include <QCoreApplication>
#include <QDateTimeAxis>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>

#include <algorithm>

namespace numberlark {

using practice::Fluency;
using progress::FactStats;
using progress::PracticeSessionRecord;
using progress::TestRecord;

namespace {

constexpr double kChartHeightMm = 60.0;
constexpr double kCellMm = 7.0;
constexpr double kRowMm = 5.6;
constexpr qsizetype kListedFacts = 36;
// The facts learnt named on the last 30 days' line, so it stays one line or two.
constexpr std::size_t kNamedFactsLearnt = 10;
// Drawn at this size and scaled to the page: its fonts come out near 7 points.
constexpr QSizeF kChartPixels(560.0, 300.0);
constexpr QSizeF kKnownChartPixels(290.0, 300.0);
// The chart goes on the page as an image this many times finer, near 300
// dots per inch at the chart's printed width.
constexpr double kChartScale = 3.0;
const QString kFont = QStringLiteral("Arial");

// Lays the report out in millimetres from the printable area's top left on
// a page canvas; the first failing step of the page is kept to be told.
class ReportPage {
public:
    explicit ReportPage(PageCanvas& canvas)
        : m_canvas(canvas), m_millimetres(canvas.printableMillimetres())
    {
    }

    double width() const { return m_millimetres.width(); }
    PageCanvas& canvas() { return m_canvas; }
    const Outcome& firstFailure() const { return m_firstFailure; }

    void check(Outcome outcome)
    {
        if (outcome.failed() && m_firstFailure.done()) {
            m_firstFailure = std::move(outcome);
        }
    }

    float x(double millimetres) const
    {
        return static_cast<float>(millimetres * kPageWidthUnits / m_millimetres.width());
    }
    float y(double millimetres) const
    {
        return static_cast<float>(millimetres * kPageHeightUnits / m_millimetres.height());
    }

    // Returns the height the text took, in millimetres.
    double text(const QRectF& where, const QString& line, double points, bool bold = false,
                Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter,
                PageCanvas::TextFit fit = PageCanvas::TextFit::Wrap)
    {
        check(m_canvas.setFontSize(static_cast<float>(points)));
        check(m_canvas.setBold(bold));
        const float top = y(where.top());
        check(m_canvas.textInBox(x(where.left()), top, x(where.right()), y(where.bottom()), line,
                                 alignment, fit));
        return (m_canvas.y() - top) * m_millimetres.height() / kPageHeightUnits;
    }

    // One line, cut short with an ellipsis when it is wider than the box.
    void oneLine(const QRectF& where, const QString& line, double points, bool bold)
    {
        text(where, line, points, bold, Qt::AlignLeft | Qt::AlignVCenter,
             PageCanvas::TextFit::OneLineElided);
    }

    void fill(const QRectF& where, const QColor& colour, std::optional<QColor> outline)
    {
        check(m_canvas.filledBox(x(where.left()), y(where.top()), x(where.right()),
                                 y(where.bottom()), colour, outline));
    }

    void image(const QRectF& where, const QImage& picture)
    {
        check(m_canvas.image(picture, x(where.left()), y(where.top()), x(where.right()),
                             y(where.bottom())));
    }

private:
    PageCanvas& m_canvas;
    QSizeF m_millimetres;
    Outcome m_firstFailure;
};

const QColor kGridLines(Qt::darkGray);

QRectF box(double x, double y, double w, double h)
{
    return {x, y, w, h};
}

// Draws a chart that is never shown at `pixels`, finer by kChartScale.
QImage chartImage(QChartView& view, QSizeF pixels)
{
    view.chart()->resize(pixels);
    // The window's rounded panel behind the chart is no part of the paper.
    view.chart()->setBackgroundVisible(false);
    // The legend and axes are laid out on posted events; a chart that is
    // never shown must have them delivered before it is drawn.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    view.chart()->layout()->activate();
    view.scene()->setSceneRect(QRectF(QPointF(), pixels));
    QImage image((pixels * kChartScale).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    view.scene()->render(&painter, QRectF(QPointF(), pixels * kChartScale),
                         QRectF(QPointF(), pixels));
    return image;
}

void paintImage(ReportPage& page, const QImage& image, QSizeF pixels, const QRectF& room)
{
    const QSizeF fitted = pixels.scaled(room.size(), Qt::KeepAspectRatio);
    const QPointF corner(room.left() + (room.width() - fitted.width()) / 2.0,
                         room.top() + (room.height() - fitted.height()) / 2.0);
    page.image(QRectF(corner, fitted), image);
}

// The trend of all tables beside the facts known week by week.
void paintCharts(ReportPage& page, const std::vector<TestRecord>& tests,
                 const std::vector<PracticeSessionRecord>& practice,
                 const std::vector<practice::PracticeAnswer>& history, practice::FluencyLimit limit,
                 double top)
{
    const std::vector<practice::WeekFigure> medians = practice::weeklyMedianSeconds(history);
    page.text(box(0, top, page.width(), 6.0), trendSentence(medians), 11, true);
    const double chartsTop = top + 6.5;
    const double trendWidth = page.width() * 0.66;
    ProgressChart trend;
    trend.setTrend(tests, practice, medians, {});
    paintImage(page, chartImage(trend, kChartPixels), kChartPixels,
               box(0, chartsTop, trendWidth, kChartHeightMm));
    KnownFactsChart known;
    known.setCounts(practice::weeklyKnownCounts(history, limit));
    known.setTimeRange(trend.timeAxis()->min(), trend.timeAxis()->max());
    paintImage(page, chartImage(known, kKnownChartPixels), kKnownChartPixels,
               box(trendWidth, chartsTop, page.width() - trendWidth, kChartHeightMm));
}

// Practice and the facts learnt over the last 30 days.
QString lastMonthLine(const std::vector<PracticeSessionRecord>& practice,
                      const std::vector<practice::PracticeAnswer>& history,
                      practice::FluencyLimit limit)
{
    const QDateTime since = QDateTime::currentDateTime().addDays(-30);
    const std::vector<progress::Fact> learnt =
        practice::factsLearntSince(history, limit, progress::localSeconds(since));
    QStringList named;
    for (std::size_t i = 0; i < learnt.size() && i < kNamedFactsLearnt; ++i) {
        named << factText(learnt[i]).replace(QLatin1Char(' '), QChar::Nbsp);
    }
    // A plain int: lupdate does not see a translate() whose count is a cast.
    const int more = static_cast<int>(learnt.size()) - static_cast<int>(named.size());
    if (more > 0) {
        named.last() +=
            QCoreApplication::translate("ProgressReport", " and %n more", nullptr, more);
    }
    return lastMonthText(progress::practiceTotals(practice, since), named,
                         static_cast<int>(learnt.size()));
}

void paintGrid(ReportPage& page, const std::vector<FactStats>& stats, double top)
{
    for (int row = 0; row <= FactGridModel::kSize; ++row) {
        for (int column = 0; column <= FactGridModel::kSize; ++column) {
            const QRectF cell = box(column * kCellMm, top + row * kCellMm, kCellMm, kCellMm);
            if (row == 0 || column == 0) {
                const int number = std::max(row, column);
                page.text(cell, number == 0 ? QStringLiteral("×") : QString::number(number), 8,
                          true, Qt::AlignCenter);
                continue;
            }
            const progress::Fact fact{static_cast<std::int16_t>(row),
                                      static_cast<std::int16_t>(column)};
            const practice::Fluency grade = progress::statsFor(stats, fact).fluency;
            page.fill(cell, gradeColour(grade), kGridLines);
            // White on the dark Tricky, as on screen: black would vanish on
            // a grey printout.
            page.check(page.canvas().setTextColour(gradeTextColour(grade)));
            page.text(cell, QString::number(row * column), 7.5, false, Qt::AlignCenter);
            // The mark tells the grade on a grey printout too.
            if (const QString mark = gradeMark(grade); !mark.isEmpty()) {
                page.text(cell.adjusted(0.0, 0.1, -0.4, -kCellMm / 2.0), mark, 5.0, true,
                          Qt::AlignRight | Qt::AlignTop);
            }
            page.check(page.canvas().setTextColour(Qt::black));
        }
    }
}

// The facts of one grade, each kept on one line ("7 × 8" never breaks), at
// most kListedFacts of them so the list stays beside the grid.
QString factsGraded(const std::vector<FactStats>& stats, Fluency grade)
{
    QStringList facts;
    for (const FactStats& fact : stats) {
        if (fact.fluency == grade) {
            facts << factText(fact.fact).replace(QLatin1Char(' '), QChar::Nbsp);
        }
    }
    if (facts.isEmpty()) {
        return QCoreApplication::translate("ProgressReport", "none");
    }
    // A plain int: lupdate does not see a translate() whose count is a cast.
    const int more = static_cast<int>(facts.size() - kListedFacts);
    if (more > 0) {
        facts.resize(kListedFacts);
        //: Follows a list of facts: "3 × 4, 6 × 7 and 5 more".
        return facts.join(QStringLiteral(", ")) +
               QCoreApplication::translate("ProgressReport", " and %n more", nullptr, more);
    }
    return facts.join(QStringLiteral(", "));
}

QString factsBeyond(const std::vector<FactStats>& stats)
{
    QStringList facts;
    for (const FactStats& fact : stats) {
        if (fact.fact.first > FactGridModel::kSize || fact.fact.second > FactGridModel::kSize) {
            facts << QStringLiteral("%1 (%2)").arg(
                factText(fact.fact).replace(QLatin1Char(' '), QChar::Nbsp),
                gradeName(fact.fluency).toLower());
        }
    }
    return facts.join(QStringLiteral(", "));
}

void paintLegend(ReportPage& page, const std::vector<FactStats>& stats, double top)
{
    const double left = (FactGridModel::kSize + 1) * kCellMm + 6.0;
    const double textWidth = page.width() - left - 7.0;
    double y = top;
    for (const Fluency grade : kAllGrades) {
        page.fill(box(left, y + 0.5, 4.0, 4.0), gradeColour(grade), kGridLines);
        page.check(page.canvas().setTextColour(gradeTextColour(grade)));
        page.text(box(left, y + 0.5, 4.0, 4.0), gradeMark(grade), 7.0, true, Qt::AlignCenter);
        page.check(page.canvas().setTextColour(Qt::black));
        page.text(box(left + 6.0, y, textWidth, 5.0),
                  QStringLiteral("%1: %2").arg(gradeCounted(grade, stats), gradeMeaning(grade)), 9);
        y += 6.5;
    }
    y += 3.0;
    page.text(box(left, y, textWidth, 5.0),
              QCoreApplication::translate("ProgressReport", "Facts to practise"), 10, true);
    y += 6.0;
    const QString beyond = factsBeyond(stats);
    const QString lists[] = {QCoreApplication::translate("ProgressReport", "Tricky: ") +
                                 factsGraded(stats, Fluency::Tricky),
                             QCoreApplication::translate("ProgressReport", "Getting there: ") +
                                 factsGraded(stats, Fluency::GettingThere),
                             beyond.isEmpty()
                                 ? QString()
                                 : QCoreApplication::translate("ProgressReport", "Other tables: ") +
                                       beyond};
    for (const QString& list : lists) {
        y +=
            page.text(box(left, y, textWidth, 40.0), list, 9, false, Qt::AlignLeft | Qt::AlignTop) +
            2.0;
    }
}

void paintTests(ReportPage& page, const std::vector<TestRecord>& tests, double top)
{
    static constexpr double kColumnsMm[TestsModel::ColumnCount] = {36, 46, 24, 20, 38, 30};
    const QString titles[TestsModel::ColumnCount] = {
        QCoreApplication::translate("ProgressReport", "Date"),
        QCoreApplication::translate("ProgressReport", "Table"),
        QCoreApplication::translate("ProgressReport", "Questions"),
        QCoreApplication::translate("ProgressReport", "Seconds"),
        QCoreApplication::translate("ProgressReport", "Seconds per question"),
        QCoreApplication::translate("ProgressReport", "Wrong answers")};
    page.text(box(0, top, page.width(), 6.0),
              QCoreApplication::translate("ProgressReport", "Last tests"), 11, true);
    std::vector<const TestRecord*> last;
    last.reserve(tests.size());
    for (const TestRecord& test : tests) {
        last.push_back(&test);
    }
    std::sort(last.begin(), last.end(),
              [](const TestRecord* a, const TestRecord* b) { return a->when > b->when; });
    last.resize(std::min<std::size_t>(last.size(), ProgressReport::kLastTests));
    for (std::size_t row = 0; row <= last.size(); ++row) {
        double x = 0.0;
        const double y = top + 7.0 + static_cast<double>(row) * kRowMm;
        if (row % 2 == 1) {
            page.fill(box(0, y, page.width(), kRowMm), QColor(0xf2, 0xf2, 0xf2), std::nullopt);
        }
        for (int column = 0; column < TestsModel::ColumnCount; ++column) {
            const QString cell =
                row == 0 ? titles[column] : TestsModel::cellText(*last[row - 1], column);
            page.text(box(x + 1.0, y, kColumnsMm[column] - 1.0, kRowMm), cell, 8.5, row == 0);
            x += kColumnsMm[column];
        }
    }
}

} // namespace

ProgressReport::ProgressReport(QString child, std::vector<TestRecord> tests,
                               std::vector<PracticeSessionRecord> practice,
                               practice::FluencyLimit limit)
    : m_child(std::move(child)), m_tests(std::move(tests)), m_practice(std::move(practice)),
      m_limit(limit)
{
}

QString ProgressReport::suggestedPdfName(const QString& child)
{
    return numberlark::suggestedPdfName(child, QStringLiteral("Numberlark progress - %1.pdf"),
                                        QStringLiteral("Numberlark progress.pdf"));
}

void ProgressReport::draw(PageCanvas& canvas, const PrintedDocument::FailureReport& report) const
{
    ReportPage page(canvas);
    page.check(canvas.mapPage());
    page.check(canvas.setFontName(kFont));
    page.text(box(0, 0, page.width(), 9.0),
              QCoreApplication::translate("ProgressReport", "Numberlark progress report"), 18,
              true);
    page.oneLine(box(0, 10.0, page.width(), 8.0), isolatedChildName(m_child), 15, true);
    page.text(box(0, 18.0, page.width(), 6.0), reportSummary(m_tests, m_practice), 10);
    const std::vector<practice::PracticeAnswer> history =
        progress::historyOldestFirst(m_tests, m_practice);
    page.text(box(0, 24.0, page.width(), 6.0), lastMonthLine(m_practice, history, m_limit), 10);
    paintCharts(page, m_tests, m_practice, history, m_limit, 31.0);
    const std::vector<FactStats> stats = progress::collectFactStats(m_tests, m_practice, m_limit);
    const double gridTop = 31.0 + 6.5 + kChartHeightMm + 4.0;
    paintGrid(page, stats, gridTop);
    paintLegend(page, stats, gridTop);
    paintTests(page, m_tests, gridTop + (FactGridModel::kSize + 1) * kCellMm + 5.0);
    if (page.firstFailure().failed()) {
        report(page.firstFailure().message);
    }
    if (const Outcome ended = canvas.endDocument(); ended.failed()) {
        report(ended.message);
    }
}

PrintedDocument ProgressReport::document() const
{
    PrintedDocument report;
    report.title = QCoreApplication::translate("ProgressReport", "Numberlark progress report");
    report.saveDialogTitle = QCoreApplication::translate("ProgressReport", "Save Report as PDF");
    report.suggestedName = suggestedPdfName(m_child);
    report.pdf = {report.title,
                  //: %1 is the file, %2 the system's reason.
                  QCoreApplication::translate("ProgressReport",
                                              "The report could not be saved as \"%1\": %2"),
                  //: %1 is the file, %2 the system's reason.
                  QCoreApplication::translate("ProgressReport",
                                              "The report could not be written to \"%1\": %2")};
    report.draw = [this](PageCanvas& canvas, const PrintedDocument::FailureReport& failure) {
        draw(canvas, failure);
    };
    return report;
}

Outcome ProgressReport::write(const QString& path) const
{
    return DocumentPrinter::writePdf(document(), path);
}

void ProgressReport::save(ProgressSeams& seams) const
{
    DocumentPrinter(*seams.dialogs).savePdf(document());
}

} // namespace numberlark
