#include "ui/common/SilentPages.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QStackedWidget>

namespace numberlark {

namespace {

constexpr char kSilent[] = "numberlarkSilentPages";

QAccessibleInterface* silentPagesAccessible(const QString& /*className*/, QObject* object)
{
    auto* pages = qobject_cast<QStackedWidget*>(object);
    if (pages == nullptr || !pages->property(kSilent).toBool()) {
        return nullptr;
    }
    return new QAccessibleWidget(pages, QAccessible::Pane);
}

} // namespace

void silencePages(QStackedWidget& pages)
{
    static const bool installed = (QAccessible::installFactory(silentPagesAccessible), true);
    Q_UNUSED(installed);
    pages.setProperty(kSilent, true);
}

} // namespace numberlark
