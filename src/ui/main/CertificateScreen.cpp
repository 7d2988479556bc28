#include "ui/main/CertificateScreen.h"

#include "quiz/Completion.h"
#include "quiz/QuizSession.h"
#include "quiz/TableChoice.h"
#include "ui/common/Announcer.h"
#include "ui/common/SpokenTexts.h"
#include "ui/main/CaptionLabel.h"
#include "ui/main/DateLine.h"
#include "ui/main/DrawingSurface.h"
#include "ui/main/InputGate.h"
#include "ui/main/ShownTexts.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace numberlark {

namespace {

constexpr int kBeeps = 12;
constexpr double kPromptPoints = 10.0;
constexpr double kSentencePoints = 12.0;

void setPointSize(QWidget& widget, double points)
{
    QFont font = widget.font();
    font.setPointSizeF(points);
    widget.setFont(font);
}

} // namespace

CertificateScreen::CertificateScreen(const QuizSession& session, const MainControls& controls,
                                     const WindowSeams& seams, OuterSize outerSize,
                                     Announcer& announcer, QObject* parent)
    : QObject(parent), m_session(session), m_controls(controls), m_seams(seams),
      m_outerSize(std::move(outerSize)), m_announcer(announcer)
{
}

void CertificateScreen::finish_test()
{
    m_controls.Timer1->stop();
    m_controls.Timer1->setInterval(0);
    m_seams.pause(this, [this] { announce(); });
}

// The result is told in one short breath as "Well Done" shows, before the
// certificate is drawn and long before the child types her name, which a
// reader would let cut it off.
void CertificateScreen::announce()
{
    m_controls.LblQuestion->setCaption(tr("Well Done"));
    m_announcer.announce(spokenCompletion(m_session.record()));
    if (m_session.record().allow_sound && m_seams.beep) {
        for (int i = 0; i < kBeeps; ++i) {
            m_seams.beep();
        }
    }
    m_seams.pause(this, [this] { m_seams.pause(this, [this] { showCertificate(); }); });
}

void CertificateScreen::showCertificate()
{
    const SizeTwips outer = m_outerSize();
    showNamePrompt(outer);
    m_controls.Lbldate->show();
    hideTestPictures();
    showDateLine(outer);
    m_controls.ImgCertificate->show();
    makeNameBox(outer);
    showResultSentence(outer);
    showPrintButton();
    m_controls.TxtAnswer->setFocus();
    describeCertificate();
    m_controls.surface->drawPolylines(draw_rainbow_border(outer.width, outer.height));
}

// The prompt stands at the left of the name box, level with it.
void CertificateScreen::showNamePrompt(SizeTwips outer)
{
    CaptionLabel& prompt = *m_controls.LblQuestion;
    setPointSize(prompt, kPromptPoints);
    setTopTwips(prompt, (outer.height - heightTwips(*m_controls.TxtAnswer)) / 2 - 1000);
    setLeftTwips(prompt, 400);
    prompt.setCaption(tr("Type your name here.."));
}

void CertificateScreen::hideTestPictures()
{
    m_controls.Imgwhiteboard->hide();
    m_controls.Imgsign->hide();
    m_controls.Imgclock->hide();
    m_controls.lblscoresofar->hide();
}

void CertificateScreen::showDateLine(SizeTwips outer)
{
    CaptionLabel& date = *m_controls.Lbldate;
    const QDateTime now = m_seams.now();
    m_storedDateLine = dateLine(now, QLocale::system());
    date.setCaption(shownDateLine(now));
    setTopTwips(date, (outer.height - heightTwips(*m_controls.TxtAnswer)) / 2 + 1000);
    setLeftTwips(date, (outer.width - widthTwips(date)) / 2);
}

void CertificateScreen::makeNameBox(SizeTwips outer)
{
    QLineEdit& box = *m_controls.TxtAnswer;
    setWidthTwips(box, outer.width / 2);
    setTopTwips(box, (outer.height - heightTwips(box)) / 2 - 1000);
    setLeftTwips(box, (outer.width - widthTwips(box)) / 2);
    setClosedToInput(box, false);
}

// The label sizes itself to its text, so after the font change it has the
// sentence's own size at 12 pt and is centred with that size.
void CertificateScreen::showResultSentence(SizeTwips outer)
{
    CaptionLabel& label = *m_controls.LblTimer;
    label.setAccessibleName(QString()); // the clock's seconds give way to the sentence
    const bool mixed = m_controls.Option1[kMixedIndex]->isChecked();
    label.setCaption(resultSentence(m_session.record(), mixed));
    setWidthTwips(label, outer.width * 0.9f);
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label.setPalette(palette);
    setPointSize(label, kSentencePoints);
    setTopTwips(label, (outer.height - heightTwips(label)) / 2 - 200);
    setLeftTwips(label, (outer.width - widthTwips(label)) / 2);
}

// Shown whatever the setting; usable only when printing is allowed.
void CertificateScreen::showPrintButton()
{
    m_controls.Cmdprint->show();
    if (!m_session.record().allow_printing) {
        m_controls.Cmdprint->setEnabled(false);
    }
}

// The box is named for what it now asks, and tells the whole certificate
// with the prompt when asked; the short version has been spoken already.
// The date line begins "on ...", so it follows the sentence as one.
void CertificateScreen::describeCertificate()
{
    m_controls.TxtAnswer->setAccessibleName(tr("Your name"));
    //: %1 the certificate's name, %2 the table, %3 the date line ("on ..."), %4 the prompt.
    m_announcer.describe(tr("%1: %2 %3. %4")
                             .arg(m_controls.ImgCertificate->accessibleName(),
                                  m_controls.LblTimer->text(), m_controls.Lbldate->text(),
                                  m_controls.LblQuestion->text()));
}

} // namespace numberlark
