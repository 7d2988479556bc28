#include "ui/main/InputGate.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace numberlark {

namespace {

const QString kGateName = QStringLiteral("InputGate");

class InputGate : public QObject {
public:
    explicit InputGate(QLineEdit& box) : QObject(&box)
    {
        setObjectName(kGateName);
        box.installEventFilter(this);
    }

    bool closed = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        return (closed && isInput(*event)) || QObject::eventFilter(watched, event);
    }

private:
    static bool isInput(const QEvent& event)
    {
        switch (event.type()) {
        case QEvent::KeyPress: {
            const int key = static_cast<const QKeyEvent&>(event).key();
            return key != Qt::Key_Tab && key != Qt::Key_Backtab;
        }
        case QEvent::InputMethod:
        case QEvent::ContextMenu:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return true;
        default:
            return false;
        }
    }
};

// Found by name: without meta-object of its own, a typed search would take
// any child object for it.
InputGate* gateOf(const QLineEdit& box)
{
    return dynamic_cast<InputGate*>(box.findChild<QObject*>(kGateName, Qt::FindDirectChildrenOnly));
}

} // namespace

void setClosedToInput(QLineEdit& box, bool closed)
{
    InputGate* gate = gateOf(box);
    if (gate == nullptr) {
        gate = new InputGate(box);
    }
    gate->closed = closed;
}

bool isClosedToInput(const QLineEdit& box)
{
    const InputGate* gate = gateOf(box);
    return gate != nullptr && gate->closed;
}

} // namespace numberlark
