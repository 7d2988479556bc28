// Every window in every language: each caption fits its control, the result
// sentence takes each plural form, and the results file stays in English.
#include "../main/MainWindowHarness.h"
#include "../main/WorkingDirectory.h"
#include "artwork/Artwork.h"
#include "progress/ProgressLog.h"
#include "quiz/Completion.h"
#include "ui/about/FrmAbout.h"
#include "ui/common/Translations.h"
#include "ui/main/DateLine.h"
#include "ui/main/ShownTexts.h"
#include "ui/options/FrmOptions.h"
#include "ui/progress/FrmProgress.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QResource>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace numberlark {
namespace {

using testing::MainWindowHarness;
using testing::TemporaryWorkingDirectory;

const QStringList kLanguages{QString(), QStringLiteral("de"), QStringLiteral("fr"),
                             QStringLiteral("es"), QStringLiteral("pl")};

// Installs a language for one test and returns to English afterwards.
class Language {
public:
    explicit Language(const QString& code)
    {
        EXPECT_TRUE(installLanguage(code)) << code.toStdString();
    }
    ~Language() { installLanguage(QString()); }
    Language(const Language&) = delete;
    Language& operator=(const Language&) = delete;
};

int widestLine(const QFontMetrics& metrics, const QString& text)
{
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    return widest;
}

// The room a caption needs inside its control, or -1 where the control
// sizes itself to its caption.
int neededWidth(const QWidget& widget)
{
    const QStyle* style = widget.style();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        const int text =
            widestLine(button->fontMetrics(), QString(button->text()).remove(QLatin1Char('&')));
        if (qobject_cast<const QRadioButton*>(button)) {
            return text + style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button) +
                   style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button);
        }
        if (qobject_cast<const QCheckBox*>(button)) {
            return text + style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button) +
                   style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button);
        }
        return text + 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
    }
    const auto* label = qobject_cast<const QLabel*>(&widget);
    if (!label || label->text().isEmpty() || label->wordWrap()) {
        return -1;
    }
    return widestLine(label->fontMetrics(), label->text());
}

// Every shown caption of the window fits: one-line captions across, wrapped
// ones down, and self-sizing ones inside the window.
void expectCaptionsFit(const QWidget& window, const QString& language)
{
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window)) {
            continue;
        }
        const std::string where = language.toStdString() + " " + widget->objectName().toStdString();
        const auto* label = qobject_cast<const QLabel*>(widget);
        if (label && label->wordWrap() && !label->text().isEmpty()) {
            EXPECT_LE(label->heightForWidth(label->width()), label->height()) << where;
        }
        int needed = neededWidth(*widget);
        // A layout gives a control at least the room its style says it needs.
        if (needed >= 0 && widget->parentWidget() && widget->parentWidget()->layout()) {
            needed = widget->minimumSizeHint().width();
        }
        if (needed >= 0) {
            EXPECT_LE(needed, widget->width()) << where;
        }
        const QRect inWindow(widget->mapTo(&window, QPoint(0, 0)), widget->size());
        EXPECT_TRUE(window.rect().contains(inWindow)) << where;
    }
}

// The progress window twice: with no tests (the explanation) and with one.
void expectProgressWindowFits(const QString& language)
{
    const QTemporaryDir folder;
    const QString log = folder.filePath(QStringLiteral("progress.sqlite"));
    const ProgressWindowContext context{log, folder.path(), [] { return false; }};
    FrmProgress empty(context);
    empty.show();
    expectCaptionsFit(empty, language);

    progress::TestRecord test;
    test.child = QStringLiteral("Sam");
    test.when = QDateTime(QDate(2026, 3, 2), QTime(10, 0));
    test.table = {progress::TableChoiceRecord::Kind::Other, 15};
    test.questions = 2;
    test.seconds = 20;
    test.finished = true;
    test.answers = {{7, 8, 7, 2, 9000}, {15, 3, 15, 0, 1000}};
    ASSERT_TRUE(progress::ProgressLog(log).record(test).done());
    FrmProgress shown(context);
    shown.show();
    expectCaptionsFit(shown, language);
}

TEST(Translation, EveryWindowFitsInEveryLanguage)
{
    for (const QString& code : kLanguages) {
        Language language(code);
        MainWindowHarness harness;
        harness.window().show();
        expectCaptionsFit(harness.window(), code);
        harness.clickTest();
        harness.answer(QStringLiteral("0"));
        expectCaptionsFit(harness.window(), code);
        harness.answer(QString::number(harness.record().answer));
        expectCaptionsFit(harness.window(), code);
        harness.pause().endOne();
        harness.takeWholeTest();
        expectCaptionsFit(harness.window(), code);

        MemorySettingsStore store;
        FrmOptions options(harness.record(), harness.controls().Cmdprint, store);
        options.show();
        expectCaptionsFit(options, code);
        FrmAbout about;
        about.show();
        expectCaptionsFit(about, code);
        expectProgressWindowFits(code);
    }
}

