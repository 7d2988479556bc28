#pragma once

#include "modules/ModuleLoader.h"
#include "platform/print/CertificateQueue.h"

namespace numberlark {

// The print module's service, loaded on the first call (from `printModule`); when the module
// cannot be loaded, the reason a user is told.
LoadedModule<PrintService> printService(const QStringList& printModule);

// Where the program's print module is looked for.
QStringList printModulePaths();

} // namespace numberlark
