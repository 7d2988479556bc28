#pragma once

#include "classroom/ClassQueries.h"
#include "outcome/Outcome.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QToolButton;

namespace numberlark {

// The line above the progress window's tool bar on a computer that knows
// the school's server: what the server said of this login, and, for a
// teacher's login, the choice between this computer's own log and the
// whole class, with the class's export.
class ClassSourceBar : public QWidget {
    Q_OBJECT

public:
    explicit ClassSourceBar(QWidget* parent = nullptr);

    void showConnecting();
    // After the server was asked whether and which classes this login reads.
    void showAccess(const classroom::ClassAccess& access, const Outcome& failure);
    bool classChosen() const;
    void setExportEnabled(bool enabled);

    // The parts tests look at.
    QToolButton* thisComputerButton() const { return m_thisComputer; }
    QToolButton* classButton() const { return m_class; }
    QPushButton* exportButton() const { return m_export; }
    QLabel* note() const { return m_note; }
    QToolButton* tryAgainButton() const { return m_tryAgain; }

signals:
    void sourceChosen(bool classView);
    void exportRequested();
    void tryAgainRequested();

private:
    QToolButton* m_thisComputer = nullptr;
    QToolButton* m_class = nullptr;
    QPushButton* m_export = nullptr;
    QLabel* m_note = nullptr;
    QToolButton* m_tryAgain = nullptr;
};

} // namespace numberlark
