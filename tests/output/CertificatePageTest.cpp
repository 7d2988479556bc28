#include "output/CertificatePage.h"

#include "output/RecordingCanvas.h"
#include "quiz/QuizSession.h"
#include "support/PlayedTest.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

namespace numberlark {
namespace {

using Kind = RecordingCanvas::Kind;
using Operation = RecordingCanvas::Operation;

// A round line height makes the expected positions easy to read.
float lineHeight(float points)
{
    return points * 0.05F;
}

struct Factors {
    int left = 0;
    int right = 0;
    int product() const { return left * right; }
};

// " 7 x 9 = ...." -> {7, 9}; the table may be negative ("7 x-3").
Factors practiceFactors(const QString& text)
{
    static const std::regex pattern(R"(^ ?(-?\d+) x ?(-?\d+) = \.\.\.\.$)");
    std::smatch match;
    const std::string s = text.toStdString();
    if (!std::regex_match(s, match, pattern)) {
        ADD_FAILURE() << "not a practice question: '" << s << "'";
        return {};
    }
    return {std::stoi(match[1]), std::stoi(match[2])};
}

std::vector<Operation> textsOf(const RecordingCanvas& canvas)
{
    std::vector<Operation> texts;
    for (const Operation& op : canvas.operations()) {
        if (op.kind == Kind::Text || op.kind == Kind::TextOnNewLine) {
            texts.push_back(op);
        }
    }
    return texts;
}

std::vector<Operation> frameBoxes(const RecordingCanvas& canvas)
{
    std::vector<Operation> boxes;
    for (const Operation& op : canvas.operationsOf(Kind::Box)) {
        if (op.colour.has_value()) {
            boxes.push_back(op);
        }
    }
    return boxes;
}

// A finished test of 20 questions, the clock last showing 47.
class FinishedTest : public ::testing::Test {
protected:
    void finish(int tableOption)
    {
        m_session.tableChoice().select(tableOption);
        testing::playToTheEnd(m_session);
        m_record.clock_seconds = 48;
        m_lastTestProduct = m_record.answer;
    }

    CertificateValues values(const QString& name) const
    {
        return {name,
                m_record.Numofquestions,
                m_session.tableChoice().isMixed(),
                m_record.current_table,
                m_record.clock_seconds,
                QStringLiteral("14/06/2025 10:32:07")};
    }

    // Draws the page; the practice questions come from the session.
    void print(const QString& name)
    {
        CertificatePage page(values(name), [this] {
            std::string question = m_session.practiceQuestion();
            m_practiceTables.insert(m_record.current_table);
            return question;
        });
        page.draw(m_canvas, [this](const QString& failure) { m_failures.push_back(failure); });
    }

