#include "ui/practice/PracticeTexts.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>

namespace numberlark {

namespace {

QDate dateOf(std::chrono::local_days day)
{
    return QDate(1970, 1, 1).addDays(day.time_since_epoch().count());
}

} // namespace

int productOf(practice::Fact fact)
{
    return int{fact.first} * int{fact.second};
}

QString shownFact(practice::Fact fact)
{
    return QStringLiteral("%1 x %2").arg(int{fact.first}).arg(int{fact.second});
}

QString shownFactWithProduct(practice::Fact fact)
{
    return QStringLiteral("%1 = %2").arg(shownFact(fact)).arg(productOf(fact));
}

QString spokenWrongAnswer(practice::Fact fact)
{
    //: Read aloud after a wrong answer to %1 x %2: its answer %3, which the child types to go on.
    return QCoreApplication::translate("PracticeTexts",
                                       "Not yet. %1 times %2 is %3. Type %3 to go on.")
        .arg(int{fact.first})
        .arg(int{fact.second})
        .arg(productOf(fact));
}

QString copyPrompt(practice::Fact fact)
{
    //: After a wrong answer the child types the right answer, %1, to go on.
    return QCoreApplication::translate("PracticeTexts", "Type %1 to go on.").arg(productOf(fact));
}

QString verdictCorrect()
{
    return QCoreApplication::translate("PracticeTexts", "correct");
}

QString verdictNotYet()
{
    //: Said after a wrong answer in practice: gentle, not "wrong".
    return QCoreApplication::translate("PracticeTexts", "not yet");
}

QString endingText(practice::PracticeSession::Ending ending)
{
    if (ending != practice::PracticeSession::Ending::NothingLeft) {
        return {};
    }
    return QCoreApplication::translate(
               "PracticeTexts", "That's all for today: you have done every fact that was due.") +
           QLatin1Char(' ');
}

QString comeBackText(const std::optional<practice::Schedule::Reviews>& next,
                     std::chrono::local_days today, std::chrono::minutes length)
{
    if (!next) {
        return QCoreApplication::translate("PracticeTexts",
                                           "Come back tomorrow to practise again.");
    }
    // The day and a session's length, never how many facts wait: a long
    // list is no reason for a child to come back. Every length offered is
    // more than one minute.
    const int minutes = static_cast<int>(length.count());
    if (next->day == today + std::chrono::days{1}) {
        return QCoreApplication::translate("PracticeTexts",
                                           "See you tomorrow: %n minutes of practice.", nullptr,
                                           minutes);
    }
    const QString day = QLocale().toString(dateOf(next->day), QLocale::LongFormat);
    //: %1 is a date ("Friday, 11 December 2026").
    return QCoreApplication::translate("PracticeTexts", "See you on %1: %n minutes of practice.",
                                       nullptr, minutes)
        .arg(day);
}

} // namespace numberlark
