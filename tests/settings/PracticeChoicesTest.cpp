#include "settings/PracticeChoices.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace numberlark {
namespace {

using std::chrono::milliseconds;
using std::chrono::minutes;

// Only the choices offered are read; anything else, a hand edit included,
// reads as the default, so a session can never be endless or instant.
TEST(PracticeChoices, ReadsOnlyTheChoicesOfferedElseTheDefaults)
{
    struct Case {
        const char* limit;
        const char* length;
        std::optional<milliseconds> expectedLimit;
        minutes expectedLength;
    } const cases[] = {
        {nullptr, nullptr, milliseconds{3000}, minutes{5}},
        {"12", "10", milliseconds{12000}, minutes{10}},
        {" NONE ", "3", std::nullopt, minutes{3}},
        {"4", "0", milliseconds{3000}, minutes{5}},
        {"-3", "99999999999", milliseconds{3000}, minutes{5}},
        {"6s", "five", milliseconds{3000}, minutes{5}},
    };
    for (const Case& c : cases) {
        MemorySettingsStore store;
        if (c.limit != nullptr) {
            store.write(PracticeKeys::fluencyLimit, QString::fromLatin1(c.limit));
            store.write(PracticeKeys::sessionMinutes, QString::fromLatin1(c.length));
        }
        const practice::PracticeSettings read = LoadPracticeChoices(store);
        EXPECT_EQ(read.fluencyLimit, c.expectedLimit) << (c.limit ? c.limit : "(none)");
        EXPECT_EQ(read.length, c.expectedLength) << (c.length ? c.length : "(none)");
    }
}

// The choices go to their own section of the one settings file and leave
// the options window's keys as they were.
TEST(PracticeChoices, RoundTripInTheirOwnSectionOfTheRealFile)
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Numberlark.conf"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Settings]\nallow_saving=1\nnum_of_questions=12\n");
    }
    auto store = QSettingsStore::forGroup(QSettingsStore::kPracticeGroup, path);
    practice::PracticeSettings chosen;
    chosen.fluencyLimit.reset();
    chosen.length = minutes{10};
    ASSERT_TRUE(SavePracticeChoices(store, chosen).done());

    const auto again = QSettingsStore::forGroup(QSettingsStore::kPracticeGroup, path);
    EXPECT_EQ(LoadPracticeChoices(again).fluencyLimit, std::nullopt);
    EXPECT_EQ(LoadPracticeChoices(again).length, minutes{10});
    const QSettingsStore options(path);
    EXPECT_EQ(options.read(QStringLiteral("num_of_questions"), {}), QStringLiteral("12"));
    EXPECT_EQ(options.read(PracticeKeys::sessionMinutes, QStringLiteral("absent")),
              QStringLiteral("absent"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("[Practice]\nfluency_limit=none\nsession_minutes=10"));
}

} // namespace
} // namespace numberlark
