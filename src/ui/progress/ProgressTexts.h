#pragma once

#include "practice/WeeklyTrend.h"
#include "progress/ProgressRecords.h"
#include "progress/ResultsImport.h"
#include "progress/TestFigures.h"
#include "ui/progress/ProgressSeams.h"

#include <QString>

class QFontMetrics;

#include <vector>

namespace numberlark {

// The child's name as shown: "(no name)" for a test taken without one.
QString shownChildName(const QString& child);
// The same, set apart from the text around it when it holds right-to-left
// letters or direction marks, so it neither reverses its neighbours nor is
// reversed by them.
QString isolatedChildName(const QString& child);

// The widest a child's name is shown on the progress window, in pixels; a
// tool tip has it whole.
constexpr int kLongestShownName = 420;
// Elided to `width` pixels, so a name of thousands of letters leaves the
// window its size; isolated, so a right-to-left name keeps to its place.
QString elidedChildName(const QFontMetrics& metrics, const QString& child,
                        int width = kLongestShownName);
// "12 tests from 3 March 2026 to 7 December 2026" (oldest to newest); with
// practice, "12 tests and 4 practice sessions (20 minutes) since 3 March 2026".
QString reportSummary(const std::vector<progress::TestRecord>& tests,
                      const std::vector<progress::PracticeSessionRecord>& practice = {});
// "6.0 s a question now, 9.4 s in the first week: faster.", from the weekly
// medians oldest first; empty without any.
QString trendSentence(const std::vector<practice::WeekFigure>& medians);
// The report's line on the last 30 days: practice, and the facts learnt with
// the first of them named.
QString lastMonthText(const progress::PracticeTotals& practised, const QStringList& factsNamed,
                      int factsLearnt);
// What an import did, every line accounted for, or why it could not.
QString importSummary(const progress::ImportOutcome& outcome);
// The confirmation before a child's tests are removed from the log.
QString forgetQuestion(const QString& child);

} // namespace numberlark
