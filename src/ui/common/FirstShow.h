#pragma once

#include <functional>

class QWidget;

namespace numberlark {

// Runs `prepare` just before the widget is shown for the first time, and
// never again. Pictures and cursors of controls that start hidden are made
// then, so they cost nothing at start-up.
void whenFirstShown(QWidget* widget, std::function<void()> prepare);

} // namespace numberlark
