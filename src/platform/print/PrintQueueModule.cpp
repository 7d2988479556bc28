// The print module's entry point: the program loads it at the first print.
#include "platform/print/PrintQueue.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace {

class CupsPrintService : public numberlark::PrintService {
public:
    std::optional<numberlark::DefaultPrinter> defaultPrinter() const override
    {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) {
            return std::nullopt;
        }
        return numberlark::DefaultPrinter{info.printerName(),
                                          QPrinter(info, QPrinter::HighResolution).pageLayout()};
    }

    std::unique_ptr<numberlark::CertificateQueue>
    openQueue(const QString& printerName) const override
    {
        return std::make_unique<numberlark::PrintQueue>(printerName);
    }
};

} // namespace

extern "C" Q_DECL_EXPORT numberlark::PrintService* numberlark_print_service()
{
    static CupsPrintService service;
    return &service;
}
