// A small session manager for the end-to-end scenarios: it speaks XSMP
// through libSM's manager side, listens only on a local socket, prints its
// address and then every message of its one client on standard output, and
// sends what standard input tells it:
//   checkpoint        SaveYourself: local, no shutdown, no interaction
//   logout any|none   SaveYourself: both, shutdown, interaction any|none
//   die               Die
//   cancel            ShutdownCancelled
//   crash             ends at once without closing anything
// Interaction is granted as soon as it is asked for.
#include <X11/ICE/ICElib.h>
#include <X11/ICE/ICEutil.h>
#include <X11/SM/SMlib.h>

#include <poll.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {
SmsConn client = nullptr;
IceConn clientIce = nullptr;

// One line of the report the test reads: a word, and a value after it.
void say(const char *what, const char *value = nullptr)
{
    std::fputs(what, stdout);
    if (value)
        std::printf(" %s", value);
    std::printf("\n");
    std::fflush(stdout);
}

Status registerClient(SmsConn conn, SmPointer, char *)
{
    char *id = SmsGenerateClientID(conn);
    if (!id)
        id = strdup("1kalvixtestclient");
    const Status s = SmsRegisterClientReply(conn, id);
    say("REGISTERED");
    return s;
}
void interactRequest(SmsConn conn, SmPointer, int)
{
    say("INTERACT_REQUEST");
    SmsInteract(conn);
}
void interactDone(SmsConn, SmPointer, Bool cancel)
{
    say(cancel ? "INTERACT_DONE cancel" : "INTERACT_DONE continue");
}
void saveYourselfRequest(SmsConn, SmPointer, int, Bool, int, Bool, Bool) {}
void phase2Request(SmsConn, SmPointer) {}
void saveYourselfDone(SmsConn, SmPointer, Bool success)
{
    say(success ? "SAVE_DONE ok" : "SAVE_DONE failed");
}
void closeConnection(SmsConn conn, SmPointer, int, char **)
{
    say("CLOSED");
    IceConn ice = SmsGetIceConnection(conn);
    SmsCleanUp(conn);
    IceSetShutdownNegotiation(ice, False);
    IceCloseConnection(ice);
    client = nullptr;
    clientIce = nullptr;
}
void setProperties(SmsConn, SmPointer, int count, SmProp **props)
{
    for (int i = 0; i < count; ++i) {
        say("PROPERTY", props[i]->name);
        SmFreeProperty(props[i]);
    }
    std::free(props);
}
void deleteProperties(SmsConn, SmPointer, int, char **) {}
void getProperties(SmsConn conn, SmPointer)
{
    SmsReturnProperties(conn, 0, nullptr);
}

Status newClient(SmsConn conn, SmPointer, unsigned long *mask, SmsCallbacks *cb, char **)
{
    client = conn;
    *mask = ~0UL;
    std::memset(cb, 0, sizeof *cb);
    cb->register_client.callback = registerClient;
    cb->interact_request.callback = interactRequest;
    cb->interact_done.callback = interactDone;
    cb->save_yourself_request.callback = saveYourselfRequest;
    cb->save_yourself_phase2_request.callback = phase2Request;
    cb->save_yourself_done.callback = saveYourselfDone;
    cb->close_connection.callback = closeConnection;
    cb->set_properties.callback = setProperties;
    cb->delete_properties.callback = deleteProperties;
    cb->get_properties.callback = getProperties;
    return 1;
}

Bool anyHost(char *)
{
    return True; // a private test peer: no cookies
}

void command(const std::string &line)
{
    if (line == "crash")
        ::_exit(0);
    if (!client) {
        say("NO_CLIENT");
        return;
    }
    if (line == "checkpoint")
        SmsSaveYourself(client, SmSaveLocal, False, SmInteractStyleNone, False);
    else if (line == "logout any")
        SmsSaveYourself(client, SmSaveBoth, True, SmInteractStyleAny, False);
    else if (line == "logout none")
        SmsSaveYourself(client, SmSaveBoth, True, SmInteractStyleNone, False);
    else if (line == "die")
        SmsDie(client);
    else if (line == "cancel")
        SmsShutdownCancelled(client);
    else
        say("UNKNOWN", line.c_str());
    IceFlush(clientIce);
}
} // namespace

int main()
{
    char error[256] = {};
    if (!SmsInitialize("kalvix-tests", "1", newClient, nullptr, anyHost, sizeof error, error)) {
        std::fprintf(stderr, "SmsInitialize: %s\n", error);
        return 1;
    }
    int count = 0;
    IceListenObj *listeners = nullptr;
    if (!IceListenForConnections(&count, &listeners, sizeof error, error)) {
        std::fprintf(stderr, "IceListenForConnections: %s\n", error);
        return 1;
    }
    // Only the local socket: nothing of a test listens on the network.
    std::vector<IceListenObj> local;
    for (int i = 0; i < count; ++i) {
        char *id = IceGetListenConnectionString(listeners[i]);
        if (std::strncmp(id, "local/", 6) == 0 || std::strncmp(id, "unix/", 5) == 0) {
            IceSetHostBasedAuthProc(listeners[i], anyHost);
            local.push_back(listeners[i]);
        } else {
            ::close(IceGetListenConnectionNumber(listeners[i]));
        }
        std::free(id);
    }
    if (local.empty()) {
        std::fprintf(stderr, "no local transport\n");
        return 1;
    }
    char *ids = IceComposeNetworkIdList(int(local.size()), local.data());
    say("ADDRESS", ids);
    std::free(ids);

    std::string pending;
    for (;;) {
        std::vector<pollfd> fds;
        fds.push_back({STDIN_FILENO, POLLIN, 0});
        for (IceListenObj l : local)
            fds.push_back({IceGetListenConnectionNumber(l), POLLIN, 0});
        if (clientIce)
            fds.push_back({IceConnectionNumber(clientIce), POLLIN, 0});
        if (::poll(fds.data(), fds.size(), -1) < 0)
            continue;
        if (fds[0].revents) {
            char buf[256];
            const ssize_t n = ::read(STDIN_FILENO, buf, sizeof buf);
            if (n <= 0)
                return 0;
            pending.append(buf, size_t(n));
            for (size_t nl; (nl = pending.find('\n')) != std::string::npos;) {
                command(pending.substr(0, nl));
                pending.erase(0, nl + 1);
            }
        }
        for (size_t i = 0; i < local.size(); ++i) {
            if (!fds[1 + i].revents)
                continue;
            IceAcceptStatus status;
            IceConn ice = IceAcceptConnection(local[i], &status);
            if (!ice)
                continue;
            IceConnectStatus cs;
            while ((cs = IceConnectionStatus(ice)) == IceConnectPending)
                if (IceProcessMessages(ice, nullptr, nullptr) != IceProcessMessagesSuccess)
                    break;
            if (IceConnectionStatus(ice) == IceConnectAccepted)
                clientIce = ice;
            else
                IceCloseConnection(ice);
        }
        if (clientIce && fds.back().fd == IceConnectionNumber(clientIce) && fds.back().revents) {
            if (IceProcessMessages(clientIce, nullptr, nullptr) == IceProcessMessagesIOError) {
                say("CLOSED");
                IceSetShutdownNegotiation(clientIce, False);
                IceCloseConnection(clientIce);
                client = nullptr;
                clientIce = nullptr;
            }
        }
    }
}
