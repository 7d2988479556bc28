#include "classroom/OutboxDelivery.h"
#include "progress/ProgressLog.h"
#include "support/ClassroomFixture.h"
#include "support/ScriptedDialogs.h"
#include "support/TestRecordBuilder.h"
#include "ui/classview/ClassOverviewPage.h"
#include "ui/classview/ClassSourceBar.h"
#include "ui/classview/ClassTableCsv.h"
#include "ui/progress/FactGradeStyle.h"
#include "ui/progress/FrmProgress.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace numberlark;
using namespace numberlark::classroom;
using namespace Qt::StringLiterals;

namespace {

progress::TestRecord testOf(const QString& child, int day,
                            std::vector<progress::AnsweredQuestion> answers)
{
    const QDateTime when(QDate(2026, 3, day), QTime(9, 0), Qt::OffsetFromUTC, 3600);
    progress::TestRecord test =
        numberlark::testing::TestRecordBuilder(child).at(when).seconds(20).answers(
            std::move(answers));
    test.uuid = QUuid::createUuid();
    return test;
}

bool loadedPostgresDriver()
{
    QFile maps(u"/proc/self/maps"_s);
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("qsqlpsql");
}

// Ada took a test on each of two computers: 7 x 8 quick and right there,
// 8 x 7 wrong twice here, where she also practised 2 x 2. Ben took one
// test, 3 x 4, on the first.
class ClassView : public numberlark::testing::ClassroomFixture {
protected:
    void SetUp() override
    {
        ClassroomFixture::SetUp();
        if (IsSkipped() || HasFatalFailure()) {
            return;
        }
        deliverFrom(u"pc1"_s, {testOf(u"Ada"_s, 1, {{7, 8, 7, 0, 2000}}),
                               testOf(u"Ben"_s, 1, {{3, 4, 3, 0, 1000}})});
        deliverFrom(u"pc2"_s, {testOf(u"Ada"_s, 2, {{8, 7, 7, 2, 9000}})},
                    {{.uuid = QUuid::createUuid(),
                      .child = u"Ada"_s,
                      .started = QDateTime::currentDateTime(),
                      .minutes = 5,
                      .limitMillis = std::nullopt,
                      .delivered = false,
                      .answers = {{2, 2, 0, 900}}}});
    }
    void TearDown() override
    {
        QSettings().remove(u"Classroom"_s);
        qunsetenv("PGSERVICEFILE");
    }

    void deliverFrom(const QString& login, std::vector<progress::TestRecord> tests,
                     std::vector<progress::PracticeSessionRecord> practice = {})
    {
        ServerConnection connection(m_server->conninfo(login));
        ASSERT_TRUE(deliverOutbox(connection, {std::move(tests), std::move(practice)}).status.ok());
    }

    // The window of a computer whose settings name the server with `login`.
    std::unique_ptr<FrmProgress> windowAs(const QString& login)
    {
        return windowWith(m_server->conninfo(login));
    }
    std::unique_ptr<FrmProgress> windowWith(const QString& server)
    {
        QSettings().setValue(u"Classroom/server"_s, server);
        auto window = std::make_unique<FrmProgress>(ProgressWindowContext{
            m_dir.filePath(u"progress.sqlite"_s), m_dir.path(), [] { return true; }});
        window->seams().dialogs = m_dialogs;
        return window;
    }

    QTemporaryDir m_dir;
    std::shared_ptr<numberlark::testing::ScriptedDialogs> m_dialogs =
        std::make_shared<numberlark::testing::ScriptedDialogs>();
};

} // namespace

