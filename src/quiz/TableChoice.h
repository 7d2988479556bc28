#pragma once

#include "quiz/SessionRecord.h"
#include "quiz/TranslationMarker.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace numberlark {

struct TableOption {
    std::string_view caption;
    std::int16_t table; // stored in current_table on selection
};

// Option1(0)..Option1(12): the 2 to 12 times tables, "Mixed" and "Other".
inline constexpr std::array<TableOption, 13> kTableOptions{{
    {QT_TRANSLATE_NOOP("TableChoice", "2 times table"), 2},
    {QT_TRANSLATE_NOOP("TableChoice", "3 times table"), 3},
    {QT_TRANSLATE_NOOP("TableChoice", "4 times table"), 4},
    {QT_TRANSLATE_NOOP("TableChoice", "5 times table"), 5},
    {QT_TRANSLATE_NOOP("TableChoice", "6 times table"), 6},
    {QT_TRANSLATE_NOOP("TableChoice", "7 times table"), 7},
    {QT_TRANSLATE_NOOP("TableChoice", "8 times table"), 8},
    {QT_TRANSLATE_NOOP("TableChoice", "9 times table"), 9},
    {QT_TRANSLATE_NOOP("TableChoice", "10 times table"), 10},
    {QT_TRANSLATE_NOOP("TableChoice", "11 times table"), 11},
    {QT_TRANSLATE_NOOP("TableChoice", "12 times table"), 12},
    {QT_TRANSLATE_NOOP("TableChoice", "Mixed"), 13},
    {QT_TRANSLATE_NOOP("TableChoice", "Other"), 0},
}};

inline constexpr int kMixedIndex = 11;
inline constexpr int kOtherIndex = 12;
inline constexpr int kPreselectedIndex = 7;

// The choice of table before a test. Writes current_table of the record as
// the option buttons and the "Other" box change. A typed table whose products
// cannot fit in 16 bits is refused: current_table keeps its last good value
// and the choice reports itself invalid until the text is fixed.
class TableChoice {
public:
    explicit TableChoice(SessionRecord& record);

    void select(int index);
    void setOtherText(const std::string& text);

    int selectedIndex() const { return m_selected; }
    bool isMixed() const { return m_selected == kMixedIndex; }
    bool otherEnabled() const { return m_selected == kOtherIndex; }
    const std::string& otherText() const { return m_otherText; }

    bool otherTextValid() const { return m_otherValid; }
    // False only while "Other" is selected with a refused text: TEST waits.
    bool canStart() const { return !otherEnabled() || m_otherValid; }
    // What the window shows beside a refused "Other" text; empty when valid.
    std::string otherProblem() const;

private:
    void applyOtherText();

    SessionRecord& m_record;
    int m_selected = kPreselectedIndex;
    std::string m_otherText = "13";
    bool m_otherValid = true;
};

} // namespace numberlark
