#pragma once

#include "outcome/Outcome.h"
#include "practice/PracticeSettings.h"
#include "progress/ProgressRecords.h"
#include "ui/print/PrintedDocument.h"
#include "ui/progress/ProgressSeams.h"

#include <QString>

#include <vector>

namespace numberlark {

// A one-page report on a child for a parent or a teacher: the name, her
// tests and practice, the last 30 days' practice and facts learnt, the
// trend of seconds per question with its sentence beside the facts known
// week by week, the facts grid with its marks and legend and the facts to
// practise, and the last tests.
class ProgressReport {
public:
    static constexpr int kLastTests = 10;

    // The tests list is the tests alone; the trend, the facts known and the
    // facts grid count the practice answers too.
    ProgressReport(QString child, std::vector<progress::TestRecord> tests,
                   std::vector<progress::PracticeSessionRecord> practice = {},
                   practice::FluencyLimit limit = practice::PracticeSettings{}.fluencyLimit);

    // Asks for a file (Documents, "Numberlark progress - Sam.pdf") and
    // writes the report there, as the document printer saves every PDF.
    void save(ProgressSeams& seams) const;
    // Writes the report as a PDF at `path` through the document printer; the
    // first failure names the file and the reason.
    Outcome write(const QString& path) const;
    // The report as a page for the document printer.
    PrintedDocument document() const;
    // Draws the page, millimetres from the printable area's top left, and
    // ends the document; each failure goes to `report`.
    void draw(PageCanvas& canvas, const PrintedDocument::FailureReport& report) const;

    static QString suggestedPdfName(const QString& child);

private:
    QString m_child;
    std::vector<progress::TestRecord> m_tests;
    std::vector<progress::PracticeSessionRecord> m_practice;
    practice::FluencyLimit m_limit;
};

} // namespace numberlark
