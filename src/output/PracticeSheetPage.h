#pragma once

#include "output/PageCanvas.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace numberlark {

// A page of practice questions for one child: a bar, a heading with her
// name, the questions in a 4 x 10 grid like the certificate's, and a bar.
// A failing canvas step is reported and the page goes on, so the document
// is always ended.
class PracticeSheetPage {
public:
    using FailureReport = std::function<void(const QString& description)>;

    // `questions` as the certificate writes them, e.g. " 7 x 9"; up to forty.
    PracticeSheetPage(QString name, QStringList questions);

    void draw(PageCanvas& canvas, const FailureReport& report);

    QString heading() const;

private:
    void check(const Outcome& result);

    QString m_name;
    QStringList m_questions;
    PageCanvas* m_canvas = nullptr;
    const FailureReport* m_report = nullptr;
};

} // namespace numberlark
