#include "ui/practice/PracticeRecord.h"

#include "progress/PracticeHistory.h"

namespace numberlark {

progress::PracticeSessionRecord
practiceRecordOf(const QString& child, const QDateTime& started,
                 const practice::PracticeSettings& settings,
                 const std::vector<practice::PracticeAnswer>& answers)
{
    progress::PracticeSessionRecord session;
    session.child = child;
    session.started = started;
    session.minutes = static_cast<int>(settings.length.count());
    if (settings.fluencyLimit) {
        session.limitMillis = static_cast<int>(settings.fluencyLimit->count());
    }
    session.answers = progress::practiceAnswerRecords(answers);
    return session;
}

} // namespace numberlark
