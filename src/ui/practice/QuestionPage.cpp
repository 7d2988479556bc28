#include "ui/practice/QuestionPage.h"

#include "ui/common/Announcer.h"
#include "ui/common/SingleLineText.h"
#include "ui/common/SpokenTexts.h"
#include "ui/practice/PracticeTexts.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace numberlark {

namespace {

QFont sized(QFont font, double points, bool bold = false)
{
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QLabel* centredLabel(const char* name, const QFont& font, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignCenter);
    label->setFont(font);
    return label;
}

} // namespace

QuestionPage::QuestionPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("QuestionPage"));
    m_question = centredLabel("Question", sized(font(), 60, true), this);
    m_answer = new QLineEdit(this);
    m_answer->setObjectName(QStringLiteral("Answer"));
    m_answer->setAccessibleName(tr("Answer"));
    m_answer->setFont(sized(font(), 40));
    m_answer->setAlignment(Qt::AlignCenter);
    m_answer->setFixedWidth(220);
    // The largest answer, 12 x 12, has three digits.
    m_answer->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), this));
    keepSingleLine(m_answer);
    m_verdict = centredLabel("Verdict", sized(font(), 22), this);
    m_prompt = centredLabel("Prompt", sized(font(), 18), this);
    m_prompt->setWordWrap(true);

    auto* column = new QVBoxLayout(this);
    column->addStretch(2);
    column->addWidget(m_question);
    column->addSpacing(24);
    column->addWidget(m_answer, 0, Qt::AlignHCenter);
    column->addSpacing(16);
    column->addWidget(m_verdict);
    column->addWidget(m_prompt);
    column->addStretch(3);
    setFocusProxy(m_answer);
    m_announcer = std::make_unique<Announcer>(*m_answer);
    connect(m_answer, &QLineEdit::returnPressed, this, &QuestionPage::enterPressed);
}

QuestionPage::~QuestionPage() = default;

void QuestionPage::ask(practice::Fact fact, const QString& verdict, bool focusArrives)
{
    m_question->setText(shownFact(fact));
    m_verdict->setText(verdict);
    m_prompt->clear();
    clearAnswer();
    m_answer->setFocus();
    const QString question = spokenQuestion(fact.first, fact.second);
    // The first question comes with the focus, and readers say the box's
    // description with it: told once more, it would be heard twice.
    if (focusArrives) {
        m_announcer->describe(question);
        return;
    }
    // The verdict on the last answer and the new question, heard as one.
    m_announcer->announce(verdict.isEmpty() ? question
                                            : verdictWithQuestion(verdict, fact.first, fact.second),
                          question);
}

void QuestionPage::showFact(practice::Fact fact)
{
    m_question->setText(shownFactWithProduct(fact));
    m_verdict->setText(verdictNotYet());
    m_prompt->setText(copyPrompt(fact));
    clearAnswer();
    askForCopyAgain(fact);
}

void QuestionPage::askForCopyAgain(practice::Fact fact)
{
    clearAnswer();
    m_announcer->announce(spokenWrongAnswer(fact));
}

void QuestionPage::enterPressed()
{
    const QString text = m_answer->text().trimmed();
    if (!text.isEmpty()) {
        emit entered(text.toInt());
    }
}

// Emptied without a screen reader hearing the box change between verdict
// and question.
void QuestionPage::clearAnswer()
{
    Announcer::unannounced([this] { m_answer->clear(); });
}

} // namespace numberlark
