// Times recording a 20-question test at Quit into a log that already holds
// 10,000 tests (20 answers each, 30 children), and reports the log's size.
// Each run is what Quit does: a new log object, open, one transaction.
//
//   bench_progress_log [runs] [keep.sqlite]
//
// Prints the median and the first run (which loads the database driver),
// then the time to choose a practice session from a log whose one child has
// taken all 10,000 tests, and the time to give each of that child's facts
// its fluency from her 200,000 answers, as the facts grid does.
#include "practice/PracticeSession.h"
#include "progress/FactStats.h"
#include "progress/PracticeHistory.h"
#include "progress/ProgressLog.h"
#include "progress/SampleTests.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using namespace numberlark::progress;
using Clock = std::chrono::steady_clock;

TestRecord quitTest()
{
    TestRecord test;
    test.child = QStringLiteral("Child 7");
    test.when = QDateTime::currentDateTime();
    test.table = {TableChoiceRecord::Kind::Table, 7};
    test.questions = 20;
    test.seconds = 61;
    test.finished = true;
    for (int q = 1; q <= 20; ++q) {
        test.answers.push_back({static_cast<std::int16_t>(q % 10 + 1), 7, 7, q % 4 == 0, 2800});
    }
    return test;
}

double recordOnce(const QString& path)
{
    const auto start = Clock::now();
    ProgressLog log(path);
    if (!log.record(quitTest()).done()) {
        std::fprintf(stderr, "recording failed\n");
        std::exit(1);
    }
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// What the practice window does before its first question: read the
// child's tests and practice, compute the schedule and choose a session.
double choosePracticeOnce(const QString& path, const QString& child)
{
    const auto start = Clock::now();
    ProgressLog log(path);
    const std::vector<numberlark::practice::PracticeAnswer> history =
        practiceHistory(log.testsOf(child), log.practiceOf(child));
    const numberlark::practice::PracticeSettings settings;
    numberlark::ClockSeededRandom random(3);
    numberlark::practice::PracticeSession session(
        numberlark::practice::Schedule(history, settings.fluencyLimit), settings,
        localSeconds(QDateTime::currentDateTime()), numberlark::SteadyClock::instance(), random);
    if (!session.next()) {
        std::fprintf(stderr, "no practice question was chosen\n");
        std::exit(1);
    }
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("progress.sqlite"));
    numberlark::ClockSeededRandom random(11);
    const auto fillStart = Clock::now();
    {
        ProgressLog log(path);
        if (!addSampleTests(log, SampleShape{}, random).done()) {
            std::fprintf(stderr, "could not fill the log\n");
            return 1;
        }
    }
    const double fillSeconds = std::chrono::duration<double>(Clock::now() - fillStart).count();
    const double sizeMb = QFileInfo(path).size() / 1e6;
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        times.push_back(recordOnce(path));
    }
    const double first = times.front();
    const auto readStart = Clock::now();
    std::size_t children = 0;
    std::size_t answers = 0;
    {
        ProgressLog log(path);
        children = log.children().size();
        for (const TestRecord& test : log.testsOf(QStringLiteral("Child 7"))) {
            answers += test.answers.size();
        }
    }
    const double readMs =
        std::chrono::duration<double, std::milli>(Clock::now() - readStart).count();
    std::sort(times.begin(), times.end());
    if (argc > 2) {
        QFile::copy(path, QString::fromLocal8Bit(argv[2]));
    }
    std::printf("log of 10,000 tests x 20 answers, 30 children: %.1f MB (filled in %.1f s)\n",
                sizeMb, fillSeconds);
    std::printf("record a 20-question test: %.1f ms median, %.1f ms first (driver load)\n",
                times[times.size() / 2], first);
    std::printf("open, list %zu children, read one child's tests (%zu answers): %.1f ms\n",
                children, answers, readMs);

    std::vector<double> choices;
    for (int run = 0; run < runs; ++run) {
        choices.push_back(choosePracticeOnce(path, QStringLiteral("Child 7")));
    }
    std::printf("choose a practice session for one of the 30 children: %.1f ms median\n",
                median(choices));

    // One child with all 10,000 tests: the most a session's choice reads.
    const QString single = folder.filePath(QStringLiteral("one-child.sqlite"));
    {
        ProgressLog log(single);
        if (!addSampleTests(log, SampleShape{.children = 1}, random).done()) {
            std::fprintf(stderr, "could not fill the one-child log\n");
            return 1;
        }
    }
    choices.clear();
    for (int run = 0; run < runs; ++run) {
        choices.push_back(choosePracticeOnce(single, QStringLiteral("Child 1")));
    }
    std::printf("choose a practice session from one child's 10,000 tests in the log:"
                " %.1f ms median\n",
                median(choices));

    ProgressLog log(single);
    const std::vector<TestRecord> tests = log.testsOf(QStringLiteral("Child 1"));
    std::size_t answered = 0;
    for (const TestRecord& test : tests) {
        answered += test.answers.size();
    }
    std::vector<double> states;
    for (int run = 0; run < runs; ++run) {
        const auto start = Clock::now();
        const auto stats = collectFactStats(tests, {}, std::chrono::seconds{3});
        states.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        if (stats.empty()) {
            std::fprintf(stderr, "no fact had a fluency\n");
            return 1;
        }
    }
    std::printf("fact states for one child from %zu answers: %.1f ms median\n", answered,
                median(states));
    return 0;
}
