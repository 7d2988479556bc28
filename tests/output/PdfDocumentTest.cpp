#include "output/PdfDocument.h"

#include "output/CertificatePage.h"
#include "output/PainterCanvas.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace numberlark {
namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The text of a PDF as poppler's pdftotext lays it out.
QString pdfText(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), path,
                   QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext (poppler-utils) did not run: "
                      << process.errorString().toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

const PdfDocument::Sentences kSentences{
    QStringLiteral("Numberlark certificate"),
    QStringLiteral("The certificate could not be saved as \"%1\": %2"),
    QStringLiteral("The certificate could not be written to \"%1\": %2")};

TEST(PdfDocument, CertificateWrittenThroughThePainterCanvasReadsBackInOrder)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("certificate.pdf"));
    PdfDocument pdf(path, kSentences);
    ASSERT_FALSE(pdf.open().failed());
    PainterCanvas canvas(pdf.device(), [&pdf] { return pdf.commit(); });
    ASSERT_FALSE(canvas.begin().failed());
    int next = 0;
    CertificatePage page(
        {QStringLiteral("Zoë Ångström"), 20, false, 7, 48, QStringLiteral("14/06/2025 10:32:07")},
        [&next] { return " " + std::to_string(next++ % 10 + 1) + " x 7"; });
    std::vector<QString> failures;
    page.draw(canvas, [&failures](const QString& failure) { failures.push_back(failure); });
    EXPECT_TRUE(failures.empty());

    const QString text = pdfText(path);
    EXPECT_EQ(text.count(QLatin1Char('\f')), 1) << "one page";
    QStringList expected{
        QStringLiteral(
            "Here is your NumberLark certificate to cut out and paste into your exercise book:"),
        QStringLiteral("NUMBERLARK"),
        QStringLiteral("This is to certify that"),
        QStringLiteral("Zoë Ångström"),
        QStringLiteral("Completed 20 questions from the"),
        QStringLiteral("** 7 **"),
        QStringLiteral("times table in a time of:"),
        QStringLiteral("47 seconds"),
        QStringLiteral("14/06/2025 10:32:07"),
        QStringLiteral("Here are some more questions for you to try to improve your speed:")};
    for (int i = 0; i < 40; ++i) {
        expected << QStringLiteral("%1 x 7 = ....").arg(i % 10 + 1);
    }
    qsizetype from = 0;
    for (const QString& line : expected) {
        const qsizetype at = text.indexOf(line, from);
        EXPECT_GE(at, 0) << "missing or out of order: " << line.toStdString();
        from = at < 0 ? from : at + line.size();
    }
}

TEST(PdfDocument, AFolderThatDoesNotExistFailsWithThePathAndLeavesNoFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing/certificate.pdf"));
    PdfDocument pdf(path, kSentences);
    const Outcome result = pdf.open();
    ASSERT_TRUE(result.failed());
    EXPECT_TRUE(result.message.contains(QDir::toNativeSeparators(path)));
    EXPECT_FALSE(QFile::exists(path));
}

TEST(PdfDocument, AnUnfinishedDocumentLeavesTheOldFileAsItWas)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("certificate.pdf"));
    write(path, "the old certificate");
    {
        PdfDocument pdf(path, kSentences);
        ASSERT_FALSE(pdf.open().failed());
        QPainter painter(&pdf.device());
        painter.drawText(QPointF(100, 100), QStringLiteral("half a page"));
    }
    EXPECT_EQ(contents(path), QByteArray("the old certificate"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              QStringList{QStringLiteral("certificate.pdf")})
        << "no temporary file is left behind";
}

} // namespace
} // namespace numberlark
