// The print module's entry points: the program resolves these functions by
// name at the first print.
#include "platform/print/PrintQueue.h"

#include <QPrinter>
#include <QPrinterInfo>

extern "C" Q_DECL_EXPORT void numberlark_find_default_printer(numberlark::DefaultPrinter* printer)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    printer->found = !info.isNull();
    if (printer->found) {
        printer->name = info.printerName();
        printer->paper = QPrinter(info, QPrinter::HighResolution).pageLayout();
    }
}

extern "C" Q_DECL_EXPORT numberlark::CertificateQueue*
numberlark_open_certificate_queue(const QString& printerName)
{
    return new numberlark::PrintQueue(printerName);
}
