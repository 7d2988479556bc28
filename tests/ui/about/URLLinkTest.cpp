#include "ui/about/URLLink.h"

#include "ui/about/MakerAddress.h"
#include "ui/about/MemoryPropertyBag.h"

#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

namespace numberlark {
namespace {

Qt::CursorShape applicationCursor()
{
    const QCursor* cursor = QApplication::overrideCursor();
    return cursor != nullptr ? cursor->shape() : Qt::ArrowCursor;
}

void clearApplicationCursor()
{
    while (QApplication::overrideCursor() != nullptr) {
        QApplication::restoreOverrideCursor();
    }
}

struct Opening {
    QString address;
    Qt::CursorShape cursorDuring;
};

class URLLinkTest : public ::testing::Test {
protected:
    ~URLLinkTest() override { clearApplicationCursor(); }

    QLabel* label() const { return m_link.findChild<QLabel*>(QStringLiteral("lblURL")); }
    void press(Qt::MouseButton button) { QTest::mousePress(label(), button, {}, QPoint(3, 3)); }

    std::vector<Opening> m_opened;
    std::optional<URLLink::OpenFailure> m_failure;
    // Notes the pointer's shape when a box is shown.
    class NotingDialogs : public testing::ScriptedDialogs {
    public:
        Qt::CursorShape cursorAtMessage = Qt::ArrowCursor;
        void tell(const QString& title, const QString& text, QMessageBox::Icon icon) override
        {
            cursorAtMessage = applicationCursor();
            ScriptedDialogs::tell(title, text, icon);
        }
    };
    QStringList messages() const
    {
        QStringList texts;
        for (const auto& box : m_dialogs->told) {
            texts << box.text;
        }
        return texts;
    }

