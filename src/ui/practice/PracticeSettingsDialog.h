#pragma once

#include "practice/PracticeSettings.h"

#include <QDialog>

class QComboBox;

namespace numberlark {

// For grown-ups: how quick an answer must be to count as known (3, 6 or
// 12 seconds, or no limit) and how long a session lasts (3, 5 or 10
// minutes).
class PracticeSettingsDialog : public QDialog {
    Q_OBJECT

public:
    explicit PracticeSettingsDialog(const practice::PracticeSettings& current,
                                    QWidget* parent = nullptr);

    practice::PracticeSettings chosen() const;

    QComboBox* limitChoice() const { return m_limit; }
    QComboBox* lengthChoice() const { return m_length; }

private:
    practice::PracticeSettings m_current;
    QComboBox* m_limit = nullptr;
    QComboBox* m_length = nullptr;
};

} // namespace numberlark
