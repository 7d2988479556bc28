#pragma once

#include "progress/ProgressRecords.h"

#include <QWidget>

#include <vector>

class QLabel;

namespace numberlark {

// What each colour of the facts grid means: a swatch and a line per grade,
// and once a child's facts are shown, how many facts have that grade.
class FactsLegend : public QWidget {
    Q_OBJECT

public:
    explicit FactsLegend(QWidget* parent = nullptr);

    void setCounts(const std::vector<progress::FactStats>& stats);

private:
    std::vector<QLabel*> m_lines; // in the order of kAllGrades
};

// "Known (5)": a grade's name with how many facts have it.
QString gradeCounted(practice::Fluency grade, const std::vector<progress::FactStats>& stats);

} // namespace numberlark
