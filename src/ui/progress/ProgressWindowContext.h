#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace numberlark {

// What the progress window needs from the program that opens it.
struct ProgressWindowContext {
    QString logPath;     // the progress log file
    QString startFolder; // where the program was started: its results file is offered first
    std::function<bool()> savingOn; // "Save results on disk" is ticked in the options
};

// The one function the progress window module exports, loaded by name.
using MakeProgressWindow = QWidget* (*)(const ProgressWindowContext& context);
inline constexpr char kMakeProgressWindowSymbol[] = "numberlark_make_progress_window";

} // namespace numberlark
