#include "ui/common/FirstShow.h"

#include <QEvent>
#include <QWidget>

namespace numberlark {

namespace {

class FirstShowFilter final : public QObject {
public:
    FirstShowFilter(QWidget* widget, std::function<void()> prepare)
        : QObject(widget), m_prepare(std::move(prepare))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            m_prepare();
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_prepare;
};

} // namespace

void whenFirstShown(QWidget* widget, std::function<void()> prepare)
{
    if (widget->isVisible()) {
        prepare();
        return;
    }
    widget->installEventFilter(new FirstShowFilter(widget, std::move(prepare)));
}

} // namespace numberlark
