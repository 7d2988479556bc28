#include "ui/about/FrmAbout.h"

#include "ui/about/MakerAddress.h"
#include "ui/common/FaceAnimation.h"

#include "support/UrlHandlerStandIn.h"

#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QUrl>

namespace numberlark {

namespace {

bool deleted(const QPointer<FrmAbout>& window)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return window.isNull();
}

class FrmAboutTest : public ::testing::Test {
protected:
    ~FrmAboutTest() override { delete m_window.data(); }

    template <typename T> T* child(const char* name) const
    {
        return m_window->findChild<T*>(QString::fromLatin1(name));
    }
    QPointer<FrmAbout> m_window = new FrmAbout([](const QString&) {
        ADD_FAILURE() << "nothing should open";
        return std::optional<URLLink::OpenFailure>();
    });
};

TEST(VersionCaption, PlainNumbersWithSinglePoints)
{
    EXPECT_EQ(versionCaption(9, 1, 1), QStringLiteral("Version 9.1.1"));
    EXPECT_EQ(versionCaption(10, 0, 12), QStringLiteral("Version 10.0.12"));
}

TEST_F(FrmAboutTest, ShowsTheProgramsNameAndVersion)
{
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("About Numberlark"));
    EXPECT_EQ(child<QLabel>("Label2")->text(), QStringLiteral("\"Numberlark\""));
    EXPECT_EQ(child<QLabel>("Label3(5)")->text(), QStringLiteral("Version 9.1.1"));
    EXPECT_EQ(m_window->size(), QSize(346, 321));
    EXPECT_FALSE(m_window->isModal());
}

TEST_F(FrmAboutTest, OpensCentredWithTheFaceSmiling)
{
    m_window->show();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((m_window->frameGeometry().center() - screen.center()).manhattanLength(), 1);
    const auto* faces = m_window->findChild<FaceAnimation*>();
    ASSERT_NE(faces, nullptr);
    EXPECT_TRUE(faces->isRunning());
    EXPECT_EQ(faces->interval(), 2000);
    EXPECT_EQ(m_window->childAt(64, 64), faces->smile());
}

TEST_F(FrmAboutTest, TheLinkComesBackFromTheStoredDescriptionWithoutATooltip)
{
    const auto* link = child<URLLink>("URLLink1");
    EXPECT_EQ(link->Text(), QString::fromLatin1(kMakerWebAddress));
    EXPECT_EQ(link->URL(), QString::fromLatin1(kMakerWebAddress));
    EXPECT_FALSE(link->ShowToolTip());
    EXPECT_TRUE(link->findChild<QLabel*>()->toolTip().isEmpty());
    EXPECT_FALSE(
        FrmAbout::storedLinkDescription().values().contains(QStringLiteral("ShowToolTip")));
}

TEST_F(FrmAboutTest, EnterAndEscBothClose)
{
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        QPointer<FrmAbout> window = new FrmAbout([](const QString&) {
            ADD_FAILURE() << "nothing should open";
            return std::optional<URLLink::OpenFailure>();
        });
        window->show();
        auto* faces = window->findChild<FaceAnimation*>();
        QTest::keyClick(window->findChild<QPushButton*>(QStringLiteral("Command1")), key);
        EXPECT_FALSE(window.isNull() || window->isVisible()) << key;
        EXPECT_FALSE(faces->isRunning()) << key;
        EXPECT_TRUE(deleted(window)) << key;
    }
}

TEST(FrmAboutDesktop, LeftPressOpensTheMakersPageWithTheDesktopsHandlerRightPressNothing)
{
    testing::UrlHandlerStandIn browser(QStringLiteral("https"));
    FrmAbout window;
    auto* text = window.findChild<URLLink*>()->findChild<QLabel*>();
    QTest::mousePress(text, Qt::RightButton);
    QTest::mousePress(text, Qt::LeftButton);
    EXPECT_EQ(browser.opened, QList<QUrl>{QUrl(QString::fromLatin1(kMakerWebAddress))});
}

} // namespace
} // namespace numberlark
