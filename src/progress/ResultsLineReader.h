#pragma once

#include "progress/ProgressRecords.h"

#include <QByteArrayView>
#include <QLocale>

#include <optional>

namespace numberlark::progress {

// Reads one line of a results file back into a test without answers:
//   "Sam",7,"times table",20,"questions",47,"seconds","on 06/12/2026 at 10:42:05"
// Lines written before quotes were doubled are read too. The questions are
// the score the line gives; a date that cannot be read is kept as text.
// A test quit before its end (date line "Date") has no name.
// Nothing when the line is not a results line, or asks 0 or fewer questions.
std::optional<TestRecord> readResultsLine(QByteArrayView line,
                                          const QLocale& locale = QLocale::system());

} // namespace numberlark::progress
