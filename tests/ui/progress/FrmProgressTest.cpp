#include "ui/progress/FrmProgress.h"
#include "output/RecordingCanvas.h"
#include "progress/ProgressLog.h"
#include "support/ScriptedDialogs.h"
#include "support/TestRecordBuilder.h"
#include "ui/progress/FactGradeStyle.h"
#include "ui/progress/FactMarkDelegate.h"
#include "ui/progress/ProgressChart.h"
#include "ui/progress/ProgressReport.h"
#include "ui/progress/TestsModel.h"
#include "ui/progress/TrendPanel.h"

#include <QChart>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMap>
#include <QLineSeries>
#include <QScatterSeries>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>

#include <array>
#include <cmath>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace numberlark;
using namespace numberlark::progress;
using numberlark::practice::Fluency;
using namespace Qt::StringLiterals;

namespace {

QDateTime at(int day, int hour)
{
    return QDateTime(QDate(2026, 3, day), QTime(hour, 0), Qt::OffsetFromUTC, 3600);
}

TestRecord testOf(const QString& child, QDateTime when, TableChoiceRecord table, int seconds,
                  std::vector<AnsweredQuestion> answers)
{
    return numberlark::testing::TestRecordBuilder(child)
        .at(std::move(when))
        .table(table)
        .seconds(seconds)
        .answers(std::move(answers));
}

constexpr TableChoiceRecord kSeven{TableChoiceRecord::Kind::Table, 7};
constexpr TableChoiceRecord kMixed{TableChoiceRecord::Kind::Mixed, 0};

// Sam met 7 x 8 with two wrong answers, 8 x 7, 4 x 3 and 3 x 4 quickly, and
// 6 x 9 slowly; Ann took the most recent test; one test has no name.
class FrmProgressTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ProgressLog log(logPath());
        const TestRecord tests[] = {
            testOf({}, at(1, 9), kSeven, 10, {{7, 2, 7, 0, 2000}}),
            testOf(QStringLiteral("Sam"), at(2, 10), kSeven, 30,
                   {{7, 8, 7, 2, 9000}, {4, 3, 3, 0, 1000}, {6, 9, 6, 0, 8000}}),
            testOf(QStringLiteral("Sam"), at(3, 10), kMixed, 8,
                   {{8, 7, 8, 0, 3000}, {3, 4, 3, 0, 1500}}),
            testOf(QStringLiteral("Ann"), at(4, 11), kSeven, 6, {{7, 5, 7, 0, 1200}}),
        };
        for (const TestRecord& test : tests) {
            ASSERT_TRUE(log.record(test).done());
        }
    }

    QString logPath() const { return m_dir.filePath(QStringLiteral("progress.sqlite")); }

    std::unique_ptr<FrmProgress> window(bool savingOn = true, QString path = {})
    {
        return std::make_unique<FrmProgress>(ProgressWindowContext{
            path.isEmpty() ? logPath() : path, m_dir.path(), [savingOn] { return savingOn; }});
    }

    QTemporaryDir m_dir;
};

QStringList pickerTexts(const FrmProgress& window)
{
    QStringList texts;
    for (int i = 0; i < window.childPicker()->count(); ++i) {
        texts << window.childPicker()->itemText(i);
    }
    return texts;
}

} // namespace

TEST_F(FrmProgressTest, PicksAmongEveryChildTheMostRecentFirst)
{
    const auto progress = window();
    EXPECT_EQ(pickerTexts(*progress), (QStringList{QStringLiteral("Ann"), QStringLiteral("Sam"),
                                                   QStringLiteral("(no name)")}));
    EXPECT_EQ(progress->currentChild(), QStringLiteral("Ann"));
}

