#include "ui/main/PrintQueueLoader.h"

#include "modules/ModuleLoader.h"

#include <QtGlobal>

namespace numberlark {

std::unique_ptr<CertificateQueue> openCertificateQueue(const QString& printerName)
{
    static ModuleLoader module(QStringLiteral("libnumberlark_print_queue.so"));
    const auto open = module.function<OpenCertificateQueue>(kOpenCertificateQueueSymbol);
    if (open == nullptr) {
        qWarning("numberlark: the print module could not be loaded: %s",
                 qPrintable(module.failure()));
        return nullptr;
    }
    return std::unique_ptr<CertificateQueue>(open(printerName));
}

} // namespace numberlark
