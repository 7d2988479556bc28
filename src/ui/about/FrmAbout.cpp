#include "ui/about/FrmAbout.h"

#include "ui/common/DialogLayout.h"

#include "ui/about/MakerAddress.h"
#include "ui/about/MemoryPropertyBag.h"
#include "ui/common/FaceAnimation.h"
#include "version/Version.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace numberlark {

namespace {

constexpr QSize kClientSize{5190 / 15, 4815 / 15};
constexpr QPoint kFacePosition{840 / 15, 840 / 15};
const QString kHyphens = QStringLiteral("---------------------------");

QFont sansSerif(qreal points)
{
    return designFont(QStringLiteral("MS Sans Serif"), points, true);
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
                           twipsRect(720, top, 3735, 255), 8.25);
}

} // namespace

QString versionCaption(int major, int minor, int patch)
{
    return FrmAbout::tr("Version %1.%2.%3").arg(major).arg(minor).arg(patch);
}

FrmAbout::FrmAbout(URLLink::Opener opener, URLLink::MessageShower dialogs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("FrmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(tr("About Numberlark"));
    setFixedSize(kClientSize);
    createLabels();
    createLink(std::move(opener), std::move(dialogs));

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setGeometry(twipsRect(2040, 4320, 1095, 375));
    ok->setFont(sansSerif(8.25));
    ok->setDefault(true);
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    m_faces = new FaceAnimation(this);
    Form_Load();
}

void FrmAbout::createLabels()
{
    addCentredLabel(this, QStringLiteral("Label2"), tr("\"Numberlark\""),
                    twipsRect(240, 240, 4695, 615), 24);
    auto* rule = new QFrame(this);
    rule->setObjectName(QStringLiteral("Line1"));
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Plain);
    rule->setGeometry(480 / 15, 1440 / 15, (4680 - 480) / 15 + 1, 1);

    addLabel3(this, 0, tr("Instructions at:"), 1680);
    addLabel3(this, 2, kHyphens, 2280);
    addLabel3(this, 3, kHyphens, 2520);
    m_versionLabel = addLabel3(this, 5, QString(), 3480);
}

void FrmAbout::createLink(URLLink::Opener opener, URLLink::MessageShower dialogs)
{
    m_link = new URLLink(this, std::move(opener), std::move(dialogs));
    m_link->setObjectName(QStringLiteral("URLLink1"));
    m_link->setGeometry(twipsRect(735, 2010, 4110, 255));
    m_link->RestoreProperties(storedLinkDescription());
}

MemoryPropertyBag FrmAbout::storedLinkDescription()
{
    return MemoryPropertyBag({{QStringLiteral("Text"), QString::fromLatin1(kMakerWebAddress)},
                              {QStringLiteral("URL"), QString::fromLatin1(kMakerWebAddress)}});
}

void FrmAbout::Form_Load()
{
    centreOnScreen(*this);
    m_faces->start(kFacePosition);
    m_versionLabel->setText(versionCaption(kVersionMajor, kVersionMinor, kVersionPatch));
}

void FrmAbout::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        centreOnScreen(*this);
    }
}

} // namespace numberlark
