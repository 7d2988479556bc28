#pragma once

#include "classroom/OutboxState.h"
#include "ui/common/WindowMaker.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QWidget;

namespace numberlark {

class SettingsStore;

// What the progress window needs from the program that opens it.
struct ProgressWindowContext {
    QString logPath;     // the progress log file
    QString startFolder; // where the program was started: its results file is offered first
    std::function<bool()> savingOn; // "Save results on disk" is ticked in the options
    // What waits for the school's server and why; none without a server.
    std::function<std::optional<classroom::OutboxState>()> classroomState = {};
    std::function<void(const QString& child)> practise = {}; // opens the practice window for her
    // The [Practice] section: its fluency limit decides which facts are known.
    std::shared_ptr<SettingsStore> practiceChoices = {};
};

// What the progress window module offers: the one object its entry point
// returns.
class ProgressWindowMaker : public WindowMaker<ProgressWindowContext> {
public:
    static constexpr char kEntryPoint[] = "numberlark_progress_window_maker";
};

} // namespace numberlark
