#include "ui/options/FrmOptions.h"

#include "settings/Settings.h"
#include "ui/common/FaceAnimation.h"

#include "support/ScriptedDialogs.h"
#include "support/UrlHandlerStandIn.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

namespace numberlark {

namespace {

class FrmOptionsTest : public ::testing::Test {
protected:
    ~FrmOptionsTest() override { delete m_window.data(); }

    // Opens the window the way the main window does, after its load step.
    void open()
    {
        LoadSettings(m_record, m_store);
        m_window = new FrmOptions(m_record, &m_print, m_store, desktop());
        m_window->show();
    }
    OptionsDesktop desktop()
    {
        return {[this](const QUrl& url) {
                    m_opened << url;
                    return m_openSucceeds;
                },
                m_dialogs};
    }
    template <typename T> T* child(const char* name) const
    {
        return m_window->findChild<T*>(QString::fromLatin1(name));
    }
    QCheckBox* box(const char* name) const { return child<QCheckBox>(name); }
    QLineEdit* numberBox() const { return child<QLineEdit>("TxtNumofquestions"); }
    void typeNumber(const QString& text)
    {
        numberBox()->clear();
        QTest::keyClicks(numberBox(), text);
    }
    bool closedAndDeleted()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return m_window.isNull();
    }

    MemorySettingsStore m_store;
    SessionRecord m_record;
    QPushButton m_print{QStringLiteral("Print")}; // never shown, like before a test ends
    QPointer<FrmOptions> m_window;
    QList<QUrl> m_opened;
    bool m_openSucceeds = true;
    std::shared_ptr<testing::ScriptedDialogs> m_dialogs =
        std::make_shared<testing::ScriptedDialogs>();
};

TEST_F(FrmOptionsTest, FirstRunShowsTheDefaultsWithOkFocused)
{
    m_print.setEnabled(false);
    open();
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Options"));
    for (const char* name : {"ChkSaveresults", "ChkPrintenable", "ChkSound", "ChkRemember"}) {
        EXPECT_EQ(box(name)->checkState(), Qt::Unchecked) << name;
    }
    EXPECT_EQ(numberBox()->text(), QStringLiteral(" 20"));
    EXPECT_EQ(m_window->focusWidget(), child<QPushButton>("Command1"));
    EXPECT_FALSE(m_print.isEnabled());
    EXPECT_FALSE(m_window->isModal());
    EXPECT_EQ(m_window->size(), QSize(346, 405));
}

TEST_F(FrmOptionsTest, StoredValuesAreShownAndThePrintButtonFollows)
{
    for (const char* key : {"allow_printing", "allow_saving", "allow_sound"}) {
        m_store.write(QString::fromLatin1(key), QStringLiteral("1"));
    }
    m_store.write(SettingsKeys::numOfQuestions, QStringLiteral("-5"));
    m_print.setEnabled(false);
    open();
    for (const char* name : {"ChkSaveresults", "ChkPrintenable", "ChkSound"}) {
        EXPECT_EQ(box(name)->checkState(), Qt::Checked) << name;
    }
    EXPECT_EQ(box("ChkRemember")->checkState(), Qt::Unchecked);
    EXPECT_EQ(numberBox()->text(), QStringLiteral("-5"));
    EXPECT_TRUE(m_print.isEnabled());
    EXPECT_EQ(m_record.Numofquestions, -5);
}

TEST_F(FrmOptionsTest, OpensCentredWithTheFaceSmilingBesideTheHeading)
{
    open();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((m_window->frameGeometry().center() - screen.center()).manhattanLength(), 1);
    const auto* faces = m_window->findChild<FaceAnimation*>();
    ASSERT_NE(faces, nullptr);
    EXPECT_EQ(faces->smile()->pos(), QPoint(56, 56));
    EXPECT_EQ(m_window->childAt(64, 64), faces->smile());
    EXPECT_EQ(faces->interval(), 2000);
    m_window->close();
    EXPECT_FALSE(faces->isRunning());
}

TEST_F(FrmOptionsTest, TabGoesThroughTheControlsInTheirOrder)
{
    open();
    QStringList order;
    QWidget* widget = child<QPushButton>("Command1");
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) != 0) {
            order << widget->objectName();
        }
        widget = widget->nextInFocusChain();
    } while (widget != child<QPushButton>("Command1"));
    EXPECT_EQ(order, (QStringList{"Command1", "ChkSound", "ChkPrintenable", "ChkSaveresults",
                                  "ChkRemember", "TxtNumofquestions", "CmdView"}));
}

TEST_F(FrmOptionsTest, EachTickReachesTheRecordAtOnce)
{
    open();
    box("ChkSound")->click();
    EXPECT_TRUE(m_record.allow_sound);
    box("ChkSaveresults")->click();
    EXPECT_TRUE(m_record.allow_saving);
    box("ChkSound")->click();
    EXPECT_FALSE(m_record.allow_sound);
    EXPECT_TRUE(m_record.allow_saving);
}

