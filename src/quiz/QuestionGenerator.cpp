#include "quiz/QuestionGenerator.h"

#include "quiz/TextRules.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace numberlark {

namespace {

// floor(n * r + 1): a whole number 1..n with equal chances.
int drawUpTo(int n, RandomSource& random)
{
    return static_cast<int>(std::floor(n * random.next() + 1.0));
}

} // namespace

void think_of_numbers(SessionRecord& record, bool mixed, RandomSource& random)
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

    if (drawUpTo(2, random) == 1) {
        record.question = number_text(multiplier) + " x" + number_text(record.current_table);
    } else {
        record.question = number_text(record.current_table) + " x" + number_text(multiplier);
    }
}

} // namespace numberlark
