#include "ui/about/URLLink.h"

#include "ui/common/Fonts.h"

#include "artwork/Artwork.h"
#include "settings/Settings.h"
#include "ui/about/MakerAddress.h"
#include "ui/about/PropertyBag.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QUrl>

#include <cmath>

namespace numberlark {

namespace {

const QString kTextName = QStringLiteral("Text");
const QString kUrlName = QStringLiteral("URL");
const QString kShowToolTipName = QStringLiteral("ShowToolTip");

constexpr int kBadAddressError = 1;
constexpr int kNoHandlerError = 2;

// An address without a scheme that names an existing file, relative to the
// working folder or absolute, is that file; anything else is read as a web
// address. Blanks around a typed address are not part of it.
QUrl toUrl(const QString& address)
{
    const QString trimmed = address.trimmed();
    const bool hasScheme = !QUrl(trimmed).scheme().isEmpty() && !QDir::isAbsolutePath(trimmed);
    if (!trimmed.isEmpty() && !hasScheme) {
        const QFileInfo file(QDir::current(), trimmed);
        if (file.exists()) {
            return QUrl::fromLocalFile(file.absoluteFilePath());
        }
    }
    return QUrl::fromUserInput(trimmed, QDir::currentPath());
}

std::optional<URLLink::OpenFailure> openWithDesktop(const QString& address)
{
    const QUrl url = toUrl(address);
    if (!url.isValid() || url.isEmpty()) {
        return URLLink::OpenFailure{kBadAddressError,
                                    URLLink::tr("This is not an address that can be opened")};
    }
    if (!QDesktopServices::openUrl(url)) {
        return URLLink::OpenFailure{kNoHandlerError,
                                    URLLink::tr("No program could be started to open it")};
    }
    return std::nullopt;
}

std::optional<QString> toText(const std::optional<QVariant>& stored)
{
    if (!stored || !stored->isValid() || stored->typeId() == QMetaType::QStringList ||
        !stored->canConvert<QString>()) {
        return std::nullopt;
    }
    return stored->toString();
}

// A stored flag: a Boolean, or text read as the settings read theirs (a
// number, non-zero is true, or the words "True"/"False" in any case). A
// description is stored the same everywhere, so its numbers are read in the
// C locale. Anything else fails.
std::optional<bool> toFlag(const std::optional<QVariant>& stored)
{
    if (!stored || !stored->isValid()) {
        return std::nullopt;
    }
    if (stored->typeId() == QMetaType::Bool) {
        return stored->toBool();
    }
    return toBoolean(stored->toString(), QLocale::c());
}

// The link's text. While the link has the keyboard focus a dotted frame in
// the link's colour is drawn round it, so a keyboard user sees where the
// focus is (the style's own focus frame is too faint on white).
class LinkText : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QLabel::paintEvent(event);
        if (parentWidget() == nullptr || !parentWidget()->hasFocus()) {
            return;
        }
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

// Screen readers announce the control as a link, named by its text.
QAccessibleInterface* linkAccessible(const QString& className, QObject* object)
{
    if (className != QLatin1String("numberlark::URLLink") || !object->isWidgetType()) {
        return nullptr;
    }
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Link);
}

QFont linkFont()
{
    QFont font(installedFamily(QStringLiteral("MS Sans Serif")));
    font.setPointSizeF(8.25);
    font.setUnderline(true);
    return font;
}

} // namespace

URLLink::URLLink(QWidget* parent, Opener opener, MessageShower dialogs)
    : QWidget(parent), m_label(new LinkText(this)), m_open(std::move(opener)),
      m_dialogs(std::move(dialogs))
{
    if (!m_dialogs) {
        m_dialogs = std::make_shared<DesktopDialogs>(this);
    }
    static const bool accessibleAsLink = (QAccessible::installFactory(linkAccessible), true);
    Q_UNUSED(accessibleAsLink);
    setFocusPolicy(Qt::StrongFocus); // a link the keyboard cannot reach is no link for many
    if (!m_open) {
        m_open = openWithDesktop;
    }
    setCursor(handCursor());
    m_label->setObjectName(QStringLiteral("lblURL"));
    m_label->setTextFormat(Qt::PlainText);
    m_label->setFont(linkFont());
    m_label->setAutoFillBackground(true);
    m_label->setCursor(handCursor());
    m_label->installEventFilter(this);
    applyLabelLook();
    SetDefaults();
}

