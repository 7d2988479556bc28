#pragma once

#include <QDateTime>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>

class QObject;
class QWidget;

namespace numberlark {

// How long the window lets a "correct" stand before the next question, and
// each wait of the completion. Events keep flowing meanwhile (the clock
// counts, the window repaints); the answer box ignores input.
inline constexpr std::chrono::milliseconds kPauseDuration{500};

using Continuation = std::function<void()>;
// Runs `then` once the pause is over. If `context` is destroyed first, `then` never runs.
using PauseScheduler = std::function<void(QObject* context, Continuation then)>;

class Dialogs;

// What the main window needs from the world outside it, as replaceable
// functions, so tests can drive time and answer questions put to the user.
struct WindowSeams {
    PauseScheduler pause;
    std::function<void()> beep;
    std::function<QDateTime()> now;
    std::shared_ptr<Dialogs> dialogs;
};

// The program's own: a timer for the pause, the desktop's bell (owned by
// `window`), the system clock and the desktop's boxes over `window`.
WindowSeams defaultWindowSeams(QWidget* window);

} // namespace numberlark