TEST_F(FrmProgressTest, GridCellsShowColourAndFiguresToEyeAndScreenReader)
{
    const auto progress = window();
    progress->childPicker()->setCurrentIndex(1);
    const QAbstractItemModel* grid = progress->factGrid()->model();
    // A short name, so that a row read aloud is short; the figures on request.
    struct Case {
        int first, second;
        Fluency grade;
        QString name, description;
    };
    const Case cases[] = {
        {7, 8, Fluency::Tricky, QStringLiteral("7 times 8, Tricky"),
         QStringLiteral("often wrong; asked once, never right first time, 2 wrong answers, "
                        "median time 9.0 seconds")},
        {8, 7, Fluency::Known, QStringLiteral("8 times 7, Known"),
         QStringLiteral("right first time and quick; asked once")},
        {4, 3, Fluency::Known, QStringLiteral("4 times 3, Known"),
         QStringLiteral("right first time and quick; asked")},
        {6, 9, Fluency::GettingThere, QStringLiteral("6 times 9, Getting there"),
         QStringLiteral("right, but slow")},
        {9, 6, Fluency::NotAskedYet, QStringLiteral("9 times 6, Not asked yet"),
         QStringLiteral("no questions yet")},
        {12, 12, Fluency::NotAskedYet, QStringLiteral("12 times 12, Not asked yet"),
         QStringLiteral("no questions yet")},
    };
    for (const Case& c : cases) {
        const QModelIndex cell = grid->index(c.first - 1, c.second - 1);
        EXPECT_EQ(cell.data(Qt::BackgroundRole).value<QBrush>().color(), gradeColour(c.grade))
            << c.first << " x " << c.second;
        EXPECT_EQ(cell.data(Qt::AccessibleTextRole).toString(), c.name);
        EXPECT_TRUE(cell.data(Qt::AccessibleDescriptionRole).toString().startsWith(c.description))
            << cell.data(Qt::AccessibleDescriptionRole).toString().toStdString();
        EXPECT_EQ(cell.data(Qt::DisplayRole).toInt(), c.first * c.second);
    }
    // The legend counts the facts of each grade, the squares never asked too.
    QStringList counted;
    for (const QLabel* line : progress->findChildren<QLabel*>()) {
        if (line->parent()->objectName() == u"FactsLegend"_s && line->text().contains(u" ("_s)) {
            counted << line->text().section(u':', 0, 0);
        }
    }
    EXPECT_EQ(counted, (QStringList{u"<b>Known (3)</b>"_s, u"<b>Getting there (1)</b>"_s,
                                    u"<b>Tricky (1)</b>"_s, u"<b>Not asked yet (139)</b>"_s}));
    // A reader's first words on the window name the child shown.
    EXPECT_EQ(progress->accessibleName(), QStringLiteral("Progress of Sam"));
    EXPECT_EQ(progress->childPicker()->accessibleDescription(), QStringLiteral("Sam"));
}

namespace {

using Rgb = std::array<double, 3>;
using Matrix = std::array<Rgb, 3>;

// Machado, Oliveira and Fernandes (2009), full severity, on linear RGB.
constexpr Matrix kDeuteranopia{{{0.367322, 0.860646, -0.227968},
                                {0.280085, 0.672501, 0.047413},
                                {-0.011820, 0.042940, 0.968881}}};
constexpr Matrix kProtanopia{{{0.152286, 1.052583, -0.204868},
                              {0.114503, 0.786281, 0.099216},
                              {-0.003882, -0.048116, 1.051998}}};
// Luminance in every channel: a grey printout.
constexpr Matrix kGrey{{{0.2126, 0.7152, 0.0722}, {0.2126, 0.7152, 0.0722}, {0.2126, 0.7152, 0.0722}}};

Rgb linear(const QColor& colour)
{
    const auto one = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return {one(colour.redF()), one(colour.greenF()), one(colour.blueF())};
}

// CIE L*a*b* (D65) of a colour seen through `seen`.
Rgb labSeen(const QColor& colour, const Matrix& seen)
{
    const Rgb rgb = linear(colour);
    Rgb c{};
    for (std::size_t i = 0; i < 3; ++i) {
        c[i] = std::clamp(seen[i][0] * rgb[0] + seen[i][1] * rgb[1] + seen[i][2] * rgb[2], 0.0, 1.0);
    }
    const double x = (0.4124 * c[0] + 0.3576 * c[1] + 0.1805 * c[2]) / 0.95047;
    const double y = 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2];
    const double z = (0.0193 * c[0] + 0.1192 * c[1] + 0.9505 * c[2]) / 1.08883;
    const auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116.0; };
    return {116.0 * f(y) - 16.0, 500.0 * (f(x) - f(y)), 200.0 * (f(y) - f(z))};
}

} // namespace

