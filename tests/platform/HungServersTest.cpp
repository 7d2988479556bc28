#include "platform/sound/Bell.h"
#include "support/HungServer.h"
#include "support/LongestStall.h"
#include "support/ScriptedDialogs.h"
#include "ui/print/DocumentPrinter.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>

namespace numberlark {
namespace {

using namespace std::chrono_literals;

// A server that takes the connection and never answers holds none of the
// window's time: its event loop keeps serving a frequent timer throughout.
TEST(HungServers, TheWindowKeepsAnsweringWhileAServerNeverDoes)
{
    struct Case {
        const char* name;
        const char* variable; // where the client finds its server
        const char* scheme;
        std::function<void()> use;
        std::function<void()> check;
    };
    Bell bell(QStringList{QStringLiteral(NUMBERLARK_BELL_MODULE)}, nullptr);
    testing::ScriptedDialogs dialogs;
    dialogs.acceptOffer = false;
    DocumentPrinter printer(dialogs);
    printer.printer() =
        DocumentPrinter::defaultPrinter(3s, {QStringLiteral(NUMBERLARK_PRINT_MODULE)});
    PrintedDocument page;
    page.pdfInstead = QStringLiteral("Save it as a PDF?");
    page.draw = [](PageCanvas&, const PrintedDocument::FailureReport&) {};
    const Case cases[] = {
        {"sound", "PULSE_SERVER", "unix:",
         [&bell] {
             bell.ring();
             bell.ring();
         },
         [] {}},
        {"print", "CUPS_SERVER", "", [&] { printer.print(page); },
         [&dialogs] {
             ASSERT_EQ(dialogs.offered.size(), 1U);
             EXPECT_TRUE(dialogs.offered.front().text.startsWith(
                 QStringLiteral("The printer does not answer.")))
                 << dialogs.offered.front().text.toStdString();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const testing::HungServer server;
        ASSERT_TRUE(server.isListening());
        qputenv(c.variable, QByteArray(c.scheme) + server.path());
        EXPECT_LT(testing::longestStall(c.use, 4s), 1s);
        c.check();
        qunsetenv(c.variable);
    }
}

} // namespace
} // namespace numberlark
