#include "ui/progress/FactsLegend.h"

#include "ui/progress/FactGradeStyle.h"

#include <QGridLayout>
#include <QLabel>

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
        layout->addWidget(swatch, row, 0);
        layout->addWidget(text, row, 1);
        ++row;
    }
    layout->setColumnStretch(1, 1);
}

} // namespace numberlark
