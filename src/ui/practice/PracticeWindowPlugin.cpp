// The practice window module's entry point: the program loads it the first
// time the window is asked for.
#include "ui/practice/FrmPractice.h"
#include "ui/practice/PracticeWindowContext.h"

namespace {

class FrmPracticeMaker : public numberlark::PracticeWindowMaker {
public:
    QWidget* make(const numberlark::PracticeWindowContext& context) const override
    {
        return new numberlark::FrmPractice(context);
    }
};

} // namespace

extern "C" Q_DECL_EXPORT numberlark::PracticeWindowMaker* numberlark_practice_window_maker()
{
    static FrmPracticeMaker maker;
    return &maker;
}
