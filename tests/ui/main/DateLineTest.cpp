// The certificate's date line in a few regional formats: the short date,
// then the long time with its seconds and without a time zone.
#include "ui/main/DateLine.h"

#include <gtest/gtest.h>

namespace numberlark {
namespace {

TEST(DateLine, ShortDateAndLongTimeWithSecondsWithoutZone)
{
    const QDateTime when(QDate(2026, 6, 12), QTime(14, 42, 5));
    const std::pair<QLocale, QString> cases[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates),
         QStringLiteral("on 6/12/26 at 2:42:05 PM")},
        {QLocale(QLocale::German, QLocale::Germany), QStringLiteral("on 12.06.26 at 14:42:05")},
        {QLocale(QLocale::English, QLocale::UnitedKingdom),
         QStringLiteral("on 12/06/2026 at 14:42:05")},
    };
    for (const auto& [locale, expected] : cases) {
        EXPECT_EQ(dateLine(when, locale).toStdString(), expected.toStdString())
            << locale.name().toStdString();
    }
}

TEST(DateLine, EveryLocaleKeepsSecondsAndDropsTheZone)
{
    for (const QLocale& locale : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                          QLocale::AnyTerritory)) {
        const QString format = longTimeFormatWithoutZone(locale);
        EXPECT_TRUE(format.contains(QLatin1Char('s'))) << locale.name().toStdString();
        EXPECT_FALSE(format.contains(QLatin1Char('t'))) << locale.name().toStdString();
        EXPECT_FALSE(format.contains(QLatin1String("()"))) << locale.name().toStdString();
    }
}

} // namespace
} // namespace numberlark
