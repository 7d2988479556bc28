// Every line the program writes reads back: any name and date text, any
// table and numbers. The reader never drops a line of the program's own, and
// gives back the table, the score and the seconds exactly (and leaves out a
// line of no questions); for a finished test whose line is valid UTF-8 (as
// the program's own always are) and whose name is free of line breaks and
// of the spreadsheet guard, the name too, as the same composed text.
#include "output/ResultsLine.h"
#include "progress/ResultsLineReader.h"

#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

std::int16_t numberFrom(const std::string& input, std::size_t at)
{
    if (input.size() < at + 2) {
        return static_cast<std::int16_t>(input.size());
    }
    return static_cast<std::int16_t>((static_cast<unsigned char>(input[at]) << 8) |
                                     static_cast<unsigned char>(input[at + 1]));
}

bool validText(const std::string& text)
{
    return QString::fromStdString(text).toStdString() == text;
}

bool nameComesBack(const std::string& name, const std::string& dateLine)
{
    const QString text = QString::fromStdString(name);
    const bool guarded = text.size() > 1 && text[0] == QLatin1Char('\'') &&
                         QStringLiteral("=+-@\t\r").contains(text[1]);
    return validText(name) && validText(dateLine) && text.trimmed() == text && !guarded &&
           name.find_first_of("\r\n") == std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    numberlark::ResultsEntry entry;
    entry.name = input.substr(0, split);
    entry.dateLine = split == std::string::npos ? "Date" : "on " + input.substr(split + 1);
    entry.mixed = size % 3 == 0;
    entry.table = numberFrom(input, 0);
    entry.score = numberFrom(input, 2);
    entry.timeTaken = numberFrom(input, 4);
    const std::string line = numberlark::results_line(entry);
    const auto test = numberlark::progress::readResultsLine(line, QLocale::c());
    // A line of no questions records no test, so the reader leaves it out.
    if (entry.score <= 0) {
        if (test) {
            std::abort();
        }
        return 0;
    }
    if (!test || test->questions != entry.score ||
        test->seconds != std::max<int>(0, entry.timeTaken) ||
        (!entry.mixed && test->table.number != entry.table)) {
        std::abort();
    }
    // The log keeps names composed, so the name comes back as the same
    // composed text: a singleton such as U+037E composes to another letter.
    const auto composed = [](const QString& name) {
        return name.normalized(QString::NormalizationForm_C);
    };
    if (entry.dateLine != "Date" && nameComesBack(entry.name, entry.dateLine) &&
        composed(test->child) != composed(QString::fromStdString(entry.name))) {
        std::abort();
    }
    return 0;
}
