#include "output/ResultsLine.h"

#include <gtest/gtest.h>

namespace numberlark {
namespace {

// Splits a CSV line with doubled quotes inside quoted fields.
std::vector<std::string> splitFields(const std::string& line)
{
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else {
                quoted = !quoted;
            }
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

struct LineCase {
    ResultsEntry entry;
    const char* expected;
};

void PrintTo(const LineCase& c, std::ostream* os)
{
    *os << c.expected;
}

class ResultsLineFormat : public ::testing::TestWithParam<LineCase> {};

TEST_P(ResultsLineFormat, QuotesTextAndLeavesIntegersBare)
{
    EXPECT_EQ(results_line(GetParam().entry), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ResultsLineFormat,
    ::testing::Values(
        LineCase{{"Sam", false, 7, 20, 47, "on 06/12/2026 at 10:42:05"},
                 "\"Sam\",7,\"times table\",20,\"questions\",47,\"seconds\",\"on 06/12/2026 at "
                 "10:42:05\"\r\n"},
        LineCase{{"Sam", true, 9, 20, 47, "on 06/12/2026 at 10:42:05"},
                 "\"Sam\",\"Mixed\",\"times tables\",20,\"questions\",47,\"seconds\",\"on "
                 "06/12/2026 at 10:42:05\"\r\n"},
        LineCase{{" ", false, 15, 3, 12, "Date"},
                 "\" \",15,\"times table\",3,\"questions\",12,\"seconds\",\"Date\"\r\n"},
        LineCase{{"", false, -4, 1, -1, "Date"},
                 "\"\",-4,\"times table\",1,\"questions\",-1,\"seconds\",\"Date\"\r\n"},
        LineCase{{"Smith, Jo", false, 7, 2, 5, "Date"},
                 "\"Smith, Jo\",7,\"times table\",2,\"questions\",5,\"seconds\",\"Date\"\r\n"},
        LineCase{
            {"Jo \"JJ\"", false, 7, 2, 5, "Date"},
            "\"Jo \"\"JJ\"\"\",7,\"times table\",2,\"questions\",5,\"seconds\",\"Date\"\r\n"}));

TEST(ResultsLine, TextThatASpreadsheetWouldRunAsAFormulaGetsAnApostrophe)
{
    const std::vector<std::pair<std::string, std::string>> cases{
        {"=2+3", "\"'=2+3\""},
        {"=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\""},
        {"+1", "\"'+1\""},
        {"-1", "\"'-1\""},
        {"@SUM(A1)", "\"'@SUM(A1)\""},
        {"\tx", "\"'\tx\""},
        {"\r=1", "\"' =1\""},
        {"\nx", "\" x\""},
        {"a=b", "\"a=b\""},
        {"'=1", "\"'=1\""},
        {"", "\"\""},
    };
    for (const auto& [text, field] : cases) {
        const ResultsEntry entry{text, false, 7, 1, 2, text};
        EXPECT_EQ(results_line(entry),
                  field + ",7,\"times table\",1,\"questions\",2,\"seconds\"," + field + "\r\n")
            << text;
    }
}

TEST(ResultsLine, AnyNameSplitsBackIntoEightFields)
{
    for (const std::string& name :
         std::vector<std::string>{"Sam", "a,b,c", "\"", "\"\"\",", "line\r\nbreak", "O'Neil", "Zoë",
                                  std::string(1000, ',')}) {
        ResultsEntry entry{name, false, 7, 20, 47, "on 1/2/26 at \"noon\""};
        const std::string line = results_line(entry);
        ASSERT_EQ(line.substr(line.size() - 2), "\r\n");
        const std::string body = line.substr(0, line.size() - 2);
        EXPECT_EQ(body.find_first_of("\r\n"), std::string::npos) << name;
        const auto fields = splitFields(body);
        ASSERT_EQ(fields.size(), 8u) << name;
        EXPECT_EQ(fields[7], "on 1/2/26 at \"noon\"");
    }
}

} // namespace
} // namespace numberlark
