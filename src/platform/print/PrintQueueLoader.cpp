#include "platform/print/PrintQueueLoader.h"

namespace numberlark {

QStringList printModulePaths()
{
    return modulePaths(QStringLiteral("libnumberlark_print_queue.so"));
}

LoadedModule<PrintService> printService(const QStringList& printModule)
{
    return loadModule<PrintService>(printModule);
}

} // namespace numberlark
