#include "settings/Settings.h"
#include "classroom/ClassroomSetting.h"
#include "support/FileSizeCap.h"

#include <gtest/gtest.h>

#include <ostream>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <csignal>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <unistd.h>

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

INSTANTIATE_TEST_SUITE_P(
    Examples, FlagReading,
    ::testing::Values(FlagCase{"1", true}, FlagCase{"0", false}, FlagCase{"False", false},
                      FlagCase{"false", false}, FlagCase{"TRUE", true}, FlagCase{"True", true},
                      FlagCase{"2", true}, FlagCase{" -1 ", true}, FlagCase{"0.0", false},
                      FlagCase{"yes", false}, FlagCase{"", false}, FlagCase{"\x01\x7f", false},
                      FlagCase{"nan", false}, FlagCase{"-NaN", false}, FlagCase{"inf", false},
                      FlagCase{"+Infinity", false}, FlagCase{" -INF ", false}));

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

INSTANTIATE_TEST_SUITE_P(
    Examples, CountReading,
    ::testing::Values(CountCase{"20", 20}, CountCase{"12.5", 12}, CountCase{"13.5", 14},
                      CountCase{"0", 0}, CountCase{"-5", -5}, CountCase{"1e1", 10},
                      CountCase{" 7 ", 7}, CountCase{"32767", 32767}, CountCase{"32768", 20},
                      CountCase{"-40000", 20}, CountCase{"abc", 20}, CountCase{"", 20},
                      CountCase{"1e999", 20}, CountCase{"NaN", 20}, CountCase{"-infinity", 20}));

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
    ASSERT_TRUE(SaveSettings(store, 0, 1, 2, QStringLiteral(" 15"), QLocale::c()).done());
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
    ASSERT_TRUE(
        SaveSettings(store, 1, 1, 1, QString::fromUtf8(GetParam().boxText), QLocale::c()).done());
    EXPECT_EQ(store.values().value(SettingsKeys::numOfQuestions), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(Examples, WrittenNumber,
                         ::testing::Values(WrittenCase{" 20", "20"}, WrittenCase{"12.5", "12.5"},
                                           WrittenCase{"abc", "0"}, WrittenCase{"1 5", "15"},
                                           WrittenCase{"-3", "-3"}, WrittenCase{"20000", "20000"}));

TEST(SaveSettings, RoundTripsThroughTheRealStoreInAGermanLocale)
{
    QSettingsStore store;
    ASSERT_TRUE(
        SaveSettings(store, 1, 0, 1, QStringLiteral("12.5"), QLocale(QLocale::German)).done());
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

// The file's bytes as on disk; QSettings would answer from its cache.
QByteArray fileText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

using numberlark::testing::FileSizeCap;

struct Obstacle {
    const char* what;
    const char* reason;
    bool needsPermissions; // root writes through read-only modes
    void (*put)(const QString& folder, const QString& file);
    void (*remove)(const QString& folder, const QString& file);
};

void makeReadOnly(const QString& path)
{
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
}

void makeWritable(const QString& path)
{
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// Each obstacle makes the save fail with the file's path and a true reason,
// keeps what was staged, and once it is gone the next commit succeeds.
TEST(SettingsStoreCommit, AFailedWriteIsReportedAndCanBeRetried)
{
    const Obstacle obstacles[] = {
        {"a folder in the file's place", "folder of that name", false,
         [](const QString&, const QString& file) { QDir().mkpath(file); },
         [](const QString&, const QString& file) { QDir(file).removeRecursively(); }},
        {"a read-only file", "read-only", true,
         [](const QString&, const QString& file) {
             QFile(file).open(QIODevice::WriteOnly);
             makeReadOnly(file);
         },
         [](const QString&, const QString& file) { makeWritable(file); }},
        {"a read-only folder", "read-only", true,
         [](const QString& folder, const QString&) { makeReadOnly(folder); },
         [](const QString& folder, const QString&) { makeWritable(folder); }},
    };
    const bool root = geteuid() == 0;
    for (const Obstacle& obstacle : obstacles) {
        SCOPED_TRACE(obstacle.what);
        if (obstacle.needsPermissions && root) {
            continue; // as root these modes stop nothing; the other cases still run
        }
        QTemporaryDir temp;
        const QString folder = temp.filePath(QStringLiteral("config"));
        QDir().mkpath(folder);
        const QString file = folder + QStringLiteral("/Numberlark.conf");
        obstacle.put(folder, file);
        QSettingsStore store(file);
        const Outcome failed = SaveSettings(store, 1, 1, 0, QStringLiteral("7"));
        EXPECT_FALSE(failed.done());
        EXPECT_EQ(failed.path, QDir::toNativeSeparators(file));
        EXPECT_TRUE(failed.reason.contains(QString::fromLatin1(obstacle.reason)))
            << failed.reason.toStdString();
        EXPECT_EQ(store.read(SettingsKeys::numOfQuestions, {}), "7");

        obstacle.remove(folder, file);
        EXPECT_TRUE(store.commit().done());
        EXPECT_TRUE(fileText(file).contains("num_of_questions=7\n"));
    }
}

// A disk that fills up part-way leaves the old file as it was.
TEST(SettingsStoreCommit, ADiskThatFillsUpIsReportedAndTheOldFileKept)
{
    QTemporaryDir temp;
    const QString file = temp.filePath(QStringLiteral("Numberlark.conf"));
    QSettingsStore store(file);
    ASSERT_TRUE(SaveSettings(store, 0, 0, 0, QStringLiteral("20")).done());
    Outcome outcome;
    {
        const FileSizeCap cap(8);
        outcome = SaveSettings(store, 1, 1, 1, QStringLiteral("12"));
    }
    EXPECT_FALSE(outcome.done());
    EXPECT_FALSE(outcome.reason.isEmpty());
    EXPECT_EQ(fileText(file), "[Settings]\nallow_printing=0\nallow_saving=0\nallow_sound=0\n"
                              "num_of_questions=20\n");
}

// One save replaces the file once, not once per key. Each write of the file
// ends with the finished copy appearing under its name (a link or a rename),
// which the kernel reports.
TEST(SettingsStoreCommit, OneSaveWritesTheFileOnce)
{
    QTemporaryDir temp;
    const QString file = temp.filePath(QStringLiteral("Numberlark.conf"));
    const int watch = inotify_init1(IN_NONBLOCK);
    ASSERT_GE(watch, 0);
    ASSERT_GE(
        inotify_add_watch(watch, temp.path().toLocal8Bit().constData(), IN_CREATE | IN_MOVED_TO),
        0);
    QSettingsStore store(file);
    ASSERT_TRUE(SaveSettings(store, 1, 0, 1, QStringLiteral("9")).done());

    int writes = 0;
    alignas(inotify_event) char buffer[4096];
    for (ssize_t length; (length = read(watch, buffer, sizeof buffer)) > 0;) {
        for (char* at = buffer; at < buffer + length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(at);
            writes += event->len > 0 && QLatin1String(event->name) == "Numberlark.conf";
            at += sizeof(inotify_event) + event->len;
        }
    }
    close(watch);
    EXPECT_EQ(writes, 1);
}

// The administrator's system-wide file gives school-wide defaults and the
// school's server; a user's own "Remember settings." and own server win.
TEST(SystemWideSettings, SchoolDefaultsUnderTheUsersOwn)
{
    using namespace Qt::StringLiterals;
    struct Case {
        const char* system;
        const char* user;
        bool saving;
        int questions;
        std::optional<QString> server;
    };
    const std::vector<Case> cases{
        {"", "", false, 20, std::nullopt},
        {"[Settings]\nallow_saving=True\nnum_of_questions=30\n"
         "[Classroom]\nserver=service=numberlark\n",
         "", true, 30, QStringLiteral("service=numberlark")},
        {"[Settings]\nallow_saving=True\nnum_of_questions=30\n", "[Settings]\nallow_saving=False\n",
         false, 30, std::nullopt},
        {"[Settings]\nnum_of_questions=junk\n[Classroom]\nserver=service=numberlark\n",
         "[Classroom]\nserver=service=teacher\n", false, 20, QStringLiteral("service=teacher")},
    };
    const QString oldUser = QFileInfo(QSettings(u"Numberlark"_s, u"Numberlark"_s).fileName())
                                .dir()
                                .absoluteFilePath(u".."_s);
    const QByteArray oldDirs = qgetenv("XDG_CONFIG_DIRS");
    for (const Case& c : cases) {
        // Fresh folders each time: QSettings keeps files it has read. The
        // system-wide file is looked for where XDG_CONFIG_DIRS says.
        QTemporaryDir system;
        QTemporaryDir user;
        qputenv("XDG_CONFIG_DIRS", system.path().toLocal8Bit());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, user.path());
        for (const auto& [dir, text] : {std::pair(&system, c.system), std::pair(&user, c.user)}) {
            ASSERT_TRUE(QDir().mkpath(dir->filePath(QStringLiteral("Numberlark"))));
            QFile file(dir->filePath(QStringLiteral("Numberlark/Numberlark.conf")));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(text);
        }
        SessionRecord record;
        LoadSettings(record, QSettingsStore());
        EXPECT_EQ(record.allow_saving, c.saving) << c.system << " / " << c.user;
        EXPECT_EQ(record.Numofquestions, c.questions) << c.system << " / " << c.user;
        EXPECT_EQ(classroom::classroomServer(QSettings(u"Numberlark"_s, u"Numberlark"_s)), c.server)
            << c.system << " / " << c.user;
    }
    qputenv("XDG_CONFIG_DIRS", oldDirs);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, oldUser);
}

} // namespace
} // namespace numberlark
