#include "ui/progress/ProgressTexts.h"

#include <QCoreApplication>
#include <QFontMetrics>

#include <QDateTime>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <iterator>

namespace numberlark {

namespace {

// "1 test" is its own text; the rest take the language's plural forms.
QString count(int n, const char* one, const char* many)
{
    return n == 1 ? QCoreApplication::translate("ProgressTexts", one)
                  : QCoreApplication::translate("ProgressTexts", many, nullptr, n);
}

} // namespace

QString shownChildName(const QString& child)
{
    return child.isEmpty() ? QCoreApplication::translate("ProgressTexts", "(no name)") : child;
}

QString isolatedChildName(const QString& child)
{
    const QString shown = shownChildName(child);
    const bool directional = std::any_of(shown.begin(), shown.end(), [](QChar c) {
        switch (c.direction()) {
        case QChar::DirR:
        case QChar::DirAL:
        case QChar::DirRLE:
        case QChar::DirRLO:
        case QChar::DirLRE:
        case QChar::DirLRO:
        case QChar::DirPDF:
        case QChar::DirRLI:
        case QChar::DirLRI:
        case QChar::DirFSI:
        case QChar::DirPDI:
            return true;
        default:
            return false;
        }
    });
    // FIRST STRONG ISOLATE ... POP DIRECTIONAL ISOLATE; the isolate's end
    // also ends any embedding or override the name left open.
    return directional ? QChar(0x2068) + shown + QChar(0x2069) : shown;
}

QString elidedChildName(const QFontMetrics& metrics, const QString& child, int width)
{
    return isolatedChildName(metrics.elidedText(child, Qt::ElideMiddle, width));
}

namespace {

QDateTime earliest(const std::vector<progress::TestRecord>& tests,
                   const std::vector<progress::PracticeSessionRecord>& practice)
{
    QDateTime first;
    const auto keepEarlier = [&first](const QDateTime& when) {
        if (when.isValid() && (!first.isValid() || when < first)) {
            first = when;
        }
    };
    for (const progress::TestRecord& test : tests) {
        keepEarlier(test.when);
    }
    for (const progress::PracticeSessionRecord& session : practice) {
        keepEarlier(session.started);
    }
    return first;
}

QString testsCounted(std::size_t tests)
{
    return count(static_cast<int>(tests), QT_TRANSLATE_NOOP("ProgressTexts", "1 test"),
                 QT_TRANSLATE_N_NOOP("ProgressTexts", "%n tests"));
}

// "4 practice sessions (20 minutes)"
QString practiceCounted(const progress::PracticeTotals& totals)
{
    const QString sessions =
        count(totals.sessions, QT_TRANSLATE_NOOP("ProgressTexts", "1 practice session"),
              QT_TRANSLATE_N_NOOP("ProgressTexts", "%n practice sessions"));
    const QString minutes = count(totals.minutes, QT_TRANSLATE_NOOP("ProgressTexts", "1 minute"),
                                  QT_TRANSLATE_N_NOOP("ProgressTexts", "%n minutes"));
    //: "4 practice sessions (20 minutes)"
    return QCoreApplication::translate("ProgressTexts", "%1 (%2)").arg(sessions, minutes);
}

QString testsOnly(const std::vector<progress::TestRecord>& tests)
{
    if (tests.empty()) {
        return QCoreApplication::translate("ProgressTexts", "No tests");
    }
    const auto [first, last] =
        std::minmax_element(tests.begin(), tests.end(),
                            [](const progress::TestRecord& a, const progress::TestRecord& b) {
                                return a.when < b.when;
                            });
    const QLocale locale;
    const QString from = locale.toString(first->when.date(), QLocale::LongFormat);
    const QString to = locale.toString(last->when.date(), QLocale::LongFormat);
    const QString tested = testsCounted(tests.size());
    return from == to ? QCoreApplication::translate("ProgressTexts", "%1 on %2").arg(tested, from)
                      : QCoreApplication::translate("ProgressTexts", "%1 from %2 to %3")
                            .arg(tested, from, to);
}

} // namespace

QString reportSummary(const std::vector<progress::TestRecord>& tests,
                      const std::vector<progress::PracticeSessionRecord>& practice)
{
    if (practice.empty()) {
        return testsOnly(tests);
    }
    const QString practised = practiceCounted(progress::practiceTotals(practice));
    const QDateTime first = earliest(tests, practice);
    const QString since = QLocale().toString(first.date(), QLocale::LongFormat);
    if (tests.empty()) {
        //: "4 practice sessions (20 minutes) since 3 March 2026"
        return QCoreApplication::translate("ProgressTexts", "%1 since %2").arg(practised, since);
    }
    //: "12 tests and 4 practice sessions (20 minutes) since 3 March 2026"
    return QCoreApplication::translate("ProgressTexts", "%1 and %2 since %3")
        .arg(testsCounted(tests.size()), practised, since);
}

QString trendSentence(const std::vector<practice::WeekFigure>& medians)
{
    if (medians.empty()) {
        return {};
    }
    const QLocale locale;
    const QString first = locale.toString(medians.front().value, 'f', 1);
    if (medians.size() == 1) {
        return QCoreApplication::translate("ProgressTexts", "%1 s a question in the first week.")
            .arg(first);
    }
    const QString now = locale.toString(medians.back().value, 'f', 1);
    switch (practice::paceBetween(medians.front().value, medians.back().value)) {
    case practice::Pace::Faster:
        return QCoreApplication::translate("ProgressTexts",
                                           "%1 s a question now, %2 s in the first week: faster.")
            .arg(now, first);
    case practice::Pace::Slower:
        return QCoreApplication::translate("ProgressTexts",
                                           "%1 s a question now, %2 s in the first week: slower.")
            .arg(now, first);
    case practice::Pace::AboutTheSame:
        break;
    }
    return QCoreApplication::translate(
               "ProgressTexts", "%1 s a question now, %2 s in the first week: about the same.")
        .arg(now, first);
}

QString lastMonthText(const progress::PracticeTotals& practised, const QStringList& factsNamed,
                      int factsLearnt)
{
    const QString practice = practised.sessions > 0
                                 ? practiceCounted(practised)
                                 : QCoreApplication::translate("ProgressTexts", "no practice");
    const int learnt = factsLearnt;
    const QString facts = learnt == 0
                              ? QCoreApplication::translate("ProgressTexts", "no fact newly known")
                              : count(learnt, QT_TRANSLATE_NOOP("ProgressTexts", "1 fact learnt"),
                                      QT_TRANSLATE_N_NOOP("ProgressTexts", "%n facts learnt")) +
                                    QStringLiteral(": ") + factsNamed.join(QStringLiteral(", "));
    //: "In the last 30 days: 4 practice sessions (20 minutes); 3 facts learnt: 7 × 8, ..."
    return QCoreApplication::translate("ProgressTexts", "In the last 30 days: %1; %2.")
        .arg(practice, facts);
}

namespace {

QString unreadableText(const std::vector<progress::UnreadLine>& lines, int count)
{
    constexpr std::size_t kLinesNamed = 5;
    QStringList numbers;
    for (std::size_t i = 0; i < lines.size() && i < kLinesNamed; ++i) {
        numbers << QString::number(lines[i].number);
    }
    QString which = numbers.join(QStringLiteral(", "));
    if (count > static_cast<int>(numbers.size())) {
        //: Follows a list of line numbers: "3, 8, 9, 12, 20 and others".
        which += QCoreApplication::translate("ProgressTexts", " and others");
    }
    if (count == 1) {
        return QCoreApplication::translate("ProgressTexts",
                                           "1 line could not be read and was left out (line %1).")
            .arg(which);
    }
    //: %1 lists the first line numbers, e.g. "3, 8 and others".
    return QCoreApplication::translate("ProgressTexts",
                                       "%n lines could not be read and were left out (lines %1).",
                                       nullptr, count)
        .arg(which);
}

} // namespace

QString importSummary(const progress::ImportOutcome& outcome)
{
    if (outcome.fileRead.failed()) {
        return outcome.fileRead.message;
    }
    if (!outcome.status.done()) {
        return outcome.status.message;
    }
    QString text =
        count(outcome.added, QT_TRANSLATE_NOOP("ProgressTexts", "1 test was added to the log."),
              QT_TRANSLATE_N_NOOP("ProgressTexts", "%n tests were added to the log."));
    if (outcome.alreadyInLog > 0) {
        text += QLatin1Char(' ') +
                count(outcome.alreadyInLog,
                      QT_TRANSLATE_NOOP("ProgressTexts", "1 line was in the log already."),
                      QT_TRANSLATE_N_NOOP("ProgressTexts", "%n lines were in the log already."));
    }
    if (outcome.unreadableCount > 0) {
        text += QLatin1Char(' ') + unreadableText(outcome.unreadable, outcome.unreadableCount);
    }
    if (outcome.cancelled) {
        text = QCoreApplication::translate("ProgressTexts",
                                           "The import was stopped before the end of the file. "
                                           "Importing the file again adds the rest.") +
               QLatin1Char(' ') + text;
    }
    return text;
}

QString forgetQuestion(const QString& child)
{
    return QCoreApplication::translate(
               "ProgressTexts",
               "Remove every test of %1 from the progress log on this computer?\n\n"
               "This cannot be undone. The results file (numberlark.csv) is left as "
               "it is.")
        .arg(child.isEmpty()
                 ? QCoreApplication::translate("ProgressTexts", "the tests taken with no name")
                 : QStringLiteral("\"%1\"").arg(child));
}

} // namespace numberlark
