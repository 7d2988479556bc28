// A session manager of the end-to-end tests' own: it speaks the X session
// management protocol to the program on a unix socket only (never a network
// port) and, told "logout" on stdin, asks every client to save for a
// shutdown with the user's interaction allowed, then tells it to end, as a
// desktop's logout does; told "checkpoint", asks it to save and goes on.
//
// Usage: private_session_manager ICE_AUTHORITY_FILE
// Writes the authority file (a fresh cookie for each address), then prints
// the value for SESSION_MANAGER and what happens, a line each:
// "registered", "saved 1" (or 0), then "ended" when the client says goodbye
// or "gone" when it went without (a program may end once it has saved).

#include <X11/ICE/ICElib.h>
#include <X11/ICE/ICEutil.h>
#include <X11/SM/SMlib.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

// libICE's own transport layer: it is exported, but in no public header.
// NOLINTNEXTLINE(bugprone-reserved-identifier): the name is libICE's
extern "C" int _IceTransNoListen(const char* protocol);

namespace {

std::vector<IceConn> g_connections;
std::vector<SmsConn> g_clients;

void say(const std::string& line)
{
    std::cout << line << std::endl;
}

void forget(IceConn connection)
{
    std::erase(g_connections, connection);
    IceSetShutdownNegotiation(connection, False);
    IceCloseConnection(connection);
}

void leave(SmsConn client, const char* how)
{
    IceConn connection = SmsGetIceConnection(client);
    std::erase(g_clients, client);
    SmsCleanUp(client);
    forget(connection);
    say(how);
}

// A client that went without a goodbye is told apart, not an error here.
void dropped(IceConn connection)
{
    const auto client = std::ranges::find(g_clients, connection, SmsGetIceConnection);
    if (client != g_clients.end()) {
        leave(*client, "gone");
    } else {
        forget(connection);
    }
}

void noExitOnIoError(IceConn) {}

Status registerClient(SmsConn client, SmPointer, char* previousId)
{
    std::free(previousId);
    char* id = SmsGenerateClientID(client);
    const Status accepted = SmsRegisterClientReply(client, id);
    std::free(id);
    say("registered");
    return accepted;
}

void grantInteraction(SmsConn client, SmPointer, int)
{
    SmsInteract(client);
}
void interactionDone(SmsConn, SmPointer, Bool) {}
void clientAsksToSave(SmsConn, SmPointer, int, Bool, int, Bool, Bool) {}
void grantPhase2(SmsConn client, SmPointer)
{
    SmsSaveYourselfPhase2(client);
}

// A logout goes on: the client saved what it had, now it ends. After a
// checkpoint the session goes on.
bool g_loggingOut = false;

void saved(SmsConn client, SmPointer, Bool success)
{
    say(success ? "saved 1" : "saved 0");
    if (g_loggingOut) {
        SmsDie(client);
    }
}

void closed(SmsConn client, SmPointer, int count, char** reasons)
{
    SmFreeReasons(count, reasons);
    leave(client, "ended");
}

void setProperties(SmsConn, SmPointer, int count, SmProp** properties)
{
    std::for_each(properties, properties + count, SmFreeProperty);
    std::free(properties);
}

void deleteProperties(SmsConn, SmPointer, int count, char** names)
{
    std::for_each(names, names + count, std::free);
    std::free(names);
}

void getProperties(SmsConn client, SmPointer)
{
    SmsReturnProperties(client, 0, nullptr);
}

Status newClient(SmsConn client, SmPointer, unsigned long* mask, SmsCallbacks* callbacks, char**)
{
    *callbacks = {};
    callbacks->register_client.callback = registerClient;
    callbacks->interact_request.callback = grantInteraction;
    callbacks->interact_done.callback = interactionDone;
    callbacks->save_yourself_request.callback = clientAsksToSave;
    callbacks->save_yourself_phase2_request.callback = grantPhase2;
    callbacks->save_yourself_done.callback = saved;
    callbacks->close_connection.callback = closed;
    callbacks->set_properties.callback = setProperties;
    callbacks->delete_properties.callback = deleteProperties;
    callbacks->get_properties.callback = getProperties;
    *mask = SmsRegisterClientProcMask | SmsInteractRequestProcMask | SmsInteractDoneProcMask |
            SmsSaveYourselfRequestProcMask | SmsSaveYourselfP2RequestProcMask |
            SmsSaveYourselfDoneProcMask | SmsCloseConnectionProcMask | SmsSetPropertiesProcMask |
            SmsDeletePropertiesProcMask | SmsGetPropertiesProcMask;
    g_clients.push_back(client);
    return 1;
}

// Only a client that read the private authority file gets in: a fresh
// cookie for each address and protocol, in a file only its owner reads.
bool writeAuthority(const char* path, int count, IceListenObj* listeners)
{
    const int fd = open(path, O_WRONLY | O_CREAT | O_TRUNC, 0600);
    FILE* file = fd < 0 ? nullptr : fdopen(fd, "w");
    if (file == nullptr) {
        return false;
    }
    std::vector<IceAuthDataEntry> entries;
    char cookieName[] = "MIT-MAGIC-COOKIE-1";
    for (int i = 0; i < count; ++i) {
        char* address = IceGetListenConnectionString(listeners[i]);
        for (const char* protocol : {"ICE", "XSMP"}) {
            char* cookie = IceGenerateMagicCookie(16);
            IceAuthFileEntry line{
                const_cast<char*>(protocol), 0, nullptr, address, cookieName, 16, cookie};
            IceWriteAuthFileEntry(file, &line);
            entries.push_back({const_cast<char*>(protocol), address, cookieName, 16, cookie});
        }
    }
    IceSetPaAuthData(static_cast<int>(entries.size()), entries.data()); // copies them
    for (std::size_t i = 0; i < entries.size(); ++i) {
        std::free(entries[i].auth_data);
        if (i % 2 == 1) {
            std::free(entries[i].network_id);
        }
    }
    return std::fclose(file) == 0;
}

void saveEveryClient(bool logout)
{
    g_loggingOut = logout;
    for (SmsConn client : g_clients) {
        SmsSaveYourself(client, logout ? SmSaveGlobal : SmSaveLocal, logout ? True : False,
                        logout ? SmInteractStyleAny : SmInteractStyleNone, False);
    }
}

} // namespace

