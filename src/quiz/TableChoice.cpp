#include "quiz/TableChoice.h"

#include "quiz/QuestionGenerator.h"
#include "quiz/TextRules.h"

#include <cstdlib>
#include <optional>

namespace numberlark {

namespace {

std::optional<std::int16_t> tableFromText(const std::string& text)
{
    const auto table = round_to_int16(text_value(text));
    if (!table || std::abs(*table) > kLargestTable) {
        return std::nullopt;
    }
    return table;
}

} // namespace

TableChoice::TableChoice(SessionRecord& record) : m_record(record) {}

void TableChoice::select(int index)
{
    if (index < 0 || index >= static_cast<int>(kTableOptions.size())) {
        return;
    }
    m_selected = index;
    m_record.current_table = kTableOptions[static_cast<std::size_t>(index)].table;
    if (index == kOtherIndex) {
        applyOtherText();
    }
}

void TableChoice::setOtherText(const std::string& text)
{
    m_otherText = text;
    applyOtherText();
}

// Every edit of the box sets the table, whichever option is selected; a
// refused text leaves the table as it was.
void TableChoice::applyOtherText()
{
    const auto table = tableFromText(m_otherText);
    m_otherValid = table.has_value();
    if (table) {
        m_record.current_table = *table;
    }
}

std::string TableChoice::otherProblem() const
{
    if (m_otherValid) {
        return {};
    }
    return "Please type a times table between -" + std::to_string(kLargestTable) + " and " +
           std::to_string(kLargestTable) + ".";
}

} // namespace numberlark
