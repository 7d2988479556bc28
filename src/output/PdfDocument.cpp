#include "output/PdfDocument.h"

#include <QCoreApplication>
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

// The sentence names the file (%1) and the system's reason (%2).
CanvasResult PdfDocument::fileFailure(const QString& sentence) const
{
    return CanvasResult::failure(
        sentence.arg(QDir::toNativeSeparators(m_path), m_file.errorString()));
}

CanvasResult PdfDocument::open()
{
    if (!m_file.open(QIODevice::WriteOnly)) {
        return fileFailure(QCoreApplication::translate(
            "PdfDocument", "The certificate could not be saved as \"%1\": %2"));
    }
    m_writer = std::make_unique<QPdfWriter>(&m_file);
    m_writer->setPageLayout(m_layout);
    m_writer->setTitle(QCoreApplication::translate("PdfDocument", "Numberlark certificate"));
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
        return fileFailure(QCoreApplication::translate(
            "PdfDocument", "The certificate could not be written to \"%1\": %2"));
    }
    return CanvasResult::success();
}

} // namespace numberlark
