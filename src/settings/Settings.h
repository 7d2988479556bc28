#pragma once

#include "quiz/SessionRecord.h"
#include "settings/SettingsStore.h"

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

namespace numberlark {

namespace SettingsKeys {
inline const QString allowPrinting = QStringLiteral("allow_printing");
inline const QString allowSaving = QStringLiteral("allow_saving");
inline const QString allowSound = QStringLiteral("allow_sound");
inline const QString numOfQuestions = QStringLiteral("num_of_questions");
inline const QString flagDefault = QStringLiteral("False");
inline const QString numberDefault = QStringLiteral("20");
} // namespace SettingsKeys

// "True"/"False" in any case, else a number (blanks around it allowed) where
// non-zero is true. Empty for text that is neither.
std::optional<bool> toBoolean(const QString& text, const QLocale& locale = QLocale());

// A number in the locale's or the C form (exponent allowed), rounded half to
// even. Empty when there is no number or it does not fit in 16 bits.
std::optional<std::int16_t> toInt16(const QString& text, const QLocale& locale = QLocale());

// The shortest decimal text of a number: "20", "12.5" (locale separator).
QString shortestNumberText(double value, const QLocale& locale = QLocale());

// Reads the four settings into the record. A stored text that does not
// convert reads as the key's default.
void LoadSettings(SessionRecord& record, const SettingsStore& store,
                  const QLocale& locale = QLocale());

// Writes all four keys from the options window's controls: check box states
// (1 ticked, anything else not) and the number box's text, and commits them
// to the store in one go.
Outcome SaveSettings(SettingsStore& store, int printingState, int savingState, int soundState,
                     const QString& numberText, const QLocale& locale = QLocale());

} // namespace numberlark
