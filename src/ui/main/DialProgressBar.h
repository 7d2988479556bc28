#pragma once

#include <QProgressBar>

namespace numberlark {

struct DialSector;

// What the progress dial says to a screen reader: "k of N answered", as a
// progress bar lying over the dial. The dial itself is drawn on the window's
// drawing layer, so this bar paints nothing and lets the mouse through.
class DialProgressBar : public QProgressBar {
    Q_OBJECT

public:
    explicit DialProgressBar(QWidget* parent = nullptr);

    // The sector just drawn gives the dial's place (twips).
    void showAnswered(int answered, int questions, const DialSector& sector);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace numberlark
