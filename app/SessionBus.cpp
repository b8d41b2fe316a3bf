// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's session bus, tried before Qt's screen-reader bridge waits on it without end.
#include "SessionBus.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>

namespace orbulon {

namespace {

// A D-Bus address value with its %XX escapes undone.
std::string Unescaped(std::string_view Value)
{
    std::string Plain;
    for (std::size_t At = 0; At < Value.size(); ++At) {
        if (Value[At] == '%' && At + 2 < Value.size()) {
            Plain += static_cast<char>(std::strtol(std::string(Value.substr(At + 1, 2)).c_str(), nullptr, 16));
            At += 2;
        } else {
            Plain += Value[At];
        }
    }
    return Plain;
}

// The socket of one "unix:" entry of an address, named by path or in the abstract namespace;
// nothing for an entry of any other kind.
std::optional<std::string> UnixSocketName(std::string_view Entry)
{
    if (!Entry.starts_with("unix:"))
        return std::nullopt;
    Entry.remove_prefix(5);
    while (!Entry.empty()) {
        const std::string_view Pair = Entry.substr(0, Entry.find(','));
        Entry.remove_prefix(std::min(Entry.size(), Pair.size() + 1));
        if (Pair.starts_with("path="))
            return Unescaped(Pair.substr(5));
        if (Pair.starts_with("abstract="))
            return Unescaped(Pair.substr(9)).insert(0, 1, '\0');
    }
    return std::nullopt;
}

// Closes the socket however the trial ends.
struct Socket {
    int Descriptor = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    ~Socket()
    {
        if (Descriptor >= 0)
            ::close(Descriptor);
    }
};

}  // namespace

bool SessionBusAnswers(const std::string& Address, std::chrono::milliseconds Patience)
{
    std::string_view Entries = Address;
    while (!Entries.empty()) {
        const std::string_view Entry = Entries.substr(0, Entries.find(';'));
        Entries.remove_prefix(std::min(Entries.size(), Entry.size() + 1));
        const std::optional<std::string> Name = UnixSocketName(Entry);
        if (!Name)
            return true;
        sockaddr_un Place{};
        Place.sun_family = AF_UNIX;
        if (Name->empty() || Name->size() >= sizeof Place.sun_path)
            continue;
        Name->copy(Place.sun_path, Name->size());
        const auto Length =
            static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + Name->size() + ((*Name)[0] != '\0'));
        const Socket Bus;
        if (Bus.Descriptor < 0 || ::connect(Bus.Descriptor, reinterpret_cast<const sockaddr*>(&Place), Length) != 0)
            continue;  // as the bus library does: on to the next entry
        // A bus answers the first line of authentication, accepted or not, at once.
        using namespace std::string_literals;
        std::string Hello = "\0AUTH EXTERNAL "s;
        for (const char Digit : std::to_string(::getuid())) {
            char Hex[3];
            std::snprintf(Hex, sizeof Hex, "%02x", static_cast<unsigned char>(Digit));
            Hello += Hex;
        }
        Hello += "\r\n";
        if (::send(Bus.Descriptor, Hello.data(), Hello.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(Hello.size()))
            return true;  // a socket that fails at once fails as fast in Qt
        pollfd Reply{Bus.Descriptor, POLLIN, 0};
        return ::poll(&Reply, 1, static_cast<int>(Patience.count())) != 0;
    }
    return true;
}

void SetAsideAMuteSessionBus()
{
    const char* Address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    if (!Address || SessionBusAnswers(Address, std::chrono::seconds(2)))
        return;
    std::fprintf(stderr, "orbulon: the session bus (%s) does not answer; playing without screen-reader support\n",
                 Address);
    // An address of no known kind fails at once, where an unset one would be looked for elsewhere.
    ::setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
}

}  // namespace orbulon
