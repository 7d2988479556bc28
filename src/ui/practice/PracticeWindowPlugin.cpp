// The practice window module's entry point: the program loads it the first
// time the window is asked for.
#include "ui/common/WindowMaker.h"
#include "ui/practice/FrmPractice.h"

extern "C" Q_DECL_EXPORT numberlark::PracticeWindowMaker* numberlark_practice_window_maker()
{
    using namespace numberlark;
    return windowMakerOf<PracticeWindowMaker, FrmPractice, PracticeWindowContext>();
}
