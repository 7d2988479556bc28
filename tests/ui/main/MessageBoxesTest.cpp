// The program's real message boxes, found while they are open and answered
// with real key presses and clicks.
#include "ui/about/URLLink.h"
#include "ui/common/Dialogs.h"
#include "ui/main/CertificatePrinter.h"
#include "ui/main/ResultsSaving.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace numberlark {
namespace {

// What a message box showed while it was open.
struct ShownBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons; // captions without their mnemonic marks, sorted
    QString defaultButton;
    QString escapeButton;
};

using Answer = std::function<void(QMessageBox& box)>;

QString caption(const QAbstractButton* button)
{
    return button != nullptr ? button->text().remove(QLatin1Char('&')) : QString();
}

ShownBox describe(const QMessageBox& box)
{
    ShownBox shown{
        box.windowTitle(),          box.text(), box.icon(), {}, caption(box.defaultButton()),
        caption(box.escapeButton())};
    for (const QAbstractButton* button : box.buttons()) {
        shown.buttons << caption(button);
    }
    shown.buttons.sort();
    return shown;
}

// Runs `open`, which shows a modal message box; the box is read and answered
// from inside its own event loop. A box the answer leaves open is a failure.
ShownBox answerTheBox(const std::function<void()>& open, const Answer& answer)
{
    ShownBox shown;
    bool found = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) {
            return;
        }
        poll.stop();
        found = true;
        shown = describe(*box);
        answer(*box);
        QTimer::singleShot(2000, box, [box] {
            ADD_FAILURE() << "the answer left the box open";
            box->done(-1);
        });
    });
    poll.start();
    open();
    EXPECT_TRUE(found) << "no message box was shown";
    return shown;
}

// A key pressed where the user's key would go: the box's focused button.
Answer press(Qt::Key key)
{
    return [key](QMessageBox& box) {
        QWidget* target = box.focusWidget() != nullptr ? box.focusWidget() : &box;
        QTest::keyClick(target, key);
    };
}

Answer click(const QString& buttonCaption)
{
    return [buttonCaption](QMessageBox& box) {
        for (QAbstractButton* button : box.buttons()) {
            if (caption(button) == buttonCaption) {
                QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
        }
        ADD_FAILURE() << "no button " << buttonCaption.toStdString();
    };
}

// A stray key (a letter of a button's caption, say) must not answer the box;
// Escape then closes it.
Answer strayThenEscape(Qt::Key key)
{
    return [key](QMessageBox& box) {
        const QPointer<QMessageBox> open(&box);
        press(key)(box);
        QTest::qWait(300); // longer than a button's animated click
        if (!open.isNull() && open->isVisible()) {
            press(Qt::Key_Escape)(*open);
        }
    };
}

class PrintingErrorBoxes : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_record.allow_printing = true;
        m_printer.printer().print = [](const auto&, const PrintedDocument& document) {
            return Outcome::failure(document.noPrinter);
        };
        m_printer.useDialogs(m_dialogs);
    }

    // The real boxes, with the file dialog answered here.
    class BoxesOnly : public DesktopDialogs {
    public:
        explicit BoxesOnly(PrintingErrorBoxes& test) : DesktopDialogs(nullptr), m_test(test) {}
        QString chooseFileToSave(const QString&, const QString&, const QString&,
                                 const QString&) override
        {
            ++m_test.m_pdfDialogs;
            return m_test.m_chosenPath;
        }

    private:
        PrintingErrorBoxes& m_test;
    };

    SessionRecord m_record;
    ClockSeededRandom m_random{4242};
    QuizSession m_session{m_record, m_random};
    CertificatePrinter m_printer{m_session, nullptr};
    const CertificateWindowValues m_window{QStringLiteral("Sam"), QString(), false};
    QString m_chosenPath;
    int m_pdfDialogs = 0;
    BoxesOnly m_dialogs{*this};
};

