#pragma once

#include "output/PageCanvas.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <string>

namespace numberlark {

// What the printed certificate shows, taken from the session record and the
// main window at the moment of printing.
struct CertificateValues {
    QString name;                     // the text of the name box
    std::int16_t Numofquestions = 20; // the configured number, not the score
    bool mixed = false;               // the "Mixed" option is selected
    std::int16_t current_table = 0;   // read before any practice question
    std::int16_t clock_seconds = 0;   // one past the last value the clock showed
    QString dateLine;                 // the caption of the date label
};

// The printed certificate page: a bar, an instruction line, the certificate
// in a jagged frame, forty practice questions in a 4 x 10 grid and a second
// bar. Each canvas operation that fails is reported, and the page goes on
// with the next one, so the document is always ended.
class CertificatePage {
public:
    // Makes the next practice question text, e.g. " 7 x 9"; each call
    // continues the question generator's sequence.
    using NextQuestion = std::function<std::string()>;
    using FailureReport = std::function<void(const QString& description)>;

    CertificatePage(CertificateValues values, NextQuestion nextQuestion);

    void draw(PageCanvas& canvas, const FailureReport& report);

    // The assembled texts, in the program's number format.
    QString countLine() const;
    QString tableText() const;
    QString timeText() const;
    // 10.5 - L / 6 for a name of L characters (as a reader counts them).
    float nameX() const;

private:
    void check(const Outcome& result);
    void text(float size, float x, float y, const QString& line);
    void drawBar(float top);
    void drawHeading();
    void drawCertificate();
    enum class Edge { Horizontal, Vertical };
    void drawEdge(Edge edge, double startX, double startY);
    void drawPractice();

    CertificateValues m_values;
    NextQuestion m_nextQuestion;
    PageCanvas* m_canvas = nullptr;
    const FailureReport* m_report = nullptr;
};

} // namespace numberlark
