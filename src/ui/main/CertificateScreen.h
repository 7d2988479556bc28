#pragma once

#include "ui/main/MainControls.h"
#include "ui/main/Twips.h"
#include "ui/main/WindowSeams.h"

#include <QObject>
#include <QString>

namespace numberlark {

class Announcer;
class QuizSession;

// The end of a test (finish_test): the clock stops, "Well Done" (and the
// beeps when sound is on), then the window becomes the on-screen certificate
// with the result sentence, the date line, the name box, the Print button
// and the zigzag border.
class CertificateScreen : public QObject {
    Q_OBJECT

public:
    CertificateScreen(const QuizSession& session, const MainControls& controls,
                      const WindowSeams& seams, OuterSize outerSize, Announcer& announcer,
                      QObject* parent = nullptr);

    void finish_test();

    // The date line for the results file: English words and the system's
    // formats whatever the language on screen; "Date" until the certificate.
    QString storedDateLine() const { return m_storedDateLine; }

private:
    void announce();
    void showCertificate();
    void showNamePrompt(SizeTwips outer);
    void hideTestPictures();
    void showDateLine(SizeTwips outer);
    void makeNameBox(SizeTwips outer);
    void showResultSentence(SizeTwips outer);
    void showPrintButton();
    void describeCertificate();

    const QuizSession& m_session;
    MainControls m_controls;
    const WindowSeams& m_seams;
    OuterSize m_outerSize;
    Announcer& m_announcer;
    QString m_storedDateLine = QStringLiteral("Date");
};

} // namespace numberlark