QString URLLink::defaultAddress()
{
    return QString::fromLatin1(kMakerWebAddress);
}

QString URLLink::Text() const
{
    return m_label->text();
}

// The label sits at the top-left corner, exactly as large as the text; the
// control keeps its own size, so a longer text is cut off at its edge.
void URLLink::setText(const QString& sText)
{
    m_label->setText(sText);
    setAccessibleName(sText);
    const QFontMetrics metrics(m_label->font());
    m_label->setGeometry(0, 0, metrics.horizontalAdvance(sText), metrics.height());
    emit propertyChanged(kTextName);
}

void URLLink::setURL(const QString& sURL)
{
    m_address = sURL;
    UpdateToolTip();
    emit propertyChanged(kUrlName);
}

void URLLink::setShowToolTip(bool bShowToolTip)
{
    m_showToolTip = bShowToolTip;
    UpdateToolTip();
    emit propertyChanged(kShowToolTipName);
}

void URLLink::UpdateToolTip()
{
    m_label->setToolTip(m_showToolTip ? m_address : QString());
}

void URLLink::SetDefaults()
{
    setText(defaultAddress());
    m_address = defaultAddress();
    setShowToolTip(false);
}

void URLLink::RestoreProperties(const PropertyBag& bag)
{
    const auto text = toText(bag.readProperty(kTextName, defaultAddress()));
    const auto address = toText(bag.readProperty(kUrlName, defaultAddress()));
    const auto flag = toFlag(bag.readProperty(kShowToolTipName, false));
    if (!text || !address || !flag) {
        SetDefaults();
        return;
    }
    setText(*text);
    m_address = *address;
    setShowToolTip(*flag);
}

void URLLink::SaveProperties(PropertyBag& bag) const
{
    bag.writeProperty(kTextName, Text(), defaultAddress());
    bag.writeProperty(kUrlName, m_address, defaultAddress());
    bag.writeProperty(kShowToolTipName, m_showToolTip, false);
}

bool URLLink::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_label && event->type() == QEvent::MouseButtonPress) {
        lblURL_MouseDown(static_cast<QMouseEvent*>(event)->button());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// Any other button only puts the normal pointer back, ending a busy pointer
// that was left behind.
void URLLink::lblURL_MouseDown(Qt::MouseButton button)
{
    if (button != Qt::LeftButton) {
        while (QApplication::overrideCursor() != nullptr) {
            QApplication::restoreOverrideCursor();
        }
        return;
    }
    QString address = m_address;
    bool cancel = false;
    const QPointer<URLLink> self(this);
    emit GoToURL(address, cancel);
    if (cancel || self.isNull()) {
        return;
    }
    openAddress(address);
}

// The busy pointer covers the hand-over to the desktop; it is gone before
// any message appears.
void URLLink::openAddress(const QString& address)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto failure = m_open(address);
    QApplication::restoreOverrideCursor();
    if (!failure) {
        return;
    }
    //: %1 the address, %2 why it failed, %3 the error number.
    const QString text = tr("Unable to load '%1' : %2 (Error %3)")
                             .arg(address, failure->description, QString::number(failure->number));
    m_dialogs->tell(QApplication::applicationDisplayName(), text, QMessageBox::Warning);
}

// Enter and Space follow the link, as a left-button press on its text does.
void URLLink::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        lblURL_MouseDown(Qt::LeftButton);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void URLLink::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    m_label->update();
}

void URLLink::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    m_label->update();
}

void URLLink::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
}

void URLLink::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange) {
        applyLabelLook();
    }
    QWidget::changeEvent(event);
}

// White behind the text, which takes the palette's highlight colour.
void URLLink::applyLabelLook()
{
    QPalette look = m_label->palette();
    look.setColor(QPalette::Window, Qt::white);
    look.setColor(QPalette::WindowText, palette().color(QPalette::Highlight));
    m_label->setPalette(look);
}

} // namespace numberlark