TEST(Translation, FirstSpokenLanguageInTheUsersOrderWins)
{
    const std::pair<QStringList, QString> cases[] = {
        {{QStringLiteral("de-AT"), QStringLiteral("en-US")}, QStringLiteral("de")},
        {{QStringLiteral("en-GB"), QStringLiteral("de-DE")}, QString()},
        {{QStringLiteral("it-IT"), QStringLiteral("pl-PL"), QStringLiteral("fr")},
         QStringLiteral("pl")},
        {{QStringLiteral("es-MX")}, QStringLiteral("es")},
        {{QStringLiteral("it-IT")}, QString()},
        {{QStringLiteral("C")}, QString()},
        {{}, QString()},
    };
    for (const auto& [preferred, expected] : cases) {
        EXPECT_EQ(chooseLanguage(preferred), expected) << preferred.join(u',').toStdString();
    }
}

// Message boxes get their standard buttons from Qt's own translations.
TEST(Translation, StandardButtonsSpeakTheLanguage)
{
    const std::pair<const char*, const char*> cases[] = {
        {"de", "Abbrechen"}, {"fr", "Annuler"}, {"es", "Cancelar"}, {"pl", "Anuluj"}};
    for (const auto& [code, cancel] : cases) {
        Language language(QString::fromLatin1(code));
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel").toStdString(), cancel);
    }
}

// The pictures with words have their own variant in every language, drawn
// ahead by the build like the English ones.
TEST(Translation, PicturesWithWordsSpeakTheLanguage)
{
    for (const QString& code : kLanguages) {
        Language language(code);
        for (const Picture picture : {Picture::Sign, Picture::Certificate}) {
            const QString expected = code.isEmpty() ? QStringLiteral(".svg") : "." + code + ".svg";
            EXPECT_TRUE(resourcePath(picture).endsWith(expected))
                << resourcePath(picture).toStdString();
            const QString bitmap = QFileInfo(resourcePath(picture)).completeBaseName();
            EXPECT_TRUE(QResource(":/rendered/" + bitmap + "@1x.argb").isValid())
                << bitmap.toStdString();
            EXPECT_EQ(renderPicture(picture, 1.0).size(), naturalSize(picture))
                << bitmap.toStdString();
        }
    }
}

SessionRecord finished(int questions, int clockSeconds, int table)
{
    SessionRecord record;
    record.Numofquestions = static_cast<std::int16_t>(questions);
    record.clock_seconds = static_cast<std::int16_t>(clockSeconds);
    record.current_table = static_cast<std::int16_t>(table);
    return record;
}

TEST(Translation, EnglishResultSentenceIsTheQuizOwn)
{
    for (const auto& [questions, clock, table] : {std::tuple{20, 96, 7}, std::tuple{1, 2, 12},
                                                  std::tuple{-3, 0, -5}, std::tuple{0, 1, 0}}) {
        for (const bool mixed : {false, true}) {
            const SessionRecord record = finished(questions, clock, table);
            EXPECT_EQ(resultSentence(record, mixed).toStdString(), result_sentence(record, mixed));
        }
    }
}

TEST(Translation, ResultSentenceTakesEachPluralForm)
{
    struct Case {
        const char* language;
        int questions;
        int clock; // one past the seconds shown
        const char* sentence;
    };
    const Case cases[] = {
        {"pl", 1, 2, "Masz za sobą 1 pytanie z tabliczki mnożenia przez 7 w 1 sekundę"},
        {"pl", 2, 3, "Masz za sobą 2 pytania z tabliczki mnożenia przez 7 w 2 sekundy"},
        {"pl", 5, 6, "Masz za sobą 5 pytań z tabliczki mnożenia przez 7 w 5 sekund"},
        {"pl", 22, 13, "Masz za sobą 22 pytania z tabliczki mnożenia przez 7 w 12 sekund"},
        {"de", 1, 2, "Du hast 1 Aufgabe aus der 7er-Reihe in 1 Sekunde gelöst"},
        {"de", 20, 96, "Du hast 20 Aufgaben aus der 7er-Reihe in 95 Sekunden gelöst"},
        {"fr", 1, 1, "Tu as réussi 1 question de la table de 7 en 0 seconde"},
        {"fr", 2, 3, "Tu as réussi 2 questions de la table de 7 en 2 secondes"},
        {"es", 1, 3, "Has completado 1 pregunta de la tabla del 7 en 2 segundos"},
    };
    for (const Case& c : cases) {
        Language language(QString::fromLatin1(c.language));
        EXPECT_EQ(resultSentence(finished(c.questions, c.clock, 7), false).toStdString(),
                  c.sentence)
            << c.language << " " << c.questions;
    }
}

// The label shows the date in German; the file keeps "on ... at ..." in the
// system's formats, exactly as an English session writes it.
TEST(Translation, ResultsLineStaysEnglish)
{
    TemporaryWorkingDirectory folder;
    Language language(QStringLiteral("de"));
    MainWindowHarness harness;
    harness.store("allow_saving", "1");
    harness.store("num_of_questions", "1");
    harness.window();
    harness.takeWholeTest();
    EXPECT_TRUE(harness.window().dateCaption().startsWith(QStringLiteral("am ")));
    harness.window().CmdQuit_Click(1);
    QFile file(folder.filePath(QStringLiteral("numberlark.csv")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString english = dateLine(MainWindowHarness::kCompletionTime, QLocale::system());
    EXPECT_TRUE(file.readAll().endsWith("\"times table\",1,\"questions\",0,\"seconds\",\"" +
                                        english.toLocal8Bit() + "\"\r\n"));
}

} // namespace
} // namespace numberlark
