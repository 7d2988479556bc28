#include "ui/main/DialProgressBar.h"

#include "quiz/ProgressDial.h"
#include "ui/main/Twips.h"

#include <algorithm>

namespace numberlark {

DialProgressBar::DialProgressBar(QWidget* parent) : QProgressBar(parent)
{
    setObjectName(QStringLiteral("DialProgress"));
    setAccessibleName(tr("Progress dial"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

// The options window may lower the number of questions during a test, so
// the range always holds the answered count as well.
void DialProgressBar::showAnswered(int answered, int questions, const DialSector& sector)
{
    setRange(0, std::max({answered, questions, 1}));
    setValue(answered);
    const QString answeredText = tr("%1 of %2 answered").arg(answered).arg(questions);
    setFormat(answeredText);
    setAccessibleDescription(answeredText);
    const auto r = static_cast<float>(sector.radius);
    setGeometry(toPixels(static_cast<float>(sector.centre.x) - r),
                toPixels(static_cast<float>(sector.centre.y) - r), toPixels(2 * r),
                toPixels(2 * r));
    show();
}

void DialProgressBar::paintEvent(QPaintEvent* /*event*/) {}

} // namespace numberlark
