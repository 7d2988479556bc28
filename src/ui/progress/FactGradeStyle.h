#pragma once

#include "progress/FactStats.h"

#include <QColor>
#include <QString>

namespace numberlark {

// The colour of a fact's cell on screen and on paper. The four differ in
// lightness as much as in hue, so they stay apart for a child's parent who
// does not see red and green apart, and on a grey printout.
QColor gradeColour(practice::Fluency grade);
// The colour of what is written on a cell of that grade: white on the dark
// Tricky, black on the others.
QColor gradeTextColour(practice::Fluency grade);
// The mark each grade carries besides its colour, so that no grade is told
// by colour alone: a tick for Known, a dot for Getting there, an
// exclamation mark for Tricky, nothing for Not asked yet.
QString gradeMark(practice::Fluency grade);
// One or two words, e.g. "Tricky".
QString gradeName(practice::Fluency grade);
// What the colour means, as the legend says it.
QString gradeMeaning(practice::Fluency grade);

// "7 × 8", in the order the question showed it.
QString factText(const progress::Fact& fact);
// The figures behind a cell, one per line: for the tooltip.
QString factToolTip(const progress::FactStats& stats);
// The same in one sentence, with the grade: for the facts beyond the grid.
QString factAccessibleText(const progress::FactStats& stats);
// A cell's name for a screen reader, short because readers say a whole row
// of twelve at once: "4 times 9, Tricky", in the order of the cell's row
// and column.
QString factAccessibleName(int first, int second, const progress::FactStats& stats);
// The rest for a screen reader, said when asked: what the grade means and
// the figures.
QString factAccessibleDescription(const progress::FactStats& stats);

inline constexpr practice::Fluency kAllGrades[] = {
    practice::Fluency::Known, practice::Fluency::GettingThere, practice::Fluency::Tricky,
    practice::Fluency::NotAskedYet};

} // namespace numberlark
