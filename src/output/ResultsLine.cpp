#include "output/ResultsLine.h"

namespace numberlark {

namespace {

std::string textField(const std::string& text)
{
    std::string field = "\"";
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
