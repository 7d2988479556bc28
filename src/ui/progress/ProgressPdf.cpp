#include "ui/progress/ProgressPdf.h"

#include "output/PdfDocument.h"

#include <QCoreApplication>
#include <QDir>

namespace numberlark {

ProgressPdf::ProgressPdf(const QString& path, const QString& what, const QString& title)
    : m_path(path), m_what(what), m_title(title), m_file(path)
{
}

QString ProgressPdf::failure(const QString& sentence) const
{
    return sentence.arg(m_what, QDir::toNativeSeparators(m_path), m_file.errorString());
}

QString ProgressPdf::open()
{
    if (!m_file.open(QIODevice::WriteOnly)) {
        return failure(QCoreApplication::translate(
            //: %1 is "report" or "practice sheet", %2 the file, %3 the system's reason.
            "ProgressPdf", "The %1 could not be saved as \"%2\": %3"));
    }
    m_writer = std::make_unique<QPdfWriter>(&m_file);
    m_writer->setPageLayout(PdfDocument::defaultLayout());
    m_writer->setTitle(m_title);
    m_writer->setCreator(QStringLiteral("Numberlark"));
    return {};
}

QString ProgressPdf::commit()
{
    if (!m_writer || !m_file.commit()) {
        return failure(QCoreApplication::translate(
            //: %1 is "report" or "practice sheet", %2 the file, %3 the system's reason.
            "ProgressPdf", "The %1 could not be written to \"%2\": %3"));
    }
    return {};
}

} // namespace numberlark
