#pragma once

#include <QLabel>

namespace numberlark {

// A label whose caption may size it: with auto-size on, every new caption or
// font makes it exactly as wide and high as its text, its top-left corner
// staying where it is.
class CaptionLabel : public QLabel {
    Q_OBJECT

public:
    explicit CaptionLabel(QWidget* parent = nullptr);

    void setAutoSize(bool autoSize);
    bool autoSize() const { return m_autoSize; }
    void setCaption(const QString& caption);

protected:
    void changeEvent(QEvent* event) override;

private:
    void fitToText();

    bool m_autoSize = false;
};

} // namespace numberlark
