// Any name and date text, any numbers: the results line read back by a plain
// CSV reader gives the same eight fields, text quoted and numbers bare. Line
// breaks inside a text come back as blanks, and a text a spreadsheet would
// take for a formula comes back behind an apostrophe.
#include "output/ResultsLine.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct CsvField {
    std::string text;
    bool quoted = false;
};

// One record in the common CSV form: fields split at commas, a field in
// double quotes may hold commas and doubled quotes. Empty on a malformed line.
std::vector<CsvField> readCsvRecord(const std::string& body)
{
    std::vector<CsvField> fields(1);
    std::size_t i = 0;
    while (i <= body.size()) {
        CsvField& field = fields.back();
        if (i < body.size() && body[i] == '"' && field.text.empty() && !field.quoted) {
            field.quoted = true;
            const std::size_t close = [&] {
                for (std::size_t j = i + 1; j < body.size(); ++j) {
                    if (body[j] == '"' && (j + 1 == body.size() || body[j + 1] != '"')) {
                        return j;
                    }
                    if (body[j] == '"') {
                        ++j;
                    }
                    field.text += body[j];
                }
                return std::string::npos;
            }();
            if (close == std::string::npos) {
                return {};
            }
            i = close + 1;
            if (i < body.size() && body[i] != ',') {
                return {};
            }
        } else if (i == body.size()) {
            break;
        } else if (body[i] == ',') {
            fields.emplace_back();
            ++i;
        } else if (field.quoted) {
            return {};
        } else {
            field.text += body[i++];
        }
    }
    return fields;
}

std::string expectedText(std::string text)
{
    const bool formula =
        !text.empty() && std::string_view("=+-@\t\r").find(text[0]) != std::string_view::npos;
    for (char& c : text) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return formula ? "'" + text : text;
}

void check(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "results line: %s\n", what);
        std::abort();
    }
}

std::int16_t take16(const std::uint8_t*& data, std::size_t& size)
{
    std::uint16_t value = 0;
    for (int i = 0; i < 2 && size > 0; ++i, ++data, --size) {
        value = static_cast<std::uint16_t>(value << 8 | *data);
    }
    return static_cast<std::int16_t>(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    numberlark::ResultsEntry entry;
    entry.mixed = size > 0 && (*data & 1) != 0;
    entry.table = take16(data, size);
    entry.score = take16(data, size);
    entry.timeTaken = take16(data, size);
    const std::string rest(reinterpret_cast<const char*>(data), size);
    const std::size_t split = rest.find('\0');
    entry.name = rest.substr(0, split);
    entry.dateLine = split == std::string::npos ? "Date" : rest.substr(split + 1);

    const std::string line = numberlark::results_line(entry);
    check(line.size() >= 2 && line.compare(line.size() - 2, 2, "\r\n") == 0, "ends with CR LF");
    const std::string body = line.substr(0, line.size() - 2);
    check(body.find_first_of("\r\n") == std::string::npos, "one line");
    const auto fields = readCsvRecord(body);
    check(fields.size() == 8, "eight fields");
    const std::vector<CsvField> expected{
        {expectedText(entry.name), true},
        entry.mixed ? CsvField{"Mixed", true} : CsvField{std::to_string(entry.table), false},
        {entry.mixed ? "times tables" : "times table", true},
        {std::to_string(entry.score), false},
        {"questions", true},
        {std::to_string(entry.timeTaken), false},
        {"seconds", true},
        {expectedText(entry.dateLine), true},
    };
    for (std::size_t i = 0; i < expected.size(); ++i) {
        check(fields[i].text == expected[i].text, "a field reads back as written");
        check(fields[i].quoted == expected[i].quoted, "text quoted, numbers bare");
    }
    return 0;
}
