#pragma once

#include "quiz/Completion.h"
#include "quiz/ProgressDial.h"

#include <QColor>
#include <QImage>
#include <QWidget>

#include <vector>

class QPainter;

namespace numberlark {

// The main window's central widget and its persistent drawing layer: what is
// drawn goes into an image that the widget paints beneath all its child
// controls, so it stays through every repaint. Drawing coordinates are twips
// of the client area. The image only ever grows, so a drawing survives the
// window being made smaller and larger again.
class DrawingSurface : public QWidget {
    Q_OBJECT

public:
    explicit DrawingSurface(QWidget* parent = nullptr);

    void setFillColour(const QColor& colour) { m_fill = colour; }
    QColor fillColour() const { return m_fill; }
    QColor foregroundColour() const { return m_foreground; }

    // Both radii in the foreground colour, then the pie slice outlined in
    // black and filled solid with the fill colour.
    void drawDialSector(const DialSector& sector);
    void drawPolylines(const std::vector<BorderPolyline>& lines);

    // The drawing layer itself, at the screen's device pixel ratio.
    const QImage& drawing() const { return m_image; }
    // The colour drawn at a point given in twips; transparent where nothing is.
    QColor drawnColourAt(PointF twips) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void coverSize(const QSize& logicalSize);
    void beginTwips(QPainter& painter);

    QImage m_image;
    QColor m_fill = Qt::white;
    QColor m_foreground = Qt::black;
};

} // namespace numberlark
