#include "platform/print/PrintQueueLoader.h"

namespace numberlark {

LoadedModule<PrintService> printService()
{
    static const QStringList paths = modulePaths(QStringLiteral("libnumberlark_print_queue.so"));
    return loadModule<PrintService>(paths);
}

} // namespace numberlark