TEST_F(ClassView, OnlyATeachersLoginIsOfferedTheClassOthersAreToldWhy)
{
    // The teacher's login also as the README sets it up: a libpq service.
    QFile services(m_dir.filePath(u"pg_service.conf"_s));
    ASSERT_TRUE(services.open(QIODevice::WriteOnly));
    services.write("[numberlark]\n" + m_server->conninfo(u"teacher"_s).replace(' ', '\n').toUtf8());
    services.close();
    qputenv("PGSERVICEFILE", services.fileName().toLocal8Bit());
    struct Case {
        QString login;
        bool offered;
        QString note;
    };
    ASSERT_TRUE(m_server->addLogin(u"head"_s, u"numberlark_head"_s) &&
                m_server->addLogin(u"lonely"_s, u"numberlark_teacher"_s));
    const Case cases[] = {
        {u"teacher"_s, true, u"Class: class_4b."_s},
        {u"service=numberlark"_s, true, u"Class: class_4b."_s},
        {u"head"_s, true, u"The whole school."_s},
        {u"lonely"_s, true, u"in no class"_s},
        {u"pc1"_s, false, u"the whole class is shown with a teacher's login"_s},
        {u"nobody"_s, false, u"The class cannot be shown: The school's server refused"_s},
        {u"service=elsewhere"_s, false,
         u"The class cannot be shown: The classroom server setting"_s},
    };
    for (const Case& c : cases) {
        const auto window =
            c.login.startsWith(u"service="_s) ? windowWith(c.login) : windowAs(c.login);
        ClassSourceBar* bar = window->classSourceBar();
        EXPECT_TRUE(bar->note()->text().startsWith(u"Connecting"_s)) << c.login.toStdString();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !bar->note()->text().startsWith(u"Conn"_s); }));
        EXPECT_EQ(bar->classButton()->isVisibleTo(window.get()), c.offered);
        EXPECT_TRUE(c.note.isEmpty() ? bar->note()->text().isEmpty()
                                     : bar->note()->text().contains(c.note))
            << c.login.toStdString() << ": " << bar->note()->text().toStdString();
    }
}

TEST_F(ClassView, AServerOutOfReachIsToldAndTriedAgainOnRequest)
{
    const progress::TestRecord local = numberlark::testing::TestRecordBuilder(u"Zed"_s);
    ASSERT_TRUE(progress::ProgressLog(m_dir.filePath(u"progress.sqlite"_s)).record(local).done());
    ASSERT_TRUE(m_server->stop());
    const auto window = windowAs(u"teacher"_s);
    ClassSourceBar* bar = window->classSourceBar();
    ASSERT_TRUE(QTest::qWaitFor([&] { return bar->tryAgainButton()->isVisibleTo(window.get()); }));
    EXPECT_EQ(bar->note()->text(),
              u"The class cannot be shown: The school's server cannot be reached."_s);
    EXPECT_FALSE(bar->classButton()->isVisibleTo(window.get()));
    ASSERT_TRUE(m_server->start());
    QTest::mouseClick(bar->tryAgainButton(), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return bar->classButton()->isVisibleTo(window.get()); }));
    EXPECT_FALSE(bar->tryAgainButton()->isVisibleTo(window.get()));

    // Gone again when the class is asked for: told on the page, and this
    // computer's children are no choice in the class view.
    ASSERT_TRUE(m_server->stop());
    QTest::mouseClick(bar->classButton(), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return window->emptyMessage()->text().contains(u"cannot be reached"_s); }));
    EXPECT_EQ(window->childPicker()->count(), 0);
}

TEST_F(ClassView, TheTeacherSeesEveryComputersTestsTheClassAndExportsIt)
{
    const auto window = windowAs(u"teacher"_s);
    ClassSourceBar* bar = window->classSourceBar();
    ASSERT_TRUE(QTest::qWaitFor([&] { return bar->classButton()->isVisibleTo(window.get()); }));
    // This computer's own log is empty, and the class is still there.
    EXPECT_TRUE(window->showsEmptyPage());
    QTest::mouseClick(bar->classButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return window->classOverview()->isVisible() ||
               window->classOverview()->isVisibleTo(window.get());
    }));
    const QAbstractItemModel* map = window->classOverview()->classMap()->model();
    ASSERT_EQ(map->rowCount(), 2);
    EXPECT_EQ(map->headerData(0, Qt::Vertical).toString(), u"Ada"_s);
    EXPECT_EQ(map->index(0, 0).data().toInt(), 2); // tests
    EXPECT_EQ(map->index(0, 1).data().toInt(), 2); // facts known: 7 x 8, 2 x 2
    const auto colourOf = [&](int row, int first, int second) {
        return map->index(row, 2 + (first - 1) * 12 + second - 1)
            .data(Qt::BackgroundRole)
            .value<QBrush>()
            .color();
    };
    EXPECT_EQ(colourOf(0, 7, 8), gradeColour(practice::Fluency::Known));
    EXPECT_EQ(colourOf(0, 8, 7), gradeColour(practice::Fluency::Tricky));
    EXPECT_EQ(colourOf(1, 8, 7), gradeColour(practice::Fluency::NotAskedYet));
    EXPECT_EQ(
        window->classOverview()->hardestFacts()->model()->headerData(0, Qt::Horizontal).toString(),
        u"8 × 7"_s);
    EXPECT_FALSE(window->forgetButton()->isEnabled());
    EXPECT_FALSE(window->importButton()->isEnabled());

    m_dialogs->pathToSave = m_dir.filePath(u"class.csv"_s);
    QTest::mouseClick(bar->exportButton(), Qt::LeftButton);
    QFile csv(m_dialogs->pathToSave);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = csv.readAll().split('\n');
    ASSERT_EQ(lines.size(), 4); // heading, Ada, Ben and the last line end
    EXPECT_TRUE(lines[1].startsWith("\"Ada\",\"2\",\"2\",\"Not asked yet\""));

    // Ada, with both computers' tests, and her practice in the facts grid.
    window->childPicker()->setCurrentIndex(window->childPicker()->findData(u"Ada"_s));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->testsList()->model()->rowCount() == 2; }));
    EXPECT_EQ(window->accessibleName(), u"Progress of Ada"_s);
    const auto gridColour = [&](int first, int second) {
        return window->factGrid()
            ->model()
            ->index(first - 1, second - 1)
            .data(Qt::BackgroundRole)
            .value<QBrush>()
            .color();
    };
    EXPECT_EQ(gridColour(8, 7), gradeColour(practice::Fluency::Tricky));
    EXPECT_EQ(gridColour(2, 2), gradeColour(practice::Fluency::Known));
    EXPECT_FALSE(window->forgetButton()->isEnabled());
}

