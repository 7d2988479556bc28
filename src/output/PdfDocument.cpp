#include "output/PdfDocument.h"

#include <QDir>
#include <QLocale>
#include <QPdfWriter>

namespace numberlark {

namespace {

// A quarter inch, the usual unprintable border of desktop printers.
constexpr double kMarginMillimetres = 6.35;

} // namespace

PdfDocument::PdfDocument(const QString& path, const QPageLayout& layout)
    : m_path(path), m_layout(layout), m_file(path)
{
}

PdfDocument::~PdfDocument() = default;

QPageLayout PdfDocument::defaultLayout()
{
    const bool usPaper = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    const QMarginsF margins(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres,
                            kMarginMillimetres);
    return QPageLayout(QPageSize(usPaper ? QPageSize::Letter : QPageSize::A4),
                       QPageLayout::Portrait, margins, QPageLayout::Millimeter);
}

CanvasResult PdfDocument::fileFailure(const QString& action) const
{
    return CanvasResult::failure(
        QStringLiteral("The certificate could not be %1 \"%2\": %3")
            .arg(action, QDir::toNativeSeparators(m_path), m_file.errorString()));
}

CanvasResult PdfDocument::open()
{
    if (!m_file.open(QIODevice::WriteOnly)) {
        return fileFailure(QStringLiteral("saved as"));
    }
    m_writer = std::make_unique<QPdfWriter>(&m_file);
    m_writer->setPageLayout(m_layout);
    m_writer->setTitle(QStringLiteral("Numberlark certificate"));
    m_writer->setCreator(QStringLiteral("Numberlark"));
    return CanvasResult::success();
}

QPagedPaintDevice& PdfDocument::device()
{
    return *m_writer;
}

CanvasResult PdfDocument::commit()
{
    if (!m_writer || !m_file.commit()) {
        return fileFailure(QStringLiteral("written to"));
    }
    return CanvasResult::success();
}

} // namespace numberlark
