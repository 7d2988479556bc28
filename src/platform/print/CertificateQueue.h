#pragma once

#include <QPageLayout>
#include <QString>

#include <memory>
#include <optional>

namespace numberlark {

// A print queue as the print flows use it. The one behind it (PrintQueue, on
// libcups) lives in the print module, loaded at the first print, so the
// print client and all it brings are not loaded at start-up.
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
    QString name;
    QPageLayout paper; // its paper, for a page at the printer's full resolution
};

// What the print module offers: the one object its entry point returns.
class PrintService {
public:
    static constexpr char kEntryPoint[] = "numberlark_print_service";

    virtual ~PrintService() = default;
    // None when the desktop has no default printer.
    virtual std::optional<DefaultPrinter> defaultPrinter() const = 0;
    virtual std::unique_ptr<CertificateQueue> openQueue(const QString& printerName) const = 0;
};

} // namespace numberlark
