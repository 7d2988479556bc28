#pragma once

// Marks a text of the quiz for the translation tools, which look for this
// name; the window translates the text where it shows it. The core stays
// free of Qt, so the marker is defined here exactly as Qt defines it.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
