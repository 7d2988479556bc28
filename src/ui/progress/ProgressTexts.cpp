#include "ui/progress/ProgressTexts.h"

#include <QLocale>

#include <algorithm>
#include <iterator>

namespace numberlark {

namespace {

QString count(int n, const QString& one, const QString& many)
{
    return n == 1 ? one : many.arg(n);
}

} // namespace

QString shownChildName(const QString& child)
{
    return child.isEmpty() ? QStringLiteral("(no name)") : child;
}

QString reportSummary(const std::vector<progress::TestRecord>& tests)
{
    if (tests.empty()) {
        return QStringLiteral("No tests");
    }
    const auto [first, last] =
        std::minmax_element(tests.begin(), tests.end(),
                            [](const progress::TestRecord& a, const progress::TestRecord& b) {
                                return a.when < b.when;
                            });
    const QLocale locale;
    const QString from = locale.toString(first->when.date(), QLocale::LongFormat);
    const QString to = locale.toString(last->when.date(), QLocale::LongFormat);
    const QString tested =
        count(static_cast<int>(tests.size()), QStringLiteral("1 test"), QStringLiteral("%1 tests"));
    return from == to ? QStringLiteral("%1 on %2").arg(tested, from)
                      : QStringLiteral("%1 from %2 to %3").arg(tested, from, to);
}

namespace {

QString unreadableText(const std::vector<progress::UnreadLine>& lines)
{
    constexpr std::size_t kLinesNamed = 5;
    QStringList numbers;
    for (std::size_t i = 0; i < lines.size() && i < kLinesNamed; ++i) {
        numbers << QString::number(lines[i].number);
    }
    QString which = numbers.join(QStringLiteral(", "));
    if (lines.size() > kLinesNamed) {
        which += QStringLiteral(" and others");
    }
    if (lines.size() == 1) {
        return QStringLiteral("1 line could not be read and was left out (line %1).").arg(which);
    }
    return QStringLiteral("%1 lines could not be read and were left out (lines %2).")
        .arg(lines.size())
        .arg(which);
}

} // namespace

QString importSummary(const progress::ImportOutcome& outcome)
{
    if (!outcome.fileProblem.isEmpty()) {
        return outcome.fileProblem;
    }
    if (!outcome.status.done()) {
        return outcome.status.message;
    }
    QString text = count(outcome.added, QStringLiteral("1 test was added to the log."),
                         QStringLiteral("%1 tests were added to the log."));
    if (outcome.alreadyInLog > 0) {
        text += QLatin1Char(' ') + count(outcome.alreadyInLog,
                                         QStringLiteral("1 line was in the log already."),
                                         QStringLiteral("%1 lines were in the log already."));
    }
    if (!outcome.unreadable.empty()) {
        text += QLatin1Char(' ') + unreadableText(outcome.unreadable);
    }
    return text;
}

QString forgetQuestion(const QString& child)
{
    return QStringLiteral("Remove every test of %1 from the progress log on this computer?\n\n"
                          "This cannot be undone. The results file (numberlark.csv) is left as "
                          "it is.")
        .arg(child.isEmpty() ? QStringLiteral("the tests taken with no name")
                             : QStringLiteral("\"%1\"").arg(child));
}

} // namespace numberlark
