#include "output/PracticeSheetPage.h"
#include "output/RecordingCanvas.h"
#include "ui/progress/PracticeSheetPrinter.h"

#include <gtest/gtest.h>

using namespace numberlark;
using namespace numberlark::progress;

TEST(PracticeSheet, FortyQuestionsInTheCertificatesGrid)
{
    std::vector<Fact> facts;
    for (int i = 0; i < kPracticeQuestions; ++i) {
        facts.push_back(Fact{7, static_cast<std::int16_t>(i % 12 + 1)});
    }
    const QStringList questions = PracticeSheetPrinter::questionTexts(facts);
    EXPECT_EQ(questions.mid(0, 2), (QStringList{" 7 x 1", " 2 x 7"}));
    RecordingCanvas canvas;
    PracticeSheetPage(QStringLiteral("Sam"), questions).draw(canvas, {});
    int placed = 0;
    for (const auto& op : canvas.operationsOf(RecordingCanvas::Kind::Text)) {
        if (op.text.endsWith(QStringLiteral(" = ...."))) {
            EXPECT_EQ(op.text, questions.at(placed) + QStringLiteral(" = ...."));
            EXPECT_FLOAT_EQ(op.x, static_cast<float>(5 * (placed % 4) + 1));
            ++placed;
        }
    }
    EXPECT_EQ(placed, kPracticeQuestions);
}
