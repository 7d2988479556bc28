#include "ui/progress/FactGradeStyle.h"

#include <QCoreApplication>
#include <QLocale>

namespace numberlark {

using practice::Fluency;
using progress::FactStats;

QColor gradeColour(Fluency grade)
{
    switch (grade) {
    // CIE lightness 60, 78, 37 and 97.
    case Fluency::Known:
        return QColor(0x52, 0xa0, 0x62);
    case Fluency::GettingThere:
        return QColor(0xed, 0xba, 0x42);
    case Fluency::Tricky:
        return QColor(0xa3, 0x26, 0x1f);
    case Fluency::NotAskedYet:
        break;
    }
    return QColor(0xf7, 0xf7, 0xf7);
}

QColor gradeTextColour(Fluency grade)
{
    return grade == Fluency::Tricky ? QColor(Qt::white) : QColor(Qt::black);
}

QString gradeMark(Fluency grade)
{
    switch (grade) {
    case Fluency::Known:
        return QStringLiteral("\u2713");
    case Fluency::GettingThere:
        return QStringLiteral("\u2022");
    case Fluency::Tricky:
        return QStringLiteral("!");
    case Fluency::NotAskedYet:
        break;
    }
    return {};
}

QString gradeName(Fluency grade)
{
    switch (grade) {
    case Fluency::Known:
        return QCoreApplication::translate("FactGradeStyle", "Known");
    case Fluency::GettingThere:
        return QCoreApplication::translate("FactGradeStyle", "Getting there");
    case Fluency::Tricky:
        return QCoreApplication::translate("FactGradeStyle", "Tricky");
    case Fluency::NotAskedYet:
        break;
    }
    return QCoreApplication::translate("FactGradeStyle", "Not asked yet");
}

QString gradeMeaning(Fluency grade)
{
    switch (grade) {
    case Fluency::Known:
        return QCoreApplication::translate("FactGradeStyle", "right first time and quick");
    case Fluency::GettingThere:
        return QCoreApplication::translate("FactGradeStyle",
                                           "right, but slow or not always first time");
    case Fluency::Tricky:
        return QCoreApplication::translate("FactGradeStyle", "often wrong");
    case Fluency::NotAskedYet:
        break;
    }
    return QCoreApplication::translate("FactGradeStyle", "no questions yet");
}

QString factText(const progress::Fact& fact)
{
    return QStringLiteral("%1 × %2").arg(fact.first).arg(fact.second);
}

namespace {

// "never" and "once" are texts of their own; the rest take the plural forms.
QString times(int count, const char* none, const char* one, const char* many)
{
    return count == 0   ? QCoreApplication::translate("FactGradeStyle", none)
           : count == 1 ? QCoreApplication::translate("FactGradeStyle", one)
                        : QCoreApplication::translate("FactGradeStyle", many, nullptr, count);
}

QString figures(const FactStats& stats, const QString& separator)
{
    QStringList parts{
        times(stats.asked, QT_TRANSLATE_NOOP("FactGradeStyle", "never asked"),
              QT_TRANSLATE_NOOP("FactGradeStyle", "asked once"),
              QT_TRANSLATE_N_NOOP("FactGradeStyle", "asked %n times")),
        times(stats.rightFirstTime, QT_TRANSLATE_NOOP("FactGradeStyle", "never right first time"),
              QT_TRANSLATE_NOOP("FactGradeStyle", "right first time once"),
              QT_TRANSLATE_N_NOOP("FactGradeStyle", "right first time %n times")),
        times(stats.wrongAnswers, QT_TRANSLATE_NOOP("FactGradeStyle", "no wrong answers"),
              QT_TRANSLATE_NOOP("FactGradeStyle", "1 wrong answer"),
              QT_TRANSLATE_N_NOOP("FactGradeStyle", "%n wrong answers"))};
    if (stats.medianMillis) {
        parts << QCoreApplication::translate("FactGradeStyle", "median time %1 seconds")
                     .arg(QLocale().toString(static_cast<double>(*stats.medianMillis) / 1000.0, 'f',
                                             1));
    }
    return parts.join(separator);
}

} // namespace

QString factToolTip(const FactStats& stats)
{
    const Fluency grade = stats.fluency;
    QString heading = QStringLiteral("%1 = %2: %3")
                          .arg(factText(stats.fact))
                          .arg(int{stats.fact.first} * int{stats.fact.second})
                          .arg(gradeName(grade));
    if (stats.asked <= 0) {
        return heading;
    }
    QString body = figures(stats, QStringLiteral("\n"));
    body[0] = body[0].toUpper();
    return heading + QLatin1Char('\n') + body;
}

QString factAccessibleText(const FactStats& stats)
{
    const Fluency grade = stats.fluency;
    const QString opening = QCoreApplication::translate("FactGradeStyle", "%1 times %2: %3, %4")
                                .arg(stats.fact.first)
                                .arg(stats.fact.second)
                                .arg(gradeName(grade), gradeMeaning(grade));
    if (stats.asked <= 0) {
        return opening + QLatin1Char('.');
    }
    return opening + QStringLiteral("; ") + figures(stats, QStringLiteral(", ")) + QLatin1Char('.');
}

QString factAccessibleName(int first, int second, const FactStats& stats)
{
    //: A square of the facts grid read aloud: "4 times 9, Tricky".
    return QCoreApplication::translate("FactGradeStyle", "%1 times %2, %3")
        .arg(first)
        .arg(second)
        .arg(gradeName(stats.fluency));
}

QString factAccessibleDescription(const FactStats& stats)
{
    QString meaning = gradeMeaning(stats.fluency);
    if (stats.asked <= 0) {
        return meaning;
    }
    return meaning + QStringLiteral("; ") + figures(stats, QStringLiteral(", "));
}

} // namespace numberlark
