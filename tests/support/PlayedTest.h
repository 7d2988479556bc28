#pragma once

#include "quiz/QuizSession.h"

#include <gtest/gtest.h>

#include <string>

namespace numberlark::testing {

// Plays the session's test to the end with right answers only.
inline void playToTheEnd(QuizSession& session)
{
    ASSERT_TRUE(session.start());
    while (session.phase() != QuizSession::Phase::Finished) {
        ASSERT_EQ(session.enter(std::to_string(session.record().answer)),
                  QuizSession::EnterOutcome::Correct);
        session.continueAfterPause();
    }
}

} // namespace numberlark::testing
