#pragma once

#include "practice/PracticeAnswer.h"
#include "practice/PracticeSettings.h"
#include "progress/ProgressRecords.h"

#include <QDateTime>
#include <QString>

#include <vector>

namespace numberlark {

// A session as the progress log keeps it: who, when, the choices it ran
// under and each answer; the typed copies after wrong answers are no answers.
progress::PracticeSessionRecord
practiceRecordOf(const QString& child, const QDateTime& started,
                 const practice::PracticeSettings& settings,
                 const std::vector<practice::PracticeAnswer>& answers);

} // namespace numberlark
