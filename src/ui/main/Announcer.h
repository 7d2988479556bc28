#pragma once

#include <QString>

class QWidget;

namespace numberlark {

// Tells a screen reader what just appeared while the focus stays in the
// answer box. Two ways, because readers listen differently:
// - the text becomes the box's accessible description; readers speak a
//   description change of the control that has the focus, and read it again
//   whenever the box is visited;
// - a notification that paints nothing shows with the text as its name;
//   readers speak a notification as it appears. This one is heard where the
//   toolkit's bridge sends description changes without their text.
// Labels that change elsewhere on the window are not spoken, however much
// they show. The box keeps its name ("Answer", later "Your name").
class Announcer {
public:
    explicit Announcer(QWidget& answerBox);

    void announce(const QString& text);

private:
    void describeBox(const QString& text);
    void notify(const QString& text);

    QWidget& m_box;
    QWidget* m_notice;
};

} // namespace numberlark
