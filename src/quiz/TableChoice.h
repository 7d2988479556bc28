#pragma once

#include "quiz/SessionRecord.h"

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
    {"2 times table", 2},
    {"3 times table", 3},
    {"4 times table", 4},
    {"5 times table", 5},
    {"6 times table", 6},
    {"7 times table", 7},
    {"8 times table", 8},
    {"9 times table", 9},
    {"10 times table", 10},
    {"11 times table", 11},
    {"12 times table", 12},
    {"Mixed", 13},
    {"Other", 0},
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
