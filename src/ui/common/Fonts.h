#pragma once

namespace numberlark {

// The windows ask for "Arial", "Courier New", "MS Sans Serif" and
// "Comic Sans MS". Mapping them once to installed metric-compatible faces
// keeps text the width the layout was designed for. Call after the
// QApplication exists.
void installFontSubstitutions();

} // namespace numberlark
