#pragma once

#include <cstdint>
#include <string>

namespace numberlark {

// The main window's quiz state. Integers are signed 16-bit like everything
// the program stores or shows. The options window edits the four public
// settings while the program runs, so they are read afresh at every use.
struct SessionRecord {
    std::int16_t Numofquestions = 20;
    std::string question;
    bool allow_printing = false;
    bool allow_saving = false;
    bool allow_sound = false;

    std::int16_t score = 0;           // questions answered correctly; never falls
    std::int16_t answer = 0;          // product of the current question
    std::int16_t previous_answer = 0; // product of the question before
    std::int16_t current_table = 0;   // 0 means none chosen, read as 9
    std::int16_t clock_seconds = 0;   // each tick shows it, then adds one
};

} // namespace numberlark
