// The print module's entry point: the program resolves this one function by
// name at the first print.
#include "ui/main/PrintQueue.h"

extern "C" Q_DECL_EXPORT numberlark::CertificateQueue*
numberlark_open_certificate_queue(const QString& printerName)
{
    return new numberlark::PrintQueue(printerName);
}
