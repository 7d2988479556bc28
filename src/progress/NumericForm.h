#pragma once

#include <QDate>
#include <QStringView>
#include <QTime>

#include <optional>

namespace numberlark::progress {

// Reads a date or a time written in a form made of numbers only ("dd/MM/yyyy",
// "h:mm:ss AP"), as QLocale::toDate and toTime would, at a fraction of their
// cost: an import reads a date and a time on each of a million lines.
// Nothing when the form holds anything else (month names, quoted text) or
// the text does not fit it; the caller then asks Qt, which may be more
// lenient.
std::optional<QDate> readNumericDate(QStringView text, QStringView form);
std::optional<QTime> readNumericTime(QStringView text, QStringView form);

} // namespace numberlark::progress
