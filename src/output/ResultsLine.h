#pragma once

#include <cstdint>
#include <string>

namespace numberlark {

inline constexpr const char* kResultsFileName = "numberlark.csv";

// One finished (or quit) test as the results file records it.
struct ResultsEntry {
    std::string name;   // the name box's text, in the system's 8-bit encoding
    bool mixed = false; // "Mixed" selected: no table number is written
    std::int16_t table = 0;
    std::int16_t score = 0;
    std::int16_t timeTaken = 0; // time_taken(): the last value the clock showed, never below 0
    std::string dateLine;       // the date label's caption ("Date" before completion)
};

// "Sam",7,"times table",20,"questions",47,"seconds","on 06/12/2026 at 10:42:05"
// followed by CR LF. Text fields are quoted with any double quote inside
// doubled and line breaks turned into spaces, so every line splits back into
// exactly eight fields. A text starting with "=", "+", "-", "@", a tab or a
// CR gets a leading apostrophe inside its quotes, so a spreadsheet never
// runs it as a formula.
std::string results_line(const ResultsEntry& entry);

} // namespace numberlark
