#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace numberlark {

// The locale's long time format with its time zone taken out; seconds are
// added after the minutes where the format has none.
QString longTimeFormatWithoutZone(const QLocale& locale);

// "on " short date " at " long time with seconds, in the locale's formats:
// the certificate's date line.
QString dateLine(const QDateTime& when, const QLocale& locale);

} // namespace numberlark
