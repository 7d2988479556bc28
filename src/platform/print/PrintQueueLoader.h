#pragma once

#include "platform/print/CertificateQueue.h"

#include <memory>

namespace numberlark {

// The desktop's default printer, loading the print module on the first call;
// none when there is none or the module cannot be loaded.
std::optional<DefaultPrinter> findDefaultPrinter();

// The named printer's queue from the print module, loading the module on the
// first call. Null when the module cannot be loaded; the reason is logged.
std::unique_ptr<CertificateQueue> openCertificateQueue(const QString& printerName);

} // namespace numberlark