    std::shared_ptr<NotingDialogs> m_dialogs = std::make_shared<NotingDialogs>();
    URLLink m_link{nullptr,
                   [this](const QString& address) {
                       m_opened.push_back({address, applicationCursor()});
                       return m_failure;
                   },
                   m_dialogs};
};

TEST_F(URLLinkTest, LeftPressOpensTheAddressUnderABusyPointer)
{
    m_link.setURL(QStringLiteral("https://example.org/tables"));
    press(Qt::LeftButton);
    ASSERT_EQ(m_opened.size(), 1u);
    EXPECT_EQ(m_opened[0].address, QStringLiteral("https://example.org/tables"));
    EXPECT_EQ(m_opened[0].cursorDuring, Qt::WaitCursor);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(URLLinkTest, GoToURLGetsACopyOfTheAddressAndMayReplaceItForThisOpeningOnly)
{
    m_link.setURL(QStringLiteral("https://example.org/a"));
    QString seen;
    bool cancelSeen = true;
    QObject::connect(&m_link, &URLLink::GoToURL, &m_link, [&](QString& url, bool& cancel) {
        seen = url;
        cancelSeen = cancel;
        url = QStringLiteral("https://example.org/b");
    });
    press(Qt::LeftButton);
    EXPECT_EQ(seen, QStringLiteral("https://example.org/a"));
    EXPECT_FALSE(cancelSeen);
    ASSERT_EQ(m_opened.size(), 1u);
    EXPECT_EQ(m_opened[0].address, QStringLiteral("https://example.org/b"));
    EXPECT_EQ(m_link.URL(), QStringLiteral("https://example.org/a"));
}

TEST_F(URLLinkTest, CancelOpensNothingAndLeavesThePointerAlone)
{
    QObject::connect(&m_link, &URLLink::GoToURL, &m_link,
                     [](QString&, bool& cancel) { cancel = true; });
    QApplication::setOverrideCursor(Qt::CrossCursor);
    press(Qt::LeftButton);
    EXPECT_TRUE(m_opened.empty());
    EXPECT_EQ(applicationCursor(), Qt::CrossCursor);
}

TEST_F(URLLinkTest, RightOrMiddlePressOnlyPutsTheNormalPointerBack)
{
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        int raised = 0;
        const auto connection = QObject::connect(&m_link, &URLLink::GoToURL, &m_link,
                                                 [&](QString&, bool&) { ++raised; });
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        press(button);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << button;
        EXPECT_EQ(raised, 0) << button;
        EXPECT_TRUE(m_opened.empty()) << button;
        QObject::disconnect(connection);
    }
}

TEST_F(URLLinkTest, AFailureToStartIsShownAfterThePointerIsBackAndTheLinkStaysUsable)
{
    m_link.setURL(QStringLiteral("notes.txt"));
    m_failure = URLLink::OpenFailure{53, QStringLiteral("File not found")};
    press(Qt::LeftButton);
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages()[0],
              QStringLiteral("Unable to load 'notes.txt' : File not found (Error 53)"));
    EXPECT_EQ(m_dialogs->cursorAtMessage, Qt::ArrowCursor);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    m_failure.reset();
    press(Qt::LeftButton);
    EXPECT_EQ(m_opened.size(), 2u);
    EXPECT_EQ(messages().size(), 1);
}

TEST_F(URLLinkTest, ToolTipShowsTheAddressOnlyWhileAskedTo)
{
    EXPECT_TRUE(label()->toolTip().isEmpty());
    m_link.setURL(QStringLiteral("https://example.org/1"));
    EXPECT_TRUE(label()->toolTip().isEmpty());
    m_link.setProperty("ShowToolTip", true);
    EXPECT_EQ(label()->toolTip(), QStringLiteral("https://example.org/1"));
    m_link.setProperty("URL", QStringLiteral("https://example.org/2"));
    EXPECT_EQ(label()->toolTip(), QStringLiteral("https://example.org/2"));
    m_link.setShowToolTip(false);
    EXPECT_TRUE(label()->toolTip().isEmpty());
}

TEST_F(URLLinkTest, TextSizesTheLabelButNotTheControl)
{
    m_link.resize(120, 17);
    m_link.setText(QStringLiteral("Tables"));
    const int shortWidth = label()->width();
    m_link.setText(QStringLiteral("Tables, tables and more tables"));
    EXPECT_EQ(label()->pos(), QPoint(0, 0));
    EXPECT_GT(label()->width(), shortWidth);
    EXPECT_EQ(label()->width(), QFontMetrics(label()->font()).horizontalAdvance(m_link.Text()));
    EXPECT_EQ(m_link.size(), QSize(120, 17));
}

TEST_F(URLLinkTest, EachSetterTellsTheContainerWhatChanged)
{
    QSignalSpy changed(&m_link, &URLLink::propertyChanged);
    m_link.setText(QStringLiteral("a"));
    m_link.setURL(QStringLiteral("b"));
    m_link.setShowToolTip(true);
    ASSERT_EQ(changed.size(), 3);
    EXPECT_EQ(changed[0][0].toString(), QStringLiteral("Text"));
    EXPECT_EQ(changed[1][0].toString(), QStringLiteral("URL"));
    EXPECT_EQ(changed[2][0].toString(), QStringLiteral("ShowToolTip"));
}

TEST_F(URLLinkTest, PropertiesSurviveASaveAndRestore)
{
    MemoryPropertyBag fresh;
    m_link.SaveProperties(fresh);
    EXPECT_TRUE(fresh.values().isEmpty()) << "defaults need not be stored";

    m_link.setText(QStringLiteral("Our page"));
    m_link.setURL(QStringLiteral("https://example.org/page"));
    m_link.setShowToolTip(true);
    MemoryPropertyBag bag;
    m_link.SaveProperties(bag);

    URLLink restored;
    restored.RestoreProperties(bag);
    EXPECT_EQ(restored.Text(), QStringLiteral("Our page"));
    EXPECT_EQ(restored.URL(), QStringLiteral("https://example.org/page"));
    EXPECT_TRUE(restored.ShowToolTip());
    const auto* restoredLabel = restored.findChild<QLabel*>(QStringLiteral("lblURL"));
    EXPECT_EQ(restoredLabel->toolTip(), QStringLiteral("https://example.org/page"));
}

struct FlagCase {
    QVariant stored;
    bool expected;
};

TEST_F(URLLinkTest, StoredFlagsReadAsWordsOrNumbers)
{
    const FlagCase cases[] = {{true, true},
                              {false, false},
                              {-1, true},
                              {0, false},
                              {QStringLiteral("True"), true},
                              {QStringLiteral("false"), false},
                              {QStringLiteral(" 1 "), true},
                              {QStringLiteral("0"), false}};
    for (const FlagCase& c : cases) {
        m_link.setShowToolTip(!c.expected);
        m_link.RestoreProperties(MemoryPropertyBag({{QStringLiteral("URL"), QStringLiteral("u")},
                                                    {QStringLiteral("ShowToolTip"), c.stored}}));
        EXPECT_EQ(m_link.ShowToolTip(), c.expected) << c.stored.toString().toStdString();
        EXPECT_EQ(m_link.URL(), QStringLiteral("u"));
    }
}

// A description that cannot be read at all.
class UnreadableBag final : public PropertyBag {
public:
    std::optional<QVariant> readProperty(const QString&, const QVariant&) const override
    {
        return std::nullopt;
    }
    void writeProperty(const QString&, const QVariant&, const QVariant&) override {}
};

TEST_F(URLLinkTest, UnreadablePropertiesFallBackToAllThreeDefaults)
{
    const MemoryPropertyBag badFlag({{QStringLiteral("Text"), QStringLiteral("T")},
                                     {QStringLiteral("URL"), QStringLiteral("U")},
                                     {QStringLiteral("ShowToolTip"), QStringLiteral("maybe")}});
    const MemoryPropertyBag listAsText(
        {{QStringLiteral("Text"), QStringList{"a", "b"}}, {QStringLiteral("ShowToolTip"), true}});
    const MemoryPropertyBag listAsFlag({{QStringLiteral("URL"), QStringLiteral("U")},
                                        {QStringLiteral("ShowToolTip"), QVariantList{1}}});
    const MemoryPropertyBag nanFlag({{QStringLiteral("ShowToolTip"), QStringLiteral("NaN")}});
    const MemoryPropertyBag infinityFlag(
        {{QStringLiteral("ShowToolTip"), QStringLiteral("-Infinity")}});
    const UnreadableBag unreadable;
    const PropertyBag* bags[] = {&badFlag, &listAsText,   &listAsFlag,
                                 &nanFlag, &infinityFlag, &unreadable};
    for (std::size_t i = 0; i < std::size(bags); ++i) {
        m_link.setText(QStringLiteral("x"));
        m_link.setURL(QStringLiteral("y"));
        m_link.setShowToolTip(true);
        m_link.RestoreProperties(*bags[i]);
        EXPECT_EQ(m_link.Text(), QString::fromLatin1(kMakerWebAddress)) << "bag " << i;
        EXPECT_EQ(m_link.URL(), QString::fromLatin1(kMakerWebAddress)) << "bag " << i;
        EXPECT_FALSE(m_link.ShowToolTip()) << "bag " << i;
        EXPECT_TRUE(label()->toolTip().isEmpty()) << "bag " << i;
    }
}

// A keyboard user reaches the link with Tab and follows it as a click does.
TEST_F(URLLinkTest, EnterAndSpaceFollowTheLinkOtherKeysDoNot)
{
    EXPECT_EQ(m_link.focusPolicy() & Qt::TabFocus, Qt::TabFocus);
    const struct {
        Qt::Key key;
        bool opens;
    } cases[] = {{Qt::Key_Return, true}, {Qt::Key_Enter, true}, {Qt::Key_Space, true},
                 {Qt::Key_A, false},     {Qt::Key_Tab, false},  {Qt::Key_Escape, false}};
    for (const auto& c : cases) {
        m_opened.clear();
        QTest::keyClick(&m_link, c.key);
        EXPECT_EQ(m_opened.size(), c.opens ? 1u : 0u) << "key " << c.key;
    }
}

} // namespace
} // namespace numberlark
