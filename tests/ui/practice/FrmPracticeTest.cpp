#include "ui/practice/FrmPractice.h"
#include "progress/RecordJournal.h"
#include "settings/SettingsStore.h"
#include "support/LongestStall.h"
#include "support/ManualClock.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedRandom.h"
#include "support/TestRecordBuilder.h"
#include "ui/practice/QuestionPage.h"
#include "ui/practice/SummaryPage.h"
#include "ui/practice/WhoPage.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

using namespace numberlark;
using namespace std::chrono_literals;

namespace {

// A practice window on a private log, a clock moved by hand and a fixed
// wall clock; Ada practises for the first time.
struct Practice {
    explicit Practice(bool savingOn, const std::function<void(const QString& log)>& prepare = {})
    {
        if (prepare) {
            prepare(logPath());
        }
        window = std::make_unique<FrmPractice>(
            PracticeWindowContext{logPath(), std::make_shared<MemorySettingsStore>(),
                                  [savingOn] { return savingOn; }, QStringLiteral("Ada")});
        window->seams().dialogs = dialogs;
        window->seams().clock = clock;
        window->seams().random =
            std::make_shared<numberlark::testing::ScriptedRandom>(std::vector{0.3});
        window->seams().now = [] { return QDateTime(QDate(2026, 12, 7), QTime(17, 0)); };
        window->show();
        QTest::keyClick(window->whoPage()->namePicker(), Qt::Key_Return);
    }

    QString logPath() const { return dir.filePath(QStringLiteral("progress.sqlite")); }
    QLineEdit* box() const { return window->questionPage()->answerBox(); }
    QString shown() const { return window->questionPage()->questionLabel()->text(); }
    // The product of the question on screen, or -1 when no question is.
    int product() const
    {
        const auto found = QRegularExpression(QStringLiteral("^(\\d+) x (\\d+)$")).match(shown());
        return found.hasMatch() ? found.captured(1).toInt() * found.captured(2).toInt() : -1;
    }
    void type(const QString& keys)
    {
        clock->advance(1200ms);
        QTest::keyClicks(box(), keys);
        QTest::keyClick(box(), Qt::Key_Return);
    }
    void answerRight() { type(QString::number(product())); }
    std::vector<progress::PracticeSessionRecord> kept()
    {
        progress::ProgressLog log(dir.filePath(QStringLiteral("progress.sqlite")));
        return log.practiceOf(QStringLiteral("Ada"));
    }

    QTemporaryDir dir;
    std::shared_ptr<numberlark::testing::ScriptedDialogs> dialogs =
        std::make_shared<numberlark::testing::ScriptedDialogs>();
    std::shared_ptr<numberlark::testing::ManualClock> clock =
        std::make_shared<numberlark::testing::ManualClock>();
    std::unique_ptr<FrmPractice> window;
};

void wrongAnswerNeedsTheTypedCopy(Practice& p)
{
    const int product = p.product();
    p.type(QStringLiteral("0"));
    EXPECT_TRUE(p.shown().endsWith(QStringLiteral("= %1").arg(product))) << p.shown().toStdString();
    p.type(QString::number(product + 1)); // a wrong copy: the fact stays
    EXPECT_TRUE(p.shown().contains(QLatin1Char('='))) << p.shown().toStdString();
    p.type(QString::number(product));
    EXPECT_GT(p.product(), 0) << "a new question after the copy";
    p.answerRight();
    p.window->close();
    const auto kept = p.kept();
    ASSERT_EQ(kept.size(), 1U);
    ASSERT_EQ(kept[0].answers.size(), 2U) << "the copy is no answer";
    EXPECT_EQ(kept[0].answers[0].wrongTries, 1);
    EXPECT_EQ(kept[0].answers[0].first * kept[0].answers[0].second, product);
}

void emptyEnterAndLettersAreIgnored(Practice& p)
{
    const QString question = p.shown();
    p.type(QString());
    QTest::keyClicks(p.box(), QStringLiteral("ab-x "));
    EXPECT_EQ(p.box()->text(), QString());
    EXPECT_EQ(p.shown(), question);
    p.window->close();
    EXPECT_TRUE(p.kept().empty());
}

void savingOffSaysSoFirstAndKeepsNothing(Practice& p)
{
    EXPECT_FALSE(p.window->whoPage()->notice()->isHidden());
    EXPECT_TRUE(p.window->whoPage()->notice()->text().contains(QStringLiteral("Save results")));
    p.answerRight();
    p.window->close();
    EXPECT_TRUE(p.kept().empty());
}

void earlyCloseKeepsTheAnswersSoFar(Practice& p)
{
    EXPECT_TRUE(p.window->whoPage()->notice()->isHidden());
    std::vector<int> products;
    for (int i = 0; i < 3; ++i) {
        products.push_back(p.product());
        p.answerRight();
    }
    p.window->close();
    const auto kept = p.kept();
    ASSERT_EQ(kept.size(), 1U);
    EXPECT_EQ(kept[0].child, QStringLiteral("Ada"));
    EXPECT_EQ(kept[0].minutes, 5);
    EXPECT_EQ(kept[0].limitMillis, std::optional(3000));
    ASSERT_EQ(kept[0].answers.size(), 3U);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(kept[0].answers[i].first * kept[0].answers[i].second, products[i]);
        EXPECT_EQ(kept[0].answers[i].millis, 1200);
    }
}