TEST_F(FrmOptionsTest, PrintingTickEnablesAndDisablesTheHiddenPrintButton)
{
    m_print.setEnabled(false);
    open();
    box("ChkPrintenable")->click();
    EXPECT_TRUE(m_record.allow_printing);
    EXPECT_TRUE(m_print.isEnabled());
    EXPECT_TRUE(m_print.isHidden());
    box("ChkPrintenable")->click();
    EXPECT_FALSE(m_record.allow_printing);
    EXPECT_FALSE(m_print.isEnabled());
}

TEST_F(FrmOptionsTest, APrintButtonThatIsGoneIsLeftAlone)
{
    auto* print = new QPushButton;
    m_window = new FrmOptions(m_record, print, m_store, desktop());
    delete print;
    box("ChkPrintenable")->click();
    EXPECT_TRUE(m_record.allow_printing);
}

struct NumberCase {
    const char* typed;
    std::int16_t expected;
};

TEST_F(FrmOptionsTest, TypedNumbersAreReadAndRoundedHalfToEven)
{
    const NumberCase cases[] = {{"abc", 0},         {"", 0},      {"2.5", 2},  {"3.5", 4},
                                {"12abc", 12},      {"1 5", 15},  {"-7", -7},  {"32767", 32767},
                                {"-32768", -32768}, {"-2.5", -2}, {"&H10", 16}};
    open();
    for (const NumberCase& c : cases) {
        m_record.Numofquestions = 99;
        typeNumber(QString::fromLatin1(c.typed));
        EXPECT_EQ(m_record.Numofquestions, c.expected) << c.typed;
        EXPECT_FALSE(numberBox()->property("invalid").toBool()) << c.typed;
    }
}

TEST_F(FrmOptionsTest, ANumberBeyondSixteenBitsIsRefusedAndTheLastOneKept)
{
    open();
    const QColor normalBase = numberBox()->palette().color(QPalette::Base);
    for (const char* refused : {"40000", "32768", "-32769", "32767.5", "1e999"}) {
        numberBox()->setText(QStringLiteral(" 20"));
        numberBox()->setText(QString::fromLatin1(refused));
        EXPECT_EQ(m_record.Numofquestions, 20) << refused;
        EXPECT_TRUE(numberBox()->property("invalid").toBool()) << refused;
        EXPECT_NE(numberBox()->palette().color(QPalette::Base), normalBase) << refused;
        EXPECT_TRUE(numberBox()->toolTip().contains(QStringLiteral("stays at 20"))) << refused;
        EXPECT_EQ(numberBox()->text(), QString::fromLatin1(refused)) << "the typing is not lost";
    }
    typeNumber(QStringLiteral("12"));
    EXPECT_EQ(m_record.Numofquestions, 12);
    EXPECT_FALSE(numberBox()->property("invalid").toBool());
    EXPECT_EQ(numberBox()->palette().color(QPalette::Base), normalBase);
    EXPECT_TRUE(numberBox()->toolTip().isEmpty());
}

TEST_F(FrmOptionsTest, OkWithoutRememberWritesNothingButTheEditsStay)
{
    open();
    box("ChkSound")->click();
    typeNumber(QStringLiteral("7"));
    child<QPushButton>("Command1")->click();
    EXPECT_TRUE(m_store.values().isEmpty());
    EXPECT_TRUE(m_record.allow_sound);
    EXPECT_EQ(m_record.Numofquestions, 7);
    EXPECT_TRUE(closedAndDeleted());
}

TEST_F(FrmOptionsTest, OkWithRememberWritesAllFourKeysFromTheControls)
{
    m_store.write(SettingsKeys::allowSaving, QStringLiteral("True"));
    open();
    box("ChkPrintenable")->click();
    box("ChkSaveresults")->click(); // now unticked
    box("ChkRemember")->click();
    typeNumber(QStringLiteral("1 5"));
    child<QPushButton>("Command1")->click();
    EXPECT_EQ(m_store.values(), (QHash<QString, QString>{{"allow_printing", "1"},
                                                         {"allow_saving", "0"},
                                                         {"allow_sound", "0"},
                                                         {"num_of_questions", "15"}}));
    EXPECT_TRUE(closedAndDeleted());
}

TEST_F(FrmOptionsTest, ARefusedNumberIsSavedAsTheNumberKept)
{
    open();
    typeNumber(QStringLiteral("30"));
    box("ChkRemember")->click();
    numberBox()->setText(QStringLiteral("99999")); // pasted in one go
    child<QPushButton>("Command1")->click();
    EXPECT_EQ(m_store.values().value(SettingsKeys::numOfQuestions), QStringLiteral("30"));
}