// The grid as drawn, its four grades' squares seen without red, without
// green and in grey: every two stay far apart, and every grade has a mark.
TEST_F(FrmProgressTest, TheFourGradesStayApartWithoutColourVision)
{
    const auto progress = window();
    progress->childPicker()->setCurrentIndex(1);
    QTableView* grid = progress->factGrid();
    const QImage drawn = grid->viewport()->grab().toImage();
    const std::pair<int, int> squares[] = {{8, 7}, {6, 9}, {7, 8}, {12, 12}}; // Known ... Not asked
    std::vector<QColor> colours;
    QStringList marks;
    for (const auto& [first, second] : squares) {
        const QModelIndex cell = grid->model()->index(first - 1, second - 1);
        const QRect rect = grid->visualRect(cell);
        colours.push_back(drawn.pixelColor(rect.left() + 2, rect.bottom() - 2));
        marks << cell.data(kFactMarkRole).toString();
    }
    EXPECT_EQ(marks, (QStringList{u"\u2713"_s, u"\u2022"_s, u"!"_s, QString()}));
    const std::tuple<const char*, Matrix, bool> seeings[] = {
        {"deuteranopia", kDeuteranopia, false},
        {"protanopia", kProtanopia, false},
        {"grey", kGrey, true}};
    for (const auto& [name, matrix, lightnessOnly] : seeings) {
        for (std::size_t a = 0; a < colours.size(); ++a) {
            for (std::size_t b = a + 1; b < colours.size(); ++b) {
                const Rgb la = labSeen(colours[a], matrix);
                const Rgb lb = labSeen(colours[b], matrix);
                const double apart = lightnessOnly ? std::abs(la[0] - lb[0])
                                                   : std::hypot(la[0] - lb[0], la[1] - lb[1],
                                                                la[2] - lb[2]);
                EXPECT_GE(apart, lightnessOnly ? 15.0 : 20.0)
                    << name << ": squares " << a << " and " << b;
            }
        }
    }
}

// Sam's week: a 7s test at 10 s a question, a Mixed one at 4, and a median
// of 3 s over the five answers; one table shows only its own.
TEST_F(FrmProgressTest, TrendShowsEachTestAndTheWeeksMedianForTheTableChosen)
{
    const auto progress = window();
    progress->childPicker()->setCurrentIndex(1);
    const std::tuple<QString, QList<qreal>, QList<qreal>, QString> rows[] = {
        {"All tables", {10, 4}, {3}, "3.0 s a question in the first week."},
        {"7 times table", {10}, {6}, "6.0 s a question in the first week."},
        {"9 times table", {}, {8}, "8.0 s a question in the first week."},
    };
    QComboBox* tables = progress->trend()->tablePicker();
    const auto heights = [](const QXYSeries* series) {
        QList<qreal> ys;
        for (const QPointF& point : series->points()) {
            ys << point.y();
        }
        return ys;
    };
    for (const auto& [table, tests, medians, sentence] : rows) {
        tables->setCurrentIndex(tables->findText(table));
        ASSERT_EQ(tables->currentText(), table);
        EXPECT_EQ(heights(progress->chart()->testPoints()), tests) << table.toStdString();
        EXPECT_EQ(heights(progress->chart()->weeklyLine()), medians) << table.toStdString();
        EXPECT_EQ(progress->trend()->sentence()->text(), sentence);
    }
}

// Practice is counted in the heading and marked on the chart's time axis.
TEST_F(FrmProgressTest, PracticeShowsInTheHeadingAndOnTheChart)
{
    PracticeSessionRecord session;
    session.child = QStringLiteral("Sam");
    session.started = at(5, 16);
    session.minutes = 5;
    session.answers = {{7, 8, 0, 50'000}, {6, 9, 0, 45'000}};
    ASSERT_TRUE(ProgressLog(logPath()).recordPractice(session).done());
    const auto progress = window();
    progress->childPicker()->setCurrentIndex(progress->childPicker()->findText("Sam"));
    EXPECT_EQ(progress->findChild<QLabel*>(QStringLiteral("Summary"))->text(),
              QStringLiteral("<b>Sam</b>: 2 tests and 1 practice session (2 minutes) since "
                             "Monday, 2 March 2026"));
    ASSERT_EQ(progress->chart()->practiceDays()->count(), 1);
    EXPECT_EQ(QDateTime::fromMSecsSinceEpoch(
                  static_cast<qint64>(progress->chart()->practiceDays()->at(0).x()))
                  .date(),
              QDate(2026, 3, 5));
}

