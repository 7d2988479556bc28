#pragma once

#include "ui/common/WindowMaker.h"

#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace numberlark {

class SettingsStore;

// What the practice window needs from the program that opens it.
struct PracticeWindowContext {
    QString logPath;                        // the progress log file; empty: the per-user log
    std::shared_ptr<SettingsStore> choices; // the [Practice] section of the settings file
    std::function<bool()> savingOn;         // "Save results on disk" is ticked in the options
    QString child;                          // offered first; empty: the most recent child
};

// What the practice window module offers: the one object its entry point
// returns.
class PracticeWindowMaker : public WindowMaker<PracticeWindowContext> {
public:
    static constexpr char kEntryPoint[] = "numberlark_practice_window_maker";
};

} // namespace numberlark
