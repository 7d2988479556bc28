// Times the progress window over a made-up log of 10,000 tests of 20
// answers for 30 children: from the command to the first paint (the module
// loaded on demand, the log opened and read, every part drawn), and from
// picking another child to the window repainted. Prints both in ms.
//
//   bench_progress_window [keep-report.pdf]
//
// With an argument the report of the first child is written there for a look.
#include "progress/ProgressLog.h"
#include "progress/SampleTests.h"
#include "quiz/RandomSource.h"
#include "ui/common/Fonts.h"
#include "ui/progress/ProgressReport.h"
#include "ui/progress/ProgressWindowLoader.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Notes when a widget of the watched window is first painted.
class PaintWatch : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            painted = true;
        }
        return false;
    }
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    numberlark::installFontSubstitutions();
    QTemporaryDir dir;
    const QString logPath = dir.filePath(QStringLiteral("progress.sqlite"));
    {
        numberlark::progress::ProgressLog log(logPath);
        numberlark::ClockSeededRandom random(20260105);
        if (!numberlark::progress::addSampleTests(log, {}, random).done()) {
            std::fprintf(stderr, "bench_progress_window: could not write the log\n");
            return 1;
        }
    }
    const QString appFolder = QDir(QCoreApplication::applicationDirPath()).filePath("../app");
    auto factory =
        numberlark::progressWindowFactory({logPath, dir.path(), [] { return true; }},
                                          numberlark::progressWindowModulePaths(appFolder));
    QElapsedTimer clock;
    clock.start();
    QWidget* window = factory();
    PaintWatch watch;
    app.installEventFilter(&watch);
    window->show();
    while (!watch.painted) {
        QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
    const double firstPaint = static_cast<double>(clock.nsecsElapsed()) / 1e6;

    // The window's class lives in the module; it is found by its parts' names.
    auto* picker = window->findChild<QComboBox*>(QStringLiteral("ChildPicker"));
    std::vector<double> switches;
    for (int i = 1; picker != nullptr && i <= 15; ++i) {
        clock.restart();
        picker->setCurrentIndex(i);
        window->repaint();
        switches.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    std::printf("progress window, command to first paint (%.1f MB log): %.1f ms\n",
                static_cast<double>(QFileInfo(logPath).size()) / 1e6, firstPaint);
    std::printf("progress window, switching child (median of %zu): %.1f ms\n", switches.size(),
                switches.empty() ? -1.0 : median(switches));
    if (argc > 1 && picker != nullptr) {
        const QString child = picker->itemData(0).toString();
        numberlark::progress::ProgressLog log(logPath);
        const numberlark::Outcome written =
            numberlark::ProgressReport(child, log.testsOf(child)).write(argv[1]);
        std::fprintf(stderr, "%s", qPrintable(written.message));
    }
    delete window;
    return 0;
}