    SessionRecord m_record;
    ClockSeededRandom m_random{20250614};
    QuizSession m_session{m_record, m_random};
    int m_lastTestProduct = 0;
    RecordingCanvas m_canvas{lineHeight};
    std::vector<QString> m_failures;
    std::set<int> m_practiceTables;
};

struct ExpectedText {
    const char* text;
    float size;
    bool bold;
    float x;
    float y;
};

TEST_F(FinishedTest, SevenTimesTableCertificateTextsFontsAndPositions)
{
    finish(5);
    print(QStringLiteral("Ada Lovelace"));
    const ExpectedText expected[] = {
        {"Here is your NumberLark certificate to cut out and paste into your exercise book:", 12,
         false, 0.0F, 0.1F + lineHeight(12)},
        {"NUMBERLARK", 18, true, 8.2F, 7.0F},
        {"This is to certify that", 10, true, 9.0F, 8.0F},
        {"Ada Lovelace", 20, true, 8.5F, 8.5F},
        {"Completed 20 questions from the", 10, true, 7.7F, 9.3F},
        {"** 7 **", 50, true, 8.3F, 9.7F},
        {"times table in a time of:", 10, true, 8.7F, 11.5F},
        {" 47 seconds", 30, true, 8.0F, 11.9F},
        {"14/06/2025 10:32:07", 10, true, 8.9F, 13.2F},
        {"Here are some more questions for you to try to improve your speed:", 12, true, 0.0F,
         15.0F + lineHeight(12)},
    };
    const std::vector<Operation> texts = textsOf(m_canvas);
    ASSERT_EQ(texts.size(), std::size(expected) + 40);
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(expected[i].text);
        EXPECT_EQ(texts[i].text, QString::fromUtf8(expected[i].text));
        EXPECT_EQ(texts[i].fontName, QStringLiteral("Arial"));
        EXPECT_FLOAT_EQ(texts[i].fontSize, expected[i].size);
        EXPECT_EQ(texts[i].bold, expected[i].bold);
        EXPECT_NEAR(texts[i].x, expected[i].x, 1e-5);
        EXPECT_NEAR(texts[i].y, expected[i].y, 1e-5);
    }
    EXPECT_EQ(texts.front().kind, Kind::TextOnNewLine);
    EXPECT_EQ(texts[9].kind, Kind::TextOnNewLine);
    EXPECT_TRUE(m_failures.empty());
}

// The drawing steps around the texts: mapping, bars, bold, banner, end.
TEST_F(FinishedTest, BarsBoldAndBannerInTheirPlaces)
{
    finish(5);
    print(QStringLiteral("Sam"));
    const std::vector<Operation>& ops = m_canvas.operations();
    ASSERT_GE(ops.size(), 3U);
    EXPECT_EQ(ops.front().kind, Kind::MapPage);
    EXPECT_EQ(ops[1].kind, Kind::Box) << "the top bar comes before any text";
    EXPECT_EQ(ops[ops.size() - 2].kind, Kind::Box) << "the bottom bar is the last drawing";
    EXPECT_EQ(ops.back().kind, Kind::EndDocument);
    const std::vector<Operation> boxes = m_canvas.operationsOf(Kind::Box);
    ASSERT_EQ(boxes.size(), 2U + 2 * 106 + 2 * 111);
    for (const auto& [bar, top] : {std::pair{boxes.front(), 0.0F}, {boxes.back(), 28.9F}}) {
        EXPECT_FALSE(bar.colour.has_value()) << "bars use the foreground colour";
        EXPECT_EQ(QRectF(QPointF(bar.x, bar.y), QPointF(bar.x2, bar.y2)),
                  QRectF(QPointF(0.5, top), QPointF(20.6F, top + 0.1F)));
    }
    const std::vector<Operation> bold = m_canvas.operationsOf(Kind::Bold);
    ASSERT_EQ(bold.size(), 1U);
    EXPECT_TRUE(bold.front().bold);
    const std::vector<Operation> pictures = m_canvas.operationsOf(Kind::Picture);
    ASSERT_EQ(pictures.size(), 1U);
    EXPECT_EQ(pictures.front().picture, Picture::Certificate);
    EXPECT_EQ(QPointF(pictures.front().x, pictures.front().y), QPointF(6.0, 4.5));
    EXPECT_TRUE(pictures.front().bold) << "bold is on before the banner";
    EXPECT_EQ(naturalSize(Picture::Certificate) * 15, QSize(4935, 1095)) << "size in twips";
}

TEST_F(FinishedTest, MixedTestPrintsTheWordMixedAndPracticesManyTables)
{
    finish(kMixedIndex);
    print(QStringLiteral("Sam"));
    const std::vector<Operation> texts = textsOf(m_canvas);
    ASSERT_GT(texts.size(), 5U);
    EXPECT_EQ(texts[5].text, QStringLiteral("Mixed"));
    EXPECT_FLOAT_EQ(texts[5].fontSize, 50.0F);
    EXPECT_GT(m_practiceTables.size(), 3U) << "each practice question draws its own table";
    for (int table : m_practiceTables) {
        EXPECT_GE(table, 1);
        EXPECT_LE(table, 12);
    }
}

TEST_F(FinishedTest, FortyPracticeQuestionsRowByRowWithoutARepeatedProduct)
{
    finish(5);
    print(QStringLiteral("Sam"));
    const std::vector<Operation> texts = textsOf(m_canvas);
    ASSERT_EQ(texts.size(), 50U);
    int previousProduct = m_lastTestProduct;
    for (int i = 0; i < 40; ++i) {
        const Operation& question = texts[10 + static_cast<std::size_t>(i)];
        SCOPED_TRACE(question.text.toStdString());
        EXPECT_FLOAT_EQ(question.x, static_cast<float>(1 + 5 * (i % 4)));
        EXPECT_FLOAT_EQ(question.y, static_cast<float>(17 + i / 4));
        EXPECT_FLOAT_EQ(question.fontSize, 14.0F);
        EXPECT_TRUE(question.bold);
        const Factors factors = practiceFactors(question.text);
        EXPECT_TRUE(factors.left == 7 || factors.right == 7);
        EXPECT_NE(factors.product(), previousProduct);
        previousProduct = factors.product();
    }
    EXPECT_EQ(m_canvas.operationsOf(Kind::LineFeed).size(), 40U);
}

TEST_F(FinishedTest, CountLineShowsTheNumberOfQuestionsAtTheMomentOfPrinting)
{
    finish(5);
    m_record.Numofquestions = 25; // changed in the options window after the test
    print(QStringLiteral("Sam"));
    EXPECT_EQ(textsOf(m_canvas)[4].text, QStringLiteral("Completed 25 questions from the"));
}

TEST(CertificatePage, NamePlacedByItsLengthInCharactersAReaderCounts)
{
    const struct {
        QString name;
        float x;
    } cases[] = {
        {QString(), 10.5F},
        {QStringLiteral("Ada Lovelace"), 8.5F},
        {QStringLiteral("Zoe\u0308"), 10.0F}, // e + combining diaeresis is one letter
        {QStringLiteral("\U0001F600 Jo"), 10.5F - 4.0F / 6.0F}, // an emoji, a space, two letters
        {QString(60, QLatin1Char('W')), 0.5F},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        RecordingCanvas canvas;
        CertificatePage page({c.name, 20, false, 7, 48, QString()}, [] { return " 1 x 7"; });
        page.draw(canvas, {});
        const std::vector<Operation> texts = textsOf(canvas);
        ASSERT_GT(texts.size(), 3U);
        EXPECT_EQ(texts[3].text, c.name);
        EXPECT_FLOAT_EQ(texts[3].fontSize, 20.0F);
        EXPECT_NEAR(texts[3].x, c.x, 1e-5);
        EXPECT_FLOAT_EQ(texts[3].y, 8.5F);
    }
}

// Negative numbers carry their sign where the blank would be.
TEST(CertificatePage, AssembledTextsWithNegativeNumbers)
{
    const struct {
        CertificateValues values;
        const char* count;
        const char* table;
        const char* time;
    } cases[] = {
        {{{}, 5, false, -3, 1, {}}, "Completed 5 questions from the", "**-3 **", " 0 seconds"},
        {{{}, -4, false, 12, 0, {}}, "Completed-4 questions from the", "** 12 **", " 0 seconds"},
    };
    for (const auto& c : cases) {
        const CertificatePage page(c.values, {});
        EXPECT_EQ(page.countLine(), QString::fromUtf8(c.count));
        EXPECT_EQ(page.tableText(), QString::fromUtf8(c.table));
        EXPECT_EQ(page.timeText(), QString::fromUtf8(c.time));
    }
}

// The jagged frame: four chains of boxes, each starting where the last ended.
TEST(CertificatePage, FrameEdgesStartAtTheirBasesAndStayWithinTheirBounds)
{
    RecordingCanvas canvas;
    CertificatePage page({}, [] { return " 1 x 9"; });
    page.draw(canvas, {});
    const std::vector<Operation> boxes = frameBoxes(canvas);
    ASSERT_EQ(boxes.size(), 434U);
    const struct {
        std::size_t first;
        std::size_t count;
        bool horizontal;
        float baseX, baseY;
        double low, high;
    } edges[] = {
        {0, 106, true, 5.5F, 3.5F, 3.013, 4.055},
        {106, 106, true, 5.5F, 14.5F, 14.013, 15.055},
        {212, 111, false, 5.5F, 3.5F, 4.541, 5.583},
        {323, 111, false, 16.7F, 3.5F, 15.741, 16.783},
    };
    for (const auto& edge : edges) {
        SCOPED_TRACE(edge.first);
        EXPECT_FLOAT_EQ(boxes[edge.first].x, edge.baseX);
        EXPECT_FLOAT_EQ(boxes[edge.first].y, edge.baseY);
        double low = 1e9;
        double high = -1e9;
        for (std::size_t i = edge.first; i < edge.first + edge.count; ++i) {
            EXPECT_EQ(boxes[i].colour, QColor(Qt::black));
            if (i > edge.first) {
                EXPECT_EQ(boxes[i].x, boxes[i - 1].x2);
                EXPECT_EQ(boxes[i].y, boxes[i - 1].y2);
            }
            const double wandering = edge.horizontal ? boxes[i].y2 : boxes[i].x2;
            low = std::min(low, wandering);
            high = std::max(high, wandering);
        }
        EXPECT_NEAR(low, edge.low, 0.001);
        EXPECT_NEAR(high, edge.high, 0.001);
        const Operation& last = boxes[edge.first + edge.count - 1];
        EXPECT_NEAR(edge.horizontal ? last.x2 : last.y2, edge.horizontal ? 16.0 : 14.5, 1e-5);
    }
    // The first top box has no width; the first left box ends a unit left.
    EXPECT_FLOAT_EQ(boxes[0].x2, 5.5F);
    EXPECT_NEAR(boxes[0].y2, 3.2805, 1e-4);
    EXPECT_NEAR(boxes[212].x2, 4.5411, 1e-4);
    EXPECT_FLOAT_EQ(boxes[212].y2, 3.5F);
    EXPECT_NEAR(boxes[1].x2, 5.6, 1e-6);
}

} // namespace
} // namespace numberlark
