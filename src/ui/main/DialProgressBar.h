#pragma once

#include <QWidget>

namespace numberlark {

struct DialSector;

// What the progress dial says to a screen reader: a progress bar lying over
// the dial, "k of N answered". The dial itself is drawn on the window's
// drawing layer, so this paints nothing and lets the mouse through.
// Readers speak a progress bar's every change of value, wherever the focus
// is; during a test that would come between the verdict and the next
// question. So the count is there to be read when asked, and its changes
// are not sent.
class DialProgressBar : public QWidget {
    Q_OBJECT

public:
    explicit DialProgressBar(QWidget* parent = nullptr);

    // The sector just drawn gives the dial's place (twips).
    void showAnswered(int answered, int questions, const DialSector& sector);

    int answered() const { return m_answered; }
    // The options window may lower the number of questions during a test,
    // so this always holds the answered count as well.
    int maximum() const { return m_maximum; }

private:
    int m_answered = 0;
    int m_maximum = 1;
};

} // namespace numberlark
