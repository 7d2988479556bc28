// Times the classroom server over a unix socket, on a private PostgreSQL
// started for the run: an outbox of 1,000 tests of 20 answers delivered,
// then, for a class of 30 children with 200 tests each (120,000 answers),
// the teacher's class overview and one child's tests, as queries and in
// the progress window from the choice to the page shown; and what Quit adds
// when a server is set: the classroom module delivering the test just
// recorded and marking it in the log, also in the middle of delivering an
// outbox of 15,000 tests.
//
//   bench_classroom
//
// Prints one "label: figure" line per measure; nothing when PostgreSQL's
// server programs are missing.
#include "classroom/ClassQueries.h"
#include "classroom/ClassroomDelivery.h"
#include "classroom/OutboxDelivery.h"
#include "modules/ModuleLoader.h"
#include "progress/LogTransaction.h"
#include "progress/ProgressLog.h"
#include "progress/TestTable.h"
#include "support/PrivatePostgres.h"
#include "ui/classview/ClassOverviewPage.h"
#include "ui/classview/ClassSourceBar.h"
#include "ui/progress/FrmProgress.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>

namespace {

using namespace numberlark::classroom;
namespace progress = numberlark::progress;
using Clock = std::chrono::steady_clock;

constexpr int kOutbox = 1000;
constexpr int kChildren = 30;
constexpr int kTestsPerChild = 200;
constexpr int kAnswersPerTest = 20;

std::vector<progress::TestRecord> sampleTests(int children, int testsPerChild, std::mt19937& engine)
{
    // As a test asks: a table of the grid times 1 to 10.
    std::uniform_int_distribution<int> factor(1, 12);
    std::uniform_int_distribution<int> multiplier(1, 10);
    std::uniform_int_distribution<int> millis(800, 9000);
    std::bernoulli_distribution wrong(0.15);
    std::vector<progress::TestRecord> tests;
    const QDateTime start(QDate(2025, 9, 1), QTime(9, 0), Qt::OffsetFromUTC, 7200);
    for (int t = 0; t < children * testsPerChild; ++t) {
        progress::TestRecord test;
        test.uuid = QUuid::createUuid();
        test.child = QStringLiteral("Child %1").arg(t % children);
        test.when = start.addSecs(3600LL * t);
        test.table = {progress::TableChoiceRecord::Kind::Table,
                      static_cast<std::int16_t>(factor(engine))};
        test.questions = kAnswersPerTest;
        test.seconds = 60;
        test.finished = true;
        for (int q = 0; q < kAnswersPerTest; ++q) {
            test.answers.push_back({static_cast<std::int16_t>(multiplier(engine)),
                                    test.table.number, test.table.number, wrong(engine) ? 1 : 0,
                                    millis(engine)});
        }
        tests.push_back(std::move(test));
    }
    return tests;
}

double millisSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Quit after a test: recorded first (not timed, the same with or without a
// server), then delivered. The first run pays for loading the module and
// the PostgreSQL driver, as every real Quit does in its fresh process.
void timeQuit(const std::optional<QString>& server, const char* label)
{
    constexpr int kRuns = 21;
    QTemporaryDir home;
    const QString logPath = home.filePath(QStringLiteral("progress.sqlite"));
    std::vector<double> times;
    numberlark::ClassroomDelivery delivery;
    delivery.setServer(server);
    delivery.setLogPath(logPath);
    delivery.setModulePaths(numberlark::modulePaths(
        QStringLiteral("libnumberlark_classroom_courier.so"),
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../app"))));
    for (int run = 0; run < kRuns; ++run) {
        progress::TestRecord test;
        test.child = QStringLiteral("Ada");
        test.when = QDateTime::currentDateTime();
        test.table = {progress::TableChoiceRecord::Kind::Table, 7};
        test.questions = kAnswersPerTest;
        test.finished = true;
        test.answers.assign(kAnswersPerTest, {7, 8, 7, 0, 2500});
        if (!progress::ProgressLog(logPath).record(test).done()) {
            std::fprintf(stderr, "bench_classroom: the test could not be recorded\n");
            return;
        }
        const auto start = Clock::now();
        delivery.deliverBeforeQuit();
        times.push_back(millisSince(start));
    }
    const double first = times.front();
    std::sort(times.begin() + 1, times.end());
    std::printf("classroom: Quit %s: %.1f ms first (module and driver load), %.1f ms median\n",
                label, first, times[times.size() / 2]);
}

// Runs the window's events until `done`, for at most a minute.
template <typename Done> bool waitFor(Done done)
{
    const auto start = Clock::now();
    while (!done()) {
        if (Clock::now() - start > std::chrono::minutes(1)) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// Quit while the delivery of a big outbox, begun at start-up, is under way:
// the test just recorded goes, and the rest waits for the next start.
void timeQuitDuringDelivery(const QString& server)
{
    constexpr int kBigOutbox = 15000;
    QTemporaryDir home;
    const QString logPath = home.filePath(QStringLiteral("progress.sqlite"));
    std::mt19937 engine(15);
    std::vector<progress::TestRecord> tests = sampleTests(30, kBigOutbox / 30, engine);
    progress::ProgressLog log(logPath);
    if (!log.open().done() || progress::inTransaction(log.database(), [&tests](QSqlDatabase& db) {
                                  progress::TestWriter writer(db);
                                  for (progress::TestRecord& test : tests) {
                                      if (QSqlError error = writer.write(test); error.isValid()) {
                                          return error;
                                      }
                                  }
                                  return QSqlError();
                              }).isValid()) {
        std::fprintf(stderr, "bench_classroom: the outbox could not be written\n");
        return;
    }
    numberlark::ClassroomDelivery delivery;
    delivery.setServer(server);
    delivery.setLogPath(logPath);
    delivery.setModulePaths(numberlark::modulePaths(
        QStringLiteral("libnumberlark_classroom_courier.so"),
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../app"))));
    delivery.startAfterShown();
    if (!waitFor([&] { return delivery.state().value_or(OutboxState{}).waiting < kBigOutbox; })) {
        std::fprintf(stderr, "bench_classroom: the big outbox did not start going\n");
        return;
    }
    progress::TestRecord test;
    test.child = QStringLiteral("Ada");
    test.when = QDateTime::currentDateTime();
    test.table = {progress::TableChoiceRecord::Kind::Table, 7};
    test.questions = 1;
    test.finished = true;
    test.answers = {{7, 8, 7, 0, 2500}};
    if (!log.record(test).done()) {
        return;
    }
    const auto start = Clock::now();
    delivery.deliverBeforeQuit();
    std::printf("classroom: Quit during the delivery of %d tests: %.0f ms\n", kBigOutbox,
                millisSince(start));
}

// The teacher's progress window: from choosing Class to the overview shown,
// and from choosing a child to her tests shown.
bool timeTheWindow(const QString& teacher)
{
    QTemporaryDir home;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
    QSettings().setValue(QStringLiteral("Classroom/server"), teacher);
    numberlark::FrmProgress window(numberlark::ProgressWindowContext{
        home.filePath(QStringLiteral("progress.sqlite")), home.path(), [] { return true; }});
    window.show();
    numberlark::ClassSourceBar* bar = window.classSourceBar();
    if (!waitFor([&] { return bar->classButton()->isVisible(); })) {
        return false;
    }
    auto start = Clock::now();
    bar->classButton()->click();
    if (!waitFor([&] { return window.classOverview()->isVisible(); })) {
        return false;
    }
    std::printf("classroom: class overview in the window, from choosing it: %.0f ms\n",
                millisSince(start));
    start = Clock::now();
    window.childPicker()->setCurrentIndex(
        window.childPicker()->findData(QStringLiteral("Child 7")));
    if (!waitFor([&] { return window.testsList()->isVisible(); })) {
        return false;
    }
    std::printf("classroom: a child's tests in the window, from choosing her: %.0f ms\n",
                millisSince(start));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (numberlark::testing::PrivatePostgres::binaryFolder().isEmpty()) {
        return 0;
    }
    numberlark::testing::PrivatePostgres server(
        numberlark::testing::PrivatePostgres::Durability::Durable);
    if (!server.isRunning() || !server.addClass(QStringLiteral("class_4b")) ||
        !server.addLogin(QStringLiteral("pc1"), QStringLiteral("numberlark_computer, class_4b")) ||
        !server.addLogin(QStringLiteral("teacher"),
                         QStringLiteral("numberlark_teacher, class_4b"))) {
        std::fprintf(stderr, "bench_classroom: %s\n", qPrintable(server.error()));
        return 1;
    }
    std::mt19937 engine(20);
    ServerConnection computer(server.conninfo(QStringLiteral("pc1")));
    const std::vector<progress::TestRecord> outbox = sampleTests(1, kOutbox, engine);
    auto start = Clock::now();
    const DeliveryReport report = deliverOutbox(computer, {outbox, {}});
    std::printf("classroom: outbox of %d tests delivered: %.0f ms\n", kOutbox, millisSince(start));
    const DeliveryReport classReport =
        deliverOutbox(computer, {sampleTests(kChildren, kTestsPerChild, engine), {}});
    if (!report.status.ok() || !classReport.status.ok()) {
        std::fprintf(stderr, "bench_classroom: %s\n", qPrintable(classReport.status.detail));
        return 1;
    }
    // As the server's autovacuum would have by the time a teacher looks.
    server.superuser(QStringLiteral("ANALYZE"));
    ServerConnection teacher(server.conninfo(QStringLiteral("teacher")));
    if (!teacher.open().ok()) {
        return 1;
    }
    ClassCounts overview;
    start = Clock::now();
    if (const QSqlError error =
            readClassCounts(teacher.database(), 10, std::chrono::seconds{3}, overview);
        error.isValid()) {
        std::fprintf(stderr, "bench_classroom: %s\n", qPrintable(error.text()));
        return 1;
    }
    std::printf("classroom: class overview, %d children, %d answers: %.0f ms\n", kChildren,
                (kChildren * kTestsPerChild + kOutbox) * kAnswersPerTest, millisSince(start));
    std::vector<DeliveredTest> tests;
    start = Clock::now();
    if (childTests(teacher.database(), QStringLiteral("Child 7"), tests).isValid()) {
        return 1;
    }
    std::printf("classroom: one child's %zu tests with answers: %.0f ms\n", tests.size(),
                millisSince(start));
    timeQuit(std::nullopt, "without a server");
    timeQuit(server.conninfo(QStringLiteral("pc1")), "with the server answering");
    timeQuitDuringDelivery(server.conninfo(QStringLiteral("pc1")));
    return timeTheWindow(server.conninfo(QStringLiteral("teacher"))) ? 0 : 1;
}
