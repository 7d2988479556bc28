// Any text typed into the "Other" box: either refused, or a table whose ten
// products are all exact in 16 bits.
#include "quiz/QuestionGenerator.h"
#include "quiz/TableChoice.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    numberlark::SessionRecord record;
    numberlark::TableChoice choice(record);
    choice.select(numberlark::kOtherIndex);
    choice.setOtherText(std::string(reinterpret_cast<const char*>(data), size));
    if (!choice.canStart()) {
        if (choice.otherProblem().empty()) {
            std::abort();
        }
        return 0;
    }
    numberlark::ClockSeededRandom random(static_cast<unsigned>(size));
    const int table = record.current_table == 0 ? 9 : record.current_table;
    for (int i = 0; i < 10; ++i) {
        numberlark::think_of_numbers(record, false, random);
        if (record.answer % table != 0 || record.answer / table < 1 || record.answer / table > 10) {
            std::abort();
        }
    }
    return 0;
}