TEST(ClassTableCsv, EveryFieldIsQuotedAndNoneCanRunAsAFormula)
{
    const std::pair<QString, QByteArray> cases[] = {
        {u"=SUM(A1:A9)"_s, "\"'=SUM(A1:A9)\""},
        {u"+49 30"_s, "\"'+49 30\""},
        {u"-1"_s, "\"'-1\""},
        {u"@here"_s, "\"'@here\""},
        {u"\tTab"_s, "\"'\tTab\""},
        {u"\rCR"_s, "\"'\rCR\""},
        {u"Say \"hi\", Zoë"_s, "\"Say \"\"hi\"\", Zo\xC3\xAB\""},
        {u"a=b"_s, "\"a=b\""},
        {QString(), "\"\""},
        // No more than a spreadsheet's cell holds, and a cut that shows.
        {QString(200000, u'A'), "\"" + QByteArray(32766, 'A') + "\xE2\x80\xA6\""},
        {QString(32765, u'A') + u"\U0001F600B"_s, "\"" + QByteArray(32765, 'A') + "\xE2\x80\xA6\""},
        {QString(32767, u'B'), "\"" + QByteArray(32767, 'B') + "\""},
    };
    for (const auto& [field, expected] : cases) {
        EXPECT_EQ(csvDocument({{field, u"7"_s}}), "\xEF\xBB\xBF" + expected + ",\"7\"\r\n")
            << field.toStdString();
    }
}

// The export is written whole or not at all; a folder that is not there is
// told with the file's path and the system's reason, and leaves nothing.
TEST(ClassTableCsv, AFileIsWrittenWholeOrItsFailureNamesThePath)
{
    QTemporaryDir dir;
    const QString cases[] = {dir.filePath(u"class.csv"_s), dir.filePath(u"gone/class.csv"_s)};
    for (const QString& path : cases) {
        const bool folderThere = !path.contains(u"gone"_s);
        const Outcome saved = writeWholeFile(path, "a,b\r\n", u"Not saved as %1: %2"_s);
        EXPECT_EQ(saved.done(), folderThere) << path.toStdString();
        EXPECT_EQ(QFile::exists(path), folderThere);
        if (!folderThere) {
            EXPECT_EQ(saved.path, path);
            EXPECT_FALSE(saved.reason.isEmpty());
            EXPECT_EQ(saved.message,
                      u"Not saved as %1: %2"_s.arg(QDir::toNativeSeparators(path), saved.reason));
        }
    }
}

TEST(ClassViewAbsent, WithoutAServerNothingChangesAndNoDriverIsLoaded)
{
    QTemporaryDir dir;
    const FrmProgress window(
        ProgressWindowContext{dir.filePath(u"progress.sqlite"_s), dir.path(), [] { return true; }});
    QTest::qWait(50);
    EXPECT_TRUE(window.classSourceBar()->isHidden());
    EXPECT_FALSE(loadedPostgresDriver());
}
