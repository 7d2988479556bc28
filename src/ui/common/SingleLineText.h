#pragma once

class QLineEdit;

namespace numberlark {

// A one-line box keeps pasted line breaks as characters, which show as odd
// marks and would end up inside a name. This turns each CR or LF the user
// brings in into a space as it arrives; numbers read the same, since blanks
// are ignored in them.
void keepSingleLine(QLineEdit* box);

} // namespace numberlark
