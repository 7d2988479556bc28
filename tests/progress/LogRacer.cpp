// Another copy of the program, for the tests of two copies meeting at the
// log: waits on a starting line (one byte from a FIFO, sent to every racer
// at once), then records one test and prints the log's answer.
//   progress_log_racer <log> <child> <fifo>
#include "progress/ProgressLog.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

using namespace numberlark::progress;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        return 2;
    }
    TestRecord test;
    test.child = QString::fromUtf8(argv[2]);
    test.when = QDateTime::currentDateTime();
    test.table = {TableChoiceRecord::Kind::Table, 7};
    test.questions = 1;
    test.finished = true;
    test.answers = {{7, 8, 7, 0, 2100}};
    ProgressLog log(QString::fromLocal8Bit(argv[1]));

    const int startingLine = ::open(argv[3], O_RDONLY | O_CLOEXEC);
    std::puts("ready");
    std::fflush(stdout);
    char go = 0;
    if (startingLine < 0 || ::read(startingLine, &go, 1) != 1) {
        return 2;
    }
    ::close(startingLine);
    const LogStatus status = log.record(test);
    std::puts(status.message.toUtf8().constData());
    return status.done() ? 0 : 1;
}
