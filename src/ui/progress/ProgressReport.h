#pragma once

#include "outcome/Outcome.h"
#include "progress/ProgressRecords.h"
#include "ui/print/PrintedDocument.h"
#include "ui/progress/ProgressSeams.h"

#include <QString>

#include <vector>

class QPagedPaintDevice;

namespace numberlark {

// A one-page report on a child for a parent or a teacher: the name, the
// dates the tests span, the chart of seconds per question, the facts grid
// in colour with its legend and the facts to practise, and the last tests.
class ProgressReport {
public:
    static constexpr int kLastTests = 10;

    ProgressReport(QString child, std::vector<progress::TestRecord> tests);

    // Asks for a file (Documents, "Numberlark progress - Sam.pdf") and
    // writes the report there; a failure is shown with the path and reason.
    void save(ProgressSeams& seams) const;
    // Writes the report as a PDF at `path`; the failure names the file and the reason.
    Outcome write(const QString& path) const;
    void paint(QPagedPaintDevice& device) const;

    static QString suggestedPdfName(const QString& child);

private:
    PrintedDocument document() const;

    QString m_child;
    std::vector<progress::TestRecord> m_tests;
};

} // namespace numberlark
