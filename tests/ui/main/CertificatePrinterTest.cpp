#include "ui/main/CertificatePrinter.h"

#include "output/RecordingCanvas.h"
#include "support/PlayedTest.h"
#include "support/ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <tuple>

namespace numberlark {
namespace {

using Kind = RecordingCanvas::Kind;

const CertificateWindowValues kWindow{QStringLiteral("Sam"), QStringLiteral("14/06/2025 10:32:07"),
                                      false};

// Drives the printer flows with every dialog and the printer answered here.
class CertificatePrinterFlow : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_record.allow_printing = true;
        m_session.tableChoice().select(5); // 7 times table
        m_printer.useDialogs(m_dialogs);
        m_printer.printer() = scriptedPrinter();
    }

    // The default printer, as the test sets it up.
    DocumentPrinter::Printer scriptedPrinter()
    {
        return {
            [this](const DocumentPrinter::Printer::Draw& draw, const PrintedDocument& document) {
                if (!m_hasPrinter) {
                    return Outcome::failure(document.noPrinter);
                }
                ++m_printJobs;
                if (m_printerFailure) {
                    return Outcome::failure(*m_printerFailure);
                }
                draw(m_paper);
                return m_jobFailure ? Outcome::failure(*m_jobFailure) : Outcome::success();
            }};
    }

    static std::vector<QString> texts(const std::vector<testing::ScriptedDialogs::Shown>& shown)
    {
        std::vector<QString> texts;
        for (const auto& box : shown) {
            texts.push_back(box.text);
        }
        return texts;
    }

    std::vector<QString> practiceTexts() const
    {
        std::vector<QString> texts;
        for (const auto& op : m_paper.operationsOf(Kind::Text)) {
            if (op.text.endsWith(QStringLiteral(" = ...."))) {
                texts.push_back(op.text.chopped(7));
            }
        }
        return texts;
    }

    SessionRecord m_record;
    ClockSeededRandom m_random{4242};
    QuizSession m_session{m_record, m_random};
    CertificatePrinter m_printer{m_session, nullptr};
    RecordingCanvas m_paper;
    QTemporaryDir m_dir;
    bool m_hasPrinter = true;
    std::optional<QString> m_printerFailure; // before the page is drawn
    std::optional<QString> m_jobFailure;     // after: the queue refused or lost the job
    int m_printJobs = 0;
    testing::ScriptedDialogs m_dialogs;
};

TEST_F(CertificatePrinterFlow, NothingAtAllWhenPrintingIsNotAllowed)
{
    testing::playToTheEnd(m_session);
    m_record.allow_printing = false;
    m_hasPrinter = false; // would otherwise bring a message
    const SessionRecord before = m_record;
    m_printer.MnuPrint_Click(kWindow);
    m_printer.Cmdprint_Click(1, kWindow);
    m_printer.MnuSavePdf_Click(kWindow);
    EXPECT_EQ(m_printJobs, 0);
    EXPECT_TRUE(texts(m_dialogs.told).empty());
    EXPECT_TRUE(texts(m_dialogs.offered).empty());
    EXPECT_TRUE(texts(m_dialogs.saveDialogs).empty());
    EXPECT_EQ(m_record.question, before.question);
    EXPECT_EQ(m_record.previous_answer, before.previous_answer);
}

TEST_F(CertificatePrinterFlow, PrintSendsTheWholePageToTheDefaultPrinterWithoutADialog)
{
    testing::playToTheEnd(m_session);
    m_record.clock_seconds = 48;
    m_printer.Cmdprint_Click(1, kWindow);
    EXPECT_EQ(m_printJobs, 1);
    EXPECT_TRUE(texts(m_dialogs.saveDialogs).empty()) << "no dialog";
    EXPECT_TRUE(texts(m_dialogs.told).empty());
    ASSERT_FALSE(m_paper.operations().empty());
    EXPECT_EQ(m_paper.operations().back().kind, Kind::EndDocument);
    QStringList texts;
    for (const auto& op : m_paper.operationsOf(Kind::Text)) {
        texts << op.text;
    }
    EXPECT_TRUE(texts.contains(QStringLiteral("Sam")));
    EXPECT_TRUE(texts.contains(QStringLiteral("** 7 **")));
    EXPECT_TRUE(texts.contains(QStringLiteral(" 47 seconds")));
    EXPECT_TRUE(texts.contains(QStringLiteral("14/06/2025 10:32:07")));
}

