#pragma once

#include "output/PageCanvas.h"

#include <functional>
#include <vector>

namespace numberlark {

// A canvas that draws nothing and remembers every operation with the state
// it ran in, so tests can read the page back. Line heights come from a
// given function of the font size; chosen operations can be made to fail.
class RecordingCanvas final : public PageCanvas {
public:
    enum class Kind {
        MapPage,
        FontName,
        FontSize,
        Bold,
        SetX,
        SetY,
        Text,
        TextOnNewLine,
        LineFeed,
        Box,
        FilledBox,
        TextInBox,
        Image,
        Picture,
        EndDocument
    };

    // One operation as it ran. For text, (x, y) is where the text was drawn
    // (after any new line); for a box, its first corner, with (x2, y2) the
    // second (for a text or an image in a box too); for a picture, its
    // top-left corner; for SetX/SetY the value.
    struct Operation {
        Kind kind = Kind::MapPage;
        QString text; // the text drawn, or the font name set
        float x = 0.0F;
        float y = 0.0F;
        float x2 = 0.0F;
        float y2 = 0.0F;
        std::optional<QColor> colour; // a box's outline
        std::optional<QColor> fill;
        Qt::Alignment alignment;
        TextFit fit = TextFit::Wrap;
        QSize imageSize;
        numberlark::Picture picture = numberlark::Picture::Certificate;
        QString fontName;
        float fontSize = 0.0F;
        bool bold = false;
        bool failed = false;
    };

    using LineHeight = std::function<float(float points)>;
    // Gives the failure description for an operation, or nothing to let it run.
    using FailureRule = std::function<std::optional<QString>(const Operation&)>;

    explicit RecordingCanvas(LineHeight lineHeight = defaultLineHeight);

    // A4's printable area with a desktop printer's border.
    static constexpr QSizeF kPrintableMillimetres{190.0, 277.0};

    // About the line spacing of a sans-serif face on an A4 printable area,
    // where one page unit is close to a centimetre.
    static float defaultLineHeight(float points) { return points * 1.15F / 72.0F * 2.54F; }

    void setFailureRule(FailureRule rule) { m_failureRule = std::move(rule); }
    const std::vector<Operation>& operations() const { return m_operations; }
    std::vector<Operation> operationsOf(Kind kind) const;

    Outcome mapPage() override;
    QSizeF printableMillimetres() const override { return kPrintableMillimetres; }
    Outcome setFontName(const QString& name) override;
    Outcome setFontSize(float points) override;
    Outcome setBold(bool bold) override;
    Outcome setX(float x) override;
    Outcome setY(float y) override;
    float x() const override { return m_x; }
    float y() const override { return m_y; }
    Outcome printText(const QString& text) override;
    Outcome printTextOnNewLine(const QString& text) override;
    Outcome lineFeed() override;
    Outcome box(float x1, float y1, float x2, float y2, std::optional<QColor> colour) override;
    Outcome filledBox(float x1, float y1, float x2, float y2, const QColor& fill,
                      std::optional<QColor> outline) override;
    // Takes every text as one line of the current font.
    Outcome textInBox(float x1, float y1, float x2, float y2, const QString& text,
                      Qt::Alignment alignment, TextFit fit) override;
    Outcome image(const QImage& image, float x1, float y1, float x2, float y2) override;
    Outcome picture(Picture picture, float x, float y) override;
    Outcome endDocument() override;

private:
    Operation operation(Kind kind) const;
    Operation inBox(Kind kind, float x1, float y1, float x2, float y2) const;
    // Records the operation; true when it may take effect.
    bool record(Operation op, Outcome& result);
    // Records a change of canvas state and makes it when the operation succeeds.
    template <typename T> Outcome recordChange(Operation op, T& state, const T& value);
    void newLine();

    LineHeight m_lineHeight;
    FailureRule m_failureRule;
    std::vector<Operation> m_operations;
    QString m_fontName;
    float m_fontSize = 10.0F;
    bool m_bold = false;
    float m_x = 0.0F;
    float m_y = 0.0F;
};

} // namespace numberlark
