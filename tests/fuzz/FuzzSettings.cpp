// Whatever a settings file holds, loading gives booleans and a 16-bit count,
// and a count that does not convert falls back to 20.
#include "settings/Settings.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    numberlark::MemorySettingsStore store;
    store.write(numberlark::SettingsKeys::allowPrinting, text);
    store.write(numberlark::SettingsKeys::numOfQuestions, text);
    numberlark::SessionRecord record;
    numberlark::LoadSettings(record, store, QLocale::c());
    const auto count = numberlark::toInt16(text, QLocale::c());
    if (record.Numofquestions != count.value_or(20)) {
        std::abort();
    }
    if (record.allow_printing != numberlark::toBoolean(text, QLocale::c()).value_or(false)) {
        std::abort();
    }
    return 0;
}
