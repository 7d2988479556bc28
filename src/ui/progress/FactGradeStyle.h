#pragma once

#include "progress/FactStats.h"

#include <QColor>
#include <QString>

namespace numberlark {

// The colour of a fact's cell on screen and on paper: soft enough that the
// product printed over it stays easy to read.
QColor gradeColour(progress::FactGrade grade);
// One or two words, e.g. "Tricky".
QString gradeName(progress::FactGrade grade);
// What the colour means, as the legend says it.
QString gradeMeaning(progress::FactGrade grade);

// "7 × 8" with the smaller number first.
QString factText(const progress::Fact& fact);
// The figures behind a cell, one per line: for the tooltip.
QString factToolTip(const progress::FactStats& stats);
// The same in one sentence, with the grade: for a screen reader.
QString factAccessibleText(const progress::FactStats& stats);

inline constexpr progress::FactGrade kAllGrades[] = {
    progress::FactGrade::Known, progress::FactGrade::Slow, progress::FactGrade::Tricky,
    progress::FactGrade::NotAsked};

} // namespace numberlark