TEST_F(CertificatePrinterFlow, EachFailingStepShowsItsMessageAndThePageIsStillEnded)
{
    testing::playToTheEnd(m_session);
    int practice = 0;
    m_paper.setFailureRule([&practice](const RecordingCanvas::Operation& op) {
        std::optional<QString> failure;
        if (op.kind == Kind::Picture) {
            failure = QStringLiteral("The picture could not be drawn.");
        } else if (op.kind == Kind::Text && op.text.endsWith(QStringLiteral(" = ....")) &&
                   ++practice == 3) {
            failure = QStringLiteral("The printer is out of ink.");
        }
        return failure;
    });
    m_printer.MnuPrint_Click(kWindow);
    EXPECT_EQ(texts(m_dialogs.told),
              (std::vector<QString>{QStringLiteral("The picture could not be drawn."),
                                    QStringLiteral("The printer is out of ink.")}));
    EXPECT_TRUE(texts(m_dialogs.offered).empty());
    EXPECT_EQ(m_paper.operations().back().kind, Kind::EndDocument);
}

TEST_F(CertificatePrinterFlow, NoPrinterGivesOneMessageThenThePdfInTheChosenFile)
{
    testing::playToTheEnd(m_session);
    m_hasPrinter = false;
    m_dialogs.pathToSave = m_dir.filePath(QStringLiteral("Sam.pdf"));
    m_printer.MnuPrint_Click(kWindow);
    EXPECT_EQ(m_printJobs, 0);
    ASSERT_EQ(texts(m_dialogs.offered).size(), 1U);
    EXPECT_TRUE(texts(m_dialogs.offered).front().contains(QStringLiteral("No printer")));
    EXPECT_TRUE(texts(m_dialogs.offered).front().contains(QStringLiteral("PDF")));
    EXPECT_TRUE(texts(m_dialogs.told).empty());
    ASSERT_EQ(texts(m_dialogs.saveDialogs).size(), 1U);
    const QFileInfo suggested(texts(m_dialogs.saveDialogs).front());
    EXPECT_EQ(suggested.fileName(), QStringLiteral("Numberlark certificate - Sam.pdf"));
    EXPECT_TRUE(suggested.isAbsolute());
    EXPECT_TRUE(suggested.dir().exists()) << "the dialog opens in the documents or home folder";
    QFile pdf(m_dialogs.pathToSave);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF-"));
}

// A missing printer, one that cannot start and one whose queue refuses or
// loses the job: one message offering a PDF, never a silent failure; a
// declined PDF leaves nothing behind.
TEST_F(CertificatePrinterFlow, OneMessageWhenThePrinterIsMissingCannotStartOrFails)
{
    const QString notStarted = QStringLiteral("The printer \"Office\" could not be started.");
    const QString refused = QStringLiteral("The printer \"Office\" is stopped (Paused).");
    using Failure = std::optional<QString>;
    for (const auto& [hasPrinter, failure, jobFailure, opening, drawn] :
         {std::tuple{false, Failure(), Failure(), QStringLiteral("No printer"), false},
          std::tuple{true, Failure(notStarted), Failure(), notStarted, false},
          std::tuple{true, Failure(), Failure(refused), refused, true}}) {
        m_hasPrinter = hasPrinter;
        m_printerFailure = failure;
        m_jobFailure = jobFailure;
        m_dialogs.acceptOffer = false;
        m_dialogs.offered.clear();
        m_printer.MnuPrint_Click(kWindow);
        ASSERT_EQ(texts(m_dialogs.offered).size(), 1U);
        EXPECT_TRUE(texts(m_dialogs.offered).front().startsWith(opening));
        EXPECT_TRUE(texts(m_dialogs.offered).front().contains(QStringLiteral("PDF")));
        EXPECT_TRUE(texts(m_dialogs.told).empty());
        EXPECT_TRUE(texts(m_dialogs.saveDialogs).empty());
        EXPECT_TRUE(QDir(m_dir.path()).isEmpty());
        EXPECT_EQ(m_paper.operations().empty(), !drawn) << "a page is drawn only once started";
    }
}

TEST_F(CertificatePrinterFlow, SaveAsPdfWritesTheChosenFileOrNothingWhenCancelled)
{
    testing::playToTheEnd(m_session);
    m_dialogs.pathToSave.clear(); // cancelled
    m_printer.MnuSavePdf_Click(kWindow);
    EXPECT_EQ(texts(m_dialogs.saveDialogs).size(), 1U);
    EXPECT_TRUE(QDir(m_dir.path()).isEmpty());

    m_dialogs.pathToSave = m_dir.filePath(QStringLiteral("certificate.pdf"));
    m_printer.MnuSavePdf_Click(kWindow);
    EXPECT_TRUE(QFile::exists(m_dialogs.pathToSave));
    EXPECT_EQ(m_printJobs, 0) << "the printer is not involved";
    EXPECT_TRUE(texts(m_dialogs.told).empty());
}

