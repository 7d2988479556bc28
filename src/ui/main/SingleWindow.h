#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

namespace numberlark {

using WindowFactory = std::function<QWidget*()>;

// A secondary window that exists at most once: made by its factory when it
// is asked for and none is open, shown without being modal, and discarded
// when it is closed. Asked for again while open, it is brought to the front.
class SingleWindow {
public:
    explicit SingleWindow(WindowFactory factory);

    void setFactory(WindowFactory factory);
    QWidget* showOrRaise();
    QWidget* window() const { return m_window.data(); }
    void close();

private:
    WindowFactory m_factory;
    QPointer<QWidget> m_window;
};

// A small stand-in shown while the real window is not connected.
QWidget* makePlaceholderWindow(const QString& title);

} // namespace numberlark
