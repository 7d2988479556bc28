#pragma once

#include <QString>
#include <QWidget>

#include <vector>

class QComboBox;
class QLabel;
class QPushButton;

namespace numberlark {

// The first page: who is practising. A name from the log, the most recent
// first, or a new one typed in; the grown-ups' settings sit apart in a
// corner.
class WhoPage : public QWidget {
    Q_OBJECT

public:
    explicit WhoPage(QWidget* parent = nullptr);

    void setChildren(const std::vector<QString>& children, const QString& offered);
    // Nothing practised will be kept: said first, above everything else.
    void setNotRemembered(bool notRemembered);
    void tellLogProblem(const QString& message);
    // The name as it will be kept: trimmed; empty when none is given.
    QString chosenName() const;
    // The page's heading, which a screen reader says first.
    QString question() const;

    QComboBox* namePicker() const { return m_names; }
    QPushButton* startButton() const { return m_start; }
    QPushButton* settingsButton() const { return m_settings; }
    QLabel* notice() const { return m_notice; }

signals:
    void startRequested();
    void settingsRequested();

private:
    void nameEdited();
    void refreshNotice();

    QLabel* m_notice = nullptr;
    QComboBox* m_names = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_settings = nullptr;
    bool m_notRemembered = false;
    QString m_logProblem;
};

} // namespace numberlark
