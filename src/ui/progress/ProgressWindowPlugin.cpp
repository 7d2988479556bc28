// The module's entry point: the program resolves this one function by name
// the first time the progress window is asked for.
#include "ui/progress/FrmProgress.h"
#include "ui/progress/ProgressWindowContext.h"

extern "C" Q_DECL_EXPORT QWidget*
numberlark_make_progress_window(const numberlark::ProgressWindowContext& context)
{
    return new numberlark::FrmProgress(context);
}
