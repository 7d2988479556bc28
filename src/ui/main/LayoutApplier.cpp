#include "ui/main/LayoutApplier.h"

#include "ui/main/MainLayout.h"

#include <QWidget>

namespace numberlark {

namespace {

QWidget* controlNamed(QWidget& surface, std::string_view name)
{
    return surface.findChild<QWidget*>(
        QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())),
        Qt::FindDirectChildrenOnly);
}

} // namespace

void applyMainLayout(QWidget& surface, SizeTwips outer)
{
    const auto sizeOf = [&surface](std::string_view name) {
        const QWidget* control = controlNamed(surface, name);
        return control ? ControlSize{widthTwips(*control), heightTwips(*control)} : ControlSize{};
    };
    for (const Placement& placement : main_layout(outer.width, outer.height, sizeOf)) {
        QWidget* control = controlNamed(surface, placement.control);
        if (!control) {
            continue;
        }
        if (placement.left) {
            setLeftTwips(*control, *placement.left);
        }
        if (placement.top) {
            setTopTwips(*control, *placement.top);
        }
    }
}

} // namespace numberlark
