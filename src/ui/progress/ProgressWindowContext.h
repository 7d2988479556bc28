#pragma once

#include "classroom/OutboxState.h"

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace numberlark {

// What the progress window needs from the program that opens it.
struct ProgressWindowContext {
    QString logPath;     // the progress log file
    QString startFolder; // where the program was started: its results file is offered first
    std::function<bool()> savingOn; // "Save results on disk" is ticked in the options
    // What waits for the school's server and why; none without a server.
    std::function<std::optional<classroom::OutboxState>()> classroomState = {};
    std::function<void(const QString& child)> practise = {}; // opens the practice window for her
};

// What the progress window module offers: the one object its entry point
// returns.
class ProgressWindowMaker {
public:
    static constexpr char kEntryPoint[] = "numberlark_progress_window_maker";

    virtual ~ProgressWindowMaker() = default;
    // A new window, owned by the caller.
    virtual QWidget* make(const ProgressWindowContext& context) const = 0;
};

} // namespace numberlark
