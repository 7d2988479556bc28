#include "ui/common/FaceAnimation.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QWidget>

namespace numberlark {
namespace {

class FaceAnimationTest : public ::testing::Test {
protected:
    QWidget m_window;
    FaceAnimation* m_faces = new FaceAnimation(&m_window);
    const QPoint m_place{56, 56};

    QWidget* faceInFront() const { return m_window.childAt(m_place + QPoint(16, 16)); }
};

TEST_F(FaceAnimationTest, StartsWithTheSmileInFrontForTwoSeconds)
{
    m_faces->grin()->raise(); // a start must put the smile back in front
    m_faces->start(m_place);
    EXPECT_EQ(m_faces->smile()->objectName(), QStringLiteral("Image1"));
    EXPECT_EQ(m_faces->grin()->objectName(), QStringLiteral("Image2"));
    EXPECT_FALSE(m_faces->smile()->accessibleName().isEmpty()); // a screen reader names it
    EXPECT_FALSE(m_faces->grin()->accessibleName().isEmpty());
    EXPECT_EQ(m_faces->smile()->geometry(), QRect(m_place, QSize(32, 32)));
    EXPECT_EQ(m_faces->grin()->geometry(), QRect(m_place, QSize(32, 32)));
    EXPECT_EQ(faceInFront(), m_faces->smile());
    EXPECT_TRUE(m_faces->isRunning());
    EXPECT_EQ(m_faces->interval(), 2000);
}

TEST_F(FaceAnimationTest, GrinsForAFifthOfASecondThenSmilesForFiveSeconds)
{
    m_faces->start(m_place);
    struct Step {
        int interval;
        bool grinning;
    };
    const Step expected[] = {{200, true}, {5000, false}, {200, true}, {5000, false}, {200, true}};
    int tick = 0;
    for (const Step& step : expected) {
        m_faces->tick();
        ++tick;
        EXPECT_EQ(m_faces->interval(), step.interval) << "tick " << tick;
        EXPECT_EQ(faceInFront(), step.grinning ? m_faces->grin() : m_faces->smile())
            << "tick " << tick;
        EXPECT_TRUE(m_faces->isRunning());
    }
}

TEST_F(FaceAnimationTest, ClosingTheWindowStopsIt)
{
    m_window.show();
    m_faces->start(m_place);
    m_faces->tick();
    m_window.close();
    EXPECT_FALSE(m_faces->isRunning());
}

} // namespace
} // namespace numberlark
