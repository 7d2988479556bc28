// Measures the practice window from an Enter in the answer box to the next
// question painted: a key event through the real window, the session's
// choice of the next fact, and the question label's paint. Right answers
// and the copy typed after a wrong one are timed apart. The session's clock
// stands still, so only its 30 questions end it; nothing is recorded.
#include "quiz/MonotonicClock.h"
#include "settings/SettingsStore.h"
#include "ui/common/Fonts.h"
#include "ui/practice/FrmPractice.h"
#include "ui/practice/QuestionPage.h"
#include "ui/practice/WhoPage.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

class StoppedClock final : public numberlark::MonotonicClock {
public:
    std::chrono::milliseconds now() const override { return std::chrono::milliseconds{1000}; }
};

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

int product(const QLabel& question)
{
    const auto found =
        QRegularExpression(QStringLiteral("^(\\d+) x (\\d+)")).match(question.text());
    return found.captured(1).toInt() * found.captured(2).toInt();
}

// Empty when the session ended instead: no question followed.
std::optional<double> timeEnter(QLineEdit& box, PaintWatcher& watcher, int answer)
{
    box.setText(QString::number(answer));
    watcher.painted = false;
    QElapsedTimer timer;
    timer.start();
    QTest::keyClick(&box, Qt::Key_Return);
    while (!watcher.painted && box.isVisible()) {
        QCoreApplication::processEvents();
    }
    if (!box.isVisible()) {
        return std::nullopt;
    }
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// One session of a new child: every fifth question answered wrongly first.
void playSession(const QString& logPath, std::vector<double>& right, std::vector<double>& copied)
{
    numberlark::FrmPractice window({logPath, std::make_shared<numberlark::MemorySettingsStore>(),
                                    [] { return false; }, QStringLiteral("Bench")});
    window.seams().clock = std::make_shared<StoppedClock>();
    window.show();
    QTest::keyClick(window.whoPage()->namePicker(), Qt::Key_Return);
    QLineEdit& box = *window.questionPage()->answerBox();
    QLabel& question = *window.questionPage()->questionLabel();
    PaintWatcher watcher;
    question.installEventFilter(&watcher);
    for (int asked = 1; window.currentPage() == window.questionPage(); ++asked) {
        const int answer = product(question);
        if (asked % 5 == 0) {
            static_cast<void>(timeEnter(box, watcher, answer + 1));
            if (const auto ms = timeEnter(box, watcher, answer)) {
                copied.push_back(*ms);
            }
        } else if (const auto ms = timeEnter(box, watcher, answer)) {
            right.push_back(*ms);
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    numberlark::installFontSubstitutions();
    const QTemporaryDir dir;
    std::vector<double> right;
    std::vector<double> copied;
    for (int session = 0; session < 8; ++session) {
        playSession(dir.filePath(QStringLiteral("progress.sqlite")), right, copied);
    }
    std::printf("practice, Enter to next question painted: %.3f ms after a right answer, %.3f ms "
                "after the copy of a wrong one (medians of %zu and %zu)\n",
                median(right), median(copied), right.size(), copied.size());
    return 0;
}
