#pragma once

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

// A port on 127.0.0.1 that refuses connections for as long as the object lives: it is bound
// and never listened on, so nothing else can take it meanwhile.
class ClosedPort
{
public:
    ClosedPort()
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (::bind(socket_, reinterpret_cast<sockaddr *>(&address), length) == 0 &&
            ::getsockname(socket_, reinterpret_cast<sockaddr *>(&address), &length) == 0)
            port_ = ntohs(address.sin_port);
    }
    ~ClosedPort() { ::close(socket_); }
    ClosedPort(const ClosedPort &) = delete;
    ClosedPort &operator=(const ClosedPort &) = delete;

    int port() const { return port_; }

private:
    int socket_ = ::socket(AF_INET, SOCK_STREAM, 0);
    int port_ = 0;
};
