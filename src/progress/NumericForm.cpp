#include "progress/NumericForm.h"

#include <array>

namespace numberlark::progress {

namespace {

enum Field { Day, Month, Year, Hour24, Hour12, Minute, Second, AmPm, kFields };

struct Fields {
    std::array<int, kFields> value{};
    std::array<bool, kFields> seen{};
};

std::optional<Field> fieldOf(QChar letter, qsizetype count)
{
    switch (letter.unicode()) {
    case 'd':
        return count <= 2 ? std::optional(Day) : std::nullopt;
    case 'M':
        return count <= 2 ? std::optional(Month) : std::nullopt;
    case 'y':
        return count == 2 || count == 4 ? std::optional(Year) : std::nullopt;
    case 'H':
        return count <= 2 ? std::optional(Hour24) : std::nullopt;
    case 'h':
        return count <= 2 ? std::optional(Hour12) : std::nullopt;
    case 'm':
        return count <= 2 ? std::optional(Minute) : std::nullopt;
    case 's':
        return count <= 2 ? std::optional(Second) : std::nullopt;
    case 'A':
    case 'a':
        return count <= 2 ? std::optional(AmPm) : std::nullopt;
    default:
        return std::nullopt;
    }
}

// Digits for a field: a single letter takes one or two, a doubled letter
// exactly two, "yyyy" exactly four.
bool readDigits(QStringView text, qsizetype& at, qsizetype count, int& value)
{
    const qsizetype least = count == 1 ? 1 : count;
    const qsizetype most = count == 1 ? 2 : count;
    value = 0;
    qsizetype read = 0;
    while (read < most && at < text.size() && text[at].isDigit() && text[at].unicode() < 128) {
        value = value * 10 + (text[at].unicode() - '0');
        ++at;
        ++read;
    }
    return read >= least;
}

bool readAmPm(QStringView text, qsizetype& at, int& value)
{
    const QStringView rest = text.mid(at, 2);
    if (rest.compare(u"AM", Qt::CaseInsensitive) == 0) {
        value = 0;
    } else if (rest.compare(u"PM", Qt::CaseInsensitive) == 0) {
        value = 12;
    } else {
        return false;
    }
    at += 2;
    return true;
}

std::optional<Fields> readFields(QStringView text, QStringView form)
{
    Fields fields;
    qsizetype at = 0;
    for (qsizetype f = 0; f < form.size();) {
        const QChar letter = form[f];
        if (!letter.isLetter()) {
            if (letter == QLatin1Char('\'') || at >= text.size() || text[at] != letter) {
                return std::nullopt;
            }
            ++at;
            ++f;
            continue;
        }
        qsizetype count = 1;
        while (f + count < form.size() && form[f + count] == letter) {
            ++count;
        }
        f += count;
        const std::optional<Field> field = fieldOf(letter, count);
        if (!field || fields.seen[*field]) {
            return std::nullopt;
        }
        int& value = fields.value[*field];
        if (!(*field == AmPm ? readAmPm(text, at, value) : readDigits(text, at, count, value))) {
            return std::nullopt;
        }
        if (*field == Year && count == 2) {
            value += 1900;
        }
        fields.seen[*field] = true;
    }
    return at == text.size() ? std::optional(fields) : std::nullopt;
}

} // namespace

std::optional<QDate> readNumericDate(QStringView text, QStringView form)
{
    const std::optional<Fields> fields = readFields(text, form);
    if (!fields || !fields->seen[Day] || !fields->seen[Month] || !fields->seen[Year]) {
        return std::nullopt;
    }
    const QDate date(fields->value[Year], fields->value[Month], fields->value[Day]);
    return date.isValid() ? std::optional(date) : std::nullopt;
}

std::optional<QTime> readNumericTime(QStringView text, QStringView form)
{
    const std::optional<Fields> fields = readFields(text, form);
    if (!fields || !fields->seen[Minute] || fields->seen[Hour24] == fields->seen[Hour12] ||
        fields->seen[Hour12] != fields->seen[AmPm]) {
        return std::nullopt;
    }
    int hour = fields->value[Hour24];
    if (fields->seen[Hour12]) {
        if (fields->value[Hour12] < 1 || fields->value[Hour12] > 12) {
            return std::nullopt;
        }
        hour = fields->value[Hour12] % 12 + fields->value[AmPm];
    }
    const QTime time(hour, fields->value[Minute], fields->value[Second]);
    return time.isValid() ? std::optional(time) : std::nullopt;
}

} // namespace numberlark::progress
