#pragma once

#include "ui/common/Dialogs.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QLabel;

namespace numberlark {

class PropertyBag;

// One line of underlined text; a left-button press on it opens an address
// (a web page, or a document the desktop knows how to open) with the
// desktop's default handler. The container may change or cancel each opening
// through GoToURL. Its properties live in the container's stored description
// (SetDefaults / RestoreProperties / SaveProperties).
class URLLink : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE setText)
    Q_CLASSINFO("Text.Description", "Text displayed in control")
    Q_CLASSINFO("Text.Category", "Text")
    Q_PROPERTY(QString URL READ URL WRITE setURL)
    Q_CLASSINFO("URL.Description",
                "URL loaded when mouse is clicked over text. May also be a data file that has an "
                "extension registered by an application on your system.")
    Q_CLASSINFO("URL.Category", "Behavior")
    Q_PROPERTY(bool ShowToolTip READ ShowToolTip WRITE setShowToolTip)
    Q_CLASSINFO("ShowToolTip.Description",
                "Determines if the URL is displayed in a tooltip when the mouse is parked over "
                "the text")
    Q_CLASSINFO("ShowToolTip.Category", "Behavior")

public:
    // Why an address could not be handed to the desktop at all.
    struct OpenFailure {
        int number = 0;
        QString description;
    };
    // Hands the address to the desktop; empty when a program was started.
    // Whether that program then manages to open the address is not reported.
    using Opener = std::function<std::optional<OpenFailure>(const QString& address)>;
    // The boxes the link shows.
    using MessageShower = std::shared_ptr<Dialogs>;

    // Starts with the defaults. Empty seams mean QDesktopServices::openUrl
    // and the desktop's message boxes over the control.
    explicit URLLink(QWidget* parent = nullptr, Opener opener = {}, MessageShower dialogs = {});

    QString Text() const;
    void setText(const QString& sText);
    QString URL() const { return m_address; }
    void setURL(const QString& sURL);
    bool ShowToolTip() const { return m_showToolTip; }
    void setShowToolTip(bool bShowToolTip);

    void SetDefaults();
    // Unreadable stored properties give all three defaults.
    void RestoreProperties(const PropertyBag& bag);
    void SaveProperties(PropertyBag& bag) const;

    static QString defaultAddress();

signals:
    // Raised by a left-button press on the text before anything opens. URL is
    // a copy of the address and Cancel is false. A handler may replace URL to
    // open another address this once (the URL property keeps its value), or
    // set Cancel to open nothing. The arguments are references into the
    // press handler, so connect directly (Qt::DirectConnection, or the
    // default within the GUI thread); a queued connection cannot carry them.
    void GoToURL(QString& URL, bool& Cancel);
    // A property changed, so the container should store the control again.
    void propertyChanged(const QString& name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void lblURL_MouseDown(Qt::MouseButton button);
    void openAddress(const QString& address);
    void UpdateToolTip();
    void applyLabelLook();

    QLabel* m_label;
    QString m_address;
    bool m_showToolTip = false;
    Opener m_open;
    MessageShower m_dialogs;
};

} // namespace numberlark
