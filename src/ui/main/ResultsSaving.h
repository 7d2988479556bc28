#pragma once

#include "outcome/Outcome.h"
#include "output/ResultsFile.h"
#include "output/ResultsLine.h"

#include <functional>

class QWidget;

namespace numberlark {

class Dialogs;

// What the window makes of an append to the results file: the plain
// writer's path and reason, and the sentence the user reads on failure.
Outcome resultsFileOutcome(const AppendOutcome& appended);

// Appends the line to the results file in the current working directory,
// once, asking nobody: for the endings where nobody may be there to answer.
Outcome appendResultsOnce(const ResultsEntry& entry);

// Appends the line to the results file in the current working directory.
// While the write fails the user is shown the file's full path and the
// system's reason and chooses to retry or to go on without saving. True
// when the line was written.
bool appendResultsWithRetry(const ResultsEntry& entry, Dialogs& dialogs);

// The program's question after a failed write: Retry (the default, also on
// Escape) or "Quit Without Saving"; true for Retry.
bool askAfterSaveFailure(Dialogs& dialogs, const Outcome& failure);

// Tells the user, over `parent`, what became of recording the test in the
// progress log at Quit.
std::function<void(const QString& message)> progressNoticeBox(QWidget* parent);

} // namespace numberlark
