// Imports a 100 MB results file (about 1.2 million lines, 40 children) into a
// new log on the import's own thread, as the progress window does, and
// reports the time, the peak memory, the longest the window's thread went
// without running, and the longest another copy's Quit waited to record its
// test during the import (one every half second).
//
//   bench_import [megabytes]
#include "progress/ProgressLog.h"
#include "ui/progress/ResultsImportJob.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

namespace {

using namespace numberlark;

bool writeResultsFile(const QString& path, qint64 bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    QByteArray chunk;
    for (qint64 n = 0; file.size() + chunk.size() < bytes; ++n) {
        chunk += QStringLiteral("\"Child %1\",%2,\"times table\",20,\"questions\",%3,\"seconds\","
                                "\"on %4/%5/2026 at %6:%7:%8\"\r\n")
                     .arg(n % 40)
                     .arg(2 + n % 11)
                     .arg(30 + n % 90)
                     .arg(1 + n % 28, 2, 10, QLatin1Char('0'))
                     .arg(1 + n / 28 % 12, 2, 10, QLatin1Char('0'))
                     .arg(n / 3600 % 24, 2, 10, QLatin1Char('0'))
                     .arg(n / 60 % 60, 2, 10, QLatin1Char('0'))
                     .arg(n % 60, 2, 10, QLatin1Char('0'))
                     .toUtf8();
        if (chunk.size() > (1 << 20)) {
            file.write(chunk);
            chunk.clear();
        }
    }
    return file.write(chunk) == chunk.size();
}

progress::TestRecord quitTest(int n)
{
    progress::TestRecord test;
    test.child = QStringLiteral("Quitter");
    test.when = QDateTime::currentDateTime().addSecs(n);
    test.table = {progress::TableChoiceRecord::Kind::Table, 7};
    test.questions = 1;
    test.finished = true;
    test.answers = {{7, 8, 7, 0, 2100}};
    return test;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const qint64 megabytes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
    QTemporaryDir folder;
    const QString csv = folder.filePath(QStringLiteral("numberlark.csv"));
    const QString log = folder.filePath(QStringLiteral("progress.sqlite"));
    if (!writeResultsFile(csv, megabytes * 1000 * 1000) ||
        !progress::ProgressLog(log).open().done()) {
        std::fprintf(stderr, "could not prepare the files\n");
        return 1;
    }
    rusage before{};
    getrusage(RUSAGE_SELF, &before);

    std::atomic<bool> importing{true};
    std::atomic<qint64> longestQuitMs{0};
    int quitsLost = 0;
    QThread* otherCopy = QThread::create([&] {
        for (int n = 0; importing; ++n) {
            QElapsedTimer quit;
            quit.start();
            progress::ProgressLog other(log);
            quitsLost += other.record(quitTest(n)).done() ? 0 : 1;
            longestQuitMs = std::max<qint64>(longestQuitMs, quit.elapsed());
            QThread::msleep(500);
        }
    });

    QElapsedTimer clock;
    QElapsedTimer sinceTick;
    qint64 longestGap = 0;
    QTimer tick;
    tick.setInterval(5);
    QObject::connect(&tick, &QTimer::timeout,
                     [&] { longestGap = std::max(longestGap, sinceTick.restart()); });
    progress::ImportOutcome outcome;
    ResultsImportJob job(log, csv);
    QObject::connect(&job, &ResultsImportJob::finished, [&](const progress::ImportOutcome& done) {
        outcome = done;
        app.quit();
    });
    clock.start();
    sinceTick.start();
    tick.start();
    otherCopy->start();
    job.start();
    app.exec();
    const double seconds = clock.elapsed() / 1000.0;
    importing = false;
    otherCopy->wait();
    delete otherCopy;

    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    if (!outcome.status.done() || outcome.fileRead.failed() || outcome.unreadableCount > 0) {
        std::fprintf(stderr, "import failed: %s\n", outcome.fileRead.message.toUtf8().constData());
        return 1;
    }
    const auto cpuSeconds = [](const rusage& use) {
        return static_cast<double>(use.ru_utime.tv_sec + use.ru_stime.tv_sec) +
               static_cast<double>(use.ru_utime.tv_usec + use.ru_stime.tv_usec) / 1e6;
    };
    std::printf("import a %lld MB results file (%d lines): %.1f s (%.1f s of processor time), "
                "peak memory %.0f MB (%.0f MB before)\n",
                static_cast<long long>(megabytes), outcome.added + outcome.alreadyInLog, seconds,
                cpuSeconds(after) - cpuSeconds(before), after.ru_maxrss / 1024.0,
                before.ru_maxrss / 1024.0);
    std::printf("during the import: window thread's longest pause %lld ms; another copy's Quit "
                "waited at most %lld ms, %d of its tests lost\n",
                static_cast<long long>(longestGap), static_cast<long long>(longestQuitMs.load()),
                quitsLost);
    return 0;
}
