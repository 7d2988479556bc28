#include "ui/main/DateLine.h"

namespace numberlark {

namespace {

// Drops the time zone letters ('t', outside quoted literal text).
QString withoutZone(const QString& format)
{
    QString result;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
        }
        if (!quoted && c == QLatin1Char('t')) {
            continue;
        }
        result += c;
    }
    // Some locales put the zone in brackets ("H:mm:ss (t)"); they go with it.
    result.remove(QLatin1String("()"));
    return result.simplified();
}

} // namespace

QString longTimeFormatWithoutZone(const QLocale& locale)
{
    QString format = withoutZone(locale.timeFormat(QLocale::LongFormat));
    if (!format.contains(QLatin1Char('s'))) {
        const qsizetype minutes = format.indexOf(QLatin1String("mm"));
        format = minutes < 0 ? QStringLiteral("HH:mm:ss")
                             : format.insert(minutes + 2, QLatin1String(":ss"));
    }
    return format;
}

QString dateLine(const QDateTime& when, const QLocale& locale)
{
    return QStringLiteral("on ") + locale.toString(when.date(), QLocale::ShortFormat) +
           QStringLiteral(" at ") + locale.toString(when.time(), longTimeFormatWithoutZone(locale));
}

} // namespace numberlark
