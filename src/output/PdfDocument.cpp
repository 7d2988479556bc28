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

PdfDocument::PdfDocument(const QString& path, Sentences sentences, const QPageLayout& layout)
    : m_path(path), m_sentences(std::move(sentences)), m_layout(layout), m_file(path)
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
Outcome PdfDocument::fileFailure(const QString& sentence) const
{
    const QString where = QDir::toNativeSeparators(m_path);
    return Outcome::failure(sentence.arg(where, m_file.errorString()), where, m_file.errorString());
}

Outcome PdfDocument::open()
{
    if (!m_file.open(QIODevice::WriteOnly)) {
        return fileFailure(m_sentences.cannotSave);
    }
    m_writer = std::make_unique<QPdfWriter>(&m_file);
    m_writer->setPageLayout(m_layout);
    m_writer->setTitle(m_sentences.title);
    m_writer->setCreator(QStringLiteral("Numberlark"));
    return Outcome::success();
}

QPagedPaintDevice& PdfDocument::device()
{
    return *m_writer;
}

Outcome PdfDocument::commit()
{
    if (!m_writer || !m_file.commit()) {
        return fileFailure(m_sentences.cannotWrite);
    }
    return Outcome::success();
}

} // namespace numberlark
