// The progress window module's entry point: the program loads it the first
// time the window is asked for.
#include "ui/common/WindowMaker.h"
#include "ui/progress/FrmProgress.h"

extern "C" Q_DECL_EXPORT numberlark::ProgressWindowMaker* numberlark_progress_window_maker()
{
    using namespace numberlark;
    return windowMakerOf<ProgressWindowMaker, FrmProgress, ProgressWindowContext>();
}
