#include "output/ResultsLine.h"

#include <string_view>

namespace numberlark {

namespace {

// A spreadsheet reads a cell starting with one of these as a formula (or
// strips the tab or CR and then does), so a name like "=HYPERLINK(...)"
// would come alive when a parent opens the file. The apostrophe makes the
// spreadsheet show the text as it was typed.
bool looksLikeFormula(const std::string& text)
{
    return !text.empty() &&
           std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
}

std::string textField(const std::string& text)
{
    std::string field = looksLikeFormula(text) ? "\"'" : "\"";
    for (char c : text) {
        if (c == '"') {
            field += "\"\"";
        } else if (c == '\r' || c == '\n') {
            field += ' ';
        } else {
            field += c;
        }
    }
    field += '"';
    return field;
}

std::string integerField(std::int16_t value)
{
    return std::to_string(value);
}

} // namespace

std::string results_line(const ResultsEntry& entry)
{
    std::string line = textField(entry.name) + ',';
    if (entry.mixed) {
        line += textField("Mixed") + ',' + textField("times tables") + ',';
    } else {
        line += integerField(entry.table) + ',' + textField("times table") + ',';
    }
    line += integerField(entry.score) + ',' + textField("questions") + ',';
    line += integerField(entry.timeTaken) + ',' + textField("seconds") + ',';
    line += textField(entry.dateLine) + "\r\n";
    return line;
}

} // namespace numberlark
