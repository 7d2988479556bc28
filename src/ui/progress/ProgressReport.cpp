#include "ui/progress/ProgressReport.h"

#include "progress/FactStats.h"
#include "ui/progress/FactGradeStyle.h"
#include "ui/progress/FactGridModel.h"
#include "ui/progress/ProgressChart.h"
#include "ui/progress/ProgressTexts.h"
#include "ui/progress/TestsModel.h"

#include <QChart>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace numberlark {

using progress::FactGrade;
using progress::FactStats;
using progress::TestRecord;

namespace {

constexpr double kChartHeightMm = 72.0;
constexpr double kCellMm = 7.0;
constexpr double kRowMm = 5.6;
constexpr qsizetype kListedFacts = 36;
// Drawn at this size and scaled to the page: its fonts come out near 7 points.
constexpr QSizeF kChartPixels(820.0, 300.0);
const QString kFont = QStringLiteral("Arial");

// Paints the report in millimetres from the page's printable top left.
class ReportPainter {
public:
    explicit ReportPainter(QPagedPaintDevice& device)
        : m_painter(&device), m_dotsPerMm(device.logicalDpiX() / 25.4),
          m_widthMm(device.width() / m_dotsPerMm)
    {
        m_painter.setRenderHint(QPainter::Antialiasing);
    }

    double mm(double millimetres) const { return millimetres * m_dotsPerMm; }
    QRectF box(double x, double y, double w, double h) const
    {
        return {mm(x), mm(y), mm(w), mm(h)};
    }
    double width() const { return m_widthMm; }
    QPainter& painter() { return m_painter; }

    // Returns the height the text took, in millimetres.
    double text(const QRectF& where, const QString& line, double points, bool bold = false,
                int flags = Qt::AlignLeft | Qt::AlignVCenter)
    {
        QFont font(kFont);
        font.setPointSizeF(points);
        font.setBold(bold);
        m_painter.setFont(font);
        m_painter.setPen(Qt::black);
        QRectF used;
        m_painter.drawText(where, flags | Qt::TextWordWrap, line, &used);
        return used.height() / m_dotsPerMm;
    }

