#include "output/PracticeSheetPage.h"

#include <QCoreApplication>

namespace numberlark {

namespace {

const QString kFont = QStringLiteral("Arial");
constexpr float kBarLeft = 0.5F;
constexpr float kBarRight = 20.6F;
constexpr float kBarThickness = 0.1F;
constexpr float kBottomBar = 28.9F;
constexpr int kRows = 10;
constexpr int kColumns = 4;
constexpr float kFirstRowY = 4.0F;
constexpr float kRowStep = 2.4F;

} // namespace

PracticeSheetPage::PracticeSheetPage(QString name, QStringList questions)
    : m_name(std::move(name)), m_questions(std::move(questions))
{
}

QString PracticeSheetPage::heading() const
{
    return m_name.isEmpty()
               ? QCoreApplication::translate("PracticeSheetPage", "Numberlark practice sheet")
               : QCoreApplication::translate("PracticeSheetPage",
                                             "Numberlark practice sheet for %1")
                     .arg(m_name);
}

void PracticeSheetPage::check(const Outcome& result)
{
    if (result.failed() && *m_report) {
        (*m_report)(result.message);
    }
}

void PracticeSheetPage::draw(PageCanvas& canvas, const FailureReport& report)
{
    m_canvas = &canvas;
    m_report = &report;
    check(canvas.mapPage());
    check(canvas.box(kBarLeft, 0.0F, kBarRight, kBarThickness, std::nullopt));
    check(canvas.setFontName(kFont));
    check(canvas.setBold(true));
    check(canvas.setFontSize(18.0F));
    check(canvas.setX(1.0F));
    check(canvas.setY(0.8F));
    check(canvas.printText(heading()));
    check(canvas.setBold(false));
    check(canvas.setFontSize(12.0F));
    check(canvas.setX(1.0F));
    check(canvas.printText(QCoreApplication::translate(
        "PracticeSheetPage",
        "These are the questions you find trickiest. Try them again and again!")));
    check(canvas.setBold(true));
    check(canvas.setFontSize(14.0F));
    for (int i = 0; i < m_questions.size() && i < kRows * kColumns; ++i) {
        const int row = i / kColumns;
        const int column = i % kColumns;
        check(canvas.setY(kFirstRowY + kRowStep * static_cast<float>(row)));
        check(canvas.setX(static_cast<float>(5 * column + 1)));
        check(canvas.printText(m_questions.at(i) + QStringLiteral(" = ....")));
    }
    check(canvas.box(kBarLeft, kBottomBar, kBarRight, kBottomBar + kBarThickness, std::nullopt));
    check(canvas.endDocument());
    m_canvas = nullptr;
    m_report = nullptr;
}

} // namespace numberlark
