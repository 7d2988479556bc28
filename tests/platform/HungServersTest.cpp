#include "platform/sound/Bell.h"
#include "support/HungServer.h"
#include "support/LongestStall.h"

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
    const Case cases[] = {
        {"sound", "PULSE_SERVER", "unix:",
         [&bell] {
             bell.ring();
             bell.ring();
         },
         [] {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const testing::HungServer server;
        ASSERT_TRUE(server.isListening());
        qputenv(c.variable, QByteArray(c.scheme) + server.path());
        EXPECT_LT(testing::longestStall(c.use, 2500ms), 1s);
        c.check();
        qunsetenv(c.variable);
    }
}

} // namespace
} // namespace numberlark
