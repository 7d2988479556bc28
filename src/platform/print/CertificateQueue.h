#pragma once

#include <QPageLayout>
#include <QString>

#include <optional>

namespace numberlark {

// A print queue as the certificate's print flow uses it. The one behind it
// (PrintQueue, on libcups) lives in a module loaded at the first print, so
// the print client and all it brings are not loaded at start-up.
class CertificateQueue {
public:
    virtual ~CertificateQueue() = default;

    // Why the queue would not print a job now; empty when it is ready.
    virtual std::optional<QString> refusal() const = 0;
    // Prints the PDF file as one job; the reason when it did not print.
    virtual std::optional<QString> print(const QString& pdfPath, const QString& title) const = 0;
};

// The desktop's default printer, as Qt's print support (loaded with the print
// module, not at start-up) sees it.
struct DefaultPrinter {
    bool found = false; // there is a default printer
    QString name;
    QPageLayout paper; // its paper, for a page at the printer's full resolution
};

// The functions the print module exports, loaded by name.
using FindDefaultPrinter = void (*)(DefaultPrinter* printer);
inline constexpr char kFindDefaultPrinterSymbol[] = "numberlark_find_default_printer";
using OpenCertificateQueue = CertificateQueue* (*)(const QString& printerName);
inline constexpr char kOpenCertificateQueueSymbol[] = "numberlark_open_certificate_queue";

} // namespace numberlark
