#pragma once

#include "ui/main/Twips.h"

class QWidget;

namespace numberlark {

// Moves the surface's controls to where the main window's layout puts them
// for an outer window size, reading each control's current size first.
void applyMainLayout(QWidget& surface, SizeTwips outer);

} // namespace numberlark
