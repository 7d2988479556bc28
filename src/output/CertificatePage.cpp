#include "output/CertificatePage.h"

#include "quiz/Completion.h"
#include "quiz/TextRules.h"

#include <QCoreApplication>
#include <QTextBoundaryFinder>

#include <cmath>

namespace numberlark {

namespace {

const QString kFont = QStringLiteral("Arial");
const QColor kFrameColour = QColor(Qt::black);

constexpr float kBarLeft = 0.5F;
constexpr float kBarRight = 20.6F;
constexpr float kBarThickness = 0.1F;
constexpr float kTopBar = 0.0F;
constexpr float kBottomBar = 28.9F;

// The jagged frame: each edge is a chain of boxes whose free coordinate
// wanders by sin(100 t) per 0.1 step; the sums stay within about a unit.
constexpr double kFrameLeft = 5.5;
constexpr double kFrameTop = 3.5;
constexpr double kFrameStep = 0.1;
constexpr double kFrameWiggle = 100.0;
constexpr int kHorizontalBoxes = 106;
constexpr int kVerticalBoxes = 111;
constexpr double kEdgeGapY = 11.0;
constexpr double kEdgeGapX = 11.2;

constexpr int kPracticeRows = 10;
constexpr int kPracticeColumns = 4;

QString fromNumberText(long long n)
{
    return QString::fromStdString(number_text(n));
}

int readerCharacterCount(const QString& text)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int count = 0;
    while (finder.toNextBoundary() != -1) {
        ++count;
    }
    return count;
}

} // namespace

CertificatePage::CertificatePage(CertificateValues values, NextQuestion nextQuestion)
    : m_values(std::move(values)), m_nextQuestion(std::move(nextQuestion))
{
}

QString CertificatePage::countLine() const
{
    const int count = m_values.Numofquestions;
    //: The line above the times table's number; %1 is the number of questions
    //: with a space in front.
    return QCoreApplication::translate("CertificatePage", "Completed%1 questions from the", nullptr,
                                       count)
        .arg(fromNumberText(count));
}

QString CertificatePage::tableText() const
{
    if (m_values.mixed) {
        //: Printed large where the times table's number stands otherwise.
        return QCoreApplication::translate("CertificatePage", "Mixed");
    }
    return QStringLiteral("**") + fromNumberText(m_values.current_table) + QStringLiteral(" **");
}

QString CertificatePage::timeText() const
{
    const int seconds = time_taken(m_values.clock_seconds);
    //: The time printed large; %1 is the number of seconds.
    return QCoreApplication::translate("CertificatePage", "%1 seconds", nullptr, seconds)
        .arg(fromNumberText(seconds));
}

float CertificatePage::nameX() const
{
    return 10.5F - static_cast<float>(readerCharacterCount(m_values.name)) / 6.0F;
}

void CertificatePage::draw(PageCanvas& canvas, const FailureReport& report)
{
    m_canvas = &canvas;
    m_report = &report;
    check(canvas.mapPage());
    drawBar(kTopBar);
    drawHeading();
    drawCertificate();
    drawEdge(Edge::Horizontal, kFrameLeft, kFrameTop);
    drawEdge(Edge::Horizontal, kFrameLeft, kFrameTop + kEdgeGapY);
    drawEdge(Edge::Vertical, kFrameLeft, kFrameTop);
    drawEdge(Edge::Vertical, kFrameLeft + kEdgeGapX, kFrameTop);
    drawPractice();
    drawBar(kBottomBar);
    check(canvas.endDocument());
    m_canvas = nullptr;
    m_report = nullptr;
}

void CertificatePage::check(const Outcome& result)
{
    if (result.failed() && *m_report) {
        (*m_report)(result.message);
    }
}

void CertificatePage::text(float size, float x, float y, const QString& line)
{
    check(m_canvas->setFontSize(size));
    check(m_canvas->setX(x));
    check(m_canvas->setY(y));
    check(m_canvas->printText(line));
}

void CertificatePage::drawBar(float top)
{
    check(m_canvas->box(kBarLeft, top, kBarRight, top + kBarThickness, std::nullopt));
}

// The instruction line is printed before bold is switched on, in the
// device's default weight; bold then stays on to the end of the page.
void CertificatePage::drawHeading()
{
    check(m_canvas->setFontName(kFont));
    check(m_canvas->setFontSize(12.0F));
    check(m_canvas->printTextOnNewLine(QCoreApplication::translate(
        "CertificatePage",
        "Here is your NumberLark certificate to cut out and paste into your exercise book:")));
    check(m_canvas->setBold(true));
}

void CertificatePage::drawCertificate()
{
    check(m_canvas->picture(Picture::Certificate, 6.0F, 4.5F));
    text(18.0F, 8.2F, 7.0F, QCoreApplication::translate("CertificatePage", "NUMBERLARK"));
    text(10.0F, 9.0F, 8.0F,
         QCoreApplication::translate("CertificatePage", "This is to certify that"));
    text(20.0F, nameX(), 8.5F, m_values.name);
    text(10.0F, 7.7F, 9.3F, countLine());
    text(50.0F, 8.3F, 9.7F, tableText());
    text(10.0F, 8.7F, 11.5F,
         QCoreApplication::translate("CertificatePage", "times table in a time of:"));
    text(30.0F, 8.0F, 11.9F, timeText());
    text(10.0F, 8.9F, 13.2F, m_values.dateLine);
}

// Each box starts where the last one ended. Along the edge the running
// coordinate steps on by 0.1 in double precision; across it, each corner is
// the last one plus the sine of 100 times the running coordinate.
void CertificatePage::drawEdge(Edge edge, double startX, double startY)
{
    const bool horizontal = edge == Edge::Horizontal;
    check(m_canvas->setX(static_cast<float>(startX)));
    check(m_canvas->setY(static_cast<float>(startY)));
    float fromX = static_cast<float>(startX);
    float fromY = static_cast<float>(startY);
    double run = horizontal ? startX : startY;
    const int boxes = horizontal ? kHorizontalBoxes : kVerticalBoxes;
    for (int k = 0; k < boxes; ++k, run += kFrameStep) {
        const double wiggle = std::sin(kFrameWiggle * run);
        const auto toX = static_cast<float>(horizontal ? run : m_canvas->x() + wiggle);
        const auto toY = static_cast<float>(horizontal ? m_canvas->y() + wiggle : run);
        check(m_canvas->box(fromX, fromY, toX, toY, kFrameColour));
        fromX = toX;
        fromY = toY;
    }
}

// The invitation starts on a new line below y = 15, from wherever the frame
// left x; the grid is then filled row by row, left to right.
void CertificatePage::drawPractice()
{
    check(m_canvas->setFontName(kFont));
    check(m_canvas->setFontSize(12.0F));
    check(m_canvas->setY(15.0F));
    check(m_canvas->printTextOnNewLine(QCoreApplication::translate(
        "CertificatePage", "Here are some more questions for you to try to improve your speed:")));
    check(m_canvas->setFontSize(14.0F));
    for (int row = 1; row <= kPracticeRows; ++row) {
        for (int column = 1; column <= kPracticeColumns; ++column) {
            check(m_canvas->setY(static_cast<float>(16 + row)));
            check(m_canvas->setX(static_cast<float>(5 * column - 4)));
            const QString question = QString::fromStdString(m_nextQuestion());
            check(m_canvas->printText(question + QStringLiteral(" = ....")));
            check(m_canvas->lineFeed());
        }
    }
}

} // namespace numberlark
