#include "settings/Settings.h"

#include <gtest/gtest.h>

#include <ostream>

#include <QSettings>

namespace numberlark {
namespace {

struct FlagCase {
    const char* text;
    bool expected;
};

void PrintTo(const FlagCase& c, std::ostream* os)
{
    *os << '"' << c.text << '"';
}

class FlagReading : public ::testing::TestWithParam<FlagCase> {};

TEST_P(FlagReading, WordsNumbersAndJunk)
{
    MemorySettingsStore store;
    store.write(SettingsKeys::allowPrinting, QString::fromUtf8(GetParam().text));
    store.write(SettingsKeys::allowSaving, QString::fromUtf8(GetParam().text));
    store.write(SettingsKeys::allowSound, QString::fromUtf8(GetParam().text));
    SessionRecord record;
    LoadSettings(record, store, QLocale::c());
    EXPECT_EQ(record.allow_printing, GetParam().expected) << GetParam().text;
    EXPECT_EQ(record.allow_saving, GetParam().expected);
    EXPECT_EQ(record.allow_sound, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Examples, FlagReading,
                         ::testing::Values(FlagCase{"1", true}, FlagCase{"0", false},
                                           FlagCase{"False", false}, FlagCase{"false", false},
                                           FlagCase{"TRUE", true}, FlagCase{"True", true},
                                           FlagCase{"2", true}, FlagCase{" -1 ", true},
                                           FlagCase{"0.0", false}, FlagCase{"yes", false},
                                           FlagCase{"", false}, FlagCase{"\x01\x7f", false}));

struct CountCase {
    const char* text;
    std::int16_t expected;
};

void PrintTo(const CountCase& c, std::ostream* os)
{
    *os << '"' << c.text << '"';
}

class CountReading : public ::testing::TestWithParam<CountCase> {};

TEST_P(CountReading, RoundsHalfToEvenAndFallsBackToTwenty)
{
    MemorySettingsStore store;
    store.write(SettingsKeys::numOfQuestions, QString::fromUtf8(GetParam().text));
    SessionRecord record;
    LoadSettings(record, store, QLocale::c());
    EXPECT_EQ(record.Numofquestions, GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Examples, CountReading,
                         ::testing::Values(CountCase{"20", 20}, CountCase{"12.5", 12},
                                           CountCase{"13.5", 14}, CountCase{"0", 0},
                                           CountCase{"-5", -5}, CountCase{"1e1", 10},
                                           CountCase{" 7 ", 7}, CountCase{"32767", 32767},
                                           CountCase{"32768", 20}, CountCase{"-40000", 20},
                                           CountCase{"abc", 20}, CountCase{"", 20},
                                           CountCase{"1e999", 20}));

TEST(LoadSettings, FirstRunUsesTheDefaults)
{
    MemorySettingsStore store;
    SessionRecord record;
    record.allow_printing = record.allow_saving = record.allow_sound = true;
    record.Numofquestions = 3;
    LoadSettings(record, store);
    EXPECT_FALSE(record.allow_printing);
    EXPECT_FALSE(record.allow_saving);
    EXPECT_FALSE(record.allow_sound);
    EXPECT_EQ(record.Numofquestions, 20);
}

TEST(LoadSettings, ReadsTheLocaleDecimalSeparator)
{
    MemorySettingsStore store;
    store.write(SettingsKeys::numOfQuestions, QStringLiteral("12,5"));
    SessionRecord record;
    LoadSettings(record, store, QLocale(QLocale::German));
    EXPECT_EQ(record.Numofquestions, 12);
}

TEST(SaveSettings, WritesAllFourKeysFromTheControls)
{
    MemorySettingsStore store;
    store.write(SettingsKeys::allowPrinting, QStringLiteral("True"));
    SaveSettings(store, 0, 1, 2, QStringLiteral(" 15"), QLocale::c());
    EXPECT_EQ(store.values().value(SettingsKeys::allowPrinting), "0");
    EXPECT_EQ(store.values().value(SettingsKeys::allowSaving), "1");
    EXPECT_EQ(store.values().value(SettingsKeys::allowSound), "0") << "only state 1 is ticked";
    EXPECT_EQ(store.values().value(SettingsKeys::numOfQuestions), "15");
}

struct WrittenCase {
    const char* boxText;
    const char* written;
};

void PrintTo(const WrittenCase& c, std::ostream* os)
{
    *os << '"' << c.boxText << '"';
}

class WrittenNumber : public ::testing::TestWithParam<WrittenCase> {};

TEST_P(WrittenNumber, ShortestDecimalTextOfTheBoxValue)
{
    MemorySettingsStore store;
    SaveSettings(store, 1, 1, 1, QString::fromUtf8(GetParam().boxText), QLocale::c());
    EXPECT_EQ(store.values().value(SettingsKeys::numOfQuestions), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(Examples, WrittenNumber,
                         ::testing::Values(WrittenCase{" 20", "20"}, WrittenCase{"12.5", "12.5"},
                                           WrittenCase{"abc", "0"}, WrittenCase{"1 5", "15"},
                                           WrittenCase{"-3", "-3"}, WrittenCase{"20000", "20000"}));

TEST(SaveSettings, RoundTripsThroughTheRealStoreInAGermanLocale)
{
    QSettingsStore store;
    SaveSettings(store, 1, 0, 1, QStringLiteral("12.5"), QLocale(QLocale::German));
    EXPECT_EQ(store.read(SettingsKeys::numOfQuestions, {}), "12,5");
    SessionRecord record;
    LoadSettings(record, store, QLocale(QLocale::German));
    EXPECT_TRUE(record.allow_printing);
    EXPECT_FALSE(record.allow_saving);
    EXPECT_TRUE(record.allow_sound);
    EXPECT_EQ(record.Numofquestions, 12);

    QSettings raw(QStringLiteral("Numberlark"), QStringLiteral("Numberlark"));
    EXPECT_EQ(raw.value(QStringLiteral("Settings/allow_printing")).toString(), "1");
    raw.clear();
}

} // namespace
} // namespace numberlark
