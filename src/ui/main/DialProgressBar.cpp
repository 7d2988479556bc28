#include "ui/main/DialProgressBar.h"

#include "quiz/ProgressDial.h"
#include "ui/main/Twips.h"

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

#include <algorithm>

namespace numberlark {

namespace {

// A progress bar to assistive technology, its value read from the dial.
class DialAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit DialAccessible(DialProgressBar* dial)
        : QAccessibleWidget(dial, QAccessible::ProgressBar), m_dial(dial)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return m_dial->answered(); }
    void setCurrentValue(const QVariant& /*value*/) override {}
    QVariant maximumValue() const override { return m_dial->maximum(); }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    DialProgressBar* m_dial;
};

QAccessibleInterface* dialAccessible(const QString& /*className*/, QObject* object)
{
    if (auto* dial = qobject_cast<DialProgressBar*>(object)) {
        return new DialAccessible(dial);
    }
    return nullptr;
}

} // namespace

DialProgressBar::DialProgressBar(QWidget* parent) : QWidget(parent)
{
    static const bool factoryInstalled = (QAccessible::installFactory(dialAccessible), true);
    Q_UNUSED(factoryInstalled);
    setObjectName(QStringLiteral("DialProgress"));
    setAccessibleName(tr("Progress dial"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void DialProgressBar::showAnswered(int answered, int questions, const DialSector& sector)
{
    m_answered = answered;
    m_maximum = std::max({answered, questions, 1});
    setAccessibleDescription(tr("%1 of %2 answered").arg(answered).arg(questions));
    const auto r = static_cast<float>(sector.radius);
    setGeometry(toPixels(static_cast<float>(sector.centre.x) - r),
                toPixels(static_cast<float>(sector.centre.y) - r), toPixels(2 * r),
                toPixels(2 * r));
    show();
}

} // namespace numberlark
