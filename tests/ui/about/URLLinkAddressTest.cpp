// What the desktop is asked to open for each kind of address: the link's own
// opener, with stand-ins for the desktop's handlers of each scheme.
#include "ui/about/URLLink.h"

#include "support/UrlHandlerStandIn.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

namespace numberlark {
namespace {

using testing::UrlHandlerStandIn;

struct AddressCase {
    const char* address; // "%1" stands for the temporary folder
    const char* opened;
};

// An address without a scheme that names an existing file, relative to the
// working folder or absolute, opens that file; anything else is a web address.
TEST(URLLinkAddress, ExistingFilesOpenAsFilesAndTheRestAsWebAddresses)
{
    QTemporaryDir folder;
    QDir(folder.path()).mkdir(QStringLiteral("sub"));
    for (const char* name : {"numberlark.csv", "sub/notes.txt"}) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    const AddressCase cases[] = {
        {"numberlark.csv", "file://%1/numberlark.csv"},
        {" numberlark.csv ", "file://%1/numberlark.csv"},
        {"sub/notes.txt", "file://%1/sub/notes.txt"},
        {"./sub/../numberlark.csv", "file://%1/numberlark.csv"},
        {"%1/numberlark.csv", "file://%1/numberlark.csv"},
        {"example.org", "http://example.org"},
        {"missing.csv", "http://missing.csv"},
        {"https://example.org/tables", "https://example.org/tables"},
    };
    for (const AddressCase& test : cases) {
        SCOPED_TRACE(test.address);
        UrlHandlerStandIn files(QStringLiteral("file"));
        UrlHandlerStandIn web(QStringLiteral("http"));
        UrlHandlerStandIn secureWeb(QStringLiteral("https"));
        URLLink link;
        link.setURL(QString::fromLatin1(test.address).replace("%1", folder.path()));
        QTest::mousePress(link.findChild<QLabel*>(QStringLiteral("lblURL")), Qt::LeftButton, {},
                          QPoint(3, 3));
        const QList<QUrl> opened = files.opened + web.opened + secureWeb.opened;
        ASSERT_EQ(opened.size(), 1);
        EXPECT_EQ(opened[0].toString().toStdString(),
                  QString::fromLatin1(test.opened).replace("%1", folder.path()).toStdString());
    }
    QDir::setCurrent(previous);
}

} // namespace
} // namespace numberlark
