// The tests' private PostgreSQL for the end-to-end tests, which are Python,
// driven over stdin. Prints "ready", then answers each line: "login NAME
// ROLES" (comma-separated) with the new login's connection string, "sql STATEMENT" with the
// superuser's psql output; stops the server at the end of its input.
#include "support/PrivatePostgres.h"

#include <QCoreApplication>
#include <QTextStream>

using numberlark::testing::PrivatePostgres;
using namespace Qt::StringLiterals;

int main(int argc, char** argv)
{
    const QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    if (PrivatePostgres::binaryFolder().isEmpty()) {
        out << "missing PostgreSQL's server programs" << Qt::endl;
        return 77;
    }
    PrivatePostgres server;
    out << (server.isRunning() ? u"ready"_s : server.error()) << Qt::endl;
    QTextStream in(stdin);
    for (QString line; server.isRunning() && in.readLineInto(&line);) {
        const QStringList words = line.split(u' ');
        if (words.size() == 3 && words[0] == u"login"_s &&
            server.addLogin(words[1], words[2].split(u',').join(u", "_s))) {
            out << server.conninfo(words[1]);
        } else if (words[0] == u"sql"_s) {
            out << server.superuser(line.mid(4)).replace(u'\n', u'|');
        }
        out << Qt::endl;
    }
    return server.isRunning() ? 0 : 1;
}
