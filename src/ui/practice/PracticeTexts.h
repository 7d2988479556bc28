#pragma once

#include "practice/Fact.h"
#include "practice/PracticeSession.h"
#include "practice/Schedule.h"

#include <QString>

#include <chrono>
#include <optional>

namespace numberlark {

// The practice window's words, for the eye and for a screen reader. Facts
// are written as the main window writes its questions ("7 x 8") and spoken
// in words ("7 times 8"), so a speech engine never reads the x as a letter.

int productOf(practice::Fact fact);
QString shownFact(practice::Fact fact);            // "7 x 8"
QString shownFactWithProduct(practice::Fact fact); // "7 x 8 = 56"
// "Not yet. 7 times 8 is 56. Type 56 to go on."
QString spokenWrongAnswer(practice::Fact fact);
QString copyPrompt(practice::Fact fact); // "Type 56 to go on."
QString verdictCorrect();                // "correct"
QString verdictNotYet();                 // "not yet"

// Why a session ended, when it ended before its time: "That's all for
// today: ...", with a space after it; empty otherwise.
QString endingText(practice::PracticeSession::Ending ending);

// When to come back, from the day the session was on, and for how long:
// "See you tomorrow: 5 minutes of practice." Nothing tried yet: come back
// tomorrow.
QString comeBackText(const std::optional<practice::Schedule::Reviews>& next,
                     std::chrono::local_days today, std::chrono::minutes length);

} // namespace numberlark
