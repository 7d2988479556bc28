#pragma once

#include <QString>

namespace numberlark {

// The windows ask for "Arial", "Courier New", "MS Sans Serif" and
// "Comic Sans MS". Mapping them once to installed metric-compatible faces
// keeps text the width the layout was designed for. Call after the
// QApplication exists.
void installFontSubstitutions();

// The installed face that stands in for a designed family ("MS Sans Serif"
// gives "Liberation Sans"), or the family itself when none is mapped.
// Asking for the installed face directly spares the font database a search
// for fallbacks of a family it does not have, which is a good part of the
// start-up time.
QString installedFamily(const QString& family);

} // namespace numberlark
