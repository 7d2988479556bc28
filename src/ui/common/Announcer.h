#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace numberlark {

// Tells a screen reader what just appeared while the focus stays in the
// answer box. Two ways, because readers listen differently:
// - a notification that paints nothing shows with the spoken text as its
//   name; readers speak a notification as it appears;
// - the box's accessible description holds what the box stands for now
//   (the question, or the verdict and the question); readers say it with
//   the box whenever it is visited or asked about ("where am I"). The
//   toolkit's bridge sends its changes without their text, so they are
//   not spoken as they happen.
// Labels that change elsewhere on the window are not spoken, however much
// they show. The box keeps its name ("Answer", later "Your name").
class Announcer {
public:
    explicit Announcer(QWidget& answerBox);

    // Speaks `spoken` now; the box then tells `described` when asked.
    void announce(const QString& spoken, const QString& described);
    void announce(const QString& text) { announce(text, text); }
    // What the box tells when asked, without speaking now: for the moment
    // the focus arrives, when readers say it with the box anyway.
    void describe(const QString& text);

    // Makes a change that screen readers are not told of: resetting the
    // box's text would otherwise be read out ("space") between the verdict
    // and the question.
    static void unannounced(const std::function<void()>& change);

private:
    void describeBox(const QString& text);
    void notify(const QString& text);

    QWidget& m_box;
    QWidget* m_notice;
};

} // namespace numberlark
