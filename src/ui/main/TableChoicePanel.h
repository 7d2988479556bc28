#pragma once

#include "ui/main/MainControls.h"

#include <QObject>

class QButtonGroup;

namespace numberlark {

class TableChoice;

// The thirteen table option buttons and the "Other" box, kept in step with
// the session's table choice. The buttons are one radio group to the
// keyboard: Tab reaches the selected one, the arrow keys select. A refused "Other" table is shown
// on the box (a red frame and a tooltip saying what is allowed) and keeps TEST disabled until it is
// put right or another table is chosen.
class TableChoicePanel : public QObject {
    Q_OBJECT

public:
    TableChoicePanel(TableChoice& choice, const MainControls& controls, QObject* parent = nullptr);

    void Option1_Click(int index);
    void TxtOther_Change(const QString& text);

private:
    void keepTabOnSelected();
    void showValidity();

    TableChoice& m_choice;
    MainControls m_controls;
    QButtonGroup* m_group;
};

} // namespace numberlark
