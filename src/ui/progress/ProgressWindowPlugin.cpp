// The progress window module's entry point: the program loads it the first
// time the window is asked for.
#include "ui/progress/FrmProgress.h"
#include "ui/progress/ProgressWindowContext.h"

namespace {

class FrmProgressMaker : public numberlark::ProgressWindowMaker {
public:
    QWidget* make(const numberlark::ProgressWindowContext& context) const override
    {
        return new numberlark::FrmProgress(context);
    }
};

} // namespace

extern "C" Q_DECL_EXPORT numberlark::ProgressWindowMaker* numberlark_progress_window_maker()
{
    static FrmProgressMaker maker;
    return &maker;
}
