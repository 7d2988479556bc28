// Measures the time from an Enter in the answer box to the repainted verdict:
// a key event through the real window, the judging, and the verdict label's
// paint. Wrong and correct answers are timed separately (a correct answer
// also draws a dial sector). Pauses end at once so the loop never waits.
#include "quiz/RandomSource.h"
#include "settings/SettingsStore.h"
#include "ui/common/Fonts.h"
#include "ui/main/CaptionLabel.h"
#include "ui/main/Form1.h"
#include "ui/main/MainControls.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Notes when the watched widget has painted.
class PaintWatcher : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            painted = true;
        }
        return QObject::eventFilter(watched, event);
    }
};

double timeEnter(QLineEdit& box, PaintWatcher& watcher, const QString& text)
{
    box.setText(text);
    watcher.painted = false;
    QElapsedTimer timer;
    timer.start();
    QTest::keyClick(&box, Qt::Key_Return);
    while (!watcher.painted) {
        QCoreApplication::processEvents();
    }
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

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
    numberlark::MemorySettingsStore settings;
    settings.write(QStringLiteral("num_of_questions"), QStringLiteral("1000"));
    numberlark::Form1 window(settings, std::make_unique<numberlark::ClockSeededRandom>(42));
    window.seams().pause = [](QObject*, numberlark::Continuation then) { then(); };
    window.show();
    window.CmdTest_Click();
    QLineEdit& box = *window.controls().TxtAnswer;
    QWidget& verdict = *window.controls().LblCorrect;
    PaintWatcher watcher;
    verdict.installEventFilter(&watcher);

    std::vector<double> wrong;
    std::vector<double> correct;
    for (int i = 0; i < 200; ++i) {
        const auto answer = window.record().answer;
        wrong.push_back(timeEnter(box, watcher, QString::number(answer + 1)));
        correct.push_back(timeEnter(box, watcher, QString::number(answer)));
    }
    std::printf("wrong %.3f ms, correct %.3f ms (medians of %zu)\n", median(wrong), median(correct),
                wrong.size());
    return 0;
}
