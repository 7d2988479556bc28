#include "settings/PracticeChoices.h"

#include <algorithm>
#include <chrono>
#include <optional>

namespace numberlark {

namespace {

using namespace std::chrono;

std::optional<int> wholeNumber(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

template <typename Duration, std::size_t N>
std::optional<Duration> offered(const QString& text, const Duration (&choices)[N])
{
    const auto value = wholeNumber(text);
    if (!value) {
        return std::nullopt;
    }
    const Duration wanted{*value};
    const bool isChoice = std::ranges::find(choices, wanted) != std::end(choices);
    return isChoice ? std::optional(wanted) : std::nullopt;
}

} // namespace

practice::PracticeSettings LoadPracticeChoices(const SettingsStore& store)
{
    practice::PracticeSettings settings;
    const QString limit = store.read(PracticeKeys::fluencyLimit, QString());
    if (limit.trimmed().compare(PracticeKeys::untimed, Qt::CaseInsensitive) == 0) {
        settings.fluencyLimit.reset();
    } else if (const auto seconds = offered(limit, practice::kFluencyLimitChoices)) {
        settings.fluencyLimit = duration_cast<milliseconds>(*seconds);
    }
    const QString length = store.read(PracticeKeys::sessionMinutes, QString());
    if (const auto minutes = offered(length, practice::kLengthChoices)) {
        settings.length = *minutes;
    }
    return settings;
}

Outcome SavePracticeChoices(SettingsStore& store, const practice::PracticeSettings& settings)
{
    store.write(PracticeKeys::fluencyLimit,
                settings.fluencyLimit
                    ? QString::number(duration_cast<seconds>(*settings.fluencyLimit).count())
                    : PracticeKeys::untimed);
    store.write(PracticeKeys::sessionMinutes, QString::number(settings.length.count()));
    return store.commit();
}

} // namespace numberlark
