#include "platform/print/PrintQueueLoader.h"

#include "modules/ModuleLoader.h"

#include <QtGlobal>

namespace numberlark {

namespace {

ModuleLoader& printModule()
{
    static ModuleLoader module(QStringLiteral("libnumberlark_print_queue.so"));
    return module;
}

template <typename Function> Function printFunction(const char* symbol)
{
    const auto function = printModule().function<Function>(symbol);
    if (function == nullptr) {
        qWarning("numberlark: the print module could not be loaded: %s",
                 qPrintable(printModule().failure()));
    }
    return function;
}

} // namespace

std::optional<DefaultPrinter> findDefaultPrinter()
{
    const auto find = printFunction<FindDefaultPrinter>(kFindDefaultPrinterSymbol);
    DefaultPrinter printer;
    if (find != nullptr) {
        find(&printer);
    }
    return printer.found ? std::optional<DefaultPrinter>(printer) : std::nullopt;
}

std::unique_ptr<CertificateQueue> openCertificateQueue(const QString& printerName)
{
    const auto open = printFunction<OpenCertificateQueue>(kOpenCertificateQueueSymbol);
    return std::unique_ptr<CertificateQueue>(open != nullptr ? open(printerName) : nullptr);
}

} // namespace numberlark
