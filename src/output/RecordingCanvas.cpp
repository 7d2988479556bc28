#include "output/RecordingCanvas.h"

namespace numberlark {

RecordingCanvas::RecordingCanvas(LineHeight lineHeight) : m_lineHeight(std::move(lineHeight)) {}

std::vector<RecordingCanvas::Operation> RecordingCanvas::operationsOf(Kind kind) const
{
    std::vector<Operation> found;
    for (const Operation& op : m_operations) {
        if (op.kind == kind) {
            found.push_back(op);
        }
    }
    return found;
}

RecordingCanvas::Operation RecordingCanvas::operation(Kind kind) const
{
    Operation op;
    op.kind = kind;
    op.x = m_x;
    op.y = m_y;
    op.fontName = m_fontName;
    op.fontSize = m_fontSize;
    op.bold = m_bold;
    return op;
}

bool RecordingCanvas::record(Operation op, Outcome& result)
{
    if (m_failureRule) {
        if (const std::optional<QString> failure = m_failureRule(op)) {
            op.failed = true;
            result = Outcome::failure(*failure);
        }
    }
    m_operations.push_back(std::move(op));
    return !m_operations.back().failed;
}

void RecordingCanvas::newLine()
{
    m_x = 0.0F;
    m_y += m_lineHeight(m_fontSize);
}

Outcome RecordingCanvas::mapPage()
{
    Outcome result = Outcome::success();
    if (record(operation(Kind::MapPage), result)) {
        m_x = 0.0F;
        m_y = 0.0F;
    }
    return result;
}

template <typename T> Outcome RecordingCanvas::recordChange(Operation op, T& state, const T& value)
{
    Outcome result = Outcome::success();
    if (record(std::move(op), result)) {
        state = value;
    }
    return result;
}

Outcome RecordingCanvas::setFontName(const QString& name)
{
    Operation op = operation(Kind::FontName);
    op.text = name;
    return recordChange(std::move(op), m_fontName, name);
}

Outcome RecordingCanvas::setFontSize(float points)
{
    Operation op = operation(Kind::FontSize);
    op.fontSize = points;
    return recordChange(std::move(op), m_fontSize, points);
}

Outcome RecordingCanvas::setBold(bool bold)
{
    Operation op = operation(Kind::Bold);
    op.bold = bold;
    return recordChange(std::move(op), m_bold, bold);
}

Outcome RecordingCanvas::setX(float x)
{
    Operation op = operation(Kind::SetX);
    op.x = x;
    return recordChange(std::move(op), m_x, x);
}

Outcome RecordingCanvas::setY(float y)
{
    Operation op = operation(Kind::SetY);
    op.y = y;
    return recordChange(std::move(op), m_y, y);
}

Outcome RecordingCanvas::printText(const QString& text)
{
    Operation op = operation(Kind::Text);
    op.text = text;
    Outcome result = Outcome::success();
    if (record(std::move(op), result)) {
        newLine();
    }
    return result;
}

Outcome RecordingCanvas::printTextOnNewLine(const QString& text)
{
    Operation op = operation(Kind::TextOnNewLine);
    op.text = text;
    if (op.x > 0.0F) {
        op.x = 0.0F;
        op.y += m_lineHeight(m_fontSize);
    }
    Outcome result = Outcome::success();
    if (record(op, result)) {
        m_x = op.x;
        m_y = op.y;
        newLine();
    }
    return result;
}

Outcome RecordingCanvas::lineFeed()
{
    Outcome result = Outcome::success();
    if (record(operation(Kind::LineFeed), result)) {
        newLine();
    }
    return result;
}

Outcome RecordingCanvas::box(float x1, float y1, float x2, float y2, std::optional<QColor> colour)
{
    Operation op = operation(Kind::Box);
    op.x = x1;
    op.y = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.colour = colour;
    Outcome result = Outcome::success();
    if (record(std::move(op), result)) {
        m_x = x2;
        m_y = y2;
    }
    return result;
}

RecordingCanvas::Operation RecordingCanvas::inBox(Kind kind, float x1, float y1, float x2,
                                                  float y2) const
{
    Operation op = operation(kind);
    op.x = x1;
    op.y = y1;
    op.x2 = x2;
    op.y2 = y2;
    return op;
}

Outcome RecordingCanvas::filledBox(float x1, float y1, float x2, float y2, const QColor& fill,
                                   std::optional<QColor> outline)
{
    Operation op = inBox(Kind::FilledBox, x1, y1, x2, y2);
    op.fill = fill;
    op.colour = outline;
    Outcome result = Outcome::success();
    if (record(std::move(op), result)) {
        m_x = x2;
        m_y = y2;
    }
    return result;
}

Outcome RecordingCanvas::textInBox(float x1, float y1, float x2, float y2, const QString& text,
                                   Qt::Alignment alignment, TextFit fit)
{
    Operation op = inBox(Kind::TextInBox, x1, y1, x2, y2);
    op.text = text;
    op.alignment = alignment;
    op.fit = fit;
    Outcome result = Outcome::success();
    if (record(std::move(op), result)) {
        m_x = x1;
        m_y = y1 + m_lineHeight(m_fontSize);
    }
    return result;
}

Outcome RecordingCanvas::image(const QImage& image, float x1, float y1, float x2, float y2)
{
    Operation op = inBox(Kind::Image, x1, y1, x2, y2);
    op.imageSize = image.size();
    Outcome result = Outcome::success();
    record(std::move(op), result);
    return result;
}

Outcome RecordingCanvas::picture(Picture picture, float x, float y)
{
    Operation op = operation(Kind::Picture);
    op.picture = picture;
    op.x = x;
    op.y = y;
    Outcome result = Outcome::success();
    record(std::move(op), result);
    return result;
}

Outcome RecordingCanvas::endDocument()
{
    Outcome result = Outcome::success();
    record(operation(Kind::EndDocument), result);
    return result;
}

} // namespace numberlark
