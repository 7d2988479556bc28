#include "ui/common/UnavailableWindow.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

namespace numberlark {

QWidget* unavailableWindow(const QString& objectName, const QString& title, const QString& message)
{
    auto* window = new QWidget(nullptr, Qt::Window);
    window->setObjectName(objectName);
    window->setWindowTitle(title);
    auto* label = new QLabel(message, window);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(label);
    window->resize(520, 200);
    return window;
}

} // namespace numberlark
