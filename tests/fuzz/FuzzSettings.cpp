// What the options window saves comes back unchanged through the real
// settings file on disk: each flag as it was ticked, the number of questions
// as the nearest integer (halves to even) of the typed number, or 20 when it
// does not fit in 16 bits; the stored number text reads back as the very same
// number; and any text stored under a key reads back letter for letter.
#include "settings/Settings.h"
#include "settings/SettingsStore.h"

#include "quiz/TextRules.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

void check(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "settings: %s\n", what);
        std::abort();
    }
}

// Nearest integer with halves to even (the default rounding mode), within 16 bits.
std::optional<std::int16_t> nearestEven16(double value)
{
    const double rounded = std::nearbyint(value);
    if (!std::isfinite(value) || rounded < -32768.0 || rounded > 32767.0) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

QLocale localeFor(std::uint8_t choice)
{
    switch (choice % 4) {
    case 0:
        return QLocale::c();
    case 1:
        return QLocale(QLocale::German, QLocale::Germany);
    case 2:
        return QLocale(QLocale::French, QLocale::France);
    default:
        return QLocale(QLocale::English, QLocale::UnitedStates);
    }
}

double storedNumber(const QString& stored, const QLocale& locale)
{
    bool ok = false;
    const double value = locale.toDouble(stored, &ok);
    return ok ? value : QLocale::c().toDouble(stored, &ok);
}

} // namespace

// The settings file lives in a private folder for the whole run, in memory
// where there is a memory file system: every save syncs the file to disk.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    const QString memory = QStringLiteral("/dev/shm");
    static QTemporaryDir folder((QFileInfo(memory).isWritable() ? memory : QDir::tempPath()) +
                                QStringLiteral("/numberlark-fuzz-XXXXXX"));
    if (!folder.isValid()) {
        std::abort();
    }
    qputenv("XDG_CONFIG_HOME", folder.path().toLocal8Bit());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::uint8_t head = size > 0 ? data[0] : 0;
    const std::uint8_t localeChoice = size > 1 ? data[1] : 0;
    const std::size_t skip = std::min<std::size_t>(size, 2);
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + skip),
                                           static_cast<qsizetype>(size - skip));
    const int states[3] = {head % 3, head / 3 % 3, head / 9 % 3};
    const QLocale locale = localeFor(localeChoice);

    numberlark::QSettingsStore store;
    check(numberlark::SaveSettings(store, states[0], states[1], states[2], text, locale).done(),
          "the save reached the file");
    numberlark::SessionRecord record;
    numberlark::LoadSettings(record, numberlark::QSettingsStore(), locale);

    check(record.allow_printing == (states[0] == 1), "printing flag");
    check(record.allow_saving == (states[1] == 1), "saving flag");
    check(record.allow_sound == (states[2] == 1), "sound flag");
    const double typed = numberlark::text_value(text.toStdString());
    const QString stored = store.read(numberlark::SettingsKeys::numOfQuestions, {});
    const double reread = storedNumber(stored, locale);
    check(reread == typed || (std::isnan(reread) && std::isnan(typed)),
          "the stored number text reads back as the same number");
    check(record.Numofquestions == nearestEven16(typed).value_or(20), "number of questions");

    store.write(QStringLiteral("any_text"), text);
    check(store.commit().done(), "the text reached the file");
    check(numberlark::QSettingsStore().read(QStringLiteral("any_text"), {}) == text,
          "any text reads back unchanged");
    return 0;
}
