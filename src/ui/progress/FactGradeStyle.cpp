#include "ui/progress/FactGradeStyle.h"

namespace numberlark {

using progress::FactGrade;
using progress::FactStats;

QColor gradeColour(FactGrade grade)
{
    switch (grade) {
    case FactGrade::Known:
        return QColor(0x8f, 0xd1, 0x7f);
    case FactGrade::Slow:
        return QColor(0xf7, 0xc9, 0x5c);
    case FactGrade::Tricky:
        return QColor(0xee, 0x83, 0x7a);
    case FactGrade::NotAsked:
        break;
    }
    return QColor(0xe4, 0xe4, 0xe4);
}

QString gradeName(FactGrade grade)
{
    switch (grade) {
    case FactGrade::Known:
        return QStringLiteral("Known");
    case FactGrade::Slow:
        return QStringLiteral("Getting there");
    case FactGrade::Tricky:
        return QStringLiteral("Tricky");
    case FactGrade::NotAsked:
        break;
    }
    return QStringLiteral("Not asked yet");
}

QString gradeMeaning(FactGrade grade)
{
    switch (grade) {
    case FactGrade::Known:
        return QStringLiteral("right first time and quick");
    case FactGrade::Slow:
        return QStringLiteral("right, but slow or not always first time");
    case FactGrade::Tricky:
        return QStringLiteral("often wrong");
    case FactGrade::NotAsked:
        break;
    }
    return QStringLiteral("no questions yet");
}

QString factText(const progress::Fact& fact)
{
    return QStringLiteral("%1 × %2").arg(fact.low).arg(fact.high);
}

namespace {

QString times(int count, const QString& none, const QString& one, const QString& many)
{
    return count == 0 ? none : count == 1 ? one : many.arg(count);
}

QString figures(const FactStats& stats, const QString& separator)
{
    QStringList parts{times(stats.asked, QStringLiteral("never asked"),
                            QStringLiteral("asked once"), QStringLiteral("asked %1 times")),
                      times(stats.rightFirstTime, QStringLiteral("never right first time"),
                            QStringLiteral("right first time once"),
                            QStringLiteral("right first time %1 times")),
                      times(stats.wrongAnswers, QStringLiteral("no wrong answers"),
                            QStringLiteral("1 wrong answer"), QStringLiteral("%1 wrong answers"))};
    if (stats.medianMillis) {
        parts << QStringLiteral("median time %1 seconds")
                     .arg(static_cast<double>(*stats.medianMillis) / 1000.0, 0, 'f', 1);
    }
    return parts.join(separator);
}

} // namespace

QString factToolTip(const FactStats& stats)
{
    const FactGrade grade = progress::gradeFact(stats);
    QString heading = QStringLiteral("%1 = %2: %3")
                          .arg(factText(stats.fact))
                          .arg(int{stats.fact.low} * int{stats.fact.high})
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
    const FactGrade grade = progress::gradeFact(stats);
    const QString opening = QStringLiteral("%1 times %2: %3, %4")
                                .arg(stats.fact.low)
                                .arg(stats.fact.high)
                                .arg(gradeName(grade), gradeMeaning(grade));
    if (stats.asked <= 0) {
        return opening + QLatin1Char('.');
    }
    return opening + QStringLiteral("; ") + figures(stats, QStringLiteral(", ")) + QLatin1Char('.');
}

} // namespace numberlark