TEST_F(FrmOptionsTest, EscAndEnterPressOkSaveIncluded)
{
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
        m_store = MemorySettingsStore();
        open();
        box("ChkRemember")->click();
        typeNumber(QStringLiteral("8"));
        QTest::keyClick(numberBox(), key);
        EXPECT_EQ(m_store.values().value(SettingsKeys::numOfQuestions), QStringLiteral("8")) << key;
        EXPECT_TRUE(closedAndDeleted()) << key;
    }
}

TEST_F(FrmOptionsTest, TheCloseBoxNeverSaves)
{
    open();
    box("ChkRemember")->click();
    box("ChkSound")->click();
    m_window->close();
    EXPECT_TRUE(m_store.values().isEmpty());
    EXPECT_TRUE(m_record.allow_sound);
    EXPECT_TRUE(closedAndDeleted());
}

// A save that does not reach the settings file says where and why, keeps the
// window open and the edits in the record; once the file can be written, OK
// saves and closes.
TEST_F(FrmOptionsTest, ASaveThatFailsKeepsTheWindowOpenUntilItSucceeds)
{
    QTemporaryDir temp;
    const QString file = temp.filePath(QStringLiteral("Numberlark.conf"));
    QDir().mkpath(file); // a folder in the file's place
    QSettingsStore store(file);
    m_window = new FrmOptions(m_record, &m_print, store, desktop());
    m_window->show();
    box("ChkSound")->click();
    box("ChkRemember")->click();
    child<QPushButton>("Command1")->click();
    ASSERT_EQ(m_dialogs->told.size(), 1U);
    EXPECT_EQ(m_dialogs->told[0].icon, QMessageBox::Warning);
    const QString shown = m_dialogs->told[0].text;
    EXPECT_TRUE(shown.contains(file)) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("folder"))) << shown.toStdString();
    ASSERT_FALSE(closedAndDeleted());
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_TRUE(m_record.allow_sound);

    QDir(file).removeRecursively();
    child<QPushButton>("Command1")->click();
    EXPECT_TRUE(closedAndDeleted());
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().contains("allow_sound=1\n"));
}

// Runs each View Results case in a folder of its own, never the real one.
class ViewResultsTest : public FrmOptionsTest {
protected:
    ViewResultsTest() { QDir::setCurrent(m_folder.path()); }
    ~ViewResultsTest() override { QDir::setCurrent(m_previous); }
    QString resultsPath() const { return QDir(m_folder.path()).absoluteFilePath("numberlark.csv"); }
    void makeResultsFile() const
    {
        QFile file(resultsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QString m_previous = QDir::currentPath();
    QTemporaryDir m_folder;
};

TEST_F(ViewResultsTest, OpensTheResultsFileOfTheCurrentFolder)
{
    makeResultsFile();
    open();
    child<QPushButton>("CmdView")->click();
    EXPECT_EQ(m_opened, QList<QUrl>{QUrl::fromLocalFile(resultsPath())});
    EXPECT_TRUE(m_dialogs->told.empty());
    EXPECT_TRUE(m_window->isVisible());
}

TEST_F(ViewResultsTest, SaysSoWhenThereAreNoResultsYet)
{
    open();
    child<QPushButton>("CmdView")->click();
    EXPECT_TRUE(m_opened.isEmpty());
    ASSERT_EQ(m_dialogs->told.size(), 1u);
    EXPECT_EQ(m_dialogs->told[0].icon, QMessageBox::Information);
    EXPECT_TRUE(m_dialogs->told[0].text.contains(QDir::toNativeSeparators(resultsPath())));
}

TEST_F(ViewResultsTest, SaysSoWhenNoViewerStarts)
{
    makeResultsFile();
    m_openSucceeds = false;
    open();
    child<QPushButton>("CmdView")->click();
    ASSERT_EQ(m_dialogs->told.size(), 1u);
    EXPECT_EQ(m_dialogs->told[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(m_dialogs->told[0].text.contains(QDir::toNativeSeparators(resultsPath())));
}

TEST_F(ViewResultsTest, AFolderInTheFilesPlaceIsNotOpened)
{
    ASSERT_TRUE(QDir(m_folder.path()).mkdir(QStringLiteral("numberlark.csv")));
    open();
    child<QPushButton>("CmdView")->click();
    EXPECT_TRUE(m_opened.isEmpty());
    ASSERT_EQ(m_dialogs->told.size(), 1u);
    EXPECT_EQ(m_dialogs->told[0].icon, QMessageBox::Warning);
}

TEST_F(ViewResultsTest, WithoutASeamTheFileGoesToTheDesktopsHandler)
{
    makeResultsFile();
    testing::UrlHandlerStandIn viewer(QStringLiteral("file"));
    FrmOptions window(m_record, &m_print, m_store);
    window.findChild<QPushButton*>(QStringLiteral("CmdView"))->click();
    EXPECT_EQ(viewer.opened, QList<QUrl>{QUrl::fromLocalFile(resultsPath())});
}

} // namespace
} // namespace numberlark
