#include "ui/main/CaptionLabel.h"

#include <QEvent>
#include <QFontMetrics>

namespace numberlark {

namespace {
// Room either side so italic and bold glyphs are not clipped.
constexpr int kSidePadding = 2;
} // namespace

CaptionLabel::CaptionLabel(QWidget* parent) : QLabel(parent) {}

void CaptionLabel::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    fitToText();
}

void CaptionLabel::setCaption(const QString& caption)
{
    setText(caption);
    fitToText();
}

void CaptionLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        fitToText();
    }
}

void CaptionLabel::fitToText()
{
    if (!m_autoSize) {
        return;
    }
    const QFontMetrics metrics(font());
    resize(metrics.horizontalAdvance(text()) + 2 * kSidePadding, metrics.height());
}

} // namespace numberlark