int main(int argc, char** argv)
{
    char error[256] = "";
    if (argc != 2) {
        std::cerr << "usage: private_session_manager ICE_AUTHORITY_FILE\n";
        return 2;
    }
    // No host-based admission: a client proves itself with the cookie.
    if (!SmsInitialize("numberlark-tests", "1", newClient, nullptr, nullptr, sizeof error, error)) {
        std::cerr << "private_session_manager: " << error << '\n';
        return 1;
    }
    _IceTransNoListen("tcp"); // with its aliases inet and inet6
    // A client gone before its Die arrives is read as such at the next round.
    IceSetIOErrorHandler(noExitOnIoError);
    signal(SIGPIPE, SIG_IGN);
    int count = 0;
    IceListenObj* listeners = nullptr;
    if (!IceListenForConnections(&count, &listeners, sizeof error, error) ||
        !writeAuthority(argv[1], count, listeners)) {
        std::cerr << "private_session_manager: cannot listen: " << error << '\n';
        return 1;
    }
    char* addresses = IceComposeNetworkIdList(count, listeners);
    say(addresses);
    std::free(addresses);
    for (;;) {
        std::vector<pollfd> watched{{STDIN_FILENO, POLLIN, 0}};
        for (int i = 0; i < count; ++i) {
            watched.push_back({IceGetListenConnectionNumber(listeners[i]), POLLIN, 0});
        }
        for (IceConn connection : g_connections) {
            watched.push_back({IceConnectionNumber(connection), POLLIN, 0});
        }
        if (poll(watched.data(), watched.size(), -1) < 0) {
            return 1;
        }
        // One event a round: a message can close connections the list holds.
        const auto ready = std::find_if(watched.begin(), watched.end(),
                                        [](const pollfd& p) { return p.revents != 0; });
        const auto index = static_cast<int>(ready - watched.begin());
        if (index == 0) {
            std::string command;
            if (!std::getline(std::cin, command)) {
                IceFreeListenObjs(count, listeners);
                return 0;
            }
            if (command == "logout" || command == "checkpoint") {
                saveEveryClient(command == "logout");
            }
        } else if (index <= count) {
            IceAcceptStatus status;
            if (IceConn connection = IceAcceptConnection(listeners[index - 1], &status)) {
                g_connections.push_back(connection);
            }
        } else if (ready != watched.end()) {
            IceConn connection = g_connections[static_cast<size_t>(index - count - 1)];
            // A client that said goodbye was forgotten while its message was read.
            if (IceProcessMessages(connection, nullptr, nullptr) != IceProcessMessagesSuccess &&
                std::ranges::find(g_connections, connection) != g_connections.end()) {
                dropped(connection);
            }
        }
    }
}
