// The main window as a child first sees it: every control, the load step,
// the menus, the stacking and the keyboard order.
#include "MainWindowHarness.h"
#include "ui/common/Fonts.h"
#include "ui/main/CaptionLabel.h"
#include "ui/main/DrawingSurface.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTimer>
#include <gtest/gtest.h>

namespace numberlark {
namespace {

using testing::MainWindowHarness;

struct ControlState {
    const char* name;
    bool visible;
    bool enabled;
    const char* text; // nullptr: not a text control
};

const QString kInstructions = QStringLiteral(
    "How fast can you answer 20 times table questions?\n\nThis program will time you. Choose "
    "the times table you want to practise the press the TEST button.\n\nGood Luck!");

TEST(MainWindowFirstRun, EveryControlStartsAsDesigned)
{
    const ControlState expected[] = {
        {"Option1_0", true, true, "2 times table"},
        {"Option1_5", true, true, "7 times table"},
        {"Option1_7", true, true, "9 times table"},
        {"Option1_10", true, true, "12 times table"},
        {"Option1_11", true, true, "Mixed"},
        {"Option1_12", true, true, "Other"},
        {"TxtOther", true, false, "13"},
        {"Cmdprint_1", false, true, "Print"},
        {"TxtAnswer", false, true, ""},
        {"CmdTest", true, true, "Test"},
        {"CmdQuit_1", true, true, "Quit"},
        {"lblscoresofar", false, true, "1 of 20"},
        {"Lbldate", false, true, "Date"},
        {"lblYON", true, true, nullptr},
        {"ImgCertificate", false, true, nullptr},
        {"LblTimer", true, true, ""},
        {"LblCorrect", true, true, ""},
        {"LblQuestion", true, true, ""},
        {"Imgclock", true, true, nullptr},
        {"Imgwhiteboard", false, true, nullptr},
        {"ImgTitle", true, true, nullptr},
        {"Imgsign", false, true, nullptr},
    };
    MainWindowHarness harness;
    Form1& window = harness.window();
    for (const auto& state : expected) {
        SCOPED_TRACE(state.name);
        auto* control = window.findChild<QWidget*>(QString::fromLatin1(state.name));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->isVisible(), state.visible);
        EXPECT_EQ(control->isEnabled(), state.enabled);
        if (auto* option = qobject_cast<QRadioButton*>(control)) {
            EXPECT_EQ(option->text(), QString::fromLatin1(state.text));
            EXPECT_EQ(option->isChecked(), QByteArray(state.name) == "Option1_7");
        } else if (auto* button = qobject_cast<QPushButton*>(control)) {
            EXPECT_EQ(button->text(), QString::fromLatin1(state.text));
        } else if (state.text) {
            EXPECT_EQ(harness.text(state.name), QString::fromLatin1(state.text));
        }
    }
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Number Lark"));
    EXPECT_EQ(harness.text("LblInstructions"), kInstructions);
    EXPECT_EQ(window.focusWidget(), harness.controls().CmdTest);
    EXPECT_FALSE(harness.controls().Timer1->isActive());
}

TEST(MainWindowFirstRun, LoadStepFillsTheSessionFromTheSettings)
{
    MainWindowHarness defaults;
    const SessionRecord& fresh = defaults.window().record();
    EXPECT_EQ(fresh.Numofquestions, 20);
    EXPECT_FALSE(fresh.allow_printing || fresh.allow_saving || fresh.allow_sound);
    EXPECT_EQ(fresh.current_table, 0) << "the preselected 9 is not a selection event";
    EXPECT_EQ(defaults.controls().surface->fillColour(), QColor(255, 255, 0));

    MainWindowHarness stored;
    stored.store("num_of_questions", "10");
    stored.store("allow_printing", "1");
    stored.store("allow_sound", "True");
    const SessionRecord& record = stored.window().record();
    EXPECT_EQ(record.Numofquestions, 10);
    EXPECT_TRUE(record.allow_printing);
    EXPECT_TRUE(record.allow_sound);
    EXPECT_FALSE(record.allow_saving);
    EXPECT_EQ(stored.text("lblscoresofar"), QStringLiteral("1 of 10"));
    EXPECT_EQ(stored.text("LblInstructions"), kInstructions) << "the 20 there is fixed text";

    MainWindowHarness negative;
    negative.store("num_of_questions", "-5");
    negative.window();
    EXPECT_EQ(negative.text("lblscoresofar"), QStringLiteral("1 of-5"));
}

TEST(MainWindowFirstRun, FontsColoursAndUnmovedDesignPositions)
{
    MainWindowHarness harness;
    const MainControls& c = harness.controls();
    EXPECT_EQ(c.TxtAnswer->font().pointSizeF(), 24.0);
    EXPECT_TRUE(c.TxtAnswer->font().bold());
    EXPECT_EQ(c.TxtAnswer->palette().color(QPalette::Text), QColor(0, 0, 255));
    EXPECT_EQ(c.TxtAnswer->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(c.Option1[3]->palette().color(QPalette::WindowText), QColor(0, 0, 192));
    EXPECT_EQ(c.Option1[3]->font().pointSizeF(), 12.0);
    // Each designed family is asked for by the installed face that stands in for it.
    EXPECT_EQ(c.LblTimer->font().family(), installedFamily(QStringLiteral("Courier New")));
    EXPECT_NE(installedFamily(QStringLiteral("Courier New")), QStringLiteral("Courier New"));
    EXPECT_EQ(c.LblCorrect->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_TRUE(c.lblYON->font().italic());
    EXPECT_FALSE(c.lblYON->font().bold());
    EXPECT_TRUE(c.lblYON->autoFillBackground()) << "the notice is opaque";
    EXPECT_FALSE(c.LblQuestion->autoFillBackground());
    // No font of its own: the window's Arial 15.75 pt bold.
    EXPECT_EQ(c.lblscoresofar->font().family(), installedFamily(QStringLiteral("Arial")));
    EXPECT_EQ(c.lblscoresofar->font().pointSizeF(), 15.75);
    EXPECT_EQ(c.lblscoresofar->palette().color(QPalette::WindowText), QColor(255, 128, 128));
    // Design rectangles in twips / 15, for controls the layout never moves.
    EXPECT_EQ(c.TxtOther->geometry(), QRect(452, 397, 52, 28));
    EXPECT_EQ(c.Option1[12]->geometry(), QRect(371, 392, 81, 33));
    EXPECT_EQ(c.LblInstructions->geometry(), QRect(24, 160, 185, 225));
    EXPECT_EQ(c.ImgTitle->size(), QSize(416, 127));
    EXPECT_EQ(c.ImgTitle->y(), 8);
}

TEST(MainWindowFirstRun, LabelsAndPicturesStayBeneathTheControlsInTheirOrder)
{
    MainWindowHarness harness;
    const QObjectList& stack = harness.controls().surface->children(); // back to front
    const auto position = [&](const char* name) {
        for (qsizetype i = 0; i < stack.size(); ++i) {
            if (stack[i]->objectName() == QLatin1String(name)) {
                return i;
            }
        }
        ADD_FAILURE() << name << " is not on the surface";
        return qsizetype{-1};
    };
    const char* lowerFromTop[] = {
        "lblscoresofar", "Lbldate",     "lblYON",   "LblInstructions", "ImgCertificate", "LblTimer",
        "LblCorrect",    "LblQuestion", "Imgclock", "Imgwhiteboard",   "ImgTitle",       "Imgsign"};
    for (std::size_t i = 1; i < std::size(lowerFromTop); ++i) {
        EXPECT_GT(position(lowerFromTop[i - 1]), position(lowerFromTop[i])) << lowerFromTop[i];
    }
    for (const char* upper : {"CmdTest", "TxtAnswer", "TxtOther", "Option1_0", "Cmdprint_1"}) {
        EXPECT_GT(position(upper), position("lblscoresofar")) << upper;
    }
}

TEST(MainWindowFirstRun, KeyboardOrderFollowsTheTabIndexes)
{
    MainWindowHarness harness;
    const char* order[] = {"CmdTest",    "TxtAnswer", "CmdQuit_1", "Option1_0",  "Option1_1",
                           "Option1_2",  "Option1_3", "Option1_4", "Option1_5",  "Option1_6",
                           "Option1_7",  "Option1_8", "Option1_9", "Option1_10", "Option1_11",
                           "Cmdprint_1", "TxtOther",  "Option1_12"};
    QWidget* widget = harness.controls().CmdTest;
    for (std::size_t i = 1; i < std::size(order); ++i) {
        do {
            widget = widget->nextInFocusChain();
        } while (widget->focusPolicy() == Qt::NoFocus);
        EXPECT_EQ(widget->objectName(), QLatin1String(order[i]));
    }
    for (const char* never : {"LblQuestion", "Imgclock", "lblYON"}) {
        EXPECT_EQ(harness.window().findChild<QWidget*>(QLatin1String(never))->focusPolicy(),
                  Qt::NoFocus);
    }
}

TEST(MainWindowFirstRun, MenuBarWithAccessKeys)
{
    MainWindowHarness harness;
    const QList<QAction*> bar = harness.window().menuBar()->actions();
    ASSERT_EQ(bar.size(), 3);
    EXPECT_EQ(bar[0]->text(), QStringLiteral("&File"));
    EXPECT_EQ(bar[1]->text(), QStringLiteral("&Tools"));
    EXPECT_EQ(bar[2]->text(), QStringLiteral("&About"));
    EXPECT_EQ(bar[2]->menu(), nullptr) << "About acts at once";
    QStringList file;
    for (QAction* item : bar[0]->menu()->actions()) {
        file << item->objectName() + QLatin1Char('=') + item->text();
    }
    EXPECT_EQ(file, QStringList({QStringLiteral("MnuPrint=&Print"),
                                 QStringLiteral("MnuSavePdf=Save Certificate &As PDF..."),
                                 QStringLiteral("MnuExit=E&xit")}));
    ASSERT_EQ(bar[1]->menu()->actions().size(), 3);
    EXPECT_EQ(bar[1]->menu()->actions()[0]->text(), QStringLiteral("&Options"));
    EXPECT_EQ(bar[1]->menu()->actions()[1]->text(), QStringLiteral("&Progress..."));
    EXPECT_EQ(bar[1]->menu()->actions()[2]->text(), QStringLiteral("P&ractise..."));

    // Two items with the same access key in one menu only cycle between them.
    for (QAction* menu : bar) {
        if (menu->menu() == nullptr) {
            continue;
        }
        QSet<QChar> keys;
        for (QAction* item : menu->menu()->actions()) {
            const qsizetype amp = item->text().indexOf(QLatin1Char('&'));
            ASSERT_GE(amp, 0) << item->text().toStdString();
            const QChar key = item->text().at(amp + 1).toLower();
            EXPECT_FALSE(keys.contains(key)) << item->text().toStdString();
            keys.insert(key);
        }
    }
}

// The client area below the menu bar opens at the design 11040 x 8310 twips,
// so everything anchored to the bottom edge sits where it was designed.
TEST(MainWindowFirstRun, OpensWithTheDesignClientAreaBelowTheMenuBar)
{
    MainWindowHarness harness;
    EXPECT_EQ(harness.window().centralWidget()->size(), QSize(736, 554));
    EXPECT_EQ(harness.window().centralWidget()->y(), harness.window().menuBar()->height());
}

} // namespace
} // namespace numberlark
