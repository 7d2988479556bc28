#include "ui/main/MainControls.h"

#include "ui/common/FirstShow.h"
#include "ui/common/Fonts.h"
#include "ui/common/SingleLineText.h"

#include "ui/main/CaptionLabel.h"
#include "ui/main/ControlInventory.h"
#include "ui/main/DrawingSurface.h"
#include "ui/main/Twips.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>
#include <string>
#include <vector>

namespace numberlark {

namespace {

// System colours are left to the palette so they follow the desktop's theme.
void applyColours(QWidget& widget, const ControlSpec& control)
{
    if (control.foreground.source == ColourSource::Rgb) {
        const Rgb rgb = control.foreground.rgb;
        QPalette palette = widget.palette();
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
            palette.setColor(role, QColor(rgb.red, rgb.green, rgb.blue));
        }
        widget.setPalette(palette);
    }
    widget.setAutoFillBackground(control.opaque);
}

// The inventory holds the English texts; the option captions come from the
// quiz's table choice, the rest belong to the window.
QString translated(std::string_view text, const char* context = "Form1")
{
    if (text.empty()) {
        return {};
    }
    return QCoreApplication::translate(context, std::string(text).c_str());
}

QString captionOf(const ControlSpec& control)
{
    if (control.kind == ControlKind::TextBox) {
        return QString::fromUtf8(control.caption.data(),
                                 static_cast<qsizetype>(control.caption.size()));
    }
    return translated(control.caption,
                      control.kind == ControlKind::OptionButton ? "TableChoice" : "Form1");
}

Qt::Alignment alignmentOf(const ControlSpec& control)
{
    return control.align == TextAlign::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
}

QWidget* createLabel(const ControlSpec& control, QWidget* parent)
{
    auto* label = new CaptionLabel(parent);
    label->setAlignment(alignmentOf(control) | Qt::AlignTop);
    label->setWordWrap(control.wordWrap);
    label->setText(captionOf(control));
    if (control.tickCursor) {
        whenFirstShown(label, [label] { label->setCursor(tickCursor()); });
    }
    return label;
}

QWidget* createPicture(const ControlSpec& control, QWidget* parent)
{
    auto* picture = new QLabel(parent);
    const Picture which = *control.picture;
    whenFirstShown(picture, [picture, which] {
        picture->setPixmap(renderPicture(which, picture->devicePixelRatioF()));
    });
    return picture;
}

QWidget* createControl(const ControlSpec& control, QWidget* parent)
{
    switch (control.kind) {
    case ControlKind::OptionButton: {
        auto* option = new QRadioButton(captionOf(control), parent);
        option->setChecked(control.selected);
        return option;
    }
    case ControlKind::TextBox: {
        auto* box = new QLineEdit(captionOf(control), parent);
        box->setAlignment(alignmentOf(control));
        return box;
    }
    case ControlKind::PushButton: {
        auto* button = new QPushButton(captionOf(control), parent);
        button->setAutoDefault(true); // Enter presses the button that has the focus
        return button;
    }
    case ControlKind::Label:
        return createLabel(control, parent);
    case ControlKind::Picture:
        return createPicture(control, parent);
    }
    return nullptr;
}

QWidget* buildControl(const ControlSpec& control, QWidget& parent)
{
    QWidget* widget = createControl(control, &parent);
    widget->setObjectName(
        QString::fromLatin1(control.name.data(), static_cast<qsizetype>(control.name.size())));
    widget->setFont(fontOf(control.font, parent.font()));
    widget->setAccessibleName(translated(control.accessibleName));
    applyColours(*widget, control);
    const RectTwips& r = control.design;
    widget->setGeometry(toPixels(static_cast<float>(r.left)), toPixels(static_cast<float>(r.top)),
                        toPixels(static_cast<float>(r.width)),
                        toPixels(static_cast<float>(r.height)));
    if (auto* label = qobject_cast<CaptionLabel*>(widget)) {
        label->setAutoSize(control.autoSize);
    }
    widget->setEnabled(control.enabled);
    if (!control.visible) {
        widget->hide();
    }
    return widget;
}

// Back of the lower layer first, then the upper layer in inventory order:
// each widget created is stacked above those before it.
std::vector<const ControlSpec*> creationOrder()
{
    std::vector<const ControlSpec*> lower;
    std::vector<const ControlSpec*> upper;
    for (const auto& control : controlInventory()) {
        (control.stackFromTop >= 0 ? lower : upper).push_back(&control);
    }
    std::ranges::sort(lower, std::greater{}, &ControlSpec::stackFromTop);
    lower.insert(lower.end(), upper.begin(), upper.end());
    return lower;
}

void setKeyboardOrder(const std::vector<std::pair<int, QWidget*>>& focusable)
{
    auto ordered = focusable;
    std::ranges::sort(ordered, {}, &std::pair<int, QWidget*>::first);
    for (std::size_t i = 1; i < ordered.size(); ++i) {
        QWidget::setTabOrder(ordered[i - 1].second, ordered[i].second);
    }
}

template <typename T> T* child(QWidget& parent, const char* name)
{
    return parent.findChild<T*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
}

void collect(MainControls& c, QWidget& s)
{
    for (std::size_t i = 0; i < c.Option1.size(); ++i) {
        c.Option1[i] = child<QRadioButton>(s, ("Option1_" + std::to_string(i)).c_str());
    }
    c.TxtOther = child<QLineEdit>(s, "TxtOther");
    c.Cmdprint = child<QPushButton>(s, "Cmdprint_1");
    c.TxtAnswer = child<QLineEdit>(s, "TxtAnswer");
    keepSingleLine(c.TxtOther);
    keepSingleLine(c.TxtAnswer);
    c.CmdTest = child<QPushButton>(s, "CmdTest");
    c.CmdQuit = child<QPushButton>(s, "CmdQuit_1");
    c.lblscoresofar = child<CaptionLabel>(s, "lblscoresofar");
    c.Lbldate = child<CaptionLabel>(s, "Lbldate");
    c.lblYON = child<CaptionLabel>(s, "lblYON");
    c.LblInstructions = child<CaptionLabel>(s, "LblInstructions");
    c.ImgCertificate = child<QLabel>(s, "ImgCertificate");
    c.LblTimer = child<CaptionLabel>(s, "LblTimer");
    c.LblCorrect = child<CaptionLabel>(s, "LblCorrect");
    c.LblQuestion = child<CaptionLabel>(s, "LblQuestion");
    c.Imgclock = child<QLabel>(s, "Imgclock");
    c.Imgwhiteboard = child<QLabel>(s, "Imgwhiteboard");
    c.ImgTitle = child<QLabel>(s, "ImgTitle");
    c.Imgsign = child<QLabel>(s, "Imgsign");
}

} // namespace

QFont fontOf(const FontSpec& design, const QFont& inherited)
{
    if (design.family.empty()) {
        return inherited;
    }
    const QString family =
        QString::fromUtf8(design.family.data(), static_cast<qsizetype>(design.family.size()));
    QFont font(installedFamily(family));
    font.setPointSizeF(design.points);
    font.setBold(design.bold);
    font.setItalic(design.italic);
    return font;
}

MainControls buildMainControls(DrawingSurface& surface)
{
    std::vector<std::pair<int, QWidget*>> focusable;
    for (const ControlSpec* control : creationOrder()) {
        QWidget* widget = buildControl(*control, surface);
        if (control->tabIndex >= 0) {
            focusable.emplace_back(control->tabIndex, widget);
        }
    }
    setKeyboardOrder(focusable);
    MainControls controls;
    controls.surface = &surface;
    collect(controls, surface);
    controls.Timer1 = new QTimer(&surface);
    controls.Timer1->setObjectName(QStringLiteral("Timer1"));
    return controls;
}

} // namespace numberlark
