#include "ui/common/SpokenTexts.h"

#include "quiz/Completion.h"
#include "quiz/SessionRecord.h"

#include <QCoreApplication>

namespace numberlark {

QString spokenQuestion(int first, int second)
{
    //: A question read aloud by a screen reader: "9 times 4" for 9 x 4.
    return QCoreApplication::translate("SpokenTexts", "%1 times %2").arg(first).arg(second);
}

QString verdictWithQuestion(const QString& verdict, int first, int second)
{
    //: What the answer box says when asked: %1 the verdict ("wrong"), %2 the question.
    return QCoreApplication::translate("SpokenTexts", "%1, %2")
        .arg(verdict, spokenQuestion(first, second));
}

QString spokenCompletion(const SessionRecord& record)
{
    const int seconds = time_taken(record);
    //: Read aloud at the end of a test; %1 is "30 seconds".
    return QCoreApplication::translate("SpokenTexts",
                                       "Well done! %n questions in %1. Type your name.", nullptr,
                                       record.Numofquestions)
        .arg(QCoreApplication::translate("SpokenTexts", "%n seconds", nullptr, seconds));
}

} // namespace numberlark
