#pragma once

#include "quiz/SessionRecord.h"

#include <QDateTime>
#include <QString>

namespace numberlark {

// The quiz's sentences as the window shows them, in the language on screen.
// In English each is letter for letter what the quiz itself composes.

// "<first> of <N>" beneath the sign, e.g. " 3 of 20" (first is already text).
QString progressCaption(const QString& first, long long questions);

// The sentence on the certificate screen, with the plural forms of the
// count of questions and of the seconds.
QString resultSentence(const SessionRecord& record, bool mixed);

// Beside a refused "Other" box.
QString otherTableProblem();

// The date line on screen and on paper, in the default locale's formats;
// the results file keeps the English dateLine() in the system's formats.
QString shownDateLine(const QDateTime& when);

} // namespace numberlark
