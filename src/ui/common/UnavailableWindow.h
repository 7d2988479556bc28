#pragma once

#include <QString>

class QWidget;

namespace numberlark {

// The window shown in place of one whose module could not be loaded: its
// title and, in words the user can select and copy, what went wrong.
QWidget* unavailableWindow(const QString& objectName, const QString& title, const QString& message);

} // namespace numberlark
