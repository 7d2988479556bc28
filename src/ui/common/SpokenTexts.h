#pragma once

#include <QString>

namespace numberlark {

struct SessionRecord;

// What a screen reader is given to say, in the language on screen. The
// screen's own texts are written for the eye (" 9 x 4"); a speech engine
// reads the x as a letter, so a question is told in words.

// "9 times 4".
QString spokenQuestion(int first, int second);

// The verdict, then the question that stays: what the answer box tells when
// asked after a wrong answer.
QString verdictWithQuestion(const QString& verdict, int first, int second);

// The certificate in one short breath, told as soon as the test is over:
// "Well done! 3 questions in 30 seconds. Type your name." The whole
// sentence stays on screen and in the name box's description.
QString spokenCompletion(const SessionRecord& record);

} // namespace numberlark