    // One line, cut short with an ellipsis when it is wider than the box.
    void oneLine(const QRectF& where, const QString& line, double points, bool bold)
    {
        QFont font(kFont);
        font.setPointSizeF(points);
        font.setBold(bold);
        const QFontMetricsF metrics(font, m_painter.device());
        text(where, metrics.elidedText(line, Qt::ElideRight, where.width()), points, bold,
             Qt::AlignLeft | Qt::AlignVCenter);
    }

private:
    QPainter m_painter;
    double m_dotsPerMm;
    double m_widthMm;
};

void paintChart(ReportPainter& page, const std::vector<TestRecord>& tests, double top)
{
    ProgressChart chart;
    chart.chart()->resize(kChartPixels);
    chart.setTests(tests);
    // The legend and axes are laid out on posted events; a chart that is
    // never shown must have them delivered before it is drawn.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    chart.chart()->layout()->activate();
    chart.scene()->setSceneRect(QRectF(QPointF(), kChartPixels));
    chart.scene()->render(&page.painter(), page.box(0, top, page.width(), kChartHeightMm),
                          QRectF(QPointF(), kChartPixels), Qt::KeepAspectRatio);
}

void paintGrid(ReportPainter& page, const std::vector<FactStats>& stats, double top)
{
    QPainter& painter = page.painter();
    painter.setPen(QPen(Qt::darkGray, page.mm(0.2)));
    for (int row = 0; row <= FactGridModel::kSize; ++row) {
        for (int column = 0; column <= FactGridModel::kSize; ++column) {
            const QRectF cell = page.box(column * kCellMm, top + row * kCellMm, kCellMm, kCellMm);
            if (row == 0 || column == 0) {
                const int number = std::max(row, column);
                page.text(cell, number == 0 ? QStringLiteral("×") : QString::number(number), 8,
                          true, Qt::AlignCenter);
                continue;
            }
            const auto fact =
                progress::factOf(static_cast<std::int16_t>(row), static_cast<std::int16_t>(column));
            painter.setPen(QPen(Qt::darkGray, page.mm(0.2)));
            painter.setBrush(gradeColour(progress::gradeFact(progress::statsFor(stats, fact))));
            painter.drawRect(cell);
            page.text(cell, QString::number(row * column), 7.5, false, Qt::AlignCenter);
        }
    }
}

// The facts of one grade, each kept on one line ("7 × 8" never breaks), at
// most kListedFacts of them so the list stays beside the grid.
QString factsGraded(const std::vector<FactStats>& stats, FactGrade grade)
{
    QStringList facts;
    for (const FactStats& fact : stats) {
        if (progress::gradeFact(fact) == grade) {
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
        if (fact.fact.low < 1 || fact.fact.high > FactGridModel::kSize) {
            facts << QStringLiteral("%1 (%2)").arg(
                factText(fact.fact).replace(QLatin1Char(' '), QChar::Nbsp),
                gradeName(progress::gradeFact(fact)).toLower());
        }
    }
    return facts.join(QStringLiteral(", "));
}

void paintLegend(ReportPainter& page, const std::vector<FactStats>& stats, double top)
{
    const double left = (FactGridModel::kSize + 1) * kCellMm + 6.0;
    const double textWidth = page.width() - left - 7.0;
    double y = top;
    for (const FactGrade grade : kAllGrades) {
        page.painter().setPen(QPen(Qt::darkGray, page.mm(0.2)));
        page.painter().setBrush(gradeColour(grade));
        page.painter().drawRect(page.box(left, y + 0.5, 4.0, 4.0));
        page.text(page.box(left + 6.0, y, textWidth, 5.0),
                  QStringLiteral("%1: %2").arg(gradeName(grade), gradeMeaning(grade)), 9);
        y += 6.5;
    }
    y += 3.0;
    page.text(page.box(left, y, textWidth, 5.0),
              QCoreApplication::translate("ProgressReport", "Facts to practise"), 10, true);
    y += 6.0;
    const QString beyond = factsBeyond(stats);
    const QString lists[] = {QCoreApplication::translate("ProgressReport", "Tricky: ") +
                                 factsGraded(stats, FactGrade::Tricky),
                             QCoreApplication::translate("ProgressReport", "Getting there: ") +
                                 factsGraded(stats, FactGrade::Slow),
                             beyond.isEmpty()
                                 ? QString()
                                 : QCoreApplication::translate("ProgressReport", "Other tables: ") +
                                       beyond};
    for (const QString& list : lists) {
        y += page.text(page.box(left, y, textWidth, 40.0), list, 9, false,
                       Qt::AlignLeft | Qt::AlignTop) +
             2.0;
    }
}

void paintTests(ReportPainter& page, const std::vector<TestRecord>& tests, double top)
{
    static constexpr double kColumnsMm[TestsModel::ColumnCount] = {36, 46, 24, 20, 38, 30};
    const QString titles[TestsModel::ColumnCount] = {
        QCoreApplication::translate("ProgressReport", "Date"),
        QCoreApplication::translate("ProgressReport", "Table"),
        QCoreApplication::translate("ProgressReport", "Questions"),
        QCoreApplication::translate("ProgressReport", "Seconds"),
        QCoreApplication::translate("ProgressReport", "Seconds per question"),
        QCoreApplication::translate("ProgressReport", "Wrong answers")};
    page.text(page.box(0, top, page.width(), 6.0),
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
            page.painter().fillRect(page.box(0, y, page.width(), kRowMm), QColor(0xf2, 0xf2, 0xf2));
        }
        for (int column = 0; column < TestsModel::ColumnCount; ++column) {
            const QString cell =
                row == 0 ? titles[column] : TestsModel::cellText(*last[row - 1], column);
            page.text(page.box(x + 1.0, y, kColumnsMm[column] - 1.0, kRowMm), cell, 8.5, row == 0);
            x += kColumnsMm[column];
        }
    }
}

} // namespace

ProgressReport::ProgressReport(QString child, std::vector<TestRecord> tests)
    : m_child(std::move(child)), m_tests(std::move(tests))
{
}

QString ProgressReport::suggestedPdfName(const QString& child)
{
    return numberlark::suggestedPdfName(child, QStringLiteral("Numberlark progress - %1.pdf"),
                                        QStringLiteral("Numberlark progress.pdf"));
}

void ProgressReport::paint(QPagedPaintDevice& device) const
{
    ReportPainter page(device);
    page.text(page.box(0, 0, page.width(), 9.0),
              QCoreApplication::translate("ProgressReport", "Numberlark progress report"), 18,
              true);
    page.oneLine(page.box(0, 10.0, page.width(), 8.0), isolatedChildName(m_child), 15, true);
    page.text(page.box(0, 18.0, page.width(), 6.0), reportSummary(m_tests), 10);
    paintChart(page, m_tests, 26.0);
    const std::vector<FactStats> stats = progress::collectFactStats(m_tests);
    const double gridTop = 26.0 + kChartHeightMm + 4.0;
    paintGrid(page, stats, gridTop);
    paintLegend(page, stats, gridTop);
    paintTests(page, m_tests, gridTop + (FactGridModel::kSize + 1) * kCellMm + 5.0);
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
    return report;
}

Outcome ProgressReport::write(const QString& path) const
{
    PdfDocument pdf(path, document().pdf);
    if (Outcome opened = pdf.open(); opened.failed()) {
        return opened;
    }
    paint(pdf.device());
    return pdf.commit();
}

void ProgressReport::save(ProgressSeams& seams) const
{
    const QString path = DocumentPrinter(*seams.dialogs).choosePdfPath(document());
    if (path.isEmpty()) {
        return;
    }
    if (const Outcome written = write(path); written.failed()) {
        seams.dialogs->tell(QCoreApplication::translate("ProgressReport", "Save Report as PDF"),
                            written.message, QMessageBox::Information);
    }
}

} // namespace numberlark
