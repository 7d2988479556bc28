#include "ui/progress/ProgressPdf.h"

#include "output/PdfDocument.h"

#include <QDir>

namespace numberlark {

ProgressPdf::ProgressPdf(const QString& path, const QString& what, const QString& title)
    : m_path(path), m_what(what), m_title(title), m_file(path)
{
}

QString ProgressPdf::failure(const QString& action) const
{
    return QStringLiteral("The %1 could not be %2 \"%3\": %4")
        .arg(m_what, action, QDir::toNativeSeparators(m_path), m_file.errorString());
}

QString ProgressPdf::open()
{
    if (!m_file.open(QIODevice::WriteOnly)) {
        return failure(QStringLiteral("saved as"));
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
        return failure(QStringLiteral("written to"));
    }
    return {};
}

} // namespace numberlark