TEST_F(FrmProgressTest, TestsListSortsByAnyColumn)
{
    const auto progress = window();
    progress->childPicker()->setCurrentIndex(1);
    QTableView* list = progress->testsList();
    struct Case {
        int column;
        Qt::SortOrder order;
        QStringList tables;
    };
    const Case cases[] = {
        {TestsModel::Date, Qt::DescendingOrder, {"Mixed tables", "7 times table"}},
        {TestsModel::Date, Qt::AscendingOrder, {"7 times table", "Mixed tables"}},
        {TestsModel::SecondsPerQuestion, Qt::AscendingOrder, {"Mixed tables", "7 times table"}},
        {TestsModel::WrongAnswers, Qt::DescendingOrder, {"7 times table", "Mixed tables"}},
    };
    for (const Case& c : cases) {
        list->sortByColumn(c.column, c.order);
        QStringList tables;
        for (int row = 0; row < list->model()->rowCount(); ++row) {
            tables << list->model()->index(row, TestsModel::Table).data().toString();
        }
        EXPECT_EQ(tables, c.tables) << c.column;
    }
}

TEST_F(FrmProgressTest, AnEmptyLogSaysWhyAndWhatToDo)
{
    struct Case {
        bool savingOn;
        QString advice;
    };
    const Case cases[] = {{false, QStringLiteral("\"Save results on disk\"")},
                          {true, QStringLiteral("press QUIT")}};
    for (const Case& c : cases) {
        const auto progress = window(c.savingOn, m_dir.filePath(QStringLiteral("empty.sqlite")));
        EXPECT_TRUE(progress->showsEmptyPage());
        EXPECT_TRUE(progress->emptyMessage()->text().contains(c.advice))
            << progress->emptyMessage()->text().toStdString();
        EXPECT_FALSE(progress->childPicker()->isEnabled());
    }
}

TEST_F(FrmProgressTest, ForgettingAChildNeedsAYes)
{
    for (const bool yes : {false, true}) {
        const auto progress = window();
        progress->childPicker()->setCurrentIndex(1);
        auto dialogs = std::make_shared<numberlark::testing::ScriptedDialogs>();
        dialogs->confirmAnswer = yes;
        progress->seams().dialogs = dialogs;
        progress->CmdForget_Click();
        ASSERT_EQ(dialogs->confirmed.size(), 1U);
        const QString asked = dialogs->confirmed.front().text;
        EXPECT_TRUE(asked.contains(QStringLiteral("\"Sam\"")));
        EXPECT_TRUE(
            asked.contains(QStringLiteral("results file (numberlark.csv) is left as it is")));
        EXPECT_EQ(pickerTexts(*progress).contains(QStringLiteral("Sam")), !yes);
    }
}

// Saved as the document printer saves every PDF: a file that cannot be
// written is one message with its path, and nothing is left behind.
TEST_F(FrmProgressTest, ReportIsSavedWhereTheUserChose)
{
    const auto progress = window();
    for (const QString& path : {m_dir.filePath(QStringLiteral("report.pdf")),
                                m_dir.filePath(QStringLiteral("gone/r.pdf"))}) {
        SCOPED_TRACE(path.toStdString());
        const bool folderThere = !path.contains(QStringLiteral("gone"));
        auto dialogs = std::make_shared<numberlark::testing::ScriptedDialogs>();
        dialogs->pathToSave = path;
        progress->seams().dialogs = dialogs;
        progress->CmdReport_Click();
        ASSERT_EQ(dialogs->saveDialogs.size(), 1U);
        EXPECT_TRUE(dialogs->saveDialogs.front().text.endsWith(
            QStringLiteral("Numberlark progress - Ann.pdf")));
        ASSERT_EQ(dialogs->told.size(), folderThere ? 0U : 1U);
        if (!folderThere) {
            EXPECT_TRUE(dialogs->told.front().text.contains(QDir::toNativeSeparators(path)));
        }
        QFile pdf(path);
        ASSERT_EQ(pdf.open(QIODevice::ReadOnly), folderThere);
        EXPECT_TRUE(!folderThere || pdf.read(5) == "%PDF-");
    }
}

