#include "ui/main/SingleWindow.h"

#include <QLabel>
#include <QVBoxLayout>

namespace numberlark {

SingleWindow::SingleWindow(WindowFactory factory) : m_factory(std::move(factory)) {}

void SingleWindow::setFactory(WindowFactory factory)
{
    m_factory = std::move(factory);
}

QWidget* SingleWindow::showOrRaise()
{
    if (!m_window && m_factory) {
        m_window = m_factory();
        if (m_window) {
            m_window->setAttribute(Qt::WA_DeleteOnClose);
        }
    }
    if (!m_window) {
        return nullptr;
    }
    if (m_window->isMinimized()) {
        m_window->showNormal();
    } else {
        m_window->show();
    }
    m_window->raise();
    m_window->activateWindow();
    return m_window;
}

void SingleWindow::close()
{
    if (m_window) {
        m_window->close();
    }
}

QWidget* makePlaceholderWindow(const QString& title)
{
    auto* window = new QWidget(nullptr, Qt::Dialog);
    window->setWindowTitle(title);
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(new QLabel(QStringLiteral("%1 is not available yet.").arg(title), window));
    return window;
}

} // namespace numberlark
