#pragma once

#include <QObject>
#include <QPoint>

class QLabel;
class QTimer;
class QWidget;

namespace numberlark {

// The face of the options and about windows: two stacked pictures, Image1
// (smiling) and Image2 (grinning), swapped by a timer. After start() the face
// smiles for 2 s, then grins for 0.2 s, smiles for 5 s, grins for 0.2 s, and
// so on until the window is hidden or closed.
class FaceAnimation : public QObject {
    Q_OBJECT

public:
    static constexpr int kFirstSmileMs = 2000;
    static constexpr int kGrinMs = 200;
    static constexpr int kSmileMs = 5000;

    // Creates both pictures as children of window, at their natural size.
    explicit FaceAnimation(QWidget* window);

    // Puts both faces at topLeft (logical pixels), the smile in front, and
    // starts the first 2 s smile.
    void start(QPoint topLeft);
    void stop();

    // One tick of the timer. The interval tells the phase: anything but the
    // grin's 200 ms means the smile is showing, so the grin comes to the
    // front for 200 ms; after the grin the smile comes back for 5 s.
    void tick();

    int interval() const;
    bool isRunning() const;
    QLabel* smile() const { return m_smile; }
    QLabel* grin() const { return m_grin; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    QLabel* m_smile;
    QLabel* m_grin;
    QTimer* m_timer;
};

} // namespace numberlark
