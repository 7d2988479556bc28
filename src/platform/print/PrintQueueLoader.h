#pragma once

#include "modules/ModuleLoader.h"
#include "platform/print/CertificateQueue.h"

namespace numberlark {

// The print module's service, loaded on the first call; when the module
// cannot be loaded, the reason a user is told.
LoadedModule<PrintService> printService();

} // namespace numberlark
