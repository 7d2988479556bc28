#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace numberlark::progress {

// Reads a results line's date line, "on <short date> at <long time>", as the
// program wrote it in the system's formats (the locale given), or in a few
// common forms. Invalid when it cannot be read (for example "Date", the
// caption of a test quit before its end). The local time comes with its
// offset from UTC fixed.
QDateTime readDateLine(const QString& text, const QLocale& locale = QLocale::system());

} // namespace numberlark::progress