TEST_F(CertificatePrinterFlow, APdfThatCannotBeWrittenIsOneMessageWithThePath)
{
    m_dialogs.pathToSave = m_dir.filePath(QStringLiteral("gone/certificate.pdf"));
    m_printer.MnuSavePdf_Click(kWindow);
    ASSERT_EQ(texts(m_dialogs.told).size(), 1U);
    EXPECT_TRUE(
        texts(m_dialogs.told).front().contains(QDir::toNativeSeparators(m_dialogs.pathToSave)));
    EXPECT_FALSE(QFile::exists(m_dialogs.pathToSave));
}

// Printing during a test leaves the question on screen judged against its
// own product; the practice questions still never repeat a product.
TEST_F(CertificatePrinterFlow, PrintingDuringATestLeavesTheRunningQuestionAsItWas)
{
    for (const int option : {5, kMixedIndex}) {
        SessionRecord record;
        record.allow_printing = true;
        ClockSeededRandom random(77);
        QuizSession session(record, random);
        session.tableChoice().select(option);
        ASSERT_TRUE(session.start());
        session.enter(std::to_string(record.answer));
        session.continueAfterPause();
        const QuizSession::SavedQuestion onScreen = session.saveQuestion();

        CertificatePrinter printer(session, nullptr);
        printer.useDialogs(m_dialogs);
        printer.printer() = scriptedPrinter();
        printer.MnuPrint_Click({QStringLiteral("Sam"), QString(), option == kMixedIndex});

        EXPECT_EQ(record.question, onScreen.question);
        EXPECT_EQ(record.answer, onScreen.answer);
        EXPECT_EQ(record.previous_answer, onScreen.previous_answer);
        EXPECT_EQ(record.current_table, onScreen.current_table);
        EXPECT_EQ(session.enter(std::to_string(onScreen.answer)),
                  QuizSession::EnterOutcome::Correct);
    }
}

// After the test the page's questions are the generator's next forty: the
// record is left on the last of them, ready for the next one.
TEST_F(CertificatePrinterFlow, AfterTheTestThePracticeQuestionsContinueTheSequence)
{
    testing::playToTheEnd(m_session);
    m_printer.MnuPrint_Click(kWindow);
    const std::vector<QString> practice = practiceTexts();
    ASSERT_EQ(practice.size(), 40U);
    EXPECT_EQ(QString::fromStdString(m_record.question), practice.back());

    RecordingCanvas second;
    m_printer.printer().print = [&second](const auto& draw, const PrintedDocument&) {
        draw(second);
        return Outcome::success();
    };
    const std::int16_t lastProduct = m_record.previous_answer;
    m_printer.MnuPrint_Click(kWindow);
    const auto texts = second.operationsOf(Kind::Text);
    const auto first = std::find_if(texts.begin(), texts.end(), [](const auto& op) {
        return op.text.endsWith(QStringLiteral(" = ...."));
    });
    ASSERT_NE(first, texts.end());
    const QStringList factors = first->text.chopped(7).split(QStringLiteral(" x"));
    ASSERT_EQ(factors.size(), 2);
    EXPECT_NE(factors[0].toInt() * factors[1].toInt(), lastProduct);
}

TEST(CertificatePrinter, SuggestedPdfNameKeepsOnlyWhatFileSystemsAccept)
{
    const struct {
        QString name;
        QString file;
    } cases[] = {
        {QString(), QStringLiteral("Numberlark certificate.pdf")},
        {QStringLiteral("Sam"), QStringLiteral("Numberlark certificate - Sam.pdf")},
        {QStringLiteral(" Zoë  Ångström "),
         QStringLiteral("Numberlark certificate - Zoë Ångström.pdf")},
        {QStringLiteral("a/b\\c:d*e?f\"g<h>i|j"),
         QStringLiteral("Numberlark certificate - abcdefghij.pdf")},
        {QStringLiteral("Sam\tJo\n"), QStringLiteral("Numberlark certificate - SamJo.pdf")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CertificatePrinter::suggestedPdfName(c.name), c.file) << c.name.toStdString();
    }
}

} // namespace
} // namespace numberlark
