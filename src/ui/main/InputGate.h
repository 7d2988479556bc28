#pragma once

class QLineEdit;

namespace numberlark {

// Closes a text box to input for a while (the pause after a right answer,
// the completion), or opens it again, without making it read-only: the
// toolkit's bridge never tells screen readers that read-only has ended, so
// a reader that looked while it lasted goes on calling the box "read only".
// Closed, the box takes no typing, pasting, dropping or mouse; Tab still
// moves on, and the menus' access keys still work.
void setClosedToInput(QLineEdit& box, bool closed);
bool isClosedToInput(const QLineEdit& box);

} // namespace numberlark
