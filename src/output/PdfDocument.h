#pragma once

#include "outcome/Outcome.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QSaveFile>
#include <QString>

#include <memory>

class QPdfWriter;

namespace numberlark {

// A one-document PDF file written through QSaveFile: the page goes to a
// temporary file in the same folder, which replaces the target only when
// everything was written, so a failure never leaves a broken PDF behind.
class PdfDocument {
public:
    // What the document is called, and its own whole sentences for a failure,
    // each with the file (%1) and the system's reason (%2).
    struct Sentences {
        QString title;
        QString cannotSave;  // the file could not be opened
        QString cannotWrite; // the finished file could not be put in place
    };

    PdfDocument(const QString& path, Sentences sentences,
                const QPageLayout& layout = defaultLayout());
    ~PdfDocument();
    PdfDocument(const PdfDocument&) = delete;
    PdfDocument& operator=(const PdfDocument&) = delete;

    // The user's paper (A4, or Letter where the locale measures in US
    // units), with margins like a desktop printer's unprintable border, so
    // the PDF shows the page the printer would get.
    static QPageLayout defaultLayout();

    // Opens the temporary file; the failure names the file and the reason.
    Outcome open();
    // Valid after a successful open().
    QPagedPaintDevice& device();
    // Call after painting has ended: moves the finished file into place.
    Outcome commit();

private:
    Outcome fileFailure(const QString& sentence) const;

    QString m_path;
    Sentences m_sentences;
    QPageLayout m_layout;
    QSaveFile m_file;
    std::unique_ptr<QPdfWriter> m_writer;
};

} // namespace numberlark
