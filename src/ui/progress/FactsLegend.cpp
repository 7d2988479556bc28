#include "ui/progress/FactsLegend.h"

#include "ui/progress/FactGradeStyle.h"

#include "progress/FactStats.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>

#include <algorithm>

namespace numberlark {

namespace {

constexpr int kSwatchSize = 16;

} // namespace

FactsLegend::FactsLegend(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FactsLegend"));
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    for (const practice::Fluency grade : kAllGrades) {
        auto* swatch = new QLabel(gradeMark(grade), this);
        swatch->setAlignment(Qt::AlignCenter);
        swatch->setFixedSize(kSwatchSize, kSwatchSize);
        swatch->setStyleSheet(
            QStringLiteral("background: %1; color: %2; border: 1px solid #888; font-weight: bold;")
                .arg(gradeColour(grade).name(), gradeTextColour(grade).name()));
        auto* text = new QLabel(
            QStringLiteral("<b>%1</b>: %2").arg(gradeName(grade), gradeMeaning(grade)), this);
        m_lines.push_back(text);
        layout->addWidget(swatch, row, 0);
        layout->addWidget(text, row, 1);
        ++row;
    }
    layout->setColumnStretch(1, 1);
}

void FactsLegend::setCounts(const std::vector<progress::FactStats>& stats)
{
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const practice::Fluency grade = kAllGrades[i];
        m_lines[i]->setText(
            QStringLiteral("<b>%1</b>: %2").arg(gradeCounted(grade, stats), gradeMeaning(grade)));
    }
}

QString gradeCounted(practice::Fluency grade, const std::vector<progress::FactStats>& stats)
{
    // The grid's squares never asked have no stats of their own.
    int count = progress::countWith(stats, grade);
    if (grade == practice::Fluency::NotAskedYet) {
        count = practice::kFactCount -
                static_cast<int>(std::count_if(stats.begin(), stats.end(), [](const auto& s) {
                    return practice::isValidFact(s.fact);
                }));
    }
    //: A grade of the facts grid and how many facts have it: "Known (5)".
    return QCoreApplication::translate("FactsLegend", "%1 (%2)").arg(gradeName(grade)).arg(count);
}

} // namespace numberlark
