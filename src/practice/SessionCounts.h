#pragma once

#include "practice/PracticeSettings.h"

#include <cmath>

namespace numberlark::practice {

// The tallies that keep a session's mix: its questions, those on facts the
// child did not know, and the facts taken on.
class SessionCounts {
public:
    explicit SessionCounts(int maxQuestions)
        : m_max(maxQuestions),
          m_unknownBudget(static_cast<int>(std::floor((1.0 - kKnownShare) * maxQuestions + 1e-9)))
    {
    }

    int asked() const { return m_asked; }
    int unknownAsked() const { return m_unknown; }
    int takenOn() const { return m_takenOn; }
    bool lastWasUnknown() const { return m_lastWasUnknown; }
    bool full() const { return m_asked >= m_max; }

    // One more question on a fact not known still leaves the known share
    // met at the full length, with `promised` such questions still to come.
    bool roomForUnknown(int promised) const { return m_unknown + promised + 1 <= m_unknownBudget; }
    bool mayTakeOn() const { return m_takenOn < kMaxTakenOnPerSession; }
    bool knownShareMet() const { return m_asked - m_unknown >= kKnownShare * m_asked - 1e-9; }

    void count(bool knownQuestion, bool tookOn)
    {
        ++m_asked;
        m_unknown += knownQuestion ? 0 : 1;
        m_takenOn += tookOn ? 1 : 0;
        m_lastWasUnknown = !knownQuestion;
    }

private:
    int m_max;
    int m_unknownBudget;
    int m_asked = 0;
    int m_unknown = 0;
    int m_takenOn = 0;
    bool m_lastWasUnknown = false;
};

} // namespace numberlark::practice
