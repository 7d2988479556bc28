#include "ui/about/FrmAbout.h"

#include "ui/common/Fonts.h"

#include "ui/about/MakerAddress.h"
#include "ui/about/MemoryPropertyBag.h"
#include "ui/common/FaceAnimation.h"
#include "version/Version.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace numberlark {

namespace {

// The window is laid out in twips (1/1440 inch); 15 twips make one logical pixel.
constexpr QRect twips(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}

constexpr QSize kClientSize{5190 / 15, 4815 / 15};
constexpr QPoint kFacePosition{840 / 15, 840 / 15};
const QString kHyphens = QStringLiteral("---------------------------");

QFont sansSerif(qreal points)
{
    QFont font(installedFamily(QStringLiteral("MS Sans Serif")));
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

QLabel* addCentredLabel(QWidget* parent, const QString& name, const QString& caption,
                        const QRect& rect, qreal points)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(rect);
    label->setFont(sansSerif(points));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

// Label3 is an array of labels; element i is named "Label3(i)".
QLabel* addLabel3(QWidget* parent, int index, const QString& caption, int top)
{
    return addCentredLabel(parent, QStringLiteral("Label3(%1)").arg(index), caption,
                           twips(720, top, 3735, 255), 8.25);
}

} // namespace

QString versionCaption(int major, int minor, int patch)
{
    return QStringLiteral("Version %1.%2.%3").arg(major).arg(minor).arg(patch);
}

FrmAbout::FrmAbout(URLLink::Opener opener, URLLink::MessageShower showMessage, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("FrmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(QStringLiteral("About Numberlark"));
    setFixedSize(kClientSize);
    createLabels();
    createLink(std::move(opener), std::move(showMessage));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setGeometry(twips(2040, 4320, 1095, 375));
    ok->setFont(sansSerif(8.25));
    ok->setDefault(true);
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    m_faces = new FaceAnimation(this);
    Form_Load();
}

void FrmAbout::createLabels()
{
    addCentredLabel(this, QStringLiteral("Label2"), QStringLiteral("\"Numberlark\""),
                    twips(240, 240, 4695, 615), 24);
    auto* rule = new QFrame(this);
    rule->setObjectName(QStringLiteral("Line1"));
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Plain);
    rule->setGeometry(480 / 15, 1440 / 15, (4680 - 480) / 15 + 1, 1);

    addLabel3(this, 0, QStringLiteral("Instructions at:"), 1680);
    addLabel3(this, 2, kHyphens, 2280);
    addLabel3(this, 3, kHyphens, 2520);
    m_versionLabel = addLabel3(this, 5, QString(), 3480);
}

void FrmAbout::createLink(URLLink::Opener opener, URLLink::MessageShower showMessage)
{
    m_link = new URLLink(this, std::move(opener), std::move(showMessage));
    m_link->setObjectName(QStringLiteral("URLLink1"));
    m_link->setGeometry(twips(735, 2010, 4110, 255));
    m_link->RestoreProperties(storedLinkDescription());
}

MemoryPropertyBag FrmAbout::storedLinkDescription()
{
    return MemoryPropertyBag({{QStringLiteral("Text"), QString::fromLatin1(kMakerWebAddress)},
                              {QStringLiteral("URL"), QString::fromLatin1(kMakerWebAddress)}});
}

void FrmAbout::Form_Load()
{
    centreOnScreen();
    m_faces->start(kFacePosition);
    m_versionLabel->setText(versionCaption(kVersionMajor, kVersionMinor, kVersionPatch));
}

// Centres the outer window, frame included. The frame is known once the
// window is shown, so the first show centres it again.
void FrmAbout::centreOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    const QSize outer = frameGeometry().size();
    move(area.x() + (area.width() - outer.width()) / 2,
         area.y() + (area.height() - outer.height()) / 2);
}

void FrmAbout::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        centreOnScreen();
    }
}

} // namespace numberlark
