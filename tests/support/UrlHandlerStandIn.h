#pragma once

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

namespace numberlark::testing {

// Stands in for the desktop's handler of one URL scheme (the browser for
// "https", the file viewer for "file") while it exists, and lists what it
// was asked to open. Nothing real is started.
class UrlHandlerStandIn : public QObject {
    Q_OBJECT

public:
    explicit UrlHandlerStandIn(const QString& scheme) : m_scheme(scheme)
    {
        QDesktopServices::setUrlHandler(m_scheme, this, "open");
    }
    ~UrlHandlerStandIn() override { QDesktopServices::unsetUrlHandler(m_scheme); }
    UrlHandlerStandIn(const UrlHandlerStandIn&) = delete;
    UrlHandlerStandIn& operator=(const UrlHandlerStandIn&) = delete;

    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }

private:
    QString m_scheme;
};

} // namespace numberlark::testing
