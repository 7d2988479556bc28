// A private classroom server for the end-to-end tests, which are Python:
// the same PostgreSQL the C++ tests start, driven over stdin. It prints
// "ready" once set up, then answers each line:
//   login NAME ROLE   adds a login and prints its connection string
//   sql STATEMENT     runs it as the superuser and prints psql's output
//   stop | start      stops or starts the server, printing "ok" or "failed"
// and stops the server at the end of its input.
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
        out << "missing PostgreSQL's server programs\n";
        return 77;
    }
    PrivatePostgres server;
    if (!server.isRunning()) {
        out << "failed " << server.error() << '\n';
        return 1;
    }
    out << "ready" << Qt::endl;
    QTextStream in(stdin);
    for (QString line; in.readLineInto(&line);) {
        const QString command = line.section(u' ', 0, 0);
        const QString rest = line.section(u' ', 1);
        if (command == u"login"_s) {
            const bool added = server.addLogin(rest.section(u' ', 0, 0), rest.section(u' ', 1));
            out << (added ? server.conninfo(rest.section(u' ', 0, 0)) : u"failed"_s);
        } else if (command == u"sql"_s) {
            out << server.superuser(rest).replace(u'\n', u'|');
        } else if (command == u"stop"_s || command == u"start"_s) {
            out << ((command == u"stop"_s ? server.stop() : server.start()) ? "ok" : "failed");
        } else {
            out << "unknown command";
        }
        out << Qt::endl;
    }
    return 0;
}
