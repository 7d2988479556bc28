#include "ui/practice/PracticeSettingsDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <chrono>

namespace numberlark {

namespace {

using std::chrono::milliseconds;

// Milliseconds in each item's data; -1 for no limit.
constexpr qint64 kUntimed = -1;

} // namespace

PracticeSettingsDialog::PracticeSettingsDialog(const practice::PracticeSettings& current,
                                               QWidget* parent)
    : QDialog(parent), m_current(current)
{
    setObjectName(QStringLiteral("PracticeSettings"));
    setWindowTitle(tr("Practice Settings"));
    m_limit = new QComboBox(this);
    m_limit->setObjectName(QStringLiteral("FluencyLimit"));
    for (const auto seconds : practice::kFluencyLimitChoices) {
        const qint64 ms = std::chrono::duration_cast<milliseconds>(seconds).count();
        m_limit->addItem(tr("%n seconds", nullptr, static_cast<int>(seconds.count())), ms);
    }
    m_limit->addItem(tr("No limit (right at the first try is enough)"), kUntimed);
    m_limit->setCurrentIndex(
        m_limit->findData(current.fluencyLimit ? current.fluencyLimit->count() : kUntimed));
    m_length = new QComboBox(this);
    m_length->setObjectName(QStringLiteral("SessionLength"));
    for (const auto minutes : practice::kLengthChoices) {
        m_length->addItem(tr("%n minutes", nullptr, static_cast<int>(minutes.count())),
                          static_cast<int>(minutes.count()));
    }
    m_length->setCurrentIndex(m_length->findData(static_cast<int>(current.length.count())));

    auto* explanation =
        new QLabel(tr("A fact counts as known when it is answered right at the first try "
                      "within the time limit. A session ends after its length or %n "
                      "questions, whichever comes first.",
                      nullptr, current.maxQuestions),
                   this);
    explanation->setWordWrap(true);
    auto* form = new QFormLayout;
    form->addRow(tr("&Time limit for a known fact:"), m_limit);
    form->addRow(tr("&Length of a session:"), m_length);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* column = new QVBoxLayout(this);
    column->addWidget(explanation);
    column->addLayout(form);
    column->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    setMinimumWidth(460);
}

practice::PracticeSettings PracticeSettingsDialog::chosen() const
{
    practice::PracticeSettings settings = m_current;
    const qint64 limit = m_limit->currentData().toLongLong();
    settings.fluencyLimit = limit == kUntimed ? std::nullopt : std::optional(milliseconds{limit});
    settings.length = std::chrono::minutes{m_length->currentData().toInt()};
    return settings;
}

} // namespace numberlark
