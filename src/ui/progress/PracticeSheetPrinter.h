#pragma once

#include "progress/TrickyFacts.h"
#include "ui/progress/ProgressSeams.h"

#include <QCoreApplication>
#include <QString>

#include <vector>

namespace numberlark {

inline constexpr int kPracticeQuestions = 40;

// Prints a child's practice sheet on the default printer without a dialog,
// or saves it as a PDF when asked or when there is no printer to print on:
// the certificate's way, through the document printer.
class PracticeSheetPrinter {
    Q_DECLARE_TR_FUNCTIONS(PracticeSheetPrinter)

public:
    explicit PracticeSheetPrinter(ProgressSeams& seams);

    void print(const QString& child, const std::vector<progress::PracticeQuestion>& questions,
               bool toPdf);
    // "Numberlark practice - Sam.pdf", safe for any file system.
    static QString suggestedPdfName(const QString& child);

private:
    ProgressSeams& m_seams;
};

} // namespace numberlark
