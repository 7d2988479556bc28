#include "progress/ResultsLineReader.h"

#include "progress/DateLineReader.h"
#include "progress/ResultsLineKey.h"
#include "progress/ResultsText.h"

#include <QRegularExpression>

#include <algorithm>

namespace numberlark::progress {

namespace {

// Greedy text fields: a line from before quotes were doubled still splits,
// because everything after the name has a fixed shape.
const QRegularExpression& lineShape()
{
    static const QRegularExpression shape(QString::fromLatin1(
        R"re(^"(.*)",(?:"Mixed","times tables"|(-?\d{1,5}),"times table"),(-?\d{1,5}),)re"
        R"re("questions",(-?\d{1,5}),"seconds","(.*)"$)re"));
    return shape;
}

// Undoes the doubling of quotes, where the field was written that way, and
// the apostrophe that keeps a spreadsheet from reading the text as a formula.
QString textField(QString field)
{
    if (field.contains(QLatin1Char('"')) &&
        !QString(field).remove(QLatin1String("\"\"")).contains(QLatin1Char('"'))) {
        field.replace(QLatin1String("\"\""), QLatin1String("\""));
    }
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (field.size() > 1 && field.front() == QLatin1Char('\'') &&
        formulaStarts.contains(field[1])) {
        field.remove(0, 1);
    }
    return field;
}

TableChoiceRecord tableOf(const QString& number)
{
    if (number.isEmpty()) {
        return {TableChoiceRecord::Kind::Mixed, 0};
    }
    const int table = number.toInt();
    const auto kind =
        table >= 2 && table <= 12 ? TableChoiceRecord::Kind::Table : TableChoiceRecord::Kind::Other;
    return {kind, static_cast<std::int16_t>(std::clamp(table, -32768, 32767))};
}

} // namespace

std::optional<TestRecord> readResultsLine(QByteArrayView line, const QLocale& locale)
{
    while (line.endsWith('\n') || line.endsWith('\r')) {
        line.chop(1);
    }
    const QRegularExpressionMatch match = lineShape().match(decodeResultsText(line));
    // A test of no questions was never taken: the line was made by hand.
    if (!match.hasMatch() || match.captured(3).toInt() <= 0) {
        return std::nullopt;
    }
    TestRecord test;
    const QString dateText = textField(match.captured(5));
    // Only a finished test sets the date line; "Date" is its caption before,
    // and the name field then holds the answer box's text, not a name.
    test.finished = dateText != QLatin1String("Date");
    test.child = test.finished ? textField(match.captured(1)).trimmed() : QString();
    test.table = tableOf(match.captured(2));
    test.questions = match.captured(3).toInt();
    test.seconds = std::max(0, match.captured(4).toInt());
    test.when = readDateLine(dateText, locale);
    test.dateText = test.when.isValid() ? QString() : dateText;
    test.imported = true;
    test.resultsKey = resultsLineKey(line);
    return test;
}

} // namespace numberlark::progress
