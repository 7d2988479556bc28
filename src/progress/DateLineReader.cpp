#include "progress/DateLineReader.h"

#include "progress/NumericForm.h"

#include <QHash>
#include <QStringList>

#include <optional>

namespace numberlark::progress {

namespace {

constexpr qsizetype kDaysKept = 4096;

QString sameSpaces(QString text)
{
    return text.replace(QChar(0x202F), QLatin1Char(' ')).replace(QChar(0x00A0), QLatin1Char(' '));
}

// The locale's long time form without its time zone letters, as written.
QString withoutZone(const QString& format)
{
    QString result;
    bool quoted = false;
    for (const QChar c : format) {
        quoted = c == QLatin1Char('\'') ? !quoted : quoted;
        if (quoted || c != QLatin1Char('t')) {
            result += c;
        }
    }
    return result.simplified();
}

// The forms a date line is tried in, worked out once per locale rather than
// for each of an import's million lines, and the dates already read: a
// results file holds a few tests a day, so most of its dates come again.
struct DateLineForms {
    QLocale locale;
    QStringList dateForms;
    QStringList timeForms;
    QHash<QString, QDate> datesRead;

    explicit DateLineForms(const QLocale& of) : locale(of)
    {
        dateForms = {
            locale.dateFormat(QLocale::ShortFormat),
            QStringLiteral("dd/MM/yyyy"),
            QStringLiteral("MM/dd/yyyy"),
            QStringLiteral("d/M/yyyy"),
            QStringLiteral("M/d/yyyy"),
            QStringLiteral("yyyy-MM-dd"),
            QStringLiteral("d.M.yyyy"),
            QStringLiteral("d/M/yy"),
            QStringLiteral("M/d/yy"),
            QStringLiteral("d.M.yy"),
        };
        for (const QString& written : {
                 withoutZone(locale.timeFormat(QLocale::LongFormat)),
                 locale.timeFormat(QLocale::LongFormat),
                 QStringLiteral("H:mm:ss"),
                 QStringLiteral("h:mm:ss AP"),
                 QStringLiteral("h:mm:ss ap"),
                 QStringLiteral("H.mm.ss"),
             }) {
            timeForms << sameSpaces(written);
        }
    }
};

DateLineForms& formsFor(const QLocale& locale)
{
    thread_local std::optional<DateLineForms> forms;
    if (!forms || forms->locale != locale) {
        forms.emplace(locale);
    }
    return *forms;
}

QDate readDate(const QString& text, const QLocale& locale, const QStringList& forms)
{
    for (const QString& form : forms) {
        if (const std::optional<QDate> quick = readNumericDate(text, form)) {
            return quick->year() < 1990 ? quick->addYears(100) : *quick;
        }
        QDate date = locale.toDate(text, form);
        if (!date.isValid()) {
            date = QDate::fromString(text, form);
        }
        if (date.isValid()) {
            // Two-digit years read as 19xx; the program is younger than that.
            return date.year() < 1990 ? date.addYears(100) : date;
        }
    }
    return {};
}

QDate rememberedDate(const QString& text, DateLineForms& forms)
{
    const auto found = forms.datesRead.constFind(text);
    if (found != forms.datesRead.cend()) {
        return *found;
    }
    if (forms.datesRead.size() >= kDaysKept) {
        forms.datesRead.clear();
    }
    const QDate date = readDate(text, forms.locale, forms.dateForms);
    forms.datesRead.insert(text, date);
    return date;
}

QTime readTime(const QString& text, const QLocale& locale, const QStringList& forms)
{
    for (const QString& form : forms) {
        if (const std::optional<QTime> quick = readNumericTime(text, form)) {
            return *quick;
        }
        QTime time = locale.toTime(text, form);
        if (!time.isValid()) {
            time = QTime::fromString(text, form);
        }
        if (time.isValid()) {
            return time;
        }
    }
    return {};
}

// The local time with its offset from UTC fixed. Working the offset out asks
// the time zone data, which costs more than reading the rest of the line; a
// day on which the clocks do not change has one offset all day, kept for the
// next line of that day (an import reads a million lines).
QDateTime fixedLocalTime(QDate date, QTime time)
{
    thread_local QHash<QDate, int> steadyDays;
    auto found = steadyDays.constFind(date);
    if (found == steadyDays.cend()) {
        const int morning = QDateTime(date, QTime(0, 0)).offsetFromUtc();
        const int night = QDateTime(date, QTime(23, 59, 59)).offsetFromUtc();
        if (morning != night) {
            const QDateTime local(date, time);
            return local.toOffsetFromUtc(local.offsetFromUtc());
        }
        if (steadyDays.size() >= kDaysKept) {
            steadyDays.clear();
        }
        found = steadyDays.insert(date, morning);
    }
    return QDateTime(date, time, Qt::OffsetFromUTC, *found);
}

} // namespace

QDateTime readDateLine(const QString& written, const QLocale& locale)
{
    // Newer locale data puts a narrow no-break space before AM and PM; a
    // spreadsheet may have saved it as a plain or a no-break space.
    const QString text = sameSpaces(written);
    if (!text.startsWith(QLatin1String("on "))) {
        return {};
    }
    const qsizetype at = text.lastIndexOf(QLatin1String(" at "));
    if (at < 0) {
        return {};
    }
    DateLineForms& forms = formsFor(locale);
    const QDate date = rememberedDate(text.mid(3, at - 3).trimmed(), forms);
    const QTime time = readTime(text.mid(at + 4).trimmed(), locale, forms.timeForms);
    if (!date.isValid() || !time.isValid()) {
        return {};
    }
    return fixedLocalTime(date, time);
}

} // namespace numberlark::progress
