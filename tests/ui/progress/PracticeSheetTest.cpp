#include "output/PracticeSheetPage.h"
#include "output/RecordingCanvas.h"
#include "ui/progress/PracticeSheetPrinter.h"

#include <gtest/gtest.h>

using namespace numberlark;
using namespace numberlark::progress;

TEST(PracticeSheet, FortyQuestionsInTheCertificatesGrid)
{
    QStringList questions;
    for (int i = 0; i < kPracticeQuestions; ++i) {
        questions << QStringLiteral(" 7 x %1").arg(i % 12 + 1);
    }
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
