#pragma once

#include <QWidget>

namespace numberlark {

// What each colour of the facts grid means: a swatch and a line per grade.
class FactsLegend : public QWidget {
    Q_OBJECT

public:
    explicit FactsLegend(QWidget* parent = nullptr);
};

} // namespace numberlark