TEST_F(PrintingErrorBoxes, NoPrinterOffersAPdfInOneBoxWithoutAnIcon)
{
    const struct {
        const char* how;
        Answer answer;
        int pdfDialogs;
    } cases[] = {
        {"click Save as PDF", click(QStringLiteral("Save as PDF...")), 1},
        {"Enter", press(Qt::Key_Return), 1},
        {"click Cancel", click(QStringLiteral("Cancel")), 0},
        {"Escape", press(Qt::Key_Escape), 0},
    };
    for (const auto& c : cases) {
        m_pdfDialogs = 0;
        const ShownBox shown =
            answerTheBox([this] { m_printer.MnuPrint_Click(m_window); }, c.answer);
        EXPECT_EQ(shown.title, QStringLiteral("Printing Error")) << c.how;
        EXPECT_TRUE(shown.text.startsWith(QStringLiteral("No printer"))) << c.how;
        EXPECT_TRUE(shown.text.contains(QStringLiteral("save the certificate as a PDF"))) << c.how;
        EXPECT_EQ(shown.icon, QMessageBox::NoIcon) << c.how;
        EXPECT_EQ(shown.buttons,
                  QStringList({QStringLiteral("Cancel"), QStringLiteral("Save as PDF...")}))
            << c.how;
        EXPECT_EQ(shown.defaultButton, QStringLiteral("Save as PDF...")) << c.how;
        EXPECT_EQ(m_pdfDialogs, c.pdfDialogs) << c.how;
    }
}

TEST_F(PrintingErrorBoxes, AFailingStepShowsItsReasonWithOneOkAndNoIcon)
{
    const QTemporaryDir dir;
    m_chosenPath = dir.filePath(QStringLiteral("gone/certificate.pdf"));
    const ShownBox shown =
        answerTheBox([this] { m_printer.MnuSavePdf_Click(m_window); }, press(Qt::Key_Return));
    EXPECT_EQ(shown.title, QStringLiteral("Printing Error"));
    EXPECT_TRUE(shown.text.contains(QDir::toNativeSeparators(m_chosenPath)))
        << shown.text.toStdString();
    EXPECT_EQ(shown.icon, QMessageBox::NoIcon);
    EXPECT_EQ(shown.buttons, QStringList{QStringLiteral("OK")});
}

// Only a deliberate choice gives up the results line.
TEST(ResultsFailureBox, RetryIsTheDefaultAndTheEscapeAndNoStrayKeyLosesTheLine)
{
    const struct {
        const char* how;
        Answer answer;
        bool retry;
    } cases[] = {
        {"Escape", press(Qt::Key_Escape), true},
        {"Enter", press(Qt::Key_Return), true},
        {"Space", press(Qt::Key_Space), true},
        {"a stray Q", strayThenEscape(Qt::Key_Q), true},
        {"a stray W", strayThenEscape(Qt::Key_W), true},
        {"click Retry", click(QStringLiteral("Retry")), true},
        {"click Quit Without Saving", click(QStringLiteral("Quit Without Saving")), false},
    };
    const QString path = QStringLiteral("/home/sam/numberlark.csv");
    const QString reason = QStringLiteral("No space left on device");
    for (const auto& c : cases) {
        const Outcome failure =
            resultsFileOutcome({false, path.toStdString(), reason.toStdString()});
        DesktopDialogs dialogs(nullptr);
        bool retry = false;
        const ShownBox shown =
            answerTheBox([&] { retry = askAfterSaveFailure(dialogs, failure); }, c.answer);
        EXPECT_EQ(retry, c.retry) << c.how;
        EXPECT_TRUE(shown.text.contains(path)) << c.how;
        EXPECT_TRUE(shown.text.contains(reason)) << c.how;
        EXPECT_EQ(shown.icon, QMessageBox::Warning) << c.how;
        EXPECT_EQ(shown.buttons,
                  QStringList({QStringLiteral("Quit Without Saving"), QStringLiteral("Retry")}))
            << c.how;
        EXPECT_EQ(shown.defaultButton, QStringLiteral("Retry")) << c.how;
        EXPECT_EQ(shown.escapeButton, QStringLiteral("Retry")) << c.how;
    }
}

TEST(LinkFailureBox, ShowsTheAddressTheReasonAndTheNumberWithOneOk)
{
    URLLink link(nullptr, [](const QString&) {
        return std::optional<URLLink::OpenFailure>({2, QStringLiteral("No program could open it")});
    });
    link.setURL(QStringLiteral("https://example.org/tables"));
    auto* label = link.findChild<QLabel*>(QStringLiteral("lblURL"));
    ASSERT_NE(label, nullptr);
    const ShownBox shown =
        answerTheBox([label] { QTest::mousePress(label, Qt::LeftButton, {}, QPoint(3, 3)); },
                     press(Qt::Key_Return));
    EXPECT_EQ(shown.title, QApplication::applicationDisplayName());
    EXPECT_EQ(shown.text, QStringLiteral("Unable to load 'https://example.org/tables' : No "
                                         "program could open it (Error 2)"));
    EXPECT_EQ(shown.icon, QMessageBox::Warning);
    EXPECT_EQ(shown.buttons, QStringList{QStringLiteral("OK")});
}

} // namespace
} // namespace numberlark
