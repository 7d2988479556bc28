#include "ui/main/ShownTexts.h"

#include "quiz/Completion.h"
#include "quiz/QuestionGenerator.h"
#include "quiz/TextRules.h"
#include "ui/main/DateLine.h"

#include <QCoreApplication>
#include <QLocale>

namespace numberlark {

namespace {

QString numberText(long long n)
{
    return QString::fromStdString(number_text(n));
}

QString seconds(int value)
{
    //: The time on the certificate screen; %1 is the number with a space in
    //: front of it (none before a minus sign). Joined after "in".
    return QCoreApplication::translate("Form1", "%1 seconds", nullptr, value)
        .arg(numberText(value));
}

} // namespace

QString progressCaption(const QString& first, long long questions)
{
    //: Which question this is, out of how many: "3 of 20". %2 has a space in front.
    return QCoreApplication::translate("Form1", "%1 of%2").arg(first, numberText(questions));
}

QString resultSentence(const SessionRecord& record, bool mixed)
{
    const int count = record.Numofquestions;
    const QString time = seconds(time_taken(record));
    if (mixed) {
        //: %1 the number of questions and %2 the time ("95 seconds"), each
        //: with a space in front.
        return QCoreApplication::translate("Form1", "You completed%1 mixed tables questions in%2",
                                           nullptr, count)
            .arg(numberText(count), time);
    }
    //: %1 the number of questions, %2 the times table (7 for the seven times
    //: table) and %3 the time ("95 seconds"), each with a space in front.
    return QCoreApplication::translate(
               "Form1", "You completed%1 of the%2 times table questions in%3", nullptr, count)
        .arg(numberText(count), numberText(record.current_table), time);
}

QString otherTableProblem()
{
    return QCoreApplication::translate("Form1", "Please type a times table between -%1 and %2.")
        .arg(QString::number(kLargestTable), QString::number(kLargestTable));
}

QString shownDateLine(const QDateTime& when)
{
    const QLocale locale;
    //: The date line of the certificate: %1 the date, %2 the time of day.
    return QCoreApplication::translate("Form1", "on %1 at %2")
        .arg(locale.toString(when.date(), QLocale::ShortFormat),
             locale.toString(when.time(), longTimeFormatWithoutZone(locale)));
}

} // namespace numberlark
