#include "quiz/QuestionGenerator.h"

#include "quiz/TextRules.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace numberlark {

namespace {

// floor(n * r + 1): a whole number 1..n with equal chances.
int drawUpTo(int n, RandomSource& random)
{
    return static_cast<int>(std::floor(n * random.next() + 1.0));
}

} // namespace

ShownFactors think_of_numbers(SessionRecord& record, bool mixed, RandomSource& random)
{
    if (mixed) {
        record.current_table = static_cast<std::int16_t>(drawUpTo(12, random));
    }
    if (record.current_table == 0) {
        record.current_table = 9;
    }
    const int table = std::clamp<int>(record.current_table, -kLargestTable, kLargestTable);
    record.current_table = static_cast<std::int16_t>(table);
    int multiplier = 0;
    do {
        multiplier = drawUpTo(10, random);
        record.answer = static_cast<std::int16_t>(multiplier * table);
    } while (record.answer == record.previous_answer);
    record.previous_answer = record.answer;

    ShownFactors shown{static_cast<std::int16_t>(multiplier), record.current_table};
    if (drawUpTo(2, random) != 1) {
        std::swap(shown.first, shown.second);
    }
    record.question = number_text(shown.first) + " x" + number_text(shown.second);
    return shown;
}

} // namespace numberlark
