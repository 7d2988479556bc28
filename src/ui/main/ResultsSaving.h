#pragma once

#include "output/ResultsLine.h"
#include "ui/main/WindowSeams.h"

class QWidget;

namespace numberlark {

// Appends the line to the results file in the current working directory.
// While the write fails the user is shown the file's full path and the
// system's reason and chooses to retry or to go on without saving. True
// when the line was written.
bool appendResultsWithRetry(const ResultsEntry& entry, const SaveFailurePrompt& prompt);

// The program's question after a failed write: a message box with "Retry"
// (the default, also on Escape) and "Quit Without Saving".
SaveFailureChoice askAfterSaveFailure(QWidget* parent, const QString& path, const QString& reason);

// Tells the user, over `parent`, what became of recording the test in the
// progress log at Quit.
std::function<void(const QString& message)> progressNoticeBox(QWidget* parent);

} // namespace numberlark