// Another copy of the program holds the log for a while: the window goes on
// answering, and the session is kept once the log is free.
void aBusyLogDoesNotFreezeTheWindow(Practice& p)
{
    p.answerRight();
    {
        QSqlDatabase holder =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
        holder.setDatabaseName(p.dir.filePath(QStringLiteral("progress.sqlite")));
        ASSERT_TRUE(holder.open());
        ASSERT_TRUE(QSqlQuery(holder).exec(QStringLiteral("BEGIN IMMEDIATE")));
        QTimer::singleShot(1500ms, [&holder] { QSqlQuery(holder).exec(QStringLiteral("COMMIT")); });
        EXPECT_LT(numberlark::testing::longestStall([&p] { p.window->close(); }, 2500ms), 1000ms);
        holder.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("holder"));
    EXPECT_EQ(p.kept().size(), 1U);
}

// A new child who knows every fact at first sight learns each one asked.
void theSummaryStarsEachFactLearnt(Practice& p)
{
    QStringList asked;
    for (int i = 0; i < 100 && p.window->currentPage() != p.window->summaryPage(); ++i) {
        asked << p.shown();
        p.answerRight();
    }
    ASSERT_EQ(p.window->currentPage(), p.window->summaryPage());
    asked.removeDuplicates();
    const SummaryPage& summary = *p.window->summaryPage();
    EXPECT_TRUE(summary.headline()->text().contains(QStringLiteral("You answered 30 questions")))
        << summary.headline()->text().toStdString();
    // Three learnt facts shown large in a box of one row, the rest counted.
    const QListWidget& stars = *summary.starredFacts();
    ASSERT_EQ(stars.count(), 3);
    for (int row = 0; row < stars.count(); ++row) {
        EXPECT_TRUE(asked.contains(stars.item(row)->text().mid(2))) << row;
    }
    EXPECT_LT(stars.height(), 2 * stars.sizeHintForRow(0));
    EXPECT_EQ(summary.moreFacts()->text(), QStringLiteral("and %1 more").arg(asked.size() - 3));
    // Known at first sight, each is next reviewed three days on; the child
    // is told the day and the session's length, not how many facts wait.
    EXPECT_EQ(summary.comeBack()->text(),
              QStringLiteral("See you on %1: 5 minutes of practice.")
                  .arg(QLocale().toString(QDate(2026, 12, 10), QLocale::LongFormat)));
    EXPECT_EQ(p.kept().size(), 1U);
    p.window->close();
    EXPECT_EQ(p.kept().size(), 1U) << "kept once";
}

TEST(FrmPractice, BehavioursThatCanBreak)
{
    struct Case {
        const char* behaviour;
        bool savingOn;
        std::function<void(Practice&)> check;
    } const cases[] = {
        {"a wrong answer needs the typed copy", true, wrongAnswerNeedsTheTypedCopy},
        {"an empty Enter and letters are ignored", true, emptyEnterAndLettersAreIgnored},
        {"saving off says so first and keeps nothing", false, savingOffSaysSoFirstAndKeepsNothing},
        {"an early close keeps the answers so far", true, earlyCloseKeepsTheAnswersSoFar},
        {"a busy log does not freeze the window", true, aBusyLogDoesNotFreezeTheWindow},
        {"the summary stars each fact learnt", true, theSummaryStarsEachFactLearnt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.behaviour);
        Practice practice(c.savingOn);
        ASSERT_EQ(practice.window->currentPage(), practice.window->questionPage());
        c.check(practice);
        EXPECT_TRUE(practice.dialogs->told.empty());
    }
}

// Noise over the page that keeps the tests is found when Ada's history is
// read: she hears where the log was set aside before any question.
TEST(FrmPractice, ADamagedLogIsToldBeforeTheChildStarts)
{
    Practice p(true, [](const QString& path) {
        int page = 0;
        {
            progress::ProgressLog log(path);
            for (int i = 0; i < 40; ++i) {
                ASSERT_TRUE(
                    log.record(numberlark::testing::TestRecordBuilder(QStringLiteral("Ada")))
                        .done());
            }
            QSqlQuery query(log.database());
            ASSERT_TRUE(query.exec("SELECT rootpage FROM sqlite_master WHERE name = 'tests'"));
            page = query.next() ? query.value(0).toInt() : 0;
        }
        QFile file(path);
        ASSERT_TRUE(page > 1 && file.open(QIODevice::ReadWrite) && file.seek((page - 1) * 4096));
        file.write(QByteArray(4096, '\x5a'));
    });
    const QString notice = p.window->whoPage()->notice()->text();
    EXPECT_TRUE(notice.contains(QStringLiteral("could not be read"))) << notice.toStdString();
    EXPECT_TRUE(notice.contains(QStringLiteral("-unreadable-"))) << notice.toStdString();
    EXPECT_EQ(p.window->currentPage(), p.window->whoPage());
}

// Another copy holds the log past the wait: the session waits in the journal
// beside the log, and the log holds it once it is opened again.
TEST(FrmPractice, ASessionTheLogCouldNotTakeWaitsInTheJournal)
{
    Practice p(true);
    p.answerRight();
    const progress::RecordJournal journal(p.logPath());
    {
        QSqlDatabase holder =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
        holder.setDatabaseName(p.logPath());
        ASSERT_TRUE(holder.open());
        ASSERT_TRUE(QSqlQuery(holder).exec(QStringLiteral("BEGIN EXCLUSIVE")));
        p.window->close();
        EXPECT_FALSE(journal.isEmpty());
        QSqlQuery(holder).exec(QStringLiteral("COMMIT"));
        holder.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("holder"));
    ASSERT_EQ(p.dialogs->told.size(), 1U);
    EXPECT_TRUE(p.dialogs->told[0].text.contains(journal.path()));
    ASSERT_EQ(p.kept().size(), 1U);
    EXPECT_EQ(p.kept()[0].answers.size(), 1U);
    EXPECT_TRUE(journal.isEmpty());
}

} // namespace
