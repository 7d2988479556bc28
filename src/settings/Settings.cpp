#include "settings/Settings.h"

#include "quiz/TextRules.h"

#include <cmath>

namespace numberlark {

namespace {

// "nan" and "inf" in any case and sign are words, not numbers: a hand-edited
// store holding them reads as the key's default like any other word.
std::optional<double> toNumber(const QString& text, const QLocale& locale)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    double value = locale.toDouble(trimmed, &ok);
    if (!ok) {
        value = QLocale::c().toDouble(trimmed, &ok);
    }
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

bool readFlag(const SettingsStore& store, const QString& key, const QLocale& locale)
{
    const QString text = store.read(key, SettingsKeys::flagDefault);
    return toBoolean(text, locale).value_or(false);
}

QString stateText(int checkState)
{
    return checkState == 1 ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

std::optional<bool> toBoolean(const QString& text, const QLocale& locale)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (trimmed.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0) {
        return false;
    }
    const auto number = toNumber(trimmed, locale);
    if (!number) {
        return std::nullopt;
    }
    return *number != 0.0;
}

std::optional<std::int16_t> toInt16(const QString& text, const QLocale& locale)
{
    const auto number = toNumber(text, locale);
    if (!number) {
        return std::nullopt;
    }
    return round_to_int16(*number);
}

QString shortestNumberText(double value, const QLocale& locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(value, 'g', QLocale::FloatingPointShortest);
}

void LoadSettings(SessionRecord& record, const SettingsStore& store, const QLocale& locale)
{
    record.allow_printing = readFlag(store, SettingsKeys::allowPrinting, locale);
    record.allow_saving = readFlag(store, SettingsKeys::allowSaving, locale);
    record.allow_sound = readFlag(store, SettingsKeys::allowSound, locale);
    const QString count = store.read(SettingsKeys::numOfQuestions, SettingsKeys::numberDefault);
    record.Numofquestions = toInt16(count, locale).value_or(20);
}

Outcome SaveSettings(SettingsStore& store, int printingState, int savingState, int soundState,
                     const QString& numberText, const QLocale& locale)
{
    store.write(SettingsKeys::allowPrinting, stateText(printingState));
    store.write(SettingsKeys::allowSaving, stateText(savingState));
    store.write(SettingsKeys::allowSound, stateText(soundState));
    const double count = text_value(numberText.toStdString());
    store.write(SettingsKeys::numOfQuestions, shortestNumberText(count, locale));
    return store.commit();
}

} // namespace numberlark
