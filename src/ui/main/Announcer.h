#pragma once

#include <QString>

class QWidget;

namespace numberlark {

// Tells a screen reader what just appeared while the focus stays in the
// answer box: the text becomes the box's accessible description, and screen
// readers speak a description change of the control that has the focus.
// Labels that change elsewhere on the window are not spoken, however much
// they show. The box keeps its name ("Answer", later "Your name").
class Announcer {
public:
    explicit Announcer(QWidget& answerBox);

    void announce(const QString& text);

private:
    QWidget& m_box;
};

} // namespace numberlark
