#include "ui/progress/ProgressTexts.h"

#include <QLocale>

#include <algorithm>

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

QString importSummary(const ImportCounts& counts)
{
    QString text = count(counts.added, QStringLiteral("1 test was added to the log."),
                         QStringLiteral("%1 tests were added to the log."));
    if (counts.alreadyThere > 0) {
        text += QLatin1Char(' ') + count(counts.alreadyThere,
                                         QStringLiteral("1 line was in the log already."),
                                         QStringLiteral("%1 lines were in the log already."));
    }
    if (counts.unreadable > 0) {
        text +=
            QLatin1Char(' ') +
            count(counts.unreadable, QStringLiteral("1 line could not be read and was left out."),
                  QStringLiteral("%1 lines could not be read and were left out."));
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
