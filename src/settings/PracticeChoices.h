#pragma once

#include "outcome/Outcome.h"
#include "practice/PracticeSettings.h"
#include "settings/SettingsStore.h"

#include <QString>

namespace numberlark {

namespace PracticeKeys {
// Seconds ("3", "6", "12") or "none" for untimed.
inline const QString fluencyLimit = QStringLiteral("fluency_limit");
// Minutes: "3", "5" or "10".
inline const QString sessionMinutes = QStringLiteral("session_minutes");
inline const QString untimed = QStringLiteral("none");
} // namespace PracticeKeys

// The grown-ups' practice choices from a store of the [Practice] section. A
// value that is not one of the choices offered reads as the default (3 s,
// 5 minutes), so a hand-edited file cannot make a session endless.
practice::PracticeSettings LoadPracticeChoices(const SettingsStore& store);

// Writes both keys and commits them.
Outcome SavePracticeChoices(SettingsStore& store, const practice::PracticeSettings& settings);

} // namespace numberlark
