#pragma once

#include "practice/Fact.h"

#include <QWidget>

#include <memory>

class QLabel;
class QLineEdit;

namespace numberlark {

class Announcer;

// The question, large and calm: no clock on screen. The answer box keeps the
// focus and takes digits only; Enter in it is reported as `entered` with
// what it holds, never when it is empty. What appears is told to a screen
// reader the way the main window tells its questions.
class QuestionPage : public QWidget {
    Q_OBJECT

public:
    explicit QuestionPage(QWidget* parent = nullptr);
    ~QuestionPage() override;

    // A question; `verdict` on the one before ("correct"), or empty.
    // `focusArrives` when the page has just been shown: readers then say the
    // question with the focus.
    void ask(practice::Fact fact, const QString& verdict, bool focusArrives = false);
    // After a wrong answer: the whole fact, and the child types its answer.
    void showFact(practice::Fact fact);
    // The typed copy was not the answer: the fact stays.
    void askForCopyAgain(practice::Fact fact);

    QLabel* questionLabel() const { return m_question; }
    QLabel* verdictLabel() const { return m_verdict; }
    QLabel* promptLabel() const { return m_prompt; }
    QLineEdit* answerBox() const { return m_answer; }

signals:
    void entered(int value);

private:
    void enterPressed();
    void clearAnswer();

    QLabel* m_question = nullptr;
    QLineEdit* m_answer = nullptr;
    QLabel* m_verdict = nullptr;
    QLabel* m_prompt = nullptr;
    std::unique_ptr<Announcer> m_announcer;
};

} // namespace numberlark