TEST_F(FrmProgressTest, ImportOffersTheResultsFileAndCountsEveryLine)
{
    QFile results(m_dir.filePath(QStringLiteral("numberlark.csv")));
    ASSERT_TRUE(results.open(QIODevice::WriteOnly));
    results.write("this is not a results line\n");
    results.close();
    const auto progress = window();
    auto dialogs = std::make_shared<numberlark::testing::ScriptedDialogs>();
    dialogs->pathToOpen = results.fileName();
    progress->seams().dialogs = dialogs;
    progress->CmdImport_Click();
    EXPECT_TRUE(progress->importRunning()); // on a thread of its own
    EXPECT_TRUE(QTest::qWaitFor([&dialogs] { return !dialogs->told.empty(); }, 10000));
    EXPECT_FALSE(progress->importRunning());
    ASSERT_EQ(dialogs->openDialogs.size(), 1U);
    EXPECT_EQ(dialogs->openDialogs.front().text, results.fileName());
    ASSERT_EQ(dialogs->told.size(), 1U);
    EXPECT_EQ(dialogs->told.front().text,
              QStringLiteral("0 tests were added to the log. 1 line could not be read and "
                             "was left out (line 1)."));
}

TEST_F(FrmProgressTest, WithoutAPrinterThePracticeSheetIsOfferedAsAPdf)
{
    const auto progress = window();
    progress->childPicker()->setCurrentIndex(1);
    const QString path = m_dir.filePath(QStringLiteral("sheet.pdf"));
    std::vector<FactStats> chosenFrom;
    progress->seams().printer.print = [](const auto&, const PrintedDocument& document) {
        return Outcome::failure(document.noPrinter);
    };
    auto dialogs = std::make_shared<numberlark::testing::ScriptedDialogs>();
    dialogs->pathToSave = path;
    progress->seams().dialogs = dialogs;
    progress->seams().chooseTrickyFacts = [&chosenFrom](const std::vector<FactStats>& stats, int) {
        chosenFrom = stats;
        return std::vector<PracticeQuestion>{{7, 8, " 7 x 8"}};
    };
    progress->CmdPractice_Click(false);
    EXPECT_EQ(chosenFrom.size(), 5U); // 7 x 8, 8 x 7, 4 x 3, 3 x 4 and 6 x 9
    ASSERT_EQ(dialogs->offered.size(), 1U);
    EXPECT_TRUE(dialogs->offered.front().text.contains(QStringLiteral("No printer")));
    EXPECT_TRUE(QFile::exists(path));
}

TEST_F(FrmProgressTest, AnImportedLineWithAnUnreadableDateIsListedButNotCharted)
{
    TestRecord imported = testOf(QStringLiteral("Zoe"), QDateTime(), kSeven, 40, {});
    imported.questions = 20;
    imported.imported = true;
    imported.dateText = QStringLiteral("on Blursday at teatime");
    ASSERT_TRUE(ProgressLog(logPath()).record(imported).done());
    const auto progress = window();
    progress->childPicker()->setCurrentIndex(progress->childPicker()->findText("Zoe"));
    ASSERT_EQ(progress->currentChild(), QStringLiteral("Zoe"));
    EXPECT_EQ(progress->chart()->testPoints()->count(), 0);
    const QAbstractItemModel* list = progress->testsList()->model();
    ASSERT_EQ(list->rowCount(), 1);
    EXPECT_EQ(list->index(0, TestsModel::Date).data().toString(), imported.dateText);
    EXPECT_EQ(list->index(0, TestsModel::WrongAnswers).data().toString(),
              QStringLiteral("not kept"));
}

TEST_F(FrmProgressTest, FactsBeyondTheGridAreListedUnderIt)
{
    constexpr TableChoiceRecord kThirteen{TableChoiceRecord::Kind::Other, 13};
    ASSERT_TRUE(ProgressLog(logPath())
                    .record(testOf(QStringLiteral("Ola"), at(5, 9), kThirteen, 9,
                                   {{13, 4, 13, 1, 4000}, {2, 13, 13, 0, 2000}}))
                    .done());
    const auto progress = window();
    ASSERT_EQ(progress->currentChild(), QStringLiteral("Ola"));
    const QString listed = progress->findChild<QLabel*>(QStringLiteral("FactsBeyondGrid"))->text();
    EXPECT_TRUE(listed.contains(QStringLiteral("2 times 13: Known")));
    EXPECT_TRUE(listed.contains(QStringLiteral("13 times 4: Tricky"))) << "as it was asked";
}

namespace {

// The page where the log keeps its tests, read as another program would.
int testsPage(const QString& path)
{
    int page = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "peek");
        db.setDatabaseName(path);
        QSqlQuery query(db);
        if (db.open() &&
            query.exec(QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = 'tests'")) &&
            query.next()) {
            page = query.value(0).toInt();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("peek"));
    return page;
}

} // namespace

TEST_F(FrmProgressTest, ADamagedLogIsToldInWordsNotShownAsEmpty)
{
    constexpr qsizetype kPage = 4096;
    const std::vector<std::pair<const char*, std::function<void(QByteArray&)>>> cases = {
        {"a truncated log", [](QByteArray& bytes) { bytes.truncate(2 * kPage + 100); }},
        {"garbage in a middle page",
         [this](QByteArray& bytes) {
             bytes.replace((testsPage(logPath()) - 1) * kPage, kPage, QByteArray(kPage, '\x5a'));
         }},
    };
    for (const auto& [name, damage] : cases) {
        SCOPED_TRACE(name);
        const QString damaged = m_dir.filePath(QString::fromLatin1(name) + ".sqlite");
        QFile log(logPath());
        ASSERT_TRUE(log.open(QIODevice::ReadOnly));
        QByteArray bytes = log.readAll();
        log.close();
        damage(bytes);
        QFile copy(damaged);
        ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
        copy.write(bytes);
        copy.close();

        const auto progress = window(true, damaged);
        const QString notice = progress->logNotice()->text();
        EXPECT_TRUE(progress->logNotice()->isVisibleTo(progress.get()));
        EXPECT_TRUE(notice.contains(QStringLiteral("could not be read"))) << notice.toStdString();
        EXPECT_TRUE(notice.contains(QStringLiteral("-unreadable-"))) << notice.toStdString();
        EXPECT_TRUE(progress->showsEmptyPage());
        EXPECT_FALSE(progress->emptyMessage()->text().contains(QStringLiteral("No tests")))
            << progress->emptyMessage()->text().toStdString();
    }
}
// The report's page, read back from the recording canvas.
TEST_F(FrmProgressTest, ReportPageShowsTheChildTheGradedGridAndTheChart)
{
    using Kind = RecordingCanvas::Kind;
    const ProgressReport report(QStringLiteral("Sam"),
                                ProgressLog(logPath()).testsOf(QStringLiteral("Sam")));
    for (const bool failBoxes : {false, true}) {
        RecordingCanvas canvas;
        canvas.setFailureRule([failBoxes](const RecordingCanvas::Operation& op) {
            return failBoxes && op.kind == Kind::FilledBox ? std::optional(QStringLiteral("no ink"))
                                                           : std::nullopt;
        });
        QStringList told;
        report.draw(canvas, [&told](const QString& failure) { told << failure; });
        EXPECT_EQ(told, failBoxes ? QStringList{QStringLiteral("no ink")} : QStringList{});
        const auto& ops = canvas.operations();
        ASSERT_FALSE(ops.empty());
        EXPECT_EQ(ops.back().kind, Kind::EndDocument);
        const auto texts = canvas.operationsOf(Kind::TextInBox);
        EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const auto& op) {
            return op.fit == PageCanvas::TextFit::OneLineElided &&
                   op.text.contains(QStringLiteral("Sam"));
        }));
        // 144 cells, four legend keys and the shaded one of Sam's two tests.
        EXPECT_EQ(canvas.operationsOf(Kind::FilledBox).size(), 144U + 4U + 1U);
        QMap<QString, QStringList> cellColours; // by the product shown, in grid order
        std::optional<QColor> cell;             // the fill of the box the next text goes in
        for (const auto& op : ops) {
            if (op.kind == Kind::FilledBox) {
                cell = op.fill;
            } else if (op.kind == Kind::TextInBox) {
                if (cell) {
                    cellColours[op.text] << cell->name();
                }
                cell.reset();
            }
        }
        const QString notAsked = gradeColour(Fluency::NotAskedYet).name();
        EXPECT_EQ(cellColours.value(QStringLiteral("1")), QStringList{notAsked});
        EXPECT_EQ(cellColours.value(QStringLiteral("56")).size(), 2);
        EXPECT_FALSE(cellColours.value(QStringLiteral("56")).contains(notAsked));
        // The trend beside the facts known, both on the page.
        const auto images = canvas.operationsOf(Kind::Image);
        ASSERT_EQ(images.size(), 2U);
        EXPECT_FALSE(images.front().imageSize.isEmpty());
        EXPECT_LE(images.front().x2, images.back().x);
        EXPECT_LE(images.back().x2, kPageWidthUnits);
        for (const QString& line : {u"3.0 s a question in the first week."_s,
                                   u"In the last 30 days: no practice; no fact newly known."_s}) {
            EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
                                    [&line](const auto& op) { return op.text == line; }))
                << line.toStdString();
        }
    }
}
